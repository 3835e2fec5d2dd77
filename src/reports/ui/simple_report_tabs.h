#pragma once

#include "reports/ui/report_tab.h"

class QCheckBox;

namespace zel::reports {

// Tab 1: the campaign totals of the selected year.
class CampaignTotalsTab : public ReportTab
{
    Q_OBJECT
public:
    explicit CampaignTotalsTab(QWidget *parent = nullptr);
    QString reportName() const override { return QStringLiteral("campaign-totals"); }
    void fill(ReportParameters &parameters) const override;
    void resetDefaults() override {}
};

// Tab 10: the earnings of the selected campaign (or of every campaign of a year).
class EarningsTab : public ReportTab
{
    Q_OBJECT
public:
    explicit EarningsTab(QWidget *parent = nullptr);
    QString reportName() const override { return QStringLiteral("earnings"); }
    void fill(ReportParameters &parameters) const override;
    void resetDefaults() override;

private:
    QCheckBox *m_returns;
};

} // namespace zel::reports
