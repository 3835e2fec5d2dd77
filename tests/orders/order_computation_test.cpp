#include "orders/order_computation.h"

#include "test_support.h"

#include <gtest/gtest.h>

using namespace zel;
using zel::test::TempApp;

namespace {

Currency money(const char *text)
{
    return *Currency::fromString(QString::fromLatin1(text));
}

OrderRow line(const char *catalog, int quantity, const char *price, bool tax1 = false, bool tax2 = false)
{
    OrderRow row;
    row.catalogNumber = QString::fromLatin1(catalog);
    row.product = QStringLiteral("Product ") + row.catalogNumber;
    row.page = QStringLiteral("12");
    row.quantity = quantity;
    row.priceQuantity = quantity;
    row.unitPrice = money(price);
    row.tax1 = tax1;
    row.tax2 = tax2;
    row.earningsFlag = QStringLiteral("R");
    return row;
}

class OrderComputationTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        path = app.makeZelDatabase("Shop.ZELDB", {
            "Insert Into Customers ([Customers Number], [Customers Processing Charge], [Customers Language], "
            "[Customers Gender], [Customers Discount Percent], [Customers Tax Rate 1], [Customers Tax Rate 2]) Values "
            "(1, 'Y', 'English', 'F', 0, 0, 0), (2, 'Y', 'Spanish', 'F', 0, 0, 0)"});
        ASSERT_TRUE(app.state->database.open(path));
        options.CurrentCampaignYear = 2008;
        options.CurrentCampaignNumber = 5;
        request.customer = 1;
        request.campaign = {2008, 5};
        request.backOrderCampaign = {2008, 6};
        request.orderDate = QDateTime(QDate(2008, 3, 4), QTime(9, 0));
    }
    std::optional<ComputedOrder> save(int orderNumber = 0)
    {
        return saveOrder(app.state->data, options, app.prompter, request, orderNumber);
    }
    static const OrderRow *find(const ComputedOrder &order, const QString &flag, int nth = 0)
    {
        for (const OrderRow &row : order.rows)
            if (row.internalFlag == flag && nth-- == 0)
                return &row;
        return nullptr;
    }
    void exec(const QString &sql)
    {
        app.state->data.setSQL(sql);
        ASSERT_TRUE(app.state->data.ExecSql("test"));
    }

    TempApp app;
    QString path;
    cOption options;
    OrderRequest request;
};

} // namespace

