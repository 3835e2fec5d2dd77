#pragma once

#include "reports/report.h"

namespace zel::reports {

// The campaign's combined order: regular lines, returns or back orders summed by product
// ("rptOrderSummary", "rptOrderSummaryVerify", "rptOrderSummaryFax"), or the data file of
// catalog numbers and quantities. Afterwards it offers to mark the orders as summarized.
class OrderSummaryReport : public Report
{
public:
    QString name() const override { return QStringLiteral("order-summary"); }
    QString title() const override { return QStringLiteral("Order summary"); }
    QString description() const override { return QStringLiteral("the campaign's combined order by product, or its data file"); }
    QStringList layoutNames() const override;
    std::vector<ReportOption> options() const override { return {{ReportInput::Campaign, false}}; }
    std::vector<ReportChoice> choices() const override;

    std::optional<QString> prepare(AppState &state, const ReportParameters &parameters) const override;
    ReportRequest request(const AppState &state, const ReportParameters &parameters) const override;
    Document layOut(AppState &state, const ReportRequest &request) const override;
    bool producesPages(const ReportParameters &parameters) const override;
    void finish(AppState &state, const ReportParameters &parameters) const override;

private:
    mutable int m_customers = 0; // of the last prepare, for its request
};

} // namespace zel::reports
