#include "shell/log_writer.h"

#include "core/text.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLocale>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace zel {

namespace {

struct LogCategory
{
    const char *name;
    const char *file;
};

constexpr LogCategory kCategories[] = {
    {"DEBUG", "LogDebug.txt"},   {"ERROR", "LogError.txt"}, {"SQL", "LogSql.txt"},
    {"PAYMENTUPDATE", "LogPaymentUpdate.txt"}, {"FILES", "LogFiles.txt"},
    {"TRACE", "LogTrace.txt"},   {"MSG", "LogMsg.txt"},     {"ORDERS", "LogOrders.txt"},
};

} // namespace

struct LogWriter::OpenLog
{
    explicit OpenLog(const QString &path) : file(path), nativePath(QFile::encodeName(path)) {}

    // The size of the file, or -1 when its name no longer leads to it (deleted or replaced
    // by someone else), so that the next entry goes to the file under that name.
    qint64 sizeInPlace() const
    {
#ifdef Q_OS_UNIX
        struct stat open = {}, named = {};
        if (::fstat(file.handle(), &open) != 0 || ::stat(nativePath.constData(), &named) != 0
            || open.st_ino != named.st_ino || open.st_dev != named.st_dev)
            return -1;
        return open.st_size;
#else
        return QFile::exists(file.fileName()) ? file.size() : -1;
#endif
    }

    QFile file;
    QByteArray nativePath;
};

LogWriter::LogWriter(const QString &folder, const QString &version)
    : m_folder(folder), m_version(version)
{
}

LogWriter::~LogWriter() = default;

const QStringList &LogWriter::categories()
{
    static const QStringList names = [] {
        QStringList out;
        for (const LogCategory &c : kCategories)
            out << QString::fromLatin1(c.name);
        return out;
    }();
    return names;
}

QString LogWriter::fileNameFor(const QString &category)
{
    const QString upper = category.toUpper();
    for (const LogCategory &c : kCategories)
        if (upper == QLatin1String(c.name))
            return QString::fromLatin1(c.file);
    return QStringLiteral("LogError.txt");
}

QString LogWriter::pathFor(const QString &category) const
{
    return QDir(m_folder).filePath(fileNameFor(category));
}

LogWriter::OpenLog *LogWriter::openLog(const QString &name, qint64 &size) const
{
    std::unique_ptr<OpenLog> &log = m_open[name];
    if (log && (size = log->sizeInPlace()) >= 0)
        return log.get();
    log = std::make_unique<OpenLog>(QDir(m_folder).filePath(name));
    // Unbuffered: every entry reaches the file at once, for readers and after a crash.
    if (!log->file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text | QIODevice::Unbuffered)) {
        m_open.erase(name);
        return nullptr;
    }
    size = log->file.size();
    return log.get();
}

// Lines show the time to the second, so its text is made once a second.
const QString &LogWriter::timeStamp() const
{
    const qint64 second = QDateTime::currentSecsSinceEpoch();
    if (second != m_stampSecond) {
        m_stamp = generalDateTime(QDateTime::fromSecsSinceEpoch(second), QLocale::system());
        m_stampSecond = second;
    }
    return m_stamp;
}

void LogWriter::LogWrite(const QString &category, const QString &message) const
{
    const QString name = fileNameFor(category);
    qint64 size = 0;
    OpenLog *log = openLog(name, size);
    if (!log)
        return;
    const QString line = m_version + QStringLiteral(" - ") + timeStamp() + QStringLiteral(" - ") + message + QLatin1Char('\n');
    const qint64 written = log->file.write(line.toUtf8());
    if (written < 0 || size + written <= kMaxLogBytes)
        return;
    const QString path = log->file.fileName();
    m_open.erase(name);
    QFile::remove(path);
}

} // namespace zel
