#pragma once

#include "core/prompter.h"

class QTextStream;

namespace zel {

// The prompter of the headless program: messages go to the error stream, questions are answered by
// --yes / --no, by the user at a terminal, or else with their default answer.
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

private:
    Answer decide(const Question &question);

    QTextStream &m_in;
    QTextStream &m_err;
    Policy m_policy;
    bool m_interactive;
    bool m_verbose = false;
};

} // namespace zel
