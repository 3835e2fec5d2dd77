#include "cli_runner.h"

#include <gtest/gtest.h>

using namespace zel;
using zel::test::TempApp;
using zel::test::runCli;

namespace {

QString stockRow(const char *catalog, int qty)
{
    return QString("Insert Into Inventory ([Inventory Catalog Number], [Inventory Description], [Inventory Price], "
                   "[Inventory Qty], [Inventory Sold To Name], [Inventory Sold To Qty], [Inventory Sold To Campaign Year], "
                   "[Inventory Sold to Campaign Number], [Inventory Delete Flag]) Values ('%1', 'Lipstick', 4.5, %2, '', 0, 0, 0, 0)")
        .arg(catalog).arg(qty);
}

class RecordCommandsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        path = app.makeZelDatabase("Shop.ZELDB",
                                   {"Update Options Set [Options Current Campaign Year] = 2008, [Options Current Campaign Number] = 5",
                                    "Insert Into Customers ([Customers Number], [Customers First Name], [Customers Last Name], "
                                    "[Customers Status]) Values (7, 'Ann', 'Adams', 'Active')",
                                    stockRow("111-111", 5),
                                    "Insert Into Products ([Products Campaign Year], [Products Campaign Number], "
                                    "[Products Catalog Number], [Products Description], [Products Reg Price]) "
                                    "Values (0, 0, '222-222', 'Mascara', 6.25)"});
    }
    test::CommandRun run(QStringList args)
    {
        args << "--db" << path;
        return runCli(app, args);
    }
    QStringList rows(const QString &sql) const { return TempApp::queryColumn(path, sql); }
    QStringList stock() const
    {
        return rows("Select [Inventory Qty] || '/' || [Inventory Sold To Qty] || '/' || [Inventory Sold To Name] || '/' || "
                    "[Inventory Sold To Campaign Year] || '-' || [Inventory Sold to Campaign Number] From Inventory "
                    "Where [Inventory Catalog Number] = '111-111' Order By rowid");
    }

    TempApp app;
    QString path;
};

TEST_F(RecordCommandsTest, ExpensesAreAddedWithCountersAndListedAsCsv)
{
    test::CommandRun added = run({"expense", "add", "--year", "2008", "--campaign", "5", "--amount", "12.5", "--description",
                                  "Stamps, large", "--payee", "Post Office"});
    ASSERT_EQ(added.code, 0) << added.err.toStdString();
    EXPECT_EQ(added.out, "1\n");
    added = run({"expense", "add", "--year", "2008", "--campaign", "6", "--amount", "3", "--external"});
    EXPECT_EQ(added.out, "2\n");

    const test::CommandRun listed = run({"expense", "list", "--year", "2008", "--campaign", "5"});
    ASSERT_EQ(listed.code, 0);
    const QStringList lines = listed.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[1].startsWith("2008,5,1,\"Stamps, large\",Post Office,,12.50,N,")) << lines[1].toStdString();
    EXPECT_EQ(run({"expense", "list", "--year", "2008"}).out.count('\n'), 3);
    EXPECT_EQ(rows("Select [Expenses Include Flag] From Expenses Where [Expenses Counter] = 2"), QStringList{"-1"});
}

TEST_F(RecordCommandsTest, WrongValuesStopBeforeAnythingIsWritten)
{
    EXPECT_EQ(run({"expense", "add", "--year", "2008", "--campaign", "5", "--amount", "lots"}).code, 2);
    EXPECT_EQ(run({"expense", "add", "--year", "2008", "--campaign", "31", "--amount", "1"}).code, 2);
    EXPECT_EQ(run({"mileage", "add", "--date", "2008-02-30", "--start", "1", "--end", "2"}).code, 2);
    EXPECT_EQ(run({"inventory", "sell", "--catalog", "111-111", "--qty", "1", "--customer", "99"}).code, 2);
    EXPECT_EQ(run({"inventory", "sell", "--catalog", "999-999", "--qty", "1", "--customer", "7"}).code, 2);
    EXPECT_EQ(rows("Select Count(*) From Expenses"), QStringList{"0"});
    EXPECT_EQ(rows("Select Count(*) From Mileage"), QStringList{"0"});
    EXPECT_EQ(stock(), QStringList{"5/0//0-0"});
}

