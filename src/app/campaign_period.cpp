#include "app/campaign_period.h"

namespace zel {

CampaignPeriod CampaignPeriod::of(const Campaign &campaign, int campaignsPerYear)
{
    const QDate newYear(campaign.year, 1, 1);
    const int days = newYear.daysInYear();
    const auto start = [&](int number) { return newYear.addDays(qint64(number - 1) * days / campaignsPerYear); };
    return {start(campaign.number), start(campaign.number + 1).addDays(-1)};
}

Campaign CampaignPeriod::on(const QDate &day, int campaignsPerYear)
{
    Campaign campaign{day.year(), campaignsPerYear};
    while (campaign.number > 1 && of(campaign, campaignsPerYear).first > day)
        --campaign.number;
    return campaign;
}

} // namespace zel
