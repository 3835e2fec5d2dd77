#include "reports/page_setup.h"

namespace zel::reports {

double PageSetup::marginPoints(const QString &text)
{
    const QString trimmed = text.trimmed();
    const qsizetype blank = trimmed.indexOf(QLatin1Char(' '));
    bool ok = false;
    const double value = (blank < 0 ? trimmed : trimmed.left(blank)).toDouble(&ok);
    if (!ok || value < 0 || value > 300)
        return 54;
    if (trimmed.endsWith(QLatin1String("MM"), Qt::CaseInsensitive))
        return value * 72.0 / 25.4;
    return value * 72.0;
}

PageSetup PageSetup::fromOptions(const QString &paperType, const QString &topMargin, const QString &bottomMargin)
{
    PageSetup setup;
    if (paperType == QLatin1String("I"))
        setup.size = QSizeF(595.28, 841.89); // A4: 210 × 297 mm
    setup.top = marginPoints(topMargin);
    setup.bottom = marginPoints(bottomMargin);
    return setup;
}

} // namespace zel::reports
