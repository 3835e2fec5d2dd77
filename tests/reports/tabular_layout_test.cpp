#include "reports/banded_layout.h"
#include "reports/tabular_layout.h"

#include "test_support.h"

#include <gtest/gtest.h>

using namespace zel;
using namespace zel::reports;
using Format = TabularLayout::Format;

namespace {

// A list of sales in an rpt table of a real database, laid out through the builder.
class TabularLayoutTest : public zel::test::OpenDatabaseTest
{
protected:
    void SetUp() override
    {
        open({"Create Table [rptSales] ([Area] Text, [Name] Text, [Sold] Integer, [Amount] Real, [Day] Text)"});
    }
    void sale(const QString &area, const QString &name, int sold, double amount, const QString &day = "2008-03-04 00:00:00")
    {
        ASSERT_TRUE(app.state->data.exec("test", "Insert Into [rptSales] Values (?, ?, ?, ?, ?)", {area, name, sold, amount, day}));
    }
    // `count` sales of 1.00 by "Customer 000" onwards, the first `east` of them in the East.
    void manySales(int count, int east)
    {
        ASSERT_TRUE(app.state->data.exec(
            "test", "With Recursive n(i) As (Select 0 Union All Select i + 1 From n Where i + 1 < ?) Insert Into [rptSales] "
                    "Select Case When i < ? Then 'East' Else 'West' End, printf('Customer %03d', i), 1, 1.0, '' From n",
            {count, east}));
    }
    TabularLayout sales(bool grouped = true) const
    {
        TabularLayout table;
        table.source("Select * From [rptSales] Order By [Area], [Name]")
            .title("Sales")
            .subtitle("Campaign 5 / 2008")
            .subtitle("")
            .column("Name", "Customer", 200)
            .column("Day", "Date", 80, Format::Date)
            .column("Sold", "Sold", 60, Format::Number, true)
            .column("Amount", "Amount", 100, Format::Money, true)
            .footerNote("Ruth Rep");
        if (grouped)
            table.groupBy("Area", "Area %1", "Total %1");
        return table;
    }
    // The text printed on the same line as `label`, in the column whose heading is `heading`.
    static QString inColumn(const Page &page, const QString &label, const QString &heading)
    {
        const auto row = page.find(label);
        const auto column = page.find(heading);
        if (row.empty() || column.empty())
            return "(missing)";
        for (const TextItem *t : page.texts())
            if (qAbs(t->rect.top() - row.back()->rect.top()) < 1 && t->rect.left() == column[0]->rect.left())
                return t->text;
        return {};
    }
};

} // namespace

TEST_F(TabularLayoutTest, GroupsCarryTheirOwnTotalsAndTheGrandTotalAddsThemExactly)
{
    sale("North", "Ann", 2, 0.10);
    sale("North", "Bea", 1, 0.20);
    sale("South", "Cid", 3, 1234567.89);
    sale("South", "Dot", 1, -1000.50, QString());
    const Document document = sales().layOut(app.state->data, "Sales");
    ASSERT_EQ(document.pages.size(), 1u);
    const Page &page = document.pages[0];
    EXPECT_TRUE(page.hasText("Sales"));
    EXPECT_TRUE(page.hasText("Campaign 5 / 2008"));
    EXPECT_TRUE(page.hasText("Area North"));
    EXPECT_TRUE(page.hasText("Area South"));
    EXPECT_EQ(inColumn(page, "Total North", "Amount"), "0.30") << "money adds without floating-point drift";
    EXPECT_EQ(inColumn(page, "Total North", "Sold"), "3");
    EXPECT_EQ(inColumn(page, "Total South", "Amount"), "1,233,567.39");
    EXPECT_EQ(inColumn(page, "Grand Total", "Amount"), "1,233,567.69");
    EXPECT_EQ(inColumn(page, "Grand Total", "Sold"), "7");
    EXPECT_EQ(inColumn(page, "Cid", "Date"), "03/04/2008");
    EXPECT_EQ(inColumn(page, "Dot", "Date"), "") << "an empty date shows nothing";
    EXPECT_EQ(inColumn(page, "Dot", "Amount"), "-1,000.50");
    EXPECT_TRUE(page.hasText("Page 1 of 1"));
    EXPECT_TRUE(page.hasText("Ruth Rep"));
    // Reading order: each group's rows come after its heading and before its total.
    const QString text = document.plainText();
    EXPECT_LT(text.indexOf("Area North"), text.indexOf("Bea"));
    EXPECT_LT(text.indexOf("Bea"), text.indexOf("Total North"));
    EXPECT_LT(text.indexOf("Total North"), text.indexOf("Area South"));
    EXPECT_LT(text.indexOf("Total South"), text.indexOf("Grand Total"));
}

