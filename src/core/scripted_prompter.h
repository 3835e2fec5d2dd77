#pragma once

#include "core/prompter.h"

#include <deque>
#include <functional>
#include <vector>

namespace zel {

// A prompter for tests and unattended runs: it records every prompt with its exact text and
// answers from a queue, falling back to each question's default answer when the queue is empty.
class ScriptedPrompter : public Prompter
{
public:
    enum class Kind { Information, Question, Input, File, Beep, Working, Status };

    struct Entry
    {
        Kind kind;
        QString text;
        QString title;
        Buttons buttons = Buttons::Ok;
        Icon icon = Icon::None;
        Answer answer = Answer::Ok;
    };

    void queueAnswer(Answer answer) { m_answers.push_back(answer); }
    // Called with each question before it is answered, so a test can change the world in between.
    void setOnAsk(std::function<void(const Question &)> hook) { m_onAsk = std::move(hook); }
    void queueInput(std::optional<QString> text) { m_inputs.push_back(std::move(text)); }
    void queueFile(const QString &path) { m_files.push_back(path); }
    // Cancel is pressed after `steps` more working messages have been shown (-1: never).
    void cancelAfter(int steps) { m_cancelAfter = steps; }

    const std::vector<Entry> &entries() const { return m_entries; }
    // Only the boxes the user had to answer or read: information and questions.
    std::vector<Entry> messages() const;
    QStringList messageTexts() const;
    int count(Kind kind) const;
    bool hourglassOn() const { return m_hourglassDepth > 0; }
    void clear() { m_entries.clear(); }

    void information(const QString &text, const QString &title, Icon icon) override;
    Answer ask(const Question &question) override;
    std::optional<QString> inputText(const QString &prompt, const QString &title,
                                     const QString &defaultText) override;
    QString chooseFile(const FileChoice &choice) override;
    void beep() override;
    void hourglass(bool on) override;
    void working(const QString &message) override;
    bool cancelRequested() override { return m_cancelAfter == 0; }
    void status(const QString &text) override;

private:
    std::vector<Entry> m_entries;
    std::deque<Answer> m_answers;
    std::deque<std::optional<QString>> m_inputs;
    std::deque<QString> m_files;
    int m_hourglassDepth = 0;
    int m_cancelAfter = -1;
    std::function<void(const Question &)> m_onAsk;
};

} // namespace zel
