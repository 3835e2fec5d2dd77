#pragma once

#include "reports/report_page.h"

#include <functional>

namespace zel::reports {

// A sheet of labels of exact physical size, in inches as label makers give them.
struct LabelSheet
{
    QSizeF paper{8.5, 11};   // inches
    double topMargin = 0.5;  // to the first label's top edge
    double leftMargin = 0.1875;
    QSizeF label{2.625, 1.0}; // one label
    double horizontalPitch = 2.75; // from one label's left edge to the next one's
    double verticalPitch = 1.0;
    int columns = 3;
    int rows = 10;

    int labelsPerPage() const { return columns * rows; }
    // The rectangle of label `index` (0-based, across then down) on its page, in points.
    QRectF labelRect(int index) const;
};

// Lays `count` labels out on as many sheets as they need, `startAt` labels into the first sheet
// (to reuse a partly used sheet); `draw` fills label i inside its rectangle.
Document layOutLabels(const LabelSheet &sheet, int count, int startAt,
                      const std::function<void(Page &, const QRectF &, int index)> &draw, const QString &title);

} // namespace zel::reports
