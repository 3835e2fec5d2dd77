#pragma once

#include "core/prompter.h"

#include <QString>

#include <array>
#include <functional>

class QSqlError;

namespace zel {

class LogWriter;

// What went wrong, as the common error report shows it.
struct ErrorInfo
{
    qint64 number = 0;
    QString description;
    int systemError = 0;

    static ErrorInfo fromSqlError(const QSqlError &error);
};

// The common error report that every operation's error trap calls, with the rolling list of the
// last 25 check points and the last SQL statement that travel with it.
class ErrorReport
{
public:
    static constexpr int kCheckPoints = 25;

    ErrorReport(const LogWriter &logs, Prompter &prompter, const QString &version,
                std::function<QString()> databasePath);

    // Drops the oldest check point and puts this one last.
    void Gs_Check_Point(const QString &text);
    const std::array<QString, kCheckPoints> &checkPoints() const { return m_checkPoints; }

    void setLastSql(const QString &sql) { m_lastSql = sql; }
    const QString &lastSql() const { return m_lastSql; }

    // Logs the error, asks Abort / Retry / Ignore and returns Retry or Ignore.
    // Abort ends the program at once, without the exit sequence.
    Answer Gs_Error_Report(const QString &procedure, const ErrorInfo &error);

    // Headless commands do not ask: the error is logged as usual, then `stop` gets one line naming the
    // database and the problem, and is expected not to return (it throws).
    void setStopInsteadOfAsking(std::function<void(const QString &line)> stop) { m_stop = std::move(stop); }
    // "FILE is damaged: database disk image is malformed", or "FILE: description".
    QString oneLine(const ErrorInfo &error) const;

    // Runs `attempt` until it succeeds (returns no error), or the user chooses Ignore (returns false).
    bool retryUntilDone(const QString &procedure, const std::function<std::optional<ErrorInfo>()> &attempt);

private:
    void logDetails(const QString &summaryText);

    const LogWriter &m_logs;
    Prompter &m_prompter;
    QString m_version;
    std::function<QString()> m_databasePath;
    std::array<QString, kCheckPoints> m_checkPoints;
    QString m_lastSql;
    std::function<void(const QString &)> m_stop;
};

} // namespace zel
