#include "reports/catalogue/points_report.h"

#include "session/app_state.h"

namespace zel::reports::catalogue {

std::vector<ReportChoice> PointsReport::choices() const
{
    return {helperChoice(),
            yesNoChoice(QStringLiteral("--ordered"), kOrdered),
            wordChoice(QStringLiteral("--status"), kStatus,
                       {QStringLiteral("all"), QStringLiteral("active"), QStringLiteral("closed"), QStringLiteral("deleted")}),
            yesNoChoice(QStringLiteral("--no-points"), kNoPoints),
            wordChoice(QStringLiteral("--sort"), kSort, {QStringLiteral("name"), QStringLiteral("number"), QStringLiteral("points")})};
}

std::optional<QString> PointsReport::prepare(AppState &state, const ReportParameters &parameters) const
{
    QStringList sum;
    for (int i = 1; i <= 9; ++i)
        sum << QStringLiteral("Coalesce([Customers Points%1], 0)").arg(i);
    QVariantList values;
    QString select = QStringLiteral("Select * From (Select Customers.*, %1 As [CustomerName], %2 As [TotalPoints] From Customers "
                                    "Where 1 = 1 ")
                         .arg(lastFirstSql(), sum.join(QStringLiteral(" + ")));
    select += statusClause(QStringLiteral("[Customers Status]"), text(parameters, kStatus, QStringLiteral("all")), values);
    select += helper(parameters).clause(QStringLiteral("Customers Business Helper Number"), values);
    if (flag(parameters, kOrdered)) {
        select += QStringLiteral(" And Exists (Select 1 From Orders Where [Orders Customer Number] = Customers.[Customers Number] "
                                 "And [Orders Campaign Year] = ? And [Orders Campaign Number] = ? And [Orders Internal Flag] = 'DETAIL' "
                                 "And Coalesce([Orders BackOrder Flag], '') <> 'P') ");
        values << parameters.campaign.year << parameters.campaign.number;
    }
    select += QStringLiteral(")");
    if (!flag(parameters, kNoPoints))
        select += QStringLiteral(" Where [TotalPoints] <> 0");
    if (!rebuild(state.data, QStringLiteral("rptPoints"), select, values))
        return failedMessage();
    if (rowCount(state.data, QStringLiteral("rptPoints")) == 0)
        return QStringLiteral("No customers found for current criteria.");
    return std::nullopt;
}

ReportRequest PointsReport::request(const AppState &state, const ReportParameters &parameters) const
{
    ReportRequest request = titledRequest(state, layoutNames()[0], parameters,
                                          {QStringLiteral("Customer Points"),
                                           flag(parameters, kOrdered) ? QStringLiteral("Customers who ordered in ")
                                                                            + campaignLine(parameters.campaign)
                                                                      : QString()});
    const QString sort = word(parameters, kSort, QStringLiteral("name"));
    const QString byName = QStringLiteral("[Customers Last Name], [Customers First Name], [Customers Number]");
    if (sort == QLatin1String("number"))
        request.set(QStringLiteral("OrderBy"), QStringLiteral(" Order By [Customers Number] "));
    else if (sort == QLatin1String("points"))
        request.set(QStringLiteral("OrderBy"), QStringLiteral(" Order By [TotalPoints] Desc, ") + byName);
    else
        request.set(QStringLiteral("OrderBy"), QStringLiteral(" Order By ") + byName);
    return request;
}

Document PointsReport::layOut(AppState &state, const ReportRequest &request) const
{
    using Format = TabularLayout::Format;
    const cOption &o = state.options;
    const QStringList messages{o.PointsMessage1, o.PointsMessage2, o.PointsMessage3, o.PointsMessage4, o.PointsMessage5,
                               o.PointsMessage6, o.PointsMessage7, o.PointsMessage8, o.PointsMessage9};
    TabularLayout table = listLayout(state, request, true);
    table.source(QStringLiteral("Select * From [rptPoints] ") + request.text(QStringLiteral("OrderBy")))
        .grandTotal(QStringLiteral("All customers"));
    std::vector<TabularLayout::Column> columns{col(QStringLiteral("Customers Number"), QStringLiteral("No."), 36, Format::Number),
                                              col(QStringLiteral("CustomerName"), QStringLiteral("Customer"), 140)};
    // The options name each kind of points; a long name wraps in its heading.
    for (int i = 0; i < 9; ++i) {
        const QString heading = messages[i].trimmed().isEmpty() ? QStringLiteral("Points %1").arg(i + 1) : messages[i].trimmed().left(30);
        columns.push_back(col(QStringLiteral("Customers Points%1").arg(i + 1), heading, 54, Format::Number, true));
    }
    columns.push_back(col(QStringLiteral("TotalPoints"), QStringLiteral("Total"), 56, Format::Number, true));
    addColumns(table, columns);
    return table.layOut(state.data, QStringLiteral("Points"));
}

} // namespace zel::reports::catalogue
