#include "core/campaign.h"
#include "payments/payment_sums.h"

#include "test_support.h"

#include <gtest/gtest.h>

using namespace zel;

namespace {

QString total(int customer, int year, int number, int order, const char *amount, const char *flag = "TOTAL")
{
    static int sequence = 0;
    return QString("Insert Into Orders ([Orders Customer Number], [Orders Campaign Year], [Orders Campaign Number], "
                   "[Orders Order Number], [Orders Sequence Number], [Orders Internal Flag], [Orders Unit Total]) Values "
                   "(%1, %2, %3, %4, %5, '%6', %7)")
        .arg(customer).arg(year).arg(number).arg(order).arg(++sequence).arg(QLatin1String(flag), QLatin1String(amount));
}

QString payment(int customer, int year, int number, int order, int sequence, const char *amount)
{
    return QString("Insert Into Payments ([Payments Customer Number], [Payments Campaign Year], [Payments Campaign Number], "
                   "[Payments Order Number], [Payments Sequence], [Payments Amount]) Values (%1, %2, %3, %4, %5, %6)")
        .arg(customer).arg(year).arg(number).arg(order).arg(sequence).arg(QLatin1String(amount));
}

Currency money(const char *text)
{
    return *Currency::fromString(QString::fromLatin1(text));
}

class PaymentSumsTest : public test::OpenDatabaseTest
{
protected:
    void SetUp() override
    {
        // Customer 1: 2007/26 owes 10.10; 2008/1 two orders, paid more than owed; 2008/2 and 2008/3 one order each.
        open({
            "Insert Into Customers ([Customers Number], [Customers First Name], [Customers Last Name]) Values "
            "(1, ' Ann ', 'Adams'), (2, '', 'Baker'), (3, 'Cy', '')",
            total(1, 2007, 26, 1, "10.10"),
            total(1, 2008, 1, 1, "20.05"), total(1, 2008, 1, 2, "5.00"), total(1, 2008, 1, 1, "18.00", "DETAIL"),
            payment(1, 2008, 1, 1, 1, "-20.05"), payment(1, 2008, 1, 2, 2, "-15.00"),
            total(1, 2008, 2, 1, "7.77"), total(1, 2008, 3, 1, "100.00"),
            total(2, 2008, 2, 1, "3.00")});
    }

    PaymentSums sums{app.state->data};
};

} // namespace

TEST_F(PaymentSumsTest, OrderAndCampaignSums)
{
    EXPECT_EQ(sums.OrderUnitTotal(1, 2008, 1, 1), money("20.05"));
    EXPECT_EQ(sums.OrderDetailTotal(1, 2008, 1, 1), money("18.00")) << "differs from the total by its charges";
    EXPECT_EQ(sums.CampaignOrdersTotal(1, 2008, 1), money("25.05"));
    EXPECT_EQ(sums.PreviousOrdersTotal(1, 2008, 2), money("35.15"));
    EXPECT_EQ(sums.OrderPaymentsTotal(1, 2008, 1, 2), money("-15.00"));
    EXPECT_EQ(sums.OrderPaymentCount(1, 2008, 1, 1), 1);
    EXPECT_EQ(sums.PaymentSequenceTotal(1, 2008, 1, 1, 1), money("-20.05"));
    EXPECT_EQ(sums.CampaignPaymentsTotal(1, 2008, 1), money("-35.05"));
    EXPECT_EQ(sums.PreviousPaymentsTotal(1, 2008, 2), money("-35.05"));
    EXPECT_EQ(sums.CampaignOrdersTotal(9, 2008, 1), Currency()) << "no rows is 0";
}

TEST_F(PaymentSumsTest, TheBalanceCarriesFromCampaignToCampaign)
{
    EXPECT_EQ(sums.balance(1, 2007, 26), money("10.10"));
    EXPECT_EQ(sums.balance(1, 2008, 1), money("0.10")) << "10.10 + 25.05 - 35.05";
    EXPECT_EQ(sums.balance(1, 2008, 2), money("7.87")) << "never campaign 3";
    EXPECT_EQ(sums.balance(1, 2009, 1), money("107.87"));
    EXPECT_EQ(sums.balance(4, 2008, 2), Currency()) << "no orders, no payments";

    app.state->currentCustomer = 1;
    app.state->options.CurrentCampaignYear = 2008;
    app.state->options.CurrentCampaignNumber = 1;
    EXPECT_EQ(CurrentCampaignBalance(*app.state), money("0.10"));
}

TEST_F(PaymentSumsTest, ACreditReducesTheNextCampaign)
{
    app.state->data.setSQL(payment(2, 2008, 2, 1, 1, "-5.00"));
    ASSERT_TRUE(app.state->data.ExecSql("test"));
    EXPECT_EQ(sums.balance(2, 2008, 2), money("-2.00"));
    app.state->data.setSQL(total(2, 2008, 3, 1, "4.50"));
    ASSERT_TRUE(app.state->data.ExecSql("test"));
    EXPECT_EQ(sums.balance(2, 2008, 3), money("2.50"));
}

