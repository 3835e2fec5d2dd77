#include "reports/catalogue/call_back_report.h"

#include "session/app_state.h"

namespace zel::reports::catalogue {

std::vector<ReportChoice> CallBackReport::choices() const
{
    return {helperChoice(),
            valueChoice(QStringLiteral("--past"), kPast, QStringLiteral("N")),
            valueChoice(QStringLiteral("--brochure-status"), kStatuses, QStringLiteral("A,B,...")),
            valueChoice(QStringLiteral("--brochure-type"), kTypes, QStringLiteral("A,B,...")),
            valueChoice(QStringLiteral("--referred-by"), kReferredBy, QStringLiteral("TEXT"))};
}

int CallBackReport::pastCampaigns(const ReportParameters &parameters)
{
    return qBound(1, whole(parameters, kPast, 3), 99);
}

Campaign CallBackReport::windowStart(const ReportParameters &parameters, int lastNumberOfYear)
{
    return parameters.campaign.back(pastCampaigns(parameters) - 1, qMax(1, lastNumberOfYear));
}

QString CallBackReport::customersSelect(const AppState &state, const ReportParameters &parameters, QVariantList &values)
{
    // Each customer's last campaign before the window and what she ordered in it, found by two
    // grouped passes over the order totals rather than once per customer and order.
    const Campaign first = windowStart(parameters, state.options.LastCampaignNumberOfYear);
    values << first.year << first.number;
    const QString inWindow = campaignBetween(first, parameters.campaign, values);
    QString select = QStringLiteral(
        "With LastCampaign As (Select [Orders Customer Number] As Cust, Max([Orders Campaign Year] * 100 + [Orders Campaign "
        "Number]) As CKey From Orders Where [Orders Internal Flag] = 'TOTAL' And ([Orders Campaign Year], [Orders Campaign "
        "Number]) < (?, ?) Group By [Orders Customer Number]), LastOrder As (Select L.Cust, L.CKey, Sum(o.[Orders Unit "
        "Total]) As Total From LastCampaign L Join Orders o On o.[Orders Customer Number] = L.Cust And o.[Orders Campaign "
        "Year] = L.CKey / 100 And o.[Orders Campaign Number] = L.CKey % 100 And o.[Orders Internal Flag] = 'TOTAL' "
        "Group By L.Cust) "
        "Select Customers.*, %1 As [CustomerName], LastOrder.CKey As [LastCampaignKey], LastOrder.Total As [LastOrderTotal] "
        "From Customers Left Join LastOrder On LastOrder.Cust = Customers.[Customers Number] "
        "Where Coalesce([Customers Status], '') <> 'Deleted' "
        "And Not Exists (Select 1 From Orders Where [Orders Customer Number] = Customers.[Customers Number] "
        "And [Orders Internal Flag] = 'TOTAL' And %2) ")
                         .arg(lastFirstSql(QStringLiteral("Customers")), inWindow);
    select += anyOf(QStringLiteral("[Customers Brochure Status]"), list(parameters, kStatuses), values);
    select += anyOf(QStringLiteral("[Customers Brochure Type]"), list(parameters, kTypes), values);
    if (const QString referrer = text(parameters, kReferredBy); !referrer.isEmpty()) {
        select += QStringLiteral(" And Trim(Coalesce([Customers Referred By], '')) = ? ");
        values << referrer;
    }
    select += helper(parameters).clause(QStringLiteral("Customers Business Helper Number"), values);
    return select;
}

std::optional<QString> CallBackReport::prepare(AppState &state, const ReportParameters &parameters) const
{
    if (parameters.campaign.year <= 0)
        return QStringLiteral("Please select a Year.");
    QVariantList values;
    const QString select = customersSelect(state, parameters, values);
    cDataAccess &data = state.data;
    if (!rebuild(data, QStringLiteral("rptCallBack"), select, values)
        || !data.exec(QStringLiteral("Call Back"),
                      QStringLiteral("Alter Table [rptCallBack] Add Column [LastOrder] Text")) // "Campaign 5 / 2008" or "Never"
        || !data.exec(QStringLiteral("Call Back"),
                      QStringLiteral("Update [rptCallBack] Set [LastOrder] = Case When [LastCampaignKey] Is Null Then 'Never' "
                                     "Else 'Campaign ' || ([LastCampaignKey] % 100) || ' / ' || ([LastCampaignKey] / 100) End")))
        return failedMessage();
    if (rowCount(data, QStringLiteral("rptCallBack")) == 0)
        return QStringLiteral("No customers found for current criteria.");
    return std::nullopt;
}

ReportRequest CallBackReport::request(const AppState &state, const ReportParameters &parameters) const
{
    const int past = pastCampaigns(parameters);
    const Campaign first = windowStart(parameters, state.options.LastCampaignNumberOfYear);
    const QString window = past == 1 ? QStringLiteral("No order in %1").arg(campaignLine(parameters.campaign))
                                     : QStringLiteral("No order from Campaign %1 / %2 to Campaign %3 / %4 (%5 campaigns)")
                                           .arg(first.number)
                                           .arg(first.year)
                                           .arg(parameters.campaign.number)
                                           .arg(parameters.campaign.year)
                                           .arg(past);
    const QString referrer = text(parameters, kReferredBy);
    ReportRequest request = titledRequest(state, layoutNames()[0], parameters,
                                          {QStringLiteral("Call Back List"), window,
                                           referrer.isEmpty() ? QString() : QStringLiteral("Referred by ") + referrer});
    request.set(QStringLiteral("OrderBy"), QStringLiteral(" Order By [Customers Last Name], [Customers First Name], [Customers Number] "));
    return request;
}

Document CallBackReport::layOut(AppState &state, const ReportRequest &request) const
{
    using Format = TabularLayout::Format;
    TabularLayout table = listLayout(state, request);
    table.source(QStringLiteral("Select * From [rptCallBack] ") + request.text(QStringLiteral("OrderBy")));
    addColumns(table, {col(QStringLiteral("Customers Number"), QStringLiteral("No."), 36, Format::Number),
                       col(QStringLiteral("CustomerName"), QStringLiteral("Name"), 130),
                       col(QStringLiteral("Customers Phone 1"), QStringLiteral("Phone 1"), 84),
                       col(QStringLiteral("Customers Phone 2"), QStringLiteral("Phone 2"), 84),
                       col(QStringLiteral("LastOrder"), QStringLiteral("Last Order"), 100),
                       col(QStringLiteral("LastOrderTotal"), QStringLiteral("Amount"), 70, Format::Money),
                       col(QStringLiteral("Customers Brochure Type"), QStringLiteral("Brochure"), 70)});
    return table.layOut(state.data, QStringLiteral("Call Back"));
}

} // namespace zel::reports::catalogue
