#pragma once

#include "reports/band.h"
#include "reports/page_setup.h"
#include "reports/report_page.h"

#include <functional>

namespace zel::reports {

// The banded report engine: page header and footer on every page, bands that move to a new page
// when they do not fit, and "Page n of m" filled in once all pages are known.
class BandedLayout
{
public:
    explicit BandedLayout(const PageSetup &setup);

    // Drawn with bands at the top of every page.
    void setPageHeader(std::function<void(BandedLayout &)> header) { m_header = std::move(header); }
    // Drawn at the bottom of every page in a strip of `height`; "{PAGE}" and "{PAGES}" in its texts
    // become the page number and the page count.
    void setPageFooter(double height, std::function<void(Band &)> footer);
    // A large, light text across every page ("COPY", "PAID").
    void setWatermarkText(const QString &text);

    // A band of `height` at the current position, on a new page when it does not fit.
    Band band(double height);
    // A band at a fixed place of the current page, outside the flow (watermarks, logos).
    Band at(double top, double height);
    // Starts a group on a fresh page: "{PAGE}" and "{PAGES}" count the pages of each group, and
    // "{PAGELABEL}" shows the group's label.
    void startGroup();
    void setPageLabel(const QString &label);
    // Starts a new page unless `height` still fits on this one.
    void keepTogether(double height);
    void newPage();
    void skip(double height) { m_y += height; }
    double remaining() const;
    double y() const { return m_y; }
    const PageSetup &setup() const { return m_setup; }
    bool pageIsEmpty() const { return m_y <= m_bodyTop + 0.01; }

    // The finished document.
    Document finish(const QString &title);

    // The height `text` needs when wrapped to `width`.
    static double textHeight(const QString &text, const ReportFont &font, double width);
    static double lineHeight(const ReportFont &font);

private:
    void startPage();
    // Draws the footer on the page being made and packs it away.
    void closePage();

    PageSetup m_setup;
    // Only the page being made is kept whole; the pages before it are packed.
    Page m_page;
    PageList m_pages;
    std::vector<size_t> m_footerItems; // where each packed page's footer texts begin
    std::function<void(BandedLayout &)> m_header;
    std::function<void(Band &)> m_footer;
    double m_footerHeight = 0;
    double m_y = 0;
    double m_bodyTop = 0;
    bool m_started = false;
    QString m_watermark;
    std::vector<size_t> m_groupStarts;
    std::vector<QString> m_groupLabels;
};

} // namespace zel::reports
