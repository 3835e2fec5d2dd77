#include "customers/customer_payments.h"

#include "core/prompter.h"
#include "db/record_map.h"
#include "payments/payment_sums.h"
#include "session/app_state.h"
#include "shell/transaction.h"

namespace zel::customers {

namespace {

const QString kProcedure = QStringLiteral("CustomerPayments");

const RecordMap<Payment> &paymentMap()
{
    static const RecordMap<Payment> map(QStringLiteral("Payments"), {
        field("Payments Customer Number", &Payment::customer),
        field("Payments Campaign Year", &Payment::year),
        field("Payments Campaign Number", &Payment::campaign),
        field("Payments Order Number", &Payment::order),
        field("Payments Sequence", &Payment::sequence),
        field("Payments Amount", &Payment::amount),
        field("Payments Date", &Payment::date),
        field("Payments Deposited", &Payment::deposited),
        field("Payments Type", &Payment::type),
        field("Payments Check Number", &Payment::checkNumber),
        field("Payments Grid Usage", &Payment::gridUsage),
    });
    return map;
}

const QString kTotalRows = QStringLiteral("Where [Orders Campaign Year] = ? And [Orders Campaign Number] = ? "
                                          "And [Orders Customer Number] = ? And [Orders Internal Flag] = 'TOTAL'");

QDateTime today(const AppState &state)
{
    return QDateTime(state.now().date(), QTime(0, 0));
}

} // namespace

const QStringList &paymentTypes()
{
    static const QStringList types = {
        QStringLiteral("American Express"), QStringLiteral("Cash"),         QStringLiteral("Check / Cheque"),
        QStringLiteral("Discover / Novus"), QStringLiteral("Gift Certificate"), QStringLiteral("Mastercard"),
        QStringLiteral("Money Order"),      QStringLiteral("None"),         QStringLiteral("Other"),
        QStringLiteral("Paid In Full"),     QStringLiteral("Refund"),       QStringLiteral("Unknown"),
        QStringLiteral("Visa")};
    return types;
}

std::vector<Payment> CustomerPayments::payments() const
{
    cDataAccess &data = m_state.data;
    data.setSQL(QStringLiteral("Select * From Payments Where [Payments Customer Number] = ? And [Payments Campaign Year] = ? "
                               "And [Payments Campaign Number] = ? Order By [Payments Order Number], [Payments Sequence] "),
                {m_customer, m_campaign.year, m_campaign.number});
    RecordSet rows = data.GetSnapShot(kProcedure);
    std::vector<Payment> out;
    while (rows.next())
        out.push_back(paymentMap().read(rows));
    return out;
}

std::vector<OrderChoice> CustomerPayments::orderChoices() const
{
    cDataAccess &data = m_state.data;
    data.setSQL(QStringLiteral("Select [Orders Order Number], [Orders Unit Total], 'Regular' as [Type] From Orders ") + kTotalRows
                    + QStringLiteral(" Union All Select [Orders Order Number], 0.00 as [Orders Unit Total], 'Extra' as [Type] "
                                     "From Orders ")
                    + kTotalRows + QStringLiteral(" Order By [Orders Order Number], [Orders Unit Total] Desc "),
                {m_campaign.year, m_campaign.number, m_customer, m_campaign.year, m_campaign.number, m_customer});
    RecordSet rows = data.GetSnapShot(kProcedure);
    std::vector<OrderChoice> out;
    while (rows.next())
        out.push_back({rows.value(0).toInt(), Currency::fromDouble(rows.value(1).toDouble()), rows.value(2).toString()});
    return out;
}

int CustomerPayments::nextSequence() const
{
    return PaymentSums(m_state.data).MaxPaymentSequence(m_customer, m_campaign.year, m_campaign.number) + 1;
}

Payment CustomerPayments::newPayment(int order, const Currency &amount, int sequence) const
{
    Payment p;
    p.customer = m_customer;
    p.year = m_campaign.year;
    p.campaign = m_campaign.number;
    p.order = order;
    p.sequence = sequence;
    p.amount = amount;
    p.date = today(m_state);
    p.deposited = QStringLiteral("N");
    p.type = kPaidInFull;
    return p;
}

Payment CustomerPayments::proposed(const OrderChoice &choice, int taken) const
{
    return newPayment(choice.order, -choice.total, std::max(nextSequence(), taken + 1));
}

bool CustomerPayments::insert(const Payment &payment)
{
    static const QString sql = paymentMap().insertSql(QStringLiteral("Payments"));
    return m_state.data.exec(kProcedure, sql, paymentMap().values(payment));
}

bool CustomerPayments::deleteStored()
{
    return m_state.data.exec(kProcedure,
                             QStringLiteral("Delete From Payments Where [Payments Campaign Year] = ? "
                                            "And [Payments Campaign Number] = ? And [Payments Customer Number] = ?"),
                             {m_campaign.year, m_campaign.number, m_customer});
}

bool CustomerPayments::replaceAll(const std::vector<Payment> &rows)
{
    Transaction transaction(m_state.database.handle());
    if (!deleteStored())
        return false;
    for (const Payment &row : rows)
        if (!insert(row))
            return false;
    return transaction.commit();
}

bool CustomerPayments::deleteAll()
{
    return deleteStored();
}

bool CustomerPayments::payInFull()
{
    Transaction transaction(m_state.database.handle());
    if (!deleteStored())
        return false;
    std::vector<Payment> paid;
    int sequence = 1; // the campaign's payments are gone, so numbering starts again
    for (const OrderChoice &choice : orderChoices())
        if (choice.type == QLatin1String("Regular"))
            paid.push_back(newPayment(choice.order, -choice.total, sequence++));
    for (const Payment &p : paid)
        if (!insert(p))
            return false;
    return transaction.commit();
}

bool CustomerPayments::payInFullWithPreviousBalance()
{
    PaymentSums sums(m_state.data);
    const int y = m_campaign.year;
    const int c = m_campaign.number;
    const int count = sums.CampaignOrderCount(m_customer, y, c);
    if (count > 1)
        m_state.prompter.information(lines({QStringLiteral("There are %1 orders.").arg(count),
                                            QStringLiteral("The Previous Net Balance will be applied to the first order.")}));
    const std::vector<OrderChoice> choices = orderChoices();
    const int firstOrder = choices.empty() ? 0 : choices.front().order;
    const Currency due = sums.CampaignOrdersTotal(m_customer, y, c) + sums.PreviousOrdersTotal(m_customer, y, c)
                       + sums.PreviousPaymentsTotal(m_customer, y, c);
    Payment payment = newPayment(firstOrder, -due, 1);
    if (payment.amount > Currency())
        payment.type = kRefund;
    Transaction transaction(m_state.database.handle());
    if (!deleteStored() || !insert(payment) || !transaction.commit())
        return false;
    if (payment.type == kRefund)
        m_state.prompter.information(QStringLiteral(
            "The previous credit balance is greater than this campaigns orders.  A REFUND has been created.  This is shown "
            "as a positive payment.  To keep a running balance, set the payment amount to zero."));
    return true;
}

bool CustomerPayments::payAnotherCampaign()
{
    const int year = m_campaign.year;
    const std::optional<QString> answer =
        m_state.prompter.inputText(QStringLiteral("Enter Campaign Number in %1").arg(year),
                                   QStringLiteral("Pay Another Campaign In %1").arg(year), QStringLiteral("00"));
    if (!answer)
        return false;
    bool ok = false;
    const int number = answer->trimmed().toInt(&ok);
    if (ok && number == m_campaign.number) {
        m_state.prompter.information(QStringLiteral("Current Campaign Number not allowed."));
        return false;
    }
    if (!ok || number < 1 || number > 30) {
        m_state.prompter.information(QStringLiteral("Invalid Campaign Number Entered."));
        return false;
    }
    return CustomerPayments(m_state, m_customer, {year, number}).payInFull();
}

} // namespace zel::customers
