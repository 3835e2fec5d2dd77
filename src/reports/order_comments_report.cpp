#include "reports/order_comments_report.h"

#include "reports/customer_title.h"
#include "reports/report_fonts.h"
#include "reports/tabular_layout.h"
#include "session/app_state.h"

namespace zel::reports {

namespace {
const QString kProcedure = QStringLiteral("Order Comments");
const QString kLayout = QStringLiteral("rptOrderComments");
} // namespace

std::vector<ReportOption> OrderCommentsReport::options() const
{
    return {{ReportInput::Customer, true}, {ReportInput::Campaign}};
}

std::vector<ReportChoice> OrderCommentsReport::choices() const
{
    return {ReportChoice::flagged(QStringLiteral("--all-years"), kAllYears)};
}

std::optional<QString> OrderCommentsReport::prepare(AppState &state, const ReportParameters &parameters) const
{
    cDataAccess &data = state.data;
    if (!parameters.customer)
        return QStringLiteral("Please select a customer from list.");
    QVariantList values{*parameters.customer};
    QString year;
    if (!parameters.choices.value(kAllYears).toBool()) {
        year = QStringLiteral(" And [Comments Campaign Year] = ?");
        values << parameters.campaign.year;
    }
    // Only comments with something written count: an order's five empty lines are no comment.
    return rebuildReportTable(data, QStringLiteral("rptOrderComments"),
                      QStringLiteral("Select * From [Comments] Where [Comments Customer Number] "
                                     "= ? And [Comments Type] = 'Order'")
                          + year
                          + QStringLiteral(" And Trim(Coalesce([Comments Line0], '') || Coalesce([Comments Line1], '') || "
                                           "Coalesce([Comments Line2], '') || Coalesce([Comments Line3], '') || "
                                           "Coalesce([Comments Line4], '')) <> ''"),
                              values, QStringLiteral("No Order Comments found for this Customer."),
                              QStringLiteral("The order comments could not be prepared."));
}

ReportRequest OrderCommentsReport::request(const AppState &state, const ReportParameters &parameters) const
{
    ReportRequest request = ReportRequest::common(state, kLayout, parameters.view);
    request.set(QStringLiteral("CurrentCustomerNumber"), parameters.customer.value_or(state.currentCustomer));
    request.set(QStringLiteral("Title1"), QStringLiteral("Order Comments"));
    request.set(QStringLiteral("OrderBy"), QStringLiteral(" Order By [Comments Campaign Year], [Comments Campaign Number]"));
    return request;
}

Document OrderCommentsReport::layOut(AppState &state, const ReportRequest &request) const
{
    const cOption &o = state.options;
    // Each comment line of each campaign on a row of its own, under its campaign.
    QStringList lines;
    for (int i = 0; i < 5; ++i)
        lines << QStringLiteral("Select [Comments Campaign Year], [Comments Campaign Number], %1 As LineNo, [Comments Line%1] As "
                                "Line From [rptOrderComments] Where Trim(Coalesce([Comments Line%1], '')) <> ''")
                     .arg(i);
    TabularLayout table(PageSetup::fromOptions(o.PaperType, QString(), QString()));
    table.font(reportFont(state.settings, kLayout, table.definition().font))
        .source(QStringLiteral("Select *, ? || ' ' || [Comments Campaign Number] || ' / ' || [Comments Campaign Year] As "
                               "[CampaignName] From (")
                    + lines.join(QStringLiteral(" Union All "))
                    + QStringLiteral(")") + request.text(QStringLiteral("OrderBy")) + QStringLiteral(", LineNo"),
                {request.text(QStringLiteral("CNAME"))})
        .title(request.text(QStringLiteral("Title1")))
        .subtitle(customerTitleLine(state.data, request.value(QStringLiteral("CurrentCustomerNumber")).toInt()))
        .groupBy(QStringLiteral("CampaignName"), QStringLiteral("%1"), QString())
        .column(QStringLiteral("Line"), QStringLiteral("Comment"), 480)
        .footerNote(o.RepName);
    return table.layOut(state.data, QStringLiteral("Order Comments"));
}

} // namespace zel::reports
