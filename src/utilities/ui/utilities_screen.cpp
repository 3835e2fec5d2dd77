#include "utilities/ui/utilities_screen.h"

#include "session/app_state.h"
#include "shell/captions.h"
#include "shell/ui/screen_setup.h"
#include "utilities/ui/screen_choices.h"
#include "utilities/ui/utility_page.h"
#include "utilities/ui/utility_pages.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zel {

UtilitiesScreen::UtilitiesScreen(AppState &state, QWidget *parent)
    : ScreenBase(state, QStringLiteral("Zel_Utilities"), parent),
      m_tabs(new QTabWidget(this)),
      m_campaignLabel(new QLabel(this)),
      m_campaign{state.options.CurrentCampaignYear, state.options.CurrentCampaignNumber}
{
    setWindowTitle(QStringLiteral("Utilities"));
    auto *layout = new QVBoxLayout(this);

    auto *top = new QHBoxLayout;
    auto *previous = new QPushButton(QStringLiteral("P&revious ####"), this);
    auto *next = new QPushButton(QStringLiteral("&Next ####"), this);
    previous->setAutoDefault(false);
    next->setAutoDefault(false);
    connect(previous, &QPushButton::clicked, this, [this] { stepCampaign(false); });
    connect(next, &QPushButton::clicked, this, [this] { stepCampaign(true); });
    top->addWidget(previous);
    top->addWidget(m_campaignLabel, 1, Qt::AlignCenter);
    top->addWidget(next);
    layout->addLayout(top);

    for (const UtilityPageEntry &entry : utilityPages()) {
        if (entry.make) {
            UtilityPage *page = entry.make(state, m_tabs);
            m_pages.push_back(page);
            m_tabs->addTab(page, entry.title);
        } else {
            const int index = m_tabs->addTab(new QWidget(m_tabs), entry.title);
            m_tabs->setTabEnabled(index, false);
            m_tabs->setTabToolTip(index, entry.laterTooltip);
        }
    }
    layout->addWidget(m_tabs, 1);
    Gs_Caption_Replace(this);

    resize(1000, 700);
    setUpScreen();
    restoreChoices(this, state.settings.file(settings::kUtilityOptionsIni));
    showCampaign();
}

UtilityPage *UtilitiesScreen::page(const QString &title) const
{
    for (int i = 0; i < m_tabs->count(); ++i)
        if (QString(m_tabs->tabText(i)).remove(QLatin1Char('&')) == title)
            return qobject_cast<UtilityPage *>(m_tabs->widget(i));
    return nullptr;
}

void UtilitiesScreen::showCampaign()
{
    m_campaignLabel->setText(Gs_Caption_Replace(QStringLiteral("#### %1 of %2")).arg(m_campaign.number).arg(m_campaign.year));
    for (UtilityPage *page : m_pages)
        page->showCampaign(m_campaign);
}

void UtilitiesScreen::stepCampaign(bool forward)
{
    for (UtilityPage *page : m_pages)
        if (!page->mayLeave())
            return;
    // The campaign steps within the year, as the main menu's do.
    const int last = state().options.LastCampaignNumberOfYear;
    m_campaign.number = forward ? std::min(last, m_campaign.number + 1) : std::max(1, m_campaign.number - 1);
    showCampaign();
}

bool UtilitiesScreen::confirmClose()
{
    for (UtilityPage *page : m_pages)
        if (!page->mayLeave())
            return false;
    return true;
}

void UtilitiesScreen::finishClosing()
{
    saveChoices(this, state().settings.file(settings::kUtilityOptionsIni));
}

} // namespace zel
