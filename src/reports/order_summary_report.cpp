#include "reports/order_summary_report.h"

#include "reports/earnings_report.h"
#include "reports/order_summary.h"
#include "reports/order_summary_file.h"
#include "reports/report_fonts.h"
#include "reports/report_titles.h"
#include "reports/tabular_layout.h"
#include "session/app_state.h"

namespace zel::reports {

namespace {

using Format = TabularLayout::Format;
using Output = OrderSummarySelection::Output;

const QString kStandard = QStringLiteral("rptOrderSummary");
const QString kVerify = QStringLiteral("rptOrderSummaryVerify");
const QString kFax = QStringLiteral("rptOrderSummaryFax");

TabularLayout::Column column(const char *field, const char *heading, double width, Format format = Format::Text,
                             bool totalled = false)
{
    return {QLatin1String(field), QLatin1String(heading), width, format, totalled, 0, {}, {}, {}};
}

// The columns of each layout: the standard list, the verify list with a box to tick per line, and
// the fax with the catalog number and quantity first in a larger face.
std::vector<TabularLayout::Column> columnsOf(const QString &layout, bool perCustomer)
{
    const double customer = perCustomer ? 40 : 0;
    if (layout == kFax)
        return {column("Orders Catalog Number", "Product #", 90), column("SumOfOrders Quanity", "Qty", 45, Format::Number, true),
                column("Orders Page", "Page", 45), column("Description", "Description", 360 - customer)};
    std::vector<TabularLayout::Column> columns{
        column("Orders From Campaign", "From", 34, Format::Number), column("Orders Page", "Page", 38),
        column("Orders Catalog Number", "Product #", 66), column("Orders Product", "Product", 150 - customer),
        column("Orders Shade", "Shade", 70),
        column("Orders Size", "Size", 46),
        column("SumOfOrders Quanity", "Qty", 40, Format::Number, true),
        column("TotalOfOrders", "Total", 66, Format::Money, true)};
    if (layout == kVerify) {
        // Wide enough for its heading in the bold heading face.
        columns[3].width -= 44;
        columns.push_back(column("Verified", "Verified", 44));
    }
    if (perCustomer)
        columns.insert(columns.begin(), column("Orders Customer Number", "Cust", customer, Format::Number));
    return columns;
}

} // namespace

QStringList OrderSummaryReport::layoutNames() const
{
    return {kStandard, kVerify, kFax};
}

std::vector<ReportChoice> OrderSummaryReport::choices() const
{
    using S = OrderSummarySelection;
    return {ReportChoice::valued(QStringLiteral("--type"), S::kKind, {QStringLiteral("regular"), QStringLiteral("returns"), QStringLiteral("backorders")}),
            ReportChoice::valued(QStringLiteral("--summary"), S::kSummary, {QStringLiteral("all"), QStringLiteral("non-summarized")}),
            ReportChoice::valued(QStringLiteral("--sort"), S::kSort, {QStringLiteral("page"), QStringLiteral("product")}),
            ReportChoice::flagged(QStringLiteral("--no-page-numbers"), S::kNoPages),
            ReportChoice::valued(QStringLiteral("--layout"), S::kOutput, {QStringLiteral("standard"), QStringLiteral("verify"), QStringLiteral("fax")}),
            ReportChoice::valued(QStringLiteral("--data-file"), S::kDataFile, {}, QStringLiteral("OUT.TXT")),
            ReportChoice::valued(QStringLiteral("--mark-summarized"), S::kMark, {QStringLiteral("yes"), QStringLiteral("no")}),
            helperChoice()};
}

std::optional<QString> OrderSummaryReport::prepare(AppState &state, const ReportParameters &parameters) const
{
    const std::optional<QString> message = prepareOrderSummary(state.data, OrderSummarySelection::of(parameters));
    m_customers = message ? 0 : summaryCustomerCount(state.data);
    return message;
}

ReportRequest OrderSummaryReport::request(const AppState &state, const ReportParameters &parameters) const
{
    const OrderSummarySelection selection = OrderSummarySelection::of(parameters);
    const QString layout = selection.output == Output::DataFile ? kStandard : selection.layoutName();
    ReportRequest request = ReportRequest::common(state, layout, parameters.view);
    request.set(QStringLiteral("Title1"), QString());
    request.set(QStringLiteral("Title2"), campaignTitleTwoDigits(selection.campaign.year, selection.campaign.number));
    request.set(QStringLiteral("Title3"), selection.describe());
    request.set(QStringLiteral("CustomerOrders"), qint16(m_customers));
    request.set(QStringLiteral("PerCustomer"), selection.kind != OrderSummarySelection::Kind::Regular);
    request.set(QStringLiteral("OrderBy"), selection.orderBy());
    return request;
}

Document OrderSummaryReport::layOut(AppState &state, const ReportRequest &request) const
{
    const cOption &o = state.options;
    const QString layout = request.text(QStringLiteral("ReportName"));
    TabularLayout table(PageSetup::fromOptions(o.PaperType, QString(), QString()));
    ReportFont body = reportFont(state.settings, kStandard, table.definition().font);
    if (layout == kFax)
        body.pointSize += 2; // read over a fax line
    table.font(reportFont(state.settings, layout == kStandard ? kStandard : layout == kVerify ? QStringLiteral("rptOrderSummaryC0")
                                                                                              : QStringLiteral("rptOrderSummaryC1"),
                          body))
        .source(QStringLiteral("Select *, Trim(Coalesce([Orders Product], '') || ' ' || Coalesce([Orders Shade], '') || ' ' || "
                               "Coalesce([Orders Size], '')) As [Description], '[   ]' As [Verified] From [rptOrderSummary] ")
                + request.text(QStringLiteral("OrderBy")))
        .title(request.text(QStringLiteral("Title1")).isEmpty() ? QStringLiteral("Order Summary") : request.text(QStringLiteral("Title1")))
        .subtitle(request.text(QStringLiteral("Title2")))
        .subtitle(request.text(QStringLiteral("Title3")))
        .subtitle(QStringLiteral("Customer Orders: %1").arg(request.value(QStringLiteral("CustomerOrders")).toInt()))
        .grandTotal(QStringLiteral("Order Total"))
        .footerNote(o.RepName);
    for (const TabularLayout::Column &c : columnsOf(layout, request.flag(QStringLiteral("PerCustomer"))))
        table.column(c);
    return table.layOut(state.data, QStringLiteral("Order Summary"));
}

bool OrderSummaryReport::producesPages(const ReportParameters &parameters) const
{
    return OrderSummarySelection::of(parameters).output != Output::DataFile;
}

void OrderSummaryReport::finish(AppState &state, const ReportParameters &parameters) const
{
    const OrderSummarySelection selection = OrderSummarySelection::of(parameters);
    if (selection.output == Output::DataFile
        && !OrderSummaryFile::exportFile(state, parameters.choices.value(OrderSummarySelection::kDataFile).toString()))
        return;
    askMarkSummarized(state, selection, parameters.choices.value(OrderSummarySelection::kMark).toString());
}

} // namespace zel::reports