TEST_F(RecordCommandsTest, MileageAddsATripWithItsTotal)
{
    const test::CommandRun added =
        run({"mileage", "add", "--date", "2008-03-07", "--start", "1000", "--end", "1042.5", "--reason", "Delivery"});
    ASSERT_EQ(added.code, 0) << added.err.toStdString();
    EXPECT_EQ(added.out, "Trip total 42.5\n");
    EXPECT_EQ(rows("Select [Mileage Date] || ' ' || [Mileage Reason] || ' ' || [Mileage Trip Total] From Mileage"),
              QStringList{"03/07/2008 Delivery 42.5"});
}

TEST_F(RecordCommandsTest, InventoryAddDescribesTheStockFromTheBaselineAndListFilters)
{
    ASSERT_EQ(run({"inventory", "add", "--catalog", "222-222", "--qty", "4"}).out, "Add Complete.\n");
    EXPECT_EQ(rows("Select [Inventory Description] || ' ' || [Inventory Price] || ' ' || [Inventory Qty] From Inventory "
                   "Where [Inventory Catalog Number] = '222-222'"),
              QStringList{"Mascara 6.25 4"});
    ASSERT_EQ(run({"inventory", "sell", "--catalog", "111-111", "--qty", "2", "--customer", "7"}).code, 0);
    EXPECT_EQ(run({"inventory", "list", "--in-stock"}).out.count('\n'), 3);
    const QString sold = run({"inventory", "list", "--sold"}).out;
    EXPECT_EQ(sold.count('\n'), 2);
    EXPECT_TRUE(sold.contains("111-111,Lipstick,,,4.50,0,Ann Adams,2,2008,5")) << sold.toStdString();
}

// A stock row of 5: selling 3 leaves 2 and one sale row; selling all 5 turns it into the sale row;
// selling 7 takes the whole 5 and says so.
TEST_F(RecordCommandsTest, SellingFromAStockRowOfFive)
{
    ASSERT_EQ(run({"inventory", "sell", "--catalog", "111-111", "--qty", "3", "--customer", "7"}).code, 0);
    EXPECT_EQ(stock(), (QStringList{"2/0//0-0", "0/3/Ann Adams/2008-5"}));

    TempApp::queryColumn(path, "Update Inventory Set [Inventory Qty] = 5 Where [Inventory Sold To Qty] = 0");
    TempApp::queryColumn(path, "Delete From Inventory Where [Inventory Sold To Qty] > 0");
    ASSERT_EQ(run({"inventory", "sell", "--catalog", "111-111", "--qty", "5", "--customer", "7"}).code, 0);
    EXPECT_EQ(stock(), QStringList{"0/5/Ann Adams/2008-5"});

    TempApp::queryColumn(path, "Update Inventory Set [Inventory Qty] = 5, [Inventory Sold To Qty] = 0");
    const test::CommandRun more = run({"inventory", "sell", "--catalog", "111-111", "--qty", "7", "--customer", "7"});
    ASSERT_EQ(more.code, 0);
    EXPECT_EQ(stock(), (QStringList{"0/0/Ann Adams/2008-5", "0/5/Ann Adams/2008-5"}));
    EXPECT_EQ(more.out, "Only 5 of the 7 asked were taken from stock: the first stock row of product 111-111 held 5. Take the "
                        "rest from its next stock row in Inventory.\nSold 5 of 111-111 to Ann Adams; 0 left in stock.\n")
        << "what was taken is said, not what was asked";
}

} // namespace
