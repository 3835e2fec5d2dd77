#include "db/jet_snapshot.h"

#include "db/jet_conversion.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>

namespace zel::db {

bool JetSnapshot::open(const QString &path)
{
    if (!m_folder.isValid()) {
        m_error = QStringLiteral("No temporary folder could be made to read ") + path + QLatin1Char('.');
        return false;
    }
    const QString copy = m_folder.filePath(QStringLiteral("converted.sqlite"));
    const JetConversion::Result result = JetConversion::convert(path, copy, false);
    if (!result.ok()) {
        m_error = result.error;
        return false;
    }
    m_copy = copy;
    return true;
}

std::optional<std::vector<QVariantMap>> JetSnapshot::rows(const QString &table)
{
    const QString connection = QStringLiteral("zel-jet-copy-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    std::optional<std::vector<QVariantMap>> rows;
    {
        QSqlDatabase copy = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        copy.setDatabaseName(m_copy);
        copy.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        QSqlQuery query(copy);
        // The name comes from an outside file: quoted so that any character stays part of it.
        const QString quoted = QLatin1Char('"') + QString(table).replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
        if (m_copy.isEmpty() || !copy.open() || !query.exec(QStringLiteral("Select * From ") + quoted)) {
            m_error = QStringLiteral("The table ") + table + QStringLiteral(" could not be read.");
        } else {
            rows.emplace();
            while (query.next()) {
                const QSqlRecord record = query.record();
                QVariantMap row;
                for (int i = 0; i < record.count(); ++i)
                    row.insert(record.fieldName(i), record.value(i));
                rows->push_back(row);
            }
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return rows;
}

} // namespace zel::db
