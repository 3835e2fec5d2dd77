#include "orders/order_entry.h"

#include "desktop/main_menu_operations.h"
#include "orders/inventory_adjustment.h"
#include "orders/order_entry_copy.h"
#include "orders/order_expenses.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QFile>

using namespace zel;
using zel::test::TempApp;

namespace {

Currency money(const char *text)
{
    return *Currency::fromString(QString::fromLatin1(text));
}

OrderRow line(const char *catalog, int quantity, const char *price, const char *page = "12")
{
    OrderRow row;
    row.catalogNumber = QString::fromLatin1(catalog);
    row.product = QStringLiteral("Product ") + row.catalogNumber;
    row.page = QString::fromLatin1(page);
    row.quantity = quantity;
    row.priceQuantity = quantity;
    row.unitPrice = money(price);
    row.earningsFlag = QStringLiteral("R");
    row.fromCampaign = 5;
    return row;
}

class OrderEntryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        path = app.makeZelDatabase("Shop.ZELDB", {
            "Insert Into Customers ([Customers Number], [Customers First Name], [Customers Last Name], [Customers Processing "
            "Charge], [Customers Language], [Customers Gender], [Customers Discount Percent], [Customers Tax Rate 1], "
            "[Customers Tax Rate 2], [Customers Points3]) Values (1, 'Ann', 'Lee', 'N', 'English', 'F', 0, 0, 0, 4), "
            "(2, 'Bea', 'Ray', 'N', 'English', 'F', 0, 0, 0, 0)"});
        ASSERT_TRUE(MainMenuOperations(*app.state).openDatabase(path, "test", "test"));
        app.state->options.CurrentCampaignYear = 2008;
        app.state->options.CurrentCampaignNumber = 5;
        app.state->options.LastCampaignNumberOfYear = 26;
        app.prompter.clear();
    }
    OrderHeader header(const OrderEntry &entry) const
    {
        OrderHeader h;
        h.switches.discount = true;
        h.orderDate = QDateTime(QDate(2008, 3, 4), QTime(9, 30));
        h.backOrderCampaign = entry.campaign().next(26);
        return h;
    }
    QStringList orderRows(int customer = 1)
    {
        return app.column(QString("Select [Orders Campaign Number] || '/' || [Orders Order Number] || ' ' || [Orders Internal "
                                  "Flag] || ' ' || [Orders Unit Total] From Orders Where [Orders Customer Number] = %1 Order By "
                                  "[Orders Campaign Number], [Orders Order Number], [Orders Sequence Number]")
                              .arg(customer));
    }
    void exec(const QString &sql)
    {
        ASSERT_TRUE(app.state->data.exec("test", sql));
    }

    TempApp app;
    QString path;
};

} // namespace

