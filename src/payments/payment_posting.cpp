#include "payments/payment_posting.h"

#include "core/prompter.h"
#include "core/text.h"
#include "payments/payment_sums.h"
#include "session/app_state.h"
#include "shell/captions.h"
#include "shell/transaction.h"

#include <algorithm>
#include <map>

namespace zel {

namespace {

const QString kProcedure = QStringLiteral("PaymentPosting");

// Both grids show one helper's customers, or everyone when the helper is 0.
const QString kHelperOfPayment = QStringLiteral(
    " And (? = 0 Or (Select Count(*) From Customers Cust Where Cust.[Customers Number] = P.[Payments Customer Number]"
    " And Cust.[Customers Business Helper Number] = ?) > 0)");
const QString kHelperOfOrder = QStringLiteral(
    " And (? = 0 Or (Select Count(*) From Customers Cust Where Cust.[Customers Number] = Ord.[Orders Customer Number]"
    " And Cust.[Customers Business Helper Number] = ?) > 0)");

const QString kOrderDelivered = QStringLiteral(
    "(Select [Orders Delivered] From Orders Where Orders.[Orders Customer Number] = P.[Payments Customer Number]"
    " AND Orders.[Orders Campaign Year] = P.[Payments Campaign Year] AND Orders.[Orders Campaign Number] = "
    "P.[Payments Campaign Number] AND Orders.[Orders Order Number] = P.[Payments Order Number] Limit 1)");

QString campaignWord()
{
    return Gs_Caption_Replace(QStringLiteral("####"));
}

bool isYes(const QVariant &flag)
{
    return flag.toString() == QLatin1String("Y");
}

QString yesNo(bool on)
{
    return on ? QStringLiteral("Y") : QStringLiteral("N");
}

QVariant dbDate(const QDate &date)
{
    return toDbDateTime(QDateTime(date.isValid() ? date : QDate::currentDate(), QTime(0, 0)));
}

} // namespace

const QStringList &PaymentPosting::paymentTypes()
{
    static const QStringList types = {
        QStringLiteral("Paid In Full"), QStringLiteral("Cash"), QStringLiteral("Check / Cheque"),
        QStringLiteral("American Express"), QStringLiteral("Discover / Novus"), QStringLiteral("MasterCard"),
        QStringLiteral("Visa"), QStringLiteral("Other"), QStringLiteral("Money Order"), QStringLiteral("Gift Certificate"),
        QStringLiteral("Refund"), QStringLiteral("None"), QStringLiteral("Unknown")};
    return types;
}

Currency PaymentPosting::enteredAmount(const Currency &typed, bool autoNegative)
{
    return autoNegative ? -typed.abs() : typed;
}

std::vector<WorkPayment> PaymentPosting::paymentsOnFile(const Campaign &campaign, int helper)
{
    cDataAccess &data = m_state.data;
    data.setSQL(QStringLiteral("Select P.*, ") + kOrderDelivered
                    + QStringLiteral(" As [Delivered], Trim(C.[Customers Last Name]) || ', ' || Trim(C.[Customers First Name])"
                                     " As [Name] From Payments P Left Join Customers C On C.[Customers Number] = "
                                     "P.[Payments Customer Number] Where P.[Payments Campaign Year] = ? And "
                                     "P.[Payments Campaign Number] = ?")
                    + kHelperOfPayment
                    + QStringLiteral(" Order By [Name], P.[Payments Order Number], P.[Payments Sequence]"),
                {campaign.year, campaign.number, helper, helper});
    RecordSet rows = data.GetSnapShot(kProcedure);
    std::vector<WorkPayment> payments;
    while (rows.next()) {
        WorkPayment p;
        p.customer = rows.value(QStringLiteral("Payments Customer Number")).toInt();
        p.year = campaign.year;
        p.number = campaign.number;
        p.order = rows.value(QStringLiteral("Payments Order Number")).toInt();
        p.sequence = rows.value(QStringLiteral("Payments Sequence")).toInt();
        p.amount = Currency::fromDouble(rows.value(QStringLiteral("Payments Amount")).toDouble());
        if (const auto when = fromDbDateTime(rows.value(QStringLiteral("Payments Date"))))
            p.date = when->date();
        p.type = rows.value(QStringLiteral("Payments Type")).toString();
        p.checkNumber = rows.value(QStringLiteral("Payments Check Number")).toString();
        p.deposited = isYes(rows.value(QStringLiteral("Payments Deposited")));
        p.delivered = p.deliveredAsLoaded = isYes(rows.value(QStringLiteral("Delivered")));
        p.name = rows.value(QStringLiteral("Name")).toString();
        payments.push_back(p);
    }
    return payments;
}

std::vector<WorkPayment> PaymentPosting::ordersToPay(const Campaign &campaign, int helper)
{
    cDataAccess &data = m_state.data;
    data.setSQL(QStringLiteral("Select Ord.[Orders Customer Number], Ord.[Orders Order Number], Ord.[Orders Unit Total], "
                               "Ord.[Orders Delivered] From Orders Ord Where Ord.[Orders Campaign Year] = ? And "
                               "Ord.[Orders Campaign Number] = ? And Ord.[Orders Internal Flag] = 'TOTAL'")
                    + kHelperOfOrder,
                {campaign.year, campaign.number, helper, helper});
    RecordSet rows = data.GetSnapShot(kProcedure);
    std::vector<WorkPayment> orders;
    while (rows.next()) {
        WorkPayment p;
        p.customer = rows.value(0).toInt();
        p.year = campaign.year;
        p.number = campaign.number;
        p.order = rows.value(1).toInt();
        p.amount = -Currency::fromDouble(rows.value(2).toDouble());
        p.delivered = p.deliveredAsLoaded = isYes(rows.value(3));
        orders.push_back(p);
    }
    PaymentSums sums(data);
    std::map<int, QString> names;
    const QDate today = m_state.now().date();
    for (WorkPayment &p : orders) {
        auto name = names.find(p.customer);
        if (name == names.end())
            name = names.emplace(p.customer, sums.CustomerDisplayName(p.customer, QStringLiteral("LF"))).first;
        p.sequence = sums.MaxPaymentSequence(p.customer, p.year, p.number) + 1;
        p.date = today;
        p.type = QStringLiteral("PAID IN FULL");
        p.name = name->second + QStringLiteral(" (Order #") + QString::number(p.order) + QLatin1Char(')');
    }
    std::stable_sort(orders.begin(), orders.end(), [](const WorkPayment &a, const WorkPayment &b) { return a.name < b.name; });
    return orders;
}

std::vector<PayingCustomer> PaymentPosting::helpers()
{
    m_state.data.setSQL(QStringLiteral("Select [Customers Number], Trim([Customers First Name]), Trim([Customers Last Name]) "
                                       "From Customers Where [Customers Business Helper Flag] = 'Y' Order by [Customers Last "
                                       "Name], [Customers First Name] "));
    std::vector<PayingCustomer> helpers;
    for (RecordSet rows = m_state.data.GetSnapShot(kProcedure); rows.next();)
        helpers.push_back({rows.value(0).toInt(), rows.value(1).toString(), rows.value(2).toString()});
    return helpers;
}

std::vector<PayingCustomer> PaymentPosting::payingCustomers(const Campaign &campaign)
{
    m_state.data.setSQL(QStringLiteral("SELECT Distinct Customers.[Customers Number], Customers.[Customers First Name], "
                                       "Customers.[Customers Last Name] FROM Orders INNER JOIN Customers ON "
                                       "Orders.[Orders Customer Number] = Customers.[Customers Number] WHERE "
                                       "[Orders Internal Flag]='TOTAL'  And [Orders Campaign Year] = ? And "
                                       "[Orders Campaign Number] = ? Order by [Customers Last Name], [Customers First Name] "),
                        {campaign.year, campaign.number});
    RecordSet rows = m_state.data.GetSnapShot(kProcedure);
    std::vector<PayingCustomer> customers;
    while (rows.next())
        customers.push_back({rows.value(0).toInt(), rows.value(1).toString(), rows.value(2).toString()});
    return customers;
}

std::vector<OrderChoice> PaymentPosting::orderChoices(int customer, const Campaign &campaign)
{
    const QString filter = QStringLiteral(" Where [Orders Customer Number] = ? And [Orders Campaign Year] = ? And "
                                          "[Orders Campaign Number] = ? And [Orders Internal Flag] = 'TOTAL'");
    m_state.data.setSQL(QStringLiteral("Select [Orders Order Number] as [Orders Order Number2], [Orders Unit Total], "
                                       "'Regular' as [Type] From Orders")
                            + filter
                            + QStringLiteral(" Union All Select ([Orders Order Number] + 900) as [Orders Order Number2], "
                                             "0.00 as [Orders Unit Total], 'Extra' as [Type] From Orders")
                            + filter + QStringLiteral(" Order By [Orders Order Number2], [Orders Unit Total] Desc "),
                        {customer, campaign.year, campaign.number, customer, campaign.year, campaign.number});
    RecordSet rows = m_state.data.GetSnapShot(kProcedure);
    std::vector<OrderChoice> choices;
    while (rows.next())
        choices.push_back({rows.value(0).toInt(), Currency::fromDouble(rows.value(1).toDouble()), rows.value(2).toString()});
    return choices;
}

std::optional<WorkPayment> PaymentPosting::newPayment(int customer, const Campaign &campaign, const OrderChoice &choice)
{
    PaymentSums sums(m_state.data);
    if (!sums.CustomerExists(customer))
        return std::nullopt;
    WorkPayment p;
    p.customer = customer;
    p.year = campaign.year;
    p.number = campaign.number;
    p.order = choice.order;
    p.sequence = sums.MaxPaymentSequence(customer, campaign.year, campaign.number) + 1;
    if (!choice.isExtra())
        p.amount = -choice.total.abs();
    p.date = m_state.now().date();
    p.type = QStringLiteral("PAID IN FULL");
    p.name = sums.CustomerDisplayName(customer, QStringLiteral("LF"));
    const int ownOrder = choice.isExtra() ? choice.order - kExtraOrderOffset : choice.order;
    p.delivered = p.deliveredAsLoaded = isYes(m_state.data.scalar(
        kProcedure, QStringLiteral("Select [Orders Delivered] From Orders Where [Orders Customer Number] = ? And [Orders Campaign "
                                   "Year] = ? And [Orders Campaign Number] = ? And [Orders Order Number] = ?"),
        {customer, campaign.year, campaign.number, ownOrder}));
    p.isNew = true;
    return p;
}

bool PaymentPosting::insertPayment(const WorkPayment &payment)
{
    const int sequence = PaymentSums(m_state.data).MaxPaymentSequence(payment.customer, payment.year, payment.number) + 1;
    return m_state.data.exec(
        kProcedure,
        QStringLiteral("Insert Into Payments ([Payments Customer Number], [Payments Campaign Year], [Payments Campaign Number], "
                       "[Payments Order Number], [Payments Sequence], [Payments Amount], [Payments Date], [Payments Deposited], "
                       "[Payments Type], [Payments Check Number], [Payments Grid Usage]) Values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, '')"),
        {payment.customer, payment.year, payment.number, payment.order, sequence, payment.amount.toDouble(),
         dbDate(payment.date), yesNo(payment.deposited), payment.type.left(20), payment.checkNumber.left(255)});
}

bool PaymentPosting::writeDelivered(const WorkPayment &payment)
{
    // Only a changed flag is written, so the two grids cannot undo each other's choice for an order.
    if (payment.delivered == payment.deliveredAsLoaded)
        return true;
    return m_state.data.exec(kProcedure,
                             QStringLiteral("UPDATE Orders  SET [Orders Delivered] = ? Where [Orders Customer Number] = ? And "
                                            "[Orders Campaign Year] = ? And [Orders Campaign Number] = ? And [Orders Order Number] = ?"),
                             {yesNo(payment.delivered), payment.customer, payment.year, payment.number, payment.order});
}

bool PaymentPosting::writeOnFile(const WorkPayment &payment)
{
    if (payment.isNew)
        return payment.deleted || insertPayment(payment);
    const QVariantList key = {payment.customer, payment.year, payment.number, payment.order, payment.sequence};
    const QString where = QStringLiteral(" Where [Payments Customer Number] = ? And [Payments Campaign Year] = ? And "
                                         "[Payments Campaign Number] = ? And [Payments Order Number] = ? And [Payments Sequence] = ?");
    if (payment.deleted)
        return m_state.data.exec(kProcedure, QStringLiteral("Delete From Payments ") + where, key);
    return m_state.data.exec(kProcedure,
                             QStringLiteral("Update Payments Set [Payments Amount] = ?, [Payments Date] = ?, [Payments Type] = ?, "
                                            "[Payments Check Number] = ?, [Payments Deposited] = ?")
                                 + where,
                             QVariantList{payment.amount.toDouble(), dbDate(payment.date), payment.type.left(20),
                                          payment.checkNumber.left(255), yesNo(payment.deposited)}
                                 + key);
}

bool PaymentPosting::applyUpdates(const std::vector<WorkPayment> &ordersToPay, const std::vector<WorkPayment> &paymentsOnFile)
{
    m_state.prompter.hourglass(true);
    Transaction transaction(m_state.database.handle());
    bool done = true;
    for (const WorkPayment &p : ordersToPay)
        done = done && (!p.pay || insertPayment(p)) && writeDelivered(p);
    for (const WorkPayment &p : paymentsOnFile)
        done = done && writeOnFile(p) && writeDelivered(p);
    done = done && transaction.commit();
    m_state.prompter.hourglass(false);
    return done;
}

std::optional<int> PaymentPosting::payInFull(const Campaign &campaign, const PaymentChoices &choices)
{
    if (!m_state.prompter.askYesNo(lines({QStringLiteral("Apply full payment to all orders that currently have NO payments on "
                                                         "file for the selected ")
                                              + campaignWord() + QLatin1Char('.'),
                                          QStringLiteral("Continue?")})))
        return std::nullopt;
    cDataAccess &data = m_state.data;
    m_state.prompter.hourglass(true);
    Transaction transaction(m_state.database.handle());
    data.setSQL(QStringLiteral("Select Ord.[Orders Customer Number], Ord.[Orders Order Number] From Orders Ord  Where 1 = 1 "
                               " And Ord.[Orders Campaign Year] = ? And Ord.[Orders Campaign Number]  = ? And "
                               "Ord.[Orders Internal Flag]  = 'TOTAL' And (Select Count(*) From Payments Pay  Where "
                               "Pay.[Payments Customer Number] = Ord.[Orders Customer Number]  And Pay.[Payments Campaign Year] "
                               "= Ord.[Orders Campaign Year]  And Pay.[Payments Campaign Number] = Ord.[Orders Campaign Number] "
                               " And Pay.[Payments Order Number] = Ord.[Orders Order Number]) = 0 ")
                    + kHelperOfOrder,
                {campaign.year, campaign.number, choices.helper, choices.helper});
    std::vector<std::pair<int, int>> unpaid;
    for (RecordSet rows = data.GetSnapShot(kProcedure); rows.next();)
        unpaid.emplace_back(rows.value(0).toInt(), rows.value(1).toInt());
    PaymentSums sums(data);
    bool done = true;
    for (const auto &[customer, order] : unpaid) {
        WorkPayment p;
        p.customer = customer;
        p.year = campaign.year;
        p.number = campaign.number;
        p.order = order;
        p.amount = -sums.OrderUnitTotal(customer, campaign.year, campaign.number, order);
        p.date = choices.date;
        p.deposited = choices.deposited;
        p.type = choices.type;
        if (!(done = insertPayment(p)))
            break;
    }
    done = done && transaction.commit();
    m_state.prompter.hourglass(false);
    if (!done)
        return std::nullopt;
    m_state.prompter.information(QString::number(unpaid.size()) + QStringLiteral(" Orders have been marked paid in full."));
    return int(unpaid.size());
}

std::optional<int> PaymentPosting::clearPayments(const Campaign &campaign, int helper, int customer)
{
    const QString whose = customer ? QStringLiteral("Delete all payments of customer %1 for the selected ").arg(customer)
                                   : QStringLiteral("Delete all payments for all orders for the selected ");
    if (!m_state.prompter.askYesNo(lines({whose + campaignWord() + QLatin1Char('.'), QStringLiteral("Continue?")})))
        return std::nullopt;
    cDataAccess &data = m_state.data;
    if (!data.exec(kProcedure,
                   QStringLiteral("Delete From Payments Where 1 = 1  And [Payments Campaign Year] = ? And "
                                  "[Payments Campaign Number]  = ? And (? = 0 Or (Select Count(*) From Customers Cust Where "
                                  "Cust.[Customers Number] = Payments.[Payments Customer Number]  And "
                                  "Cust.[Customers Business Helper Number] = ?) > 0) And (? = 0 Or [Payments Customer Number] = ?)"),
                   {campaign.year, campaign.number, helper, helper, customer, customer}))
        return std::nullopt;
    const int count = data.RecordsAffected();
    m_state.prompter.information(QString::number(count) + QStringLiteral(" Payments have been cleared."));
    return count;
}

bool PaymentPosting::setDelivered(const Campaign &campaign, bool delivered)
{
    const QString question = delivered ? QStringLiteral("Set all orders as delivered.") : QStringLiteral("Set all orders as NOT delivered.");
    if (!m_state.prompter.askYesNo(lines({question, QStringLiteral("Continue?")})))
        return false;
    if (!m_state.data.exec(kProcedure,
                           QStringLiteral("Update Orders Set [Orders Delivered] = ? Where [Orders Campaign Year] = ? And "
                                          "[Orders Campaign Number] = ?"),
                           {yesNo(delivered), campaign.year, campaign.number}))
        return false;
    m_state.prompter.information(m_state.data.RecordsAffected() == 0 ? QStringLiteral("No orders found in selected year/campaign")
                                                                      : QStringLiteral("Update Complete."));
    return true;
}

} // namespace zel
