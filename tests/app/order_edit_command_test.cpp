#include "app/order_edit_command.h"

#include "app/command_line.h"
#include "cli_runner.h"

#include <gtest/gtest.h>

using namespace zel;
using zel::test::TempApp;
using zel::test::runCli;

namespace {

class OrderEditCommandTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        path = app.makeZelDatabase("Shop.ZELDB", {
            "Insert Into Customers ([Customers Number], [Customers First Name], [Customers Last Name], [Customers Processing "
            "Charge], [Customers Discount Percent], [Customers Tax Rate 1], [Customers Tax Rate 2]) Values (1, 'Ann', 'Lee', "
            "'N', 10, 0, 0)",
            "Insert Into Orders ([Orders Customer Number], [Orders Campaign Year], [Orders Campaign Number], [Orders Order "
            "Number], [Orders Sequence Number], [Orders Internal Flag], [Orders Catalog Number], [Orders Quanity], [Orders "
            "Price Quantity], [Orders Unit Price], [Orders Unit Total]) Values (1, 2008, 5, 1, 1, 'DETAIL', '123-456', 2, 2, "
            "10, 20), (1, 2008, 5, 1, 2, 'OPTIONS', 'NYNNN', 0, 0, 0, 0)"});
        app.state->database.close();
    }

    TempApp app;
    QString path;
};

} // namespace

TEST_F(OrderEditCommandTest, OnlyOrderEditOpensAWindow)
{
    EXPECT_TRUE(commandOpensWindow(CommandLine::parse({"order", "edit", "--db", "x", "--customer", "1"})));
    EXPECT_FALSE(commandOpensWindow(CommandLine::parse({"order", "recompute", "--db", "x"})));
    EXPECT_FALSE(commandOpensWindow(CommandLine::parse({"balance", "--db", "x"})));
}

TEST_F(OrderEditCommandTest, WrongValuesStopBeforeTheScreenOpens)
{
    const auto noCustomer = runCli(app, {"order", "edit", "--db", path});
    EXPECT_EQ(noCustomer.code, 2);
    EXPECT_TRUE(noCustomer.err.contains("--customer")) << noCustomer.err.toStdString();

    const auto unknown = runCli(app, {"order", "edit", "--db", path, "--customer", "9"});
    EXPECT_EQ(unknown.code, 2);
    EXPECT_EQ(unknown.err, QStringLiteral("Customer 9 does not exist.\n"));

    const auto noOrder = runCli(app, {"order", "edit", "--db", path, "--customer", "1", "--order", "4", "--year", "2008",
                                      "--campaign", "5"});
    EXPECT_EQ(noOrder.code, 2);
    EXPECT_EQ(noOrder.err, QStringLiteral("Customer 1 has no order 4 in campaign 5 of 2008.\n"));

    const auto half = runCli(app, {"order", "edit", "--db", path, "--customer", "1", "--year", "2008"});
    EXPECT_EQ(half.code, 2);
}

TEST_F(OrderEditCommandTest, RecomputeStartsFromTheCustomersDiscount)
{
    const auto run = runCli(app, {"order", "recompute", "--db", path, "--customer", "1", "--year", "2008", "--campaign", "5",
                                  "--order", "1"});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("Special Discount 10%")) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains("grand total 18.00")) << run.out.toStdString();

    const auto given = runCli(app, {"order", "recompute", "--db", path, "--customer", "1", "--year", "2008", "--campaign", "5",
                                    "--order", "1", "--discount", "5"});
    ASSERT_EQ(given.code, 0) << given.err.toStdString();
    EXPECT_TRUE(given.out.contains("grand total 19.00")) << given.out.toStdString();
}

// 2 × 10.00 = 20.00; the customer's 10 % gives -2.00 (18.00), the order's own 5 % gives -1.00 (19.00).
TEST_F(OrderEditCommandTest, RecomputeKeepsThePercentTheOrderWasSavedWith)
{
    ASSERT_EQ(runCli(app, {"order", "recompute", "--db", path, "--customer", "1", "--year", "2008", "--campaign", "5",
                           "--order", "1", "--discount", "5"})
                  .code,
              0);
    const auto again = runCli(app, {"order", "recompute", "--db", path, "--customer", "1", "--year", "2008", "--campaign",
                                    "5", "--order", "1"});
    ASSERT_EQ(again.code, 0) << again.err.toStdString();
    EXPECT_TRUE(again.out.contains("Special Discount 5%")) << again.out.toStdString();
    EXPECT_TRUE(again.out.contains("grand total 19.00")) << again.out.toStdString();
}
