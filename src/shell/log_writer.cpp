#include "shell/log_writer.h"

#include "core/text.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLocale>

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

LogWriter::LogWriter(const QString &folder, const QString &version)
    : m_folder(folder), m_version(version)
{
}

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

void LogWriter::LogWrite(const QString &category, const QString &message) const
{
    QFile file(pathFor(category));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        return;
    const QString line = m_version + QStringLiteral(" - ")
                       + generalDateTime(QDateTime::currentDateTime(), QLocale::system())
                       + QStringLiteral(" - ") + message + QLatin1Char('\n');
    file.write(line.toUtf8());
    const qint64 size = file.size();
    file.close();
    if (size > kMaxLogBytes)
        QFile::remove(file.fileName());
}

} // namespace zel
