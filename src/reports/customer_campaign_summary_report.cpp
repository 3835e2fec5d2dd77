#include "reports/customer_campaign_summary_report.h"

#include "reports/customer_title.h"
#include "reports/report_fonts.h"
#include "reports/tabular_layout.h"
#include "session/app_state.h"

namespace zel::reports {

namespace {
const QString kProcedure = QStringLiteral("Customer Campaign Summary");
const QString kLayout = QStringLiteral("rptCustomerCampaignSummary");
} // namespace

std::vector<ReportOption> CustomerCampaignSummaryReport::options() const
{
    return {{ReportInput::Customer, true}, {ReportInput::Campaign}};
}

std::optional<QString> CustomerCampaignSummaryReport::prepare(AppState &state, const ReportParameters &parameters) const
{
    cDataAccess &data = state.data;
    if (!parameters.customer)
        return QStringLiteral("Please select a customer from list.");
    return rebuildReportTable(data, QStringLiteral("rptCustomerCampaignSummary"), QStringLiteral("Select * From [Orders] Where "
                                                 "[Orders Customer Number] = ? And [Orders Internal Flag] = 'TOTAL'"),
                              {*parameters.customer}, QStringLiteral("No orders found for this customer."),
                              QStringLiteral("The campaign summary could not be prepared."));
}

ReportRequest CustomerCampaignSummaryReport::request(const AppState &state, const ReportParameters &parameters) const
{
    ReportRequest request = ReportRequest::common(state, kLayout, parameters.view);
    request.set(QStringLiteral("CurrentCustomerNumber"), parameters.customer.value_or(state.currentCustomer));
    request.set(QStringLiteral("Title1"), QStringLiteral("Customer ") + request.text(QStringLiteral("CNAME")) + QStringLiteral(" Summary"));
    request.set(QStringLiteral("Year"), parameters.campaign.year);
    request.set(QStringLiteral("OrderBy"), QStringLiteral("Order By [Orders Campaign Year] desc, [Orders Campaign Number], "
                                                          "[Orders Order Number] "));
    return request;
}

Document CustomerCampaignSummaryReport::layOut(AppState &state, const ReportRequest &request) const
{
    using Format = TabularLayout::Format;
    const cOption &o = state.options;
    const int year = request.value(QStringLiteral("Year")).toInt();
    const Currency yearToDate = Currency::fromDouble(
        state.data.scalar(kProcedure, QStringLiteral("Select Sum([Orders Unit Total]) From [rptCustomerCampaignSummary] Where "
                                                     "[Orders Campaign Year] = ?"),
                          {year})
            .toDouble());
    TabularLayout table(PageSetup::fromOptions(o.PaperType, QString(), QString()));
    table.font(reportFont(state.settings, kLayout, table.definition().font))
        .source(QStringLiteral("Select *, [Orders Campaign Year] || ' / ' || [Orders Campaign Number] As [CampaignName], "
                               "Case When [Orders Delivered] = 'Y' Then 'Yes' Else '' End As [DeliveredText] "
                               "From [rptCustomerCampaignSummary] ")
                + request.text(QStringLiteral("OrderBy")))
        .title(request.text(QStringLiteral("Title1")))
        .subtitle(customerTitleLine(state.data, request.value(QStringLiteral("CurrentCustomerNumber")).toInt()))
        .subtitle(QStringLiteral("Year to date (%1): %2").arg(year).arg(yearToDate.format(u"###,###,##0.00")))
        .column(QStringLiteral("CampaignName"), QStringLiteral("Year / ") + request.text(QStringLiteral("CNAME")), 110)
        .column(QStringLiteral("Orders Order Number"), QStringLiteral("Order"), 50, Format::Number)
        .column(QStringLiteral("Orders Entered Date"), QStringLiteral("Entered"), 80, Format::Date)
        .column(QStringLiteral("DeliveredText"), QStringLiteral("Delivered"), 60)
        .column(QStringLiteral("Orders Unit Total"), QStringLiteral("Order Total"), 100, Format::Money, true)
        .grandTotal(QStringLiteral("Total of all orders"))
        .footerNote(o.RepName);
    return table.layOut(state.data, QStringLiteral("Customer Campaign Summary"));
}

} // namespace zel::reports
