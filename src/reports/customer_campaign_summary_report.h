#pragma once

#include "reports/report.h"

namespace zel::reports {

// Every order total of one customer, the latest year first, with the year-to-date total of the
// current year: the print of the customer #### summary screen ("rptCustomerCampaignSummary").
class CustomerCampaignSummaryReport : public Report
{
public:

    QString name() const override { return QStringLiteral("customer-campaigns"); }
    QString title() const override { return QStringLiteral("Customer campaign summary"); }
    QString description() const override { return QStringLiteral("every order total of a customer, campaign by campaign"); }
    QStringList layoutNames() const override { return {QStringLiteral("rptCustomerCampaignSummary")}; }
    std::vector<ReportOption> options() const override;

    std::optional<QString> prepare(AppState &state, const ReportParameters &parameters) const override;
    ReportRequest request(const AppState &state, const ReportParameters &parameters) const override;
    Document layOut(AppState &state, const ReportRequest &request) const override;
};

} // namespace zel::reports
