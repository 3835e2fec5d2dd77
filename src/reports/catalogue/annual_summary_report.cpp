#include "reports/catalogue/annual_summary_report.h"

#include "session/app_state.h"

namespace zel::reports::catalogue {

std::vector<ReportChoice> AnnualSummaryReport::choices() const
{
    return {helperChoice(),
            valueChoice(QStringLiteral("--from"), kFrom, QStringLiteral("YYYYCC")),
            valueChoice(QStringLiteral("--to"), kTo, QStringLiteral("YYYYCC")),
            yesNoChoice(QStringLiteral("--returns"), kReturns),
            wordChoice(QStringLiteral("--sort"), kSort, {QStringLiteral("name"), QStringLiteral("number"), QStringLiteral("amount")})};
}

Campaign AnnualSummaryReport::from(const ReportParameters &parameters)
{
    const int key = whole(parameters, kFrom);
    return key > 0 ? Campaign::fromKey(key) : Campaign{parameters.campaign.year, 1};
}

Campaign AnnualSummaryReport::to(const ReportParameters &parameters)
{
    const int key = whole(parameters, kTo);
    return key > 0 ? Campaign::fromKey(key) : parameters.campaign;
}

std::optional<QString> AnnualSummaryReport::prepare(AppState &state, const ReportParameters &parameters) const
{
    QVariantList values;
    QString select = QStringLiteral(
        "Select Orders.[Orders Customer Number], Orders.[Orders Campaign Year], Orders.[Orders Campaign Number], "
        "Orders.[Orders Order Number], Orders.[Orders Quanity], Orders.[Orders Unit Total] From Orders "
        "Inner Join Customers On Customers.[Customers Number] = Orders.[Orders Customer Number] "
        "Where %1 And [Orders Internal Flag] = 'DETAIL' And Coalesce([Orders BackOrder Flag], '') <> 'P' ")
                         .arg(campaignBetween(from(parameters), to(parameters), values, QStringLiteral("Orders.")));
    if (!flag(parameters, kReturns))
        select += QStringLiteral(" And [Orders Unit Total] > 0 ");
    select += helper(parameters).clause(QStringLiteral("Customers Business Helper Number"), values);
    cDataAccess &data = state.data;
    // The amount is rounded to the places money keeps, so it does not depend on the order the rows were read in.
    const QString summary = QStringLiteral(
        "Select f.[Orders Customer Number], c.[Customers Last Name], c.[Customers First Name], %1 As [CustomerName], "
        "c.[Customers Phone 1], Count(Distinct f.[Orders Campaign Year] * 10000 + f.[Orders Campaign Number] * 100 + "
        "f.[Orders Order Number]) As [OrderCount], Sum(f.[Orders Quanity]) As [Items], Round(Sum(f.[Orders Unit Total]), 4) As [Amount] "
        "From [rptFilter] f Inner Join Customers c On c.[Customers Number] = f.[Orders Customer Number] "
        "Group By f.[Orders Customer Number]")
                                .arg(lastFirstSql(QStringLiteral("c")));
    if (!rebuild(data, QStringLiteral("rptFilter"), select, values) || !rebuild(data, QStringLiteral("rptAnnualSummary"), summary))
        return failedMessage();
    if (rowCount(data, QStringLiteral("rptAnnualSummary")) == 0)
        return QStringLiteral("No order details found for selected criteria.");
    return std::nullopt;
}

ReportRequest AnnualSummaryReport::request(const AppState &state, const ReportParameters &parameters) const
{
    const Campaign first = from(parameters);
    const Campaign last = to(parameters);
    ReportRequest request = titledRequest(
        state, layoutNames()[0], parameters,
        {QStringLiteral("Annual Summary"),
         QStringLiteral("Campaign %1 / %2 to Campaign %3 / %4").arg(first.number).arg(first.year).arg(last.number).arg(last.year),
         flag(parameters, kReturns) ? QStringLiteral("Returns included") : QStringLiteral("Returns not included")});
    const QString sort = word(parameters, kSort, QStringLiteral("name"));
    const QString byName = QStringLiteral("[Customers Last Name], [Customers First Name], [Orders Customer Number]");
    if (sort == QLatin1String("number"))
        request.set(QStringLiteral("OrderBy"), QStringLiteral(" Order By [Orders Customer Number] "));
    else if (sort == QLatin1String("amount"))
        request.set(QStringLiteral("OrderBy"), QStringLiteral(" Order By [Amount] Desc, ") + byName);
    else
        request.set(QStringLiteral("OrderBy"), QStringLiteral(" Order By ") + byName);
    return request;
}

Document AnnualSummaryReport::layOut(AppState &state, const ReportRequest &request) const
{
    using Format = TabularLayout::Format;
    TabularLayout table = listLayout(state, request);
    table.source(QStringLiteral("Select * From [rptAnnualSummary] ") + request.text(QStringLiteral("OrderBy")))
        .grandTotal(QStringLiteral("All customers"));
    addColumns(table, {col(QStringLiteral("Orders Customer Number"), QStringLiteral("No."), 40, Format::Number),
                       col(QStringLiteral("CustomerName"), QStringLiteral("Name"), 170),
                       col(QStringLiteral("Customers Phone 1"), QStringLiteral("Phone"), 110),
                       col(QStringLiteral("OrderCount"), QStringLiteral("Orders"), 56, Format::Number, true),
                       col(QStringLiteral("Items"), QStringLiteral("Items"), 56, Format::Number, true),
                       col(QStringLiteral("Amount"), QStringLiteral("Amount"), 88, Format::Money, true)});
    return table.layOut(state.data, QStringLiteral("Annual Summary"));
}

} // namespace zel::reports::catalogue
