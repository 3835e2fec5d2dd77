#pragma once

#include "core/campaign.h"
#include "reports/glance/campaign_glance.h"
#include "shell/ui/screen_base.h"

#include <optional>
#include <utility>
#include <vector>

class QChartView;
class QLabel;
class QLayout;
class QPushButton;
class QTableWidget;
class QTabWidget;

namespace zel::reports {

// The campaign at a glance: the sales of the campaign beside the six before it and a year ago,
// with her earnings; the open orders and balances, each opening the report that lists them; the
// coming dates, the customers to call back and the short products. Starts at the current campaign.
class GlanceScreen : public ScreenBase
{
    Q_OBJECT

public:
    GlanceScreen(AppState &state, QWidget *parent = nullptr);

    const std::optional<CampaignGlance> &glance() const { return m_glance; }
    void showCampaign(const Campaign &campaign);
    void stepCampaign(bool forward);
    void print();

protected:
    void finishClosing() override;

private:
    std::vector<std::pair<QString, QTableWidget *>> grids() const;
    void restoreGrids();
    QLayout *buildHeader();
    QLayout *buildFigures();
    QWidget *buildLists();
    QLayout *buildButtons();
    void fillChart();
    void fillFigures();
    void fillLists();
    // Opens the registered report `name` for the campaign shown, with `choices`.
    void openReport(const QString &name, const QVariantMap &choices);

    Campaign m_campaign;
    std::optional<CampaignGlance> m_glance;
    QLabel *m_title = nullptr;
    QChartView *m_chart = nullptr;
    QLabel *m_sales = nullptr;
    QPushButton *m_previous = nullptr;
    QPushButton *m_next = nullptr;
    QPushButton *m_typed = nullptr;
    QPushButton *m_undelivered = nullptr;
    QPushButton *m_unpaid = nullptr;
    QPushButton *m_debits = nullptr;
    QPushButton *m_credits = nullptr;
    QPushButton *m_callBack = nullptr;
    QTabWidget *m_tabs = nullptr;
    QTableWidget *m_figures = nullptr;
    QTableWidget *m_unpaidList = nullptr;
    QTableWidget *m_dates = nullptr;
    QTableWidget *m_callBackList = nullptr;
    QTableWidget *m_products = nullptr;
};

} // namespace zel::reports
