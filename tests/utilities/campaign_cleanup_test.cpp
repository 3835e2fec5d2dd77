#include "utilities/campaign_cleanup.h"
#include "utilities/bulk_flags.h"

#include "utilities/shop_fixture.h"

#include <gtest/gtest.h>

using namespace zel;
using namespace zel::utilities;
using zel::test::money;
using zel::test::orderLine;

namespace {

class CampaignCleanupTest : public zel::test::ShopTest
{
protected:
    void SetUp() override
    {
        ShopTest::SetUp();
        customer(1, "Abbot", "Ann");
        customer(2, "Baker", "Beth");
        customer(3, "Cole", "Cara", 0, "Closed");
    }
    void comment(int customer, const Campaign &campaign)
    {
        exec(QStringLiteral("Insert Into Comments ([Comments Customer Number], [Comments Campaign Year], [Comments Campaign "
                            "Number]) Values (%1, %2, %3)")
                 .arg(customer)
                 .arg(campaign.year)
                 .arg(campaign.number));
    }
    CampaignCleanup cleanup{*app.state};
};

TEST_F(CampaignCleanupTest, ACampaignIsDeletedOnlyWhereItWasPaidExactly)
{
    const Campaign c{2007, 4};
    order(1, c, {orderLine("1001", 1, "50.00")});
    pay(1, c, 1, 1, "-50");
    comment(1, c);
    order(2, c, {orderLine("1001", 1, "50.00")});
    pay(2, c, 1, 1, "-40");

    const std::optional<OrderDeletion> done = cleanup.deleteOrders(2007, 4);
    ASSERT_TRUE(done);
    EXPECT_EQ(done->payments, 1);
    EXPECT_EQ(done->comments, 1);
    EXPECT_EQ(done->notDeleted, 1);
    EXPECT_EQ(rows("Select Distinct [Orders Customer Number] From Orders"), QStringList{"2"});
    EXPECT_EQ(balance(2, c), money("10.00"));
    const QStringList messages = app.prompter.messageTexts();
    EXPECT_EQ(messages[messages.size() - 2],
              QStringLiteral("Orders Deleted: %1\nPayments Deleted: 1\nComments Deleted: 1").arg(done->orders));
    EXPECT_TRUE(messages.last().startsWith(
        "1 individual Orders NOT deleted due to individual order total not matching payment total.\n"));
}

TEST_F(CampaignCleanupTest, AYearIsKeptForACustomerWhoOwedFromTheYearBefore)
{
    order(1, {2006, 20}, {orderLine("1001", 1, "30.00")});
    order(1, {2007, 3}, {orderLine("1001", 1, "20.00")});
    pay(1, {2007, 3}, 1, 1, "-20");
    order(2, {2007, 3}, {orderLine("1001", 1, "20.00")});
    pay(2, {2007, 3}, 1, 1, "-20");
    order(2, {2007, 9}, {orderLine("1001", 1, "5.00")});
    pay(2, {2007, 9}, 1, 1, "-5");

    const std::optional<OrderDeletion> done = cleanup.deleteOrders(2007, CampaignCleanup::kAll);
    ASSERT_TRUE(done);
    EXPECT_EQ(done->payments, 2);
    EXPECT_EQ(done->notDeleted, 0); // a year's survivors are not counted
    EXPECT_EQ(rows("Select Distinct [Orders Customer Number] || '/' || [Orders Campaign Year] From Orders Order By 1"),
              (QStringList{"1/2006", "1/2007"}));
    EXPECT_EQ(balance(1, {2007, 30}), money("30.00"));
}

TEST_F(CampaignCleanupTest, MissingChoicesAndNoStopBeforeAnythingIsDeleted)
{
    order(1, {2007, 4}, {orderLine("1001", 1, "5.00")});
    pay(1, {2007, 4}, 1, 1, "-5");
    EXPECT_FALSE(cleanup.deleteOrders(std::nullopt, 4));
    EXPECT_EQ(app.prompter.messageTexts().last(), "Please select year to delete");
    EXPECT_FALSE(cleanup.deleteOrders(2007, std::nullopt));
    EXPECT_EQ(app.prompter.messageTexts().last(), "Please select Campaign(s) to delete");
    app.prompter.queueAnswer(Answer::No);
    EXPECT_FALSE(cleanup.deleteOrders(2007, 4));
    EXPECT_GT(count("Select Count(*) From Orders"), 0);
}

TEST_F(CampaignCleanupTest, CustomersOfAStatusGoWithEverythingAttached)
{
    order(3, {2007, 4}, {orderLine("1001", 1, "5.00")});
    pay(3, {2007, 4}, 1, 1, "-5");
    comment(3, {2007, 4});
    order(1, {2007, 4}, {orderLine("1001", 1, "5.00")});
    EXPECT_EQ(cleanup.deleteCustomers(QStringLiteral("Closed")), 1);
    EXPECT_EQ(app.prompter.messageTexts().last(), "Deleted 1 Customers.");
    EXPECT_EQ(rows("Select [Customers Number] From Customers Order By 1"), (QStringList{"1", "2"}));
    EXPECT_EQ(count("Select Count(*) From Orders Where [Orders Customer Number] = 3")
                  + count("Select Count(*) From Payments") + count("Select Count(*) From Comments"),
              0);
    EXPECT_GT(count("Select Count(*) From Orders Where [Orders Customer Number] = 1"), 0);
}

TEST_F(CampaignCleanupTest, BaseLineProductsAreOnlyThoseOfYearZero)
{
    exec("Insert Into Products ([Products Campaign Year], [Products Campaign Number], [Products Catalog Number]) Values "
         "(0, 0, 'A'), (2007, 1, 'A'), (2007, 2, 'B'), (2008, 1, 'C')");
    EXPECT_EQ(cleanup.deleteProducts(0, CampaignCleanup::kAll), 1);
    EXPECT_EQ(cleanup.deleteProducts(2007, 2), 1);
    EXPECT_EQ(rows("Select [Products Campaign Year] || '/' || [Products Catalog Number] From Products Order By 1"),
              (QStringList{"2007/A", "2008/C"}));
    EXPECT_EQ(app.prompter.messageTexts().last(), "Deleted 1 Products.");
    EXPECT_FALSE(cleanup.deleteProducts(2007, std::nullopt));
    EXPECT_EQ(app.prompter.messageTexts().last(), "Please select Campaign number or 'All'.");
}

TEST_F(CampaignCleanupTest, ABackupThatDidNotFinishAsksBeforeGoingOn)
{
    EXPECT_TRUE(cleanup.backUpFirst([] { return true; }));
    app.prompter.queueAnswer(Answer::No);
    EXPECT_FALSE(cleanup.backUpFirst([] { return false; }));
    EXPECT_EQ(app.prompter.messageTexts().last(),
              "The backup has been cancelled, do you wish to continue with the DELETE function?.");
}

TEST_F(CampaignCleanupTest, FlagsAndCountersReportTheRowsChanged)
{
    order(1, {2008, 5}, {orderLine("1001", 1, "5.00")});
    BulkFlags flags(*app.state);
    const int rowsOfOrder = count("Select Count(*) From Orders");
    EXPECT_EQ(flags.setPrintedFlags({2008, 5}, true), rowsOfOrder);
    EXPECT_EQ(app.prompter.messageTexts().last(), QStringLiteral("%1 Order details have been updated.").arg(rowsOfOrder));
    EXPECT_TRUE(app.prompter.messageTexts().contains(
        "Do you wish to SET the 'Order Printed Flag' on every order for Campaign 2008 / 5?"));
    EXPECT_EQ(count("Select Count(*) From Orders Where [Orders Printed] = -1"), rowsOfOrder);
    EXPECT_EQ(flags.setLabelFlags(true), 3);
    EXPECT_EQ(count("Select Count(*) From Customers Where [Customers Label Flag] = 'Y'"), 3);
    exec("Update Customers Set [Customers Points4] = 7");
    EXPECT_FALSE(flags.resetCounter(std::nullopt));
    EXPECT_EQ(app.prompter.messageTexts().last(), "Please Select A Counter.");
    EXPECT_EQ(flags.resetCounter(4), 3);
    EXPECT_EQ(count("Select Sum([Customers Points4]) From Customers"), 0);
}

} // namespace
