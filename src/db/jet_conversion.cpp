#include "db/jet_conversion.h"

#include "db/durable_file.h"
#include "db/isolated_run.h"
#include "db/jet_reader.h"
#include "shell/database_connection.h"
#include "shell/transaction.h"

#include <QFile>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>

namespace zel::db {

namespace {

// Names come from an outside file: quoted so that any character stays part of the name.
QString quoted(const QString &name)
{
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
}

// The column types of this program's own tables (Integer as SMALLINT, money as REAL, dates as
// text), so that the upgrade finds what it would find in a file it made itself.
QString sqlType(const JetColumn &column)
{
    switch (column.type) {
    case JetType::Boolean:
    case JetType::Byte:
    case JetType::Integer: return QStringLiteral("SMALLINT");
    case JetType::Long: return QStringLiteral("INTEGER");
    case JetType::Currency:
    case JetType::Single:
    case JetType::Double:
    case JetType::Numeric: return QStringLiteral("REAL");
    case JetType::DateTime: return QStringLiteral("TEXT");
    case JetType::Text: return QStringLiteral("TEXT(%1) COLLATE NOCASE").arg(column.size);
    case JetType::Memo: return QStringLiteral("TEXT COLLATE NOCASE");
    case JetType::Binary: return QStringLiteral("BLOB");
    case JetType::Other: break;
    }
    return QString();
}

class Copier
{
public:
    Copier(JetReader &reader, DatabaseConnection &target, JetConversion::Result &result, const IsolatedRun::Send &beat)
        : m_reader(reader), m_target(target), m_result(result), m_beat(beat)
    {
    }

