#include "app/cli_runner.h"
#include "payments/payment_sums.h"
#include "utilities/shop_fixture.h"

#include <gtest/gtest.h>

using namespace zel;
using zel::test::money;
using zel::test::orderLine;
using zel::test::runCli;

namespace {

// The commands work on a database file of their own; the fixture's connection is closed first.
class UtilityCommandsTest : public zel::test::ShopTest
{
protected:
    void SetUp() override
    {
        ShopTest::SetUp();
        customer(1, "Abbot", "Ann", 9);
        customer(2, "Baker", "Beth");
        customer(9, "Helper", "Hazel");
        order(1, {2008, 5}, {orderLine("2001", 2, "10.00"), orderLine("3003", 1, "6.00")});
        order(2, {2008, 5}, {orderLine("2001", 1, "10.00")});
        order(2, {2008, 5}, {orderLine("3003", 1, "6.00")});
        app.state->database.close();
    }
    zel::test::CommandRun cli(QStringList args)
    {
        args << "--db" << path << "--yes";
        return runCli(app, args);
    }
    // Every balance as of a campaign, worked out from scratch by the balance command's sums.
    Currency balanceNow(int customer, int number = 5)
    {
        app.state->database.open(path);
        const Currency b = PaymentSums(app.state->data).balance(customer, 2008, number);
        app.state->database.close();
        return b;
    }
};

TEST_F(UtilityCommandsTest, PayInFullThenClearForOneHelper)
{
    auto run = cli({"payment", "pay-in-full", "--year", "2008", "--campaign", "5", "--type", "Cash", "--deposited"});
    ASSERT_EQ(run.code, 0) << qPrintable(run.err);
    EXPECT_EQ(run.out, "3 Orders have been marked paid in full.\n");
    EXPECT_TRUE(balanceNow(1).isZero());
    EXPECT_TRUE(balanceNow(2).isZero());

    run = cli({"payment", "clear", "--year", "2008", "--campaign", "5", "--helper", "9"});
    ASSERT_EQ(run.code, 0) << qPrintable(run.err);
    EXPECT_EQ(run.out, "1 Payments have been cleared.\n");
    EXPECT_EQ(balanceNow(1), money("26.00"));
    EXPECT_TRUE(balanceNow(2).isZero());
}

TEST_F(UtilityCommandsTest, AddsExtraPaymentsAndRefunds)
{
    auto run = cli({"payment", "add", "--customer", "2", "--year", "2008", "--campaign", "5", "--order", "2", "--amount", "10",
                    "--extra"});
    ASSERT_EQ(run.code, 0) << qPrintable(run.err);
    EXPECT_EQ(run.out, "Payment 1 of customer 2 booked on order 902: -10.00\n");
    run = cli({"payment", "add", "--customer", "2", "--year", "2008", "--campaign", "5", "--order", "1", "--amount", "4",
               "--refund", "--type", "Refund"});
    ASSERT_EQ(run.code, 0) << qPrintable(run.err);
    EXPECT_EQ(balanceNow(2), money("10.00"));
    EXPECT_EQ(zel::test::TempApp::queryColumn(path, "Select [Payments Order Number] || ' ' || [Payments Sequence] || ' ' || "
                                                    "[Payments Amount] From Payments Order By [Payments Sequence]"),
              (QStringList{"902 1 -10.0", "1 2 4.0"}));

    run = cli({"payment", "add", "--customer", "2", "--year", "2008", "--campaign", "5", "--order", "7", "--amount", "4"});
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(run.err, "Customer 2 has no order 7 in campaign 5 of 2008.\n");
}

TEST_F(UtilityCommandsTest, ProductUpdateAndShortKeepBalancesRight)
{
    auto run = cli({"product", "update", "--year", "2008", "--campaign", "5", "--catalog", "2001", "--customers", "1",
                    "--unavailable"});
    ASSERT_EQ(run.code, 0) << qPrintable(run.err);
    EXPECT_EQ(run.out, "Updated 1 Orders.\n");
    EXPECT_EQ(balanceNow(1), money("6.00"));
    EXPECT_EQ(balanceNow(2), money("16.00"));

    run = cli({"product", "short", "--year", "2008", "--campaign", "5", "--catalog", "3003", "--all", "--arrival", "2008/06"});
    ASSERT_EQ(run.code, 0) << qPrintable(run.err);
    EXPECT_EQ(run.out, "Updated 2 Orders.\n");
    EXPECT_TRUE(balanceNow(1).isZero());
    EXPECT_EQ(balanceNow(1, 6), money("6.00"));
    EXPECT_EQ(balanceNow(2, 6), money("16.00"));

    run = cli({"product", "short", "--year", "2008", "--campaign", "5", "--catalog", "2001", "--all"});
    EXPECT_EQ(run.code, 2);
    run = cli({"product", "update", "--year", "2008", "--campaign", "5", "--catalog", "2001", "--all", "--price", "abc"});
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(run.err, "--price needs an amount of money up to 1,000,000.00, such as 25.00.\n");
}

TEST_F(UtilityCommandsTest, CleanupAndFlags)
{
    ASSERT_EQ(cli({"payment", "add", "--customer", "2", "--year", "2008", "--campaign", "5", "--order", "1", "--amount", "16"}).code, 0);
    const QString copy = app.path("Before.ZELDB");
    auto run = cli({"cleanup", "orders", "--year", "2008", "--campaign", "5", "--backup", copy});
    ASSERT_EQ(run.code, 0) << qPrintable(run.err);
    EXPECT_TRUE(run.out.startsWith("Backed up to "));
    EXPECT_EQ(runCli(app, {"balance", "--db", copy, "--customer", "2", "--year", "2008", "--campaign", "5"}).code, 0)
        << "the copy is a database of its own";
    EXPECT_TRUE(run.out.contains("Payments Deleted: 1\n"));
    EXPECT_TRUE(run.out.endsWith("Not deleted: 1\n"));
    EXPECT_EQ(balanceNow(1), money("26.00"));

    run = cli({"flags", "counter", "3", "reset"});
    ASSERT_EQ(run.code, 0) << qPrintable(run.err);
    EXPECT_EQ(run.out, "3 rows updated.\n");
    EXPECT_EQ(cli({"flags", "counter", "10", "reset"}).code, 2);
    run = cli({"flags", "printed", "set", "--year", "2008", "--campaign", "5"});
    ASSERT_EQ(run.code, 0) << qPrintable(run.err);
    EXPECT_EQ(cli({"cleanup", "customers", "--status", "Gone"}).code, 2);
    run = runCli(app, {"cleanup", "inventory", "--db", path, "--no"});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(cli({"cleanup", "inventory", "--backup", copy}).code, 2) << "an existing copy is never overwritten";
}

} // namespace
