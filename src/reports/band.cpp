#include "reports/band.h"

#include "reports/banded_layout.h"

namespace zel::reports {

Band::Band(const PageSetup &setup, Page &page, double top, double height)
    : m_setup(setup), m_page(page), m_top(top), m_height(height)
{
}

double Band::width() const
{
    return m_setup.contentWidth();
}

void Band::text(double x, double width, const QString &text, const ReportFont &font, int alignment, double y, double height)
{
    if (text.isEmpty())
        return;
    const double h = height > 0 ? height : BandedLayout::textHeight(text, font, width);
    m_page.items.push_back(
        TextItem{QRectF(m_setup.left + x, m_top + y, width, h), text, font, alignment | Qt::TextWordWrap});
}

void Band::line(double x1, double x2, double y, double width)
{
    const double left = m_setup.left;
    m_page.items.push_back(LineItem{QLineF(left + x1, m_top + y, left + x2, m_top + y), width, Qt::black});
}

void Band::box(double x, double y, double width, double height, const QColor &fill, const QColor &border)
{
    m_page.items.push_back(BoxItem{QRectF(m_setup.left + x, m_top + y, width, height), fill, border, 0.5});
}

void Band::image(double x, double y, double width, double height, const QImage &image, double opacity)
{
    m_page.items.push_back(ImageItem{QRectF(m_setup.left + x, m_top + y, width, height), image, opacity});
}

} // namespace zel::reports
