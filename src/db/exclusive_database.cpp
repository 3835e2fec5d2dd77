#include "db/exclusive_database.h"

#include "core/prompter.h"
#include "core/text.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

#include <sys/stat.h>
#include <unistd.h>

namespace zel::db {

namespace {

constexpr int kSqliteBusy = 5;
constexpr int kSqliteLocked = 6;

bool isBusy(const QSqlError &error)
{
    const int code = error.nativeErrorCode().toInt() & 0xff;
    return code == kSqliteBusy || code == kSqliteLocked;
}

} // namespace

QString inUseMessage(const QString &path)
{
    return lines({QStringLiteral("ZEL database is in use by another program."), path, QString(),
                  QStringLiteral("Close the other program and try again; nothing has been changed.")});
}

bool ExclusiveDatabase::openElsewhere(const QString &path)
{
#ifdef Q_OS_LINUX
    struct stat wanted {};
    if (::stat(QFile::encodeName(path).constData(), &wanted) != 0)
        return false;
    const QString self = QString::number(::getpid());
    const QStringList processes = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &pid : processes) {
        if (pid == self || pid.toInt() <= 0)
            continue;
        QDirIterator fds(QStringLiteral("/proc/") + pid + QStringLiteral("/fd"), QDir::System | QDir::Files | QDir::NoDotAndDotDot);
        while (fds.hasNext()) {
            struct stat seen {};
            if (::stat(QFile::encodeName(fds.next()).constData(), &seen) == 0 && seen.st_dev == wanted.st_dev
                && seen.st_ino == wanted.st_ino)
                return true;
        }
    }
#else
    Q_UNUSED(path);
#endif
    return false;
}

ExclusiveDatabase::Outcome ExclusiveDatabase::hold(const QString &path)
{
    m_error.clear();
    if (openElsewhere(path))
        return Outcome::InUse;
    if (!m_connection.open(path)) {
        // Named, as "Permission denied" alone does not say of which file.
        const QString error = m_connection.errorString();
        m_error = error.contains(path) ? error : path + QStringLiteral(": ") + error;
        return Outcome::Failed;
    }
    QSqlQuery query(m_connection.handle());
    query.exec(QStringLiteral("PRAGMA busy_timeout = 1000"));
    // In exclusive locking mode the lock of the first write transaction is kept until the file is closed.
    query.exec(QStringLiteral("PRAGMA locking_mode = EXCLUSIVE"));
    if (!query.exec(QStringLiteral("BEGIN EXCLUSIVE"))) {
        const bool busy = isBusy(query.lastError());
        m_error = query.lastError().text();
        m_connection.close();
        return busy ? Outcome::InUse : Outcome::Failed;
    }
    if (!query.exec(QStringLiteral("COMMIT"))) {
        m_error = query.lastError().text();
        m_connection.close();
        return Outcome::Failed;
    }
    return Outcome::Held;
}

QString ExclusiveDatabase::copyTo(const QString &target, PutMode mode)
{
    const QString partial = unfinishedName(target);
    removeDatabaseFile(partial);
    QSqlQuery vacuum(m_connection.handle());
    if (!vacuum.exec(QStringLiteral("VACUUM INTO ") + sqlQuote(partial))) {
        const QString error = vacuum.lastError().text();
        removeDatabaseFile(partial);
        return error;
    }
    const QString error = putInPlace(partial, target, mode);
    if (!error.isEmpty())
        removeDatabaseFile(partial);
    return error;
}

} // namespace zel::db
