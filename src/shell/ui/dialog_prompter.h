#pragma once

#include "core/prompter.h"

#include <QPointer>

#include <functional>

class QWidget;

namespace zel {

class WorkingWindow;

// The prompter of the windowed program: Qt message boxes, input and file dialogs, the hourglass,
// the progress window and the status bar of the window in front.
class DialogPrompter : public Prompter
{
public:
    DialogPrompter();
    ~DialogPrompter() override;

    void setStatusSink(std::function<void(const QString &)> sink) { m_statusSink = std::move(sink); }

    void information(const QString &text, const QString &title, Icon icon) override;
    Answer ask(const Question &question) override;
    std::optional<QString> inputText(const QString &prompt, const QString &title,
                                     const QString &defaultText) override;
    QString chooseFile(const FileChoice &choice) override;
    void beep() override;
    void hourglass(bool on) override;
    void working(const QString &message) override;
    void workingCancellable(const QString &message) override;
    bool cancelRequested() override;
    void status(const QString &text) override;

    // "Name (*.A;*.B)|*.A;*.B|All Files (*.*)|*.*" as a Qt file-dialog filter.
    static QString qtFilter(const QString &filter);

private:
    bool m_hourglass = false;
    QPointer<WorkingWindow> m_working;
    std::function<void(const QString &)> m_statusSink;
};

} // namespace zel
