#pragma once

#include "db/durable_file.h"
#include "shell/database_connection.h"

#include <QString>

namespace zel::db {

// A closed database file held by this process alone while whole copies are made from it, so no
// other program reads a half-replaced file or writes into one that is being copied.
class ExclusiveDatabase
{
public:
    enum class Outcome { Held, InUse, Failed };

    // Opens `path` and takes SQLite's exclusive lock, which stays until the object goes.
    // InUse when another program has the file open; Failed (see errorString()) when it cannot be read.
    Outcome hold(const QString &path);

    // Writes a compacted copy to `target` through its unfinished name. Returns an empty text or the error.
    QString copyTo(const QString &target, PutMode mode);

    QString errorString() const { return m_error; }

    // Whether a process other than this one has the file open (Linux; false where that cannot be told).
    static bool openElsewhere(const QString &path);

private:
    DatabaseConnection m_connection;
    QString m_error;
};

// The text the user sees when a database is held by another program.
QString inUseMessage(const QString &path);

} // namespace zel::db
