#include "app/campaign_period.h"
#include "app/sample_data.h"

#include "core/text.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QRegularExpression>

#include <set>

using namespace zel;
using zel::test::TempApp;

namespace {

constexpr int kCampaignsPerYear = 6;

// One sample over two years (so back orders cross a new year), made once for this file.
class SampleBusiness : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        app = new TempApp;
        path = app->path("Sample.ZELDB");
        SampleSize size;
        size.customers = 40;
        size.years = 2;
        size.campaignsPerYear = kCampaignsPerYear;
        size.productsPerCampaign = 60;
        size.orderChance = 0.4;
        ASSERT_TRUE(generateSample(*app->state, path, size));
    }
    static void TearDownTestSuite()
    {
        delete app;
        app = nullptr;
    }

    static QStringList rows(const QString &sql) { return TempApp::queryColumn(path, sql); }

    static TempApp *app;
    static QString path;
};

TempApp *SampleBusiness::app = nullptr;
QString SampleBusiness::path;

// What a shop would find believable, by kind of product: the unit and the range of the amount.
struct SizeRule
{
    const char *word;
    const char *unit;
    double least;
    double most;
};

const SizeRule kSizeRules[] = {
    {"Lipstick", "g", 2, 5},         {"Lip Gloss", "ml", 4, 15},   {"Mascara", "ml", 5, 15},
    {"Eye Shadow", "g", 1, 5},       {"Eyeliner", "g", 0.2, 2},    {"Foundation", "ml", 20, 50},
    {"Blush", "g", 3, 10},           {"Face Cream", "ml", 30, 100}, {"Body Lotion", "ml", 100, 500},
    {"Shower Gel", "ml", 150, 750},  {"Perfume", "ml", 15, 100},   {"Cologne", "ml", 30, 150},
    {"Nail Enamel", "ml", 5, 20},    {"Hand Cream", "ml", 30, 150}, {"Bath Oil", "ml", 100, 500},
    {"Powder", "g", 5, 20},          {"Concealer", "ml", 3, 15},   {"Shampoo", "ml", 200, 750},
    {"Conditioner", "ml", 200, 750}, {"Sun Block", "ml", 50, 300},
};

} // namespace

TEST(CampaignPeriod, CampaignsTileTheYearAndEveryDayBelongsToOne)
{
    for (const int count : {26, 30, 4}) {
        for (const int year : {2023, 2024}) { // a leap year has one more day to place
            EXPECT_EQ(CampaignPeriod::of({year, 1}, count).first, QDate(year, 1, 1));
            EXPECT_EQ(CampaignPeriod::of({year, count}, count).last, QDate(year, 12, 31));
            for (int n = 2; n <= count; ++n)
                EXPECT_EQ(CampaignPeriod::of({year, n}, count).first, CampaignPeriod::of({year, n - 1}, count).last.addDays(1));
            for (QDate day(year, 1, 1); day.year() == year; day = day.addDays(1)) {
                const Campaign campaign = CampaignPeriod::on(day, count);
                ASSERT_TRUE(CampaignPeriod::of(campaign, count).contains(day)) << qPrintable(day.toString(Qt::ISODate));
            }
        }
    }
}

TEST_F(SampleBusiness, EveryProductHasASizeItsKindReallyComesIn)
{
    const QRegularExpression amount(QStringLiteral("^(\\d+(?:\\.\\d+)?) (g|ml)$"));
    const QStringList products = rows("Select Distinct [Products Description] || '|' || [Products Size] From Products");
    ASSERT_GT(products.size(), 20);
    for (const QString &product : products) {
        const QString description = product.section('|', 0, 0), size = product.section('|', 1);
        const auto rule = std::find_if(std::begin(kSizeRules), std::end(kSizeRules),
                                       [&](const SizeRule &r) { return description.endsWith(QLatin1String(r.word)); });
        ASSERT_NE(rule, std::end(kSizeRules)) << "no size rule for " << qPrintable(description);
        const QRegularExpressionMatch match = amount.match(size);
        ASSERT_TRUE(match.hasMatch()) << qPrintable(product);
        EXPECT_EQ(match.captured(2), QLatin1String(rule->unit)) << qPrintable(product);
        EXPECT_GE(match.captured(1).toDouble(), rule->least) << qPrintable(product);
        EXPECT_LE(match.captured(1).toDouble(), rule->most) << qPrintable(product);
    }
}

