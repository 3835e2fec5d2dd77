#include "reports/catalogue/discounts_report.h"

#include "session/app_state.h"

namespace zel::reports::catalogue {

namespace {

const QString kKindName = QStringLiteral(
    "Case [Orders Internal Flag] When 'LDISCOUNT2' Then 'Line Discounts' When 'DISCOUNT' Then 'Order Discounts' "
    "When 'HELPERDISC' Then 'Helper Discounts' When 'SPECIALCHG' Then 'Special Charges and Credits' "
    "Else 'Flat Charges' End");

} // namespace

std::vector<ReportChoice> DiscountsReport::choices() const
{
    return {helperChoice(),
            wordChoice(QStringLiteral("--kind"), kKind,
                {QStringLiteral("all"), QStringLiteral("line"), QStringLiteral("order"), QStringLiteral("charges")}),
            yesNoChoice(QStringLiteral("--summary"), kSummary)};
}

QStringList DiscountsReport::flagsOf(const QString &kind)
{
    const QStringList line{QStringLiteral("LDISCOUNT2")};
    const QStringList order{QStringLiteral("DISCOUNT"), QStringLiteral("HELPERDISC")};
    const QStringList charges{QStringLiteral("SPECIALCHG"), QStringLiteral("FLATCHG")};
    if (kind == QLatin1String("line"))
        return line;
    if (kind == QLatin1String("order"))
        return order;
    if (kind == QLatin1String("charges"))
        return charges;
    return line + order + charges;
}

std::optional<QString> DiscountsReport::prepare(AppState &state, const ReportParameters &parameters) const
{
    QVariantList values{parameters.campaign.year, parameters.campaign.number};
    const QStringList flags = flagsOf(word(parameters, kKind, QStringLiteral("all")));
    QStringList marks;
    for (const QString &f : flags) {
        marks << QStringLiteral("?");
        values << f;
    }
    QString select = QStringLiteral("Select Orders.*, %1 As [CustomerName], %2 As [Kind], "
                                    "Trim(Replace(Coalesce([Orders Product], ''), '**', '')) As [Description] "
                                    "From Orders Inner Join Customers On Customers.[Customers Number] = Orders.[Orders Customer Number] "
                                    "Where [Orders Campaign Year] = ? And [Orders Campaign Number] = ? "
                                    "And [Orders Internal Flag] In (%3) And Coalesce([Orders Unit Total], 0) <> 0 ")
                         .arg(lastFirstSql(QStringLiteral("Customers")), kKindName, marks.join(QStringLiteral(", ")));
    select += helper(parameters).clause(QStringLiteral("Customers Business Helper Number"), values);
    cDataAccess &data = state.data;
    if (!rebuild(data, QStringLiteral("rptDiscountsA"), select, values)
        || !rebuild(data, QStringLiteral("rptDiscountsB"),
                    QStringLiteral("Select [Kind], Count(*) As [Orders], Sum([Orders Unit Total]) As [Amount] "
                                   "From [rptDiscountsA] Group By [Kind]")))
        return failedMessage();
    if (rowCount(data, QStringLiteral("rptDiscountsA")) == 0)
        return QStringLiteral("No details found for the selected criteria.");
    return std::nullopt;
}

ReportRequest DiscountsReport::request(const AppState &state, const ReportParameters &parameters) const
{
    const bool summary = flag(parameters, kSummary);
    ReportRequest request = titledRequest(state, layoutNames()[summary ? 1 : 0], parameters,
                                          {summary ? QStringLiteral("Discount Summary") : QStringLiteral("Discounts and Charges"),
                                           campaignLine(parameters.campaign)});
    request.set(QStringLiteral("OrderBy"), summary ? QStringLiteral(" Order By [Kind] ")
                                                   : QStringLiteral(" Order By [Kind], [CustomerName], [Orders Customer Number], "
                                                                    "[Orders Order Number], [Orders Sequence Number] "));
    return request;
}

Document DiscountsReport::layOut(AppState &state, const ReportRequest &request) const
{
    using Format = TabularLayout::Format;
    TabularLayout table = listLayout(state, request);
    const QString orderBy = request.text(QStringLiteral("OrderBy"));
    if (request.text(QStringLiteral("ReportName")) == layoutNames()[1]) {
        table.source(QStringLiteral("Select * From [rptDiscountsB] ") + orderBy).grandTotal(QStringLiteral("Net of all kinds"));
        addColumns(table, {col(QStringLiteral("Kind"), QStringLiteral("Kind"), 220),
                           col(QStringLiteral("Orders"), QStringLiteral("Orders"), 80, Format::Number, true),
                           col(QStringLiteral("Amount"), QStringLiteral("Amount"), 110, Format::Money, true)});
    } else {
        table.source(QStringLiteral("Select * From [rptDiscountsA] ") + orderBy)
            .groupBy(QStringLiteral("Kind"), QStringLiteral("%1"), QStringLiteral("Total %1"))
            .grandTotal(QStringLiteral("Net of all kinds"));
        addColumns(table, {col(QStringLiteral("Orders Customer Number"), QStringLiteral("No."), 36, Format::Number),
                           col(QStringLiteral("CustomerName"), QStringLiteral("Name"), 150),
                           col(QStringLiteral("Orders Order Number"), QStringLiteral("Order"), 40, Format::Number),
                           col(QStringLiteral("Description"), QStringLiteral("Description"), 200),
                           col(QStringLiteral("Orders Unit Total"), QStringLiteral("Amount"), 90, Format::Money, true)});
    }
    return table.layOut(state.data, QStringLiteral("Discounts"));
}

} // namespace zel::reports::catalogue
