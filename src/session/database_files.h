#pragma once

#include <QDate>
#include <QString>

#include "shell/settings_keys.h"

namespace zel {

class AppState;
class Prompter;

namespace db {

inline const QString kDatabaseFilter = QStringLiteral("Zel Database (*.ZELDB;*.MDB)|*.ZELDB;*.MDB|All Files (*.*)|*.*");
inline const QString kRestoreFilter =
    QStringLiteral("Zel Database (*.ZELBK;*.ZELDB;*.MDB;*.ZELWK)|*.ZELBK;*.ZELDB;*.MDB;*.ZELWK|All Files (*.*)|*.*");

// Refuses backups, working copies, product databases and zip files with the message that says
// what to do instead. Returns true when the path may be opened as a database.
bool Gfi_Check_Open_File(Prompter &prompter, const QString &path);

// P with every "." made "_", then "_", the time as yyyyMMddhhmmss and ".ZELWK". Two calls never
// share a second: a second call in the same second waits for the next one.
QString Gfi_Work_File_Name(const QString &pathOrName);
// The working-copy name of a file, kept in the file's own folder.
QString workCopyBeside(const QString &path);
// F/B_yyyyMMddhhmmss.ZELBK for database F/B.ext.
QString autoBackupName(const QString &path);

// The file dialog of opening, with the open-file check; the chosen folder is remembered.
// Returns the path, or an empty text when cancelled or refused.
QString Gfi_Open_Dialog(AppState &state, const QString &title, const QString &defaultName);
// A save dialog over the database filter that starts in the folder of `folderKey`; the caller
// stores the folder back once its work succeeded.
QString chooseDatabaseToWrite(AppState &state, const QString &title, const QString &defaultName,
                              const IniKey &folderKey);

// Writes a compacted copy of the closed database `source` to `target` (which must not exist).
// Failures go through the error report; a half-written target is removed.
bool compactInto(AppState &state, const QString &source, const QString &target, const QString &procedure);

// Compacts a closed database in place, leaving the compact copy and the archive of the old file
// beside it as working copies.
bool Gfi_Compact_File(AppState &state, const QString &path);
// The backup made at exit, beside the database.
bool Gfi_Auto_Backup(AppState &state, const QString &path);
// Deletes the files matching `pattern` ("/folder/*.ZELWK") last changed before one month ago.
int Gs_Delete_Archives(const QString &pattern, const QDate &today = QDate::currentDate());

} // namespace db
} // namespace zel
