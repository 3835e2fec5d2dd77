#pragma once

#include <QString>

class QLocale;

namespace zel {

class AppState;
struct StartCommand;

// The program's entry sequence up to the main menu, and the choice of the database to open.
class Startup
{
public:
    explicit Startup(AppState &state);

    // Writes "Starting Program" to every log, warns about an installation in the root folder and a
    // decimal symbol other than ".", puts the supplied files (the manual) in the application folder,
    // makes its files writable and reads the shortcut keys.
    void prepare(const QLocale &locale);

    bool splashHidden() const;
    // Asked when the splash page closes with its box ticked; Yes hides it from then on.
    void confirmHideSplash();

    // Gs_Get_Last_Used: the database to open at start, or an empty text for none.
    QString Gs_Get_Last_Used(const StartCommand &command);

    // A database double-clicked while the program runs reaches it from the second copy: the user
    // is asked as at start, and on Yes it is opened in place of the current one. Returns true
    // when it was opened.
    bool openHandedOver(const StartCommand &command);

    static void clearReadOnly(const QString &folder);

private:
    void writeStartLines();
    void warnRootInstall();
    void installSuppliedFiles();
    void warnDecimalSymbol(const QLocale &locale);
    void readShortcuts();
    QString autostartPath(const StartCommand &command);
    bool confirmAutostart(const QString &path);
    bool previousRunEndedBadly(const QString &path);
    bool testOpen(const QString &path);

    AppState &m_state;
};

} // namespace zel