    QString copyTable(const QString &table)
    {
        const std::vector<JetColumn> columns = m_reader.columns(table);
        if (columns.empty())
            return QStringLiteral("The table ") + table + QStringLiteral(" has no columns that can be read.");
        QStringList definitions;
        QStringList marks;
        for (const JetColumn &column : columns) {
            definitions << (quoted(column.name) + QLatin1Char(' ') + sqlType(column)).trimmed();
            marks << QStringLiteral("?");
        }
        QSqlQuery query(m_target.handle());
        if (!query.exec(QStringLiteral("CREATE TABLE ") + quoted(table) + QStringLiteral(" (") + definitions.join(QStringLiteral(", "))
                        + QLatin1Char(')')))
            return QStringLiteral("The table ") + table + QStringLiteral(" could not be made: ") + query.lastError().text();
        if (!query.prepare(QStringLiteral("INSERT INTO ") + quoted(table) + QStringLiteral(" VALUES (") + marks.join(QStringLiteral(", "))
                           + QLatin1Char(')')))
            return query.lastError().text();
        QString failure;
        qint64 copied = 0;
        const bool read = m_reader.readRows(table, [&](const QVariantList &values) {
            for (qsizetype i = 0; i < values.size(); ++i)
                query.bindValue(int(i), values.at(i));
            if (!query.exec()) {
                failure = QStringLiteral("A row of ") + table + QStringLiteral(" could not be written: ") + query.lastError().text();
                return false;
            }
            ++copied;
            if (++m_result.rows % 5000 == 0)
                m_beat(QString()); // still reading: a long table is no stalled reader
            return true;
        });
        if (!read)
            return m_reader.errorString();
        if (failure.isEmpty() && copied < m_reader.declaredRows())
            m_result.incomplete << QStringLiteral("%1: %L2 of %L3 rows").arg(table).arg(copied).arg(m_reader.declaredRows());
        if (failure.isEmpty())
            ++m_result.tables;
        return failure;
    }

private:
    JetReader &m_reader;
    DatabaseConnection &m_target;
    JetConversion::Result &m_result;
    IsolatedRun::Send m_beat;
};

// The required "Table" or "Table.Column" entries the file does not have, as "Customers" or
// "[Customers Number] in Customers".
QStringList missingParts(JetReader &reader, const QStringList &required)
{
    QStringList missing;
    const QStringList tables = reader.tableNames();
    for (const QString &entry : required) {
        const QString table = entry.section(QLatin1Char('.'), 0, 0);
        const QString column = entry.section(QLatin1Char('.'), 1);
        const qsizetype found = tables.indexOf(QRegularExpression(QRegularExpression::escape(table),
                                                                  QRegularExpression::CaseInsensitiveOption));
        if (found < 0) {
            missing << table;
            continue;
        }
        if (column.isEmpty())
            continue;
        const std::vector<JetColumn> columns = reader.columns(tables.at(found));
        if (std::none_of(columns.begin(), columns.end(),
                         [&](const JetColumn &c) { return c.name.compare(column, Qt::CaseInsensitive) == 0; }))
            missing << QStringLiteral("[%1] in %2").arg(column, table);
    }
    return missing;
}

QString copyAll(const QString &source, const QString &written, const QStringList &required,
                const IsolatedRun::Send &progress, JetConversion::Result &result)
{
    JetReader reader;
    if (!reader.open(source))
        return reader.errorString();
    result.missing = missingParts(reader, required);
    if (!result.missing.isEmpty())
        return source + QStringLiteral(" lacks ") + result.missing.join(QStringLiteral(" and ")) + QLatin1Char('.');
    DatabaseConnection target;
    if (!target.create(written))
        return target.errorString();
    QString failure;
    {
        Transaction transaction(target.handle());
        Copier copier(reader, target, result, progress);
        for (const QString &table : reader.tableNames()) {
            progress(QStringLiteral("Converting ") + table);
            failure = copier.copyTable(table);
            if (!failure.isEmpty())
                break;
        }
        if (failure.isEmpty() && !transaction.commit())
            failure = QStringLiteral("The converted database could not be saved.");
    }
    target.close();
    return failure;
}

// The copy runs in a child process: mdbtools loops for ever on some damaged files, and the
// program must then say so rather than hang. The child answers "tables<TAB>rows<TAB>error<TAB>
// incomplete tables<TAB>missing tables", the lists separated by a newline.
JetConversion::Result copyIsolated(const QString &source, const QString &written, const QStringList &required,
                                   const JetConversion::Progress &progress)
{
    const auto field = [](const QString &text) { return QString(text).replace(QLatin1Char('\t'), QLatin1Char(' ')); };
    const IsolatedRun::Outcome outcome = IsolatedRun::run(
        [&](const IsolatedRun::Send &send) {
            JetConversion::Result result;
            result.error = copyAll(source, written, required, send, result);
            return QStringLiteral("%1\t%2\t%3\t%4\t%5")
                .arg(result.tables)
                .arg(result.rows)
                .arg(field(result.error), field(result.incomplete.join(QLatin1Char('\n'))),
                     field(result.missing.join(QLatin1Char('\n'))));
        },
        JetConversion::kStallMilliseconds,
        [&](const QString &message) {
            if (progress)
                progress(message);
        });
    JetConversion::Result result;
    const QStringList parts = outcome.result.split(QLatin1Char('\t'));
    if (!outcome.finished || parts.size() != 5) {
        result.error = QStringLiteral("The Access file ") + source
                     + QStringLiteral(" could not be read: it seems to be damaged. Try a repair of it in Access, or an "
                                      "older backup of it.");
        return result;
    }
    result.tables = parts.at(0).toInt();
    result.rows = parts.at(1).toLongLong();
    result.error = parts.at(2);
    if (!parts.at(3).isEmpty())
        result.incomplete = parts.at(3).split(QLatin1Char('\n'));
    if (!parts.at(4).isEmpty())
        result.missing = parts.at(4).split(QLatin1Char('\n'));
    return result;
}

JetConversion::Result copyHere(const QString &source, const QString &written, const QStringList &required,
                               const JetConversion::Progress &progress)
{
    JetConversion::Result result;
    result.error = copyAll(
        source, written, required,
        [&](const QString &message) {
            if (progress && !message.isEmpty())
                progress(message);
        },
        result);
    return result;
}

} // namespace

QString JetConversion::Result::incompleteWarning() const
{
    if (incomplete.isEmpty())
        return {};
    return QStringLiteral("Some rows of the Access file could not be read, as pages of it are damaged:\n") + incomplete.join(QLatin1Char('\n'))
         + QStringLiteral("\nThe converted database holds every row that could be read; check these tables against your records.");
}

JetConversion::Result JetConversion::convert(const QString &source, const QString &target, bool replace,
                                             const Progress &progress, Isolation isolation, const QStringList &required)
{
    Result result;
    const QString written = unfinishedName(target);
    removeDatabaseFile(written);
    result = isolation == Isolation::ChildProcess ? copyIsolated(source, written, required, progress)
                                                  : copyHere(source, written, required, progress);
    if (result.ok())
        result.error = putInPlace(written, target, replace ? PutMode::Replace : PutMode::NeverReplace);
    if (!result.ok()) {
        removeDatabaseFile(written);
        result.tables = 0;
        result.rows = 0;
        result.incomplete.clear();
    }
    return result;
}

} // namespace zel::db
