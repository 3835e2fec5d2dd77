#include "reports/campaign_summary.h"
#include "reports/campaign_summary_report.h"
#include "reports/campaign_totals_report.h"
#include "reports/report_parameters.h"
#include "report_rows.h"
#include "test_support.h"

using namespace zel;
using namespace zel::reports;
using namespace zel::test;

namespace {

class CampaignSummaryTest : public OpenDatabaseTest
{
protected:
    // Ann: an older order paid in full, an older unpaid one and this campaign's; Bea: this
    // campaign's only, part paid.
    void SetUp() override
    {
        QStringList rows{customer(1, "Ann", "Adams"), customer(2, "Bea", "Brown")};
        rows << order(1, 2008, 2, 20) << payment(1, 2008, 2, -20) << order(1, 2008, 3, 15) << order(1, 2008, 5, 30)
             << order(2, 2008, 5, 50) << payment(2, 2008, 5, -10);
        open(rows);
    }
    CampaignSummarySelection selection(bool complete)
    {
        CampaignSummarySelection s;
        s.campaign = {2008, 5};
        s.complete = complete;
        return s;
    }
    QStringList rows()
    {
        return app.column("Select [Orders Customer Number] || ' ' || CampaignYearandNumber || ' cur=' || CurrentBalance || ' prev=' "
                          "|| PreviousBalance || ' run=' || RunningBalance || ' sel=' || SelectedRunningBalance || ' ' || "
                          "CurrentCampaign From rptCampaignSummary Order By [Orders Customer Number], [Orders Campaign Number]");
    }
};

TEST_F(CampaignSummaryTest, TheSelectedCampaignAloneWithBalancesBeforeIt)
{
    ASSERT_EQ(prepareCampaignSummary(app.state->data, selection(false)), std::nullopt);
    EXPECT_EQ(rows(), (QStringList{"1 2008/5 cur=30.0 prev=15.0 run=45.0 sel=45.0 Y", "2 2008/5 cur=40.0 prev=0.0 run=40.0 sel=40.0 Y"}));
}

TEST_F(CampaignSummaryTest, CompleteSummaryDropsSettledOlderOrdersAndKeepsTheSelectedCampaign)
{
    ASSERT_EQ(prepareCampaignSummary(app.state->data, selection(true)), std::nullopt);
    EXPECT_EQ(rows(), (QStringList{"1 2008/3 cur=15.0 prev=0.0 run=15.0 sel=45.0 N", "1 2008/5 cur=30.0 prev=15.0 run=45.0 sel=45.0 Y",
                                   "2 2008/5 cur=40.0 prev=0.0 run=40.0 sel=40.0 Y"}));
    // Settling the selected campaign's order never removes it.
    app.state->data.exec("t", payment(1, 2008, 5, -30));
    ASSERT_EQ(prepareCampaignSummary(app.state->data, selection(true)), std::nullopt);
    EXPECT_TRUE(rows().contains("1 2008/5 cur=0.0 prev=15.0 run=15.0 sel=15.0 Y"));
}

TEST_F(CampaignSummaryTest, NewCustomersAndEmptyResult)
{
    CampaignSummarySelection s = selection(false);
    s.newCustomersOnly = true;
    ASSERT_EQ(prepareCampaignSummary(app.state->data, s), std::nullopt);
    EXPECT_EQ(app.column("Select [Orders Customer Number] From rptCampaignSummary"), QStringList{"2"});
    s.campaign = {2008, 9};
    EXPECT_EQ(prepareCampaignSummary(app.state->data, s), QString("No Orders Found Matching Selection Criteria."));
}

TEST_F(CampaignSummaryTest, LayoutsFollowTheSwitches)
{
    CampaignSummaryReport report;
    ReportParameters p;
    p.campaign = {2008, 5};
    p.choices.insert(CampaignSummaryReport::kNameOrder, "FL");
    p.choices.insert("PrintCustomerNumber", true);
    ASSERT_EQ(report.prepare(*app.state, p), std::nullopt);
    ReportRequest request = report.request(*app.state, p);
    EXPECT_EQ(request.text("ReportName"), "rptCampaignSummaryLong");
    EXPECT_EQ(request.text("PrintCustomerNumber"), "Y");
    EXPECT_EQ(request.text("IncludePhones"), "N");
    Document long_ = report.layOut(*app.state, request);
    EXPECT_TRUE(long_.pages.at(0).hasText("Ann Adams (1)"));
    EXPECT_TRUE(long_.pages.at(0).hasText("Payments"));

    p.shortLayout = true;
    p.choices.insert(CampaignSummaryReport::kLandscape, true);
    request = report.request(*app.state, p);
    EXPECT_EQ(request.text("ReportName"), "rptCampaignSummaryShortLandscape");
    EXPECT_FALSE(request.contains("AllCampaigns"));
    Document wide = report.layOut(*app.state, request);
    EXPECT_GT(wide.pages.at(0).size.width(), wide.pages.at(0).size.height());
    EXPECT_FALSE(wide.pages.at(0).hasText("Payments"));
    EXPECT_EQ(CampaignSummaryReport::orderBy("zip").left(31), "Order by [Customers Zip Code], ");
}

// The texts on the same line as the one reading `label`, left to right.
QStringList lineOf(const Document &document, const QString &label)
{
    for (const Page &page : document.pages)
        for (const TextItem *item : page.texts())
            if (item->text == label) {
                QStringList line;
                for (const TextItem *other : page.texts())
                    if (qAbs(other->rect.center().y() - item->rect.center().y()) < 2 && other != item)
                        line << other->text;
                return line;
            }
    return {};
}

// Ann's second order of campaign 5 (5.00) repeats her balances. Rows: Ann 30 + 15 = 45 and
// 5 + 15 = 20, Bea 40. She owes 30 + 5 + 15 = 50, Bea 40: the totals are Previous 15 (Ann once)
// and Balance 90, not 30 and 105. Order Total adds every order: 30 + 5 + 50 = 85 (with the
// older unpaid order of campaign 3 in the complete summary, 100).
TEST_F(CampaignSummaryTest, BalanceTotalsAddEachCustomerOnce)
{
    for (const QString &row : order(1, 2008, 5, 5, 2))
        ASSERT_TRUE(app.state->data.exec("t", row));
    CampaignSummaryReport report;
    ReportParameters p;
    p.campaign = {2008, 5};
    p.shortLayout = true;
    ASSERT_EQ(report.prepare(*app.state, p), std::nullopt);
    EXPECT_EQ(lineOf(report.layOut(*app.state, report.request(*app.state, p)), "Campaign Total"),
              (QStringList{"85.00", "15.00", "90.00"}));

    p.choices.insert(CampaignSummarySelection::kComplete, true);
    ASSERT_EQ(report.prepare(*app.state, p), std::nullopt);
    EXPECT_EQ(lineOf(report.layOut(*app.state, report.request(*app.state, p)), "Campaign Total"),
              (QStringList{"100.00", "15.00", "90.00"}));

    // Grouped by customer, each group's balance is hers: Ann's three orders (15 + 30 + 5) = 50.
    p.shortLayout = false;
    p.choices.insert("AllCampaigns", true);
    ASSERT_EQ(report.prepare(*app.state, p), std::nullopt);
    const Document grouped = report.layOut(*app.state, report.request(*app.state, p));
    EXPECT_EQ(lineOf(grouped, "Total Adams, Ann"), (QStringList{"50.00", "0.00", "15.00", "50.00"}));
    EXPECT_EQ(lineOf(grouped, "Total Brown, Bea"), (QStringList{"50.00", "-10.00", "0.00", "40.00"}));
}

TEST_F(CampaignSummaryTest, CampaignTotalsJoinOntoTheAmountsDue)
{
    app.state->data.exec("t", "Insert Into Totals ([Totals Campaign Year], [Totals Campaign Number], [Totals Due]) Values "
                              "(2008, 2, 12.5), (2008, 5, 80), (2008, 7, 0)");
    CampaignTotalsReport report;
    ReportParameters p;
    p.campaign = {2008, 5};
    ASSERT_EQ(report.prepare(*app.state, p), std::nullopt);
    // Campaign 3 has orders but no Totals row, so it is left out; 7 has no orders: zeros, not nulls.
    EXPECT_EQ(app.column("Select CNumber || ':' || CustomerCount || '/' || SumOfTotal || '/' || SumOfDue || '/' || SumOfExpenses "
                         "From rptCampaignTotals Order By CNumber"),
              (QStringList{"2:1/20.0/12.5/0", "5:2/80.0/80.0/0", "7:0/0/0.0/0"}));
    for (const QString &table : CampaignTotalsReport::workTables())
        EXPECT_EQ(app.column("Select Count(*) From sqlite_master Where name = '" + table + "'"), QStringList{"1"}) << table.toStdString();
}

} // namespace
