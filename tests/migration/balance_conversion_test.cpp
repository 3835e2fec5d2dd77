#include "migration/balance_conversion.h"
#include "migration/balance_rows.h"
#include "test_support.h"

namespace zel::test {
namespace {

class BalanceConversionTest : public OpenDatabaseTest
{
protected:
    // One order of customer 1 in `campaign` of 2008 with its 'TOTAL' and its 'PAYMENT' row.
    QStringList order(int campaign, const char *total, const char *paid, int delivered = 1)
    {
        const QString key = QStringLiteral("1, 2008, %1, 1").arg(campaign);
        const QString columns = QStringLiteral("Insert Into Orders ([Orders Customer Number], [Orders Campaign Year], [Orders Campaign "
                                               "Number], [Orders Order Number], [Orders Sequence Number], [Orders Internal Flag], "
                                               "[Orders Unit Total], [Orders Payment Amount], [Orders Payment Grand Total], [Orders "
                                               "Payment Delivered], [Orders Payment Banked], [Orders Payment Date]) Values (");
        return {columns + key + QStringLiteral(", 9000, 'TOTAL', %1, 0, 0, 0, 0, Null)").arg(QLatin1String(total)),
                columns + key + QStringLiteral(", 9900, 'PAYMENT', -(%2), %2, %1, %3, 1, '2008-03-04 10:11:12')")
                                    .arg(QLatin1String(total), QLatin1String(paid))
                                    .arg(delivered),
                columns + key + QStringLiteral(", 9910, 'PAYMENTNET', 0, 0, 0, 0, 0, Null)")};
    }
    QStringList payments()
    {
        return app.column("Select [Payments Campaign Number] || ':' || [Payments Sequence] || ':' || printf('%g', [Payments Amount]) "
                          "From Payments Order By [Payments Campaign Number]");
    }
    bool convert() { return BalanceRows(*app.state).removeComputedRows(12); }
};

TEST(BalanceConversionKey, SettledWhereTotalsAndPaymentsLastMeetAtZero)
{
    using Row = BalanceConversion::PaymentRow;
    const auto row = [](int campaign, double total, double paid) {
        Row r;
        r.year = 2008;
        r.campaign = campaign;
        r.grandTotal = Currency::fromDouble(total);
        r.amount = Currency::fromDouble(paid);
        return r;
    };
    EXPECT_EQ(BalanceConversion::settledKey({row(1, 30, -20), row(3, 20, -30), row(5, 40, -10)}), 200803);
    EXPECT_EQ(BalanceConversion::settledKey({row(1, 30, -20), row(3, 20, -25)}), 0);
    EXPECT_EQ(BalanceConversion::settledKey({row(1, 30, -30), row(3, 20, -20), row(5, 10, -9.99)}), 200803);
}

TEST_F(BalanceConversionTest, SettledPeriodPaysItsOrdersExactlyAndTheOpenOneKeepsItsAmounts)
{
    open(order(1, "30", "-20") + order(3, "20", "-30") + order(5, "40", "-10", 0)
         << "Insert Into Customers ([Customers Number], [Customers Delivered]) Values (1, 'Y')");
    ASSERT_TRUE(convert());
    EXPECT_EQ(payments(), QStringList({"1:1:-30", "3:1:-20", "5:1:-10"}));
    // The balance of 200805 is what it was: 90 of orders, 60 paid.
    EXPECT_EQ(app.column("Select Sum([Payments Amount]) From Payments"), QStringList{"-60"});
    EXPECT_EQ(app.column("Select [Customers Delivered] From Customers"), QStringList{"N"});
    const QString log = app.readFile("LogPaymentUpdate.txt");
    EXPECT_TRUE(log.contains("Customer:1 Year:2008 Campaign:1 Order:1 Order Total:30 Original Payment:-20 New Payment:-30")) << qPrintable(log);
    EXPECT_TRUE(log.contains("Campaign:3 Order:1 Order Total:20 Original Payment:-30 New Payment:-20"));
    EXPECT_EQ(app.prompter.messageTexts(),
              QStringList{"Orders had their payments adjusted during the upgrade to ensure proper balances are calculated."});
    EXPECT_EQ(app.column("Select [Payments Date] || [Payments Deposited] From Payments Where [Payments Campaign Number] = 5"),
              QStringList{"2008-03-04 00:00:00Y"});
}

TEST_F(BalanceConversionTest, NeverSettledKeepsEveryAmountAndZeroPaymentsLeaveNoRow)
{
    open(order(1, "30", "-20") + order(3, "20", "0") + order(5, "40", "-25"));
    ASSERT_TRUE(convert());
    EXPECT_EQ(payments(), QStringList({"1:1:-20", "5:1:-25"}));
    EXPECT_TRUE(app.prompter.messageTexts().isEmpty());
    EXPECT_EQ(app.column("Select Count(*) From Orders Where [Orders Internal Flag] In ('BALANCE', 'BALANCENET', 'PAYMENT', 'PAYMENTNET')"),
              QStringList{"0"});
    EXPECT_EQ(app.column("Select Count(*) From Orders"), QStringList{"3"});
}

TEST_F(BalanceConversionTest, EarliestVersionsGetPaymentRowsFromPaymentsAndBalanceRowsAfterEachOrder)
{
    open({"Insert Into Orders ([Orders Customer Number], [Orders Campaign Year], [Orders Campaign Number], [Orders Order Number], "
          "[Orders Sequence Number], [Orders Internal Flag], [Orders Unit Total]) Values (1, 2008, 1, 1, 1, 'DETAIL', 12), (1, 2008, 1, "
          "1, 2, 'TOTAL', 12), (1, 2008, 2, 1, 1, 'TOTAL', 8)",
          "Insert Into Payments ([Payments Customer Number], [Payments Campaign Year], [Payments Campaign Number], [Payments Order "
          "Number], [Payments Sequence], [Payments Amount], [Payments Deposited]) Values (1, 2008, 1, 1, 1, -5, 'Y'), (1, 2008, 1, 1, "
          "2, -7, 'N')"});
    BalanceRows rows(*app.state);
    ASSERT_TRUE(rows.addBalanceRows());
    EXPECT_EQ(app.column("Select [Orders Sequence Number] || [Orders Product] From Orders Where [Orders Internal Flag] Like 'BALANCE%' "
                         "And [Orders Campaign Number] = 1 Order By 1"),
              QStringList({"3**  Previous", "4**  Combined"}));
    ASSERT_TRUE(rows.addPaymentRows());
    EXPECT_EQ(app.column("Select [Orders Campaign Number] || ':' || [Orders Sequence Number] || ':' || printf('%g', [Orders Payment Amount]) "
                         "|| ':' || printf('%g', [Orders Payment Grand Total]) From Orders Where [Orders Internal Flag] = 'PAYMENT' Order By 1"),
              QStringList({"1:9900:-5:12", "1:9901:-7:0", "2:9900:0:8"}));
    ASSERT_TRUE(BalanceConversion(*app.state).convertPaymentRows());
    // Two payments that together pay their order exactly settle it: it is taken as paid by one.
    EXPECT_EQ(payments(), QStringList({"1:1:-12"}));
}

} // namespace
} // namespace zel::test
