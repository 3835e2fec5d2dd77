#include "payments/payment_sums.h"

#include "session/app_state.h"

namespace zel {

namespace {

const QString kProcedure = QStringLiteral("PaymentSums");

// The statements keep their classic texts with the numbers as bound values, so each text is
// prepared once however many customers are asked about; the log still shows the numbers.
const QString kOrdersSum = QStringLiteral("Select Sum([Orders Unit Total]) as TotalOrders From Orders  Where [Orders Customer Number] = ?"
                                          "  And [Orders Internal Flag] = ? ");
const QString kCampaignOrders = kOrdersSum + QStringLiteral(" And [Orders Campaign Number] = ?  And [Orders Campaign Year] = ? ");
const QString kOrderOfCampaign = kCampaignOrders + QStringLiteral(" And [Orders Order Number] = ? ");
const QString kPaymentsSum = QStringLiteral("Select Sum([Payments Amount]) as TotalPayments From Payments ");
const QString kCampaignPayments = kPaymentsSum + QStringLiteral("Where [Payments Campaign Year] = ? And [Payments Campaign Number] = ?"
                                                                " And [Payments Customer Number] = ?");
const QString kOrderPayments = kCampaignPayments + QStringLiteral(" And [Payments Order Number] = ?");
const QString kOrdersOfCampaign = QStringLiteral("Select [Orders Order Number] From Orders Where [Orders Campaign Year] = ?"
                                                 " And [Orders Campaign Number] = ? And [Orders Customer Number] = ?");
const QString kCustomerSelect = QStringLiteral("Select * From Customers   Where [Customers Number] = ?");

// The six sums of a balance in one statement: this campaign's orders and payments, then the
// earlier years' and this year's earlier campaigns' orders, then the same for payments.
const QString kBalanceSums = QStringLiteral(
    "Select (Select Sum([Orders Unit Total]) From Orders Where [Orders Customer Number] = ? And [Orders Internal Flag] = 'TOTAL'"
    " And [Orders Campaign Number] = ? And [Orders Campaign Year] = ?),"
    " (Select Sum([Payments Amount]) From Payments Where [Payments Campaign Year] = ? And [Payments Campaign Number] = ?"
    " And [Payments Customer Number] = ?),"
    " (Select Sum([Orders Unit Total]) From Orders Where [Orders Customer Number] = ? And [Orders Internal Flag] = 'TOTAL'"
    " And [Orders Campaign Year] < ?),"
    " (Select Sum([Orders Unit Total]) From Orders Where [Orders Customer Number] = ? And [Orders Internal Flag] = 'TOTAL'"
    " And [Orders Campaign Number] < ? And [Orders Campaign Year] = ?),"
    " (Select Sum([Payments Amount]) From Payments Where [Payments Campaign Year] < ? And [Payments Customer Number] = ?),"
    " (Select Sum([Payments Amount]) From Payments Where [Payments Campaign Year] = ? And [Payments Campaign Number] < ?"
    " And [Payments Customer Number] = ?)");

Currency money(const QVariant &value)
{
    return value.isNull() ? Currency() : Currency::fromDouble(value.toDouble());
}

} // namespace

Currency PaymentSums::sum(const QString &sql, const QVariantList &values)
{
    return money(m_data.scalar(kProcedure, sql, values));
}

int PaymentSums::integer(const QString &sql, const QVariantList &values)
{
    return m_data.scalar(kProcedure, sql, values).toInt();
}

Currency PaymentSums::OrderUnitTotal(int customer, int year, int number, int order)
{
    return sum(kOrderOfCampaign, {customer, QStringLiteral("TOTAL"), number, year, order});
}

Currency PaymentSums::OrderDetailTotal(int customer, int year, int number, int order)
{
    return sum(kOrderOfCampaign, {customer, QStringLiteral("DETAIL"), number, year, order});
}

Currency PaymentSums::CampaignOrdersTotal(int customer, int year, int number)
{
    return sum(kCampaignOrders, {customer, QStringLiteral("TOTAL"), number, year});
}

Currency PaymentSums::PreviousOrdersTotal(int customer, int year, int number)
{
    const QString total = QStringLiteral("TOTAL");
    return sum(kOrdersSum + QStringLiteral(" And [Orders Campaign Year] < ?"), {customer, total, year})
         + sum(kOrdersSum + QStringLiteral(" And [Orders Campaign Number] < ? And [Orders Campaign Year] = ?"),
               {customer, total, number, year});
}

Currency PaymentSums::OrderPaymentsTotal(int customer, int year, int number, int order)
{
    return sum(kOrderPayments, {year, number, customer, order});
}

int PaymentSums::OrderPaymentCount(int customer, int year, int number, int order)
{
    return integer(QStringLiteral("Select Count(*) as CountEm From Payments Where [Payments Campaign Year] = ? And [Payments "
                                  "Campaign Number] = ? And [Payments Customer Number] = ? And [Payments Order Number] = ?"),
                   {year, number, customer, order});
}

Currency PaymentSums::PaymentSequenceTotal(int customer, int year, int number, int order, int sequence)
{
    return sum(kOrderPayments + QStringLiteral(" And [Payments Sequence] = ?"), {year, number, customer, order, sequence});
}

Currency PaymentSums::CampaignPaymentsTotal(int customer, int year, int number)
{
    return sum(kCampaignPayments, {year, number, customer});
}

Currency PaymentSums::PreviousPaymentsTotal(int customer, int year, int number)
{
    return sum(kPaymentsSum + QStringLiteral("Where [Payments Campaign Year] < ? And [Payments Customer Number] = ?"),
               {year, customer})
         + sum(kPaymentsSum + QStringLiteral("Where [Payments Campaign Year] = ? And [Payments Campaign Number] < ? And [Payments "
                                             "Customer Number] = ?"),
               {year, number, customer});
}

int PaymentSums::MaxPaymentSequence(int customer, int year, int number)
{
    return integer(QStringLiteral("Select Max([Payments Sequence]) as MaxSequence From Payments Where [Payments Campaign Year] = ?"
                                  " And [Payments Campaign Number] = ? And [Payments Customer Number] = ?"),
                   {year, number, customer});
}

bool PaymentSums::OrderExists(int customer, int year, int number, int order)
{
    return !m_data.scalar(kProcedure, kOrdersOfCampaign + QStringLiteral(" And [Orders Order Number] = ?"),
                          {year, number, customer, order})
                .isNull();
}

int PaymentSums::NextOrderNumber(int customer, int year, int number, int order)
{
    return integer(kOrdersOfCampaign + QStringLiteral(" And [Orders Order Number] > ? Order By [Orders Order Number] Limit 1"),
                   {year, number, customer, order});
}

int PaymentSums::CampaignOrderCount(int customer, int year, int number)
{
    return integer(QStringLiteral("Select Count(*) as CountEm From Orders Where [Orders Campaign Year] = ? And [Orders Campaign "
                                  "Number] = ? And [Orders Customer Number] = ? And [Orders Internal Flag] = 'TOTAL'"),
                   {year, number, customer});
}

bool PaymentSums::IsLatestOrder(int customer, int year, int number, int order, int limitYear, int limitNumber)
{
    const int maxYear = integer(QStringLiteral("Select Max([Orders Campaign Year]) As MaxYear From Orders  Where [Orders "
                                               "Customer Number]  = ? And [Orders Campaign Year]  <= ?"),
                                {customer, limitYear});
    const int maxCampaign = integer(QStringLiteral("Select Max([Orders Campaign Number]) as MaxCampaign From Orders  Where "
                                                   "[Orders Customer Number] = ? And [Orders Campaign Year] = ? And [Orders "
                                                   "Campaign Number] <= ?"),
                                    {customer, maxYear, limitNumber});
    const int maxOrder = integer(QStringLiteral("Select Max([Orders Order Number]) as MaxOrder From Orders  Where [Orders "
                                                "Customer Number] = ? And [Orders Campaign Year] = ? And [Orders Campaign "
                                                "Number] = ?"),
                                 {customer, maxYear, maxCampaign});
    return maxYear == year && maxCampaign == number && maxOrder == order;
}

bool PaymentSums::CustomerExists(int customer)
{
    return integer(QStringLiteral("Select Count(*) as Countem From Customers   Where [Customers Number] = ?"), {customer}) != 0;
}

QString PaymentSums::CustomerDisplayName(int customer, const QString &style)
{
    m_data.setSQL(kCustomerSelect, {customer});
    RecordSet rows = m_data.GetSnapShot(kProcedure);
    if (!rows.next())
        return {};
    const QString firstName = rows.value(QStringLiteral("Customers First Name")).toString().trimmed();
    const QString lastName = rows.value(QStringLiteral("Customers Last Name")).toString().trimmed();
    if (style == QLatin1String("FL"))
        return (firstName + QLatin1Char(' ') + lastName).trimmed();
    QString name = (lastName + QStringLiteral(", ") + firstName).trimmed();
    if (name.endsWith(QLatin1Char(',')))
        name.chop(1);
    if (name.startsWith(QLatin1Char(',')))
        name.remove(0, 1);
    return name.trimmed();
}

// Each sum is made money before the adding, in the order of the balance formula, exactly as
// when they are asked for one by one.
Currency PaymentSums::balance(int customer, int year, int number)
{
    m_data.setSQL(kBalanceSums, {customer, number, year, year, number, customer, customer, year, customer, number, year,
                                 year, customer, year, number, customer});
    RecordSet rows = m_data.GetSnapShot(kProcedure);
    if (!rows.next())
        return {};
    Currency total;
    for (int part = 0; part < 6; ++part)
        total += money(rows.value(part));
    return total;
}

std::map<int, Currency> PaymentSums::campaignBalances(int year, int number)
{
    std::map<int, Currency> balances;
    const auto add = [&](const QString &sql) {
        m_data.setSQL(sql, {year, year, number});
        RecordSet rows = m_data.GetSnapShot(kProcedure);
        while (rows.next())
            balances[rows.value(0).toInt()] += Currency::fromDouble(rows.value(1).toDouble());
    };
    add(QStringLiteral("Select [Orders Customer Number], Sum([Orders Unit Total]) From Orders Where [Orders Internal Flag] = "
                       "'TOTAL' And ([Orders Campaign Year] < ? Or ([Orders Campaign Year] = ? And [Orders Campaign Number] "
                       "<= ?)) Group By [Orders Customer Number]"));
    // Every payment is read: in file order and grouped by sorting, rather than fetched row by row
    // along the payments index.
    add(QStringLiteral("Select [Payments Customer Number], Sum([Payments Amount]) From Payments Not Indexed Where [Payments "
                       "Campaign Year] < ? Or ([Payments Campaign Year] = ? And [Payments Campaign Number] <= ?) Group By "
                       "[Payments Customer Number]"));
    return balances;
}

Currency CustomerBalance(AppState &state, int year, int number)
{
    return PaymentSums(state.data).balance(state.currentCustomer, year, number);
}

Currency CurrentCampaignBalance(AppState &state)
{
    return CustomerBalance(state, state.options.CurrentCampaignYear, state.options.CurrentCampaignNumber);
}

} // namespace zel