// Every row kind, with the expected amounts worked out by hand:
//   L1 2 × 12.50 = 25.00 (tax 1 and 2, regular 15.00: saves 5.00), order discount informs -2.50
//   L2 1 × 20.00 = 20.00 (tax 1) with its own 12.5 % discount: -2.50
//   L3 3 × 3.35 = 10.05, order discount informs Round(-1.005) = -1.00 (half to even)
//   an empty line, then L5 1 × 8.00 back-ordered
//   sub total 55.05; special discount Round(-10 % × (55.05 - 20.00)) = Round(-3.505) = -3.50
//   charge 0.75; tax 1 8.25 % of (45.00 + 0.75) = 3.774375 -> 3.77
//   tax 2 1.5 % of (25.00 + 3.77) = 0.43155 -> 0.43; special charge 2.00; flat 1.00; flat 2 % of 55.05 -> 1.10
//   helper 5 % of 55.05 = 2.7525 -> -2.75
//   grand total 55.05 + 3.77 + 0.43 + 0.75 - 3.50 - 2.50 + 2.00 + 1.00 + 1.10 - 2.75 = 55.35
//   savings 5.00 - (-2.50 - 2.50 - 1.00) = 11.00
TEST_F(OrderComputationTest, AWorkedOrderWithEveryRowKind)
{
    exec("Update Customers Set [Customers Business Helper Flag] = 'Y', [Customers Business Helper Invoice Detail] = 'Y', "
         "[Customers Business Helper Number] = 1 Where [Customers Number] = 1");
    exec("Insert Into HelperPercents Values (1, 'R', 5)");
    options.TaxRate1 = money("8.25");
    options.TaxRate2 = money("1.5");
    options.TaxDesc1 = "STATE";
    options.TaxDesc2 = "CITY";
    options.TaxProcessingCharge1 = "Y";
    options.TaxIncludeTax1 = "Y";
    options.FlatAmount = money("1");
    options.FlatAmountDesc = "Delivery";
    options.FlatPercent = money("2");
    options.FlatPercentDesc = "Fuel";
    options.PrintInvoiceShowSavings = "Y";

    OrderRow l1 = line("111-111", 2, "12.50", true, true);
    l1.regPrice = money("15");
    OrderRow l2 = line("222-222", 1, "20.00", true);
    l2.discountPercent = money("12.5");
    OrderRow l5 = line("555-555", 1, "8.00", true);
    l5.backOrderFlag = "B";
    request.lines = {l1, l2, line("333-333", 3, "3.35"), OrderRow{}, l5};
    request.processBackOrders = true;
    request.switches = {true, true, true, true, true};
    request.discountPercent = money("10");
    request.specialChargeDescription = "Gift wrap";
    request.specialChargeAmount = money("2");

    const auto order = save();
    ASSERT_TRUE(order);
    EXPECT_EQ(order->orderNumber, 1);
    QStringList kinds;
    QList<int> sequences;
    for (const OrderRow &row : order->rows) {
        kinds << row.internalFlag;
        sequences << row.sequenceNumber;
    }
    EXPECT_EQ(kinds, QStringList({"DETAIL", "DETAIL", "DETAIL", "DETAIL", "LINE", "SUBTOTAL", "LDISCOUNT2", "DISCOUNT",
                                  "CHARGE", "TAX", "TAX2", "SPECIALCHG", "FLATCHG", "FLATCHG", "HELPERDISC", "OPTIONS",
                                  "TOTAL", "SAVINGS"}));
    EXPECT_EQ(sequences, QList<int>({1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19})) << "the empty line leaves a gap";

    const OrderRow &first = order->rows[0];
    EXPECT_EQ(first.unitTotal, money("25.00"));
    EXPECT_EQ(first.discountApplied, money("-2.50"));
    EXPECT_EQ(first.savingsMessage, QStringLiteral("Saved $5.00 off reg price of $30.00"));
    EXPECT_EQ(order->rows[1].discountMessage, QStringLiteral("(Discount 12.50% for $-2.50)"));
    EXPECT_EQ(order->rows[2].discountApplied, money("-1.00"));
    const OrderRow &backOrdered = order->rows[3];
    EXPECT_EQ(backOrdered.backOrderFlag, QStringLiteral("P"));
    EXPECT_EQ(backOrdered.boMessage, QStringLiteral("** Back Ordered ** 1@8.00"));
    EXPECT_TRUE(backOrdered.unitTotal.isZero());
    EXPECT_EQ(backOrdered.quantity, 0);

    const auto amount = [&](const char *flag, int nth = 0) { return find(*order, flag, nth)->unitTotal; };
    EXPECT_EQ(amount("SUBTOTAL"), money("55.05"));
    EXPECT_EQ(amount("LDISCOUNT2"), money("-2.50"));
    EXPECT_EQ(amount("DISCOUNT"), money("-3.50"));
    EXPECT_EQ(amount("CHARGE"), money("0.75"));
    EXPECT_EQ(amount("TAX"), money("3.77"));
    EXPECT_EQ(amount("TAX2"), money("0.43"));
    EXPECT_EQ(amount("SPECIALCHG"), money("2.00"));
    EXPECT_EQ(amount("FLATCHG", 0), money("1.00"));
    EXPECT_EQ(amount("FLATCHG", 1), money("1.10"));
    EXPECT_EQ(amount("HELPERDISC"), money("-2.75"));
    EXPECT_EQ(amount("TOTAL"), money("55.35"));
    EXPECT_EQ(find(*order, "TOTAL")->paymentGrandTotal, money("55.35"));

    EXPECT_EQ(find(*order, "LINE")->product, QString(30, '-'));
    EXPECT_EQ(find(*order, "SUBTOTAL")->product, QStringLiteral("**  Sub Total"));
    EXPECT_EQ(find(*order, "DISCOUNT")->product, QStringLiteral("**  Special Discount 10%"));
    EXPECT_EQ(find(*order, "TAX")->product, QStringLiteral("**  STATE  8.25%"));
    EXPECT_EQ(find(*order, "TAX2")->product, QStringLiteral("**  CITY  1.5%"));
    EXPECT_EQ(find(*order, "FLATCHG", 1)->product, QStringLiteral("**  Fuel 2%"));
    EXPECT_EQ(find(*order, "HELPERDISC")->product, QStringLiteral("**  Helper Discount - Regular Items"));
    EXPECT_EQ(find(*order, "OPTIONS")->catalogNumber, QStringLiteral("YYYYY"));
    EXPECT_EQ(find(*order, "SAVINGS")->product, QStringLiteral("**  Total Savings $11.00"));

    // The back-ordered line waits in campaign 6 as an order of its own, switches off, where the
    // helper's 5 % applies again.
    EXPECT_EQ(app.column("Select [Orders Internal Flag] || ' ' || [Orders Unit Total] || ' ' || [Orders BackOrder Flag] "
                         "From Orders Where [Orders Campaign Number] = 6 Order By [Orders Sequence Number]"),
              QStringList({"DETAIL 8.0 P", "LINE 0.0 ", "SUBTOTAL 8.0 ", "HELPERDISC -0.4 ", "OPTIONS 0.0 ", "TOTAL 7.6 "}));
    EXPECT_EQ(app.column("Select count(*) From OrdersWork3"), QStringList{"0"});
}

