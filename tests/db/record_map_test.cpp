#include "db/record_map.h"

#include "db/schema.h"
#include "orders/order_row.h"
#include "orders/product.h"
#include "shell/data_access.h"
#include "test_support.h"

#include <gtest/gtest.h>

using namespace zel;

namespace {

// A row of PDAOrders, whose columns hold every kind a member can have.
struct PdaOrder
{
    int id = 0;
    QString lastName;
    bool taxed = false;
    QDateTime entered;
    double discountPercent = 0;
    Currency total;
    QString notInTheSchema;

    bool operator==(const PdaOrder &) const = default;
};

const RecordMap<PdaOrder> &pdaMap()
{
    static const RecordMap<PdaOrder> map(QStringLiteral("PDAOrders"), {
        field("PDA Orders Id", &PdaOrder::id),
        field("PDA Orders Last Name", &PdaOrder::lastName),
        field("PDA Orders Tax Flag", &PdaOrder::taxed),
        field("PDA Orders Entered Date", &PdaOrder::entered),
        field("PDA Orders Discount Percent", &PdaOrder::discountPercent),
        field("PDA Orders Total Amount", &PdaOrder::total),
    });
    return map;
}

struct Exemption
{
    int number = 0;
    bool exempt = false;
    QString city;
};

const RecordMap<Exemption> &exemptionMap()
{
    static const RecordMap<Exemption> map(QStringLiteral("Customers"), {
        field("Customers Number", &Exemption::number),
        yesNoField("Customers Tax Exempt", &Exemption::exempt),
        field("Customers City", &Exemption::city),
    });
    return map;
}

PdaOrder sampleOrder()
{
    PdaOrder order;
    order.id = 70000; // beyond 16 bits: a Long column
    order.lastName = QString::fromUtf8("O'Núñez");
    order.taxed = true;
    order.entered = QDateTime(QDate(2009, 2, 28), QTime(23, 59, 58));
    order.discountPercent = 12.345678;
    order.total = *Currency::fromString(u"-1234.0125");
    return order;
}

class RecordMapTest : public test::OpenDatabaseTest
{
protected:
    void SetUp() override { open(); }

    void exec(const QString &sql, const QVariantList &values = {})
    {
        ASSERT_TRUE(app.state->data.exec(QStringLiteral("test"), sql, values));
    }
    template <typename T>
    std::vector<T> readAll(const RecordMap<T> &map, const QString &sql)
    {
        app.state->data.setSQL(sql);
        RecordSet rows = app.state->data.GetSnapShot(QStringLiteral("test"));
        std::vector<T> out;
        while (rows.next())
            out.push_back(map.read(rows));
        return out;
    }
};

} // namespace

TEST_F(RecordMapTest, EveryKindSurvivesAnInsertAndARead)
{
    const PdaOrder order = sampleOrder();
    exec(pdaMap().insertSql(QStringLiteral("PDAOrders")), pdaMap().values(order));
    EXPECT_EQ(app.column("Select [PDA Orders Tax Flag] || '|' || [PDA Orders Entered Date] || '|' || [PDA Orders Total "
                         "Amount] From PDAOrders"),
              QStringList{"-1|2009-02-28 23:59:58|-1234.0125"});
    const std::vector<PdaOrder> read = readAll(pdaMap(), QStringLiteral("Select * From PDAOrders"));
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0], order);
}

TEST_F(RecordMapTest, NullsReadAsEmptyAndWrongTextIsCutOrLeftNull)
{
    PdaOrder order = sampleOrder();
    order.lastName = QString(40, 'x');
    order.entered = QDateTime();
    exec(pdaMap().insertSql(QStringLiteral("PDAOrders")), pdaMap().values(order));
    EXPECT_EQ(app.column("Select Length([PDA Orders Last Name]) || '|' || ([PDA Orders Entered Date] Is Null) From PDAOrders"),
              QStringList{"30|1"});

    exec(QStringLiteral("Insert Into PDAOrders ([PDA Orders Id]) Values (5)"));
    const std::vector<PdaOrder> read = readAll(pdaMap(), QStringLiteral("Select * From PDAOrders Where [PDA Orders Id] = 5"));
    ASSERT_EQ(read.size(), 1u);
    PdaOrder bare;
    bare.id = 5;
    EXPECT_EQ(read[0], bare);
    EXPECT_TRUE(read[0].lastName.isEmpty());
    EXPECT_FALSE(read[0].entered.isValid());
}

