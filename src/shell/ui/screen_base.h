#pragma once

#include <QDialog>

namespace zel {

class AppState;
class HelpWindow;

// What every screen shares: its form name (the objectName, which keys its fonts and its saved size
// and place), modal opening, the common set-up of captions, fonts, size and place, and one close
// sequence: ask whether it may close, finish its work, remember its place, and only once however
// often the close is requested.
class ScreenBase : public QDialog
{
    Q_OBJECT
public:
    ScreenBase(AppState &state, const QString &formName, QWidget *parent = nullptr);

    QString formName() const { return objectName(); }
    // Puts the screen back to its designed size, centred ("Reset Screen Size / Position").
    void resetScreenSize();

protected:
    // Captions, fonts and the saved size and place; call at the end of the constructor, once the
    // screen's controls are built and it has its designed size.
    void setUpScreen();
    // Asked when the screen is about to close; false keeps it open (after telling the user why).
    virtual bool confirmClose() { return true; }
    // The screen's own closing work, after confirmClose agreed and before its place is saved.
    virtual void finishClosing() {}

    void done(int result) override;
    AppState &state() const { return m_state; }

private:
    AppState &m_state;
    bool m_closing = false;
    HelpWindow *m_help = nullptr; // opened by F1 at this screen's section
};

} // namespace zel
