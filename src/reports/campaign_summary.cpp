#include "reports/campaign_summary.h"

#include "reports/report_parameters.h"
#include "shell/data_access.h"

#include <utility>

namespace zel::reports {

namespace {

const QString kProcedure = QStringLiteral("Campaign Summary");

bool run(cDataAccess &data, const QString &sql, const QVariantList &values = {})
{
    return data.exec(kProcedure, sql, values);
}

// The orders the summary lists, by their Orders row, with what was paid on each: a narrow table,
// so that the filters and the settled-order rule run before any wide row is made.
bool selectOrders(cDataAccess &data, const CampaignSummarySelection &s)
{
    QVariantList values;
    QString sql = QStringLiteral(
        "Create Temp Table [CampaignSummaryKept] As Select Orders.rowid As Rid, Orders.[Orders Customer Number] As Cust, "
        "Orders.[Orders Campaign Year] * 100 + Orders.[Orders Campaign Number] As CKey, Orders.[Orders Campaign Year] As Y, "
        "Orders.[Orders Campaign Number] As N, Orders.[Orders Order Number] As Ord, Orders.[Orders Unit Total] As "
        "Total, Coalesce((Select Sum(P.[Payments "
        "Amount]) From Payments P Where P.[Payments Customer Number] = Orders.[Orders Customer Number] And P.[Payments "
        "Campaign Year] = Orders.[Orders Campaign Year] And P.[Payments Campaign Number] = Orders.[Orders Campaign Number] "
        "And P.[Payments Order Number] = Orders.[Orders Order Number]), 0) As Paid FROM Orders INNER JOIN Customers ON "
        "Orders.[Orders Customer Number] = Customers.[Customers Number] Where Orders.[Orders Internal Flag] = 'TOTAL' ");
    if (s.complete) {
        // Nearly every order: read from the order totals index, which holds all the columns above.
        sql += QStringLiteral(" And ((Orders.[Orders Campaign Year] * 100) + Orders.[Orders Campaign Number]) <= ? ");
        values << s.campaign.key();
    } else {
        sql += QStringLiteral("And Orders.[Orders Campaign Year] = ? And [Orders Campaign Number] = ? ");
        values << s.campaign.year << s.campaign.number;
    }
    if (s.summarized == CampaignSummarySelection::Summarized::SummarizedOnly)
        sql += QStringLiteral(" And [Orders Summary Printed] = -1 ");
    else if (s.summarized == CampaignSummarySelection::Summarized::NonSummarizedOnly)
        sql += QStringLiteral(" And [Orders Summary Printed] = 0 ");
    sql += s.helper.clause(QStringLiteral("Customers Business Helper Number"), values);
    // A customer with exactly one order in the whole database, found in one pass.
    if (s.newCustomersOnly)
        sql += QStringLiteral(" And Customers.[Customers Number] In (Select [Orders Customer Number] From Orders Where [Orders "
                              "Internal Flag] = 'TOTAL' Group By [Orders Customer Number] Having Count(*) = 1) ");
    if (s.excludeDelivered)
        sql += QStringLiteral(" And (Orders.[Orders Delivered] Is Null Or Orders.[Orders Delivered] <> 'Y') ");
    return run(data, QStringLiteral("Drop Table If Exists temp.[CampaignSummaryKept]")) && run(data, sql, values)
        // An order of an earlier campaign paid to the cent is not listed.
        && run(data, QStringLiteral("Delete From temp.[CampaignSummaryKept] Where CKey <> ? And Round(Total + Paid, 4) = 0"),
               {s.campaign.key()});
}

// Each listed customer's orders and payments per campaign, with the running sums of the campaigns
// before each one, and her sums for the selected campaign and before it: what a walk would add up
// row by row. Also each listed order's TOTAL and DETAIL sums.
bool sumCustomerCampaigns(cDataAccess &data, int selectedKey)
{
    return run(data, QStringLiteral("Drop Table If Exists temp.[CampaignSummarySums]"))
        && run(data, QStringLiteral("Create Temp Table [CampaignSummarySums] As Select Cust, CKey, Sum(Ordered) As Ordered, "
                                    "Sum(Paid) As Paid From (Select [Orders Customer Number] As Cust, [Orders Campaign Year] * 100 "
                                    "+ [Orders Campaign Number] As CKey, [Orders Unit Total] As Ordered, 0 As Paid From Orders "
                                    "Where [Orders Internal Flag] = 'TOTAL' And [Orders Customer Number] In (Select Cust From "
                                    "temp.[CampaignSummaryKept]) Union All Select [Payments Customer Number], [Payments Campaign "
                                    "Year] * 100 + [Payments Campaign Number], 0, [Payments Amount] From Payments Where [Payments "
                                    "Customer Number] In (Select Cust From temp.[CampaignSummaryKept])) Group By Cust, CKey"))
        && run(data, QStringLiteral("Drop Table If Exists temp.[CampaignSummaryRunning]"))
        && run(data, QStringLiteral("Create Temp Table [CampaignSummaryRunning] As Select Cust, CKey, Coalesce(Sum(Ordered) Over w, "
                                    "0) As Ordered, Coalesce(Sum(Paid) Over w, 0) As Paid From temp.[CampaignSummarySums] Window w "
                                    "As (Partition By Cust Order By CKey Rows Between Unbounded Preceding And 1 Preceding)"))
        && run(data, QStringLiteral("Create Index temp.[CampaignSummaryRunningKey] On [CampaignSummaryRunning] (Cust, CKey)"))
        && run(data, QStringLiteral("Drop Table If Exists temp.[CampaignSummarySelected]"))
        && run(data, QStringLiteral("Create Temp Table [CampaignSummarySelected] As Select Cust, Sum(Case When CKey = ? Then "
                                    "Ordered Else 0 End) As Ordered, Sum(Case When CKey = ? Then Paid Else 0 End) As Paid, "
                                    "Sum(Case When CKey < ? Then Ordered Else 0 End) As PreviousOrdered, Sum(Case When CKey < ? "
                                    "Then Paid Else 0 End) As PreviousPaid From temp.[CampaignSummarySums] Group By Cust"),
               {selectedKey, selectedKey, selectedKey, selectedKey})
        && run(data, QStringLiteral("Create Index temp.[CampaignSummarySelectedKey] On [CampaignSummarySelected] (Cust)"))
        && run(data, QStringLiteral("Drop Table If Exists temp.[CampaignSummaryOrderSums]"))
        // Looked up by each listed order's key in the indexes, not by joining its rows to the table.
        && run(data, QStringLiteral("Create Temp Table [CampaignSummaryOrderSums] As Select K.Rid, (Select Sum(O.[Orders Unit "
                                    "Total]) From Orders O Where O.[Orders Customer Number] = K.Cust And O.[Orders Campaign "
                                    "Year] = K.Y And O.[Orders Campaign Number] = K.N And O.[Orders Order Number] = K.Ord And "
                                    "O.[Orders Internal Flag] = 'TOTAL') As Total, (Select Sum(O.[Orders Unit Total]) From "
                                    "Orders O Where O.[Orders Customer Number] = K.Cust And O.[Orders Campaign Year] = K.Y And "
                                    "O.[Orders Campaign Number] = K.N And O.[Orders Order Number] = K.Ord And O.[Orders "
                                    "Internal Flag] = 'DETAIL') As Detail From temp.[CampaignSummaryKept] K"))
        && run(data, QStringLiteral("Create Index temp.[CampaignSummaryOrderSumsKey] On [CampaignSummaryOrderSums] (Rid)"));
}

// Each sum rounded once per row; the balances add the rounded parts. SQLite's Round is costly and
// a long history lists tens of thousands of rows, so the parts are not rounded again for every
// balance that uses them.
QString roundedParts()
{
    const QString unset = QStringLiteral("Orders.[Orders Unit Price]"); // a row the sums do not reach keeps it
    return QStringList{QStringLiteral("K.Rid As Rid"),
                       QStringLiteral("K.CKey As CKey"),
                       QStringLiteral("K.Paid As Paid"),
                       QStringLiteral("Round(Coalesce(OS.Total, 0), 4) As OrderTotal"),
                       QStringLiteral("Round(K.Paid, 4) As OrderPaid"),
                       QStringLiteral("Coalesce(Round(R.Ordered, 4), %1) As PreviousOrdered").arg(unset),
                       QStringLiteral("Coalesce(Round(R.Paid, 4), %1) As PreviousPaid").arg(unset),
                       QStringLiteral("Coalesce(Round(S.Ordered, 4), %1) As SelectedOrdered").arg(unset),
                       QStringLiteral("Coalesce(Round(S.Paid, 4), %1) As SelectedPaid").arg(unset),
                       QStringLiteral("Coalesce(Round(S.PreviousOrdered, 4), %1) As SelectedPreviousOrdered").arg(unset),
                       QStringLiteral("Coalesce(Round(S.PreviousPaid, 4), %1) As SelectedPreviousPaid").arg(unset),
                       QStringLiteral("Round(Coalesce(OS.Detail, 0), 4) As Detail")}
        .join(QStringLiteral(", "));
}

// Every money column with its value, in the table's order.
QStringList balanceColumns()
{
    const QString current = QStringLiteral("Round(B.OrderTotal + B.OrderPaid, 4)");
    const QString previous = QStringLiteral("Round(B.PreviousOrdered + B.PreviousPaid, 4)");
    const QString selectedCurrent = QStringLiteral("Round(B.SelectedOrdered + B.SelectedPaid, 4)");
    const QString selectedPrevious = QStringLiteral("Round(B.SelectedPreviousOrdered + B.SelectedPreviousPaid, 4)");
    const std::pair<QString, QString> columns[] = {
        {QStringLiteral("B.OrderTotal"), QStringLiteral("CurrentOrderTotal")},
        {QStringLiteral("B.OrderPaid"), QStringLiteral("CurrentPaymentTotal")},
        {current, QStringLiteral("CurrentBalance")},
        {QStringLiteral("B.PreviousOrdered"), QStringLiteral("PreviousOrderTotal")},
        {QStringLiteral("B.PreviousPaid"), QStringLiteral("PreviousPaymentTotal")},
        {previous, QStringLiteral("PreviousBalance")},
        {QStringLiteral("Round(%1 + %2, 4)").arg(current, previous), QStringLiteral("RunningBalance")},
        {QStringLiteral("B.SelectedOrdered"), QStringLiteral("SelectedCurrentOrderTotal")},
        {QStringLiteral("B.SelectedPaid"), QStringLiteral("SelectedCurrentPaymentTotal")},
        {selectedCurrent, QStringLiteral("SelectedCurrentBalance")},
        {QStringLiteral("B.SelectedPreviousOrdered"), QStringLiteral("SelectedPreviousOrderTotal")},
        {QStringLiteral("B.SelectedPreviousPaid"), QStringLiteral("SelectedPreviousPaymentTotal")},
        {selectedPrevious, QStringLiteral("SelectedPreviousBalance")},
        {QStringLiteral("Round(%1 + %2, 4)").arg(selectedCurrent, selectedPrevious), QStringLiteral("SelectedRunningBalance")},
        {QStringLiteral("B.Detail"), QStringLiteral("SelectedDetailTotal")}};
    QStringList out;
    for (const auto &[value, name] : columns)
        out << QStringLiteral("%1 As [%2]").arg(value, name);
    return out;
}

QString computedColumns(const Campaign &selected)
{
    QStringList columns{
        QStringLiteral("Trim(Coalesce(Customers.[Customers Last Name], '')) || ' ' || Trim(Coalesce(Customers.[Customers First "
                       "Name], '')) || ' ' || Customers.[Customers Number] As [CustomerControlBreak]"),
        QStringLiteral("1 As [CustomerOrderCount]"),
        QStringLiteral("Orders.[Orders Campaign Year] || '/' || Orders.[Orders Campaign Number] As [CampaignYearandNumber]"),
        QStringLiteral("Cast(Customers.[Customers House Number] As Integer) As [NumericStreetNumber]"),
        QStringLiteral("Case When B.CKey = %1 Then 'Y' Else 'N' End As [CurrentCampaign]").arg(selected.key()),
        QStringLiteral("'Y' As [KeepRow]")};
    columns << balanceColumns();
    // The helper is joined once (customer numbers are unique), not looked up for each column.
    columns << QStringLiteral("B.Paid As [PaymentsForThisOrder]") << QStringLiteral("H.[Customers First Name] As [HelperFirstName]")
            << QStringLiteral("H.[Customers Last Name] As [HelperLastName]")
            << QStringLiteral("Trim(Coalesce(H.[Customers House Number], '') || ' ' || Coalesce(H.[Customers Address], '')) As "
                              "[HelperAddress1]")
            << QStringLiteral("Trim(Coalesce(H.[Customers City], '') || ' ' || Coalesce(H.[Customers State], '') || ' ' || "
                              "Coalesce(H.[Customers Zip Code], '')) As [HelperAddress2]")
            << QStringLiteral("Trim(Coalesce(H.[Customers Phone 1], '') || ' ' || Coalesce(H.[Customers Phone 2], '')) As "
                              "[HelperPhones]");
    return columns.join(QStringLiteral(", "));
}

// The wide rows, made once with every value in place, then the older rows that have nothing to
// collect left out.
bool makeRows(cDataAccess &data, const Campaign &selected)
{
    return run(data, QStringLiteral("Create Table [rptCampaignSummary] As With B As Materialized (Select ") + roundedParts()
                         + QStringLiteral(" From temp.[CampaignSummaryKept] K Join Orders On Orders.rowid = K.Rid Left Join "
                                          "temp.[CampaignSummaryOrderSums] OS On OS.Rid = K.Rid Left Join "
                                          "temp.[CampaignSummaryRunning] R On R.Cust = K.Cust And R.CKey = K.CKey Left Join "
                                          "temp.[CampaignSummarySelected] S On S.Cust = K.Cust) SELECT Orders.*, Customers.*, ")
                         + computedColumns(selected)
                         + QStringLiteral(" From B Join Orders On Orders.rowid = B.Rid Join Customers On Orders.[Orders "
                                          "Customer Number] = Customers.[Customers Number] Left Join Customers H On "
                                          "H.[Customers Number] = Customers.[Customers Business Helper Number]"))
        && run(data, QStringLiteral("Delete From rptCampaignSummary  Where ([SelectedPreviousBalance] = 0 or [CurrentBalance] = 0) "
                                    " And [CurrentCampaign] = 'N' "));
}

bool dropWorkTables(cDataAccess &data)
{
    for (const char *table : {"CampaignSummaryKept", "CampaignSummarySums", "CampaignSummaryRunning", "CampaignSummarySelected",
                              "CampaignSummaryOrderSums"})
        if (!run(data, QStringLiteral("Drop Table If Exists temp.[%1]").arg(QLatin1String(table))))
            return false;
    return true;
}

} // namespace

CampaignSummarySelection CampaignSummarySelection::of(const ReportParameters &parameters)
{
    CampaignSummarySelection s;
    s.campaign = parameters.campaign;
    const QString summarized = parameters.choices.value(kSummarized).toString().toLower();
    s.summarized = summarized == QLatin1String("summarized")       ? Summarized::SummarizedOnly
                 : summarized == QLatin1String("non-summarized") ? Summarized::NonSummarizedOnly
                                                                 : Summarized::Both;
    s.complete = parameters.choices.value(kComplete).toBool();
    s.newCustomersOnly = parameters.choices.value(kNewCustomers).toBool();
    s.excludeDelivered = parameters.choices.value(kExcludeDelivered).toBool();
    s.helper = HelperFilter::of(parameters);
    return s;
}

std::optional<QString> prepareCampaignSummary(cDataAccess &data, const CampaignSummarySelection &selection)
{
    const bool done = run(data, QStringLiteral("Drop Table If Exists [rptCampaignSummary]")) && selectOrders(data, selection)
                   && sumCustomerCampaigns(data, selection.campaign.key()) && makeRows(data, selection.campaign)
                   && dropWorkTables(data);
    if (!done)
        return QStringLiteral("The campaign summary could not be prepared.");
    if (data.number(kProcedure, QStringLiteral("Select Count(*) From rptCampaignSummary")) == 0)
        return QStringLiteral("No Orders Found Matching Selection Criteria.");
    return std::nullopt;
}

} // namespace zel::reports
