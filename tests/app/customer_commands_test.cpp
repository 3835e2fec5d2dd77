#include "app/cli_runner.h"
#include "customers/customer_fixtures.h"

#include <gtest/gtest.h>

using namespace zel;
using zel::test::customerRow;
using zel::test::orderRow;
using zel::test::runCli;

namespace {

class CustomerCommandsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        db = app.makeZelDatabase("Shop.ZELDB", {customerRow(1, "Ann", "Zed"), customerRow(2, "Bea", "Young"),
                                                customerRow(3, "Cy", "Xu"), orderRow(2, 2008, 4, 1, "5.00"),
                                                orderRow(2, 2008, 4, 1, "5.00", "DETAIL", "1234", "Eye-Liner"),
                                                orderRow(3, 2008, 3, 1, "7.50", "DETAIL", "5678", "Lip, Gloss")});
    }
    test::TempApp app;
    QString db;
};

} // namespace

TEST_F(CustomerCommandsTest, FindPrintsNumbersAndMarksTheLabels)
{
    test::CommandRun run = runCli(app, {"customer", "find", "--db", db});
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "3\n2\n1\n");
    run = runCli(app, {"customer", "find", "--db", db, "--order", "number", "--ordered-in", "2008/4"});
    EXPECT_EQ(run.out, "2\n");
    EXPECT_EQ(test::TempApp::queryColumn(db, "Select [Customers Number] From Customers Where [Customers Label Flag 2] = 'Y'"),
              QStringList({"2"}));
    run = runCli(app, {"customer", "find", "--db", db, "--not-ordered-in", "2008/04", "--last", "x"});
    EXPECT_EQ(run.out, "3\n");
    run = runCli(app, {"customer", "find", "--db", db, "--balance", "debit", "--ordered-in", "2008/5"});
    EXPECT_EQ(run.out, "");
    run = runCli(app, {"customer", "find", "--db", db, "--product", "1234", "--ordered-in", "2008/4"});
    EXPECT_EQ(run.out, "2\n");
    // A product nobody ordered finds nobody, though customer 2's order has its computed rows.
    run = runCli(app, {"customer", "find", "--db", db, "--product", "000-000", "--ordered-in", "2008/4"});
    EXPECT_EQ(run.out, "");
    run = runCli(app, {"customer", "find", "--db", db, "--product", "000-000", "--product", "1234", "--ordered-in", "2008/4"});
    EXPECT_EQ(run.out, "2\n") << "up to three products, as the screen's three boxes";
    run = runCli(app, {"customer", "find", "--db", db, "--product", "a", "--product", "b", "--product", "c", "--product", "d",
                       "--ordered-in", "2008/4"});
    EXPECT_EQ(run.code, 2);
}

TEST_F(CustomerCommandsTest, FindRefusesBadValuesBeforeWriting)
{
    for (const QStringList &bad : {QStringList{"--ordered-in", "2008/31"}, QStringList{"--ordered-in", "May"},
                                   QStringList{"--balance", "some"}, QStringList{"--status", "Gone"},
                                   QStringList{"--order", "age"}}) {
        const test::CommandRun run = runCli(app, QStringList{"customer", "find", "--db", db} + bad);
        EXPECT_EQ(run.code, 2) << bad.join(' ').toStdString();
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
    }
    EXPECT_TRUE(test::TempApp::queryColumn(db, "Select 1 From Customers Where [Customers Label Flag 2] = 'Y'").isEmpty());
}

TEST_F(CustomerCommandsTest, HistoryPrintsMatchingLinesAsCsv)
{
    test::CommandRun run = runCli(app, {"history", "--db", db, "--product", "eye liner"});
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "2,Bea Young,2008/04,1234,Eye-Liner,1,5.00\n");
    run = runCli(app, {"history", "--db", db, "--quick", "gloss"});
    EXPECT_EQ(run.out, "3,Cy Xu,2008/03,5678,\"Lip, Gloss\",1,7.50\n");
    run = runCli(app, {"history", "--db", db});
    EXPECT_EQ(run.out.count('\n'), 2);
}

TEST_F(CustomerCommandsTest, NewAndDeleteStillWork)
{
    test::CommandRun run = runCli(app, {"customer", "new", "--db", db});
    EXPECT_EQ(run.out, "4\n");
    run = runCli(app, {"customer", "delete", "--db", db, "4"});
    EXPECT_EQ(run.code, 0);
    EXPECT_TRUE(run.out.startsWith("Customer Deleted."));
    EXPECT_EQ(runCli(app, {"customer", "delete", "--db", db, "9"}).code, 2);
}