TEST_F(RecordMapTest, AColumnMissingFromTheRowReadsAsEmptyAndOthersStayPut)
{
    exec(pdaMap().insertSql(QStringLiteral("PDAOrders")), pdaMap().values(sampleOrder()));
    app.state->data.setSQL(QStringLiteral("Select [PDA Orders Id], [PDA Orders Last Name] From PDAOrders"));
    RecordSet rows = app.state->data.GetSnapShot(QStringLiteral("test"));
    ASSERT_TRUE(rows.next());
    PdaOrder into;
    into.notInTheSchema = QStringLiteral("kept");
    into.total = Currency::fromCents(5);
    pdaMap().readInto(into, rows);
    EXPECT_EQ(into.id, 70000);
    EXPECT_EQ(into.lastName, sampleOrder().lastName);
    EXPECT_TRUE(into.total.isZero());
    EXPECT_EQ(into.notInTheSchema, QStringLiteral("kept"));
}

TEST_F(RecordMapTest, YesNoFlagsAreLettersAndReadWithoutCase)
{
    exec(exemptionMap().insertSql(QStringLiteral("Customers")), exemptionMap().values({1, true, "Reno"}));
    exec(exemptionMap().insertSql(QStringLiteral("Customers")), exemptionMap().values({2, false, "Elko"}));
    exec(QStringLiteral("Insert Into Customers ([Customers Number], [Customers Tax Exempt]) Values (3, 'y'), (4, Null)"));
    EXPECT_EQ(app.column("Select [Customers Tax Exempt] From Customers Where [Customers Number] < 3 Order By 1 Desc"),
              QStringList({"Y", "N"}));
    QStringList exempt;
    for (const Exemption &row : readAll(exemptionMap(), QStringLiteral("Select * From Customers Order By [Customers Number]")))
        exempt << QString::number(row.number) + (row.exempt ? "Y" : "N");
    EXPECT_EQ(exempt, QStringList({"1Y", "2N", "3Y", "4N"}));
}

TEST_F(RecordMapTest, UpdateSetsTheOtherColumnsOfTheKeyedRowOnly)
{
    const QStringList key{QStringLiteral("Customers Number")};
    EXPECT_EQ(exemptionMap().updateSql(QStringLiteral("Customers"), key),
              QStringLiteral("Update Customers Set [Customers Tax Exempt] = ?, [Customers City] = ? Where [Customers Number] = ?"));
    EXPECT_EQ(exemptionMap().updateSql(QStringLiteral("Customers"), {}),
              QStringLiteral("Update Customers Set [Customers Number] = ?, [Customers Tax Exempt] = ?, [Customers City] = ?"));

    for (int number : {1, 2})
        exec(exemptionMap().insertSql(QStringLiteral("Customers")), exemptionMap().values({number, false, "Reno"}));
    const Exemption changed{2, true, QString(35, 'c')};
    exec(exemptionMap().updateSql(QStringLiteral("Customers"), key), exemptionMap().updateValues(changed, key));
    EXPECT_EQ(app.column("Select [Customers Number] || [Customers Tax Exempt] || Length([Customers City]) From Customers "
                         "Order By 1"),
              QStringList({"1N4", "2Y30"}));
}

TEST(RecordMapText, StatementsAndNamedValuesFollowTheColumnOrder)
{
    EXPECT_EQ(exemptionMap().insertSql(QStringLiteral("[Customers]")),
              QStringLiteral("Insert Into [Customers] ([Customers Number], [Customers Tax Exempt], [Customers City]) "
                             "Values (?, ?, ?)"));
    EXPECT_EQ(exemptionMap().updateSql(QStringLiteral("Customers"), {QStringLiteral("Customers City")},
                                       {QStringLiteral("Customers Number")}),
              QStringLiteral("Update Customers Set [Customers City] = ? Where [Customers Number] = ?"));
    const Exemption row{7, true, QStringLiteral("Ely")};
    EXPECT_EQ(exemptionMap().values(row, {QStringLiteral("customers city"), QStringLiteral("Customers Tax Exempt"),
                                          QStringLiteral("Customers Nowhere")}),
              QVariantList({QStringLiteral("Ely"), QStringLiteral("Y"), QVariant()}));
}

// The program's maps name every column of their table, in the table's order, so an insert
// fills the whole row and the schema's sizes apply to every text.
TEST(RecordMapText, TheProgramsMapsCoverTheirTablesInOrder)
{
    const auto schemaColumns = [](const char *table) {
        QStringList names;
        for (const db::FieldDef &f : db::findTable(QString::fromLatin1(table))->fields)
            names << f.fieldName();
        return names;
    };
    EXPECT_EQ(OrderRow::map().columns(), schemaColumns("Orders"));
    EXPECT_EQ(Product::map().columns(), schemaColumns("Products"));
}
