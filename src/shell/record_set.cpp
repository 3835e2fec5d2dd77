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

QVariant RecordSet::value(const QString &field) const
{
    return m_query.value(field);
}

QVariant RecordSet::value(int column) const
{
    return m_query.value(column);
}

} // namespace zel
