#pragma once

#include <QString>

namespace zel {

class AppState;

namespace db {

// Copies that an interrupted compact, backup, restore or new database left in a database's folder,
// found when the database is next opened, so that nothing is silently lost or left lying around.

// Tells the user about every unfinished copy in the folder of `databasePath`: one that is incomplete
// is removed, one that is a whole database is kept under a dated working-copy name.
void noticeUnfinishedCopies(AppState &state, const QString &databasePath);

// When the database is missing or damaged (`problem` says which), offers the newest whole copy of it
// left beside it: its finished but not yet renamed copy, or the compact and archive working copies.
// A damaged file is kept under a working-copy name. Returns true when a copy was put in its place.
bool offerWholeCopy(AppState &state, const QString &databasePath, const QString &problem);

// True when the file has its Customers and Orders tables and SQLite's quick check passes on it.
bool isWholeDatabase(const QString &path);

} // namespace db
} // namespace zel
