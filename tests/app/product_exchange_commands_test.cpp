#include "cli_runner.h"
#include "exchange/product_import_fixture.h"

#include <gtest/gtest.h>

using namespace zel;
using zel::test::CommandRun;
using zel::test::TempApp;

namespace {

class ProductExchangeCommands : public ::testing::Test
{
protected:
    void SetUp() override
    {
        file = app.makeZelDatabase(
            "Shop.ZELDB",
            {"Insert Into Customers ([Customers Number], [Customers Last Name], [Customers First Name], [Customers Language]) "
             "Values (1, 'Adams', 'Ann', 'English')",
             "Insert Into PDAOrders ([PDA Orders Id], [PDA Orders Customer ID], [PDA Orders Campaign Year], [PDA Orders Campaign "
             "Number], [PDA Orders Processed Flag]) Values (5, 1, 2026, 3, 0), (6, 8, 2026, 3, 0)",
             "Insert Into PDAOrderDetails ([PDA OrderDetails Order Id], [PDA OrderDetails ID], [PDA OrderDetails Product], [PDA "
             "OrderDetails Order Qty], [PDA OrderDetails Price Qty], [PDA OrderDetails Unit Price]) Values (5, 1, '100200', 2, 2, "
             "7.25)",
             "Insert Into PDAOrderPayments ([PDA OrderPayments Customer ID], [PDA OrderPayments Order Id], [PDA OrderPayments ID], "
             "[PDA OrderPayments Amount]) Values (1, 5, 1, 0)"});
        app.state->database.close();
    }
    CommandRun run(const QStringList &args) const { return zel::test::runCli(app, args); }

    TempApp app;
    QString file;
};

TEST_F(ProductExchangeCommands, HandheldOrdersAreCheckedImportedAndMadeToWaitAgain)
{
    CommandRun validated = run({"pda", "validate", "--db", file});
    EXPECT_EQ(validated.code, 1);
    EXPECT_EQ(validated.out, "Customer #: 1, Order ID: 5 Adams, Ann\nCustomer #: 8, Order ID: 6  CUSTOMER NOT FOUND\n");
    EXPECT_TRUE(validated.err.contains("Validation Failed!"));

    const CommandRun refused = run({"pda", "import", "--db", file, "--no"});
    EXPECT_EQ(refused.code, 1);
    const CommandRun imported = run({"pda", "import", "--db", file, "--yes"});
    EXPECT_EQ(imported.code, 0) << qPrintable(imported.err);
    EXPECT_EQ(imported.out, "Details: 1\nOrders: 1\nDollars: 7.25\n");
    EXPECT_EQ(TempApp::queryColumn(file, "Select [Orders Unit Total] From Orders Where [Orders Internal Flag] = 'TOTAL'"),
              QStringList{"14.5"});
    validated = run({"pda", "validate", "--db", file});
    EXPECT_EQ(validated.code, 0);
    EXPECT_TRUE(validated.err.contains("No new orders to process."));

    EXPECT_EQ(run({"pda", "reset", "--db", file}).code, 0);
    EXPECT_EQ(run({"pda", "validate", "--db", file}).out.count('\n'), 2);
    EXPECT_EQ(run({"pda", "sync", "--db", file}).code, 2);
}

TEST_F(ProductExchangeCommands, ProductsComeInFromAProductDatabase)
{
    const QString source = app.makeDatabase("Spring.ZELPD", zel::test::supplierProducts({"2026, 3, '100200', 'Lotion', 7.25, 0, ''"}));
    // Asked whether to import, with nobody to answer: nothing is imported.
    const CommandRun unanswered = run({"import", "products", "--db", file, "--dashes", "use", source});
    EXPECT_EQ(unanswered.code, 2);
    EXPECT_TRUE(unanswered.err.endsWith("This question has no answer here: give --yes or --no, and --year Y --campaign C for a "
                                        "file without campaigns.\n"))
        << qPrintable(unanswered.err);
    EXPECT_TRUE(TempApp::queryColumn(file, "Select count(*) From Products") == QStringList{"0"});

    const CommandRun imported = run({"import", "products", "--db", file, "--dashes", "use", source, "--yes"});
    EXPECT_EQ(imported.code, 0) << qPrintable(imported.err);
    EXPECT_EQ(imported.out, "Products read: 1\nAdded: 1\nUpdated: 0\n");
    EXPECT_EQ(TempApp::queryColumn(file, "Select [Products Campaign Year] || ' ' || [Products Catalog Number] From Products "
                                         "Order By 1"),
              QStringList({"0 100-200", "2026 100-200"}));

    const QString second = app.makeDatabase("Summer.ZELPD", zel::test::supplierProducts({}));
    ASSERT_TRUE(zel::test::zipFiles(app.path("Both.ZIP"), {source, second}));
    const CommandRun twoFiles = run({"import", "products", "--db", file, "--dashes", "use", app.path("Both.ZIP")});
    EXPECT_EQ(twoFiles.code, 1);
    EXPECT_TRUE(twoFiles.err.contains("This file contains more than 1 zipped file.  Action Cancelled."));

    EXPECT_EQ(run({"import", "products", "--db", file, "--dashes", "some", source}).code, 2);
    EXPECT_EQ(run({"import", "products", "--db", file, "--dashes", "use", "--year", "2026", source}).code, 2);
    EXPECT_EQ(run({"import", "goods", "--db", file, "--dashes", "use", source}).code, 2);
}

} // namespace
