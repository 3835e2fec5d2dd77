#pragma once

#include <QSizeF>
#include <QString>

namespace zel::reports {

// The paper and margins of a report, in points.
struct PageSetup
{
    QSizeF size{612, 792}; // letter
    double top = 54;
    double bottom = 54;
    double left = 36;
    double right = 36;

    double contentWidth() const { return size.width() - left - right; }
    double contentBottom() const { return size.height() - bottom; }

    // "U" is US letter, "I" is A4; margins are texts like ".75 Inches" or "20 MM".
    static PageSetup fromOptions(const QString &paperType, const QString &topMargin, const QString &bottomMargin);
    // A margin text in points; a text that cannot be read gives three quarters of an inch.
    static double marginPoints(const QString &text);
};

} // namespace zel::reports
