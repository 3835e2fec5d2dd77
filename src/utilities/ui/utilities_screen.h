#pragma once

#include "core/campaign.h"
#include "shell/ui/screen_base.h"

#include <vector>

class QLabel;
class QTabWidget;

namespace zel {

class UtilityPage;

// Zel_Utilities: clean-up, flags, payment posting and product changes, one tab each; the data
// exchange tabs wait disabled for their pages. The screen's campaign steps with its Previous and
// Next buttons, and every page shows it. Its choices live in ZELUTLOPTSINI.600.
class UtilitiesScreen : public ScreenBase
{
    Q_OBJECT
public:
    explicit UtilitiesScreen(AppState &state, QWidget *parent = nullptr);

    QTabWidget *tabs() const { return m_tabs; }
    const Campaign &campaign() const { return m_campaign; }
    // Moves the screen's campaign one step, if every page agrees.
    void stepCampaign(bool forward);
    // The page on the tab of this title (without its '&'), or null.
    UtilityPage *page(const QString &title) const;

protected:
    bool confirmClose() override;
    void finishClosing() override;

private:
    void showCampaign();

    QTabWidget *m_tabs;
    QLabel *m_campaignLabel;
    std::vector<UtilityPage *> m_pages;
    Campaign m_campaign;
};

} // namespace zel
