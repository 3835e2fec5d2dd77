#pragma once

#include "core/prompter.h"

#include <functional>

class QTextStream;

namespace zel {

// The prompter of the headless program: messages go to the error stream, questions are answered by
// --yes / --no, or by a line read from the input (typed at a terminal or piped in). A question with
// no answer at all never takes its default silently: it stops the command (see setNoAnswer).
class TerminalPrompter : public Prompter
{
public:
    enum class Policy { Ask, Yes, No };

    TerminalPrompter(QTextStream &in, QTextStream &err, Policy policy, bool interactive);

    void information(const QString &text, const QString &title, Icon icon) override;
    Answer ask(const Question &question) override;
    std::optional<QString> inputText(const QString &prompt, const QString &title,
                                     const QString &defaultText) override;
    QString chooseFile(const FileChoice &choice) override;
    void beep() override {}
    void hourglass(bool) override {}
    void working(const QString &message) override;
    void status(const QString &text) override;
    // Status and progress texts are printed only when asked for: a script wants the results alone.
    void setVerbose(bool verbose) { m_verbose = verbose; }
    // What a question with no answer does: `stop` gets the line that says which options answer it,
    // and must not return. Without it the question's default answer is taken.
    void setNoAnswer(std::function<void(const QString &line)> stop) { m_noAnswer = std::move(stop); }
    // The options that answer the running command's questions ("--yes or --no" unless told).
    void setAnsweringOptions(const QString &options) { m_answeringOptions = options; }

private:
    Answer decide(const Question &question);
    // Stops the command through setNoAnswer's function; returns `fallback` when there is none.
    template <typename T>
    T unanswered(T fallback);

    QTextStream &m_in;
    QTextStream &m_err;
    Policy m_policy;
    bool m_interactive;
    bool m_verbose = false;
    std::function<void(const QString &)> m_noAnswer;
    QString m_answeringOptions = QStringLiteral("--yes or --no");
};

} // namespace zel
