#pragma once

#include "core/currency.h"
#include "reports/report.h"

namespace zel::reports {

// The representative's earnings on a campaign's sales, type by type ("rptEarnings").
class EarningsReport : public Report
{
public:
    static inline const QString kIncludeReturns = QStringLiteral("IncludeReturns"); // bool

    QString name() const override { return QStringLiteral("earnings"); }
    QString title() const override { return QStringLiteral("Earnings report"); }
    QString description() const override { return QStringLiteral("earnings by type on a campaign's sales volume"); }
    QStringList layoutNames() const override { return {QStringLiteral("rptEarnings")}; }
    std::vector<ReportOption> options() const override { return {{ReportInput::Campaign, false}}; }
    bool takesAllCampaigns() const override { return true; }
    std::vector<ReportChoice> choices() const override;

    std::optional<QString> prepare(AppState &state, const ReportParameters &parameters) const override;
    ReportRequest request(const AppState &state, const ReportParameters &parameters) const override;
    Document layOut(AppState &state, const ReportRequest &request) const override;

private:
    // The sales volume of the last prepare, for the request that follows it on the one UI thread.
    mutable Currency m_volume;
};

// The "--helper all|with|without|N" choice several reports share.
ReportChoice helperChoice();

} // namespace zel::reports