TEST_F(SampleBusiness, OrdersAndPaymentsFallInsideTheirCampaignAndNeverAfterToday)
{
    const QDateTime now = QDateTime::currentDateTime();
    const Campaign today = CampaignPeriod::on(now.date(), kCampaignsPerYear);
    const QStringList orders = rows("Select Distinct [Orders Campaign Year] || '|' || [Orders Campaign Number] || '|' || "
                                    "[Orders Entered Date] || '|' || [Orders Modified Date] From Orders");
    ASSERT_GT(orders.size(), 50);
    std::set<int> campaigns;
    for (const QString &order : orders) {
        const QStringList part = order.split('|');
        const Campaign campaign{part[0].toInt(), part[1].toInt()};
        const QDateTime entered = fromDbDateTime(part[2]).value_or(QDateTime());
        campaigns.insert(campaign.key());
        EXPECT_TRUE(CampaignPeriod::of(campaign, kCampaignsPerYear).contains(entered.date())) << qPrintable(order);
        EXPECT_LE(entered, now) << qPrintable(order);
        EXPECT_EQ(part[3], part[2]) << "modified when entered: " << qPrintable(order);
    }
    // Orders run from the first campaign of last year up to today's, and no further.
    EXPECT_EQ(*campaigns.begin(), Campaign({today.year - 1, 1}).key());
    EXPECT_EQ(*campaigns.rbegin(), today.key());
    EXPECT_EQ(rows("Select [Options Current Campaign Year] || '/' || [Options Current Campaign Number] From Options"),
              QStringList(QStringLiteral("%1/%2").arg(today.year).arg(today.number)));
    EXPECT_EQ(rows(QStringLiteral("Select Count(*) From Payments Where [Payments Date] > '%1'")
                       .arg(now.date().toString(QStringLiteral("yyyy-MM-dd 23:59:59"))))
                  .value(0),
              "0")
        << "no payment after today";
}

TEST_F(SampleBusiness, CustomersHaveDifferentNamesAndLiveInDifferentTowns)
{
    EXPECT_EQ(rows("Select Count(Distinct [Customers First Name] || ' ' || [Customers Last Name]) From Customers").value(0), "40");
    EXPECT_GE(rows("Select Count(Distinct [Customers First Name]) From Customers").value(0).toInt(), 25);
    EXPECT_GE(rows("Select Count(Distinct [Customers Last Name]) From Customers").value(0).toInt(), 25);
    EXPECT_GE(rows("Select Count(Distinct [Customers City]) From Customers").value(0).toInt(), 10);
    // A town's postal code goes with the town.
    EXPECT_EQ(rows("Select Count(*) From Customers c Join Customers d On c.[Customers Zip Code] = d.[Customers Zip Code] "
                   "Where c.[Customers City] <> d.[Customers City]")
                  .value(0),
              "0");
}

TEST_F(SampleBusiness, TheSqlLogKeepsOutTheBulkAndTheMessageLogSumsItUp)
{
    // Creating the file is logged as always; the thousands of sample statements are not.
    const qint64 sqlLog = QFileInfo(app->path("LogSql.txt")).size();
    EXPECT_LT(sqlLog, 250'000);
    EXPECT_FALSE(app->readFile("LogSql.txt").contains("Insert Into [Orders]"));
    const QString messages = app->readFile("LogMsg.txt");
    EXPECT_TRUE(messages.contains(QRegularExpression("Sample business written in .*: 40 customers, \\d+ campaigns .*, \\d+ orders, "
                                                     "\\d+ payments, [\\d.]+ s")))
        << qPrintable(messages);
    // Logging is back on for whatever the program does next.
    EXPECT_TRUE(app->state->data.sqlLogging());
    app->state->data.exec("test", "Select 1");
    EXPECT_GT(QFileInfo(app->path("LogSql.txt")).size(), sqlLog);
}
