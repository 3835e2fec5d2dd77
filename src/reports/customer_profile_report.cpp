#include "reports/customer_profile_report.h"

#include "reports/customer_title.h"
#include "reports/report_fonts.h"
#include "reports/tabular_layout.h"
#include "session/app_state.h"

namespace zel::reports {

namespace {

const QString kProcedure = QStringLiteral("Customer Profile");
const QString kLayout = QStringLiteral("rptCustomerProfile");

// What the profile prints, a line each: the caption and the SQL of its value over rptCustomerProfile.
const std::vector<std::pair<const char *, const char *>> &profileLines()
{
    static const std::vector<std::pair<const char *, const char *>> lines = {
        {"Name", "Trim(Coalesce([Customers First Name], '') || ' ' || Coalesce([Customers Last Name], ''))"},
        {"Status", "[Customers Status]"},
        {"Address", "Trim(Coalesce([Customers House Number], '') || ' ' || Coalesce([Customers Address], ''))"},
        {"City, State, Zip", "Trim(Coalesce([Customers City], '') || ', ' || Coalesce([Customers State], '') || ' ' || "
                             "Coalesce([Customers Zip Code], ''), ', ')"},
        {"Second Address", "Trim(Coalesce([Customers House Number 2], '') || ' ' || Coalesce([Customers Address 2], '') || ' ' "
                           "|| Coalesce([Customers City 2], '') || ' ' || Coalesce([Customers State 2], '') || ' ' || "
                           "Coalesce([Customers Zip Code 2], ''))"},
        {"Phones", "Trim(Coalesce([Customers Phone 1], '') || '  ' || Coalesce([Customers Phone 2], '') || '  ' || "
                   "Coalesce([Customers Phone 3], ''))"},
        {"E-mail", "[Customers Email]"},
        // MM/dd/yyyy, as the other reports print dates.
        {"Customer Since", "Case When Length(Coalesce([Customers Since Date], '')) >= 10 Then substr([Customers Since Date], 6, "
                           "2) || '/' || substr([Customers Since Date], 9, 2) || '/' || substr([Customers Since Date], 1, 4) "
                           "End"},
        {"Discount %", "[Customers Discount Percent]"},
        {"Books / Brochure", "Coalesce([Customers Number Of Books], 0) || '  ' || Coalesce([Customers Brochure Type], '') || "
                             "'  ' || Coalesce([Customers Brochure Status], '')"},
        {"Reporting Area", "[Customers Area]"},
        {"Business Helper", "[Customers Business Helper]"},
        {"Referred By", "[Customers Referred By]"},
        {"Language / Gender", "Coalesce([Customers Language], '') || '  ' || Coalesce([Customers Gender], '')"},
        {"Delivery", "Trim(Coalesce([Customers Delivery Date], '') || ' ' || Coalesce([Customers Delivery Time], '') || ' ' "
                     "|| Coalesce([Customers Delivery Pickup Message], ''))"},
        {"Payment Comments", "[Customers Delivery Payment Comments]"},
        {"Comments", "Trim(Coalesce([Customers Comments0], '') || ' ' || Coalesce([Customers Comments1], '') || ' ' || "
                     "Coalesce([Customers Comments2], '') || ' ' || Coalesce([Customers Comments3], '') || ' ' || "
                     "Coalesce([Customers Comments4], ''))"},
        // Each count after the number of its box on the customer screen ("Points 1" to "Points 9").
        {"Points", "'1: ' || Coalesce([Customers Points1], 0) || '   2: ' || Coalesce([Customers Points2], 0) || '   3: ' || "
                   "Coalesce([Customers Points3], 0) || '   4: ' || Coalesce([Customers Points4], 0) || '   5: ' || "
                   "Coalesce([Customers Points5], 0) || '   6: ' || Coalesce([Customers Points6], 0) || '   7: ' || "
                   "Coalesce([Customers Points7], 0) || '   8: ' || Coalesce([Customers Points8], 0) || '   9: ' || "
                   "Coalesce([Customers Points9], 0)"},
    };
    return lines;
}

// The profile's lines as rows of (Seq, Caption, Value), one select per line.
QString profileRowsSql()
{
    QStringList parts;
    int seq = 0;
    for (const auto &[caption, value] : profileLines())
        parts << QStringLiteral("Select %1 As Seq, '%2' As Caption, Coalesce(%3, '') As Value From [rptCustomerProfile]")
                     .arg(++seq)
                     .arg(QString::fromUtf8(caption), QString::fromUtf8(value));
    return parts.join(QStringLiteral(" Union All ")) + QStringLiteral(" Order By Seq");
}

} // namespace

std::vector<ReportOption> CustomerProfileReport::options() const
{
    return {{ReportInput::Customer, true}};
}

std::optional<QString> CustomerProfileReport::prepare(AppState &state, const ReportParameters &parameters) const
{
    cDataAccess &data = state.data;
    if (!parameters.customer)
        return QStringLiteral("Please select a customer from list.");
    return rebuildReportTable(data, QStringLiteral("rptCustomerProfile"), QStringLiteral("Select * From [Customers] Where "
                                                 "[Customers Number] = ?"),
                              {*parameters.customer}, QStringLiteral("Current customer not found."),
                              QStringLiteral("The customer profile could not be prepared."));
}

ReportRequest CustomerProfileReport::request(const AppState &state, const ReportParameters &parameters) const
{
    ReportRequest request = ReportRequest::common(state, kLayout, parameters.view);
    request.set(QStringLiteral("CurrentCustomerNumber"), parameters.customer.value_or(state.currentCustomer));
    request.set(QStringLiteral("Title1"), QStringLiteral("Customer Profile"));
    return request;
}

Document CustomerProfileReport::layOut(AppState &state, const ReportRequest &request) const
{
    const cOption &o = state.options;
    TabularLayout table(PageSetup::fromOptions(o.PaperType, QString(), QString()));
    table.font(reportFont(state.settings, kLayout, table.definition().font))
        .source(profileRowsSql())
        .title(request.text(QStringLiteral("Title1")))
        .subtitle(customerTitleLine(state.data, request.value(QStringLiteral("CurrentCustomerNumber")).toInt()))
        .column(QStringLiteral("Caption"), QString(), 130)
        .column(QStringLiteral("Value"), QString(), 380)
        .footerNote(o.RepName);
    return table.layOut(state.data, QStringLiteral("Customer Profile"));
}

} // namespace zel::reports