TEST_F(OrderComputationTest, OnlyBackOrderedLinesAskAboutTheProcessingCharge)
{
    options.TaxRate1 = money("10");
    options.TaxProcessingCharge1 = "Y";
    options.TaxProcessingCharge1Zero = "Y";
    OrderRow later = line("1", 1, "5.00", true);
    later.backOrderFlag = "P";
    later.unitPrice = money("5.00");
    request.lines = {later};
    request.switches = {true, false, true, false, false};

    app.prompter.queueAnswer(Answer::Yes);
    auto order = save();
    ASSERT_TRUE(order);
    EXPECT_EQ(app.prompter.messageTexts(), QStringList{"This order contains only backordered items.  Do you wish to suppress "
                                                       "the processing charge."});
    EXPECT_EQ(find(*order, "CHARGE"), nullptr);
    EXPECT_EQ(find(*order, "TAX")->unitTotal, money("0.50")) << "tax on the line alone";

    app.prompter.clear();
    app.prompter.queueAnswer(Answer::No);
    request.campaign = {2008, 4};
    order = save();
    EXPECT_TRUE(app.prompter.messageTexts().at(0).startsWith("The order created in C#4 contains only backordered items."));
    EXPECT_EQ(find(*order, "CHARGE")->unitTotal, money("0.75"));
    EXPECT_EQ(find(*order, "TAX")->unitTotal, money("0.58")) << "10 % of 5.75, half to even";
}

TEST_F(OrderComputationTest, OtherModesDecideTheChargeWithoutAsking)
{
    OrderRow later = line("1", 1, "5.00");
    later.backOrderFlag = "P";
    request.lines = {later};
    request.switches.processingCharge = true;
    request.mode = ComputeMode::Shorts;
    EXPECT_EQ(find(*save(), "CHARGE"), nullptr);
    request.mode = ComputeMode::Updates;
    request.keepCharge = true;
    EXPECT_NE(find(*save(), "CHARGE"), nullptr);
    EXPECT_TRUE(app.prompter.messages().empty());

    request.lines = {line("2", 1, "0")};
    request.mode = ComputeMode::Normal;
    EXPECT_EQ(find(*save(), "CHARGE"), nullptr) << "a sub total of 0 has no charge";
}

