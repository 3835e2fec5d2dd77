#include "exchange/handheld_orders.h"

#include "utilities/shop_fixture.h"

#include <gtest/gtest.h>

using namespace zel;
using namespace zel::exchange;
using zel::test::orderLine;

namespace {

class HandheldOrdersTest : public zel::test::ShopTest
{
protected:
    void SetUp() override
    {
        ShopTest::SetUp();
        customer(1, "Abbot", "Ann");
        customer(2, "Baker", "Beth");
    }
    // A waiting handheld order: switches tax, processing charge, flat dollar, flat percent, discount.
    void handheldOrder(int id, int customer, const char *switches = "00000", const char *special = "0")
    {
        exec(QStringLiteral("Insert Into PDAOrders ([PDA Orders Id], [PDA Orders Customer ID], [PDA Orders Campaign Year], "
                            "[PDA Orders Campaign Number], [PDA Orders Tax Flag], [PDA Orders Processing Charge Flag], "
                            "[PDA Orders Flat Dollar Charge Flag], [PDA Orders Flat Percent Charge Flag], [PDA Orders Discount "
                            "Flag], [PDA Orders Discount Percent], [PDA Orders Special Charge Description], [PDA Orders "
                            "Special Charge Amount], [PDA Orders Entered Date], [PDA Orders Modified Date], [PDA Orders "
                            "Processed Flag]) Values (%1, %2, 2008, 5, %3, %4, %5, %6, %7, 0, 'Gift wrap', %8, "
                            "'2008-03-04 10:30:00', '2008-03-05 11:00:00', 0)")
                 .arg(id)
                 .arg(customer)
                 .arg(switches[0] == '1' ? -1 : 0)
                 .arg(switches[1] == '1' ? -1 : 0)
                 .arg(switches[2] == '1' ? -1 : 0)
                 .arg(switches[3] == '1' ? -1 : 0)
                 .arg(switches[4] == '1' ? -1 : 0)
                 .arg(QLatin1String(special)));
    }
    void handheldLine(int order, int id, const char *product, int quantity, const char *price, int tax1 = 0)
    {
        exec(QStringLiteral("Insert Into PDAOrderDetails ([PDA OrderDetails Order Id], [PDA OrderDetails ID], [PDA "
                            "OrderDetails Product], [PDA OrderDetails Campaign Number Ordered From], [PDA OrderDetails Page "
                            "Number], [PDA OrderDetails Description], [PDA OrderDetails Shade], [PDA OrderDetails Size], [PDA "
                            "OrderDetails Order Qty], [PDA OrderDetails Price Qty], [PDA OrderDetails Tax 1], [PDA OrderDetails "
                            "Tax 2], [PDA OrderDetails Unit Price], [PDA OrderDetails Line Discount Percent]) Values (%1, %2, "
                            "'%3', 4, '17', 'Lotion %3', 'Rose', '50 ml', %4, %4, %5, 0, %6, 0)")
                 .arg(order)
                 .arg(id)
                 .arg(QLatin1String(product))
                 .arg(quantity)
                 .arg(tax1)
                 .arg(QLatin1String(price)));
    }
    void handheldPayment(int order, int customer, const char *amount, int delivered = 0)
    {
        exec(QStringLiteral("Insert Into PDAOrderPayments ([PDA OrderPayments Customer ID], [PDA OrderPayments Order Id], [PDA "
                            "OrderPayments ID], [PDA OrderPayments Amount], [PDA OrderPayments Deposited Flag], [PDA "
                            "OrderPayments Check Number], [PDA OrderPayments Type], [PDA OrderPayments Date], [PDA "
                            "OrderPayments Delivered Flag]) Values (%1, %2, 1, %3, -1, '1044', 'Check / Cheque', "
                            "'2008-03-06 00:00:00', %4)")
                 .arg(customer)
                 .arg(order)
                 .arg(QLatin1String(amount))
                 .arg(delivered));
    }
    QStringList waitingFlags() { return rows("Select [PDA Orders Processed Flag] From PDAOrders Order By [PDA Orders Id]"); }

