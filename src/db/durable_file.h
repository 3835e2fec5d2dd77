#pragma once

#include <QString>

namespace zel::db {

// Files the program writes whole (databases, copies, exports) are written under a temporary name
// beside their final place, flushed to the disk, and then put in place with one rename, so a crash
// leaves either the old file or the new one at the path, never half of one.

// The temporary name a whole-file write uses beside `target` until it is complete. A file with this
// name found later is what an interrupted copy left behind.
QString unfinishedName(const QString &target);
bool isUnfinishedName(const QString &path);

// Removes a database file and its journal. A journal left by an interrupted write must never
// meet a new file of the same name: SQLite would roll it into that file and damage it.
bool removeDatabaseFile(const QString &path);

// Flushes a file's contents and the folder entry that names it to the disk. False on failure.
bool syncFile(const QString &path);
bool syncFolderOf(const QString &path);

enum class PutMode { NeverReplace, Replace };

// Renames the complete file `written` to `target` in one step after flushing it; with NeverReplace
// an existing target is left alone and the call fails. Returns an empty text, or what went wrong.
QString putInPlace(const QString &written, const QString &target, PutMode mode);

} // namespace zel::db