TEST_F(OrderComputationTest, DiscountMessagesAndTaxRowsFollowTheirFormats)
{
    OrderRow ten = line("1", 2, "10.00");
    ten.discountPercent = money("10");
    options.TaxRate1 = money("7.123");
    options.TaxDesc1 = "COUNTY";
    request.lines = {ten, line("2", 1, "1.00", true)};
    request.switches.tax = true;
    options.TaxDesc1 = "VERYLONGDESCRIPTIONXYZXYZXYZ";
    const auto order = save();
    EXPECT_EQ(order->rows[0].discountMessage, QStringLiteral("(Discount 10% for $-2.00)"));
    EXPECT_EQ(find(*order, "TAX")->product.size(), 30);
    EXPECT_EQ(find(*order, "TAX")->product, QStringLiteral("**  VERYLONGDESCRIPTIONXYZXYZX"));
}

TEST_F(OrderComputationTest, TextsComeInTheCustomersLanguage)
{
    request.customer = 2;
    request.lines = {line("1", 1, "3.00")};
    const auto order = save();
    EXPECT_EQ(find(*order, "SUBTOTAL")->product, QStringLiteral("**  Subtotal"));
    EXPECT_EQ(find(*order, "TOTAL")->product, QStringLiteral("**  Total"));
}

TEST_F(OrderComputationTest, OrdersKeepTheirNumberUnlessALowerOneIsFree)
{
    request.lines = {line("1", 1, "1.00")};
    ASSERT_EQ(save()->orderNumber, 1);
    ASSERT_EQ(save()->orderNumber, 2);
    EXPECT_EQ(save(2)->orderNumber, 2) << "saving order 2 again";
    exec("Delete From Orders Where [Orders Order Number] = 1");
    EXPECT_EQ(save(2)->orderNumber, 1);
}

TEST_F(OrderComputationTest, AFailureWhileSavingLeavesThePreviousOrderIntact)
{
    request.lines = {line("1", 1, "4.00")};
    ASSERT_TRUE(save());
    const QStringList before = app.column("Select [Orders Internal Flag] || [Orders Unit Total] From Orders Order By 1");

    exec("Drop Table OrdersWork4"); // the back-order step will fail after the order was rewritten
    OrderRow backOrdered = line("2", 1, "9.00");
    backOrdered.backOrderFlag = "B";
    request.lines = {line("1", 3, "4.00"), backOrdered};
    request.processBackOrders = true;
    app.prompter.queueAnswer(Answer::Ignore);
    EXPECT_FALSE(save(1));
    EXPECT_EQ(app.column("Select [Orders Internal Flag] || [Orders Unit Total] From Orders Order By 1"), before);
}

TEST_F(OrderComputationTest, ReservedRowsFollowTheirLineAndTheNumbersJump)
{
    request.lines = {line("1", 1, "1.00"), line("2", 1, "1.00"), line("3", 1, "1.00")};
    request.reservedCatalogNumber = "2";
    request.reservedRows = 2;
    const auto order = save();
    QStringList rows;
    for (const OrderRow &row : order->rows)
        if (row.internalFlag == "DETAIL")
            rows << QString::number(row.sequenceNumber) + ":" + row.product;
    EXPECT_EQ(rows, QStringList({"1:Product 1", "2:Product 2", "3://Inserted Row", "4://Inserted Row", "103:Product 3"}));
    EXPECT_EQ(find(*order, "LINE")->sequenceNumber, 104);
}

