#include "reports/ui/campaign_summary_tab.h"

#include "reports/campaign_summary.h"
#include "reports/campaign_summary_report.h"
#include "reports/report_parameters.h"
#include "reports/ui/report_tab_widgets.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

namespace zel::reports {

namespace {

const QStringList kSorts = {QStringLiteral("Last Name, First Name"), QStringLiteral("Customer Number"),
                            QStringLiteral("Order Total"), QStringLiteral("Delivery Date and Time"),
                            QStringLiteral("First Name, Last Name"), QStringLiteral("Address and Street Number"),
                            QStringLiteral("Reporting Area"), QStringLiteral("Helper Names"), QStringLiteral("Postal Code")};
const QStringList kNameOrders = {QStringLiteral("Last, First"), QStringLiteral("First Last")};

// The layout switches with their captions, in the order the page shows them.
const std::pair<const char *, const char *> kSwitchCaptions[] = {
    {"PrintCustomerNumber", "Print C&ustomer Number"}, {"PrintAddress", "Print Addr&ess"},
    {"IncludePhones", "Include Phones"},             {"IncludeArea", "Include Reporting Area"},
    {"IncludeDelPick", "Include Delivery / Pick Up"}, {"LineItemTotal", "Line Item Total"},
    {"PrintDateTime", "Print Date and Time"},        {"LineSpacing", "Double Line Spacing"},
    {"AllCampaigns", "All ####s (Long Report)"}};

QComboBox *combo(const QString &name, const QStringList &items, QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(name);
    box->addItems(items);
    return box;
}

} // namespace

CampaignSummaryTab::CampaignSummaryTab(QWidget *parent) : ReportTab(parent), m_summarized(new QButtonGroup(this))
{
    auto *grid = new QGridLayout(this);
    grid->addWidget(choiceBox(QStringLiteral("Orders"), m_summarized,
                              {{QStringLiteral("&Both"), QStringLiteral("optCSBoth"), QStringLiteral("all")},
                               {QStringLiteral("Summarized Orders"), QStringLiteral("optCSSummarized"), QStringLiteral("summarized")},
                               {QStringLiteral("Non-Summarized Orders"), QStringLiteral("optCSNonSummarized"), QStringLiteral("non-summarized")}}),
                    0, 0);
    grid->addWidget(layoutBox(), 0, 1);
    grid->addWidget(printBox(), 1, 0, 1, 2);
    grid->setRowStretch(2, 1);
}

QCheckBox *CampaignSummaryTab::check(const QString &caption, const QString &name)
{
    auto *box = new QCheckBox(caption, this);
    box->setObjectName(name);
    return box;
}

QWidget *CampaignSummaryTab::layoutBox()
{
    auto *box = new QGroupBox(QStringLiteral("Report"));
    auto *layout = new QVBoxLayout(box);
    m_short = check(QStringLiteral("Sh&ort Report (No Payments, No Helper Names)"), QStringLiteral("chkCSShort"));
    m_landscape = check(QStringLiteral("Lan&dscape (Short Report)"), QStringLiteral("chkCSLandscape"));
    m_complete = check(QStringLiteral("&Complete Summary Option (Unpaid Older ####s Too)"), QStringLiteral("chkCSComplete"));
    m_newCustomers = check(QStringLiteral("New Customers On&ly"), QStringLiteral("chkCSNewCustomers"));
    m_excludeDelivered = check(QStringLiteral("Exclude Delivered Orders"), QStringLiteral("chkCSExcludeDelivered"));
    for (QCheckBox *c : {m_short, m_landscape, m_complete, m_newCustomers, m_excludeDelivered})
        layout->addWidget(c);
    connect(m_short, &QCheckBox::toggled, m_landscape, &QWidget::setEnabled);
    m_landscape->setEnabled(false);
    return box;
}

QWidget *CampaignSummaryTab::printBox()
{
    auto *box = new QGroupBox(QStringLiteral("Print"));
    auto *grid = new QGridLayout(box);
    auto *form = new QFormLayout;
    m_sort = combo(QStringLiteral("cboCSSort"), kSorts, box);
    m_nameOrder = combo(QStringLiteral("cboCSNameOrder"), kNameOrders, box);
    m_helperNameOrder = combo(QStringLiteral("cboCSHelperNameOrder"), kNameOrders, box);
    form->addRow(QStringLiteral("&Sort by:"), m_sort);
    form->addRow(QStringLiteral("Customer names:"), m_nameOrder);
    form->addRow(QStringLiteral("Helper names:"), m_helperNameOrder);
    m_nameOrder->setAccessibleName(QStringLiteral("Customer names"));
    m_helperNameOrder->setAccessibleName(QStringLiteral("Helper names"));
    grid->addLayout(form, 0, 0, 5, 1);
    int row = 0;
    for (const auto &[key, caption] : kSwitchCaptions) {
        QCheckBox *c = check(QLatin1String(caption), QStringLiteral("chkCS") + QLatin1String(key));
        m_switches[QLatin1String(key)] = c;
        grid->addWidget(c, row % 5, 1 + row / 5);
        ++row;
    }
    return box;
}

void CampaignSummaryTab::fill(ReportParameters &parameters) const
{
    using S = CampaignSummarySelection;
    using R = CampaignSummaryReport;
    parameters.shortLayout = m_short->isChecked();
    parameters.choices.insert(S::kSummarized, checkedValue(m_summarized));
    parameters.choices.insert(S::kComplete, m_complete->isChecked());
    parameters.choices.insert(S::kNewCustomers, m_newCustomers->isChecked());
    parameters.choices.insert(S::kExcludeDelivered, m_excludeDelivered->isChecked());
    parameters.choices.insert(R::kLandscape, m_landscape->isChecked());
    parameters.choices.insert(R::kSort, R::sortNames().value(m_sort->currentIndex()));
    parameters.choices.insert(R::kNameOrder, m_nameOrder->currentIndex() == 1 ? QStringLiteral("FL") : QStringLiteral("LF"));
    parameters.choices.insert(R::kHelperNameOrder, m_helperNameOrder->currentIndex() == 1 ? QStringLiteral("FL") : QStringLiteral("LF"));
    for (const auto &[key, box] : m_switches)
        parameters.choices.insert(key, box->isChecked());
}

void CampaignSummaryTab::resetDefaults()
{
    checkValue(m_summarized, QStringLiteral("all"));
    for (QCheckBox *c : {m_short, m_landscape, m_complete, m_newCustomers, m_excludeDelivered})
        c->setChecked(false);
    for (QComboBox *c : {m_sort, m_nameOrder, m_helperNameOrder})
        c->setCurrentIndex(0);
    for (const auto &[key, box] : m_switches)
        box->setChecked(key == QLatin1String("PrintAddress") || key == QLatin1String("IncludePhones"));
}

} // namespace zel::reports
