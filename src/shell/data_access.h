#pragma once

#include "shell/record_set.h"

#include <QCache>
#include <QString>
#include <QVariantList>

#include <memory>
#include <optional>

class QSqlQuery;

namespace zel {

class DatabaseConnection;
class ErrorReport;
class LogWriter;
struct ErrorInfo;

// The shared SQL runner: set SQL, run one of the three operations, read RecordsAffected.
// Values travel as bound parameters ('?'); the SQL log shows them written in.
// Each statement text is prepared once and kept for reuse until the connection closes.
// A failing statement goes to the common error report under the caller's procedure name:
// Retry runs it again, Ignore returns an empty result (or false).
class cDataAccess
{
public:
    // The connection must outlive this object.
    cDataAccess(DatabaseConnection &database, const LogWriter &logs, ErrorReport &errors);
    ~cDataAccess();
    cDataAccess(const cDataAccess &) = delete;
    cDataAccess &operator=(const cDataAccess &) = delete;

    QString Log; // path of the SQL log; kept for the screens that show it

    void setSQL(const QString &sql, const QVariantList &parameters = {});
    DatabaseConnection &database() const { return m_database; }
    const QString &SQL() const { return m_sql; }
    // Bulk work (sample data) turns the SQL log off while it runs, so the log stays readable.
    void setSqlLogging(bool on) { m_sqlLogging = on; }
    bool sqlLogging() const { return m_sqlLogging; }
    int RecordsAffected() const { return m_recordsAffected; }

    // Rows to walk with an exact count (the whole result is read).
    RecordSet GetRecordSet(const QString &procedure);
    // Rows to walk once, read-only and without counting.
    RecordSet GetSnapShot(const QString &procedure);
    // An INSERT, UPDATE, DELETE or other action statement. Returns false when it failed and the
    // user chose Ignore.
    bool ExecSql(const QString &procedure);
    // An action statement whose failure is expected and silently ignored.
    bool tryExecSql();

    // setSQL, then ExecSql.
    bool exec(const QString &procedure, const QString &sql, const QVariantList &parameters = {});
    // setSQL, then the first column of the first row; an invalid value when there is no row.
    QVariant scalar(const QString &procedure, const QString &sql, const QVariantList &parameters = {});
    // The same as a whole number (a count or a sum of units): 0 for no row or Null.
    int number(const QString &procedure, const QString &sql, const QVariantList &parameters = {});

    // How many prepared statements are kept for reuse.
    int keptStatements() const { return int(m_statements.size() + m_scrollable.size()); }

    // The statement with its parameters written in as SQL literals.
    static QString expandedSql(const QString &sql, const QVariantList &parameters);
    static QString sqlLiteral(const QVariant &value);

private:
    using Statement = std::shared_ptr<QSqlQuery>;
    using StatementCache = QCache<QString, Statement>;

    // Runs the current statement with its values in `query` (the kept one, or a new one);
    // returns the error when preparing or running failed.
    std::optional<ErrorInfo> run(bool forwardOnly, Statement &query);
    Statement keptStatement(const StatementCache &cache) const;
    void dropStatements();
    ErrorInfo failure(const QSqlQuery &query);
    const QString &expanded();
    void logStatement();

    DatabaseConnection &m_database;
    const LogWriter &m_logs;
    ErrorReport &m_errors;
    QString m_sql;
    QVariantList m_parameters;
    QString m_expanded; // m_sql with its values written in, made once per statement when needed
    bool m_expandedReady = false;
    int m_recordsAffected = 0;
    bool m_sqlLogging = true;
    // Prepared statements by text, the least recently used dropped first when there are too many:
    // forward-only ones, and the scrollable ones of GetRecordSet.
    StatementCache m_statements;
    StatementCache m_scrollable;
    int m_closeListener = 0;
};

} // namespace zel
