#include "cli_runner.h"
#include "reports/report_rows.h"

#include <gtest/gtest.h>

using namespace zel;
using zel::test::CommandRun;
using zel::test::TempApp;

namespace {

class CampaignReportCommands : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QStringList rows{test::customer(1, "Ann", "Adams"), test::customer(2, "Bea", "Brown"),
                         "Update Options Set [Options Current Campaign Year] = 2008, [Options Current Campaign Number] = 5"};
        rows << test::order(1, 2008, 5, 25) << test::order(2, 2008, 5, 30);
        file = app.makeZelDatabase("Shop.ZELDB", rows);
        app.state->database.close();
    }
    CommandRun run(QStringList args) const { return zel::test::runCli(app, args << "--db" << file); }
    QStringList summarized() const
    {
        return TempApp::queryColumn(file, "Select Distinct [Orders Summary Printed] From Orders");
    }

    TempApp app;
    QString file;
};

TEST_F(CampaignReportCommands, OrderSummaryDataFileAndTheMarkAnswer)
{
    const QString out = app.path("order.txt");
    CommandRun r = run({"report", "order-summary", "--year", "2008", "--campaign", "5", "--data-file", out, "--mark-summarized", "no"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(app.readFile("order.txt"), "123-456,2\r\n");
    EXPECT_EQ(summarized(), QStringList{"0"});
    r = run({"report", "order-summary", "--year", "2008", "--campaign", "5", "--preview", "--mark-summarized", "yes"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("Customer Orders: 2"));
    EXPECT_EQ(summarized(), QStringList{"-1"});
    EXPECT_EQ(TempApp::queryColumn(file, "Select Count(*) From rptOrderSummary"), QStringList{"1"});
}

TEST_F(CampaignReportCommands, ChoicesAreCheckedAndBelongToTheirReport)
{
    CommandRun r = run({"report", "order-summary", "--type", "sideways", "--preview"});
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.err.contains("--type")) << r.err.toStdString();
    r = run({"report", "earnings", "--size", "A", "--preview"});
    EXPECT_EQ(r.code, 2);
    r = run({"report", "labels", "--size", "A", "--line1", "first - last name", "--line2", "street address", "--suppress-empty",
             "--pdf", app.path("l.pdf")});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("Labels written to"));
    r = run({"report", "labels", "--size", "A", "--line1", "first - last name", "--line2", "email", "--suppress-empty", "--preview"});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("there were no labels remaining to print"));
}

TEST_F(CampaignReportCommands, EveryNewReportRunsFromTheCommandLine)
{
    for (const char *name : {"earnings", "campaign-totals", "campaign-summary"}) {
        const CommandRun r = run({"report", name, "--year", "2008", "--campaign", "5", "--preview"});
        EXPECT_EQ(r.code, 0) << name << ": " << r.err.toStdString();
    }
    const CommandRun help = zel::test::runCli(app, {"help"});
    for (const char *option : {"--data-file OUT.TXT", "--mark-summarized yes|no", "--size a|b|c|d|e", "--suppress-empty", "--complete"})
        EXPECT_TRUE(help.out.contains(option)) << option;
}

// As the blank campaign and year of the earnings tab: all campaigns of 2008, or every year.
TEST_F(CampaignReportCommands, EarningsTakeAllCampaignsAndOtherReportsAOneCampaign)
{
    CommandRun r = run({"report", "earnings", "--year", "2008", "--campaign", "0", "--preview"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("All Campaigns - Year 2008")) << r.out.toStdString();
    r = run({"report", "earnings", "--year", "0", "--campaign", "0", "--preview"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("All Campaigns - All Years")) << r.out.toStdString();

    r = run({"report", "campaign-summary", "--year", "2008", "--campaign", "0", "--preview"});
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.err.contains("campaign-summary report needs a campaign from 1 up")) << r.err.toStdString();
    EXPECT_EQ(run({"report", "earnings", "--year", "1200", "--preview"}).code, 2);
}

} // namespace
