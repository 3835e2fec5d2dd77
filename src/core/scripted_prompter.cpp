#include "core/scripted_prompter.h"

#include <algorithm>

namespace zel {

std::vector<ScriptedPrompter::Entry> ScriptedPrompter::messages() const
{
    std::vector<Entry> out;
    std::copy_if(m_entries.begin(), m_entries.end(), std::back_inserter(out), [](const Entry &e) {
        return e.kind == Kind::Information || e.kind == Kind::Question;
    });
    return out;
}

QStringList ScriptedPrompter::messageTexts() const
{
    QStringList out;
    for (const Entry &e : messages())
        out << e.text;
    return out;
}

int ScriptedPrompter::count(Kind kind) const
{
    return int(std::count_if(m_entries.begin(), m_entries.end(),
                             [kind](const Entry &e) { return e.kind == kind; }));
}

void ScriptedPrompter::information(const QString &text, const QString &title, Icon icon)
{
    m_entries.push_back({Kind::Information, text, title, Buttons::Ok, icon, Answer::Ok});
}

Answer ScriptedPrompter::ask(const Question &question)
{
    if (m_onAsk)
        m_onAsk(question);
    Answer answer = question.defaultAnswer;
    if (!m_answers.empty()) {
        answer = m_answers.front();
        m_answers.pop_front();
    }
    m_entries.push_back({Kind::Question, question.text, question.title, question.buttons,
                         question.icon, answer});
    return answer;
}

std::optional<QString> ScriptedPrompter::inputText(const QString &prompt, const QString &title,
                                                   const QString &defaultText)
{
    std::optional<QString> value = defaultText;
    if (!m_inputs.empty()) {
        value = m_inputs.front();
        m_inputs.pop_front();
    }
    m_entries.push_back({Kind::Input, prompt, title, Buttons::OkCancel, Icon::None,
                         value ? Answer::Ok : Answer::Cancel});
    return value;
}

QString ScriptedPrompter::chooseFile(const FileChoice &choice)
{
    QString path;
    if (!m_files.empty()) {
        path = m_files.front();
        m_files.pop_front();
    }
    m_entries.push_back({Kind::File, path, choice.title, Buttons::OkCancel, Icon::None,
                         path.isEmpty() ? Answer::Cancel : Answer::Ok});
    return path;
}

void ScriptedPrompter::beep()
{
    m_entries.push_back({Kind::Beep, {}, {}});
}

void ScriptedPrompter::hourglass(bool on)
{
    m_hourglassDepth = on ? 1 : 0;
}

void ScriptedPrompter::working(const QString &message)
{
    m_entries.push_back({Kind::Working, message, {}});
    if (!message.isEmpty() && m_cancelAfter > 0)
        --m_cancelAfter;
}

void ScriptedPrompter::status(const QString &text)
{
    m_entries.push_back({Kind::Status, text, {}});
}

} // namespace zel
