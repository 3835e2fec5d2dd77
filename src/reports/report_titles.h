#pragma once

#include <QString>

namespace zel::reports {

// "Campaign 5 - Year 2008"; a 0 stands for every campaign or year ("All Campaigns - Year 2008").
QString campaignTitle(int year, int number);
// "Campaign 05 - Year 2008": the number as two digits, as the order summary heads its pages.
QString campaignTitleTwoDigits(int year, int number);

} // namespace zel::reports
