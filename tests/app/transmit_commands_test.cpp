#include "app/cli_runner.h"
#include "transmit/browser_test_support.h"
#include "transmit/summary_rows.h"
#include "transmit/test_site.h"

namespace zel {
namespace {

using test::runCli;

// A DETAIL line of campaign 5 of 2024.
QString orderLine(int customer, int sequence, const QString &product, int quantity, int fromCampaign)
{
    return QStringLiteral("Insert Into Orders ([Orders Customer Number], [Orders Campaign Year], [Orders Campaign Number], "
                          "[Orders Order Number], [Orders Sequence Number], [Orders Internal Flag], [Orders Catalog Number], "
                          "[Orders Product], [Orders Shade], [Orders Size], [Orders Page], [Orders Quanity], "
                          "[Orders Unit Price], [Orders Unit Total], [Orders BackOrder Flag], [Orders From Campaign]) "
                          "Values (%1, 2024, 5, 1, %2, 'DETAIL', '%3', 'Lipstick', 'Rose', '', '12', %4, 5, %5, '', %6)")
        .arg(customer)
        .arg(sequence)
        .arg(product)
        .arg(quantity)
        .arg(quantity * 5)
        .arg(fromCampaign);
}

class TransmitCommandTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        db = app.makeZelDatabase(QStringLiteral("Shop.ZELDB"),
                                 {orderLine(1, 1, QStringLiteral("123-457"), 2, 5), orderLine(2, 1, QStringLiteral("123-457"), 1, 5),
                                  orderLine(2, 2, QStringLiteral("123-455"), 1, 5),
                                  orderLine(3, 1, test::withCheckDigit(55555), 4, 4)});
    }
    test::CommandRun transmit(QStringList words)
    {
        return runCli(app, QStringList{QStringLiteral("transmit")} + words
                               + QStringList{QStringLiteral("--db"), db, QStringLiteral("--year"), QStringLiteral("2024"),
                                             QStringLiteral("--campaign"), QStringLiteral("5")});
    }

    test::TempApp app;
    QString db;
};

TEST_F(TransmitCommandTest, PrepareListsTheExceptionsFirstThenEveryPage)
{
    const test::CommandRun run = transmit({QStringLiteral("prepare"), QStringLiteral("--country"), QStringLiteral("us")});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[0], QStringLiteral("Valid Campaigns: C=5 C=4 C=3 (No Add-on) Add On Order (C5 / C4 Only)"));
    EXPECT_EQ(lines[1], QStringLiteral("Web pages: 1, 2"));
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("   0")));
    EXPECT_TRUE(lines[3].endsWith(QStringLiteral("123-455        1  Product # Invalid Check Digit")));
    // The two customers' lines of one product are one line of 3; campaign 4 is sent as index 1.
    EXPECT_EQ(lines[4].simplified(), QStringLiteral("1 1 4 1 %1 4").arg(test::withCheckDigit(55555)));
    EXPECT_EQ(lines[5].simplified(), QStringLiteral("2 3 5 0 123-457 3"));
}

TEST_F(TransmitCommandTest, WrongValuesStopBeforeAnythingIsDone)
{
    EXPECT_EQ(transmit({QStringLiteral("prepare"), QStringLiteral("--country"), QStringLiteral("uk")}).code, 2);
    const test::CommandRun addOn =
        transmit({QStringLiteral("prepare"), QStringLiteral("--country"), QStringLiteral("au"), QStringLiteral("--add-on")});
    EXPECT_EQ(addOn.code, 2);
    EXPECT_EQ(addOn.err, QStringLiteral("The Australia site takes no add-on orders.\n"));
    EXPECT_EQ(transmit({QStringLiteral("prepare"), QStringLiteral("--country"), QStringLiteral("us"), QStringLiteral("--page"),
                        QStringLiteral("1")})
                  .code,
              2);
    EXPECT_EQ(transmit({QStringLiteral("send"), QStringLiteral("--country"), QStringLiteral("us")}).code, 2);
    const test::CommandRun noPage =
        transmit({QStringLiteral("send"), QStringLiteral("--country"), QStringLiteral("us"), QStringLiteral("--page"), QStringLiteral("9")});
    EXPECT_EQ(noPage.code, 2);
    EXPECT_EQ(noPage.err, QStringLiteral("There is no web page 9; the pages are 1, 2.\n"));
    EXPECT_EQ(test::TempApp::queryColumn(db, QStringLiteral("Select Count(*) From sqlite_master Where name = 'rptOrderTransmit'")),
              QStringList{QStringLiteral("1")}); // the list was made; nothing else was
}

TEST_F(TransmitCommandTest, SendTypesOnePageIntoTheSite)
{
    ZEL_SKIP_WITHOUT_BROWSER();
    test::TestSite site;
    const test::CommandRun run = transmit({QStringLiteral("send"), QStringLiteral("--country"), QStringLiteral("us"),
                                           QStringLiteral("--page"), QStringLiteral("2"), QStringLiteral("--site"),
                                           site.directLogOn(), QStringLiteral("--headless")});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("123-457        3  Accepted 123-457")));
    EXPECT_TRUE(run.out.endsWith(QStringLiteral("1 product entered on web page 2.\n")));
}

} // namespace
} // namespace zel
