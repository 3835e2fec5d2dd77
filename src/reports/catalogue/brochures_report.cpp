#include "reports/catalogue/brochures_report.h"

#include "session/app_state.h"

namespace zel::reports::catalogue {

namespace {

// Lines held as back orders ('P') are not an order of this campaign.
const QString kOrderedIn = QStringLiteral(
    "Exists (Select 1 From Orders Where [Orders Customer Number] = Customers.[Customers Number] And [Orders Campaign Year] = ? "
    "And [Orders Campaign Number] = ? And [Orders Internal Flag] = 'DETAIL' And Coalesce([Orders BackOrder Flag], '') <> 'P')");

} // namespace

std::vector<ReportChoice> BrochuresReport::choices() const
{
    return {helperChoice(),
            valueChoice(QStringLiteral("--brochure-status"), kStatuses, QStringLiteral("A,B,...")),
            valueChoice(QStringLiteral("--brochure-type"), kTypes, QStringLiteral("A,B,...")),
            wordChoice(QStringLiteral("--ordered"), kOrdered,
                {QStringLiteral("all"), QStringLiteral("ordered"), QStringLiteral("not-ordered")}),
            yesNoChoice(QStringLiteral("--summary"), kSummary)};
}

std::optional<QString> BrochuresReport::prepare(AppState &state, const ReportParameters &parameters) const
{
    const Campaign c = parameters.campaign;
    QVariantList values{c.year, c.number};
    QString select = QStringLiteral("Select Customers.*, %1 As [CustomerName], Coalesce(Nullif(Trim([Customers Brochure Type]), ''), "
                                    "'(none)') As [BrochureType], Case When %2 Then 'Y' Else 'N' End As [OrderedThisCampaign] "
                                    "From Customers Where Coalesce([Customers Number Of Books], 0) <> 0 ")
                         .arg(lastFirstSql(), kOrderedIn);
    select += anyOf(QStringLiteral("[Customers Brochure Status]"), list(parameters, kStatuses), values);
    select += anyOf(QStringLiteral("[Customers Brochure Type]"), list(parameters, kTypes), values);
    const QString ordered = word(parameters, kOrdered, QStringLiteral("all"));
    if (ordered == QLatin1String("ordered") || ordered == QLatin1String("not-ordered")) {
        select += (ordered == QLatin1String("ordered") ? QStringLiteral(" And ") : QStringLiteral(" And Not ")) + kOrderedIn;
        values << c.year << c.number;
    }
    select += helper(parameters).clause(QStringLiteral("Customers Business Helper Number"), values);
    cDataAccess &data = state.data;
    if (!rebuild(data, QStringLiteral("rptBrochures"), select, values)
        || !rebuild(data, QStringLiteral("rptBrochureSummary"),
                    QStringLiteral("Select [BrochureType], Count(*) As [Customers], Sum([Customers Number Of Books]) As [Brochures], "
                                   "Sum([OrderedThisCampaign] = 'Y') As [Ordered] From [rptBrochures] Group By [BrochureType]")))
        return failedMessage();
    if (rowCount(data, QStringLiteral("rptBrochures")) == 0)
        return QStringLiteral("No customers found with brochures.");
    return std::nullopt;
}

ReportRequest BrochuresReport::request(const AppState &state, const ReportParameters &parameters) const
{
    const bool summary = flag(parameters, kSummary);
    ReportRequest request = titledRequest(state, layoutNames()[summary ? 1 : 0], parameters,
                                          {summary ? QStringLiteral("Brochure Summary by Type") : QStringLiteral("Brochures"),
                                           campaignLine(parameters.campaign)});
    request.set(QStringLiteral("OrderBy"), summary ? QStringLiteral(" Order By [BrochureType] ")
                                                   : QStringLiteral(" Order By [BrochureType], [Customers Last Name], "
                                                                    "[Customers First Name], [Customers Number] "));
    return request;
}

Document BrochuresReport::layOut(AppState &state, const ReportRequest &request) const
{
    using Format = TabularLayout::Format;
    TabularLayout table = listLayout(state, request);
    const QString orderBy = request.text(QStringLiteral("OrderBy"));
    if (request.text(QStringLiteral("ReportName")) == layoutNames()[1]) {
        table.source(QStringLiteral("Select * From [rptBrochureSummary] ") + orderBy).grandTotal(QStringLiteral("All types"));
        addColumns(table, {col(QStringLiteral("BrochureType"), QStringLiteral("Brochure Type"), 200),
                           col(QStringLiteral("Customers"), QStringLiteral("Customers"), 90, Format::Number, true),
                           col(QStringLiteral("Ordered"), QStringLiteral("Ordered"), 90, Format::Number, true),
                           col(QStringLiteral("Brochures"), QStringLiteral("Brochures"), 90, Format::Number, true)});
    } else {
        table.source(QStringLiteral("Select * From [rptBrochures] ") + orderBy)
            .groupBy(QStringLiteral("BrochureType"), QStringLiteral("Brochure Type: %1"), QStringLiteral("Total %1"));
        addColumns(table, {col(QStringLiteral("Customers Number"), QStringLiteral("No."), 36, Format::Number),
                           col(QStringLiteral("CustomerName"), QStringLiteral("Name"), 150),
                           col(QStringLiteral("Customers Phone 1"), QStringLiteral("Phone"), 110),
                           col(QStringLiteral("Customers Brochure Status"), QStringLiteral("Status"), 100),
                           col(QStringLiteral("OrderedThisCampaign"), QStringLiteral("Ordered"), 50),
                           col(QStringLiteral("Customers Number Of Books"), QStringLiteral("Brochures"), 60, Format::Number, true)});
    }
    return table.layOut(state.data, QStringLiteral("Brochures"));
}

} // namespace zel::reports::catalogue
