#include "reports/ui/simple_report_tabs.h"

#include "reports/earnings_report.h"
#include "reports/report_parameters.h"
#include "reports/ui/report_tab_widgets.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

namespace zel::reports {

CampaignTotalsTab::CampaignTotalsTab(QWidget *parent) : ReportTab(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(noteLabel(QStringLiteral("One line per #### of the selected year: orders, subtotal, discounts, taxes, "
                                               "charges, totals, expenses and the amount due. Only ####s with an amount due row "
                                               "(typed on the business records screen) are listed.")));
    layout->addStretch();
}

void CampaignTotalsTab::fill(ReportParameters &) const {}

EarningsTab::EarningsTab(QWidget *parent) : ReportTab(parent)
{
    auto *layout = new QVBoxLayout(this);
    m_returns = new QCheckBox(QStringLiteral("Include Return Items (Ne&gative Amounts)"), this);
    m_returns->setObjectName(QStringLiteral("chkEarningsIncludeReturns"));
    layout->addWidget(m_returns);
    layout->addWidget(noteLabel(QStringLiteral("Earnings by type. The tier is chosen by the sales volume of the types counted "
                                               "in the sales total. Choose the blank #### number for the whole year, or the blank "
                                               "year for every year.")));
    layout->addStretch();
}

void EarningsTab::fill(ReportParameters &parameters) const
{
    parameters.choices.insert(EarningsReport::kIncludeReturns, m_returns->isChecked());
}

void EarningsTab::resetDefaults()
{
    m_returns->setChecked(false);
}

} // namespace zel::reports
