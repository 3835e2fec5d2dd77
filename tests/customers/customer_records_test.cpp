#include "customers/customer_records.h"

#include "test_support.h"

#include <gtest/gtest.h>

using namespace zel;
using zel::test::TempApp;

namespace {

class CustomerRecordsTest : public ::testing::Test
{
protected:
    void open(const QStringList &statements = {})
    {
        path = app.makeZelDatabase("Shop.ZELDB", statements);
        ASSERT_TRUE(app.state->database.open(path));
        app.state->databaseState = AppState::DatabaseState::Open;
    }
    QStringList column(const QString &sql) { return app.column(sql); }
    static QString customersNumbered(const QList<int> &numbers)
    {
        QStringList values;
        for (int n : numbers)
            values << QString("(%1)").arg(n);
        return "Insert Into Customers ([Customers Number]) Values " + values.join(", ");
    }

    TempApp app;
    QString path;
};

} // namespace

TEST_F(CustomerRecordsTest, NewNumbersFillTheLowestGap)
{
    open();
    EXPECT_EQ(customers::newCustomerNumber(app.state->data), 1);
    const struct
    {
        QList<int> used;
        int next;
    } cases[] = {{{1, 2, 4, 5}, 3}, {{1, 2, 3}, 4}, {{2, 3}, 1}, {{1, 32766}, 2}};
    for (const auto &c : cases) {
        app.state->data.setSQL("Delete From Customers");
        app.state->data.ExecSql("test");
        app.state->data.setSQL(customersNumbered(c.used));
        app.state->data.ExecSql("test");
        EXPECT_EQ(customers::newCustomerNumber(app.state->data), c.next);
    }
}

TEST_F(CustomerRecordsTest, TheThirtyTwoThousandSevenHundredSixtyEighthCustomerIsRefused)
{
    open({"WITH RECURSIVE c(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM c WHERE n < 32767) "
          "INSERT INTO Customers ([Customers Number]) SELECT n FROM c"});
    EXPECT_FALSE(customers::newCustomerNumber(app.state->data));
    EXPECT_FALSE(customers::createCustomer(*app.state));
    EXPECT_TRUE(app.prompter.messageTexts().last().startsWith("This database already holds 32,767 customers"));
}

TEST_F(CustomerRecordsTest, ANewCustomerHasItsDefaultsAndAHelperRowPerEarningsType)
{
    open({"Insert Into Earnings ([Earnings Type Code], [Earnings Include In Sales Total], [Earnings Description]) Values "
          "('S', 'Y', 'Specials')"});
    const std::optional<int> number = customers::createCustomer(*app.state);
    ASSERT_EQ(number, 1);
    EXPECT_EQ(app.state->currentCustomer, 1);
    EXPECT_EQ(column("Select [Customers First Name] || '|' || [Customers Last Name] || '|' || [Customers Status] || '|' || "
                     "[Customers Number Of Books] || '|' || [Customers Label Flag] || '|' || [Customers Processing Charge] "
                     "|| '|' || [Customers Supplies] || '|' || [Customers Gender] || '|' || [Customers Language] || '|' || "
                     "([Customers Discount Percent] + 0) || '|' || [Customers Points9] From Customers"),
              QStringList{"New Customer||Active|1|Y|Y|0|F|English|0.0|0"});
    EXPECT_EQ(column("Select substr([Customers Since Date], 1, 10) From Customers"),
              QStringList{QDate::currentDate().toString(Qt::ISODate)});
    EXPECT_EQ(column("Select [HelperPercents Earnings Type Code] || '=' || [HelperPercents Earnings Percent] From "
                     "HelperPercents Order By 1"),
              QStringList({"F=0.0", "R=0.0", "S=0.0"}));
    EXPECT_TRUE(column("Select [Customers Delivery Date] From Customers Where [Customers Delivery Date] Is Not Null").isEmpty());
}

