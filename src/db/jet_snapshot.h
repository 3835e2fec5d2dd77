#pragma once

#include <QString>
#include <QTemporaryDir>
#include <QVariantMap>

#include <optional>
#include <vector>

namespace zel::db {

// An Access file read the safe way: converted first into an SQLite copy in a folder of its own (in
// a child process, stopped when mdbtools loops on a damaged file), then read from that copy. Values
// come as the conversion stores them: Yes/No as -1/0, money as its value, dates as text.
class JetSnapshot
{
public:
    // False, with errorString() set, when the file cannot be read, or not all of it (a table gives
    // fewer rows than it declares).
    bool open(const QString &path);
    const QString &errorString() const { return m_error; }
    // The SQLite copy, once open() succeeded.
    const QString &copyPath() const { return m_copy; }
    // Every row of `table` as column name to value; nothing, with errorString() naming the table,
    // when it is missing or cannot be read.
    std::optional<std::vector<QVariantMap>> rows(const QString &table);

private:
    QTemporaryDir m_folder;
    QString m_copy;
    QString m_error;
};

} // namespace zel::db
