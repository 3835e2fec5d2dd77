#pragma once

#include "reports/report.h"

namespace zel::reports {

// Every payment of one customer, campaign by campaign with a total for each and for all: the
// print of the customer payment summary screen ("rptCustomerPaymentSummary").
class CustomerPaymentSummaryReport : public Report
{
public:
    QString name() const override { return QStringLiteral("customer-payments"); }
    QString title() const override { return QStringLiteral("Customer payment summary"); }
    QString description() const override { return QStringLiteral("every payment of a customer, totalled by campaign"); }
    QStringList layoutNames() const override { return {QStringLiteral("rptCustomerPaymentSummary")}; }
    std::vector<ReportOption> options() const override { return {{ReportInput::Customer, true}}; }

    std::optional<QString> prepare(AppState &state, const ReportParameters &parameters) const override;
    ReportRequest request(const AppState &state, const ReportParameters &parameters) const override;
    Document layOut(AppState &state, const ReportRequest &request) const override;
};

} // namespace zel::reports
