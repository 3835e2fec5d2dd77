#include "utilities/ui/cleanup_page.h"

#include "session/app_state.h"
#include "session/database_commands.h"
#include "shell/captions.h"
#include "utilities/campaign_cleanup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zel {

namespace {
constexpr int kNotChosen = -1;
}

CleanupPage::CleanupPage(AppState &state, QWidget *parent)
    : UtilityPage(state, parent), m_year(new QComboBox(this)), m_campaign(new QComboBox(this)), m_backup(nullptr)
{
    auto *layout = new QHBoxLayout(this);
    auto *what = new QGroupBox(QStringLiteral("Delete"), this);
    auto *whatLayout = new QVBoxLayout(what);
    const char *captions[ChoiceCount] = {"&Orders / Payments / Comments", "Customers ( De&leted Status )",
                                         "Customers ( &Closed Status )", "Produc&ts ", "&Inventory"};
    const char *names[ChoiceCount] = {"optDeleteOrders", "optDeleteDeletedCustomers", "optDeleteClosedCustomers",
                                      "optDeleteProducts", "optDeleteInventory"};
    for (int c = 0; c < ChoiceCount; ++c) {
        m_choices[c] = new QRadioButton(QString::fromLatin1(captions[c]), what);
        m_choices[c]->setObjectName(QString::fromLatin1(names[c]));
        whatLayout->addWidget(m_choices[c]);
    }
    m_choices[Orders]->setChecked(true);
    whatLayout->addStretch();
    layout->addWidget(what);

    auto *which = new QGroupBox(Gs_Caption_Replace(QStringLiteral("Year / ####")), this);
    auto *form = new QFormLayout(which);
    form->addRow(QStringLiteral("&Year"), m_year);
    form->addRow(Gs_Caption_Replace(QStringLiteral("####")).replace(QStringLiteral("Campaign"), QStringLiteral("Ca&mpaign")),
                 m_campaign);
    m_backup = new QCheckBox(QStringLiteral("Perform &Backup Before Delete"), which);
    m_backup->setObjectName(QStringLiteral("chkBackupBeforeDelete"));
    m_backup->setChecked(true);
    form->addRow(m_backup);
    auto *run = new QPushButton(QStringLiteral("&Delete"), which);
    run->setAutoDefault(false);
    connect(run, &QPushButton::clicked, this, &CleanupPage::runDelete);
    form->addRow(run);
    layout->addWidget(which);
    layout->addStretch();
}

void CleanupPage::showCampaign(const Campaign &campaign)
{
    m_year->clear();
    m_year->addItem(QString(), kNotChosen);
    m_year->addItem(QStringLiteral("Base Line"), 0);
    for (const int year : utilities::CampaignCleanup(state()).years())
        m_year->addItem(QString::number(year), year);
    m_campaign->clear();
    m_campaign->addItem(QString(), kNotChosen);
    m_campaign->addItem(QStringLiteral("All"), utilities::CampaignCleanup::kAll);
    for (int n = 1; n <= state().options.LastCampaignNumberOfYear; ++n)
        m_campaign->addItem(QString::number(n), n);
    Q_UNUSED(campaign)
}

std::optional<int> CleanupPage::selected(const QComboBox *box) const
{
    const int value = box->currentData().toInt();
    if (box->currentIndex() < 0 || value == kNotChosen)
        return std::nullopt;
    return value;
}

void CleanupPage::runDelete()
{
    utilities::CampaignCleanup cleanup(state());
    if (m_backup->isChecked() && !cleanup.backUpFirst([this] { return db::DatabaseCommands(state()).Ms_Backup_Database(); }))
        return;
    std::optional<int> year = selected(m_year);
    if (m_choices[Orders]->isChecked()) {
        // The baseline holds products only; it is no year of orders.
        cleanup.deleteOrders(year == 0 ? std::nullopt : year, selected(m_campaign));
    } else if (m_choices[DeletedCustomers]->isChecked()) {
        cleanup.deleteCustomers(QStringLiteral("Deleted"));
    } else if (m_choices[ClosedCustomers]->isChecked()) {
        cleanup.deleteCustomers(QStringLiteral("Closed"));
    } else if (m_choices[Products]->isChecked()) {
        cleanup.deleteProducts(year, selected(m_campaign));
    } else {
        cleanup.deleteInventory();
    }
    const QString chosenYear = m_year->currentText();
    showCampaign({});
    m_year->setCurrentIndex(std::max(0, m_year->findText(chosenYear)));
}

} // namespace zel
