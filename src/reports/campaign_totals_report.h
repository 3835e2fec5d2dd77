#pragma once

#include "reports/report.h"

namespace zel::reports {

// One line per campaign of a year: orders, subtotal, discounts, taxes, charges, totals, expenses
// and the amount due to the company ("rptCampaignTotals"). Only campaigns with a Totals row appear.
class CampaignTotalsReport : public Report
{
public:
    // The work tables, in the order they are built.
    static const QStringList &workTables();

    QString name() const override { return QStringLiteral("campaign-totals"); }
    QString title() const override { return QStringLiteral("Campaign totals"); }
    QString description() const override { return QStringLiteral("a year's order sums, expenses and amounts due by campaign"); }
    QStringList layoutNames() const override { return {QStringLiteral("rptCampaignTotals")}; }
    std::vector<ReportOption> options() const override { return {{ReportInput::Campaign, false}}; }

    std::optional<QString> prepare(AppState &state, const ReportParameters &parameters) const override;
    ReportRequest request(const AppState &state, const ReportParameters &parameters) const override;
    Document layOut(AppState &state, const ReportRequest &request) const override;
};

} // namespace zel::reports
