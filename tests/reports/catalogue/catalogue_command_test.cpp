#include "app/cli_runner.h"

#include <gtest/gtest.h>

#include <QFile>

using namespace zel;
using zel::test::CommandRun;
using zel::test::TempApp;

namespace {

class CatalogueCommand : public ::testing::Test
{
protected:
    void SetUp() override
    {
        file = app.makeZelDatabase(
            "Shop.ZELDB",
            {"Insert Into Customers ([Customers Number], [Customers First Name], [Customers Last Name], [Customers Status]) Values "
             "(1, 'Ann', 'Adams', 'Active'), (2, 'Bob', 'Baker', 'Closed')",
             "Insert Into Payments ([Payments Customer Number], [Payments Campaign Year], [Payments Campaign Number], "
             "[Payments Order Number], [Payments Sequence], [Payments Amount], [Payments Date], [Payments Deposited], "
             "[Payments Type]) Values (1, 2008, 5, 1, 1, -12.5, '2008-03-10 00:00:00', 'Y', 'Cash')"});
        app.state->database.close();
    }
    CommandRun run(QStringList args) const { return zel::test::runCli(app, args << "--db" << file); }

    TempApp app;
    QString file;
};

} // namespace

TEST_F(CatalogueCommand, ChoicesReachTheReportAndAnEmptyResultWritesNoFile)
{
    const QString pdf = app.path("closed.pdf");
    const CommandRun closed = run({"report", "customers", "--status", "Closed", "--sort", "number", "--pdf", pdf});
    EXPECT_EQ(closed.code, 0) << qPrintable(closed.err);
    EXPECT_TRUE(QFile::exists(pdf));
    EXPECT_EQ(TempApp::queryColumn(file, "Select [Customers Number] From rptCustomers"), QStringList{"2"});

    const CommandRun none = run({"report", "customers", "--status", "deleted", "--pdf", app.path("none.pdf")});
    EXPECT_EQ(none.err, "No customers found for current criteria.\n");
    EXPECT_FALSE(QFile::exists(app.path("none.pdf")));
}

TEST_F(CatalogueCommand, EveryBusinessReportRunsOnItsDefaults)
{
    // Only the reports about a campaign take one.
    const CommandRun customers = run({"report", "customers", "--pdf", app.path("customers.pdf")});
    EXPECT_EQ(customers.code, 0) << qPrintable(customers.err);
    const CommandRun payments = run({"report", "payment-summary", "--year", "2008", "--campaign", "5", "--pdf", app.path("p.pdf")});
    EXPECT_EQ(payments.code, 0) << qPrintable(payments.err);
    EXPECT_EQ(run({"report", "helper-summary", "--pdf", app.path("h.pdf")}).err, "No customers found for selected criteria.\n");
    EXPECT_EQ(run({"report", "notes", "--pdf", app.path("n.pdf")}).err, "No Notes found for current criteria.\n");
    EXPECT_EQ(run({"report", "notes", "--year", "2008", "--pdf", app.path("n.pdf")}).code, 2) << "notes take no campaign";
}

TEST_F(CatalogueCommand, AValueOutsideAChoiceStopsBeforeAnythingIsWritten)
{
    const CommandRun wrong = run({"report", "payment-summary", "--group", "colour", "--pdf", app.path("x.pdf")});
    EXPECT_EQ(wrong.code, 2);
    EXPECT_TRUE(wrong.err.contains("--group")) << qPrintable(wrong.err);
    EXPECT_FALSE(QFile::exists(app.path("x.pdf")));
    const CommandRun foreign = run({"report", "customers", "--basis", "total", "--pdf", app.path("y.pdf")});
    EXPECT_EQ(foreign.code, 2) << "the basis belongs to the helper summary";
}

TEST_F(CatalogueCommand, HelpListsEveryBusinessReportWithItsChoices)
{
    const CommandRun help = zel::test::runCli(app, {"help"});
    for (const char *name : {"customers", "brochures", "discounts", "expenses", "annual-summary", "payment-summary", "statistics",
                             "call-back", "helper-summary", "dates", "points", "mileage", "notes"})
        EXPECT_TRUE(help.out.contains(QStringLiteral("zel report %1 ").arg(name))) << name;
    EXPECT_TRUE(help.out.contains("--basis subtotal|less-discounts|plus-tax|total"));
}