TEST_F(CustomerRecordsTest, DeletingRemovesEverythingOfThatCustomerAndCountsIt)
{
    open({"Insert Into Customers ([Customers Number], [Customers Last Name]) Values (1, 'Adams'), (2, 'Baker')",
          "Insert Into Orders ([Orders Customer Number], [Orders Campaign Year], [Orders Campaign Number], [Orders Order "
          "Number], [Orders Sequence Number]) Values (1, 2008, 5, 1, 1), (1, 2008, 5, 1, 2), (2, 2008, 5, 1, 1)",
          "Insert Into Payments ([Payments Customer Number], [Payments Campaign Year], [Payments Campaign Number], "
          "[Payments Order Number], [Payments Sequence]) Values (1, 2008, 5, 1, 1)",
          "Insert Into Notes ([Notes Customer Number], [Notes Detail]) Values (1, 'likes red')",
          "Insert Into HelperPercents Values (1, 'R', 0), (1, 'F', 0), (2, 'R', 0)",
          "Update Customers Set [Customers Business Helper Number] = 1 Where [Customers Number] = 2"});
    const auto rows = customers::deleteCustomer(*app.state, 1, true);
    ASSERT_TRUE(rows);
    EXPECT_EQ(app.prompter.messageTexts(),
              QStringList{"Customer Deleted.\r\nOrder Details: 2\r\nPayment Details: 1\r\nNotes: 1\r\nComments: 0\r\n"
                          "Dates: 0\r\nHelper Percents: 2"});
    EXPECT_EQ(column("Select [Customers Number] || '/' || [Customers Business Helper Number] From Customers"),
              QStringList{"2/1"}) << "the other customer keeps her helper number";
    EXPECT_EQ(column("Select count(*) From Orders"), QStringList{"1"});

    // A customer without orders is deleted just the same.
    const auto second = customers::deleteCustomer(*app.state, 2, false);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->customers, 1);
}

TEST_F(CustomerRecordsTest, NotesCommentsAndDatesFollowTheirRules)
{
    open();
    ASSERT_TRUE(customers::saveNotes(app.state->data, 7, "first"));
    ASSERT_TRUE(customers::saveNotes(app.state->data, 7, ""));
    EXPECT_EQ(column("Select [Notes Detail] From Notes Where [Notes Customer Number] = 7"), QStringList{""});

    const Campaign campaign{2008, 5};
    customers::CommentLines order{"Deliver Friday", "", "", "", ""};
    customers::CommentLines standing{"", "Always gift wrap", "", "", ""};
    ASSERT_TRUE(customers::saveOrderComments(app.state->data, 7, campaign, order, standing));
    EXPECT_EQ(column("Select [Comments Type] || ' ' || [Comments Campaign Year] From Comments Order By 1"),
              QStringList({"Order 2008", "OrderPerm 0"}));
    ASSERT_TRUE(customers::saveOrderComments(app.state->data, 7, campaign, order, {"  ", "", "", "", ""}));
    EXPECT_EQ(column("Select [Comments Type] From Comments"), QStringList{"Order"}) << "blank standing comments go";

    EXPECT_EQ(customers::addEventDate(app.state->data, 7, {}), 1);
    EXPECT_EQ(customers::addEventDate(app.state->data, 7, {QDate(2001, 5, 4), "Birthday", 7, ""}), 2);
    EXPECT_EQ(column("Select [Dates Auto Update Year] || substr([Dates Date], 1, 10) From Dates Order By [Dates ID]"),
              QStringList({"Y" + QDate::currentDate().toString(Qt::ISODate), "Y2001-05-04"}));
}

TEST_F(CustomerRecordsTest, DuplicateNamesIgnoreCaseAndQuotes)
{
    open({"Insert Into Customers ([Customers Number], [Customers Last Name], [Customers First Name]) Values "
          "(1, 'O''Brien', 'Mary'), (2, 'O\"Brien', 'mary'), (3, 'OBrien', 'Mary'), (4, 'O''Brien', 'Ann')"});
    EXPECT_EQ(customers::duplicateNames(app.state->data, 9, "o'brien", "MARY"), (std::vector<int>{1, 2}));
    EXPECT_EQ(customers::duplicateNames(app.state->data, 1, "O'Brien", "Mary"), (std::vector<int>{2}));
}
