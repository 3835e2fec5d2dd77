#include "shell/terminal_prompter.h"

#include <QTextStream>

#include <algorithm>
#include <vector>

namespace zel {

namespace {

struct Choice
{
    Answer answer;
    const char *word;
};

std::vector<Choice> choicesFor(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok: return {{Answer::Ok, "ok"}};
    case Buttons::OkCancel: return {{Answer::Ok, "ok"}, {Answer::Cancel, "cancel"}};
    case Buttons::YesNo: return {{Answer::Yes, "yes"}, {Answer::No, "no"}};
    case Buttons::YesNoCancel: return {{Answer::Yes, "yes"}, {Answer::No, "no"}, {Answer::Cancel, "cancel"}};
    case Buttons::AbortRetryIgnore: return {{Answer::Abort, "abort"}, {Answer::Retry, "retry"}, {Answer::Ignore, "ignore"}};
    }
    return {};
}

} // namespace

TerminalPrompter::TerminalPrompter(QTextStream &in, QTextStream &err, Policy policy, bool interactive)
    : m_in(in), m_err(err), m_policy(policy), m_interactive(interactive)
{
}

void TerminalPrompter::information(const QString &text, const QString &title, Icon)
{
    m_err << title << ": " << text << '\n';
    m_err.flush();
}

Answer TerminalPrompter::ask(const Question &question)
{
    m_err << question.title << ": " << question.text << '\n';
    const Answer answer = decide(question);
    for (const Choice &choice : choicesFor(question.buttons))
        if (choice.answer == answer)
            m_err << "  -> " << choice.word << '\n';
    m_err.flush();
    return answer;
}

template <typename T>
T TerminalPrompter::unanswered(T fallback)
{
    if (m_noAnswer)
        m_noAnswer(QStringLiteral("This question has no answer here: give ") + m_answeringOptions + QLatin1Char('.'));
    return fallback;
}

Answer TerminalPrompter::decide(const Question &question)
{
    const std::vector<Choice> choices = choicesFor(question.buttons);
    const auto offered = [&](Answer a) {
        return std::any_of(choices.begin(), choices.end(), [a](const Choice &c) { return c.answer == a; });
    };
    if (m_policy == Policy::Yes && offered(Answer::Yes))
        return Answer::Yes;
    if (m_policy == Policy::Yes && offered(Answer::Ok))
        return Answer::Ok;
    if (m_policy == Policy::No && offered(Answer::No))
        return Answer::No;
    if (m_policy == Policy::No && offered(Answer::Cancel))
        return Answer::Cancel;
    // A piped answer is read just as a typed one; the end of the input is no answer at all.
    for (;;) {
        QStringList words;
        for (const Choice &c : choices)
            words << QString::fromLatin1(c.word);
        if (m_interactive) {
            m_err << "  [" << words.join(QLatin1Char('/')) << "]? ";
            m_err.flush();
        }
        const QString reply = m_in.readLine().trimmed().toLower();
        if (reply.isNull())
            return unanswered(question.defaultAnswer);
        for (const Choice &c : choices)
            if (!reply.isEmpty() && QString::fromLatin1(c.word).startsWith(reply))
                return c.answer;
        if (!m_interactive)
            m_err << "  '" << reply << "' is none of " << words.join(QLatin1Char('/')) << ".\n";
    }
}

std::optional<QString> TerminalPrompter::inputText(const QString &prompt, const QString &title,
                                                   const QString &defaultText)
{
    m_err << title << ": " << prompt << " [" << defaultText << "] ";
    m_err.flush();
    if (m_policy != Policy::Ask) {
        m_err << '\n';
        return defaultText;
    }
    const QString reply = m_in.readLine();
    if (reply.isNull()) {
        m_err << '\n';
        return unanswered(std::optional<QString>());
    }
    return reply.isEmpty() ? defaultText : reply;
}

QString TerminalPrompter::chooseFile(const FileChoice &choice)
{
    // Headless commands take their files as arguments; a dialog is never possible here.
    m_err << choice.title << ": no file can be chosen here; give it on the command line.\n";
    m_err.flush();
    return {};
}

void TerminalPrompter::working(const QString &message)
{
    if (m_verbose && !message.isEmpty()) {
        m_err << message << "...\n";
        m_err.flush();
    }
}

void TerminalPrompter::status(const QString &text)
{
    if (!m_verbose)
        return;
    m_err << text << '\n';
    m_err.flush();
}

} // namespace zel
