#pragma once

#include <QHash>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include <memory>

namespace zel {

// The rows of one SELECT, walked from first to last. Changes are written with statements
// through cDataAccess, never through the record set.
// The statement may be one that cDataAccess keeps for reuse: while a record set holds it, it is
// not run again, and letting go of it (destruction, assignment) ends its reading.
class RecordSet
{
public:
    RecordSet() = default;
    RecordSet(std::shared_ptr<QSqlQuery> query, int count);
    ~RecordSet();
    RecordSet(RecordSet &&other) noexcept = default;
    RecordSet &operator=(RecordSet &&other) noexcept;
    RecordSet(const RecordSet &) = delete;
    RecordSet &operator=(const RecordSet &) = delete;

    // Moves to the next row; false after the last one.
    bool next();
    QVariant value(const QString &field) const;
    QVariant value(int column) const;
    // The result's column names in order (empty when there is no result).
    QStringList columnNames() const;
    // Exact for GetRecordSet; -1 for a snapshot, which is not walked ahead of time.
    int count() const { return m_count; }
    bool isValid() const { return m_query && m_query->isActive(); }

private:
    int column(const QString &field) const;
    void release();

    std::shared_ptr<QSqlQuery> m_query;
    mutable QHash<QString, int> m_columns; // field names, lower-cased, to their positions
    mutable QHash<QString, int> m_asked;   // names as asked for, to their positions (-1: none)
    int m_count = 0;
    bool m_started = false;
};

} // namespace zel
