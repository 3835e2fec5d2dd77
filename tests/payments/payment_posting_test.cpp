#include "payments/payment_posting.h"

#include "utilities/shop_fixture.h"

#include <gtest/gtest.h>

using namespace zel;
using zel::test::money;
using zel::test::orderLine;

namespace {

const Campaign kCampaign{2008, 5};

class PaymentPostingTest : public zel::test::ShopTest
{
protected:
    void SetUp() override
    {
        ShopTest::SetUp();
        customer(1, "Abbot", "Ann", 9);
        customer(2, "Baker", "Beth");
        customer(9, "Helper", "Hazel");
    }
    PaymentPosting posting{*app.state};
};

TEST_F(PaymentPostingTest, PayInFullPaysOnlyOrdersWithoutAnyPayment)
{
    order(1, kCampaign, {orderLine("1001", 2, "10.00")});
    order(2, kCampaign, {orderLine("1002", 1, "30.00")});
    pay(2, kCampaign, 1, 1, "-5");
    PaymentChoices choices;
    choices.type = QStringLiteral("Cash");
    choices.date = QDate(2008, 3, 20);
    choices.deposited = true;

    EXPECT_EQ(posting.payInFull(kCampaign, choices), 1);
    EXPECT_EQ(rows("Select [Payments Amount] || ' ' || [Payments Sequence] || ' ' || [Payments Deposited] || ' ' || "
                   "[Payments Type] || ' ' || [Payments Date] From Payments Where [Payments Customer Number] = 1"),
              QStringList{"-20.0 1 Y Cash 2008-03-20 00:00:00"});
    EXPECT_EQ(rows("Select printf('%.2f', [Payments Amount]) From Payments Where [Payments Customer Number] = 2"), QStringList{"-5.00"});
    EXPECT_EQ(app.prompter.messageTexts().last(), "1 Orders have been marked paid in full.");
    EXPECT_TRUE(balance(1, kCampaign).isZero());
}

TEST_F(PaymentPostingTest, SayingNoChangesNothing)
{
    order(1, kCampaign, {orderLine("1001", 2, "10.00")});
    pay(1, kCampaign, 1, 1, "-20");
    app.prompter.queueAnswer(Answer::No);
    EXPECT_FALSE(posting.payInFull(kCampaign, {}));
    app.prompter.queueAnswer(Answer::No);
    EXPECT_FALSE(posting.clearPayments(kCampaign, 0));
    EXPECT_EQ(count("Select Count(*) From Payments"), 1);
    EXPECT_EQ(app.prompter.messageTexts().first(),
              "Apply full payment to all orders that currently have NO payments on file for the selected Campaign.\nContinue?");
}

TEST_F(PaymentPostingTest, OneApplyGivesTwoOrdersOfACustomerConsecutiveSequences)
{
    order(1, kCampaign, {orderLine("1001", 1, "10.00")});
    order(1, kCampaign, {orderLine("1002", 1, "15.00")});
    order(2, kCampaign, {orderLine("1003", 1, "12.00")});
    std::vector<WorkPayment> toPay = posting.ordersToPay(kCampaign, 0);
    ASSERT_EQ(toPay.size(), 3u);
    EXPECT_EQ(toPay[0].name, "Abbot, Ann (Order #1)");
    EXPECT_EQ(toPay[0].sequence, 1);
    EXPECT_EQ(toPay[1].sequence, 1); // provisional: both show the next free number
    toPay[0].pay = toPay[1].pay = true;
    toPay[1].delivered = true;

    ASSERT_TRUE(posting.applyUpdates(toPay, {}));
    EXPECT_EQ(rows("Select [Payments Order Number] || ':' || [Payments Sequence] || ':' || [Payments Amount] From Payments "
                   "Order By 1"),
              (QStringList{"1:1:-10.0", "2:2:-15.0"}));
    EXPECT_EQ(rows("Select Distinct [Orders Order Number] From Orders Where [Orders Delivered] = 'Y'"), QStringList{"2"});
    EXPECT_TRUE(balance(1, kCampaign).isZero());
    EXPECT_EQ(balance(2, kCampaign), money("12.00"));
}

TEST_F(PaymentPostingTest, AnExtraPaymentCountsInTheBalanceButInNoOrder)
{
    order(1, kCampaign, {orderLine("1001", 1, "10.00")});
    order(1, kCampaign, {orderLine("1002", 1, "40.00")});
    const std::vector<OrderChoice> choices = posting.orderChoices(1, kCampaign);
    ASSERT_EQ(choices.size(), 4u);
    EXPECT_EQ(choices[1].order, 2);
    EXPECT_EQ(choices[1].total, money("40.00"));
    EXPECT_EQ(choices[3].order, 902);
    EXPECT_TRUE(choices[3].isExtra());

    std::optional<WorkPayment> extra = posting.newPayment(1, kCampaign, choices[3]);
    ASSERT_TRUE(extra);
    EXPECT_TRUE(extra->amount.isZero());
    extra->amount = PaymentPosting::enteredAmount(money("10.00"), true);
    ASSERT_TRUE(posting.applyUpdates({}, {*extra}));

    PaymentSums sums(app.state->data);
    EXPECT_EQ(rows("Select [Payments Order Number] || ' ' || [Payments Amount] From Payments"), QStringList{"902 -10.0"});
    EXPECT_TRUE(sums.OrderPaymentsTotal(1, 2008, 5, 2).isZero());
    EXPECT_EQ(balance(1, kCampaign), money("40.00"));
    EXPECT_FALSE(posting.newPayment(77, kCampaign, choices[0])); // no such customer
}

TEST_F(PaymentPostingTest, TheNegativeSignBoxMakesEveryTypedAmountAPayment)
{
    EXPECT_EQ(PaymentPosting::enteredAmount(money("25"), true), money("-25"));
    EXPECT_EQ(PaymentPosting::enteredAmount(money("-25"), true), money("-25"));
    EXPECT_EQ(PaymentPosting::enteredAmount(money("25"), false), money("25")); // a refund
}

TEST_F(PaymentPostingTest, PaymentsOnFileAreEditedAndDeletedInPlace)
{
    order(1, kCampaign, {orderLine("1001", 1, "10.00")});
    order(2, kCampaign, {orderLine("1002", 1, "20.00")});
    pay(1, kCampaign, 1, 1, "-4");
    pay(2, kCampaign, 1, 1, "-20");
    std::vector<WorkPayment> onFile = posting.paymentsOnFile(kCampaign, 0);
    ASSERT_EQ(onFile.size(), 2u);
    EXPECT_EQ(onFile[0].name, "Abbot, Ann");
    onFile[0].amount = money("-10");
    onFile[0].deposited = true;
    onFile[1].deleted = true;
    ASSERT_TRUE(posting.applyUpdates({}, onFile));
    EXPECT_EQ(rows("Select [Payments Customer Number] || ' ' || [Payments Amount] || ' ' || [Payments Deposited] From Payments"),
              QStringList{"1 -10.0 Y"});
    EXPECT_EQ(posting.paymentsOnFile(kCampaign, 9).size(), 1u);
    EXPECT_TRUE(posting.paymentsOnFile(kCampaign, 2).empty());
}

TEST_F(PaymentPostingTest, ApplyWritesEveryRowOrNone)
{
    order(1, kCampaign, {orderLine("1001", 1, "10.00")});
    order(2, kCampaign, {orderLine("1002", 1, "20.00")});
    exec("Create Trigger refuse Before Insert On Payments When NEW.[Payments Customer Number] = 2 "
         "Begin Select Raise(Abort, 'refused'); End");
    std::vector<WorkPayment> toPay = posting.ordersToPay(kCampaign, 0);
    for (WorkPayment &p : toPay)
        p.pay = p.delivered = true;
    app.prompter.queueAnswer(Answer::Ignore);
    EXPECT_FALSE(posting.applyUpdates(toPay, {}));
    EXPECT_EQ(count("Select Count(*) From Payments"), 0);
    EXPECT_EQ(count("Select Count(*) From Orders Where [Orders Delivered] = 'Y'"), 0);
}

TEST_F(PaymentPostingTest, ClearPaymentsWithAHelperRemovesOnlyHerCustomersPayments)
{
    order(1, kCampaign, {orderLine("1001", 1, "10.00")});
    order(2, kCampaign, {orderLine("1002", 1, "20.00")});
    pay(1, kCampaign, 1, 1, "-10");
    pay(2, kCampaign, 1, 1, "-20");
    pay(1, {2008, 4}, 1, 1, "-3");
    EXPECT_EQ(posting.clearPayments(kCampaign, 9), 1);
    EXPECT_EQ(rows("Select [Payments Customer Number] || '/' || [Payments Campaign Number] From Payments Order By 1"),
              (QStringList{"1/4", "2/5"}));
    EXPECT_EQ(app.prompter.messageTexts().last(), "1 Payments have been cleared.");
}

TEST_F(PaymentPostingTest, SettingDeliveredTellsWhenTheCampaignHasNoOrders)
{
    order(1, kCampaign, {orderLine("1001", 1, "10.00")});
    EXPECT_TRUE(posting.setDelivered({2008, 6}, true));
    EXPECT_EQ(app.prompter.messageTexts().last(), "No orders found in selected year/campaign");
    EXPECT_TRUE(posting.setDelivered(kCampaign, true));
    EXPECT_EQ(app.prompter.messageTexts().last(), "Update Complete.");
    EXPECT_EQ(count("Select Count(*) From Orders Where [Orders Delivered] <> 'Y'"), 0);
}

} // namespace
