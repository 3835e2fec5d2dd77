#pragma once

#include "core/campaign.h"
#include "core/currency.h"

#include <QDate>
#include <QString>

#include <optional>
#include <vector>

namespace zel {

class AppState;

namespace reports {

// One bar of the sales chart: a campaign's sales volume and her earnings on it, as the earnings
// report gives them.
struct CampaignSales
{
    Campaign campaign;
    Currency sales;
    Currency earnings;
    bool yearAgo = false; // the same campaign a year before, beside the last six
};

// Customers whose balance as of the campaign is owed to her (debits) or by her (credits).
struct OwedBalances
{
    int customers = 0;
    Currency total; // positive for debits, negative for credits
};

struct ComingDate
{
    QDate day;
    QString description;
    int customer = 0;
    QString name;
};

struct CallBackCustomer
{
    int customer = 0;
    QString name;
    QString lastOrder; // "Campaign 5 / 2008" or "Never"
};

// An order of the campaign not paid in full by the payments carrying its number.
struct UnpaidOrder
{
    int customer = 0;
    QString name;
    int order = 0;
    Currency total;
    Currency owing;
};

struct ShortProduct
{
    QString catalogNumber;
    QString description;
    int lines = 0; // order lines held back; for stock, the quantity on hand
};

// How a campaign went, at a glance: every figure recomputed from the stored rows by the rules of
// the reports that list the same things, so the screen and the reports always agree.
struct CampaignGlance
{
    static constexpr int kPastCampaigns = 6;
    static constexpr int kDateDays = 14;
    static constexpr int kCallBackCampaigns = 3;

    Campaign campaign;
    QDate today;
    // The year-ago campaign first, then the six before this one and this one, oldest to newest.
    std::vector<CampaignSales> sales;
    int ordersTyped = 0;
    int ordersUndelivered = 0;
    int ordersUnpaid = 0;
    Currency unpaidAmount;
    std::vector<UnpaidOrder> unpaidOrders; // by customer name
    OwedBalances debits;
    OwedBalances credits;
    std::vector<ComingDate> dates;
    std::vector<CallBackCustomer> callBack;
    std::vector<ShortProduct> shortProducts; // held back by the company this campaign
    std::vector<ShortProduct> outOfStock;    // her stock items with nothing left on hand

    const CampaignSales &current() const { return sales.back(); }
    // Label and value of every figure, for the text alternative, the command line and the print.
    std::vector<std::pair<QString, QString>> figures() const;
};

// Reads the glance of `campaign` as of `today`. Nothing when a statement failed (logged).
std::optional<CampaignGlance> glanceAt(AppState &state, const Campaign &campaign, const QDate &today);

// "Campaign 5 / 2008".
QString glanceCampaignName(const Campaign &campaign);

} // namespace reports
} // namespace zel