    HandheldOrders handheld{*app.state};
};

TEST_F(HandheldOrdersTest, ValidationNamesAMissingCustomerAndAnOrderAlreadyOnFile)
{
    order(1, {2008, 5}, {orderLine("1001", 1, "5.00")}); // order 1 of customer 1
    handheldOrder(1, 1);
    handheldOrder(2, 2);
    handheldOrder(3, 9);

    const HandheldValidation found = handheld.validate();
    EXPECT_TRUE(found.failed);
    EXPECT_EQ(found.lines, QStringList({"Customer #: 1, Order ID: 1 Abbot, Ann ORDER ALREADY ON FILE",
                                        "Customer #: 2, Order ID: 2 Baker, Beth", "Customer #: 9, Order ID: 3  CUSTOMER NOT FOUND"}));
    const auto messages = app.prompter.messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Validation Failed!");
    EXPECT_EQ(messages[0].title, "PDA Import Failure");
    EXPECT_EQ(messages[0].icon, Icon::Critical);

    app.prompter.clear();
    exec("Delete From PDAOrders Where [PDA Orders Id] <> 2");
    EXPECT_FALSE(handheld.validate().failed);
    EXPECT_EQ(app.prompter.messageTexts(), QStringList{"Validation Complete."});
}

TEST_F(HandheldOrdersTest, ImportSavesEveryPaidOrderAndMarksEveryOneProcessed)
{
    handheldOrder(10, 1, "00000", "2.50");
    handheldLine(10, 1, "123456", 3, "12.50", -1);
    handheldLine(10, 2, "222", 2, "4.00");
    handheldPayment(10, 1, "35.00", -1);
    handheldOrder(11, 2);
    handheldLine(11, 1, "333", 1, "9.99");
    handheldPayment(11, 2, "0");
    handheldOrder(12, 2); // no payment row: skipped
    handheldLine(12, 1, "444", 5, "1.00");

    const std::optional<HandheldImportCounts> counts = handheld.import();
    ASSERT_TRUE(counts);
    EXPECT_EQ(counts->orders, 2);
    EXPECT_EQ(counts->lines, 3);
    // The sum of the unit prices, not of quantity times price.
    EXPECT_EQ(counts->dollars, zel::test::money("26.49"));
    EXPECT_EQ(app.prompter.messageTexts().last(), "Details: 3\nOrders: 2\nDollars: 26.49");
    EXPECT_EQ(waitingFlags(), QStringList({"-1", "-1", "-1"}));
    EXPECT_EQ(rows("Select Distinct [Orders Catalog Number] From Orders Where [Orders Catalog Number] = '444'"), QStringList());

    // Every field of the handheld line, as the order computation stored it.
    EXPECT_EQ(rows("Select [Orders Sequence Number] || '|' || [Orders Page] || '|' || [Orders Catalog Number] || '|' || "
                   "[Orders From Campaign] || '|' || [Orders Product] || '|' || [Orders Shade] || '|' || [Orders Size] || '|' || "
                   "[Orders Quanity] || '|' || [Orders Price Quantity] || '|' || [Orders Unit Price] || '|' || [Orders Unit "
                   "Total] || '|' || [Orders Tax1] || '|' || [Orders Tax2] || '|' || [Orders Entered Date] || '|' || [Orders "
                   "Delivered] From Orders Where [Orders Customer Number] = 1 And [Orders Internal Flag] = 'DETAIL' Order By "
                   "[Orders Sequence Number]"),
              QStringList({"1|17|123456|4|Lotion 123456|Rose|50 ml|3|3|12.5|37.5|-1|0|2008-03-04 10:30:00|Y",
                           "2|17|222|4|Lotion 222|Rose|50 ml|2|2|4.0|8.0|0|0|2008-03-04 10:30:00|Y"}));
    EXPECT_EQ(rows("Select [Orders Unit Total] From Orders Where [Orders Customer Number] = 1 And [Orders Internal Flag] = "
                   "'TOTAL'"),
              QStringList{"48"}); // 37.50 + 8.00 + the special charge of 2.50
    // The handheld's payment is a payment of the new order; an amount of 0 is none.
    EXPECT_EQ(rows("Select [Payments Customer Number] || '|' || [Payments Order Number] || '|' || [Payments Amount] || '|' || "
                   "[Payments Deposited] || '|' || [Payments Type] || '|' || [Payments Check Number] || '|' || [Payments Date] "
                   "From Payments"),
              QStringList{"1|1|-35.0|Y|Check / Cheque|1044|2008-03-06 00:00:00"});

    app.prompter.clear();
    handheld.validate();
    EXPECT_EQ(app.prompter.messageTexts(), QStringList{"No new orders to process."});
}

TEST_F(HandheldOrdersTest, TheOrdersSwitchesReachTheOrder)
{
    handheldOrder(10, 1, "10101");
    exec("Update PDAOrders Set [PDA Orders Discount Percent] = 12");
    handheldLine(10, 1, "1", 1, "10.00");
    handheldPayment(10, 1, "0");
    ASSERT_TRUE(handheld.import());
    // Stored as processing charge, discount, tax, flat amount, flat percent, with the order's own
    // percent beside them: 12 % of 10.00.
    EXPECT_EQ(rows("Select [Orders Catalog Number] || ' ' || [Orders Discount Percent] From Orders Where [Orders Internal "
                   "Flag] = 'OPTIONS'"),
              QStringList{"NYYYN 12.0"});
    EXPECT_EQ(rows("Select [Orders Unit Total] From Orders Where [Orders Internal Flag] = 'DISCOUNT'"), QStringList{"-1.2"});
}

TEST_F(HandheldOrdersTest, NoOrNothingWaitingWritesNothing)
{
    handheldOrder(10, 1);
    handheldLine(10, 1, "1", 1, "10.00");
    handheldPayment(10, 1, "0");
    app.prompter.queueAnswer(Answer::No);
    EXPECT_FALSE(handheld.import());
    EXPECT_EQ(count("Select Count(*) From Orders"), 0);
    EXPECT_EQ(waitingFlags(), QStringList{"0"});

    exec("Update PDAOrders Set [PDA Orders Processed Flag] = -1");
    app.prompter.clear();
    EXPECT_FALSE(handheld.import());
    EXPECT_EQ(app.prompter.messageTexts().last(), "No new orders to process.");
    ASSERT_TRUE(handheld.resetProcessed());
    EXPECT_EQ(waitingFlags(), QStringList{"0"});
}

TEST_F(HandheldOrdersTest, AFailedImportLeavesTheDatabaseAsItWas)
{
    handheldOrder(10, 1);
    handheldLine(10, 1, "1", 1, "10.00");
    handheldPayment(10, 1, "0");
    handheldOrder(11, 2);
    handheldLine(11, 1, "2", 1, "10.00");
    handheldPayment(11, 2, "10.00");
    exec("Drop Table Payments"); // the second order's payment cannot be written
    app.prompter.queueAnswer(Answer::Yes);
    app.prompter.queueAnswer(Answer::Ignore);
    EXPECT_FALSE(handheld.import());
    EXPECT_EQ(count("Select Count(*) From Orders"), 0);
    EXPECT_EQ(waitingFlags(), QStringList({"0", "0"}));
}

TEST_F(HandheldOrdersTest, AValueOutOfItsRangeRefusesTheWholeImportNamingTheOrder)
{
    const struct
    {
        const char *column;
        const char *value;
    } wrong[] = {{"[PDA OrderDetails Order Qty]", "2147483648"},
                 {"[PDA OrderDetails Unit Price]", "'NaN'"},
                 {"[PDA OrderDetails Unit Price]", "1e308"},
                 {"[PDA OrderDetails Line Discount Percent]", "250"}};
    handheldOrder(10, 1);
    handheldLine(10, 1, "1", 1, "10.00");
    handheldPayment(10, 1, "0");
    handheldOrder(11, 2);
    handheldLine(11, 1, "2", 1, "10.00");
    handheldLine(11, 2, "3", 1, "10.00");
    handheldPayment(11, 2, "10.00");
    for (const auto &w : wrong) {
        exec(QStringLiteral("Update PDAOrderDetails Set %1 = %2 Where [PDA OrderDetails Order Id] = 11 And [PDA OrderDetails "
                            "ID] = 2")
                 .arg(QLatin1String(w.column), QLatin1String(w.value)));
        app.prompter.clear();
        app.prompter.queueAnswer(Answer::Yes);
        EXPECT_FALSE(handheld.import()) << w.column;
        EXPECT_TRUE(app.prompter.messageTexts().last().startsWith("Handheld order 11 of customer 2, line 2: "))
            << qPrintable(app.prompter.messageTexts().last());
        EXPECT_EQ(count("Select Count(*) From Orders"), 0) << "the first order is not kept either";
        EXPECT_EQ(waitingFlags(), QStringList({"0", "0"}));
        exec("Update PDAOrderDetails Set [PDA OrderDetails Order Qty] = 1, [PDA OrderDetails Unit Price] = 10, [PDA "
             "OrderDetails Line Discount Percent] = 0");
    }
}

} // namespace