TEST_F(TabularLayoutTest, ALongListRepeatsTitleAndHeadingsOnEveryPageAndNamesTheRunningGroup)
{
    manySales(150, 100);
    const Document document = sales().layOut(app.state->data, "Sales");
    ASSERT_GE(document.pages.size(), 3u);
    const PageSetup setup;
    int rows = 0;
    for (size_t p = 0; p < document.pages.size(); ++p) {
        const Page &page = document.pages[p];
        EXPECT_TRUE(page.hasText("Sales")) << "page " << p + 1;
        EXPECT_TRUE(page.hasText("Customer")) << "the headings on page " << p + 1;
        EXPECT_TRUE(page.hasText(QString("Page %1 of %2").arg(p + 1).arg(document.pages.size())));
        rows += int(page.find("Customer ").size());
        for (const TextItem *t : page.texts())
            EXPECT_LE(t->rect.bottom(), setup.contentBottom() + 0.01) << qPrintable(t->text);
    }
    EXPECT_EQ(rows, 150) << "every row once, none cut between pages";
    EXPECT_TRUE(document.pages[1].hasText("Area East (continued)"));
    EXPECT_FALSE(document.pages[0].hasText("Area East (continued)"));
    EXPECT_TRUE(document.pages.back().hasText("Grand Total"));
    EXPECT_EQ(inColumn(document.pages.back(), "Grand Total", "Amount"), "150.00");
    EXPECT_EQ(document.plainText().count("Grand Total"), 1);
}

TEST_F(TabularLayoutTest, TheGrandTotalNeverStandsAloneOnAPage)
{
    // Rows are added one by one until the list has passed a page break, whatever the row height.
    manySales(200, 200);
    for (int count = 1; count < 200; ++count) {
        const Document document = sales(false)
                                      .source("Select * From [rptSales] Order By [Name] Limit ?", {count})
                                      .layOut(app.state->data, "Sales");
        const Page &last = document.pages.back();
        ASSERT_TRUE(last.hasText("Grand Total"));
        ASSERT_FALSE(last.find("Customer ").empty()) << count << " rows: the last row goes over with the total";
        if (document.pages.size() == 3)
            return;
    }
    FAIL() << "the list never reached a third page";
}

TEST_F(TabularLayoutTest, UngroupedListsAndEmptySources)
{
    const Document empty = sales().layOut(app.state->data, "Sales");
    ASSERT_EQ(empty.pages.size(), 1u);
    EXPECT_TRUE(empty.pages[0].hasText("Customer")) << "an empty list still shows its headings";
    EXPECT_FALSE(empty.pages[0].hasText("Grand Total"));

    sale("North", "Ann", 2, 5.00);
    sale("South", "Bea", 1, 6.00);
    const Page page = sales(false).layOut(app.state->data, "Sales").pages[0];
    EXPECT_FALSE(page.hasText("Total North"));
    EXPECT_EQ(inColumn(page, "Grand Total", "Amount"), "11.00");
}

// The layout reads only the columns it lists from its source; the source's own order, computed
// columns and values still hold.
TEST_F(TabularLayoutTest, TheSourcesOrderAndComputedColumnsHoldWhenOnlyListedColumnsAreRead)
{
    sale("North", "Ann", 2, 5.00);
    sale("South", "Bea", 7, 6.00);
    sale("East", "Cy", 4, 7.00);
    TabularLayout table;
    table.source("Select *, ? || [Name] As [Label] From [rptSales] Order By [Sold] Desc", {"No. "})
        .title("Sales")
        .column("Label", "Customer", 200)
        .column("Sold", "Sold", 60, Format::Number, true);
    const Page page = table.layOut(app.state->data, "Sales").pages[0];
    std::vector<double> tops;
    for (const QString label : {"No. Bea", "No. Cy", "No. Ann"}) {
        ASSERT_EQ(page.find(label).size(), 1u) << label.toStdString();
        tops.push_back(page.find(label)[0]->rect.top());
    }
    EXPECT_LT(tops[0], tops[1]);
    EXPECT_LT(tops[1], tops[2]);
    EXPECT_EQ(inColumn(page, "No. Cy", "Sold"), "4");
}

TEST_F(TabularLayoutTest, ColumnsSitSideBySideNumbersRightAndLongTextWraps)
{
    const QString longName = QString("Very long customer name ").repeated(12).trimmed();
    sale("North", longName, 1, 2.50);
    sale("North", "Zed", 1, 1.00);
    const Page page = sales().layOut(app.state->data, "Sales").pages[0];
    const TextItem *name = page.find("Very long")[0];
    const TextItem *amount = page.find("2.50")[0];
    const TextItem *next = page.find("Zed")[0];
    EXPECT_NEAR(name->rect.left(), PageSetup().left + 4, 0.01);
    EXPECT_NEAR(amount->rect.left(), PageSetup().left + 340 + 4, 0.01) << "after 200 + 80 + 60 points of columns";
    EXPECT_TRUE(amount->alignment & Qt::AlignRight);
    EXPECT_TRUE(name->alignment & Qt::AlignLeft);
    EXPECT_GT(name->rect.height(), 2 * BandedLayout::lineHeight(TabularLayout().definition().font));
    EXPECT_GE(next->rect.top(), name->rect.bottom()) << "the next row starts below the wrapped one";
}

