#include "shell/database_connection.h"

#include "shell/access_header.h"

#include <QFile>
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

namespace {

// What kind of file this is, judged by its first bytes; empty when it looks like a database of ours.
QString notOurDatabase(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    const QByteArray head = file.read(32);
    if (head.isEmpty())
        return QStringLiteral("The file is empty; it is not a database");
    if (head.startsWith(QByteArrayLiteral("SQLite format 3")))
        return {};
    const AccessHeader access = accessHeaderOf(path);
    if (access == AccessHeader::Jet3 || access == AccessHeader::Jet4)
        return QStringLiteral("This is a database of an older version (Access format), which this version cannot open yet");
    if (access != AccessHeader::NotAccess)
        return QStringLiteral("The file ") + accessHeaderProblem(access);
    return QStringLiteral("The file is not a database, or it is damaged");
}

// A change cut short (a crash, a kill) leaves a hot journal beside the file. SQLite rolls it back on
// the first read, but only through a connection that may write, so a read-only open would fail with
// "attempt to write a readonly database". A short writable connection finishes the rollback first.
// Returns the reason when it cannot be done; empty when there was nothing to do or it is done.
QString rollBackInterruptedChange(const QString &path)
{
    if (QFileInfo(path + QStringLiteral("-journal")).size() == 0)
        return {};
    if (!DatabaseConnection::isWritable(path))
        return path + QStringLiteral(": the last change to this database was cut short, and it must be undone before the "
                                     "database can be read, but the file or its folder is read-only.");
    const QString name = QStringLiteral("zel-recovery-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI"));
        db.setDatabaseName(QStringLiteral("file:") + QString::fromLatin1(QUrl::toPercentEncoding(path, "/"))
                           + QStringLiteral("?mode=rw"));
        QSqlQuery probe(db);
        if (!db.open())
            error = db.lastError().text();
        else if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")))
            error = probe.lastError().text();
        probe.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return error;
}

} // namespace

bool DatabaseConnection::open(const QString &path)
{
    return openExisting(path, "rw");
}

bool DatabaseConnection::openForReading(const QString &path)
{
    return openExisting(path, "ro");
}

bool DatabaseConnection::isWritable(const QString &path)
{
    const QFileInfo file(path);
    // A file marked read-only is treated as such even for a user the system would let write it.
    const auto anyWrite = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    // SQLite writes its journal beside the file, so the folder must take new files too.
    return (file.permissions() & anyWrite) && file.isWritable() && QFileInfo(file.absolutePath()).isWritable();
}

bool DatabaseConnection::openExisting(const QString &path, const char *mode)
{
    close();
    m_error.clear();
    if (QFileInfo(path).isDir()) {
        m_error = path + QStringLiteral(" is a folder, not a database.");
        return false;
    }
    if (!QFileInfo(path).isFile()) {
        m_error = path + QStringLiteral(" Not Found.");
        return false;
    }
    m_error = notOurDatabase(path);
    if (m_error.isEmpty() && qstrcmp(mode, "ro") == 0)
        m_error = rollBackInterruptedChange(path);
    if (!m_error.isEmpty())
        return false;
    return openWithMode(path, mode);
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
            // Measured on twenty years of business (a 400 MB file), five runs each: page caches
            // of 8, 16 and 64 MB made no report measurably faster than SQLite's own 2 MB (the
            // system's file cache holds the file already), and every megabyte of it counts
            // against the memory of every report, so the cache stays at 2 MB. Memory mapping was
            // no faster either, adds every page read to the program's memory, and turns a read
            // error of a failing disk or a pulled stick into a crash instead of a message, so it
            // stays off.
            probe.exec(QStringLiteral("PRAGMA cache_size = -2000"));
            probe.exec(QStringLiteral("PRAGMA mmap_size = 0"));
        }
    }
    if (!m_error.isEmpty()) {
        close();
        return false;
    }
    m_path = path;
    m_readOnly = qstrcmp(mode, "ro") == 0;
    return true;
}

void DatabaseConnection::close()
{
    for (const auto &listener : m_closeListeners)
        listener.second();
    if (QSqlDatabase::contains(m_connectionName)) {
        {
            QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(m_connectionName);
    }
    m_path.clear();
    m_readOnly = false;
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

int DatabaseConnection::addCloseListener(std::function<void()> beforeClose)
{
    m_closeListeners.emplace(++m_nextListener, std::move(beforeClose));
    return m_nextListener;
}

void DatabaseConnection::removeCloseListener(int key)
{
    m_closeListeners.erase(key);
}

QSqlDatabase DatabaseConnection::handle() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

} // namespace zel
