#pragma once

#include "reports/report.h"

namespace zel::reports {

// The product lines of one customer's orders, of every campaign or of the current one only: the
// print of the customer order summary screens ("rptCustomerOrderSummary").
class CustomerOrderSummaryReport : public Report
{
public:
    // true: the campaign of the parameters only.
    static inline const QString kCurrentOnly = QStringLiteral("CurrentOnly");
    QString name() const override { return QStringLiteral("customer-orders"); }
    QString title() const override { return QStringLiteral("Customer order summary"); }
    QString description() const override { return QStringLiteral("the product lines of a customer's orders, of every campaign or (--current) of one"); }
    QStringList layoutNames() const override { return {QStringLiteral("rptCustomerOrderSummary")}; }
    std::vector<ReportOption> options() const override;
    std::vector<ReportChoice> choices() const override;
    std::optional<QString> prepare(AppState &state, const ReportParameters &parameters) const override;
    ReportRequest request(const AppState &state, const ReportParameters &parameters) const override;
    Document layOut(AppState &state, const ReportRequest &request) const override;
};

} // namespace zel::reports
