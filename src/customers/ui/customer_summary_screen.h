#pragma once

#include "core/campaign.h"
#include "customers/customer_summaries.h"
#include "shell/ui/screen_base.h"

class QLabel;
class QStandardItemModel;
class QTableView;

namespace zel {

// One of the customer's summaries from the customer screen's Show menu: her rows in a grid that
// sorts, the campaign steps where the summary follows the campaign, and Preview to print it.
class CustomerSummaryScreen : public ScreenBase
{
    Q_OBJECT
public:
    using Kind = customers::CustomerSummaries::Kind;

    CustomerSummaryScreen(AppState &state, int customer, Kind kind, const Campaign &campaign, QWidget *parent = nullptr);

    QTableView *grid() const { return m_grid; }
    const Campaign &campaign() const { return m_campaign; }
    QString yearToDateText() const;
    void stepCampaign(bool forward);
    void preview();

private:
    QWidget *campaignRow();
    void load();

    int m_customer;
    Kind m_kind;
    Campaign m_campaign;
    QTableView *m_grid;
    QStandardItemModel *m_model;
    QLabel *m_campaignLabel = nullptr;
    QLabel *m_yearToDate = nullptr;
};

} // namespace zel
