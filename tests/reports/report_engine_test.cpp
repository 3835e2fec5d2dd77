#include "reports/banded_layout.h"
#include "reports/label_grid.h"

#include <gtest/gtest.h>

using namespace zel::reports;

TEST(BandedLayout, BandsThatDoNotFitMoveToANewPageAndFootersCountPerGroup)
{
    PageSetup setup;
    BandedLayout layout(setup);
    ReportFont font;
    layout.setPageHeader([&](BandedLayout &l) { l.band(20).text(0, 200, "HEADER", font); });
    layout.setPageFooter(14, [&](Band &band) { band.text(0, 200, "{PAGELABEL} {PAGE} of {PAGES}", font); });
    layout.startGroup();
    for (int i = 0; i < 40; ++i)
        layout.band(20).text(0, 100, QString("row %1").arg(i), font);
    layout.setPageLabel("Page");
    layout.startGroup();
    layout.band(20).text(0, 100, "second group", font);
    layout.setPageLabel("Pagina");
    const Document document = layout.finish("t");
    ASSERT_EQ(document.pages.size(), 3u);
    EXPECT_TRUE(document.pages[0].hasText("Page 1 of 2"));
    EXPECT_TRUE(document.pages[1].hasText("Page 2 of 2"));
    EXPECT_TRUE(document.pages[2].hasText("Pagina 1 of 1"));
    for (const Page &page : document.pages) {
        EXPECT_TRUE(page.hasText("HEADER"));
        for (const TextItem *text : page.texts())
            EXPECT_LE(text->rect.bottom(), setup.size.height() - setup.bottom + 0.01) << qPrintable(text->text);
    }
    // No row is cut: every row sits whole on one page, in order.
    EXPECT_TRUE(document.pages[1].hasText("row 39"));
}

TEST(BandedLayout, WrappedTextGrowsItsBandAndAWatermarkCrossesEveryPage)
{
    PageSetup setup;
    BandedLayout layout(setup);
    layout.setWatermarkText("COPY");
    ReportFont font;
    const QString longText = QString("word ").repeated(80);
    const double oneLine = BandedLayout::lineHeight(font);
    EXPECT_GT(BandedLayout::textHeight(longText, font, 200), 4 * oneLine);
    EXPECT_DOUBLE_EQ(BandedLayout::textHeight("short", font, 200), oneLine);
    layout.band(10);
    const Document document = layout.finish("t");
    ASSERT_FALSE(document.pages[0].find("COPY").empty());
    EXPECT_NE(document.pages[0].find("COPY")[0]->rotation, 0);
}

TEST(LabelGrid, LabelsSitAtTheirExactPhysicalPlaces)
{
    LabelSheet sheet; // 30 labels of 2 5/8" × 1" on letter paper
    EXPECT_EQ(sheet.labelRect(0), QRectF(0.1875 * 72, 0.5 * 72, 2.625 * 72, 72));
    EXPECT_EQ(sheet.labelRect(4), QRectF((0.1875 + 2.75) * 72, 1.5 * 72, 2.625 * 72, 72));
    EXPECT_EQ(sheet.labelRect(30), sheet.labelRect(0));
    int drawn = 0;
    const Document document = layOutLabels(sheet, 35, 2, [&](Page &page, const QRectF &rect, int i) {
        page.items.push_back(TextItem{rect, QString::number(i), ReportFont{}, Qt::AlignLeft});
        ++drawn;
    }, "Labels");
    EXPECT_EQ(drawn, 35);
    ASSERT_EQ(document.pages.size(), 2u) << "two labels of the first sheet were used already";
    EXPECT_EQ(document.pages[0].items.size(), 28u);
    EXPECT_EQ(document.pages[0].size, QSizeF(612, 792));
}
