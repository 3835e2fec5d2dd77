#include "reports/report_titles.h"

namespace zel::reports {

QString campaignTitle(int year, int number)
{
    const QString campaign = number == 0 ? QStringLiteral("All Campaigns") : QStringLiteral("Campaign %1").arg(number);
    const QString yearPart = year == 0 ? QStringLiteral("All Years") : QStringLiteral("Year %1").arg(year);
    return campaign + QStringLiteral(" - ") + yearPart;
}

QString campaignTitleTwoDigits(int year, int number)
{
    return QStringLiteral("Campaign %1 - Year %2").arg(number, 2, 10, QLatin1Char('0')).arg(year);
}

} // namespace zel::reports
