#include "shell/error_report.h"

#include "core/text.h"
#include "shell/log_writer.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QSqlError>

#include <sqlite3.h>

#include <cerrno>
#include <cstdlib>

namespace zel {

ErrorInfo ErrorInfo::fromSqlError(const QSqlError &error)
{
    ErrorInfo info;
    info.number = error.nativeErrorCode().toLongLong();
    info.description = error.text().trimmed();
    info.systemError = errno;
    return info;
}

ErrorReport::ErrorReport(const LogWriter &logs, Prompter &prompter, const QString &version,
                         std::function<QString()> databasePath)
    : m_logs(logs), m_prompter(prompter), m_version(version), m_databasePath(std::move(databasePath))
{
}

void ErrorReport::Gs_Check_Point(const QString &text)
{
    std::move(m_checkPoints.begin() + 1, m_checkPoints.end(), m_checkPoints.begin());
    m_checkPoints.back() = text;
}

Answer ErrorReport::Gs_Error_Report(const QString &procedure, const ErrorInfo &error)
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();

    const QString text = QStringLiteral("An error occurred in %1.\n\n").arg(procedure)
                       + QStringLiteral("Error Number: %1.\n").arg(error.number)
                       + QStringLiteral("Error Description: %1.\n").arg(error.description)
                       + QStringLiteral("Last DLL Error Code: %1.\n\n").arg(error.systemError);
    m_logs.LogWrite(QStringLiteral("ERROR"), text);

    if (m_stop) {
        logDetails(procedure);
        m_stop(oneLine(error));
        return Answer::Ignore;
    }

    const QString shown = text
        + lines({QStringLiteral("Abort: Exit Campaign"), QStringLiteral("Retry: Try again."),
                 QStringLiteral("Ignore: Skip the error and attempt to continue."), QString(),
                 QStringLiteral("An 'ZELError' Log file has been created in the ZEL directory.  This file "
                                "should be included with any correspondence concerning this error.")});
    // Ignore is the default button, so that a stray Enter never ends the program.
    const Answer answer = m_prompter.ask({shown, kMessageTitle, Buttons::AbortRetryIgnore, Answer::Ignore, Icon::Critical});

    logDetails(procedure);

    if (answer == Answer::Abort)
        std::exit(EXIT_FAILURE);
    return answer == Answer::Retry ? Answer::Retry : Answer::Ignore;
}

QString ErrorReport::oneLine(const ErrorInfo &error) const
{
    constexpr int kCorrupt = 11;
    constexpr int kNotADatabase = 26;
    const int code = static_cast<int>(error.number & 0xff);
    const bool damaged = code == kCorrupt || code == kNotADatabase
                      || error.description.contains(QLatin1String("malformed"), Qt::CaseInsensitive)
                      || error.description.contains(QLatin1String("not a database"), Qt::CaseInsensitive);
    const QString path = m_databasePath ? m_databasePath() : QString();
    QString problem = error.description;
    if (code == kCorrupt || error.description.contains(QLatin1String("malformed"), Qt::CaseInsensitive))
        problem = QString::fromUtf8(sqlite3_errstr(kCorrupt));
    else if (code == kNotADatabase)
        problem = QString::fromUtf8(sqlite3_errstr(kNotADatabase));
    if (path.isEmpty() || problem.contains(path))
        return problem;
    return path + (damaged ? QStringLiteral(" is damaged: ") : QStringLiteral(": ")) + problem;
}

void ErrorReport::logDetails(const QString &procedure)
{
    m_logs.LogWrite(QStringLiteral("ERROR"), QStringLiteral("Last SQL:") + m_lastSql);
    for (int i = 0; i < kCheckPoints; ++i)
        if (!m_checkPoints[i].isEmpty())
            m_logs.LogWrite(QStringLiteral("ERROR"), QStringLiteral("Check Point %1:%2").arg(i + 1).arg(m_checkPoints[i]));

    const QString rule(50, QLatin1Char('='));
    m_logs.LogWrite(QStringLiteral("ERROR"),
                    lines({rule,
                           QStringLiteral("Date/Time:") + generalDateTime(QDateTime::currentDateTime(), QLocale::system()),
                           QStringLiteral("Version:") + m_version,
                           QStringLiteral("DBName:") + (m_databasePath ? m_databasePath() : QString()),
                           QStringLiteral("Details:") + procedure, rule}));
}

bool ErrorReport::retryUntilDone(const QString &procedure,
                                 const std::function<std::optional<ErrorInfo>()> &attempt)
{
    for (;;) {
        const std::optional<ErrorInfo> error = attempt();
        if (!error)
            return true;
        if (Gs_Error_Report(procedure, *error) == Answer::Ignore)
            return false;
    }
}

} // namespace zel
