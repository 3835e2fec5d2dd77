#include "reports/order_summary_table.h"

#include "shell/data_access.h"

#include <utility>
#include <vector>

namespace zel::transmit {

namespace {

const char *const kProcedure = "OrderSummaryTable";

// Column and SQLite type, in the order the grouping statement writes them.
const std::vector<std::pair<QString, QString>> &columnTypes()
{
    static const std::vector<std::pair<QString, QString>> columns = {
        {QStringLiteral("Orders Campaign Year"), QStringLiteral("INTEGER")},
        {QStringLiteral("Orders Campaign Number"), QStringLiteral("INTEGER")},
        {QStringLiteral("Orders From Campaign"), QStringLiteral("INTEGER")},
        {QStringLiteral("Orders Page"), QStringLiteral("TEXT")},
        {QStringLiteral("Orders Catalog Number"), QStringLiteral("TEXT")},
        {QStringLiteral("Orders Product"), QStringLiteral("TEXT")},
        {QStringLiteral("Orders Shade"), QStringLiteral("TEXT")},
        {QStringLiteral("Orders Size"), QStringLiteral("TEXT")},
        {QStringLiteral("Orders Customer Number"), QStringLiteral("INTEGER")},
        {QStringLiteral("SumOfOrders Quanity"), QStringLiteral("INTEGER")},
        {QStringLiteral("TotalOfOrders"), QStringLiteral("REAL")},
    };
    return columns;
}

QString bracketed(const QStringList &names)
{
    QStringList out;
    for (const QString &name : names)
        out << QLatin1Char('[') + name + QLatin1Char(']');
    return out.join(QStringLiteral(", "));
}

} // namespace

const QString OrderSummaryTable::kName = QStringLiteral("rptOrderSummary");

QStringList OrderSummaryTable::columns()
{
    QStringList names;
    for (const auto &[name, type] : columnTypes())
        names << name;
    return names;
}

QString OrderSummaryTable::createSql()
{
    QStringList definitions;
    for (const auto &[name, type] : columnTypes())
        definitions << QLatin1Char('[') + name + QStringLiteral("] ") + type;
    return QStringLiteral("Create Table [") + kName + QStringLiteral("] (") + definitions.join(QStringLiteral(", "))
         + QLatin1Char(')');
}

bool OrderSummaryTable::recreate(cDataAccess &data)
{
    return data.exec(kProcedure, QStringLiteral("Drop Table If Exists [") + kName + QLatin1Char(']'))
        && data.exec(kProcedure, createSql());
}

bool OrderSummaryTable::insert(cDataAccess &data, const OrderSummaryLine &line)
{
    static const QString sql = QStringLiteral("Insert Into [") + kName + QStringLiteral("] (") + bracketed(columns())
                             + QStringLiteral(") Values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    return data.exec(kProcedure, sql,
                     {line.campaignYear, line.campaignNumber, line.fromCampaign, line.page, line.catalogNumber,
                      line.product, line.shade, line.size, line.customerNumber, line.quantity, line.totalOfOrders});
}

int OrderSummaryTable::fillRegular(cDataAccess &data, const Campaign &campaign)
{
    if (!recreate(data))
        return -1;
    static const QString sql = QStringLiteral(
        "Insert Into [rptOrderSummary] ([Orders Campaign Year], [Orders Campaign Number], [Orders From Campaign], "
        "[Orders Page], [Orders Catalog Number], [Orders Product], [Orders Shade], [Orders Size], "
        "[Orders Customer Number], [SumOfOrders Quanity], [TotalOfOrders]) "
        "Select [Orders Campaign Year], [Orders Campaign Number], [Orders From Campaign], [Orders Page], "
        "[Orders Catalog Number], [Orders Product], [Orders Shade], [Orders Size], 0, "
        "Sum([Orders Quanity]), Sum([Orders Unit Total]) From Orders "
        "Where [Orders Internal Flag] = 'DETAIL' And [Orders Campaign Year] = ? And [Orders Campaign Number] = ? "
        "And [Orders BackOrder Flag] = '' And ([Orders Unit Price] >= 0.00) "
        "Group By [Orders Campaign Year], [Orders Campaign Number], [Orders From Campaign], [Orders Page], "
        "[Orders Catalog Number], [Orders Product], [Orders Shade], [Orders Size]");
    if (!data.exec(kProcedure, sql, {campaign.year, campaign.number}))
        return -1;
    return data.RecordsAffected();
}

} // namespace zel::transmit