TEST(TabularLayoutFormats, EachFormatShowsItsValueAndNullShowsNothing)
{
    TabularLayout::Column column;
    EXPECT_EQ(TabularLayout::formatted(column, QVariant("  Ann  ")), "Ann");
    column.format = Format::Number;
    EXPECT_EQ(TabularLayout::formatted(column, QVariant(12.0)), "12");
    column.format = Format::Money;
    EXPECT_EQ(TabularLayout::formatted(column, QVariant(1234.005)), "1,234.01");
    EXPECT_EQ(TabularLayout::formatted(column, QVariant(-0.5)), "-0.50");
    column.pattern = "0.00";
    EXPECT_EQ(TabularLayout::formatted(column, QVariant(1234.5)), "1234.50");
    column.format = Format::Date;
    column.pattern.clear();
    EXPECT_EQ(TabularLayout::formatted(column, QVariant("2008-12-31 10:00:00")), "12/31/2008");
    column.pattern = "yyyy-MM-dd";
    EXPECT_EQ(TabularLayout::formatted(column, QVariant("2008-12-31 10:00:00")), "2008-12-31");
    EXPECT_EQ(TabularLayout::formatted(column, QVariant("not a date")), "");
    for (const Format format : {Format::Text, Format::Number, Format::Money, Format::Date}) {
        column.format = format;
        EXPECT_EQ(TabularLayout::formatted(column, QVariant()), "");
    }
}

// A group's total label that wraps before the first total keeps the gap to the next group's
// heading; one with hardly any room before the totals takes its own line, clear of the sums.
TEST_F(TabularLayoutTest, AWrappingTotalLabelKeepsItsRoomAndNeverTouchesTheSums)
{
    sale("A very long area name of the eastern towns and villages", "Ann", 1, 2.5);
    sale("West", "Bea", 2, 3.0);
    TabularLayout table;
    table.source("Select * From [rptSales] Order By [Area], [Name]")
        .column("Name", "Customer", 90)
        .column("Sold", "Sold", 60, Format::Number, true)
        .groupBy("Area", "Area %1", "Total %1");
    const Document wrapped = table.layOut(app.state->data, "Sales");
    const Page &page = wrapped.pages.at(0);
    const auto label = page.find("Total A very long area");
    const auto west = page.find("Area West");
    ASSERT_EQ(label.size(), 1u);
    ASSERT_EQ(west.size(), 1u);
    EXPECT_GT(label[0]->rect.height(), BandedLayout::lineHeight(label[0]->font) * 1.5) << "it wraps";
    EXPECT_GE(west[0]->rect.top(), label[0]->rect.bottom() + 3) << "the gap after the totals stays";

    TabularLayout narrow;
    narrow.source("Select * From [rptSales] Order By [Area], [Name]")
        .column("Sold", "Sold", 30, Format::Number, true)
        .column("Name", "Customer", 200)
        .groupBy("Area", "Area %1", "Total %1");
    const Page &own = narrow.layOut(app.state->data, "Sales").pages.at(0);
    const auto westTotal = own.find("Total West");
    const auto sold = own.find("2");
    ASSERT_EQ(westTotal.size(), 1u);
    for (const TextItem *sum : sold)
        EXPECT_FALSE(sum->rect.intersects(westTotal[0]->rect)) << "the label does not run over the sums";
}

// Groups of one row each: wherever the page turns, no heading is left without its row and totals.
TEST_F(TabularLayoutTest, AGroupOfOneRowNeverLeavesItsHeadingAlone)
{
    for (int g = 0; g < 80; ++g)
        sale(QString("G%1").arg(g, 2, 10, QChar('0')), QString("Customer %1").arg(g, 2, 10, QChar('0')), 1, 1.0);
    const Document document = sales().layOut(app.state->data, "Sales");
    ASSERT_GT(document.pages.size(), 1u);
    for (const Page &page : document.pages)
        for (const TextItem *heading : page.find("Area G"))
            if (!heading->text.endsWith("(continued)")) {
                const QString number = heading->text.right(2);
                EXPECT_EQ(page.find("Customer " + number).size(), 1u) << heading->text.toStdString() << " stands alone";
                EXPECT_EQ(page.find("Total G" + number).size(), 1u) << heading->text.toStdString() << " lost its totals";
            }
}
