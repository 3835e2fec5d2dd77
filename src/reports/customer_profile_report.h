#pragma once

#include "reports/report.h"

namespace zel::reports {

// One customer's record on a page, a line for each thing kept of her ("rptCustomerProfile").
class CustomerProfileReport : public Report
{
public:

    QString name() const override { return QStringLiteral("customer-profile"); }
    QString title() const override { return QStringLiteral("Customer profile"); }
    QString description() const override { return QStringLiteral("everything kept of a customer, on a page"); }
    QStringList layoutNames() const override { return {QStringLiteral("rptCustomerProfile")}; }
    std::vector<ReportOption> options() const override;

    std::optional<QString> prepare(AppState &state, const ReportParameters &parameters) const override;
    ReportRequest request(const AppState &state, const ReportParameters &parameters) const override;
    Document layOut(AppState &state, const ReportRequest &request) const override;
};

} // namespace zel::reports
