#pragma once

#include "reports/page_setup.h"
#include "reports/report_page.h"

namespace zel::reports {

// A horizontal strip of the content area; positions are relative to its top left corner.
class Band
{
public:
    Band(const PageSetup &setup, Page &page, double top, double height);

    double width() const;
    double height() const { return m_height; }

    void text(double x, double width, const QString &text, const ReportFont &font, int alignment = Qt::AlignLeft,
              double y = 0, double height = -1);
    void line(double x1, double x2, double y, double width = 0.5);
    void box(double x, double y, double width, double height, const QColor &fill, const QColor &border = Qt::transparent);
    void image(double x, double y, double width, double height, const QImage &image, double opacity = 1.0);

private:
    const PageSetup &m_setup;
    Page &m_page;
    double m_top;
    double m_height;
};

} // namespace zel::reports
