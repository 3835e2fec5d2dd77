#pragma once

#include "shell/record_set.h"

#include <QString>
#include <QVariantList>

class QSqlQuery;

namespace zel {

class DatabaseConnection;
class ErrorReport;
class LogWriter;

// The shared SQL runner: set SQL, run one of the three operations, read RecordsAffected.
// Values typed by the user travel as bound parameters ('?'); the SQL log shows them written in.
// A failing statement goes to the common error report under the caller's procedure name:
// Retry runs it again, Ignore returns an empty result (or false).
class cDataAccess
{
public:
    cDataAccess(DatabaseConnection &database, const LogWriter &logs, ErrorReport &errors);

    QString Log; // path of the SQL log; kept for the screens that show it

    void setSQL(const QString &sql, const QVariantList &parameters = {});
    DatabaseConnection &database() const { return m_database; }
    const QString &SQL() const { return m_sql; }
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

    // The statement with its parameters written in as SQL literals.
    static QString expandedSql(const QString &sql, const QVariantList &parameters);
    static QString sqlLiteral(const QVariant &value);

private:
    bool prepareAndRun(QSqlQuery &query);
    void logStatement() const;

    DatabaseConnection &m_database;
    const LogWriter &m_logs;
    ErrorReport &m_errors;
    QString m_sql;
    QVariantList m_parameters;
    int m_recordsAffected = 0;
};

} // namespace zel
