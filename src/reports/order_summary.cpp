#include "reports/order_summary.h"

#include "core/prompter.h"
#include "reports/order_summary_table.h"
#include "reports/report_parameters.h"
#include "session/app_state.h"

namespace zel::reports {

namespace {

const QString kProcedure = QStringLiteral("Order Summary");

QString kindCondition(OrderSummarySelection::Kind kind)
{
    switch (kind) {
    case OrderSummarySelection::Kind::Regular:
        return QStringLiteral("And [Orders BackOrder Flag] = '' And ([Orders Unit Price] >= 0.00 ) ");
    case OrderSummarySelection::Kind::Returns:
        return QStringLiteral("And [Orders BackOrder Flag] = '' And ([Orders Unit Price] < 0.00 ) ");
    case OrderSummarySelection::Kind::BackOrders:
        return QStringLiteral("And ([Orders BackOrder Flag] = 'P') And ([Orders BO Message] = '' or Orders.[Orders BO "
                              "Message] is null) ");
    case OrderSummarySelection::Kind::None: break;
    }
    return {};
}

bool selectLines(cDataAccess &data, const OrderSummarySelection &selection)
{
    QVariantList values{selection.campaign.year, selection.campaign.number};
    QString sql = QStringLiteral("Create Table [rptOrderTemp] As SELECT * From Orders Inner Join Customers ON Orders.[Orders "
                                 "Customer Number] = Customers.[Customers Number] Where [Orders Internal Flag] = 'DETAIL' And "
                                 "[Orders Campaign Year] = ? And [Orders Campaign Number] = ? ")
                + kindCondition(selection.kind)
                + selection.helper.clause(QStringLiteral("Customers Business Helper Number"), values);
    if (selection.nonSummarizedOnly)
        sql += QStringLiteral("And ([Orders Summary Printed] = 0)   ");
    return data.exec(kProcedure, sql, values);
}

QString groupColumns(OrderSummarySelection::Sort sort)
{
    const QString rest = QStringLiteral("[Orders Product], [Orders Shade], [Orders Size], [Orders Customer Number]");
    if (sort == OrderSummarySelection::Sort::Product)
        return QStringLiteral("[Orders Catalog Number], [Orders Campaign Year], [Orders Campaign Number], [Orders From Campaign], "
                              "[Orders Page], ") + rest;
    return QStringLiteral("[Orders Campaign Year], [Orders Campaign Number], [Orders From Campaign], [Orders Page], [Orders "
                          "Catalog Number], ") + rest;
}

// The table's columns are defined once, with the web submission that reads it.
bool summarize(cDataAccess &data, const OrderSummarySelection &selection)
{
    QStringList columns;
    for (const QString &column : transmit::OrderSummaryTable::columns())
        columns << QLatin1Char('[') + column + QLatin1Char(']');
    return transmit::OrderSummaryTable::recreate(data)
        && data.exec(kProcedure,
                     QStringLiteral("Insert Into [rptOrderSummary] (") + columns.join(QStringLiteral(", "))
                         + QStringLiteral(") SELECT [Orders Campaign Year], [Orders Campaign Number], [Orders From Campaign], "
                                          "[Orders Page], [Orders Catalog Number], [Orders Product], [Orders Shade], [Orders "
                                          "Size], [Orders Customer Number], Sum([Orders Quanity]), Sum([Orders Unit Total]) From "
                                          "rptOrderTemp Where [Orders Internal Flag] = 'DETAIL' And [Orders Campaign Year] = ? "
                                          "And [Orders Campaign Number] = ? Group By ")
                         + groupColumns(selection.sort),
                     {selection.campaign.year, selection.campaign.number});
}

QString textChoice(const ReportParameters &parameters, const QString &key)
{
    return parameters.choices.value(key).toString().trimmed().toLower();
}

} // namespace

OrderSummarySelection OrderSummarySelection::of(const ReportParameters &parameters)
{
    OrderSummarySelection s;
    s.campaign = parameters.campaign;
    const QString kind = textChoice(parameters, kKind);
    s.kind = kind.isEmpty() || kind == QLatin1String("regular") ? Kind::Regular
           : kind == QLatin1String("returns")                   ? Kind::Returns
           : kind == QLatin1String("backorders")                ? Kind::BackOrders
                                                                : Kind::None;
    s.nonSummarizedOnly = textChoice(parameters, kSummary) != QLatin1String("all");
    s.sort = textChoice(parameters, kSort) == QLatin1String("product") ? Sort::Product : Sort::PageProduct;
    s.suppressPageNumbers = parameters.choices.value(kNoPages).toBool();
    const QString output = textChoice(parameters, kOutput);
    s.output = output == QLatin1String("verify") ? Output::Verify
             : output == QLatin1String("fax")    ? Output::Fax
             : output == QLatin1String("datafile") || parameters.choices.contains(kDataFile) ? Output::DataFile
                                                                                            : Output::Standard;
    s.helper = HelperFilter::of(parameters);
    return s;
}

QString OrderSummarySelection::describe() const
{
    QStringList parts;
    switch (kind) {
    case Kind::Regular: parts << QStringLiteral("Regular Order Summary (Positive Amounts)"); break;
    case Kind::Returns: parts << QStringLiteral("Returns Summary (Negative Amounts)"); break;
    case Kind::BackOrders: parts << QStringLiteral("Back Order Summary"); break;
    case Kind::None: break;
    }
    parts << (nonSummarizedOnly ? QStringLiteral("Non-Summarized Orders") : QStringLiteral("All Orders"));
    if (suppressPageNumbers)
        parts << QStringLiteral("Page Numbers Suppressed");
    if (const QString helperText = helper.describe(); !helperText.isEmpty())
        parts << helperText;
    return parts.join(QStringLiteral(" - "));
}

QString OrderSummarySelection::layoutName() const
{
    switch (output) {
    case Output::Standard: return QStringLiteral("rptOrderSummary");
    case Output::Verify: return QStringLiteral("rptOrderSummaryVerify");
    case Output::Fax: return QStringLiteral("rptOrderSummaryFax");
    case Output::DataFile: break;
    }
    return {};
}

QString OrderSummarySelection::orderBy() const
{
    const QString page = sort == Sort::PageProduct ? QStringLiteral("[Orders Page], ") : QString();
    return QStringLiteral(" Order By [Orders Campaign Year], [Orders Campaign Number], [Orders From Campaign], ") + page
         + QStringLiteral("[Orders Catalog Number], [Orders Product], [Orders Shade], [Orders Size], [Orders Customer Number] ");
}

std::optional<QString> prepareOrderSummary(cDataAccess &data, const OrderSummarySelection &selection)
{
    const QString failed = QStringLiteral("The order summary could not be prepared.");
    for (const char *table : {"rptOrderSummaryCount", "rptOrderSummary", "rptOrderTemp", "rptOrderSave"})
        if (!data.exec(kProcedure, QStringLiteral("Drop Table If Exists [%1]").arg(QLatin1String(table))))
            return failed;
    if (selection.kind == OrderSummarySelection::Kind::None)
        return QStringLiteral("Invalid Order summary Report Option");
    bool done = selectLines(data, selection)
             && data.exec(kProcedure, QStringLiteral("Create Table rptOrderSave As Select Distinct [Orders Customer Number], "
                                                     "[Orders Campaign Year], [Orders Campaign Number], [Orders Order Number] "
                                                     "From rptOrderTemp "))
             && data.exec(kProcedure, QStringLiteral("Create Table [rptOrderSummaryCount] As Select Distinct [Orders Customer "
                                                     "Number] From rptOrderTemp "));
    if (done && selection.kind == OrderSummarySelection::Kind::Regular)
        done = data.exec(kProcedure, QStringLiteral("Update rptOrderTemp Set [Orders Customer Number] = 0 "));
    if (done && selection.suppressPageNumbers)
        done = data.exec(kProcedure, QStringLiteral("Update rptOrderTemp Set [Orders Page] = ' ' "));
    if (!done || !summarize(data, selection))
        return failed;
    if (data.number(kProcedure, QStringLiteral("Select Count(*) From [rptOrderSummary]")) == 0)
        return QStringLiteral("No order details found for Campaign %1 / %2.\nPlease try changing Summary Type.")
            .arg(selection.campaign.number)
            .arg(selection.campaign.year);
    return std::nullopt;
}

int summaryCustomerCount(cDataAccess &data)
{
    return data.number(kProcedure, QStringLiteral("Select Count(*) From [rptOrderSummaryCount]"));
}

bool markOrdersSummarized(cDataAccess &data)
{
    return data.exec(kProcedure, QStringLiteral("UPDATE Orders SET [Orders Summary Printed] = -1 FROM rptOrderSave WHERE "
                                                "(Orders.[Orders Order Number] = rptOrderSave.[Orders Order Number]) AND "
                                                "(Orders.[Orders Campaign Number] = rptOrderSave.[Orders Campaign Number]) AND "
                                                "(Orders.[Orders Campaign Year] = rptOrderSave.[Orders Campaign Year]) AND "
                                                "(Orders.[Orders Customer Number] = rptOrderSave.[Orders Customer Number]) "));
}

void askMarkSummarized(AppState &state, const OrderSummarySelection &selection, const QString &givenAnswer)
{
    bool yes = givenAnswer.trimmed().toLower() == QLatin1String("yes");
    if (givenAnswer.trimmed().isEmpty()) {
        const bool file = selection.output == OrderSummarySelection::Output::DataFile;
        const QString text = file ? QStringLiteral("A 'Yes' response will enable more orders to be input and then submitted "
                                                   "separately.\nDo you wish to mark submitted Orders as Summarized?")
                                  : QStringLiteral("A 'Yes' response will enable more orders to be input and then reported "
                                                   "separately.\nDo you wish to mark Viewed or Printed Orders as Summarized?");
        yes = state.prompter.askYesNo(text);
    }
    if (yes)
        markOrdersSummarized(state.data);
}

} // namespace zel::reports
