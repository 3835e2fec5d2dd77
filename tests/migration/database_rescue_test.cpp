#include "app/sample_data.h"
#include "db/database_check.h"
#include "migration/database_rescue.h"
#include "shell/database_connection.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSqlQuery>

#include <set>

using namespace zel;
using zel::test::TempApp;

namespace {

// A sample business made once; each test damages a copy of it the way files get damaged.
class DatabaseRescueTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        shop = new TempApp;
        healthy = shop->path("Healthy.ZELDB");
        SampleSize size;
        size.customers = 40;
        size.years = 1;
        size.campaignsPerYear = 6;
        size.productsPerCampaign = 40;
        size.orderChance = 0.5;
        ASSERT_TRUE(generateSample(*shop->state, healthy, size));
        shop->state->database.close();
    }
    static void TearDownTestSuite()
    {
        delete shop;
        shop = nullptr;
    }

    void SetUp() override
    {
        damaged = app.path("Shop.ZELDB");
        ASSERT_TRUE(QFile::copy(healthy, damaged));
        rescued = app.path("Rescued.ZELDB");
    }

    // The table's leaf pages with the number of rows on each, as SQLite counts them.
    static std::vector<std::pair<int, int>> leafPages(const QString &table)
    {
        std::vector<std::pair<int, int>> pages;
        for (const QString &row : TempApp::queryColumn(healthy, QString("Select pageno || ' ' || ncell From dbstat Where name = '%1' "
                                                                        "And pagetype = 'leaf' Order By pageno")
                                                                    .arg(table)))
            pages.emplace_back(row.section(' ', 0, 0).toInt(), row.section(' ', 1, 1).toInt());
        return pages;
    }
    void zeroPage(int page) const
    {
        QFile file(damaged);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.seek(qint64(page - 1) * 4096);
        file.write(QByteArray(4096, '\0'));
    }
    // Every order row as "customer/year/campaign/order/sequence".
    static std::set<QString> orderKeys(const QString &path)
    {
        const QStringList keys = TempApp::queryColumn(
            path, "Select [Orders Customer Number] || '/' || [Orders Campaign Year] || '/' || [Orders Campaign Number] || '/' || "
                  "[Orders Order Number] || '/' || [Orders Sequence Number] From Orders");
        return {keys.begin(), keys.end()};
    }
    static int count(const QString &path, const QString &table)
    {
        return TempApp::queryColumn(path, QString("Select Count(*) From [%1]").arg(table)).value(0).toInt();
    }
    const db::RescueAccount::TableCount *counted(const db::DatabaseRescue &rescue, const QString &table) const
    {
        for (const auto &c : rescue.account().tables)
            if (c.table == table)
                return &c;
        return nullptr;
    }

    static TempApp *shop;
    static QString healthy;
    TempApp app;
    QString damaged;
    QString rescued;
};

TempApp *DatabaseRescueTest::shop = nullptr;
QString DatabaseRescueTest::healthy;

} // namespace

TEST_F(DatabaseRescueTest, ZeroedOrdersPagesLoseTheirRowsAloneAndNameTheirCustomers)
{
    const auto pages = leafPages("Orders");
    ASSERT_GT(pages.size(), 10u);
    int lost = 0;
    for (const size_t at : {pages.size() / 4, pages.size() / 2, pages.size() * 3 / 4}) {
        zeroPage(pages[at].first);
        lost += pages[at].second;
    }
    EXPECT_FALSE(db::DatabaseRescue::damage(damaged).isEmpty());
    db::DatabaseRescue rescue(*app.state);
    ASSERT_TRUE(rescue.rescue(damaged, rescued)) << qPrintable(rescue.error());

    const std::set<QString> before = orderKeys(healthy);
    const std::set<QString> after = orderKeys(rescued);
    EXPECT_EQ(int(after.size()), int(before.size()) - lost);
    std::set<int> whoLost;
    for (const QString &key : before)
        if (!after.count(key))
            whoLost.insert(key.section('/', 0, 0).toInt());
    std::set<int> named;
    for (const auto &customer : rescue.account().customers) {
        named.insert(customer.number);
        EXPECT_GT(customer.lostOrderRows, 0);
    }
    EXPECT_EQ(named, whoLost);
    EXPECT_TRUE(rescue.account().everyLossNamed);
    ASSERT_TRUE(counted(rescue, "Orders"));
    EXPECT_EQ(counted(rescue, "Orders")->rescued, int(before.size()) - lost);
    EXPECT_EQ(counted(rescue, "Orders")->damagedPages, 3);
    for (const QString table : {"Customers", "Payments", "Products", "Options"})
        EXPECT_EQ(count(rescued, table), count(healthy, table)) << qPrintable(table);
    EXPECT_TRUE(db::checkDatabase(rescued).healthy());
    EXPECT_TRUE(rescue.account().lines().join('\n').contains("Customers to check against your paper invoices"));
}

TEST_F(DatabaseRescueTest, AFileCutShortKeepsEveryRowOfThePagesItStillHas)
{
    const int pages = int(QFile(healthy).size() / 4096);
    const int kept = pages * 2 / 3;
    ASSERT_TRUE(QFile::resize(damaged, qint64(kept) * 4096));
    int expected = 0;
    for (const auto &[page, cells] : leafPages("Orders"))
        expected += page <= kept ? cells : 0;
    db::DatabaseRescue rescue(*app.state);
    ASSERT_TRUE(rescue.rescue(damaged, rescued)) << qPrintable(rescue.error());
    EXPECT_EQ(count(rescued, "Orders"), expected);
    EXPECT_TRUE(db::checkDatabase(rescued).healthy());
}

