#include "shell/data_access.h"

#include "core/text.h"
#include "shell/database_connection.h"
#include "shell/error_report.h"
#include "shell/log_writer.h"

#include <QDateTime>
#include <QSqlError>
#include <QSqlQuery>

namespace zel {

cDataAccess::cDataAccess(DatabaseConnection &database, const LogWriter &logs, ErrorReport &errors)
    : m_database(database), m_logs(logs), m_errors(errors)
{
}

void cDataAccess::setSQL(const QString &sql, const QVariantList &parameters)
{
    m_sql = sql;
    m_parameters = parameters;
    m_errors.setLastSql(expandedSql(sql, parameters));
}

bool cDataAccess::prepareAndRun(QSqlQuery &query)
{
    if (!query.prepare(m_sql))
        return false;
    for (const QVariant &value : m_parameters) {
        // A null QString would reach SQLite as Null; an empty text must stay an empty text.
        if (value.typeId() == QMetaType::QString && value.toString().isNull())
            query.addBindValue(QStringLiteral(""));
        else
            query.addBindValue(value);
    }
    return query.exec();
}

RecordSet cDataAccess::GetRecordSet(const QString &procedure)
{
    RecordSet result;
    m_errors.retryUntilDone(procedure, [&]() -> std::optional<ErrorInfo> {
        QSqlQuery query(m_database.handle());
        query.setForwardOnly(false);
        if (!prepareAndRun(query))
            return ErrorInfo::fromSqlError(query.lastError());
        // Walking to the last row makes the count exact; an empty result simply has none.
        const int count = query.last() ? query.at() + 1 : 0;
        result = RecordSet(std::move(query), count);
        return std::nullopt;
    });
    m_recordsAffected = result.count();
    logStatement();
    return result;
}

RecordSet cDataAccess::GetSnapShot(const QString &procedure)
{
    RecordSet result;
    m_errors.retryUntilDone(procedure, [&]() -> std::optional<ErrorInfo> {
        QSqlQuery query(m_database.handle());
        query.setForwardOnly(true);
        if (!prepareAndRun(query))
            return ErrorInfo::fromSqlError(query.lastError());
        m_recordsAffected = qMax(0, query.numRowsAffected());
        result = RecordSet(std::move(query), -1);
        return std::nullopt;
    });
    logStatement();
    return result;
}

bool cDataAccess::ExecSql(const QString &procedure)
{
    m_recordsAffected = 0;
    const bool done = m_errors.retryUntilDone(procedure, [&]() -> std::optional<ErrorInfo> {
        QSqlQuery query(m_database.handle());
        if (!prepareAndRun(query))
            return ErrorInfo::fromSqlError(query.lastError());
        m_recordsAffected = qMax(0, query.numRowsAffected());
        return std::nullopt;
    });
    logStatement();
    return done;
}

bool cDataAccess::tryExecSql()
{
    QSqlQuery query(m_database.handle());
    const bool done = prepareAndRun(query);
    m_recordsAffected = done ? qMax(0, query.numRowsAffected()) : 0;
    logStatement();
    return done;
}

bool cDataAccess::exec(const QString &procedure, const QString &sql, const QVariantList &parameters)
{
    setSQL(sql, parameters);
    return ExecSql(procedure);
}

QVariant cDataAccess::scalar(const QString &procedure, const QString &sql, const QVariantList &parameters)
{
    setSQL(sql, parameters);
    RecordSet rows = GetSnapShot(procedure);
    return rows.next() ? rows.value(0) : QVariant();
}

int cDataAccess::number(const QString &procedure, const QString &sql, const QVariantList &parameters)
{
    return scalar(procedure, sql, parameters).toInt();
}

void cDataAccess::logStatement() const
{
    m_logs.LogWrite(QStringLiteral("SQL"), QStringLiteral("Records Affected=%1\n%2")
                                               .arg(m_recordsAffected)
                                               .arg(expandedSql(m_sql, m_parameters)));
}

QString cDataAccess::sqlLiteral(const QVariant &value)
{
    if (value.isNull())
        return QStringLiteral("Null");
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("-1") : QStringLiteral("0");
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return value.toString();
    case QMetaType::Double:
    case QMetaType::Float:
        return QString::number(value.toDouble(), 'g', 15);
    case QMetaType::QDateTime:
        return sqlQuote(value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    case QMetaType::QDate:
        return sqlQuote(value.toDate().toString(QStringLiteral("yyyy-MM-dd 00:00:00")));
    default:
        return sqlQuote(value.toString());
    }
}

QString cDataAccess::expandedSql(const QString &sql, const QVariantList &parameters)
{
    if (parameters.isEmpty())
        return sql;
    QString out;
    out.reserve(sql.size() + 16 * parameters.size());
    qsizetype next = 0;
    QChar quote; // inside a quoted literal or bracketed name, '?' is text
    for (const QChar c : sql) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            quote = c;
        } else if (c == QLatin1Char('[')) {
            quote = QLatin1Char(']');
        } else if (c == QLatin1Char('?') && next < parameters.size()) {
            out += sqlLiteral(parameters.at(next++));
            continue;
        }
        out += c;
    }
    return out;
}

} // namespace zel
