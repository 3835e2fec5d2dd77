#pragma once

#include <QString>

namespace zel {

class AppState;

// Opening and closing the program's database: every open runs the version check, the upgrade, the
// options and the scratch tables; a reopen after work on the closed file only connects again.
class DatabaseSession
{
public:
    explicit DatabaseSession(AppState &state);

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

    // For a file SQLite finds damaged: says so in plain words and offers first a whole copy beside
    // it, then a rescue of what can still be read. `damaged` tells whether it was damaged at all;
    // true when a copy or the rescued file is now in its place.
    bool offerMending(const QString &path, bool *damaged);

private:
    bool openConnection(const QString &path, const QString &procedure);
    void addExeHistory(const QString &comment);
    void afterOpen();

    AppState &m_state;
};

} // namespace zel