TEST_F(DatabaseRescueTest, WithoutItsFirstPageTheRowsArePlacedByTheirColumns)
{
    zeroPage(1);
    EXPECT_FALSE(db::DatabaseRescue::damage(damaged).isEmpty());
    db::DatabaseRescue rescue(*app.state);
    ASSERT_TRUE(rescue.rescue(damaged, rescued)) << qPrintable(rescue.error());
    EXPECT_GT(rescue.account().looseRows, 0);
    // Orders and Customers have column counts no other table shares.
    EXPECT_EQ(count(rescued, "Orders"), count(healthy, "Orders"));
    EXPECT_EQ(count(rescued, "Customers"), count(healthy, "Customers"));
    // The rows placed replace a new file's starting rows rather than adding to them.
    for (const QString table : {"Earnings", "Translations", "Options"})
        EXPECT_EQ(count(rescued, table), count(healthy, table)) << qPrintable(table);
    EXPECT_FALSE(rescue.account().everyLossNamed) << "without the schema no index names the lost rows";
    EXPECT_TRUE(db::checkDatabase(rescued).healthy());
}

TEST_F(DatabaseRescueTest, ADamagedIndexLosesNoRow)
{
    const auto index = TempApp::queryColumn(healthy, "Select pageno From dbstat Where name = 'Orders Index' And pagetype = 'leaf'");
    ASSERT_FALSE(index.isEmpty());
    zeroPage(index.at(index.size() / 2).toInt());
    EXPECT_FALSE(db::DatabaseRescue::damage(damaged).isEmpty());
    db::DatabaseRescue rescue(*app.state);
    ASSERT_TRUE(rescue.rescue(damaged, rescued)) << qPrintable(rescue.error());
    EXPECT_EQ(orderKeys(rescued), orderKeys(healthy));
    EXPECT_TRUE(rescue.account().customers.empty());
    EXPECT_FALSE(rescue.account().everyLossNamed) << "the index that names the rows was damaged itself";
}

TEST_F(DatabaseRescueTest, ASoundFileIsNotDamaged)
{
    EXPECT_EQ(db::DatabaseRescue::damage(damaged), QString());
    EXPECT_EQ(db::DatabaseRescue::damagedName("/x/Shop.ZELDB", QDateTime(QDate(2026, 12, 7), QTime(10, 15, 0))),
              "/x/Shop_Damaged_20261207-101500.ZELDB");
}

TEST_F(DatabaseRescueTest, RandomBytesInAPaymentsPageNameThoseWhosePaymentsWereOnIt)
{
    const auto pages = leafPages("Payments");
    ASSERT_FALSE(pages.empty());
    const int page = pages[pages.size() / 2].first;
    {
        QFile file(damaged);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.seek(qint64(page - 1) * 4096);
        QByteArray noise(4096, '\0');
        for (int i = 0; i < noise.size(); ++i)
            noise[i] = char((i * 7919 + 13) % 251);
        file.write(noise);
    }
    db::DatabaseRescue rescue(*app.state);
    ASSERT_TRUE(rescue.rescue(damaged, rescued)) << qPrintable(rescue.error());
    const auto keys = [](const QString &path) {
        const QStringList rows = TempApp::queryColumn(path, "Select [Payments Customer Number] || '/' || [Payments Campaign Year] || '/' || "
                                                            "[Payments Campaign Number] || '/' || [Payments Order Number] || '/' || "
                                                            "[Payments Sequence] From Payments");
        return std::set<QString>(rows.begin(), rows.end());
    };
    const std::set<QString> before = keys(healthy);
    const std::set<QString> after = keys(rescued);
    std::set<int> whoLost;
    for (const QString &key : before)
        if (!after.count(key))
            whoLost.insert(key.section('/', 0, 0).toInt());
    ASSERT_FALSE(whoLost.empty());
    std::set<int> named;
    for (const auto &customer : rescue.account().customers)
        if (customer.lostPaymentRows > 0)
            named.insert(customer.number);
    EXPECT_EQ(named, whoLost);
    EXPECT_TRUE(db::checkDatabase(rescued).healthy());
}

TEST_F(DatabaseRescueTest, AHotJournalOfAnotherDatabaseLeavesARescuableFile)
{
    // A change cut short in another database leaves its journal; copied beside this file (as a
    // stick carried between two computers can), SQLite takes it for this file's own.
    const QString other = app.makeZelDatabase("Other.ZELDB", {"Insert Into Customers ([Customers Number]) Values (1)"});
    app.state->database.close();
    {
        DatabaseConnection writer;
        ASSERT_TRUE(writer.open(other));
        QSqlQuery query(writer.handle());
        ASSERT_TRUE(query.exec("PRAGMA journal_mode = DELETE"));
        ASSERT_TRUE(query.exec("Begin"));
        ASSERT_TRUE(query.exec("Update Customers Set [Customers Last Name] = 'Zed'"));
        ASSERT_TRUE(query.exec("Delete From Translations"));
        ASSERT_TRUE(QFile::exists(other + "-journal"));
        ASSERT_TRUE(QFile::copy(other + "-journal", damaged + "-journal"));
        query.exec("Rollback");
    }
    const QString why = db::DatabaseRescue::damage(damaged);
    if (why.isEmpty()) {
        EXPECT_EQ(count(damaged, "Customers"), count(healthy, "Customers")) << "the journal was refused and the file is whole";
        return;
    }
    db::DatabaseRescue rescue(*app.state);
    ASSERT_TRUE(rescue.rescue(damaged, rescued)) << qPrintable(rescue.error());
    EXPECT_GT(count(rescued, "Orders"), 0);
    EXPECT_TRUE(db::checkDatabase(rescued).healthy());
}
