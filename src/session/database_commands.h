#pragma once

#include "session/database_session.h"

#include <QString>

namespace zel {

class AppState;

namespace db {

// The File menu's database commands: new, open, close, backup, restore, compact and repair.
// Each returns true when it did its work; the messages along the way go through the prompter.
class DatabaseCommands
{
public:
    explicit DatabaseCommands(AppState &state);

    // Creates a database chosen by the user and opens it; the caller then shows the options screen.
    bool Ms_New_Database();
    // Opens `path`, or asks for one when it is "NONE".
    bool Ms_Open_Database(const QString &path = QStringLiteral("NONE"));
    void Ms_Close_Database();
    bool Ms_Backup_Database(); // Gfi_Backup_Db
    // The copy the last successful Ms_Backup_Database wrote; empty before one succeeded.
    const QString &lastBackup() const { return m_lastBackup; }
    bool Ms_Compact_Database();
    bool Ms_Repair_Database();
    // Restores a backup into a new database; true means the program should now end.
    bool Gfi_Restore_Db();

private:
    bool refusesProductDatabase();
    bool hasNoMainTable();
    bool compactOrRepair(bool repair);
    void repairNulls(const QString &path, bool isOpenDatabase);
    void checkPoint(int step);

    AppState &m_state;
    DatabaseSession m_session;
    QString m_lastBackup;
};

} // namespace db
} // namespace zel
