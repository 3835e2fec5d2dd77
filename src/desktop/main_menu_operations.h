#pragma once

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
// reopening it on every return to the menu, the campaign steps, and the exit sequence.
class MainMenuOperations
{
public:
    explicit MainMenuOperations(AppState &state);

    // Load steps 2 to 6: with REPAIR nothing is opened; otherwise the database of the start
    // choice is opened, or the user is told that none is. Returns true when one is open.
    bool loadDatabase(const StartCommand &command);
    void markRunning();

    // Opens `path` as the shared database, records the open in ExeHistory with `comment`, and
    // runs the steps every open needs. Returns false (after the error report) when it cannot.
    bool openDatabase(const QString &path, const QString &comment, const QString &procedure);
    // The first half of an open: version check, connection (through the error report), the
    // ExeHistory row and the log line. The database is not yet the program's current one.
    bool connect(const QString &path, const QString &comment, const QString &procedure);
    // The second half: the connected file becomes the current database; upgrade, options and
    // scratch tables follow.
    void activate(const QString &path);
    // Opens `path` for reading only, with the options: what headless commands that only read use.
    // Nothing is written to the file. Returns false after the error report.
    bool openForReading(const QString &path);
    // Opens the current file again after work on the closed file (backup, compaction).
    bool reopenDatabase(const QString &procedure);
    void closeDatabase(const QString &procedure);
    // Every return to the main menu starts from a freshly opened connection.
    void reopenOnActivation();

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
    bool openConnection(const QString &path, const QString &procedure);
    void addExeHistory(const QString &comment);
    void afterOpen();
    void writeExitChoices(const ExitChoices &choices);
    void deleteArchives();
    void backupAndCompact(const ExitChoices &choices);

    AppState &m_state;
};

} // namespace zel
