#include "shell/record_set.h"

#include <QSqlRecord>

namespace zel {

RecordSet::RecordSet(QSqlQuery query, int count) : m_query(std::move(query)), m_count(count) {}

bool RecordSet::next()
{
    if (!m_query.isActive())
        return false;
    if (!m_started) {
        m_started = true;
        return m_query.isForwardOnly() ? m_query.next() : m_query.first();
    }
    return m_query.next();
}

// Field names are looked up once per record set; reading a column of every row by name is then cheap.
int RecordSet::column(const QString &field) const
{
    if (m_columns.isEmpty()) {
        const QSqlRecord record = m_query.record();
        for (int i = record.count() - 1; i >= 0; --i)
            m_columns.insert(record.fieldName(i).toLower(), i); // the first of equal names wins
    }
    return m_columns.value(field.toLower(), -1);
}

QVariant RecordSet::value(const QString &field) const
{
    const int index = column(field);
    return index < 0 ? QVariant() : m_query.value(index);
}

QVariant RecordSet::value(int column) const
{
    return m_query.value(column);
}

} // namespace zel
