#include "db/read_only_rows.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>

namespace zel::db {

std::optional<std::vector<QVariantMap>> readOnlyRows(const QString &path, const QString &sql, QString *error)
{
    const QString connection = QStringLiteral("zel-read-only-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    std::optional<std::vector<QVariantMap>> rows;
    {
        QSqlDatabase source = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        source.setDatabaseName(path);
        source.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        QSqlQuery query(source);
        if (!source.open() || !query.exec(sql)) {
            if (error)
                *error = source.isOpenError() ? source.lastError().text() : query.lastError().text();
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
