#pragma once

#include <QString>

#include <functional>

namespace zel {

// The database-file operations that start-up, the File menu and exit call, supplied by the database
// subsystem. An empty operation is one this build does not have yet: the caller skips it, and the
// menu command that needs it is shown disabled.
class cDataAccess;

struct DatabaseSeams
{
    std::function<bool(cDataAccess &newDatabase)> writeDefaultTranslations; // rows of a new database
    std::function<void()> repairNulls;                          // Gs_Repair_Nulls on the open database
    std::function<bool(const QString &path)> checkOpenFile;    // Gfi_Check_Open_File: refuses backups and the like
    std::function<bool(const QString &path)> checkDbVersion;   // Gs_CheckDBVersion: converts older files
    std::function<void()> upgradeDb;                            // Gs_Upgrade_Db
    std::function<void()> loadOptions;                          // OptionGet
    std::function<void()> saveOptions;                          // OptionSave
    std::function<void()> createWorkTables;                     // the scratch tables of every open
    std::function<void(const QString &pattern)> deleteArchives; // Gs_Delete_Archives
    std::function<void(const QString &path)> autoBackup;        // Gfi_Auto_Backup
    std::function<void()> manualBackup;                         // Ms_Backup_Database
    std::function<void(const QString &path)> compactFile;       // Gfi_Compact_File
    std::function<void(const QString &path)> noticeLeftovers;   // unfinished copies beside a database being opened
    // Offers a whole copy of a missing or damaged database; true when one was put in its place.
    std::function<bool(const QString &path, const QString &problem)> offerWholeCopy;
    // Why SQLite finds the file damaged; empty when it is sound.
    std::function<QString(const QString &path)> damageOf;
    // Offers to rescue what can be read of a damaged file into a new one in its place, and shows
    // what was rescued; true when the rescued file is in place.
    std::function<bool(const QString &path, const QString &damage)> rescueDamaged;
};

} // namespace zel
