#pragma once

#include <QString>
#include <QStringList>

namespace zel {

class AppState;
class cDataAccess;

namespace db {

// Gfi_Create_Db: a new database file at `path` with every table and index, its starting rows and
// the scratch tables. It is built under a temporary name and renamed into place only when complete,
// so a failure leaves no half-made file. Returns false after telling the user why.
bool Gfi_Create_Db(AppState &state, const QString &path);

// Makes the scratch tables afresh in the open database (at every open). A table that cannot be made
// is reported and the open continues.
void createWorkTables(AppState &state);

// Creates the tables of a new database through `data`, recording check points on the way.
// Returns false at the first table that cannot be made.
bool createTables(AppState &state, cDataAccess &data);

// The schema's tables and indexes the open database lacks, made again (a table empty but for the
// rows a new database starts with). Returns the names of those that could not be made; empty when
// nothing is missing any more. Runs inside the caller's transaction.
QStringList restoreMissingTables(AppState &state);

// The two starting earnings schedules ("F" Fixed and "R" Regular Items); a type that exists is kept.
bool insertDefaultEarnings(cDataAccess &data, const QString &procedure);

} // namespace db
} // namespace zel
