#include "reports/customer_order_summary_report.h"

#include "reports/customer_title.h"
#include "reports/report_fonts.h"
#include "reports/tabular_layout.h"
#include "session/app_state.h"

namespace zel::reports {

namespace {
const QString kProcedure = QStringLiteral("Customer Order Summary");
const QString kLayout = QStringLiteral("rptCustomerOrderSummary");
} // namespace

std::vector<ReportOption> CustomerOrderSummaryReport::options() const
{
    return {{ReportInput::Customer, true}, {ReportInput::Campaign}};
}

std::vector<ReportChoice> CustomerOrderSummaryReport::choices() const
{
    return {ReportChoice::flagged(QStringLiteral("--current"), kCurrentOnly)};
}

std::optional<QString> CustomerOrderSummaryReport::prepare(AppState &state, const ReportParameters &parameters) const
{
    cDataAccess &data = state.data;
    if (!parameters.customer)
        return QStringLiteral("Please select a customer from list.");
    const bool currentOnly = parameters.choices.value(kCurrentOnly).toBool();
    QVariantList values{*parameters.customer};
    QString filter;
    if (currentOnly) {
        filter = QStringLiteral(" And [Orders Campaign Year] = ? And [Orders Campaign Number] = ?");
        values << parameters.campaign.year << parameters.campaign.number;
    }
    return rebuildReportTable(data, QStringLiteral("rptCustomerOrderSummary"),
                      QStringLiteral("Select *, Trim(Trim(Coalesce([Orders Product], '')) "
                                     "|| ' ' || Trim(Coalesce([Orders Shade], '')) || ' ' || Trim(Coalesce([Orders Size], ''))) As "
                                     "ProductName From [Orders] Where [Orders Customer Number] = ? And [Orders Internal Flag] = "
                                     "'DETAIL'")
                          + filter,
                              values, QStringLiteral("No orders found for this customer."),
                              QStringLiteral("The order summary could not be prepared."));
}

ReportRequest CustomerOrderSummaryReport::request(const AppState &state, const ReportParameters &parameters) const
{
    ReportRequest request = ReportRequest::common(state, kLayout, parameters.view);
    request.set(QStringLiteral("CurrentCustomerNumber"), parameters.customer.value_or(state.currentCustomer));
    request.set(QStringLiteral("Title1"), QStringLiteral("Customer Order Summary"));
    request.set(QStringLiteral("OrderBy"), QStringLiteral("Order By [Orders Campaign Year], [Orders Campaign Number], "
                                                          "[Orders Sequence Number] "));
    return request;
}

Document CustomerOrderSummaryReport::layOut(AppState &state, const ReportRequest &request) const
{
    using Format = TabularLayout::Format;
    const cOption &o = state.options;
    TabularLayout table(PageSetup::fromOptions(o.PaperType, QString(), QString()));
    table.font(reportFont(state.settings, kLayout, table.definition().font))
        .source(QStringLiteral("Select *, ? || ' ' || [Orders Campaign Number] || ' / ' || [Orders Campaign Year] As "
                               "[CampaignName] From [rptCustomerOrderSummary] ")
                    + request.text(QStringLiteral("OrderBy")),
                {request.text(QStringLiteral("CNAME"))})
        .title(request.text(QStringLiteral("Title1")))
        .subtitle(customerTitleLine(state.data, request.value(QStringLiteral("CurrentCustomerNumber")).toInt()))
        .groupBy(QStringLiteral("CampaignName"), QStringLiteral("%1"), QStringLiteral("Total %1"))
        .column(QStringLiteral("Orders Page"), QStringLiteral("Page"), 50)
        .column(QStringLiteral("Orders Catalog Number"), QStringLiteral("Product #"), 70)
        .column(QStringLiteral("ProductName"), QStringLiteral("Product"), 230)
        .column(QStringLiteral("Orders Quanity"), QStringLiteral("Qty"), 36, Format::Number, true)
        .column(QStringLiteral("Orders Unit Price"), QStringLiteral("Price"), 60, Format::Money)
        .column(QStringLiteral("Orders Unit Total"), QStringLiteral("Total"), 70, Format::Money, true)
        .grandTotal(QStringLiteral("Total of all orders"))
        .footerNote(o.RepName);
    return table.layOut(state.data, QStringLiteral("Customer Order Summary"));
}

} // namespace zel::reports
