#pragma once

#include "reports/report.h"

namespace zel::reports {

struct CampaignGlance;

// The campaign at a glance on paper: the sales bars with her earnings, the figures, and the lists
// behind them (coming dates, customers to call back, short products).
class GlanceReport : public Report
{
public:
    QString name() const override { return QStringLiteral("glance"); }
    QString title() const override { return QStringLiteral("Campaign at a glance"); }
    QString description() const override
    {
        return QStringLiteral("a campaign's sales beside the six before and a year ago, its open orders and balances");
    }
    QStringList layoutNames() const override { return {QStringLiteral("rptGlance")}; }
    std::vector<ReportOption> options() const override { return {{ReportInput::Campaign, false}}; }
    // Nothing to write beforehand: the figures are read again when the pages are laid out.
    std::optional<QString> prepare(AppState &state, const ReportParameters &parameters) const override;
    ReportRequest request(const AppState &state, const ReportParameters &parameters) const override;
    Document layOut(AppState &state, const ReportRequest &request) const override;

    // The pages of a glance already read (the screen prints what it shows).
    static Document pages(AppState &state, const CampaignGlance &glance);
};

} // namespace zel::reports
