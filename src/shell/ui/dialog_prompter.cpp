#include "shell/ui/dialog_prompter.h"

#include "shell/ui/working_window.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace zel {

namespace {

QMessageBox::Icon boxIcon(Icon icon)
{
    switch (icon) {
    case Icon::Information: return QMessageBox::Information;
    case Icon::Question: return QMessageBox::Question;
    case Icon::Exclamation: return QMessageBox::Warning;
    case Icon::Critical: return QMessageBox::Critical;
    case Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

struct ButtonMap
{
    QMessageBox::StandardButton button;
    Answer answer;
};

constexpr ButtonMap kButtons[] = {
    {QMessageBox::Ok, Answer::Ok},       {QMessageBox::Cancel, Answer::Cancel},
    {QMessageBox::Yes, Answer::Yes},     {QMessageBox::No, Answer::No},
    {QMessageBox::Abort, Answer::Abort}, {QMessageBox::Retry, Answer::Retry},
    {QMessageBox::Ignore, Answer::Ignore},
};

QMessageBox::StandardButtons standardButtons(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok: return QMessageBox::Ok;
    case Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Buttons::AbortRetryIgnore: return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    }
    return QMessageBox::Ok;
}

// A box shown while the hourglass is on gets the normal pointer back for as long as it shows.
class NormalPointer
{
public:
    explicit NormalPointer(bool hourglass) : m_active(hourglass)
    {
        if (m_active)
            QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~NormalPointer()
    {
        if (m_active)
            QApplication::restoreOverrideCursor();
    }

private:
    bool m_active;
};

} // namespace

DialogPrompter::DialogPrompter() = default;

DialogPrompter::~DialogPrompter()
{
    delete m_working;
}

void DialogPrompter::information(const QString &text, const QString &title, Icon icon)
{
    NormalPointer pointer(m_hourglass);
    QMessageBox box(boxIcon(icon), title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

Answer DialogPrompter::ask(const Question &question)
{
    NormalPointer pointer(m_hourglass);
    QMessageBox box(boxIcon(question.icon), question.title, question.text, standardButtons(question.buttons),
                    QApplication::activeWindow());
    for (const ButtonMap &map : kButtons)
        if (map.answer == question.defaultAnswer)
            box.setDefaultButton(map.button);
    const auto pressed = QMessageBox::StandardButton(box.exec());
    for (const ButtonMap &map : kButtons)
        if (map.button == pressed)
            return map.answer;
    // Closing the box with Escape or the window's close button counts as its cancel button.
    return question.buttons == Buttons::YesNo ? Answer::No
         : question.buttons == Buttons::AbortRetryIgnore ? Answer::Ignore : Answer::Cancel;
}

std::optional<QString> DialogPrompter::inputText(const QString &prompt, const QString &title,
                                                 const QString &defaultText)
{
    NormalPointer pointer(m_hourglass);
    bool ok = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), title, prompt, QLineEdit::Normal,
                                               defaultText, &ok);
    return ok ? std::optional<QString>(text) : std::nullopt;
}

QString DialogPrompter::qtFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts.at(i + 1);
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        QString name = parts.at(i);
        const qsizetype open = name.indexOf(QLatin1Char('('));
        if (open >= 0)
            name = name.left(open).trimmed();
        // Extensions are matched in both cases, since files may come from systems that do not care.
        QStringList both;
        for (const QString &p : patterns.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            both << p << (p == QLatin1String("*.*") ? QString() : p.toLower());
        both.removeAll(QString());
        both.removeDuplicates();
        out << name + QStringLiteral(" (") + both.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return out.join(QStringLiteral(";;"));
}

QString DialogPrompter::chooseFile(const FileChoice &choice)
{
    NormalPointer pointer(m_hourglass);
    QFileDialog dialog(QApplication::activeWindow(), choice.title, choice.startFolder, qtFilter(choice.filter));
    dialog.setAcceptMode(choice.mode == FileChoice::Mode::Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(choice.mode == FileChoice::Mode::Save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!choice.defaultExtension.isEmpty())
        dialog.setDefaultSuffix(choice.defaultExtension);
    if (!choice.defaultName.isEmpty())
        dialog.selectFile(choice.defaultName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

void DialogPrompter::beep()
{
    QApplication::beep();
}

void DialogPrompter::hourglass(bool on)
{
    if (on && !m_hourglass)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else if (!on && m_hourglass)
        QApplication::restoreOverrideCursor();
    m_hourglass = on;
    QApplication::processEvents();
}

void DialogPrompter::working(const QString &message)
{
    if (message.isEmpty()) {
        delete m_working;
        return;
    }
    if (!m_working)
        m_working = new WorkingWindow(QApplication::activeWindow());
    m_working->setMessage(message);
    m_working->show();
    m_working->raise();
    QApplication::processEvents();
}

void DialogPrompter::workingCancellable(const QString &message)
{
    working(message);
    if (m_working)
        m_working->setCancellable(true);
}

bool DialogPrompter::cancelRequested()
{
    QApplication::processEvents(); // a click on Cancel is seen between two steps
    return m_working && m_working->cancelPressed();
}

void DialogPrompter::status(const QString &text)
{
    if (m_statusSink)
        m_statusSink(text);
}

} // namespace zel
