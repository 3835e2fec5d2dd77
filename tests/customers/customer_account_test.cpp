#include "customers/customer_account.h"
#include "customers/customer_payments.h"
#include "payments/payment_sums.h"

#include "customer_fixtures.h"
#include "test_support.h"

#include <gtest/gtest.h>

using namespace zel;
using namespace zel::customers;
using zel::test::money;
using zel::test::orderRow;
using zel::test::paymentRow;

namespace {

class CustomerAccountTest : public test::OpenDatabaseTest
{
protected:
    CustomerAccount account(Campaign c = {2008, 5}) { return CustomerAccount(app.state->data, 1, c); }
    CustomerPayments payments(Campaign c = {2008, 5}) { return CustomerPayments(*app.state, 1, c); }
    QStringList paymentsStored(int number = 5)
    {
        return app.column(QString("Select [Payments Order Number] || '/' || [Payments Sequence] || '/' || "
                                  "printf('%.2f', [Payments Amount]) || '/' || [Payments Type] From Payments "
                                  "Where [Payments Customer Number] = 1 And [Payments Campaign Number] = %1 "
                                  "Order By [Payments Sequence]")
                              .arg(number));
    }
};

} // namespace

TEST_F(CustomerAccountTest, ACustomerWithoutOrdersHasAnEmptyPanel)
{
    open({test::customerRow(1, "Ann", "Adams")});
    const BalancePanel panel = account().balance();
    EXPECT_TRUE(panel.orderTotal.isZero());
    EXPECT_TRUE(panel.netDue.isZero());
    EXPECT_EQ(panel.totalCaption(), "Order Total");
    EXPECT_TRUE(account().orderNumbers().isEmpty());
    EXPECT_TRUE(payments().orderChoices().empty());
    EXPECT_EQ(account().balanceHistory(), "No Previous Outstanding Balances");
}

TEST_F(CustomerAccountTest, ThreeOrdersArePaidInFullWithSequencesStartingAgain)
{
    open({test::customerRow(1, "Ann", "Adams"), orderRow(1, 2008, 5, 1, "10.00"), orderRow(1, 2008, 5, 2, "20.50"),
          orderRow(1, 2008, 5, 3, "5.25"), paymentRow(1, 2008, 5, 2, 7, "-3.00"), orderRow(1, 2008, 4, 1, "8.00")});
    const BalancePanel before = account().balance();
    EXPECT_EQ(before.totalCaption(), "3 Orders Total");
    EXPECT_EQ(before.orderTotal, money("35.75"));
    EXPECT_EQ(before.previousBalance, money("8.00"));
    EXPECT_EQ(before.payments, money("-3.00"));
    EXPECT_EQ(before.netDue, money("40.75"));
    EXPECT_EQ(account().orderNumbers(), QList<int>({3, 2, 1}));
    EXPECT_EQ(payments().nextSequence(), 8) << "continues after the largest sequence of the campaign";

    ASSERT_TRUE(payments().payInFull());
    EXPECT_EQ(paymentsStored(), QStringList({"1/1/-10.00/PAID IN FULL", "2/2/-20.50/PAID IN FULL", "3/3/-5.25/PAID IN FULL"}));
    EXPECT_EQ(account().balance().netDue, money("8.00")) << "only the earlier campaign is left";
    EXPECT_EQ(account().balance().netDue, PaymentSums(app.state->data).balance(1, 2008, 5));
}

TEST_F(CustomerAccountTest, ACreditLargerThanTheOrdersBecomesOneRefund)
{
    open({test::customerRow(1, "Ann", "Adams"), paymentRow(1, 2008, 2, 1, 1, "-50.00"), orderRow(1, 2008, 5, 1, "30.00"),
          paymentRow(1, 2008, 5, 1, 1, "-5.00")});
    ASSERT_TRUE(payments().payInFullWithPreviousBalance());
    EXPECT_EQ(paymentsStored(), QStringList({"1/1/20.00/REFUND"}));
    EXPECT_EQ(app.prompter.messageTexts(),
              QStringList({"The previous credit balance is greater than this campaigns orders.  A REFUND has been created.  "
                           "This is shown as a positive payment.  To keep a running balance, set the payment amount to zero."}));
    EXPECT_TRUE(account().balance().netDue.isZero());
}

TEST_F(CustomerAccountTest, ThePreviousBalanceGoesOnTheFirstOfSeveralOrders)
{
    open({test::customerRow(1, "Ann", "Adams"), orderRow(1, 2008, 3, 1, "12.00"), orderRow(1, 2008, 5, 2, "30.00"),
          orderRow(1, 2008, 5, 4, "1.00")});
    ASSERT_TRUE(payments().payInFullWithPreviousBalance());
    EXPECT_EQ(paymentsStored(), QStringList({"2/1/-43.00/PAID IN FULL"}));
    EXPECT_EQ(app.prompter.messageTexts(),
              QStringList({"There are 2 orders.\nThe Previous Net Balance will be applied to the first order."}));
}

