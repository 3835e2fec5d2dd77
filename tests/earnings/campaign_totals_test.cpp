#include "earnings/campaign_totals.h"

#include "test_support.h"

#include <gtest/gtest.h>

using namespace zel;

namespace {

class CampaignTotalsTest : public test::OpenDatabaseTest
{
};

TEST_F(CampaignTotalsTest, AnUntouchedYearGetsThirtyEmptyRowsOnce)
{
    open();
    ASSERT_TRUE(CampaignTotals::ensureRows(app.state->data, 2026));
    ASSERT_TRUE(CampaignTotals::ensureRows(app.state->data, 2026));
    EXPECT_EQ(app.column("Select Count(*) From Totals Where [Totals Campaign Year] = 2026"), QStringList{"30"});
    EXPECT_EQ(app.column("Select Sum([Totals Due]) From Totals"), QStringList{"0"});
    EXPECT_EQ(app.column("Select Max([Totals Campaign Number]) From Totals"), QStringList{"30"});
}

TEST_F(CampaignTotalsTest, AYearWithAnyRowIsLeftAsItIs)
{
    open({"Insert Into Totals ([Totals Campaign Year], [Totals Campaign Number], [Totals Due]) Values (2025, 4, 1234500)"});
    ASSERT_TRUE(CampaignTotals::ensureRows(app.state->data, 2025));
    EXPECT_EQ(app.column("Select Count(*) From Totals"), QStringList{"1"});
}

} // namespace
