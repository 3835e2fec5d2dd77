#pragma once

#include "reports/report.h"

namespace zel::reports {

// One customer's order comments, campaign by campaign, of the current year or of every year
// ("rptOrderComments").
class OrderCommentsReport : public Report
{
public:
    // true: every year, not only the year of the parameters' campaign.
    static inline const QString kAllYears = QStringLiteral("AllYears");
    QString name() const override { return QStringLiteral("order-comments"); }
    QString title() const override { return QStringLiteral("Order comments"); }
    QString description() const override { return QStringLiteral("a customer's order comments, of the campaign's year or (--all-years) of every year"); }
    QStringList layoutNames() const override { return {QStringLiteral("rptOrderComments")}; }
    std::vector<ReportOption> options() const override;
    std::vector<ReportChoice> choices() const override;
    std::optional<QString> prepare(AppState &state, const ReportParameters &parameters) const override;
    ReportRequest request(const AppState &state, const ReportParameters &parameters) const override;
    Document layOut(AppState &state, const ReportRequest &request) const override;
};

} // namespace zel::reports
