#pragma once

#include "reports/ui/report_tab.h"

#include <map>

class QButtonGroup;
class QCheckBox;
class QComboBox;

namespace zel::reports {

// Tab 3: the collection list of the campaign with each customer's balances.
class CampaignSummaryTab : public ReportTab
{
    Q_OBJECT
public:
    explicit CampaignSummaryTab(QWidget *parent = nullptr);
    QString reportName() const override { return QStringLiteral("campaign-summary"); }
    void fill(ReportParameters &parameters) const override;
    void resetDefaults() override;

private:
    QCheckBox *check(const QString &caption, const QString &name);
    QWidget *layoutBox();
    QWidget *printBox();

    QButtonGroup *m_summarized;
    QCheckBox *m_short, *m_landscape, *m_complete, *m_newCustomers, *m_excludeDelivered;
    QComboBox *m_sort, *m_nameOrder, *m_helperNameOrder;
    std::map<QString, QCheckBox *> m_switches; // by the layout switch they set
};

} // namespace zel::reports
