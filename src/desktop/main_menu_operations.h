#pragma once

#include "session/database_session.h"

#include <QString>

class QDate;
class QDateTime;
class QLocale;

namespace zel {

class AppState;
struct StartCommand;

// The backup-on-exit choice and "Compact DB on Exit" of the main menu.
struct ExitChoices
{
    enum class Backup { Auto, Manual, None };
    Backup backup = Backup::Auto;
    bool compress = false;
};

// What the main menu does, apart from showing itself: choosing and opening the database at start,
// reopening it on every return to the menu (the session's part), the campaign steps, and the exit
// sequence.
class MainMenuOperations : public DatabaseSession
{
public:
    explicit MainMenuOperations(AppState &state);

    // Load steps 2 to 6: with REPAIR nothing is opened; otherwise the database of the start
    // choice is opened, or the user is told that none is. Returns true when one is open.
    bool loadDatabase(const StartCommand &command);
    void markRunning();

    // Steps the current campaign; at either end it only beeps. Returns true when it changed.
    bool stepCampaign(bool forward);

    QString windowTitle() const;
    QString backupTooltip() const;
    QString clockText(const QDateTime &now, const QLocale &locale) const;
    bool isSampleDatabase() const;
    void showSampleWarning();
    void showNoDatabaseMessage();
    // On the 7th, 14th, 21st and 28th, a catalogue of more than 25,000 products earns a reminder to
    // delete old ones. Returns true when the user wants to go to the utilities now.
    bool askProductFileReminder(const QDate &today);

    ExitChoices readExitChoices() const;
    // Ms_Shutdown. The screen saves its own size and position and closes the others.
    void Ms_Shutdown(const ExitChoices &choices);

    void mUpdateDateTable();
    void Ms_Delete_Temp_Tables();

private:
    void writeExitChoices(const ExitChoices &choices);
    void deleteArchives();
    void backupAndCompact(const ExitChoices &choices);

    AppState &m_state;
};

} // namespace zel