TEST_F(CustomerAccountTest, PayingAnotherCampaignChecksTheNumber)
{
    open({test::customerRow(1, "Ann", "Adams"), orderRow(1, 2008, 7, 1, "9.00")});
    for (const char *typed : {"31", "0", "abc"}) {
        app.prompter.clear();
        app.prompter.queueInput(QString(typed));
        EXPECT_FALSE(payments().payAnotherCampaign());
        EXPECT_EQ(app.prompter.messageTexts(), QStringList({"Invalid Campaign Number Entered."})) << typed;
    }
    app.prompter.clear();
    app.prompter.queueInput(QString("5"));
    EXPECT_FALSE(payments().payAnotherCampaign());
    EXPECT_EQ(app.prompter.messageTexts(), QStringList({"Current Campaign Number not allowed."}));

    app.prompter.clear();
    app.prompter.queueInput(QString("07"));
    EXPECT_TRUE(payments().payAnotherCampaign());
    EXPECT_EQ(app.prompter.entries().front().title, "Pay Another Campaign In 2008");
    EXPECT_EQ(app.prompter.entries().front().text, "Enter Campaign Number in 2008");
    EXPECT_EQ(paymentsStored(7), QStringList({"1/1/-9.00/PAID IN FULL"}));
}

TEST_F(CustomerAccountTest, TheOrderDropDownOffersEachOrderRegularAndExtra)
{
    open({test::customerRow(1, "Ann", "Adams"), orderRow(1, 2008, 5, 2, "7.00"), orderRow(1, 2008, 5, 1, "3.00")});
    const std::vector<OrderChoice> choices = payments().orderChoices();
    ASSERT_EQ(choices.size(), 4u);
    EXPECT_EQ(choices[0].order, 1);
    EXPECT_EQ(choices[0].type, "Regular");
    EXPECT_EQ(choices[1].type, "Extra");
    EXPECT_TRUE(choices[1].total.isZero());
    const Payment proposed = payments().proposed(choices[2]);
    EXPECT_EQ(proposed.amount, money("-7.00"));
    EXPECT_EQ(proposed.sequence, 1);
    EXPECT_EQ(proposed.type, kPaidInFull);
    EXPECT_EQ(proposed.deposited, "N");
    EXPECT_EQ(payments().proposed(choices[3], 4).sequence, 5) << "after rows of the grid not stored yet";

    ASSERT_TRUE(payments().replaceAll({proposed, payments().proposed(choices[1], 1)}));
    EXPECT_EQ(paymentsStored(), QStringList({"2/1/-7.00/PAID IN FULL", "1/2/0.00/PAID IN FULL"}));
    ASSERT_TRUE(payments().deleteAll());
    EXPECT_TRUE(paymentsStored().isEmpty());
}

TEST_F(CustomerAccountTest, ElevenOrdersGiveTenDeliveredBoxes)
{
    QStringList rows{test::customerRow(1, "Ann", "Adams")};
    for (int order = 11; order >= 1; --order)
        rows << orderRow(1, 2008, 5, order, QString::number(order));
    open(rows);
    ASSERT_TRUE(account().setDelivered(3, true));
    const std::vector<DeliveredOrder> boxes = account().deliveredOrders();
    ASSERT_EQ(boxes.size(), size_t(kDeliveredBoxes));
    EXPECT_EQ(boxes.front().order, 1);
    EXPECT_EQ(boxes.back().order, 10);
    EXPECT_TRUE(boxes[2].delivered);
    EXPECT_FALSE(boxes[1].delivered);
    EXPECT_EQ(boxes[2].caption(), "3: " + currencyText(money("3")));
}

TEST_F(CustomerAccountTest, TheBalanceHistoryListsEachChangeUpToThisCampaign)
{
    open({test::customerRow(1, "Ann", "Adams"), orderRow(1, 2007, 29, 1, "10.00"), orderRow(1, 2008, 2, 1, "5.00"),
          paymentRow(1, 2008, 3, 1, 1, "-15.00"), orderRow(1, 2008, 9, 1, "99.00")});
    EXPECT_EQ(account({2008, 5}).balanceHistory(),
              "Year:2007/29     Balance  :  " + currencyText(money("10")) + "\nYear:2008/02     Balance  :  "
                  + currencyText(money("15")));
    EXPECT_EQ(account({2008, 1}).balanceHistory(), "Year:2007/29     Balance  :  " + currencyText(money("10")));
}

TEST_F(CustomerAccountTest, HelperAndSuppliesReachTheCustomersOrders)
{
    open({test::customerRow(1, "Ann", "Adams"), test::customerRow(2, "Bea", "Baker"),
          "Update Customers Set [Customers Supplies] = -1 Where [Customers Number] = 1", orderRow(1, 2008, 5, 1, "1.00"),
          orderRow(1, 2007, 1, 1, "1.00"), orderRow(2, 2008, 5, 1, "1.00"),
          "Update Orders Set [Orders Business Helper Number] = 1 Where [Orders Customer Number] = 2",
          "Update Customers Set [Customers Business Helper Number] = 1 Where [Customers Number] = 2"});
    ASSERT_TRUE(account().assignHelperToOrders(7, "  Helen Helper With A Very Long Name Indeed  "));
    ASSERT_TRUE(account().copySuppliesToOrders());
    EXPECT_EQ(app.column("Select Distinct [Orders Business Helper Number] || '/' || [Orders Business Helper] || '/' || "
                         "[Orders Supplies] From Orders Where [Orders Customer Number] = 1"),
              QStringList({"7/Helen Helper With A Very Long /-1"})) << "trimmed first, then cut to 30";
    ASSERT_TRUE(account().releaseAsHelper());
    EXPECT_EQ(app.column("Select [Orders Business Helper Number] From Orders Where [Orders Customer Number] = 2"), QStringList({"0"}));
    EXPECT_EQ(app.column("Select [Customers Business Helper Number] From Customers Where [Customers Number] = 2"), QStringList({"0"}));
}
