#include "reports/labels.h"
#include "reports/labels_report.h"
#include "reports/report_parameters.h"
#include "report_rows.h"
#include "test_support.h"

using namespace zel;
using namespace zel::reports;
using namespace zel::test;

namespace {

class LabelsTest : public OpenDatabaseTest
{
protected:
    void SetUp() override
    {
        QStringList rows{customer(1, "Ann", "Adams"), customer(2, "Bea", "Brown"), customer(3, "Cy", "Cole")};
        rows << order(1, 2008, 5, 25) << payment(1, 2008, 4, 5);
        rows << orderRow(line(2, 1, "555-111", 1, 4, "P"));
        open(rows);
    }
    LabelsSelection selection()
    {
        LabelsSelection s;
        s.size = "A";
        s.lines = {"First - Last Name", "Street Address", "City - State - Postal Code", "N/A"};
        s.campaign = {2008, 5};
        return s;
    }
};

TEST_F(LabelsTest, ChecksComeInOrder)
{
    LabelsSelection s = selection();
    s.size.clear();
    EXPECT_EQ(s.check(), QString("Please select label type."));
    s = selection();
    s.lines = {"N/A", "N/A", "N/A", "N/A"};
    EXPECT_EQ(s.check(), QString("Please use the Format tab to select data for each label line."));
    s = selection();
    s.campaign.number = 0;
    EXPECT_EQ(s.check(), QString("Must select a Campaign number if year has been selected."));
    s = selection();
    s.lines[3] = "Order Total";
    EXPECT_EQ(s.check(), QString("To use the Print Order Total, the 'Selection Criteria - Ordered' must be selected along with Year/C#."));
    s.ordered = LabelsSelection::Ordered::Ordered;
    EXPECT_EQ(s.check(), std::nullopt);
}

TEST_F(LabelsTest, OrderedLeavesOutCustomersWithOnlyBackOrders)
{
    LabelsSelection s = selection();
    s.ordered = LabelsSelection::Ordered::Ordered;
    s.lines = {"Last - First Name", "Current Balance", "Order Total", "Custom Message"};
    s.customMessage = "Thank you!";
    ASSERT_EQ(prepareLabels(app.state->data, s), std::nullopt);
    EXPECT_EQ(app.column("Select Line1 || '|' || Line2 || '|' || Line3 || '|' || Line4 From rptLabels"),
              QStringList{"Adams, Ann|Balance: 5.00|1 Orders: Total: 25.00|Thank you!"});
    s.ordered = LabelsSelection::Ordered::NotOrdered;
    s.lines[2] = "N/A";
    ASSERT_EQ(prepareLabels(app.state->data, s), std::nullopt);
    EXPECT_EQ(app.column("Select [Customers Number] From rptLabels Order By 1"), (QStringList{"2", "3"}));
}

TEST_F(LabelsTest, SuppressingEmptyLabelsSaysWhenNothingIsLeft)
{
    LabelsSelection s = selection();
    s.lines = {"First - Last Name", "Phone 1", "Email", "N/A"};
    s.suppressEmpty = true;
    EXPECT_EQ(prepareLabels(app.state->data, s),
              QString("The 'Suppress label when Lines 2-4 are missing.' option has been selected.  After removing affected "
                      "labels, there were no labels remaining to print."));
    app.state->data.exec("t", "Update Customers Set [Customers Email] = 'bea@example.com' Where [Customers Number] = 2");
    ASSERT_EQ(prepareLabels(app.state->data, s), std::nullopt);
    EXPECT_EQ(app.column("Select Line1 From rptLabels"), QStringList{"Bea Brown"});
}

TEST_F(LabelsTest, SecondAddressLinesUseTheSecondAddressWhenThereIsOne)
{
    app.state->data.exec("t", "Update Customers Set [Customers House Number 2] = '9', [Customers Address 2] = 'Box Lane' Where "
                              "[Customers Number] = 1");
    LabelsSelection s = selection();
    s.lines = {"First - Last Name", "Street Address - 2", "N/A", "N/A"};
    s.sorts = {"Customer Number"};
    ASSERT_EQ(prepareLabels(app.state->data, s), std::nullopt);
    LabelsReport report;
    ReportParameters p;
    p.choices.insert(LabelsSelection::kSize, "A");
    const Document d = report.layOut(*app.state, report.request(*app.state, p));
    EXPECT_TRUE(d.pages.at(0).hasText("9 Box Lane"));
    EXPECT_TRUE(d.pages.at(0).hasText("2 Oak Ave"));
    EXPECT_FALSE(d.pages.at(0).hasText("1 Oak Ave"));
}

TEST_F(LabelsTest, ThirtyOneTypeALabelsFillTwoSheetsAtTheirPhysicalPlaces)
{
    QStringList rows;
    for (int c = 4; c <= 31; ++c)
        rows << customer(c, "Name", QString("Last%1").arg(c));
    for (const QString &row : rows)
        app.state->data.exec("t", row);
    LabelsSelection s = selection();
    s.campaign = {};
    s.sorts = {"Customer Number"};
    ASSERT_EQ(prepareLabels(app.state->data, s), std::nullopt);
    LabelsReport report;
    ReportParameters p;
    p.choices.insert(LabelsSelection::kSize, "A");
    const Document d = report.layOut(*app.state, report.request(*app.state, p));
    ASSERT_EQ(d.pages.size(), 2u);
    std::vector<QRectF> boxes;
    for (const PageItem &item : d.pages[0].items)
        if (const auto *box = std::get_if<BoxItem>(&item))
            boxes.push_back(box->rect);
    ASSERT_EQ(boxes.size(), 30u);
    const double mm = 72 / 25.4;
    // Label 5 (row 2, column 2): 3/16 + 2.75 inch from the left, 0.5 + 1 inch from the top, 2 5/8 x 1 inch.
    EXPECT_NEAR(boxes[4].left(), (0.1875 + 2.75) * 72, 0.5 * mm);
    EXPECT_NEAR(boxes[4].top(), 1.5 * 72, 0.5 * mm);
    EXPECT_NEAR(boxes[4].width(), 2.625 * 72, 0.5 * mm);
    EXPECT_NEAR(boxes[4].height(), 72, 0.5 * mm);
    EXPECT_NEAR(boxes[29].bottom(), 10.5 * 72, 0.5 * mm);
}

// A partly used sheet: with the first label at place 5, the three customers land on places 5 to 7
// (Ann's name in the second row, second column), and a place off the sheet is refused.
TEST_F(LabelsTest, APartlyUsedSheetStartsAtTheChosenLabel)
{
    ReportParameters p;
    p.choices.insert(LabelsSelection::kSize, "A");
    p.choices.insert(LabelsSelection::kFirstLabel, "5");
    p.choices.insert(LabelsSelection::kSorts, "customer number");
    for (int i = 1; i <= 4; ++i)
        p.choices.insert(LabelsSelection::kLine.arg(i), selection().lines[size_t(i - 1)]);
    LabelsReport report;
    ASSERT_EQ(report.prepare(*app.state, p), std::nullopt);
    const Document d = report.layOut(*app.state, report.request(*app.state, p));
    const Page first = d.pages.at(0); // the texts found point into it
    const auto ann = first.find("Ann Adams");
    ASSERT_EQ(ann.size(), 1u);
    const QRectF place5 = LabelsReport::sheet("A").labelRect(4);
    EXPECT_TRUE(place5.contains(ann[0]->rect.center())) << "sorted by number, Ann is first, on place 5";

    p.choices.insert(LabelsSelection::kFirstLabel, "31");
    EXPECT_EQ(report.prepare(*app.state, p), QString("The first label must be from 1 to 30 on a sheet of label type A."));
    p.choices.insert(LabelsSelection::kFirstLabel, "1");
    p.choices.insert(LabelsSelection::kSorts, "shoe size");
    EXPECT_TRUE(report.prepare(*app.state, p)->startsWith("'shoe size' is not a sort of the labels"));
}

TEST(LabelSheets, EveryTypeHasItsSizeAndFitsItsPaper)
{
    const double mm = 1 / 25.4;
    const std::tuple<const char *, double, double, int, int> sizes[] = {
        {"A", 1, 2.625, 3, 10}, {"B", 1, 4, 2, 10}, {"C", 4.0 / 3, 4, 2, 7}, {"D", 2, 4, 2, 5}, {"E", 29.7 * mm, 52.5 * mm, 4, 10}};
    for (const auto &[type, height, width, across, down] : sizes) {
        const LabelSheet sheet = LabelsReport::sheet(type);
        EXPECT_NEAR(sheet.label.height(), height, 0.01) << type;
        EXPECT_NEAR(sheet.label.width(), width, 0.01) << type;
        EXPECT_EQ(sheet.columns, across) << type;
        EXPECT_EQ(sheet.rows, down) << type;
        const QRectF last = sheet.labelRect(sheet.labelsPerPage() - 1);
        EXPECT_LE(last.right(), sheet.paper.width() * 72 + 0.01) << type;
        EXPECT_LE(last.bottom(), sheet.paper.height() * 72 + 0.01) << type;
    }
    EXPECT_EQ(LabelsReport::linesPerLabel("D"), 8);
}

} // namespace