TEST(OrderSwitches, ReadAndWriteTheirFiveLetters)
{
    const OrderSwitches switches{true, false, true, false, true};
    EXPECT_EQ(switches.text(), QStringLiteral("YNYNY"));
    EXPECT_EQ(OrderSwitches::fromText("YNYNY"), switches);
    EXPECT_EQ(OrderSwitches::fromText("xN"), (OrderSwitches{true, false, false, false, false}));
}

TEST_F(OrderComputationTest, OnlyTheLinesOwnColumnsAreCarriedIntoTheStoredRow)
{
    OrderRow stale = line("1", 1, "2.345");
    stale.paymentAmount = money("5");
    stale.paymentType = "Visa";
    stale.businessHelper = "Someone";
    stale.discountMessage = "(old message)";
    stale.regPrice = money("3.005");
    stale.fromCampaign = 4;
    request.lines = {stale};
    const auto order = save();
    const OrderRow &stored = order->rows[0];
    EXPECT_TRUE(stored.paymentAmount.isZero());
    EXPECT_TRUE(stored.paymentType.isEmpty());
    EXPECT_TRUE(stored.businessHelper.isEmpty());
    EXPECT_TRUE(stored.discountMessage.isEmpty());
    EXPECT_EQ(stored.unitPrice, money("2.34")) << "prices are rounded to cents, half to even";
    EXPECT_EQ(stored.regPrice, money("3.00"));
    EXPECT_EQ(stored.fromCampaign, 4);
    EXPECT_EQ(stored.enteredDate, request.orderDate);
}

// A back order merged into a later order must not reset that order's own discount, marks and date.
TEST_F(OrderComputationTest, ABackOrderMergedIntoALaterOrderKeepsThatOrdersSettings)
{
    OrderRequest later = request;
    later.campaign = {2008, 6};
    later.switches.discount = true;
    later.discountPercent = money("10");
    later.summarized = true;
    later.delivered = "Y";
    later.orderDate = QDateTime(QDate(2008, 3, 20), QTime(14, 5));
    later.lines = {line("20", 1, "20.00")};
    ASSERT_EQ(saveOrder(app.state->data, options, app.prompter, later, 0)->grandTotal, money("18.00"));

    OrderRow backOrdered = line("5", 1, "5.00");
    backOrdered.backOrderFlag = "B";
    request.lines = {line("1", 1, "1.00"), backOrdered};
    request.processBackOrders = true;
    ASSERT_TRUE(save());

    EXPECT_EQ(app.column("Select [Orders Internal Flag] || ' ' || [Orders Unit Total] From Orders Where [Orders Campaign "
                         "Number] = 6 And [Orders Internal Flag] In ('SUBTOTAL', 'DISCOUNT', 'TOTAL') Order By [Orders "
                         "Sequence Number]"),
              QStringList({"SUBTOTAL 25.0", "DISCOUNT -2.5", "TOTAL 22.5"}));
    EXPECT_EQ(app.column("Select Distinct [Orders Summary Printed] || ' ' || [Orders Delivered] || ' ' || [Orders Entered "
                         "Date] From Orders Where [Orders Campaign Number] = 6"),
              QStringList{"-1 Y 2008-03-20 14:05:00"});
}

TEST_F(OrderComputationTest, ABackOrderStartsANewLaterOrderWhenThereIsNone)
{
    OrderRow backOrdered = line("5", 1, "5.00");
    backOrdered.backOrderFlag = "B";
    request.lines = {line("1", 1, "1.00"), backOrdered};
    request.processBackOrders = true;
    ASSERT_TRUE(save());
    EXPECT_EQ(app.column("Select [Orders Internal Flag] || ' ' || [Orders Unit Total] || ' ' || [Orders Summary Printed] From "
                         "Orders Where [Orders Campaign Number] = 6 And [Orders Internal Flag] In ('DETAIL', 'TOTAL') Order "
                         "By [Orders Sequence Number]"),
              QStringList({"DETAIL 5.0 0", "TOTAL 5.0 0"}));
}
