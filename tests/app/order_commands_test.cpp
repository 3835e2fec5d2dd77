#include "app/command_line.h"
#include "app/commands.h"
#include "app/sample_data.h"

#include "cli_runner.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QTextStream>

using namespace zel;
using zel::test::TempApp;

namespace {

using Output = zel::test::CommandRun;

Output command(const TempApp &app, const QStringList &args)
{
    return zel::test::runCli(app, args);
}

// A small sample, made once for the tests of this file.
class SampleTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        app = new TempApp;
        path = app->path("Sample.ZELDB");
        SampleSize size;
        size.customers = 12;
        size.years = 1;
        size.campaignsPerYear = 4;
        size.productsPerCampaign = 30;
        size.orderChance = 0.6;
        ASSERT_TRUE(generateSample(*app->state, path, size));
        app->state->database.close();
    }
    static void TearDownTestSuite()
    {
        delete app;
        app = nullptr;
    }

    static TempApp *app;
    static QString path;
};

TempApp *SampleTest::app = nullptr;
QString SampleTest::path;

} // namespace

TEST_F(SampleTest, EveryOrderAddsUp)
{
    // The sub total is its lines; the grand total is the sub total and every computed amount.
    const QString perOrder = "Group By [Orders Customer Number], [Orders Campaign Year], [Orders Campaign Number], [Orders Order Number]";
    EXPECT_EQ(TempApp::queryColumn(path, "Select Count(*) From (Select Sum(Case When [Orders Internal Flag] = 'DETAIL' Then "
                                         "[Orders Unit Total] Else 0 End) - Sum(Case When [Orders Internal Flag] = 'SUBTOTAL' "
                                         "Then [Orders Unit Total] Else 0 End) as D From Orders " + perOrder +
                                         ") Where Abs(D) > 0.00001"),
              QStringList{"0"});
    EXPECT_EQ(TempApp::queryColumn(path, "Select Count(*) From (Select Sum(Case When [Orders Internal Flag] In ('SUBTOTAL', "
                                         "'LDISCOUNT2', 'DISCOUNT', 'CHARGE', 'TAX', 'TAX2', 'SPECIALCHG', 'FLATCHG', "
                                         "'HELPERDISC') Then [Orders Unit Total] Else 0 End) - Sum(Case When [Orders Internal "
                                         "Flag] = 'TOTAL' Then [Orders Unit Total] Else 0 End) as D From Orders " + perOrder +
                                         ") Where Abs(D) > 0.00001"),
              QStringList{"0"});
    EXPECT_GT(TempApp::queryColumn(path, "Select Count(*) From Orders Where [Orders Internal Flag] = 'TOTAL'").value(0).toInt(), 10);
    EXPECT_GT(TempApp::queryColumn(path, "Select Count(*) From Payments").value(0).toInt(), 5);
    EXPECT_EQ(command(*app, {"db", "check", path}).code, 0);
}

// (A helper's own order is left out: her discount grows as her customers' orders arrive.)
TEST_F(SampleTest, RecomputingAnOrderChangesNothingUnlessAskedTo)
{
    const QStringList first = TempApp::queryColumn(
        path, "Select [Orders Customer Number] || ' ' || [Orders Campaign Year] || ' ' || [Orders Campaign Number] || ' ' || "
              "[Orders Order Number] || ' ' || [Orders Unit Total] From Orders Where [Orders Internal Flag] = 'TOTAL' And "
              "[Orders Unit Total] > 0 And [Orders Customer Number] In (Select [Customers Number] From Customers Where "
              "[Customers Business Helper Flag] = 'N') Limit 1");
    ASSERT_EQ(first.size(), 1);
    const QStringList key = first[0].split(' ');
    const QStringList args{"order", "recompute", "--db", path, "--customer", key[0], "--year", key[1], "--campaign", key[2],
                           "--order", key[3]};
    const Output again = command(*app, args);
    ASSERT_EQ(again.code, 0) << qPrintable(again.err);
    const QString total = TempApp::queryColumn(path, QString("Select [Orders Unit Total] From Orders Where [Orders Internal "
                                                             "Flag] = 'TOTAL' And [Orders Customer Number] = %1 And [Orders "
                                                             "Campaign Year] = %2 And [Orders Campaign Number] = %3 And "
                                                             "[Orders Order Number] = %4")
                                                         .arg(key[0], key[1], key[2], key[3]))
                              .value(0);
    EXPECT_EQ(total, key[4]);

    const Output plain = command(*app, QStringList(args) << "--switches" << "NNNNN");
    ASSERT_EQ(plain.code, 0);
    EXPECT_FALSE(plain.out.contains("CHARGE"));
    EXPECT_FALSE(plain.out.contains("TAX "));
    EXPECT_EQ(command(*app, QStringList(args) << "--switches" << "maybe").code, 2);
    EXPECT_EQ(command(*app, QStringList(args) << "--mode" << "SOMETIMES").code, 2);
}

TEST_F(SampleTest, SampleDataNeverGoesIntoAnExistingDatabase)
{
    const Output again = command(*app, {"sample", "--db", path, "--customers", "2"});
    EXPECT_EQ(again.code, 1);
    EXPECT_TRUE(again.err.contains("Sample data is only written into a new database."));
    EXPECT_EQ(command(*app, {"sample", "--db", app->path("x.ZELDB"), "--customers", "0"}).code, 2);
}

TEST_F(SampleTest, TheBalanceCommandShowsItsParts)
{
    const Output balance = command(*app, {"balance", "--db", path, "--customer", "2", "--year",
                                          QString::number(QDate::currentDate().year()), "--campaign", "4"});
    ASSERT_EQ(balance.code, 0);
    EXPECT_TRUE(balance.out.contains("Orders this campaign:"));
    EXPECT_TRUE(balance.out.contains("\nBalance:"));
    EXPECT_EQ(command(*app, {"balance", "--db", path, "--customer", "x"}).code, 2);
}
