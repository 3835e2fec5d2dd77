#include "shell/record_set.h"

#include <QSqlRecord>

namespace zel {

RecordSet::RecordSet(std::shared_ptr<QSqlQuery> query, int count) : m_query(std::move(query)), m_count(count) {}

RecordSet::~RecordSet()
{
    release();
}

RecordSet &RecordSet::operator=(RecordSet &&other) noexcept
{
    if (this != &other) {
        release();
        m_query = std::move(other.m_query);
        m_columns = std::move(other.m_columns);
        m_asked = std::move(other.m_asked);
        m_count = other.m_count;
        m_started = other.m_started;
    }
    return *this;
}

// A kept statement left in the middle of its rows would hold SQLite's read lock until it ran again.
void RecordSet::release()
{
    if (m_query) {
        m_query->finish();
        m_query.reset();
    }
}

bool RecordSet::next()
{
    if (!isValid())
        return false;
    if (!m_started) {
        m_started = true;
        return m_query->isForwardOnly() ? m_query->next() : m_query->first();
    }
    return m_query->next();
}

// Field names are looked up once per record set; reading a column of every row by name is then one
// hash look-up of the name as the caller spells it.
int RecordSet::column(const QString &field) const
{
    if (!m_query)
        return -1;
    if (const auto asked = m_asked.constFind(field); asked != m_asked.cend())
        return *asked;
    if (m_columns.isEmpty()) {
        const QSqlRecord record = m_query->record();
        for (int i = record.count() - 1; i >= 0; --i)
            m_columns.insert(record.fieldName(i).toLower(), i); // the first of equal names wins
    }
    const int index = m_columns.value(field.toLower(), -1);
    m_asked.insert(field, index);
    return index;
}

QVariant RecordSet::value(const QString &field) const
{
    const int index = column(field);
    return index < 0 ? QVariant() : m_query->value(index);
}

QVariant RecordSet::value(int column) const
{
    return m_query ? m_query->value(column) : QVariant();
}

QStringList RecordSet::columnNames() const
{
    QStringList names;
    if (!m_query)
        return names;
    const QSqlRecord record = m_query->record();
    for (int i = 0; i < record.count(); ++i)
        names << record.fieldName(i);
    return names;
}

} // namespace zel
