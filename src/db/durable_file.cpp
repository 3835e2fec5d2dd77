#include "db/durable_file.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace zel::db {

namespace {

const QString kUnfinished = QStringLiteral(".unfinished.ZELWK");

bool syncPath(const QString &path, int flags)
{
    const int fd = ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool done = ::fsync(fd) == 0;
    ::close(fd);
    return done;
}

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

QString unfinishedName(const QString &target)
{
    return target + kUnfinished;
}

bool isUnfinishedName(const QString &path)
{
    return path.endsWith(kUnfinished, Qt::CaseInsensitive);
}

bool removeDatabaseFile(const QString &path)
{
    QFile::remove(path + QStringLiteral("-journal"));
    return QFile::remove(path) || !QFileInfo::exists(path);
}

bool syncFile(const QString &path)
{
    return syncPath(path, O_RDONLY);
}

bool syncFolderOf(const QString &path)
{
    return syncPath(QFileInfo(path).absolutePath(), O_RDONLY | O_DIRECTORY);
}

QString putInPlace(const QString &written, const QString &target, PutMode mode)
{
    if (!syncFile(written))
        return QStringLiteral("Unable to write ") + written + QStringLiteral(" to the disk: ") + systemError();
    const QByteArray from = QFile::encodeName(written);
    const QByteArray to = QFile::encodeName(target);
    int result = 0;
    if (mode == PutMode::Replace) {
        result = ::rename(from.constData(), to.constData());
    } else {
        result = ::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE);
        // Some file systems cannot refuse a rename over a file; a hard link can, and is as atomic.
        if (result != 0 && (errno == EINVAL || errno == ENOSYS)) {
            result = ::link(from.constData(), to.constData());
            if (result == 0)
                ::unlink(from.constData());
        }
    }
    if (result != 0) {
        const QString why = errno == EEXIST ? QStringLiteral("the file already exists") : systemError();
        return QStringLiteral("Unable to name ") + written + QStringLiteral(" as ") + target + QStringLiteral(": ") + why;
    }
    syncFolderOf(target);
    return {};
}

} // namespace zel::db
