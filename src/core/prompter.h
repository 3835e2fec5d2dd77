#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace zel {

inline const QString kMessageTitle = QStringLiteral("Customer Management System");

enum class Answer { Ok, Cancel, Yes, No, Abort, Retry, Ignore };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, AbortRetryIgnore };
enum class Icon { None, Information, Question, Exclamation, Critical };

struct Question
{
    QString text;
    QString title = kMessageTitle;
    Buttons buttons = Buttons::YesNo;
    Answer defaultAnswer = Answer::Yes;
    Icon icon = Icon::Question;
};

struct FileChoice
{
    enum class Mode { Open, Save };
    Mode mode = Mode::Open;
    QString title;
    QString filter;          // "Zel Database (*.ZELDB;*.MDB)|*.ZELDB;*.MDB|All Files (*.*)|*.*"
    QString startFolder;
    QString defaultName;
    QString defaultExtension;
};

// Every message, question, input box, file dialog, beep and progress text that core code needs.
// Core code never opens a window; the screens, the command line and the tests each supply one.
class Prompter
{
public:
    virtual ~Prompter() = default;

    // An OK box. `icon` is Information unless a caller needs the warning look.
    virtual void information(const QString &text, const QString &title = kMessageTitle,
                             Icon icon = Icon::Information) = 0;
    virtual Answer ask(const Question &question) = 0;
    // Returns nothing when the user cancels.
    virtual std::optional<QString> inputText(const QString &prompt, const QString &title,
                                             const QString &defaultText) = 0;
    // Returns the chosen path, or an empty text when cancelled.
    virtual QString chooseFile(const FileChoice &choice) = 0;

    virtual void beep() = 0;
    // Hourglass on or off; lets pending window events run.
    virtual void hourglass(bool on) = 0;
    // Shows the progress window with a working message; an empty message closes it.
    virtual void working(const QString &message) = 0;
    // The same window with a Cancel button, for work that can stop between its steps.
    virtual void workingCancellable(const QString &message) { working(message); }
    // True once Cancel was pressed in the progress window; cleared when the window closes.
    virtual bool cancelRequested() { return false; }
    // The status-bar text of the window in front.
    virtual void status(const QString &text) = 0;

    // Convenience for the common Yes/No box.
    bool askYesNo(const QString &text, const QString &title = kMessageTitle,
                  Answer defaultAnswer = Answer::Yes)
    {
        return ask({text, title, Buttons::YesNo, defaultAnswer, Icon::Question}) == Answer::Yes;
    }
};

// Joins lines with line breaks, the way multi-line messages are built.
inline QString lines(const QStringList &parts)
{
    return parts.join(QLatin1Char('\n'));
}

} // namespace zel
