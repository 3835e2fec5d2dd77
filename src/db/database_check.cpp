#include "db/database_check.h"

#include "db/schema.h"
#include "shell/database_connection.h"

#include <QSqlQuery>

namespace zel::db {

DatabaseHealth checkDatabase(const QString &path)
{
    DatabaseHealth health;
    DatabaseConnection connection;
    health.opened = connection.open(path);
    if (!health.opened) {
        health.openError = connection.errorString();
        return health;
    }
    for (const TableDef &table : schemaTables())
        if (!connection.hasTable(table.tableName()))
            health.missingTables << table.tableName();
    QSqlQuery query(connection.handle());
    if (connection.hasTable(QStringLiteral("Database_Version")) && query.exec(QStringLiteral("Select [DBVersion Number] From Database_Version"))
        && query.next())
        health.version = query.value(0).toInt();
    if (query.exec(QStringLiteral("PRAGMA integrity_check"))) {
        while (query.next())
            if (query.value(0).toString() != QLatin1String("ok"))
                health.integrityProblems << query.value(0).toString();
    } else {
        health.integrityProblems << QStringLiteral("The integrity check could not run.");
    }
    return health;
}

} // namespace zel::db
