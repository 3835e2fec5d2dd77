#pragma once

#include "core/campaign.h"

#include <QDate>

namespace zel {

// The days a sample campaign runs: the year cut into equal periods, the last one ending on 31 December.
struct CampaignPeriod
{
    QDate first;
    QDate last;

    bool contains(const QDate &day) const { return day >= first && day <= last; }
    static CampaignPeriod of(const Campaign &campaign, int campaignsPerYear);
    // The campaign whose period holds `day`.
    static Campaign on(const QDate &day, int campaignsPerYear);
};

} // namespace zel
