#include "shell/ui/screen_base.h"

#include "session/app_state.h"
#include "shell/ui/help_window.h"
#include "shell/ui/screen_setup.h"

#include <QShortcut>

namespace zel {

ScreenBase::ScreenBase(AppState &state, const QString &formName, QWidget *parent) : QDialog(parent), m_state(state)
{
    setObjectName(formName);
    setModal(true);
    auto *help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, [this] { m_help = HelpWindow::showFor(this, m_state, m_help, objectName()); });
}

void ScreenBase::setUpScreen()
{
    Gs_Screen_Setup(this, m_state.settings);
}

void ScreenBase::resetScreenSize()
{
    centreOnScreen(this);
}

// Closing can be asked for again while it runs (a second Escape, the window's close button); the
// work and the saving of the place happen once.
void ScreenBase::done(int result)
{
    if (!m_closing) {
        if (!confirmClose())
            return;
        m_closing = true;
        finishClosing();
        Gs_Screen_Save(this, m_state.settings);
    }
    QDialog::done(result);
}

} // namespace zel
