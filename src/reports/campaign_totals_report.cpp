#include "reports/campaign_totals_report.h"

#include "reports/report_fonts.h"
#include "reports/tabular_layout.h"
#include "session/app_state.h"

namespace zel::reports {

namespace {

const QString kProcedure = QStringLiteral("Campaign Totals");
const QString kLayout = QStringLiteral("rptCampaignTotals");

// A sum of the year's computed order rows of some flags, into its own table.
struct FlagSum
{
    const char *table;
    const char *column;
    const char *flags; // SQL list
};

const FlagSum kFlagSums[] = {
    {"rptTempCampaignSummaryDiscount", "SumOfDiscount", "'DISCOUNT'"},
    {"rptTempCampaignSummaryLDiscount2", "SumOfLDiscount2", "'LDISCOUNT2'"},
    {"rptTempCampaignSummarySubTotal", "SumOfSubTotal", "'SUBTOTAL'"},
    {"rptTempCampaignSummaryTax1", "SumOfTax1", "'TAX'"},
    {"rptTempCampaignSummaryTax2", "SumOfTax2", "'TAX2'"},
    {"rptTempCampaignSummarySpecialCharge", "SumOfSpecialCharge", "'FLATCHG', 'SPECIALCHG'"},
    {"rptTempCampaignSummaryCharge", "SumOfCharge", "'CHARGE'"},
    {"rptTempCampaignSummaryTotal", "SumOfTotal", "'TOTAL'"},
};

// Every table joined onto the amount-due table, and its sum column.
const std::pair<const char *, const char *> kJoined[] = {
    {"rptTempCampaignSummaryCount", "CustomerCount"},
    {"rptTempCampaignSummaryDiscount", "SumOfDiscount"},
    {"rptTempCampaignSummaryLDiscount2", "SumOfLDiscount2"},
    {"rptTempCampaignSummarySubTotal", "SumOfSubTotal"},
    {"rptTempCampaignSummaryTax1", "SumOfTax1"},
    {"rptTempCampaignSummaryTax2", "SumOfTax2"},
    {"rptTempCampaignSummarySpecialCharge", "SumOfSpecialCharge"},
    {"rptTempCampaignSummaryCharge", "SumOfCharge"},
    {"rptTempCampaignSummaryTotal", "SumOfTotal"},
    {"rptTempCampaignSummaryExpenses", "SumOfExpenses"},
};

bool runSql(cDataAccess &data, const QString &sql, const QVariantList &values = {})
{
    return data.exec(kProcedure, sql, values);
}

// The year's computed rows summed once by campaign and flag: one pass over Orders instead of one
// per table. It lives in the connection's temporary schema, not in the representative's file.
bool sumYearOnce(cDataAccess &data, int year)
{
    return runSql(data, QStringLiteral("Drop Table If Exists temp.[CampaignTotalsByFlag]"))
        && runSql(data, QStringLiteral("Create Temp Table [CampaignTotalsByFlag] As Select [Orders Campaign Year] As CYear, "
                                    "[Orders Campaign Number] As CNumber, [Orders Internal Flag] As Flag, Sum([Orders Unit "
                                    "Total]) As Amount, Count(*) As Rows From Orders Where [Orders Campaign Year] = ? And "
                                    "[Orders Supplies] = 0 And [Orders Internal Flag] <> 'DETAIL' Group By [Orders Campaign "
                                    "Year], [Orders Campaign Number], [Orders Internal Flag]"),
               {year});
}

bool buildSums(cDataAccess &data, int year)
{
    if (!sumYearOnce(data, year))
        return false;
    bool done = runSql(data, QStringLiteral("Create Table [rptTempCampaignSummaryCount] As Select CYear, CNumber, Sum(Rows) AS "
                                         "CustomerCount From temp.[CampaignTotalsByFlag] Where Flag = 'TOTAL' Group By CYear, CNumber"));
    for (const FlagSum &sum : kFlagSums)
        done = done && runSql(data, QStringLiteral("Create Table [%1] As Select CYear, CNumber, Sum(Amount) AS [%2] From "
                                                "temp.[CampaignTotalsByFlag] Where Flag In (%3) Group By CYear, CNumber")
                                     .arg(QLatin1String(sum.table), QLatin1String(sum.column), QLatin1String(sum.flags)));
    return done
        && runSql(data, QStringLiteral("Create Table [rptTempCampaignSummaryExpenses] As Select [Expenses Campaign Year] As CYear, "
                                    "[Expenses Campaign Number] As CNumber, Sum([Expenses Amount]) AS [SumOfExpenses] From "
                                    "Expenses Where [Expenses Campaign Year] = ? And [Expenses Include Flag] = -1 Group By "
                                    "[Expenses Campaign Year], [Expenses Campaign Number]"),
               {year})
        && runSql(data, QStringLiteral("Create Table [rptTempCampaignSummaryDue] As Select [Totals Campaign Year] As CYear, [Totals "
                                    "Campaign Number] As CNumber, Sum([Totals Due]) AS [SumOfDue] From Totals Where [Totals "
                                    "Campaign Year] = ? Group By [Totals Campaign Year], [Totals Campaign Number]"),
               {year})
        && runSql(data, QStringLiteral("Drop Table If Exists temp.[CampaignTotalsByFlag]"));
}

// Every sum onto the amount-due table: a campaign without a Totals row does not appear.
bool joinOntoDue(cDataAccess &data)
{
    QStringList columns{QStringLiteral("D.CYear"), QStringLiteral("D.CNumber"), QStringLiteral("D.SumOfDue")};
    QString from = QStringLiteral("[rptTempCampaignSummaryDue] D");
    int alias = 0;
    for (const auto &[table, column] : kJoined) {
        const QString name = QStringLiteral("T%1").arg(++alias);
        columns << QStringLiteral("%1.[%2]").arg(name, QLatin1String(column));
        from += QStringLiteral(" LEFT JOIN [%1] %2 ON %2.CNumber = D.CNumber And %2.CYear = D.CYear").arg(QLatin1String(table), name);
    }
    bool done = runSql(data, QStringLiteral("Create Table [rptTempCampaignTotalsUnSorted] As Select %1 From %2")
                              .arg(columns.join(QStringLiteral(", ")), from));
    QStringList sums{QStringLiteral("SumOfDue")};
    for (const auto &joined : kJoined)
        sums << QLatin1String(joined.second);
    for (const QString &sum : sums)
        done = done && runSql(data, QStringLiteral("UPDATE [rptTempCampaignTotalsUnSorted] Set [%1] = 0 WHERE [%1] is Null").arg(sum));
    return done
        && runSql(data, QStringLiteral("Create Table [rptCampaignTotals] As Select * From [rptTempCampaignTotalsUnSorted] Order By "
                                    "CYear, CNumber"));
}

} // namespace

const QStringList &CampaignTotalsReport::workTables()
{
    static const QStringList tables = {
        QStringLiteral("rptTempCampaignSummaryCount"),   QStringLiteral("rptTempCampaignSummaryDiscount"),
        QStringLiteral("rptTempCampaignSummaryLDiscount2"), QStringLiteral("rptTempCampaignSummarySubTotal"),
        QStringLiteral("rptTempCampaignSummaryTax1"),    QStringLiteral("rptTempCampaignSummaryTax2"),
        QStringLiteral("rptTempCampaignSummarySpecialCharge"), QStringLiteral("rptTempCampaignSummaryCharge"),
        QStringLiteral("rptTempCampaignSummaryTotal"),   QStringLiteral("rptTempCampaignSummaryExpenses"),
        QStringLiteral("rptTempCampaignSummaryDue"),     QStringLiteral("rptTempCampaignTotalsUnSorted"),
        QStringLiteral("rptCampaignTotals")};
    return tables;
}

std::optional<QString> CampaignTotalsReport::prepare(AppState &state, const ReportParameters &parameters) const
{
    cDataAccess &data = state.data;
    bool done = true;
    for (const QString &table : workTables())
        done = done && runSql(data, QStringLiteral("Drop Table If Exists [%1]").arg(table));
    done = done && buildSums(data, parameters.campaign.year) && joinOntoDue(data);
    if (!done)
        return QStringLiteral("The campaign totals could not be prepared.");
    return std::nullopt;
}

ReportRequest CampaignTotalsReport::request(const AppState &state, const ReportParameters &parameters) const
{
    ReportRequest request = ReportRequest::common(state, kLayout, parameters.view);
    request.set(QStringLiteral("Title1"), QStringLiteral("Campaign Totals"));
    request.set(QStringLiteral("Title2"), QStringLiteral("Year %1").arg(parameters.campaign.year));
    request.set(QStringLiteral("Title3"), state.options.RepName);
    request.set(QStringLiteral("OrderBy"), QStringLiteral(" Order by [CNumber] "));
    return request;
}

Document CampaignTotalsReport::layOut(AppState &state, const ReportRequest &request) const
{
    using Format = TabularLayout::Format;
    const cOption &o = state.options;
    PageSetup setup = PageSetup::fromOptions(o.PaperType, QString(), QString());
    setup.size.transpose(); // twelve columns: landscape
    TabularLayout table(setup);
    table.font(reportFont(state.settings, kLayout, table.definition().font))
        .source(QStringLiteral("Select * From [rptCampaignTotals] ") + request.text(QStringLiteral("OrderBy")))
        .title(request.text(QStringLiteral("Title1")))
        .subtitle(request.text(QStringLiteral("Title2")))
        .subtitle(request.text(QStringLiteral("Title3")))
        .column(QStringLiteral("CNumber"), request.text(QStringLiteral("CNAME")), 56, Format::Number)
        .column(QStringLiteral("CustomerCount"), QStringLiteral("Orders"), 45, Format::Number, true)
        .column(QStringLiteral("SumOfSubTotal"), QStringLiteral("Subtotal"), 66, Format::Money, true)
        .column(QStringLiteral("SumOfDiscount"), QStringLiteral("Discount"), 58, Format::Money, true)
        .column(QStringLiteral("SumOfLDiscount2"), QStringLiteral("Line Disc."), 58, Format::Money, true)
        .column(QStringLiteral("SumOfTax1"), QStringLiteral("Tax 1"), 55, Format::Money, true)
        .column(QStringLiteral("SumOfTax2"), QStringLiteral("Tax 2"), 50, Format::Money, true)
        .column(QStringLiteral("SumOfCharge"), QStringLiteral("Charge"), 55, Format::Money, true)
        .column(QStringLiteral("SumOfSpecialCharge"), QStringLiteral("Special"), 55, Format::Money, true)
        .column(QStringLiteral("SumOfTotal"), QStringLiteral("Total"), 66, Format::Money, true)
        .column(QStringLiteral("SumOfDue"), QStringLiteral("Amount Due"), 66, Format::Money, true)
        .column(QStringLiteral("SumOfExpenses"), QStringLiteral("Expenses"), 60, Format::Money, true)
        .grandTotal(QStringLiteral("Year Total"))
        .footerNote(o.RepName);
    return table.layOut(state.data, QStringLiteral("Campaign Totals"));
}

} // namespace zel::reports
