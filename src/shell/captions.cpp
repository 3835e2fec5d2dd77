#include "shell/captions.h"

namespace zel {

QString Gs_Caption_Replace(const QString &caption)
{
    QString text = Gs_Tooltip_Replace(caption);
    return text.replace(QLatin1String("@@@@@"), QLatin1String("Corvessa"));
}

QString Gs_Tooltip_Replace(const QString &tooltip)
{
    QString text = tooltip;
    return text.replace(QLatin1String("####"), QLatin1String("Campaign"));
}

QString Gs_Window_Title(int campaignNumber, int campaignYear, const QString &version)
{
    if (campaignNumber == 0)
        return {};
    return QStringLiteral("ZEL  (Campaign %1 For %2) - Version %3").arg(campaignNumber).arg(campaignYear).arg(version);
}

} // namespace zel
