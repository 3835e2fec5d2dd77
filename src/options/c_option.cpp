#include "options/c_option.h"

namespace zel {

namespace {
constexpr int kHighestCampaignNumber = 30;
}

bool cOption::CampaignIncrement()
{
    if (CurrentCampaignNumber + 1 > kHighestCampaignNumber)
        return false;
    ++CurrentCampaignNumber;
    return true;
}

bool cOption::CampaignDecrement()
{
    if (CurrentCampaignNumber - 1 < 1)
        return false;
    --CurrentCampaignNumber;
    return true;
}

} // namespace zel
