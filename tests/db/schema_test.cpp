#include "db/schema.h"
#include "session/database_creation.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

using namespace zel;
using zel::test::TempApp;

namespace {

class NewDatabaseTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        path = app.path("New.ZELDB");
        ASSERT_TRUE(db::Gfi_Create_Db(*app.state, path));
    }
    QStringList columnsOf(const QString &table) const
    {
        return TempApp::queryColumn(path, QString("Select name From pragma_table_info('%1') Order By cid").arg(table));
    }
    bool runs(const QString &sql) const
    {
        DatabaseConnection connection;
        connection.open(path);
        QSqlQuery query(connection.handle());
        return query.exec(sql);
    }

    TempApp app;
    QString path;
};

} // namespace

TEST_F(NewDatabaseTest, HasEveryTableWithItsFieldsInOrder)
{
    const QStringList tables = TempApp::queryColumn(path, "Select name From sqlite_master Where type = 'table'");
    EXPECT_EQ(tables.size(), 20 + 14);
    for (const db::TableDef &table : db::schemaTables()) {
        QStringList expected;
        for (const db::FieldDef &field : table.fields)
            expected << field.fieldName();
        EXPECT_EQ(columnsOf(table.tableName()), expected) << table.name;
    }
    EXPECT_EQ(columnsOf("Customers").size(), 65);
    EXPECT_EQ(columnsOf("Options").size(), 72);
    EXPECT_EQ(columnsOf("Orders").size(), 51);
    EXPECT_EQ(columnsOf("OrdersWork6"), columnsOf("Orders"));
    EXPECT_EQ(columnsOf("ProductsWork3a"), columnsOf("Products"));
    EXPECT_EQ(columnsOf("ExpensesWork2"), columnsOf("Expenses"));
}

TEST_F(NewDatabaseTest, StartsWithItsVersionAndTheTwoEarningsSchedules)
{
    EXPECT_EQ(TempApp::queryColumn(path, "Select [DBVersion Number] From Database_Version"), QStringList{"17"});
    EXPECT_EQ(TempApp::queryColumn(path, "Select [Earnings Type Code] || ' ' || [Earnings Description] || ' ' || "
                                         "[Earnings Include In Sales Total] From Earnings Order By 1"),
              QStringList({"F Fixed Y", "R Regular Items Y"}));
    EXPECT_EQ(TempApp::queryColumn(path, "Select [Earnings Level 2] || '/' || [Earnings Percent 2] || ' ' || "
                                         "[Earnings Level 7] || '/' || [Earnings Percent 7] || ' ' || [Earnings Level 8] "
                                         "From Earnings Where [Earnings Type Code] = 'R'"),
              QStringList{"134.99/20.0 999999.99/50.0 0.0"});
    EXPECT_TRUE(TempApp::queryColumn(path, "Select * From Options").isEmpty()) << "the options row comes on first load";
}

TEST_F(NewDatabaseTest, UniqueIndexesRejectDuplicateKeys)
{
    const QString order = "Insert Into Orders ([Orders Customer Number], [Orders Campaign Year], [Orders Campaign Number], "
                          "[Orders Order Number], [Orders Sequence Number]) Values (1, 2008, 5, 1, %1)";
    EXPECT_TRUE(runs(order.arg(1)));
    EXPECT_TRUE(runs(order.arg(2)));
    EXPECT_FALSE(runs(order.arg(1)));
    EXPECT_FALSE(runs("Insert Into Orders ([Orders Customer Number]) Values (2)")) << "key fields are required";
    EXPECT_TRUE(runs("Insert Into OrdersWork1 ([Orders Customer Number], [Orders Sequence Number]) Values (1, 1), (1, 1)"))
        << "work tables of orders have no index";

    // Catalog numbers compare without case, as they always have.
    const QString product = "Insert Into Products ([Products Campaign Year], [Products Campaign Number], "
                            "[Products Catalog Number]) Values (2008, 5, '%1')";
    EXPECT_TRUE(runs(product.arg("abc-123")));
    EXPECT_FALSE(runs(product.arg("ABC-123")));
    EXPECT_FALSE(runs("Insert Into ProductsWork1 ([Products Campaign Year], [Products Campaign Number], [Products Catalog "
                      "Number]) Values (1, 1, 'x'), (1, 1, 'x')"));

    // Index fields named in another case still find their fields.
    EXPECT_TRUE(runs("Insert Into PDAOrderPayments ([PDA OrderPayments Customer ID], [PDA OrderPayments Order Id], "
                     "[PDA OrderPayments ID]) Values (1, 1, 1)"));
    EXPECT_FALSE(runs("Insert Into PDAOrderPayments ([PDA OrderPayments Customer ID], [PDA OrderPayments Order Id], "
                      "[PDA OrderPayments ID]) Values (1, 1, 1)"));
}

