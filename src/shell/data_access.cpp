#include "shell/data_access.h"

#include "core/text.h"
#include "shell/database_connection.h"
#include "shell/error_report.h"
#include "shell/log_writer.h"

#include <QDateTime>
#include <QSqlError>
#include <QSqlQuery>

namespace zel {

namespace {

// Enough for every fixed statement of the program; texts with values written in come and go.
constexpr int kKeptStatements = 400;

void bind(QSqlQuery &query, const QVariantList &parameters)
{
    for (qsizetype i = 0; i < parameters.size(); ++i) {
        const QVariant &value = parameters.at(i);
        // A null QString would reach SQLite as Null; an empty text must stay an empty text.
        if (value.typeId() == QMetaType::QString && value.toString().isNull())
            query.bindValue(int(i), QStringLiteral(""));
        else
            query.bindValue(int(i), value);
    }
}

} // namespace

cDataAccess::cDataAccess(DatabaseConnection &database, const LogWriter &logs, ErrorReport &errors)
    : m_database(database), m_logs(logs), m_errors(errors), m_statements(kKeptStatements), m_scrollable(kKeptStatements)
{
    // Prepared statements must be gone before their connection is.
    m_closeListener = m_database.addCloseListener([this] { dropStatements(); });
}

cDataAccess::~cDataAccess()
{
    dropStatements();
    m_database.removeCloseListener(m_closeListener);
}

void cDataAccess::dropStatements()
{
    m_statements.clear();
    m_scrollable.clear();
}

void cDataAccess::setSQL(const QString &sql, const QVariantList &parameters)
{
    m_sql = sql;
    m_parameters = parameters;
    m_expandedReady = false;
    // Writing the values in costs time: a statement kept out of the log gets it only if it fails.
    m_errors.setLastSql(m_sqlLogging || parameters.isEmpty() ? expanded() : sql);
}

const QString &cDataAccess::expanded()
{
    if (!m_expandedReady) {
        m_expanded = expandedSql(m_sql, m_parameters);
        m_expandedReady = true;
    }
    return m_expanded;
}

// A statement still held by a RecordSet that is reading it is not handed out a second time.
cDataAccess::Statement cDataAccess::keptStatement(const StatementCache &cache) const
{
    const Statement *kept = cache.object(m_sql);
    if (!kept || kept->use_count() > 1 || (*kept)->boundValues().size() != m_parameters.size())
        return {};
    return *kept;
}

std::optional<ErrorInfo> cDataAccess::run(bool forwardOnly, Statement &query)
{
    // Forward-only and scrollable queries of one text are kept apart: the mode is fixed at preparing.
    StatementCache &cache = forwardOnly ? m_statements : m_scrollable;
    query = keptStatement(cache);
    if (!query) {
        query = std::make_shared<QSqlQuery>(m_database.handle());
        query->setForwardOnly(forwardOnly);
        if (!query->prepare(m_sql))
            return failure(*query);
        if (!cache.contains(m_sql))
            cache.insert(m_sql, new Statement(query));
    }
    bind(*query, m_parameters);
    if (query->exec())
        return std::nullopt;
    // A statement that failed is prepared afresh next time rather than trusted again.
    if (const Statement *kept = cache.object(m_sql); kept && *kept == query)
        cache.remove(m_sql);
    return failure(*query);
}

ErrorInfo cDataAccess::failure(const QSqlQuery &query)
{
    m_errors.setLastSql(expanded());
    return ErrorInfo::fromSqlError(query.lastError());
}

RecordSet cDataAccess::GetRecordSet(const QString &procedure)
{
    RecordSet result;
    m_errors.retryUntilDone(procedure, [&]() -> std::optional<ErrorInfo> {
        Statement query;
        if (auto error = run(false, query))
            return error;
        // Walking to the last row makes the count exact; an empty result simply has none.
        const int count = query->last() ? query->at() + 1 : 0;
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
        Statement query;
        if (auto error = run(true, query))
            return error;
        m_recordsAffected = qMax(0, query->numRowsAffected());
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
        Statement query;
        if (auto error = run(true, query))
            return error;
        m_recordsAffected = qMax(0, query->numRowsAffected());
        query->finish();
        return std::nullopt;
    });
    logStatement();
    return done;
}

bool cDataAccess::tryExecSql()
{
    Statement query;
    const bool done = !run(true, query);
    m_recordsAffected = done ? qMax(0, query->numRowsAffected()) : 0;
    if (done)
        query->finish();
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

void cDataAccess::logStatement()
{
    if (!m_sqlLogging)
        return;
    m_logs.LogWrite(QStringLiteral("SQL"),
                    QStringLiteral("Records Affected=") + QString::number(m_recordsAffected) + QLatin1Char('\n') + expanded());
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
    qsizetype copied = 0; // sql before this position is in `out`
    QChar quote;          // inside a quoted literal or bracketed name, '?' is text
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar c = sql.at(i);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            quote = c;
        } else if (c == QLatin1Char('[')) {
            quote = QLatin1Char(']');
        } else if (c == QLatin1Char('?') && next < parameters.size()) {
            out.append(QStringView(sql).mid(copied, i - copied));
            out += sqlLiteral(parameters.at(next++));
            copied = i + 1;
        }
    }
    out.append(QStringView(sql).mid(copied));
    return out;
}

} // namespace zel