TEST_F(OrderEntryTest, SavingStoresTheComputedOrderAndTheProductsAndOpensItAgain)
{
    OrderEntry entry(*app.state, 1, {2008, 5}, 0);
    OpenedOrder opened = entry.open();
    EXPECT_FALSE(opened.exists);
    EXPECT_EQ(opened.customerName, QStringLiteral("Ann Lee"));
    EXPECT_EQ(opened.header.points[2], 4);
    EXPECT_EQ(entry.windowTitle(opened.customerName), QStringLiteral("New Order   - Ann Lee"));
    EXPECT_EQ(entry.saveCaption(), QStringLiteral("&Save New Order"));

    OrderHeader h = header(entry);
    h.discountPercent = money("10");
    h.summarized = true;
    h.specialChargeDescription = "Gift wrap";
    h.specialChargeAmount = money("1.50");
    h.points[2] = 9;
    OrderRow earlier = line("123456", 2, "10.00", "C#03-045");
    earlier.enteredUsedLowerPrice = "Y";
    earlier.enteredPage = "45";
    earlier.enteredUnitPrice = money("12.00");
    earlier.fromCampaign = 3;
    OrderRow copied = line("654321", 1, "3.00", "C#05-123");
    copied.fromCampaign = 4;
    ASSERT_EQ(entry.save(h, {earlier, copied, OrderRow{}}), OrderEntry::SaveResult::Saved);
    EXPECT_EQ(entry.orderNumber(), 1);
    EXPECT_EQ(orderRows(), QStringList({"5/1 DETAIL 20.0", "5/1 DETAIL 3.0", "5/1 LINE 0.0", "5/1 SUBTOTAL 23.0",
                                        "5/1 DISCOUNT -2.3", "5/1 SPECIALCHG 1.5", "5/1 OPTIONS 0.0", "5/1 TOTAL 22.2"}))
        << "the blank row at the end is not a line";
    EXPECT_EQ(app.column("Select [Customers Points3] From Customers Where [Customers Number] = 1"), QStringList{"9"});
    // A product priced from an earlier campaign goes into this campaign's catalogue at its typed
    // price, on its plain page.
    EXPECT_EQ(app.column("Select [Products Page] || ' ' || [Products Last Price] From Products Where [Products Campaign "
                         "Number] = 5 Order By [Products Catalog Number]"),
              QStringList({"45 12.0", "123 3.0"}));
    const QString log = app.readFile("LogOrders.txt");
    EXPECT_TRUE(log.contains("Zel_Order:Ms_Save Start, Cust=1"));
    EXPECT_TRUE(log.contains("Zel_Order:Ms_Save Complete, Cust=1"));

    OrderEntry again(*app.state, 1, {2008, 5}, 1);
    opened = again.open();
    EXPECT_TRUE(opened.exists);
    ASSERT_EQ(opened.lines.size(), 2u);
    EXPECT_EQ(opened.orderTotal, money("22.20"));
    EXPECT_TRUE(opened.header.summarized);
    EXPECT_EQ(opened.header.switches, (OrderSwitches{false, true, false, false, false}));
    EXPECT_EQ(opened.header.specialChargeDescription, QStringLiteral("Gift wrap"));
    EXPECT_EQ(opened.header.specialChargeAmount, money("1.50"));
    EXPECT_EQ(opened.header.orderDate, QDateTime(QDate(2008, 3, 4), QTime(9, 30)));
    EXPECT_EQ(app.column("Select Count(*) From OrdersWork1"), QStringList{"2"});
    EXPECT_EQ(OrderEntry::tabCaption(true), QStringLiteral("1. Order &Entry - Summarized"));
    EXPECT_EQ(again.windowTitle("Ann Lee"), QStringLiteral("Order # 1  - Ann Lee"));
}

TEST_F(OrderEntryTest, ABackOrderIntoTheCurrentCampaignIsRefusedAndNothingIsSaved)
{
    OrderEntry entry(*app.state, 1, {2008, 5}, 0);
    entry.open();
    OrderHeader h = header(entry);
    h.backOrderCampaign = {2008, 5};
    h.points[0] = 7;
    OrderRow late = line("1", 1, "4.00");
    late.backOrderFlag = "U";
    EXPECT_EQ(entry.save(h, {line("2", 1, "3.00"), late}), OrderEntry::SaveResult::Refused);
    EXPECT_EQ(app.prompter.messageTexts(),
              QStringList{"Back Order Campaign Year/Number must Greater than the Current Campaign Year/Number.  See the "
                          "Backorder Option Tab to adjust campaign."});
    EXPECT_TRUE(orderRows().isEmpty());
    EXPECT_EQ(app.column("Select ifnull([Customers Points1], 0) From Customers Where [Customers Number] = 1"), QStringList{"0"});

    h.backOrderCampaign = {2008, 6};
    EXPECT_EQ(entry.save(h, {line("2", 1, "3.00"), late}), OrderEntry::SaveResult::Saved);
}

TEST_F(OrderEntryTest, SavingWithEveryLineDeletedRemovesTheOrder)
{
    OrderEntry entry(*app.state, 1, {2008, 5}, 0);
    entry.open();
    ASSERT_EQ(entry.save(header(entry), {line("1", 1, "2.00")}), OrderEntry::SaveResult::Saved);
    OrderEntry reopened(*app.state, 1, {2008, 5}, 1);
    reopened.open();
    EXPECT_EQ(reopened.save(header(reopened), {OrderRow{}}), OrderEntry::SaveResult::Deleted);
    EXPECT_TRUE(orderRows().isEmpty());
}

