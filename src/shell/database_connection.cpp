#include "shell/database_connection.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QUuid>

namespace zel {

DatabaseConnection::DatabaseConnection()
    : m_connectionName(QStringLiteral("zel-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
}

DatabaseConnection::~DatabaseConnection()
{
    close();
}

bool DatabaseConnection::open(const QString &path)
{
    close();
    m_error.clear();
    if (!QFileInfo(path).isFile()) {
        m_error = path + QStringLiteral(" Not Found.");
        return false;
    }
    return openWithMode(path, "rw");
}

bool DatabaseConnection::create(const QString &path)
{
    close();
    m_error.clear();
    if (QFileInfo::exists(path)) {
        m_error = path + QStringLiteral(" already exists.");
        return false;
    }
    return openWithMode(path, "rwc");
}

bool DatabaseConnection::openWithMode(const QString &path, const char *mode)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
        // A URI with an explicit mode: "rw" never creates a file quietly, "rwc" may.
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI"));
        db.setDatabaseName(QStringLiteral("file:") + QString::fromLatin1(QUrl::toPercentEncoding(path, "/"))
                           + QStringLiteral("?mode=") + QLatin1String(mode));
        if (!db.open()) {
            m_error = db.lastError().text();
        } else {
            // SQLite opens lazily; reading the schema proves the file really is a database.
            QSqlQuery probe(db);
            if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")))
                m_error = probe.lastError().text();
        }
    }
    if (!m_error.isEmpty()) {
        close();
        return false;
    }
    m_path = path;
    return true;
}

void DatabaseConnection::close()
{
    if (QSqlDatabase::contains(m_connectionName)) {
        {
            QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(m_connectionName);
    }
    m_path.clear();
}

bool DatabaseConnection::isOpen() const
{
    return QSqlDatabase::contains(m_connectionName) && QSqlDatabase::database(m_connectionName, false).isOpen();
}

bool DatabaseConnection::hasTable(const QString &name) const
{
    for (const QString &table : tableNames())
        if (table.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QStringList DatabaseConnection::tableNames() const
{
    return isOpen() ? handle().tables(QSql::Tables) : QStringList();
}

QSqlDatabase DatabaseConnection::handle() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

} // namespace zel
