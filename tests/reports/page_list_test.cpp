#include "reports/banded_layout.h"
#include "reports/report_page.h"

#include <gtest/gtest.h>

using namespace zel::reports;

namespace {

// A page holding every kind of item, with the values a packing is most likely to lose.
Page everyKindOfItem()
{
    ReportFont plain;
    ReportFont bold;
    bold.family = "Arial";
    bold.pointSize = 9.5;
    bold.bold = bold.underline = true;
    bold.color = QColor(10, 20, 30, 40);
    QImage logo(3, 2, QImage::Format_ARGB32);
    logo.fill(Qt::red);
    Page page{QSizeF(595.28, 841.89), {}};
    page.items.push_back(TextItem{QRectF(36.1, 72.25, 100.3, 11.7), "Ann", plain, Qt::AlignLeft | Qt::AlignTop, 0});
    // Same top and height as the text before, another font: a second cell of one row.
    page.items.push_back(TextItem{QRectF(140.9, 72.25, 60, 11.7), QString::fromUtf8("Zoë – 5 € ☺"), bold, Qt::AlignRight, 0});
    // Same top, taller: a wrapped cell.
    page.items.push_back(TextItem{QRectF(210, 72.25, 60, 23.4), "", plain, Qt::AlignLeft, 0});
    page.items.push_back(TextItem{QRectF(0, 400, 595, 120), "COPY", bold, Qt::AlignCenter, -35});
    page.items.push_back(LineItem{QLineF(1.5, 2.5, 3.5, 4.5), 0.7, QColor(Qt::blue)});
    page.items.push_back(BoxItem{QRectF(5, 6, 7, 8), Qt::transparent, QColor(), 1.2});
    page.items.push_back(ImageItem{QRectF(9, 10, 11, 12), logo, 0.25});
    return page;
}

} // namespace

TEST(PageList, APageReadBackHoldsExactlyWhatWasPutIn)
{
    const Page original = everyKindOfItem();
    PageList list{original};
    const Page read = list[0];
    EXPECT_EQ(read.size, original.size);
    ASSERT_EQ(read.items.size(), original.items.size());
    for (size_t i = 0; i < 4; ++i) {
        const auto &a = std::get<TextItem>(original.items[i]);
        const auto &b = std::get<TextItem>(read.items[i]);
        EXPECT_EQ(b.rect, a.rect) << i;
        EXPECT_EQ(b.text, a.text) << i;
        EXPECT_TRUE(b.font == a.font) << i;
        EXPECT_EQ(b.alignment, a.alignment) << i;
        EXPECT_EQ(b.rotation, a.rotation) << i;
    }
    const auto &line = std::get<LineItem>(read.items[4]);
    EXPECT_EQ(line.line, QLineF(1.5, 2.5, 3.5, 4.5));
    EXPECT_EQ(line.width, 0.7);
    EXPECT_EQ(line.color, QColor(Qt::blue));
    const auto &box = std::get<BoxItem>(read.items[5]);
    EXPECT_EQ(box.rect, QRectF(5, 6, 7, 8));
    EXPECT_EQ(box.fill, QColor(Qt::transparent));
    EXPECT_FALSE(box.border.isValid());
    const auto &image = std::get<ImageItem>(read.items[6]);
    EXPECT_EQ(image.image, std::get<ImageItem>(original.items[6]).image);
    EXPECT_EQ(image.opacity, 0.25);
}

TEST(PageList, ManyColumnsAndAVeryLongTextAreKeptToo)
{
    // More distinct columns than one byte can number, and a text longer than two bytes can count.
    Page page{QSizeF(612, 792), {}};
    for (int i = 0; i < 300; ++i)
        page.items.push_back(TextItem{QRectF(i * 0.5, 10, 20 + i * 0.25, 12), QString::number(i), {}, 0, 0});
    const QString book(70000, QLatin1Char('x'));
    page.items.push_back(TextItem{QRectF(1, 2, 3, 4), book, {}, 0, 0});
    const Page read = PageList{page}.at(0);
    ASSERT_EQ(read.items.size(), page.items.size());
    for (size_t i = 0; i < page.items.size(); ++i) {
        EXPECT_EQ(std::get<TextItem>(read.items[i]).rect, std::get<TextItem>(page.items[i]).rect) << i;
        EXPECT_EQ(std::get<TextItem>(read.items[i]).text, std::get<TextItem>(page.items[i]).text) << i;
    }
}

TEST(PageList, PagesKeepTheirOrderThroughAppendAndIteration)
{
    PageList first;
    for (int i = 0; i < 3; ++i)
        first.push_back(Page{QSizeF(100, 100), {TextItem{QRectF(0, 0, 10, 10), QString("page %1").arg(i), {}, 0, 0}}});
    PageList more{Page{QSizeF(100, 100), {TextItem{QRectF(0, 0, 10, 10), "page 3", {}, 0, 0}}}};
    first.append(more);
    ASSERT_EQ(first.size(), 4u);
    int n = 0;
    for (const Page &page : first)
        EXPECT_TRUE(page.hasText(QString("page %1").arg(n++)));
    EXPECT_EQ(n, 4);
    EXPECT_TRUE(first.back().hasText("page 3"));
}

TEST(PageList, OnlyTheFooterTakesThePageNumbers)
{
    PageSetup setup;
    BandedLayout layout(setup);
    ReportFont font;
    layout.setPageFooter(14, [&](Band &band) { band.text(0, 200, "{PAGE} of {PAGES}", font); });
    layout.band(20).text(0, 200, "A note that says {PAGE} of {PAGES}", font);
    layout.newPage();
    layout.band(20).text(0, 200, "second", font);
    const Document document = layout.finish("t");
    ASSERT_EQ(document.pages.size(), 2u);
    EXPECT_TRUE(document.pages[0].hasText("A note that says {PAGE} of {PAGES}"));
    EXPECT_TRUE(document.pages[0].hasText("1 of 2"));
    EXPECT_TRUE(document.pages[1].hasText("2 of 2"));
}