TEST_F(OrderEntryTest, DeletingAnOrderWithPaymentsIsRefused)
{
    OrderEntry entry(*app.state, 1, {2008, 5}, 0);
    entry.open();
    ASSERT_EQ(entry.save(header(entry), {line("1", 1, "2.00")}), OrderEntry::SaveResult::Saved);
    exec("Insert Into Payments ([Payments Customer Number], [Payments Campaign Year], [Payments Campaign Number], [Payments "
         "Order Number], [Payments Sequence], [Payments Amount]) Values (1, 2008, 5, 1, 1, -2)");
    OrderEntry paid(*app.state, 1, {2008, 5}, 1);
    EXPECT_FALSE(paid.deleteOrder());
    EXPECT_EQ(app.prompter.messageTexts().last(), QStringLiteral("This order has existing payment(s).\nPlease delete any "
                                                                 "payment(s) applied to this order using the Customer/Payment Tab."));
    EXPECT_FALSE(orderRows().isEmpty());

    // Removing every line and saving is deleting too: refused the same way, the order kept.
    paid.open();
    app.prompter.clear();
    EXPECT_EQ(paid.save(header(paid), {OrderRow{}}), OrderEntry::SaveResult::Refused);
    EXPECT_EQ(app.prompter.messageTexts().last(), QStringLiteral("This order has existing payment(s).\nPlease delete any "
                                                                 "payment(s) applied to this order using the Customer/Payment Tab."));
    EXPECT_FALSE(orderRows().isEmpty());

    exec("Delete From Payments");
    app.prompter.queueAnswer(Answer::No);
    EXPECT_FALSE(paid.deleteOrder());
    EXPECT_FALSE(orderRows().isEmpty());
    app.prompter.queueAnswer(Answer::Yes);
    EXPECT_TRUE(paid.deleteOrder());
    EXPECT_TRUE(orderRows().isEmpty());
}

TEST_F(OrderEntryTest, CancelAsksAndWarnsAboutStockTaken)
{
    OrderEntry entry(*app.state, 1, {2008, 5}, 0);
    app.prompter.queueAnswer(Answer::No);
    EXPECT_FALSE(entry.confirmCancel(true));
    EXPECT_EQ(app.prompter.messageTexts(),
              QStringList({"Inventory has been adjusted for this order.  If this order cancelled then the inventory must be "
                           "manually corrected.",
                           "Do you wish to Cancel Changes on this Order?\nContinue?"}));
    app.prompter.queueAnswer(Answer::Yes);
    EXPECT_TRUE(entry.confirmCancel(false));
}

TEST_F(OrderEntryTest, ReservedRowsFollowTheLineTypedInAnyForm)
{
    OrderEntry entry(*app.state, 1, {2008, 5}, 0);
    entry.open();
    OrderHeader h = header(entry);
    h.reservedCatalogNumber = "123456";
    h.reservedRows = 2;
    ASSERT_EQ(entry.save(h, {line("123-456", 1, "2.00"), line("2", 1, "1.00")}), OrderEntry::SaveResult::Saved);
    EXPECT_EQ(app.column("Select [Orders Sequence Number] || ' ' || [Orders Product] From Orders Where [Orders Internal Flag] "
                         "= 'DETAIL' Order By [Orders Sequence Number]"),
              QStringList({"1 Product 123-456", "2 //Inserted Row", "3 //Inserted Row", "102 Product 2"}));
}

TEST_F(OrderEntryTest, CopyingAnotherCustomersOrderAppendsItsLinesAndKeepsTheSource)
{
    OrderEntry source(*app.state, 2, {2008, 4}, 0);
    source.open();
    ASSERT_EQ(source.save(header(source), {line("7", 1, "2.00"), line("8", 2, "3.00")}), OrderEntry::SaveResult::Saved);

    OrderCopy copy(*app.state);
    EXPECT_EQ(copy.years(), std::vector<int>{2008});
    ASSERT_EQ(copy.customers().size(), 2u);
    EXPECT_EQ(copy.customers()[0].name, QStringLiteral("Lee, Ann"));
    EXPECT_FALSE(copy.orderNumbers(2, 2008, 0));
    EXPECT_EQ(app.prompter.messageTexts().last(), QStringLiteral("Please Select a Campaign Number."));
    EXPECT_EQ(copy.orderNumbers(2, 2008, 4), std::vector<int>{1});

    OrderRow mine = line("1", 1, "1.00");
    mine.sequenceNumber = 4;
    std::vector<OrderRow> lines{mine};
    app.prompter.queueAnswer(Answer::No);
    EXPECT_EQ(copy.copyInto(lines, {2, {2008, 4}, 1}), 2);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1].catalogNumber, QStringLiteral("7"));
    EXPECT_EQ(lines[1].sequenceNumber, 5);
    EXPECT_EQ(lines[2].sequenceNumber, 6);
    EXPECT_EQ(lines[2].fromCampaign, 5) << "copied lines belong to the current campaign";
    EXPECT_TRUE(app.prompter.messageTexts().contains("Order Copy Successful. \n2 details copied."));
    EXPECT_FALSE(orderRows(2).isEmpty()) << "the source stays unless told otherwise";

    app.prompter.queueAnswer(Answer::Yes);
    EXPECT_EQ(copy.copyInto(lines, {2, {2008, 4}, 1}), 2);
    EXPECT_TRUE(orderRows(2).isEmpty());
    EXPECT_EQ(copy.copyInto(lines, {2, {2008, 4}, 1}), 0);
    EXPECT_TRUE(app.prompter.messageTexts().last().startsWith("No order found."));
}

