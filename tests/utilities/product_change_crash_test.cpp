// Kills the real program at random moments of `zel product update` and `zel product short` and checks
// that the campaign's orders are either all changed or none. ZEL_CRASH_RUNS sets the kills per
// command (a few by default, to keep the suite quick).
#include "test_support.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

#include <memory>

using zel::test::TempApp;

namespace {

int killsPerCommand()
{
    const int runs = qEnvironmentVariableIntValue("ZEL_CRASH_RUNS");
    return runs > 0 ? runs : 4;
}

class ProductChangeCrash : public ::testing::Test
{
protected:
    void SetUp() override
    {
        shop = app.path("Shop.ZELDB");
        ASSERT_EQ(zel({"sample", "--db", shop, "--customers", "150", "--years", "1"}), 0);
        // The campaign with the most orders, and in each of its orders one line of the same product.
        const QStringList busiest = TempApp::queryColumn(
            shop, "Select [Orders Campaign Year] || ' ' || [Orders Campaign Number] From Orders Where [Orders Internal Flag] = "
                  "'TOTAL' And [Orders Campaign Number] < 20 Group By 1 Order By Count(*) Desc Limit 1");
        ASSERT_EQ(busiest.size(), 1);
        year = busiest.first().section(' ', 0, 0);
        campaign = busiest.first().section(' ', 1, 1);
        TempApp::queryColumn(shop, QStringLiteral("Update Orders Set [Orders Catalog Number] = '123-999', [Orders BackOrder Flag] "
                                                  "= '' Where rowid In (Select Min(rowid) From Orders Where [Orders Internal "
                                                  "Flag] = 'DETAIL' And [Orders Campaign Year] = %1 And [Orders Campaign "
                                                  "Number] = %2 Group By [Orders Customer Number], [Orders Order Number])")
                                       .arg(year, campaign));
        orders = lineCount("");
        ASSERT_GT(orders, 10);
        pristine = app.path("Pristine.ZELDB");
        ASSERT_TRUE(QFile::copy(shop, pristine));
    }

    int zel(const QStringList &args)
    {
        QProcess process;
        process.start(QStringLiteral(ZEL_BINARY), QStringList(args) << "--home" << app.path(""));
        process.waitForFinished(120000);
        return process.exitCode();
    }
    // How many of the campaign's lines of the product match `condition`.
    int lineCount(const QString &condition) const
    {
        return TempApp::queryColumn(shop, QStringLiteral("Select Count(*) From Orders Where [Orders Catalog Number] = '123-999' "
                                                         "And [Orders Campaign Year] = %1 And [Orders Campaign Number] = %2 ")
                                              .arg(year, campaign)
                                              + condition)
            .value(0)
            .toInt();
    }
    void restore()
    {
        QFile::remove(shop);
        QFile::remove(shop + "-journal");
        ASSERT_TRUE(QFile::copy(pristine, shop));
    }
    // Runs the command once to learn its length, then kills it at random moments within it.
    void killAtRandom(const QStringList &args, const std::function<void()> &expectAllOrNone)
    {
        QElapsedTimer timer;
        timer.start();
        ASSERT_EQ(zel(args), 0);
        const qint64 duration = timer.elapsed();
        expectAllOrNone();
        for (int i = 0; i < killsPerCommand(); ++i) {
            restore();
            QProcess process;
            process.start(QStringLiteral(ZEL_BINARY), QStringList(args) << "--home" << app.path(""));
            process.waitForStarted();
            // The first third is mostly start-up; the kills go where the orders are written.
            const quint32 from = quint32(duration / 3);
            QThread::msleep(from + QRandomGenerator::global()->bounded(quint32(duration) - from + 20));
            process.kill();
            process.waitForFinished();
            expectAllOrNone();
        }
    }

    TempApp app;
    QString shop, pristine, year, campaign;
    int orders = 0;
};

} // namespace

TEST_F(ProductChangeCrash, AKilledUpdateRepricesEveryOrderOrNone)
{
    killAtRandom({"product", "update", "--db", shop, "--year", year, "--campaign", campaign, "--catalog", "123-999", "--all",
                  "--price", "7.77", "--yes"},
                 [this] {
                     const int repriced = lineCount("And [Orders Unit Price] = 7.77");
                     EXPECT_TRUE(repriced == 0 || repriced == orders) << repriced << " of " << orders;
                 });
}

TEST_F(ProductChangeCrash, AKilledShortBackOrdersEveryOrderOrNone)
{
    const QString arrival = year + "/" + QString::number(campaign.toInt() + 2);
    killAtRandom({"product", "short", "--db", shop, "--year", year, "--campaign", campaign, "--catalog", "123-999", "--all",
                  "--arrival", arrival, "--yes"},
                 [this] {
                     const int shorted = lineCount("And [Orders BackOrder Flag] = 'P'");
                     EXPECT_TRUE(shorted == 0 || shorted == orders) << shorted << " of " << orders;
                     const int carried = TempApp::queryColumn(shop, QStringLiteral("Select Count(*) From Orders Where [Orders "
                                                                                   "Catalog Number] = '123-999' And [Orders "
                                                                                   "Campaign Number] = %1")
                                                                        .arg(campaign.toInt() + 2))
                                             .value(0)
                                             .toInt();
                     EXPECT_EQ(carried, shorted) << "one back order for every shorted line";
                 });
}
