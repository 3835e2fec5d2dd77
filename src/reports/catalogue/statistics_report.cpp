#include "reports/catalogue/statistics_report.h"

#include "reports/catalogue/annual_summary_report.h"
#include "session/app_state.h"

namespace zel::reports::catalogue {

namespace {

bool products(const ReportParameters &parameters, const QString &type)
{
    return type == QLatin1String("products") || parameters.shortLayout;
}

// The range reads like the annual summary's: number 1 of the year to the selected campaign.
ReportParameters asRange(const ReportParameters &parameters)
{
    ReportParameters range = parameters;
    range.choices[AnnualSummaryReport::kFrom] = parameters.choices.value(StatisticsReport::kFrom);
    range.choices[AnnualSummaryReport::kTo] = parameters.choices.value(StatisticsReport::kTo);
    return range;
}

} // namespace

std::vector<ReportChoice> StatisticsReport::choices() const
{
    return {helperChoice(),
            wordChoice(QStringLiteral("--type"), kType, {QStringLiteral("tax"), QStringLiteral("products")}),
            valueChoice(QStringLiteral("--from"), kFrom, QStringLiteral("YYYYCC")),
            valueChoice(QStringLiteral("--to"), kTo, QStringLiteral("YYYYCC"))};
}

bool StatisticsReport::prepareTax(cDataAccess &data, const QString &lines, const QVariantList &values) const
{
    const QString campaign = QStringLiteral("[Orders Campaign Year] As [CYear], [Orders Campaign Number] As [CNumber]");
    // Money sums are rounded to the places money keeps, so no figure depends on the order the rows were read in.
    return rebuild(data, QStringLiteral("rptStatisticsTaxBase1"),
                   QStringLiteral("Select %1, Round(Sum(Case When Coalesce([Orders Tax1], 0) <> 0 Or Coalesce([Orders Tax2], 0) <> 0 Then "
                                  "[Orders Unit Total] Else 0 End), 4) As [TaxableSales], Round(Sum(Case When Coalesce([Orders "
                                  "Tax1], 0) = 0 And Coalesce([Orders Tax2], 0) = 0 Then [Orders Unit Total] Else 0 End), 4) As "
                                  "[NonTaxableSales] ")
                           .arg(campaign)
                       + lines.arg(QStringLiteral("'DETAIL'")) + QStringLiteral(" Group By [CYear], [CNumber]"),
                   values)
        && rebuild(data, QStringLiteral("rptStatisticsTaxBase2"),
                   QStringLiteral("Select %1, Round(Sum(Case When [Orders Internal Flag] = 'TAX' Then [Orders Unit Total] Else 0 "
                                  "End), 4) As [Tax1], Round(Sum(Case When [Orders Internal Flag] = 'TAX2' Then [Orders Unit Total] "
                                  "Else 0 End), 4) As [Tax2] ")
                           .arg(campaign)
                       + lines.arg(QStringLiteral("'TAX', 'TAX2'")) + QStringLiteral(" Group By [CYear], [CNumber]"),
                   values)
        && rebuild(data, QStringLiteral("rptStatisticsTax"),
                   QStringLiteral("Select b.[CYear], b.[CNumber], 'Campaign ' || b.[CNumber] || ' / ' || b.[CYear] As [CampaignName], "
                                  "b.[TaxableSales], b.[NonTaxableSales], Coalesce(t.[Tax1], 0) As [Tax1], "
                                  "Coalesce(t.[Tax2], 0) As [Tax2] From [rptStatisticsTaxBase1] b Left Join [rptStatisticsTaxBase2] t "
                                  "On t.[CYear] = b.[CYear] And t.[CNumber] = b.[CNumber]"));
}

bool StatisticsReport::prepareProducts(cDataAccess &data, const QString &lines, const QVariantList &values) const
{
    return rebuild(data, QStringLiteral("rptStatisticsPSATemp"),
                   QStringLiteral("Select Orders.[Orders Catalog Number], Orders.[Orders Product], Orders.[Orders Shade], "
                                  "Orders.[Orders Size], Orders.[Orders Quanity], Orders.[Orders Unit Total], "
                                  "Orders.[Orders Customer Number] ")
                       + lines.arg(QStringLiteral("'DETAIL'")),
                   values)
        && rebuild(data, QStringLiteral("rptStatisticsPSA"),
                   QStringLiteral("Select Coalesce(Nullif(Trim([Orders Catalog Number]), ''), '-') As [CatalogNumber], "
                                  "Trim(Trim(Coalesce([Orders Product], '')) || ' ' || Trim(Coalesce([Orders Shade], '')) || ' ' || "
                                  "Trim(Coalesce([Orders Size], ''))) As [ProductName], Count(Distinct [Orders Customer Number]) "
                                  "As [Customers], Sum([Orders Quanity]) As [Quantity], Round(Sum([Orders Unit Total]), 4) As [Amount] "
                                  "From [rptStatisticsPSATemp] Group By [CatalogNumber], [ProductName]"));
}

std::optional<QString> StatisticsReport::prepare(AppState &state, const ReportParameters &parameters) const
{
    const ReportParameters range = asRange(parameters);
    QVariantList values;
    // "%1" is the flags of the rows wanted.
    QString lines = QStringLiteral("From Orders Inner Join Customers On Customers.[Customers Number] = Orders.[Orders Customer Number] "
                                   "Where ")
                  + campaignBetween(AnnualSummaryReport::from(range), AnnualSummaryReport::to(range), values, QStringLiteral("Orders."))
                  + QStringLiteral(" And [Orders Internal Flag] In (%1) And Coalesce([Orders BackOrder Flag], '') <> 'P' ");
    lines += helper(parameters).clause(QStringLiteral("Customers Business Helper Number"), values);
    cDataAccess &data = state.data;
    const bool psa = products(parameters, word(parameters, kType, QStringLiteral("tax")));
    if (!(psa ? prepareProducts(data, lines, values) : prepareTax(data, lines, values)))
        return failedMessage();
    if (rowCount(data, psa ? QStringLiteral("rptStatisticsPSA") : QStringLiteral("rptStatisticsTax")) == 0)
        return QStringLiteral("No Order details found.");
    return std::nullopt;
}

ReportRequest StatisticsReport::request(const AppState &state, const ReportParameters &parameters) const
{
    const ReportParameters range = asRange(parameters);
    const Campaign first = AnnualSummaryReport::from(range);
    const Campaign last = AnnualSummaryReport::to(range);
    const bool psa = products(parameters, word(parameters, kType, QStringLiteral("tax")));
    // Statistics always open in the preview.
    ReportParameters shown = parameters;
    shown.view = true;
    ReportRequest request = titledRequest(
        state, layoutNames()[psa ? 1 : 0], shown,
        {psa ? QStringLiteral("Product Sales Activity") : QStringLiteral("Tax Summary"),
         QStringLiteral("Campaign %1 / %2 to Campaign %3 / %4").arg(first.number).arg(first.year).arg(last.number).arg(last.year)});
    request.set(QStringLiteral("OrderBy"), psa ? QStringLiteral(" Order By [CatalogNumber], [ProductName] ")
                                               : QStringLiteral(" Order By [CYear], [CNumber] "));
    return request;
}

Document StatisticsReport::layOut(AppState &state, const ReportRequest &request) const
{
    using Format = TabularLayout::Format;
    TabularLayout table = listLayout(state, request);
    const QString orderBy = request.text(QStringLiteral("OrderBy"));
    if (request.text(QStringLiteral("ReportName")) == layoutNames()[1]) {
        table.source(QStringLiteral("Select * From [rptStatisticsPSA] ") + orderBy).grandTotal(QStringLiteral("All products"));
        addColumns(table, {col(QStringLiteral("CatalogNumber"), QStringLiteral("Product No."), 70),
                           col(QStringLiteral("ProductName"), QStringLiteral("Product"), 260),
                           col(QStringLiteral("Customers"), QStringLiteral("Customers"), 60, Format::Number),
                           col(QStringLiteral("Quantity"), QStringLiteral("Quantity"), 56, Format::Number, true),
                           col(QStringLiteral("Amount"), QStringLiteral("Amount"), 74, Format::Money, true)});
    } else {
        const cOption &o = state.options;
        const QString tax1 = o.TaxDesc1.trimmed().isEmpty() ? QStringLiteral("Tax 1") : o.TaxDesc1.trimmed();
        const QString tax2 = o.TaxDesc2.trimmed().isEmpty() ? QStringLiteral("Tax 2") : o.TaxDesc2.trimmed();
        table.source(QStringLiteral("Select * From [rptStatisticsTax] ") + orderBy).grandTotal(QStringLiteral("All campaigns"));
        addColumns(table, {col(QStringLiteral("CampaignName"), QStringLiteral("Campaign"), 120),
                           col(QStringLiteral("TaxableSales"), QStringLiteral("Taxable Sales"), 100, Format::Money, true),
                           col(QStringLiteral("NonTaxableSales"), QStringLiteral("Non-Taxable Sales"), 100, Format::Money, true),
                           col(QStringLiteral("Tax1"), tax1, 90, Format::Money, true),
                           col(QStringLiteral("Tax2"), tax2, 90, Format::Money, true)});
    }
    return table.layOut(state.data, QStringLiteral("Statistics"));
}

} // namespace zel::reports::catalogue
