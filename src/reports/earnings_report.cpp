#include "reports/earnings_report.h"

#include "reports/earnings_preparation.h"
#include "reports/report_fonts.h"
#include "reports/report_titles.h"
#include "reports/tabular_layout.h"
#include "session/app_state.h"

namespace zel::reports {

namespace {

const QString kLayout = QStringLiteral("rptEarnings");

EarningsSelection selectionOf(const ReportParameters &parameters)
{
    EarningsSelection selection;
    selection.year = parameters.campaign.year;
    selection.number = parameters.campaign.number;
    selection.includeReturns = parameters.choices.value(EarningsReport::kIncludeReturns).toBool();
    selection.helper = HelperFilter::of(parameters);
    return selection;
}

} // namespace

ReportChoice helperChoice()
{
    return ReportChoice::valued(QStringLiteral("--helper"), HelperFilter::kChoice, {}, QStringLiteral("all|with|without|N"));
}

std::vector<ReportChoice> EarningsReport::choices() const
{
    return {ReportChoice::flagged(QStringLiteral("--returns"), kIncludeReturns), helperChoice()};
}

std::optional<QString> EarningsReport::prepare(AppState &state, const ReportParameters &parameters) const
{
    const std::optional<Currency> volume = prepareEarnings(state.data, selectionOf(parameters));
    if (!volume)
        return QStringLiteral("The earnings report could not be prepared.");
    m_volume = *volume;
    return std::nullopt;
}

ReportRequest EarningsReport::request(const AppState &state, const ReportParameters &parameters) const
{
    ReportRequest request = ReportRequest::common(state, kLayout, parameters.view);
    request.set(QStringLiteral("Title1"), QStringLiteral("Earnings Report"));
    request.set(QStringLiteral("Title2"), state.options.RepName);
    request.set(QStringLiteral("Title3"), campaignTitle(parameters.campaign.year, parameters.campaign.number));
    QStringList notes{HelperFilter::of(parameters).describe()};
    if (parameters.choices.value(kIncludeReturns).toBool())
        notes << QStringLiteral("Return Items Included");
    notes.removeAll(QString());
    request.set(QStringLiteral("Title4"), notes.join(QStringLiteral(" - ")));
    request.set(QStringLiteral("RawUnitTotal"), m_volume.toDouble());
    request.set(QStringLiteral("OrderBy"), QStringLiteral("Order By [EarningsTypeCode]"));
    return request;
}

Document EarningsReport::layOut(AppState &state, const ReportRequest &request) const
{
    using Format = TabularLayout::Format;
    const cOption &o = state.options;
    TabularLayout table(PageSetup::fromOptions(o.PaperType, QString(), QString()));
    const Currency volume = Currency::fromDouble(request.value(QStringLiteral("RawUnitTotal")).toDouble());
    TabularLayout::Column percent{QStringLiteral("TypePercent"), QStringLiteral("Percent"), 70, Format::Money, false, 0, {}, {}, {}};
    percent.pattern = QStringLiteral("##0.00");
    table.font(reportFont(state.settings, kLayout, table.definition().font))
        .source(QStringLiteral("Select * From [rptEarnings] ") + request.text(QStringLiteral("OrderBy")))
        .title(request.text(QStringLiteral("Title1")))
        .subtitle(request.text(QStringLiteral("Title2")))
        .subtitle(request.text(QStringLiteral("Title3")))
        .subtitle(request.text(QStringLiteral("Title4")))
        .subtitle(QStringLiteral("Sales volume: %1").arg(volume.format(u"###,###,##0.00")))
        .column(QStringLiteral("EarningsTypeCode"), QStringLiteral("Type"), 45)
        .column(QStringLiteral("EarningsDescripton"), QStringLiteral("Description"), 205)
        .column(QStringLiteral("UnitTotal"), QStringLiteral("Unit Total"), 110, Format::Money, true)
        .column(percent)
        .column(QStringLiteral("EarningsTotal"), QStringLiteral("Earnings"), 110, Format::Money, true)
        .grandTotal(QStringLiteral("Total Earnings"))
        .footerNote(o.RepName);
    return table.layOut(state.data, QStringLiteral("Earnings Report"));
}

} // namespace zel::reports
