#include "reports/campaign_summary_report.h"

#include "reports/campaign_summary.h"
#include "reports/earnings_report.h"
#include "reports/report_fonts.h"
#include "reports/report_titles.h"
#include "reports/tabular_layout.h"
#include "session/app_state.h"

namespace zel::reports {

namespace {

using Format = TabularLayout::Format;

const QString kShort = QStringLiteral("rptCampaignSummaryShort");
const QString kShortLandscape = QStringLiteral("rptCampaignSummaryShortLandscape");
const QString kLong = QStringLiteral("rptCampaignSummaryLong");

QString yesNo(bool on)
{
    return on ? QStringLiteral("Y") : QStringLiteral("N");
}

// A name in the chosen order: "FL" first then last, otherwise "Last, First".
QString nameExpression(const QString &first, const QString &last, bool firstLast)
{
    const QString f = QStringLiteral("Trim(Coalesce([%1], ''))").arg(first);
    const QString l = QStringLiteral("Trim(Coalesce([%1], ''))").arg(last);
    if (firstLast)
        return QStringLiteral("Trim(%1 || ' ' || %2)").arg(f, l);
    return QStringLiteral("(Case When %1 = '' Then %2 When %2 = '' Then %1 Else %1 || ', ' || %2 End)").arg(l, f);
}

// The display columns the layouts read, computed in the source query.
QString sourceOf(const ReportRequest &request)
{
    const bool spaced = request.flag(QStringLiteral("LineSpacing"));
    QString customer = nameExpression(QStringLiteral("Customers First Name"), QStringLiteral("Customers Last Name"),
                                      request.text(QStringLiteral("CustomerNameSequence")) == QLatin1String("FL"));
    if (request.flag(QStringLiteral("PrintCustomerNumber")))
        customer = QStringLiteral("%1 || ' (' || [Customers Number] || ')'").arg(customer);
    if (spaced)
        customer += QStringLiteral(" || char(10)");
    const QString helper = nameExpression(QStringLiteral("HelperFirstName"), QStringLiteral("HelperLastName"),
                                          request.text(QStringLiteral("HelperNameSequence")) == QLatin1String("FL"));
    return QStringLiteral("Select *, %1 As [CustomerName], %2 As [HelperName], Trim(Trim(Coalesce([Customers House Number], '') "
                          "|| ' ' || Coalesce([Customers Address], '')) || ' ' || Coalesce([Customers City], '')) As "
                          "[AddressLine], Trim(Coalesce([Customers Phone 1], '') || ' ' || Coalesce([Customers Phone 2], '')) "
                          "As [PhoneLine], Trim(Coalesce([Customers Delivery Pickup Message], '')) As [DelPick] From "
                          "[rptCampaignSummary] ")
        .arg(customer, helper);
}

using Columns = std::vector<TabularLayout::Column>;

TabularLayout::Column column(const QString &field, const QString &heading, double width, Format format = Format::Text)
{
    return {field, heading, width, format, format == Format::Money, 0, {}, {}, {}};
}

double designedWidth(const Columns &columns)
{
    double total = 0;
    for (const auto &c : columns)
        total += c.width;
    return total;
}

// The columns the switches ask for, at the widths that fit their contents in the report's font; the
// layout scales them (and the font) when they are wider than the page.
Columns columnsOf(const ReportRequest &request, bool isLong, double pageWidth)
{
    Columns columns{column(QStringLiteral("CustomerName"), QStringLiteral("Customer"), 120)};
    if (request.flag(QStringLiteral("PrintAddress")))
        columns.push_back(column(QStringLiteral("AddressLine"), QStringLiteral("Address"), 120));
    if (request.flag(QStringLiteral("IncludePhones")))
        columns.push_back(column(QStringLiteral("PhoneLine"), QStringLiteral("Phones"), 80));
    if (request.flag(QStringLiteral("IncludeArea")))
        columns.push_back(column(QStringLiteral("Customers Area"), QStringLiteral("Area"), 50));
    if (request.flag(QStringLiteral("IncludeDelPick")))
        columns.push_back(column(QStringLiteral("DelPick"), QStringLiteral("Del/Pick"), 60));
    columns.push_back(column(QStringLiteral("CampaignYearandNumber"), request.text(QStringLiteral("CNAME")), 60));
    if (request.flag(QStringLiteral("LineItemTotal")))
        columns.push_back(column(QStringLiteral("SelectedDetailTotal"), QStringLiteral("Item Total"), 58, Format::Money));
    columns.push_back(column(QStringLiteral("CurrentOrderTotal"), QStringLiteral("Order Total"), 62, Format::Money));
    if (isLong) {
        columns.push_back(column(QStringLiteral("CurrentPaymentTotal"), QStringLiteral("Payments"), 60, Format::Money));
        columns.push_back(column(QStringLiteral("HelperName"), QStringLiteral("Helper"), 80));
    }
    // Each row's balances are its customer's, so every order of hers repeats them: the totals add
    // each customer's balances as of the selected campaign once.
    columns.push_back(column(QStringLiteral("PreviousBalance"), QStringLiteral("Previous"), 60, Format::Money));
    columns.back().totalField = QStringLiteral("SelectedPreviousBalance");
    columns.back().totalOncePer = QStringLiteral("Customers Number");
    columns.push_back(column(QStringLiteral("RunningBalance"), QStringLiteral("Balance"), 62, Format::Money));
    columns.back().totalField = QStringLiteral("SelectedRunningBalance");
    columns.back().totalOncePer = QStringLiteral("Customers Number");
    // Names, addresses and phones take the room the page has left over.
    const double spare = pageWidth - designedWidth(columns);
    if (spare <= 0)
        return columns;
    const auto yields = [](const TabularLayout::Column &c) {
        return c.format == Format::Text && c.field != QLatin1String("CampaignYearandNumber");
    };
    double textWidth = 0;
    for (const auto &c : columns)
        textWidth += yields(c) ? c.width : 0;
    for (auto &c : columns)
        if (yields(c))
            c.width += spare * c.width / textWidth;
    return columns;
}

} // namespace

const QStringList &CampaignSummaryReport::switchNames()
{
    static const QStringList names = {QStringLiteral("LineSpacing"),   QStringLiteral("PrintDateTime"),
                                      QStringLiteral("PrintCustomerNumber"), QStringLiteral("PrintAddress"),
                                      QStringLiteral("LineItemTotal"), QStringLiteral("IncludeArea"),
                                      QStringLiteral("IncludeDelPick"), QStringLiteral("IncludePhones"),
                                      QStringLiteral("AllCampaigns")};
    return names;
}

const QStringList &CampaignSummaryReport::sortNames()
{
    static const QStringList names = {QStringLiteral("name"), QStringLiteral("number"), QStringLiteral("total"),
                                      QStringLiteral("delivery"), QStringLiteral("first"), QStringLiteral("address"),
                                      QStringLiteral("area"), QStringLiteral("helper"), QStringLiteral("zip")};
    return names;
}

QString CampaignSummaryReport::orderBy(const QString &sort)
{
    const QString campaign = QStringLiteral("[Orders Campaign Year],  [Orders Campaign Number] ");
    const QString byName = QStringLiteral("[Customers Last Name], [Customers First Name], [Customers Number], ");
    const QHash<QString, QString> orders = {
        {QStringLiteral("number"), QStringLiteral("[Customers Number], ")},
        {QStringLiteral("total"), QStringLiteral("[CurrentOrderTotal], ") + byName},
        {QStringLiteral("delivery"), QStringLiteral("[Customers Delivery Date], [Customers Delivery Time], ") + byName},
        {QStringLiteral("first"), QStringLiteral("[Customers First Name], [Customers Last Name], [Customers Number], ")},
        {QStringLiteral("address"), QStringLiteral("[Customers Address], [NumericStreetNumber], ") + byName},
        {QStringLiteral("area"), QStringLiteral("[Customers Area], ") + byName},
        {QStringLiteral("helper"), QStringLiteral("[HelperLastName], [HelperFirstName], ") + byName},
        {QStringLiteral("zip"), QStringLiteral("[Customers Zip Code], ") + byName}};
    return QStringLiteral("Order by ") + orders.value(sort.toLower(), byName) + campaign;
}

QStringList CampaignSummaryReport::layoutNames() const
{
    return {kShort, kShortLandscape, kLong};
}

std::vector<ReportChoice> CampaignSummaryReport::choices() const
{
    using S = CampaignSummarySelection;
    std::vector<ReportChoice> all = {
        ReportChoice::valued(QStringLiteral("--summary"), S::kSummarized, {QStringLiteral("all"), QStringLiteral("summarized"), QStringLiteral("non-summarized")}),
        ReportChoice::flagged(QStringLiteral("--complete"), S::kComplete),
        ReportChoice::flagged(QStringLiteral("--new-customers"), S::kNewCustomers),
        ReportChoice::flagged(QStringLiteral("--exclude-delivered"), S::kExcludeDelivered),
        ReportChoice::flagged(QStringLiteral("--landscape"), kLandscape),
        ReportChoice::valued(QStringLiteral("--sort"), kSort, sortNames()),
        ReportChoice::valued(QStringLiteral("--name-order"), kNameOrder, {QStringLiteral("fl"), QStringLiteral("lf")}),
        ReportChoice::valued(QStringLiteral("--helper-name-order"), kHelperNameOrder, {QStringLiteral("fl"), QStringLiteral("lf")}),
        helperChoice()};
    for (const QString &name : switchNames())
        all.push_back(ReportChoice::flagged(QStringLiteral("--") + name.toLower(), name));
    return all;
}

std::optional<QString> CampaignSummaryReport::prepare(AppState &state, const ReportParameters &parameters) const
{
    return prepareCampaignSummary(state.data, CampaignSummarySelection::of(parameters));
}

ReportRequest CampaignSummaryReport::request(const AppState &state, const ReportParameters &parameters) const
{
    const QVariantMap &c = parameters.choices;
    const QString layout = !parameters.shortLayout ? kLong : c.value(kLandscape).toBool() ? kShortLandscape : kShort;
    ReportRequest request = ReportRequest::common(state, layout, parameters.view);
    const CampaignSummarySelection selection = CampaignSummarySelection::of(parameters);
    request.set(QStringLiteral("Title1"), selection.complete ? QStringLiteral("Complete Campaign Summary") : QStringLiteral("Campaign Summary"));
    request.set(QStringLiteral("Title2"), campaignTitle(parameters.campaign.year, parameters.campaign.number));
    request.set(QStringLiteral("Title3"), selection.helper.describe());
    request.set(QStringLiteral("OrderBy"), orderBy(c.value(kSort).toString()));
    request.set(QStringLiteral("CustomerNameSequence"), c.value(kNameOrder).toString().toUpper() == QLatin1String("FL") ? "FL" : "LF");
    request.set(QStringLiteral("HelperNameSequence"), c.value(kHelperNameOrder).toString().toUpper() == QLatin1String("FL") ? "FL" : "LF");
    for (const QString &name : switchNames())
        if (name != QLatin1String("AllCampaigns") || layout == kLong)
            request.set(name, yesNo(c.value(name).toBool()));
    request.set(QStringLiteral("PrintedAt"), state.now().toString(QStringLiteral("MM/dd/yyyy hh:mm AP")));
    return request;
}

Document CampaignSummaryReport::layOut(AppState &state, const ReportRequest &request) const
{
    const cOption &o = state.options;
    const QString layout = request.text(QStringLiteral("ReportName"));
    PageSetup setup = PageSetup::fromOptions(o.PaperType, QString(), QString());
    if (layout == kShortLandscape)
        setup.size.transpose();
    const bool isLong = layout == kLong;
    // Many print switches ask for more columns than a page is wide: the page turns, and if that is
    // not enough the columns and the font shrink alike, so no cell is cut.
    if (designedWidth(columnsOf(request, isLong, 0)) > setup.contentWidth() * 1.25 && setup.size.width() < setup.size.height())
        setup.size.transpose();
    Columns columns = columnsOf(request, isLong, setup.contentWidth());
    const double scale = qMin(1.0, setup.contentWidth() / designedWidth(columns));
    for (auto &c : columns)
        c.width *= scale;
    TabularLayout table(setup);
    ReportFont font = reportFont(state.settings, layout, table.definition().font);
    font.pointSize *= scale;
    table.font(font)
        .source(sourceOf(request) + request.text(QStringLiteral("OrderBy")))
        .title(request.text(QStringLiteral("Title1")))
        .subtitle(request.text(QStringLiteral("Title2")))
        .subtitle(request.text(QStringLiteral("Title3")))
        .subtitle(request.flag(QStringLiteral("PrintDateTime")) ? QStringLiteral("Printed %1").arg(request.text(QStringLiteral("PrintedAt")))
                                                                : QString())
        .footerNote(o.RepName);
    if (isLong && request.flag(QStringLiteral("AllCampaigns")))
        table.groupBy(QStringLiteral("CustomerName"), QStringLiteral("%1"), QStringLiteral("Total %1"));
    for (const TabularLayout::Column &c : columns)
        table.column(c);
    table.grandTotal(QStringLiteral("Campaign Total"));
    return table.layOut(state.data, request.text(QStringLiteral("Title1")));
}

} // namespace zel::reports
