#include "reports/label_grid.h"

#include <optional>

namespace zel::reports {

namespace {
constexpr double kPoints = 72.0;
}

QRectF LabelSheet::labelRect(int index) const
{
    const int onPage = index % labelsPerPage();
    const int column = onPage % columns;
    const int row = onPage / columns;
    return QRectF((leftMargin + column * horizontalPitch) * kPoints, (topMargin + row * verticalPitch) * kPoints,
                  label.width() * kPoints, label.height() * kPoints);
}

Document layOutLabels(const LabelSheet &sheet, int count, int startAt,
                      const std::function<void(Page &, const QRectF &, int index)> &draw, const QString &title)
{
    Document document{title, {}};
    const int skip = qBound(0, startAt, sheet.labelsPerPage() - 1);
    std::optional<Page> sheetPage;
    for (int i = 0; i < count; ++i) {
        const int slot = i + skip;
        if (slot % sheet.labelsPerPage() == 0 || !sheetPage) {
            if (sheetPage)
                document.pages.push_back(*sheetPage);
            sheetPage = Page{sheet.paper * kPoints, {}};
        }
        draw(*sheetPage, sheet.labelRect(slot), i);
    }
    if (sheetPage)
        document.pages.push_back(*sheetPage);
    return document;
}

} // namespace zel::reports
