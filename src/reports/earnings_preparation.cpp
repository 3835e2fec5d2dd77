#include "reports/earnings_preparation.h"

#include "earnings/earnings_tiers.h"
#include "options/earnings_schedule.h"
#include "shell/data_access.h"

#include <map>

namespace zel {

namespace {

const QString kProcedure = QStringLiteral("PrepareEarnings");

struct TypeTotal
{
    QString code;
    Currency unitTotal;
};

// The conditions both queries share: campaign, no held back orders, detail lines, returns, helper.
QString selectionConditions(const EarningsSelection &selection, QVariantList &values)
{
    QString sql = QStringLiteral("Where 1 = 1 ");
    if (selection.year != 0) {
        sql += QStringLiteral("And Orders.[Orders Campaign Year] = ? ");
        values << selection.year;
    }
    if (selection.number != 0) {
        sql += QStringLiteral("And [Orders Campaign Number] = ? ");
        values << selection.number;
    }
    sql += QStringLiteral("And [Orders BackOrder Flag] <> 'P' And Orders.[Orders Internal Flag] = 'DETAIL' ");
    return sql;
}

QString returnsAndHelper(const EarningsSelection &selection, QVariantList &values)
{
    QString sql = selection.includeReturns ? QString() : QStringLiteral("And [Orders Unit Total] > 0 ");
    return sql + selection.helper.clause(QStringLiteral("Orders Business Helper Number"), values);
}

std::optional<Currency> salesVolume(cDataAccess &data, const EarningsSelection &selection)
{
    QVariantList values;
    QString sql = QStringLiteral("SELECT Sum([Orders Unit Total]) AS [SumOfSubTotal] From Orders ")
                + selectionConditions(selection, values)
                + QStringLiteral("And [Orders Earnings Flag] In (Select [Earnings Type Code] From Earnings Where [Earnings "
                                 "Include In Sales Total] = 'Y') ");
    sql += returnsAndHelper(selection, values) + QStringLiteral("GROUP BY [Orders Internal Flag] ");
    data.setSQL(sql, values);
    RecordSet rows = data.GetSnapShot(kProcedure);
    if (!rows.isValid())
        return std::nullopt;
    return rows.next() ? Currency::fromDouble(rows.value(0).toDouble()) : Currency();
}

std::optional<std::vector<TypeTotal>> totalsByType(cDataAccess &data, const EarningsSelection &selection)
{
    QVariantList values;
    QString sql = QStringLiteral("Select [Orders Earnings Flag], Sum(Orders.[Orders Unit Total]) as [EarningsTotalByType] From "
                                 "Orders ")
                + selectionConditions(selection, values);
    sql += returnsAndHelper(selection, values) + QStringLiteral("Group By [Orders Earnings Flag] ");
    data.setSQL(sql, values);
    RecordSet rows = data.GetSnapShot(kProcedure);
    if (!rows.isValid())
        return std::nullopt;
    std::vector<TypeTotal> totals;
    while (rows.next())
        totals.push_back({rows.value(0).toString(), Currency::fromDouble(rows.value(1).toDouble())});
    return totals;
}

bool rebuildTable(cDataAccess &data)
{
    return data.exec(kProcedure, QStringLiteral("Drop Table If Exists [rptEarnings]"))
        && data.exec(kProcedure, QStringLiteral("Create Table [rptEarnings] ([EarningsTypeCode] TEXT, [EarningsDescripton] TEXT, "
                                                "[UnitTotal] REAL, [TypePercent] REAL, [EarningsTotal] REAL)"));
}

} // namespace

Currency EarningsFigures::earned() const
{
    Currency sum;
    for (const EarningsLine &line : lines)
        sum += line.earned;
    return sum;
}

std::optional<EarningsFigures> computeEarnings(cDataAccess &data, const EarningsSelection &selection)
{
    const std::optional<Currency> volume = salesVolume(data, selection);
    const std::optional<std::vector<TypeTotal>> totals = volume ? totalsByType(data, selection) : std::nullopt;
    if (!totals)
        return std::nullopt;

    std::map<QString, EarningsRow> schedules;
    for (EarningsRow &row : earnings::load(data))
        schedules.emplace(row.typeCode, std::move(row));
    EarningsFigures figures{*volume, {}};
    for (const TypeTotal &type : *totals) {
        EarningsLine line{type.code, QStringLiteral("Missing Description"), type.unitTotal, Currency(), Currency()};
        if (const auto found = schedules.find(type.code); found != schedules.end()) {
            line.description = found->second.description;
            line.percent = earnings::tierPercent(found->second, *volume);
        }
        line.earned = type.unitTotal.percentRound2(line.percent);
        figures.lines.push_back(line);
    }
    return figures;
}

std::optional<Currency> prepareEarnings(cDataAccess &data, const EarningsSelection &selection)
{
    if (!rebuildTable(data))
        return std::nullopt;
    const std::optional<EarningsFigures> figures = computeEarnings(data, selection);
    if (!figures)
        return std::nullopt;
    const QString insert = QStringLiteral("Insert Into [rptEarnings] ([EarningsTypeCode], [EarningsDescripton], [UnitTotal], "
                                          "[TypePercent], [EarningsTotal]) Values (?, ?, ?, ?, ?)");
    for (const EarningsLine &line : figures->lines)
        if (!data.exec(kProcedure, insert,
                       {line.typeCode, line.description, line.unitTotal.toDouble(), line.percent.toDouble(), line.earned.toDouble()}))
            return std::nullopt;
    return figures->volume;
}

} // namespace zel
