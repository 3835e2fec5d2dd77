#pragma once

#include <QString>
#include <QStringList>

namespace zel {

class AppState;

namespace db {

// Gs_CheckDBVersion, run before every open: an Access (Jet 3 / Jet 4) file is converted into an
// SQLite database at the same path, its original kept unchanged beside it under accessBackupName;
// a database of a later version than this program is refused without being changed. Returns false
// (after telling the user why) when the file must not be opened.
bool Gs_CheckDBVersion(AppState &state, const QString &path);

// What an Access file must hold to be a ZEL database: "Table.Column" entries. A sample shop of
// Access has Customers and Orders tables too, so the columns decide.
QStringList zelAccessSignature();

// Converts an Access file in place when it holds `signature`, keeping the original beside it;
// tells the user the outcome. Part of Gs_CheckDBVersion.
bool convertAccessDatabase(AppState &state, const QString &path, const QStringList &signature = zelAccessSignature());

// The three lines that refuse a database of a later version.
QString laterVersionMessage();

// FOLDER/BASE_Access_yyyyMMddhhmmss.MDB for FOLDER/BASE.ext, at the run's clock.
QString accessBackupName(AppState &state, const QString &path);

// The stored version of a database file, read without changing it; 0 without Database_Version,
// -1 when the file cannot be read as a database.
int storedVersionOf(const QString &path);

} // namespace db
} // namespace zel