TEST_F(OrderEntryTest, SellingFromStock)
{
    exec("Insert Into Inventory ([Inventory Catalog Number], [Inventory Description], [Inventory Price], [Inventory Qty], "
         "[Inventory Sold To Qty], [Inventory Sold To Campaign Year], [Inventory Sold to Campaign Number], [Inventory Delete "
         "Flag]) Values ('123-456', 'Blush', 4.5, 5, 0, 0, 0, 0), ('777777', 'Soap', 2, 2, 0, 0, 0, 0)");
    InventoryAdjustment stock(app.state->data);
    EXPECT_EQ(stock.inStock("123456"), 5);
    ASSERT_TRUE(stock.Ms_Adjust_Inventory("123456", 3, "Ann Lee", {2008, 5}));
    EXPECT_EQ(app.column("Select [Inventory Description] || ' ' || [Inventory Qty] || ' ' || ifnull([Inventory Sold To Name], '') || ' ' "
                         "|| [Inventory Sold To Qty] || ' ' || [Inventory Sold to Campaign Number] From Inventory Where "
                         "[Inventory Catalog Number] = '123-456' Order By rowid"),
              QStringList({"Blush 2  0 0", "Blush 0 Ann Lee 3 5"}));
    ASSERT_TRUE(stock.Ms_Adjust_Inventory("777-777", 2, "Ann Lee", {2008, 5}));
    EXPECT_EQ(app.column("Select [Inventory Qty] || ' ' || [Inventory Sold To Qty] From Inventory Where [Inventory Catalog "
                         "Number] = '777777'"),
              QStringList{"0 2"})
        << "selling the whole stock turns the stock row into the sale row";
    EXPECT_FALSE(stock.Ms_Adjust_Inventory("999999", 1, "Ann Lee", {2008, 5}));

    OrderRow bought = line("555555", 3, "2.00");
    ASSERT_TRUE(stock.Ms_Update_Inventory(bought));
    ASSERT_TRUE(stock.Ms_Update_Inventory(bought));
    EXPECT_EQ(app.column("Select [Inventory Qty] From Inventory Where [Inventory Catalog Number] = '555555'"), QStringList{"6"});
    EXPECT_EQ(InventoryAdjustment::updateQuestion(bought), QStringLiteral("Add 3 items to Product 555555 in Inventory?"));
}

TEST_F(OrderEntryTest, AnOrderLineBecomesAnInternalExpense)
{
    exec("Insert Into Expenses ([Expenses Campaign Year], [Expenses Campaign Number], [Expenses Counter], [Expenses "
         "Category], [Expenses Amount], [Expenses Include Flag]) Values (2008, 5, 7, 'Samples', 1, 0), (2008, 4, 30, '', 1, 0)");
    OrderExpenses expenses(app.state->data);
    EXPECT_EQ(expenses.categories(), QStringList{"Samples"});
    EXPECT_EQ(OrderExpenses::question("Blush", "Samples", money("4.50")),
              QStringLiteral("Add 'Blush' to INTERNAL EXPENSES in Category 'Samples' with an amount of $4.50"));
    ASSERT_TRUE(expenses.add({2008, 5}, "Blush", "Samples", money("4.50"), QDateTime(QDate(2008, 3, 1), QTime(8, 0))));
    EXPECT_EQ(app.column("Select [Expenses Counter] || ' ' || [Expenses Description] || ' ' || [Expenses Amount] || ' ' || "
                         "[Expenses Include Flag] From Expenses Where [Expenses Description] = 'Blush'"),
              QStringList{"8 Blush 4.5 0"});
}
