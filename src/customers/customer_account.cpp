#include "customers/customer_account.h"

#include "core/prompter.h"
#include "payments/payment_sums.h"
#include "shell/data_access.h"


namespace zel::customers {

namespace {

const QString kProcedure = QStringLiteral("CustomerAccount");
constexpr int kCampaignsPerYear = 30;

} // namespace

QString currencyText(const Currency &amount)
{
    return amount.toCurrencyText();
}

QString BalancePanel::totalCaption() const
{
    return orderCount >= 2 ? QStringLiteral("%1 Orders Total").arg(orderCount) : QStringLiteral("Order Total");
}

QString BalancePanel::detailsMessage() const
{
    return lines({QStringLiteral("Orders : \t\t") + currencyText(orderTotal),
                  QStringLiteral("Previous Balance : \t") + currencyText(previousBalance),
                  QStringLiteral("Payments : \t") + currencyText(payments),
                  QStringLiteral("Net      : \t\t") + currencyText(netDue)});
}

QString DeliveredOrder::caption() const
{
    return QStringLiteral("%1: ").arg(order) + currencyText(total);
}

QList<int> CustomerAccount::orderNumbers() const
{
    m_data.setSQL(QStringLiteral("Select Distinct [Orders Order Number] From Orders Where [Orders Customer Number] = ? "
                                 "And [Orders Campaign Year] = ? And [Orders Campaign Number] = ? "
                                 "Order By [Orders Order Number] desc"),
                  {m_customer, m_campaign.year, m_campaign.number});
    RecordSet rows = m_data.GetSnapShot(kProcedure);
    QList<int> numbers;
    while (rows.next())
        numbers << rows.value(0).toInt();
    return numbers;
}

BalancePanel CustomerAccount::balance() const
{
    PaymentSums sums(m_data);
    const int y = m_campaign.year;
    const int c = m_campaign.number;
    BalancePanel panel;
    panel.orderTotal = sums.CampaignOrdersTotal(m_customer, y, c);
    panel.previousBalance = sums.PreviousOrdersTotal(m_customer, y, c) + sums.PreviousPaymentsTotal(m_customer, y, c);
    panel.payments = sums.CampaignPaymentsTotal(m_customer, y, c);
    panel.netDue = panel.orderTotal + panel.previousBalance + panel.payments;
    panel.orderCount = sums.CampaignOrderCount(m_customer, y, c);
    return panel;
}

std::vector<DeliveredOrder> CustomerAccount::deliveredOrders() const
{
    m_data.setSQL(QStringLiteral("Select [Orders Order Number], [Orders Unit Total], [Orders Delivered] From Orders "
                                 " Where [Orders Customer Number] = ? And [Orders Internal Flag] = 'TOTAL'"
                                 " And [Orders Campaign Year] = ? And [Orders Campaign Number] = ? "
                                 "Order by [Orders Order Number] Limit ?"),
                  {m_customer, m_campaign.year, m_campaign.number, kDeliveredBoxes});
    RecordSet rows = m_data.GetSnapShot(kProcedure);
    std::vector<DeliveredOrder> orders;
    while (rows.next())
        orders.push_back({rows.value(0).toInt(), Currency::fromDouble(rows.value(1).toDouble()),
                          rows.value(2).toString() == QLatin1String("Y")});
    return orders;
}

bool CustomerAccount::setDelivered(int order, bool delivered)
{
    return m_data.exec(kProcedure,
                       QStringLiteral("UPDATE Orders SET [Orders Delivered] = ? Where [Orders Customer Number] = ? "
                                      "And [Orders Campaign Year] = ? And [Orders Campaign Number] = ? "
                                      "And [Orders Order Number] = ?"),
                       {delivered ? QStringLiteral("Y") : QStringLiteral("N"), m_customer, m_campaign.year,
                        m_campaign.number, order});
}

QString CustomerAccount::balanceHistory() const
{
    const QVariant first = m_data.scalar(kProcedure, QStringLiteral("Select Min([Orders Campaign Year]) as MinYear From Orders "
                                                                    " Where [Orders Customer Number] = ?"),
                                         {m_customer});
    if (first.isNull() || !first.isValid())
        return QStringLiteral("No Previous Outstanding Balances");
    PaymentSums sums(m_data);
    QStringList found;
    std::optional<Currency> last;
    for (int year = first.toInt(); year <= m_campaign.year; ++year) {
        const int lastNumber = year == m_campaign.year ? m_campaign.number : kCampaignsPerYear;
        for (int number = 1; number <= lastNumber; ++number) {
            const Currency due = sums.balance(m_customer, year, number);
            if (due.isZero() || due == last)
                continue;
            last = due;
            found << QStringLiteral("Year:%1/%2     Balance  :  ").arg(year).arg(number, 2, 10, QLatin1Char('0'))
                         + currencyText(due);
        }
    }
    return found.isEmpty() ? QStringLiteral("No Outstanding Balance") : lines(found);
}

bool CustomerAccount::assignHelperToOrders(int helper, const QString &helperName)
{
    return m_data.exec(kProcedure,
                       QStringLiteral("UPDATE Orders SET [Orders Business Helper Number] = ?,     [Orders Business Helper] = ? "
                                      "Where [Orders Customer Number] = ?"),
                       {helper, helperName.trimmed().left(30), m_customer});
}

bool CustomerAccount::releaseAsHelper()
{
    return m_data.exec(kProcedure,
                       QStringLiteral("UPDATE Orders SET [Orders Business Helper Number] = 0,     [Orders Business Helper] = '' "
                                      "Where [Orders Business Helper Number] = ?"),
                       {m_customer})
        && m_data.exec(kProcedure,
                       QStringLiteral("UPDATE Customers SET [Customers Business Helper Number] = 0,     "
                                      "[Customers Business Helper] = '' Where [Customers Business Helper Number] = ?"),
                       {m_customer});
}

bool CustomerAccount::copySuppliesToOrders()
{
    return m_data.exec(kProcedure,
                       QStringLiteral("UPDATE Orders SET [Orders Supplies] = Customers.[Customers Supplies] FROM Customers "
                                      "Where Orders.[Orders Customer Number] = Customers.[Customers Number] "
                                      "And Orders.[Orders Customer Number] = ?"),
                       {m_customer});
}

} // namespace zel::customers
