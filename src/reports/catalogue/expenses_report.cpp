#include "reports/catalogue/expenses_report.h"

#include "session/app_state.h"

namespace zel::reports::catalogue {

namespace {

// The group each expense falls in for an order; campaigns sort by number, the rest by text.
QString groupSql(const QString &order)
{
    if (order == QLatin1String("description"))
        return QStringLiteral("Coalesce(Nullif(Trim([Expenses Description]), ''), '(none)')");
    if (order == QLatin1String("payee"))
        return QStringLiteral("Coalesce(Nullif(Trim([Expenses Payee]), ''), '(none)')");
    if (order == QLatin1String("category"))
        return QStringLiteral("Coalesce(Nullif(Trim([Expenses Category]), ''), '(none)')");
    return QStringLiteral("'Campaign ' || [Expenses Campaign Number] || ' / ' || [Expenses Campaign Year]");
}

} // namespace

std::vector<ReportChoice> ExpensesReport::choices() const
{
    return {wordChoice(QStringLiteral("--order-by"), kOrder,
        {QStringLiteral("campaign"), QStringLiteral("description"), QStringLiteral("payee"), QStringLiteral("category")})};
}

std::optional<QString> ExpensesReport::prepare(AppState &state, const ReportParameters &parameters) const
{
    const QString select = QStringLiteral("Select Expenses.*, %1 As [GroupName], Case When [Expenses Include Flag] <> 0 Then 'Y' "
                                          "Else 'N' End As [Included] From Expenses Where [Expenses Campaign Year] = ?")
                               .arg(groupSql(word(parameters, kOrder, QStringLiteral("campaign"))));
    if (!rebuild(state.data, QStringLiteral("rptExpenses"), select, {parameters.campaign.year}))
        return failedMessage();
    if (rowCount(state.data, QStringLiteral("rptExpenses")) == 0)
        return QStringLiteral("No Expenses found for selected criteria.");
    return std::nullopt;
}

ReportRequest ExpensesReport::request(const AppState &state, const ReportParameters &parameters) const
{
    const QString order = word(parameters, kOrder, QStringLiteral("campaign"));
    ReportRequest request = titledRequest(state, layoutNames()[0], parameters,
                                          {QStringLiteral("Expenses"), QStringLiteral("Year %1").arg(parameters.campaign.year),
                                           QStringLiteral("by %1").arg(order)});
    const QString byCampaign = QStringLiteral("[Expenses Campaign Year], [Expenses Campaign Number], [Expenses Counter]");
    request.set(QStringLiteral("OrderBy"), order == QLatin1String("campaign")
                                               ? QStringLiteral(" Order By ") + byCampaign
                                               : QStringLiteral(" Order By [GroupName], ") + byCampaign);
    return request;
}

Document ExpensesReport::layOut(AppState &state, const ReportRequest &request) const
{
    using Format = TabularLayout::Format;
    TabularLayout table = listLayout(state, request);
    table.source(QStringLiteral("Select *, 'C' || [Expenses Campaign Number] As [CampaignShort] From [rptExpenses] ")
                 + request.text(QStringLiteral("OrderBy")))
        .groupBy(QStringLiteral("GroupName"), QStringLiteral("%1"), QStringLiteral("Total %1"))
        .grandTotal(QStringLiteral("Total expenses"));
    addColumns(table, {col(QStringLiteral("CampaignShort"), QStringLiteral("Campaign"), 54),
                       col(QStringLiteral("Expenses Date"), QStringLiteral("Date"), 66, Format::Date),
                       col(QStringLiteral("Expenses Description"), QStringLiteral("Description"), 140),
                       col(QStringLiteral("Expenses Payee"), QStringLiteral("Payee"), 100),
                       col(QStringLiteral("Expenses Category"), QStringLiteral("Category"), 80),
                       col(QStringLiteral("Included"), QStringLiteral("Incl."), 30),
                       col(QStringLiteral("Expenses Amount"), QStringLiteral("Amount"), 70, Format::Money, true)});
    return table.layOut(state.data, QStringLiteral("Expenses"));
}

} // namespace zel::reports::catalogue
