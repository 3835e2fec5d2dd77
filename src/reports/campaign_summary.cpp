#include "reports/campaign_summary.h"

#include "reports/report_parameters.h"
#include "shell/data_access.h"

namespace zel::reports {

namespace {

const QString kProcedure = QStringLiteral("Campaign Summary");

const char *const kMoneyColumns[] = {
    "CurrentOrderTotal",         "CurrentPaymentTotal",         "CurrentBalance",          "PreviousOrderTotal",
    "PreviousPaymentTotal",      "PreviousBalance",             "RunningBalance",          "SelectedCurrentOrderTotal",
    "SelectedCurrentPaymentTotal", "SelectedCurrentBalance",    "SelectedPreviousOrderTotal", "SelectedPreviousPaymentTotal",
    "SelectedPreviousBalance",   "SelectedRunningBalance",      "SelectedDetailTotal"};

bool run(cDataAccess &data, const QString &sql, const QVariantList &values = {})
{
    return data.exec(kProcedure, sql, values);
}

QString helperColumn(const char *expression, const char *name)
{
    return QStringLiteral("(Select %1 From Customers H Where H.[Customers Number] = Customers.[Customers Business Helper "
                          "Number] Limit 1) As [%2]")
        .arg(QLatin1String(expression), QLatin1String(name));
}

QString computedColumns()
{
    QStringList columns{
        QStringLiteral("Trim(Coalesce(Customers.[Customers Last Name], '')) || ' ' || Trim(Coalesce(Customers.[Customers First "
                       "Name], '')) || ' ' || Customers.[Customers Number] As [CustomerControlBreak]"),
        QStringLiteral("1 As [CustomerOrderCount]"), QStringLiteral("'' As [CampaignYearandNumber]"),
        QStringLiteral("' ' As [NumericStreetNumber]"), QStringLiteral("'N' As [CurrentCampaign]"),
        QStringLiteral("'Y' As [KeepRow]")};
    for (const char *money : kMoneyColumns)
        columns << QStringLiteral("Orders.[Orders Unit Price] As [%1]").arg(QLatin1String(money));
    columns << QStringLiteral("Coalesce((Select Sum(P.[Payments Amount]) From Payments P Where P.[Payments Customer Number] = "
                              "Orders.[Orders Customer Number] And P.[Payments Campaign Year] = Orders.[Orders Campaign Year] "
                              "And P.[Payments Campaign Number] = Orders.[Orders Campaign Number] And P.[Payments Order "
                              "Number] = Orders.[Orders Order Number]), 0) As [PaymentsForThisOrder]")
            << helperColumn("H.[Customers First Name]", "HelperFirstName")
            << helperColumn("H.[Customers Last Name]", "HelperLastName")
            << helperColumn("Trim(Coalesce(H.[Customers House Number], '') || ' ' || Coalesce(H.[Customers Address], ''))",
                            "HelperAddress1")
            << helperColumn("Trim(Coalesce(H.[Customers City], '') || ' ' || Coalesce(H.[Customers State], '') || ' ' || "
                            "Coalesce(H.[Customers Zip Code], ''))",
                            "HelperAddress2")
            << helperColumn("Trim(Coalesce(H.[Customers Phone 1], '') || ' ' || Coalesce(H.[Customers Phone 2], ''))", "HelperPhones");
    return columns.join(QStringLiteral(", "));
}

bool selectOrders(cDataAccess &data, const CampaignSummarySelection &s)
{
    QVariantList values;
    QString sql = QStringLiteral("Create Table [rptCampaignSummary] As SELECT Orders.*, Customers.*, ") + computedColumns()
                + QStringLiteral(" FROM Orders INNER JOIN Customers ON Orders.[Orders Customer Number] = Customers.[Customers "
                                 "Number] Where 1 = 1 ");
    if (s.complete) {
        // An earlier order paid to the cent would be dropped at the end (dropSettledRows): left out here,
        // the wide rows and their sums are made only for the few orders still open.
        sql += QStringLiteral(" And ((Orders.[Orders Campaign Year] * 100) + Orders.[Orders Campaign Number]) <= ? And "
                              "((Orders.[Orders Campaign Year] = ? And Orders.[Orders Campaign Number] = ?) Or "
                              "Round(Orders.[Orders Unit Total] + Coalesce((Select Sum(P.[Payments Amount]) From Payments P "
                              "Where P.[Payments Customer Number] = Orders.[Orders Customer Number] And P.[Payments Campaign "
                              "Year] = Orders.[Orders Campaign Year] And P.[Payments Campaign Number] = Orders.[Orders Campaign "
                              "Number] And P.[Payments Order Number] = Orders.[Orders Order Number]), 0), 4) <> 0) ");
        values << s.campaign.key() << s.campaign.year << s.campaign.number;
    } else {
        sql += QStringLiteral("And Orders.[Orders Campaign Year] = ? And [Orders Campaign Number] = ? ");
        values << s.campaign.year << s.campaign.number;
    }
    sql += QStringLiteral("And Orders.[Orders Internal Flag] = 'TOTAL' ");
    if (s.summarized == CampaignSummarySelection::Summarized::SummarizedOnly)
        sql += QStringLiteral(" And [Orders Summary Printed] = -1 ");
    else if (s.summarized == CampaignSummarySelection::Summarized::NonSummarizedOnly)
        sql += QStringLiteral(" And [Orders Summary Printed] = 0 ");
    sql += s.helper.clause(QStringLiteral("Customers Business Helper Number"), values);
    // A customer with exactly one order in the whole database, found in one pass.
    if (s.newCustomersOnly)
        sql += QStringLiteral(" And Customers.[Customers Number] In (Select [Orders Customer Number] From Orders Where [Orders "
                              "Internal Flag] = 'TOTAL' Group By [Orders Customer Number] Having Count(*) = 1) ");
    return run(data, sql, values)
        && (!s.excludeDelivered || run(data, QStringLiteral("Delete From rptCampaignSummary Where [Orders Delivered] = 'Y' ")));
}

// Each listed customer's orders and payments per campaign, with the running sums of the campaigns
// before each one: what a walk would add up row by row.
bool sumCustomerCampaigns(cDataAccess &data)
{
    return run(data, QStringLiteral("Drop Table If Exists temp.[CampaignSummarySums]"))
        && run(data, QStringLiteral("Create Temp Table [CampaignSummarySums] As Select Cust, CKey, Sum(Ordered) As Ordered, "
                                    "Sum(Paid) As Paid From (Select [Orders Customer Number] As Cust, [Orders Campaign Year] * 100 "
                                    "+ [Orders Campaign Number] As CKey, [Orders Unit Total] As Ordered, 0 As Paid From Orders "
                                    "Where [Orders Internal Flag] = 'TOTAL' And [Orders Customer Number] In (Select [Orders "
                                    "Customer Number] From rptCampaignSummary) Union All Select [Payments Customer Number], "
                                    "[Payments Campaign Year] * 100 + [Payments Campaign Number], 0, [Payments Amount] From "
                                    "Payments Where [Payments Customer Number] In (Select [Orders Customer Number] From "
                                    "rptCampaignSummary)) Group By Cust, CKey"))
        && run(data, QStringLiteral("Drop Table If Exists temp.[CampaignSummaryRunning]"))
        && run(data, QStringLiteral("Create Temp Table [CampaignSummaryRunning] As Select Cust, CKey, Coalesce(Sum(Ordered) Over w, "
                                    "0) As Ordered, Coalesce(Sum(Paid) Over w, 0) As Paid From temp.[CampaignSummarySums] Window w "
                                    "As (Partition By Cust Order By CKey Rows Between Unbounded Preceding And 1 Preceding)"))
        && run(data, QStringLiteral("Create Index temp.[CampaignSummaryRunningKey] On [CampaignSummaryRunning] (Cust, CKey)"));
}

bool fillRowBalances(cDataAccess &data)
{
    const QString sameOrder = QStringLiteral(
        "O.[Orders Customer Number] = rptCampaignSummary.[Orders Customer Number] And O.[Orders Campaign Year] = "
        "rptCampaignSummary.[Orders Campaign Year] And O.[Orders Campaign Number] = rptCampaignSummary.[Orders Campaign Number] "
        "And O.[Orders Order Number] = rptCampaignSummary.[Orders Order Number]");
    return run(data, QStringLiteral("Update rptCampaignSummary Set CurrentOrderTotal = Round(Coalesce((Select Sum(O.[Orders Unit "
                                    "Total]) From Orders O Where %1 And O.[Orders Internal Flag] = 'TOTAL'), 0), 4), "
                                    "SelectedDetailTotal = Round(Coalesce((Select Sum(O.[Orders Unit Total]) From Orders O Where "
                                    "%1 And O.[Orders Internal Flag] = 'DETAIL'), 0), 4), CurrentPaymentTotal = "
                                    "Round(PaymentsForThisOrder, 4)")
                             .arg(sameOrder))
        && run(data, QStringLiteral("Update rptCampaignSummary Set PreviousOrderTotal = Round(R.Ordered, 4), PreviousPaymentTotal "
                                    "= Round(R.Paid, 4) From temp.[CampaignSummaryRunning] R Where R.Cust = "
                                    "rptCampaignSummary.[Orders Customer Number] And R.CKey = rptCampaignSummary.[Orders "
                                    "Campaign Year] * 100 + rptCampaignSummary.[Orders Campaign Number]"))
        && run(data, QStringLiteral("Update rptCampaignSummary Set CurrentBalance = Round(CurrentOrderTotal + CurrentPaymentTotal, "
                                    "4), PreviousBalance = Round(PreviousOrderTotal + PreviousPaymentTotal, 4)"))
        && run(data, QStringLiteral("Update rptCampaignSummary Set RunningBalance = Round(CurrentBalance + PreviousBalance, 4)"));
}

bool fillSelectedBalances(cDataAccess &data, int selectedKey)
{
    return run(data, QStringLiteral("Update rptCampaignSummary Set SelectedCurrentOrderTotal = Round(S.Ordered, 4), "
                                    "SelectedCurrentPaymentTotal = Round(S.Paid, 4), SelectedPreviousOrderTotal = "
                                    "Round(S.PreviousOrdered, 4), SelectedPreviousPaymentTotal = Round(S.PreviousPaid, 4) From "
                                    "(Select Cust, Sum(Case When CKey = ? Then Ordered Else 0 End) As Ordered, Sum(Case When "
                                    "CKey = ? Then Paid Else 0 End) As Paid, Sum(Case When CKey < ? Then Ordered Else 0 End) As "
                                    "PreviousOrdered, Sum(Case When CKey < ? Then Paid Else 0 End) As PreviousPaid From "
                                    "temp.[CampaignSummarySums] Group By Cust) S Where S.Cust = rptCampaignSummary.[Orders "
                                    "Customer Number]"),
               {selectedKey, selectedKey, selectedKey, selectedKey})
        && run(data, QStringLiteral("Update rptCampaignSummary Set SelectedCurrentBalance = Round(SelectedCurrentOrderTotal + "
                                    "SelectedCurrentPaymentTotal, 4), SelectedPreviousBalance = Round(SelectedPreviousOrderTotal "
                                    "+ SelectedPreviousPaymentTotal, 4)"))
        && run(data, QStringLiteral("Update rptCampaignSummary Set SelectedRunningBalance = Round(SelectedCurrentBalance + "
                                    "SelectedPreviousBalance, 4)"));
}

bool dropSettledRows(cDataAccess &data, const Campaign &selected)
{
    return run(data, QStringLiteral("Update rptCampaignSummary Set CurrentCampaign = 'Y' Where [Orders Campaign Year] = ? And "
                                    "[Orders Campaign Number] = ?"),
               {selected.year, selected.number})
        && run(data, QStringLiteral("Update rptCampaignSummary Set KeepRow = 'N' Where CurrentCampaign = 'N' And Round([Orders "
                                    "Unit Total] + PaymentsForThisOrder, 4) = 0"))
        && run(data, QStringLiteral("Delete From rptCampaignSummary  Where [KeepRow] = 'N' "));
}

bool finishRows(cDataAccess &data)
{
    return run(data, QStringLiteral("Delete From rptCampaignSummary  Where ([SelectedPreviousBalance] = 0 or [CurrentBalance] = 0) "
                                    " And [CurrentCampaign] = 'N' "))
        && run(data, QStringLiteral("Update rptCampaignSummary  Set [CampaignYearandNumber] = [Orders Campaign Year] || '/' || "
                                    "[Orders Campaign Number], [NumericStreetNumber] = Cast([Customers House Number] As Integer) "))
        && run(data, QStringLiteral("Drop Table If Exists temp.[CampaignSummarySums]"))
        && run(data, QStringLiteral("Drop Table If Exists temp.[CampaignSummaryRunning]"));
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
                   && dropSettledRows(data, selection.campaign) && sumCustomerCampaigns(data) && fillRowBalances(data)
                   && fillSelectedBalances(data, selection.campaign.key()) && finishRows(data);
    if (!done)
        return QStringLiteral("The campaign summary could not be prepared.");
    if (data.number(kProcedure, QStringLiteral("Select Count(*) From rptCampaignSummary")) == 0)
        return QStringLiteral("No Orders Found Matching Selection Criteria.");
    return std::nullopt;
}

} // namespace zel::reports