TEST_F(NewDatabaseTest, TextFieldsThatRefuseEmptyTextDoSo)
{
    EXPECT_FALSE(runs("Insert Into HelperPercents Values (1, '', 0)"));
    EXPECT_TRUE(runs("Insert Into HelperPercents Values (1, 'R', 0)"));
    EXPECT_TRUE(runs("Insert Into Customers ([Customers Number], [Customers Last Name]) Values (1, '')"));
    EXPECT_TRUE(runs("Insert Into Customers ([Customers Number]) Values (32767)")) << "the largest customer number";
}

TEST_F(NewDatabaseTest, CheckPointsTraceTheCreation)
{
    const auto &points = app.state->errors.checkPoints();
    EXPECT_EQ(points.back(), QStringLiteral("Gfi_Create_Db - 61R"));
    EXPECT_TRUE(std::find(points.begin(), points.end(), QStringLiteral("Gfi_Create_Db - 61K2")) != points.end());
    EXPECT_TRUE(app.readFile("LogMsg.txt").contains("Close DB - Gfi_Create_Db "));
}

TEST(CreateDatabase, RefusesAnExistingFileAndLeavesNothingHalfMade)
{
    TempApp app;
    app.writeFile("Taken.ZELDB", "precious");
    EXPECT_FALSE(db::Gfi_Create_Db(*app.state, app.path("Taken.ZELDB")));
    EXPECT_EQ(app.readFile("Taken.ZELDB"), QStringLiteral("precious"));
    EXPECT_EQ(app.prompter.messageTexts().last(),
              "File " + app.path("Taken.ZELDB") + " already exists.  Please choose a different name.");

    EXPECT_FALSE(db::Gfi_Create_Db(*app.state, app.path("no/such/folder/New.ZELDB")));

    // A failure half way (here the default texts) removes what was built.
    app.state->seams.writeDefaultTranslations = [](cDataAccess &) { return false; };
    EXPECT_FALSE(db::Gfi_Create_Db(*app.state, app.path("Half.ZELDB")));
    EXPECT_TRUE(QDir(app.path("")).entryList({"Half*"}).isEmpty());
}

TEST(WorkTables, AreMadeAfreshAtEveryOpen)
{
    TempApp app;
    const QString path = app.makeZelDatabase("Shop.ZELDB", {"Insert Into OrdersWork1 ([Orders Customer Number]) Values (7)",
                                                            "Drop Table ExpensesWork2"});
    ASSERT_TRUE(app.state->database.open(path));
    db::createWorkTables(*app.state);
    app.state->database.close();
    EXPECT_TRUE(TempApp::queryColumn(path, "Select * From OrdersWork1").isEmpty());
    EXPECT_EQ(TempApp::queryColumn(path, "Select count(*) From sqlite_master Where name = 'ExpensesWork2'"), QStringList{"1"});
    EXPECT_TRUE(app.prompter.messages().empty());
}

TEST(Schema, DescribesItselfForOtherCode)
{
    const db::TableDef *customers = db::findTable("customers");
    ASSERT_NE(customers, nullptr);
    const db::FieldDef *last = customers->field("CUSTOMERS LAST NAME");
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->size, 30);
    EXPECT_EQ(db::fitToField(*last, QString(40, 'x')).size(), 30);
    EXPECT_EQ(db::namedStatement("QryDeleteOrdersWork3"), QStringLiteral("Delete From OrdersWork3 "));
    EXPECT_TRUE(db::namedStatement("QryDeleteOrdersWork7").isEmpty());
    EXPECT_TRUE(db::findTable("rptOrders") == nullptr);
}

TEST_F(NewDatabaseTest, OpeningReplacesTheOrderTotalsIndexOfEarlierVersions)
{
    ASSERT_TRUE(runs("Drop Index [Orders Order Totals Index]"));
    ASSERT_TRUE(runs("Create Index [Orders Totals Index] On Orders ([Orders Customer Number], [Orders Campaign Year], "
                     "[Orders Campaign Number], [Orders Unit Total]) Where [Orders Internal Flag] = 'TOTAL'"));
    ASSERT_TRUE(app.state->database.open(path));
    db::createWorkTables(*app.state);
    app.state->database.close();
    EXPECT_EQ(TempApp::queryColumn(path, "Select name From sqlite_master Where type = 'index' And tbl_name = 'Orders' "
                                         "And sql Is Not Null Order By name"),
              QStringList({"Orders Helper Index", "Orders Index", "Orders Order Totals Index"}));
}