TEST_F(PaymentSumsTest, NumberingAndOrders)
{
    EXPECT_EQ(sums.MaxPaymentSequence(1, 2008, 1), 2) << "numbered per campaign, across its orders";
    EXPECT_EQ(sums.MaxPaymentSequence(1, 2008, 2), 0);
    EXPECT_TRUE(sums.OrderExists(1, 2008, 1, 2));
    EXPECT_FALSE(sums.OrderExists(1, 2008, 1, 3));
    EXPECT_EQ(sums.NextOrderNumber(1, 2008, 1, 1), 2);
    EXPECT_EQ(sums.NextOrderNumber(1, 2008, 1, 2), 0);
    EXPECT_EQ(sums.CampaignOrderCount(1, 2008, 1), 2);
    EXPECT_TRUE(sums.IsLatestOrder(1, 2008, 3, 1, 2008, 30));
    EXPECT_FALSE(sums.IsLatestOrder(1, 2008, 3, 1, 2008, 2));
    EXPECT_TRUE(sums.IsLatestOrder(1, 2008, 2, 1, 2012, 2)) << "the number limit still holds in the last year";
    EXPECT_TRUE(sums.CustomerExists(2));
    EXPECT_FALSE(sums.CustomerExists(7));
}

TEST_F(PaymentSumsTest, DisplayNamesLeaveNoStrayComma)
{
    EXPECT_EQ(sums.CustomerDisplayName(1, "FL"), QStringLiteral("Ann Adams"));
    EXPECT_EQ(sums.CustomerDisplayName(1, "LF"), QStringLiteral("Adams, Ann"));
    EXPECT_EQ(sums.CustomerDisplayName(2, "LF"), QStringLiteral("Baker"));
    EXPECT_EQ(sums.CustomerDisplayName(3, "LF"), QStringLiteral("Cy"));
    EXPECT_EQ(sums.CustomerDisplayName(9, "FL"), QString());
}

TEST_F(PaymentSumsTest, AllBalancesAtOnceAgreeWithEachCustomersOwn)
{
    for (const Campaign &campaign : {Campaign{2007, 26}, Campaign{2008, 1}, Campaign{2008, 2}, Campaign{2009, 1}}) {
        const std::map<int, Currency> all = sums.campaignBalances(campaign.year, campaign.number);
        for (int customer : {1, 2, 3})
            EXPECT_EQ(all.count(customer) ? all.at(customer) : Currency(), sums.balance(customer, campaign.year, campaign.number))
                << customer << " as of " << campaign.key();
    }
}

TEST_F(PaymentSumsTest, TheBalanceInOneStatementIsItsFourPartsAdded)
{
    // Customer 5 orders and pays in every corner of the formula: an earlier year, earlier campaigns
    // of the year, the campaign itself, and later ones that must stay out.
    for (const QString &sql : {total(5, 2007, 3, 1, "1.01"), total(5, 2008, 1, 1, "2.02"), total(5, 2008, 4, 1, "4.04"),
                               total(5, 2008, 4, 2, "8.08"), total(5, 2008, 5, 1, "16.16"), total(5, 2009, 1, 1, "32.32"),
                               total(5, 2008, 4, 1, "64.64", "DETAIL"), payment(5, 2007, 3, 1, 1, "-0.10"),
                               payment(5, 2008, 1, 1, 1, "-0.20"), payment(5, 2008, 4, 2, 1, "-0.40"),
                               payment(5, 2008, 5, 1, 1, "-0.80"), payment(5, 2009, 1, 1, 1, "-1.60")})
        ASSERT_TRUE(app.state->data.exec("test", sql));
    EXPECT_EQ(sums.balance(5, 2008, 4), money("14.45")) << "15.15 ordered, 0.70 paid";
    for (const Campaign &campaign : {Campaign{2007, 2}, Campaign{2007, 3}, Campaign{2008, 1}, Campaign{2008, 3},
                                     Campaign{2008, 4}, Campaign{2008, 5}, Campaign{2009, 1}}) {
        const int y = campaign.year, n = campaign.number;
        EXPECT_EQ(sums.balance(5, y, n), sums.CampaignOrdersTotal(5, y, n) + sums.CampaignPaymentsTotal(5, y, n)
                                             + sums.PreviousOrdersTotal(5, y, n) + sums.PreviousPaymentsTotal(5, y, n))
            << campaign.key();
    }
}

TEST_F(PaymentSumsTest, TheLogShowsTheClassicStatementsWithTheirNumbersAndEachIsPreparedOnce)
{
    sums.OrderUnitTotal(1, 2008, 1, 2);
    sums.PreviousPaymentsTotal(1, 2008, 2);
    const QString log = app.readFile("LogSql.txt");
    EXPECT_TRUE(log.contains("Select Sum([Orders Unit Total]) as TotalOrders From Orders  Where [Orders Customer Number] = 1  "
                             "And [Orders Internal Flag] = 'TOTAL'  And [Orders Campaign Number] = 1  And [Orders Campaign "
                             "Year] = 2008  And [Orders Order Number] = 2 \n"));
    EXPECT_TRUE(log.contains("Select Sum([Payments Amount]) as TotalPayments From Payments Where [Payments Campaign Year] = "
                             "2008 And [Payments Campaign Number] < 2 And [Payments Customer Number] = 1\n"));

    sums.balance(1, 2008, 2);
    const int kept = app.state->data.keptStatements();
    for (int customer = 1; customer <= 40; ++customer) {
        sums.balance(customer, 2008, 2);
        sums.MaxPaymentSequence(customer, 2008, 2);
    }
    EXPECT_EQ(app.state->data.keptStatements(), kept + 1) << "the numbers are values, not new statement texts";
}
