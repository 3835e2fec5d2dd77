#include "reports/banded_layout.h"

#include "reports/report_fonts.h"

#include <QFontMetricsF>
#include <QHash>
#include <QImage>

#include <array>
#include <memory>
#include <utility>
#include <vector>

namespace zel::reports {

namespace {

// A device of 72 dots per inch, so that measurements come out in points.
const QImage &pointDevice()
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(2835); // 72 dpi
        image.setDotsPerMeterY(2835);
        return image;
    }();
    return device;
}

// A font's metrics at the layout's 72 dpi, with the widths of the characters met so far.
struct FontMeasure
{
    explicit FontMeasure(const ReportFont &font) : metrics(toQFont(font), &pointDevice()), height(metrics.height()) {}

    // A report uses a handful of fonts and asks for one per cell: a short list compared field by
    // field is far cheaper than building a key for a hash.
    static const FontMeasure &of(const ReportFont &font)
    {
        static std::vector<std::pair<ReportFont, std::unique_ptr<FontMeasure>>> measures;
        for (const auto &[known, measure] : measures)
            if (known.pointSize == font.pointSize && known.bold == font.bold && known.italic == font.italic
                && known.family == font.family)
                return *measure;
        measures.emplace_back(font, std::make_unique<FontMeasure>(font));
        return *measures.back().second;
    }

    // True when `text` surely fits on one line of `width`: the sum of its characters' widths, with
    // room to spare for kerning; false sends the caller to the exact measure.
    bool clearlyFits(const QString &text, double width) const
    {
        double sum = 0;
        for (const QChar ch : text) {
            if (ch.isSurrogate())
                return false;
            sum += advance(ch);
        }
        return sum * 1.02 + 1 <= width;
    }

    double advance(QChar ch) const
    {
        if (ch.unicode() < latin.size()) {
            double &known = latin[ch.unicode()];
            if (known < 0)
                known = metrics.horizontalAdvance(ch);
            return known;
        }
        auto found = advances.constFind(ch.unicode());
        if (found == advances.constEnd())
            found = advances.insert(ch.unicode(), metrics.horizontalAdvance(ch));
        return *found;
    }

    QFontMetricsF metrics;
    double height;
    mutable std::array<double, 256> latin = filled(-1);
    mutable QHash<char16_t, double> advances;

    static std::array<double, 256> filled(double value)
    {
        std::array<double, 256> values;
        values.fill(value);
        return values;
    }
};

} // namespace

BandedLayout::BandedLayout(const PageSetup &setup) : m_setup(setup) {}

void BandedLayout::setPageFooter(double height, std::function<void(Band &)> footer)
{
    m_footerHeight = height;
    m_footer = std::move(footer);
}

void BandedLayout::setWatermarkText(const QString &text)
{
    m_watermark = text;
}

void BandedLayout::closePage()
{
    if (!m_started)
        return;
    m_footerItems.push_back(m_page.items.size());
    if (m_footer) {
        // The numbers are put in when the document is finished and the page counts are known.
        Band footer(m_setup, m_page, m_setup.contentBottom() - m_footerHeight, m_footerHeight);
        m_footer(footer);
    }
    m_pages.push_back(m_page);
    m_page = Page{};
}

void BandedLayout::startPage()
{
    closePage();
    m_page = Page{m_setup.size, {}};
    if (!m_watermark.isEmpty()) {
        ReportFont font;
        font.family = QStringLiteral("Helvetica");
        font.pointSize = 96;
        font.bold = true;
        font.color = QColor(0, 0, 0, 28);
        const QSizeF size = m_setup.size;
        m_page.items.push_back(TextItem{QRectF(0, size.height() / 2 - 60, size.width(), 120), m_watermark, font,
                                                Qt::AlignCenter, -35});
    }
    m_started = true;
    m_y = m_setup.top;
    m_bodyTop = m_y;
    if (m_header)
        m_header(*this);
    m_bodyTop = m_y;
}

void BandedLayout::newPage()
{
    startPage();
}

double BandedLayout::remaining() const
{
    return m_setup.contentBottom() - m_footerHeight - m_y;
}

void BandedLayout::keepTogether(double height)
{
    if (!m_started)
        startPage();
    else if (height > remaining() && !pageIsEmpty())
        newPage();
}

Band BandedLayout::band(double height)
{
    keepTogether(height);
    Band band(m_setup, m_page, m_y, height);
    m_y += height;
    return band;
}

Band BandedLayout::at(double top, double height)
{
    if (!m_started)
        startPage();
    return Band(m_setup, m_page, top, height);
}

void BandedLayout::startGroup()
{
    if (!m_started || !pageIsEmpty())
        startPage();
    m_groupStarts.push_back(m_pages.size());
    m_groupLabels.emplace_back();
}

void BandedLayout::setPageLabel(const QString &label)
{
    if (!m_groupLabels.empty())
        m_groupLabels.back() = label;
}

Document BandedLayout::finish(const QString &title)
{
    if (!m_started)
        startPage();
    closePage();
    m_started = false;
    const size_t count = m_pages.size();
    if (m_groupStarts.empty() || m_groupStarts.front() != 0) {
        m_groupStarts.insert(m_groupStarts.begin(), 0);
        m_groupLabels.insert(m_groupLabels.begin(), QStringLiteral("Page"));
    }
    for (size_t group = 0; m_footer && group < m_groupStarts.size(); ++group) {
        const size_t first = m_groupStarts[group];
        const size_t end = group + 1 < m_groupStarts.size() ? m_groupStarts[group + 1] : count;
        const QString label = m_groupLabels[group].isEmpty() ? QStringLiteral("Page") : m_groupLabels[group];
        for (size_t i = first; i < end; ++i)
            m_pages.setFooterNumbers(i, m_footerItems[i], int(i - first + 1), int(end - first), label);
    }
    return Document{title, std::move(m_pages)};
}

double BandedLayout::textHeight(const QString &text, const ReportFont &font, double width)
{
    if (text.isEmpty())
        return 0;
    const FontMeasure &measure = FontMeasure::of(font);
    const QFontMetricsF &metrics = measure.metrics;
    // Most cells hold one short line: adding up its characters' widths is far cheaper than laying
    // out wrapped text, and a long report measures tens of thousands of cells.
    if (!text.contains(QLatin1Char('\n')) && measure.clearlyFits(text, width))
        return measure.height;
    const QRectF bounds = metrics.boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap, text);
    return qMax(bounds.height(), measure.height);
}

double BandedLayout::lineHeight(const ReportFont &font)
{
    return FontMeasure::of(font).height;
}

} // namespace zel::reports
