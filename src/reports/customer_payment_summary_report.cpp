#include "reports/customer_payment_summary_report.h"

#include "reports/customer_title.h"
#include "reports/report_fonts.h"
#include "reports/tabular_layout.h"
#include "session/app_state.h"

namespace zel::reports {

namespace {

const QString kProcedure = QStringLiteral("Customer Payment Summary");
const QString kLayout = QStringLiteral("rptCustomerPaymentSummary");

} // namespace

std::optional<QString> CustomerPaymentSummaryReport::prepare(AppState &state, const ReportParameters &parameters) const
{
    cDataAccess &data = state.data;
    const QString failed = QStringLiteral("The payment summary could not be prepared.");
    if (!parameters.customer)
        return QStringLiteral("Please select a customer from list.");
    return rebuildReportTable(data, QStringLiteral("rptCustomerPaymentSummary"), QStringLiteral("Select * From [Payments] "
                                                 "Where [Payments Customer Number] = ?"),
                              {*parameters.customer}, QStringLiteral("No payments found for this customer."),
                              failed);
}

ReportRequest CustomerPaymentSummaryReport::request(const AppState &state, const ReportParameters &parameters) const
{
    ReportRequest request = ReportRequest::common(state, kLayout, parameters.view);
    request.set(QStringLiteral("CurrentCustomerNumber"), parameters.customer.value_or(state.currentCustomer));
    request.set(QStringLiteral("Title1"), QStringLiteral("Customer Payment Summary"));
    // The screen's grid order: the latest year first, each campaign's payments in order.
    request.set(QStringLiteral("OrderBy"), QStringLiteral("Order By [Payments Campaign Year] desc , [Payments Campaign Number], "
                                                          "[Payments Order Number], [Payments Sequence] "));
    return request;
}

Document CustomerPaymentSummaryReport::layOut(AppState &state, const ReportRequest &request) const
{
    using Format = TabularLayout::Format;
    const cOption &o = state.options;
    TabularLayout table(PageSetup::fromOptions(o.PaperType, QString(), QString()));
    table.font(reportFont(state.settings, kLayout, table.definition().font))
        .source(QStringLiteral("Select *, ? || ' ' || [Payments Campaign Number] || ' / ' || [Payments Campaign Year] "
                               "As [CampaignName] From [rptCustomerPaymentSummary] ")
                    + request.text(QStringLiteral("OrderBy")),
                {request.text(QStringLiteral("CNAME"))})
        .title(request.text(QStringLiteral("Title1")))
        .subtitle(customerTitleLine(state.data, request.value(QStringLiteral("CurrentCustomerNumber")).toInt()))
        .groupBy(QStringLiteral("CampaignName"), QStringLiteral("%1"), QStringLiteral("Total %1"))
        .column(QStringLiteral("Payments Order Number"), QStringLiteral("Order"), 50, Format::Number)
        .column(QStringLiteral("Payments Sequence"), QStringLiteral("Seq"), 40, Format::Number)
        .column(QStringLiteral("Payments Date"), QStringLiteral("Date"), 80, Format::Date)
        .column(QStringLiteral("Payments Type"), QStringLiteral("Type"), 110)
        .column(QStringLiteral("Payments Check Number"), QStringLiteral("Check Number"), 110)
        .column(QStringLiteral("Payments Deposited"), QStringLiteral("Deposited"), 60)
        .column(QStringLiteral("Payments Amount"), QStringLiteral("Amount"), 90, Format::Money, true)
        .grandTotal(QStringLiteral("Total of all payments"))
        .footerNote(o.RepName);
    return table.layOut(state.data, QStringLiteral("Customer Payment Summary"));
}

} // namespace zel::reports
