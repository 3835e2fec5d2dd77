#include "payments/payment_sums.h"

#include "shell/app_state.h"

namespace zel {

namespace {

const QString kProcedure = QStringLiteral("PaymentSums");

QString n(int value)
{
    return QString::number(value);
}

// The statements carry their numbers as text, as every caller builds them; no user text goes in.
QString ordersWhere(int customer, const QString &flag)
{
    return QStringLiteral("Select Sum([Orders Unit Total]) as TotalOrders From Orders  Where [Orders Customer Number] = ")
         + n(customer) + QStringLiteral("  And [Orders Internal Flag] = '") + flag + QStringLiteral("' ");
}

QString paymentsWhere(int customer, int year, int number)
{
    return QStringLiteral("Select Sum([Payments Amount]) as TotalPayments From Payments Where [Payments Campaign Year] = ")
         + n(year) + QStringLiteral(" And [Payments Campaign Number] = ") + n(number)
         + QStringLiteral(" And [Payments Customer Number] = ") + n(customer);
}

QString campaignOrders(int customer, int year, int number, const QString &flag)
{
    return ordersWhere(customer, flag) + QStringLiteral(" And [Orders Campaign Number] = ") + n(number)
         + QStringLiteral("  And [Orders Campaign Year] = ") + n(year) + QLatin1Char(' ');
}

} // namespace

Currency PaymentSums::sum(const QString &sql)
{
    const QVariant value = m_data.scalar(kProcedure, sql);
    return value.isNull() ? Currency() : Currency::fromDouble(value.toDouble());
}

int PaymentSums::integer(const QString &sql)
{
    return m_data.scalar(kProcedure, sql).toInt();
}

Currency PaymentSums::OrderUnitTotal(int customer, int year, int number, int order)
{
    return sum(campaignOrders(customer, year, number, QStringLiteral("TOTAL")) + QStringLiteral(" And [Orders Order Number] = ")
               + n(order) + QLatin1Char(' '));
}

Currency PaymentSums::OrderDetailTotal(int customer, int year, int number, int order)
{
    return sum(campaignOrders(customer, year, number, QStringLiteral("DETAIL")) + QStringLiteral(" And [Orders Order Number] = ")
               + n(order) + QLatin1Char(' '));
}

Currency PaymentSums::CampaignOrdersTotal(int customer, int year, int number)
{
    return sum(campaignOrders(customer, year, number, QStringLiteral("TOTAL")));
}

Currency PaymentSums::PreviousOrdersTotal(int customer, int year, int number)
{
    const QString total = QStringLiteral("TOTAL");
    return sum(ordersWhere(customer, total) + QStringLiteral(" And [Orders Campaign Year] < ") + n(year))
         + sum(ordersWhere(customer, total) + QStringLiteral(" And [Orders Campaign Number] < ") + n(number)
               + QStringLiteral(" And [Orders Campaign Year] = ") + n(year));
}

Currency PaymentSums::OrderPaymentsTotal(int customer, int year, int number, int order)
{
    return sum(paymentsWhere(customer, year, number) + QStringLiteral(" And [Payments Order Number] = ") + n(order));
}

int PaymentSums::OrderPaymentCount(int customer, int year, int number, int order)
{
    QString sql = paymentsWhere(customer, year, number) + QStringLiteral(" And [Payments Order Number] = ") + n(order);
    sql.replace(QLatin1String("Sum([Payments Amount]) as TotalPayments"), QLatin1String("Count(*) as CountEm"));
    return integer(sql);
}

Currency PaymentSums::PaymentSequenceTotal(int customer, int year, int number, int order, int sequence)
{
    return sum(paymentsWhere(customer, year, number) + QStringLiteral(" And [Payments Order Number] = ") + n(order)
               + QStringLiteral(" And [Payments Sequence] = ") + n(sequence));
}

Currency PaymentSums::CampaignPaymentsTotal(int customer, int year, int number)
{
    return sum(paymentsWhere(customer, year, number));
}

Currency PaymentSums::PreviousPaymentsTotal(int customer, int year, int number)
{
    const QString select = QStringLiteral("Select Sum([Payments Amount]) as TotalPayments From Payments ");
    return sum(select + QStringLiteral("Where [Payments Campaign Year] < ") + n(year)
               + QStringLiteral(" And [Payments Customer Number] = ") + n(customer))
         + sum(select + QStringLiteral("Where [Payments Campaign Year] = ") + n(year)
               + QStringLiteral(" And [Payments Campaign Number] < ") + n(number)
               + QStringLiteral(" And [Payments Customer Number] = ") + n(customer));
}

int PaymentSums::MaxPaymentSequence(int customer, int year, int number)
{
    return integer(QStringLiteral("Select Max([Payments Sequence]) as MaxSequence From Payments Where [Payments Campaign Year] = ")
                   + n(year) + QStringLiteral(" And [Payments Campaign Number] = ") + n(number)
                   + QStringLiteral(" And [Payments Customer Number] = ") + n(customer));
}

bool PaymentSums::OrderExists(int customer, int year, int number, int order)
{
    return !m_data.scalar(kProcedure, QStringLiteral("Select [Orders Order Number] From Orders Where [Orders Campaign Year] = ") + n(year)
                  + QStringLiteral(" And [Orders Campaign Number] = ") + n(number)
                  + QStringLiteral(" And [Orders Customer Number] = ") + n(customer)
                  + QStringLiteral(" And [Orders Order Number] = ") + n(order))
                .isNull();
}

int PaymentSums::NextOrderNumber(int customer, int year, int number, int order)
{
    return integer(QStringLiteral("Select [Orders Order Number] From Orders Where [Orders Campaign Year] = ") + n(year)
                   + QStringLiteral(" And [Orders Campaign Number] = ") + n(number)
                   + QStringLiteral(" And [Orders Customer Number] = ") + n(customer)
                   + QStringLiteral(" And [Orders Order Number] > ") + n(order)
                   + QStringLiteral(" Order By [Orders Order Number] Limit 1"));
}

int PaymentSums::CampaignOrderCount(int customer, int year, int number)
{
    return integer(QStringLiteral("Select Count(*) as CountEm From Orders Where [Orders Campaign Year] = ") + n(year)
                   + QStringLiteral(" And [Orders Campaign Number] = ") + n(number)
                   + QStringLiteral(" And [Orders Customer Number] = ") + n(customer)
                   + QStringLiteral(" And [Orders Internal Flag] = 'TOTAL'"));
}

bool PaymentSums::IsLatestOrder(int customer, int year, int number, int order, int limitYear, int limitNumber)
{
    const int maxYear = integer(QStringLiteral("Select Max([Orders Campaign Year]) As MaxYear From Orders  Where [Orders "
                                               "Customer Number]  = ")
                                + n(customer) + QStringLiteral(" And [Orders Campaign Year]  <= ") + n(limitYear));
    const int maxCampaign = integer(QStringLiteral("Select Max([Orders Campaign Number]) as MaxCampaign From Orders  Where "
                                                   "[Orders Customer Number] = ")
                                    + n(customer) + QStringLiteral(" And [Orders Campaign Year] = ") + n(maxYear)
                                    + QStringLiteral(" And [Orders Campaign Number] <= ") + n(limitNumber));
    const int maxOrder = integer(QStringLiteral("Select Max([Orders Order Number]) as MaxOrder From Orders  Where [Orders "
                                                "Customer Number] = ")
                                 + n(customer) + QStringLiteral(" And [Orders Campaign Year] = ") + n(maxYear)
                                 + QStringLiteral(" And [Orders Campaign Number] = ") + n(maxCampaign));
    return maxYear == year && maxCampaign == number && maxOrder == order;
}

bool PaymentSums::CustomerExists(int customer)
{
    return integer(QStringLiteral("Select Count(*) as Countem From Customers   Where [Customers Number] = ") + n(customer)) != 0;
}

QString PaymentSums::CustomerDisplayName(int customer, const QString &style)
{
    m_data.setSQL(QStringLiteral("Select * From Customers   Where [Customers Number] = ") + n(customer));
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

Currency PaymentSums::balance(int customer, int year, int number)
{
    return CampaignOrdersTotal(customer, year, number) + CampaignPaymentsTotal(customer, year, number)
         + PreviousOrdersTotal(customer, year, number) + PreviousPaymentsTotal(customer, year, number);
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
    add(QStringLiteral("Select [Payments Customer Number], Sum([Payments Amount]) From Payments Where [Payments Campaign Year] "
                       "< ? Or ([Payments Campaign Year] = ? And [Payments Campaign Number] <= ?) Group By [Payments Customer "
                       "Number]"));
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
