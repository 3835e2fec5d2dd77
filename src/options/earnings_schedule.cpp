#include "options/earnings_schedule.h"

#include "shell/data_access.h"
#include "shell/database_connection.h"

#include <QSqlDatabase>

namespace zel::earnings {

namespace {

const QString kProcedure = QStringLiteral("Zel_Options Earnings");
const Currency kLevelLimit = Currency::fromCents(100000000); // 1,000,000.00

// A refused row (a duplicate code) is answered by the caller's own message, not the error report.
bool runQuietly(cDataAccess &data, const QString &sql, const QVariantList &parameters = {})
{
    data.setSQL(sql, parameters);
    return data.tryExecSql();
}

QString columnList()
{
    QStringList columns{QStringLiteral("[Earnings Type Code]"), QStringLiteral("[Earnings Include In Sales Total]"),
                        QStringLiteral("[Earnings Description]")};
    for (int step = 1; step <= EarningsRow::kSteps; ++step)
        columns << QStringLiteral("[Earnings Level %1]").arg(step) << QStringLiteral("[Earnings Percent %1]").arg(step);
    return columns.join(QStringLiteral(", "));
}

} // namespace

QString checkTypeCode(const QString &code)
{
    if (code.trimmed().isEmpty())
        return QStringLiteral("Type Code can not be blank.");
    const QChar c = code.at(0);
    const bool letter = c >= QLatin1Char('A') && c <= QLatin1Char('Z');
    const bool digit = c >= QLatin1Char('0') && c <= QLatin1Char('9');
    if (code.size() != 1 || !(letter || digit))
        return QStringLiteral("Type Code must be A to Z or 0 to 9 (Earnings Level)");
    return {};
}

QString checkDescription(const QString &description)
{
    return description.trimmed().isEmpty() ? QStringLiteral("Description can not be blank.") : QString();
}

QString checkPercent(const QString &text)
{
    const auto value = Currency::fromString(text);
    if (!value)
        return QStringLiteral("Earnings Percent must be numeric (0-100).");
    if (value->isNegative())
        return QStringLiteral("Earnings Percent must not be negative.");
    if (*value > Currency::fromCents(10000))
        return QStringLiteral("Earnings Percent must Not be greater than 100.");
    return {};
}

QString checkLevel(const QString &text)
{
    const auto value = Currency::fromString(text);
    if (!value)
        return QStringLiteral("Earnings Level must be numeric dollar amount.");
    if (value->isNegative())
        return QStringLiteral("Earnings Level must not be negative.");
    if (*value >= kLevelLimit)
        return QStringLiteral("Earnings Level must be less than 1000000.00.");
    return {};
}

QString checkLevels(const std::array<Currency, EarningsRow::kSteps> &levels)
{
    if (levels[0] <= Currency())
        return QStringLiteral("First Level Dollar amount must be greater than Zero");
    Currency highest;
    for (const Currency &level : levels) {
        if (level.isZero())
            continue;
        if (level <= highest)
            return QStringLiteral("The Level High Values must increase in values, Use 0 for unused values.");
        highest = level;
    }
    return {};
}

QString checkRow(const EarningsRow &row)
{
    for (const QString &message : {checkTypeCode(row.typeCode), checkDescription(row.description)})
        if (!message.isEmpty())
            return message;
    for (int i = 0; i < EarningsRow::kSteps; ++i) {
        if (const QString m = checkLevel(row.levels[i].toPlainText()); !m.isEmpty())
            return m;
        if (const QString m = checkPercent(row.percents[i].toPlainText()); !m.isEmpty())
            return m;
    }
    return checkLevels(row.levels);
}

QString checkDelete(const QString &code)
{
    return code == QLatin1String("R") ? QStringLiteral("Earnings Type Code 'R' is required.  Can not DELETE.") : QString();
}

std::vector<EarningsRow> load(cDataAccess &data)
{
    std::vector<EarningsRow> rows;
    data.setSQL(QStringLiteral("Select * From Earnings Order by [Earnings Type Code] "));
    RecordSet records = data.GetSnapShot(kProcedure);
    while (records.next()) {
        EarningsRow row;
        row.typeCode = records.value(QStringLiteral("Earnings Type Code")).toString();
        row.includeInSalesTotal = records.value(QStringLiteral("Earnings Include In Sales Total")).toString();
        row.description = records.value(QStringLiteral("Earnings Description")).toString();
        for (int step = 1; step <= EarningsRow::kSteps; ++step) {
            row.levels[step - 1] = Currency::fromDouble(records.value(QStringLiteral("Earnings Level %1").arg(step)).toDouble());
            row.percents[step - 1] = Currency::fromDouble(records.value(QStringLiteral("Earnings Percent %1").arg(step)).toDouble());
        }
        rows.push_back(row);
    }
    return rows;
}

bool save(cDataAccess &data, const std::vector<EarningsRow> &rows)
{
    QSqlDatabase database = data.database().handle();
    if (!database.transaction())
        return false;
    bool done = runQuietly(data, QStringLiteral("Delete From Earnings"));
    const QString insert = QStringLiteral("Insert Into Earnings (") + columnList() + QStringLiteral(") Values (")
                         + QStringList(QList<QString>(3 + 2 * EarningsRow::kSteps, QStringLiteral("?"))).join(QStringLiteral(", "))
                         + QLatin1Char(')');
    for (const EarningsRow &row : rows) {
        if (!done)
            break;
        QVariantList values{row.typeCode, row.includeInSalesTotal, row.description.left(30)};
        for (int i = 0; i < EarningsRow::kSteps; ++i)
            values << row.levels[i].toDouble() << row.percents[i].toDouble();
        done = runQuietly(data, insert, values);
    }
    done = done && syncHelperPercents(data);
    if (done && database.commit())
        return true;
    database.rollback();
    return false;
}

// Only business helpers pass a percentage on; other customers' rows would be clutter that the
// helper reports and the order computation never read.
bool syncHelperPercents(cDataAccess &data)
{
    return runQuietly(data, QStringLiteral("Delete From HelperPercents Where  [HelperPercents Earnings Type Code] Not In (Select "
                                    "[Earnings Type Code] From Earnings) "))
        && runQuietly(data, QStringLiteral(
                         "Insert Into HelperPercents ([HelperPercents Customer Number], [HelperPercents Earnings Type Code], "
                         "[HelperPercents Earnings Percent]) Select C.[Customers Number], E.[Earnings Type Code], 0 From "
                         "Customers C, Earnings E Where C.[Customers Business Helper Flag] = 'Y' And Not Exists (Select 1 From "
                         "HelperPercents H Where "
                         "H.[HelperPercents Customer Number] = C.[Customers Number] And H.[HelperPercents Earnings Type Code] "
                         "= E.[Earnings Type Code])"));
}

} // namespace zel::earnings
