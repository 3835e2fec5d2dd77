#pragma once

#include <QString>
#include <QStringList>

namespace zel::db {

// What `zel db check` finds in a database file.
struct DatabaseHealth
{
    bool opened = false;
    QString openError;
    int version = 0;          // 0 when the Database_Version row is missing
    QStringList missingTables;
    QStringList integrityProblems; // empty when SQLite's integrity check says "ok"

    bool healthy() const { return opened && version == 17 && missingTables.isEmpty() && integrityProblems.isEmpty(); }
};

// Reads the file without changing it.
DatabaseHealth checkDatabase(const QString &path);

} // namespace zel::db
