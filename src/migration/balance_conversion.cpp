#include "migration/balance_conversion.h"

#include "core/prompter.h"
#include "core/text.h"
#include "session/app_state.h"

#include <QMap>

namespace zel {

namespace {

const QString kProcedure = QStringLiteral("Gs_Upgrade_Db");

int campaignKey(int year, int campaign)
{
    return year * 100 + campaign;
}

QString amountText(Currency value)
{
    return QString::number(value.toDouble());
}

// Old payment dates keep their day; the time of day was never part of them.
QVariant paymentDate(const QVariant &stored)
{
    const auto when = fromDbDateTime(stored);
    if (!when)
        return {};
    return toDbDateTime(QDateTime(when->date(), QTime(0, 0)));
}

} // namespace

BalanceConversion::BalanceConversion(AppState &state) : m_state(state) {}

int BalanceConversion::settledKey(const std::vector<PaymentRow> &rows)
{
    int key = 0;
    Currency totals;
    Currency payments;
    for (const PaymentRow &row : rows) {
        totals += row.grandTotal;
        payments += row.amount;
        if ((totals + payments).isZero()) {
            key = campaignKey(row.year, row.campaign);
            totals = Currency();
            payments = Currency();
        }
    }
    return key;
}

std::vector<BalanceConversion::PaymentRow> BalanceConversion::readPaymentRows()
{
    m_state.data.setSQL(QStringLiteral(
        "Select [Orders Customer Number], [Orders Campaign Year], [Orders Campaign Number], [Orders Order Number], [Orders Payment "
        "Amount], [Orders Payment Grand Total], [Orders Payment Date], [Orders Payment Banked], [Orders Payment Delivered], "
        "[Orders Payment Type], [Orders Payment Check Number] From Orders Where [Orders Internal Flag] = 'PAYMENT' Order by [Orders "
        "Customer Number], [Orders Campaign Year], [Orders Campaign Number], [Orders Order Number], [Orders Sequence Number] "));
    RecordSet rows = m_state.data.GetSnapShot(kProcedure);
    std::vector<PaymentRow> out;
    while (rows.next())
        out.push_back({rows.value(0).toInt(), rows.value(1).toInt(), rows.value(2).toInt(), rows.value(3).toInt(),
                       Currency::fromDouble(rows.value(4).toDouble()), Currency::fromDouble(rows.value(5).toDouble()),
                       rows.value(6), rows.value(7).toInt(), rows.value(8).toInt(), rows.value(9).toString(),
                       rows.value(10).toString()});
    return out;
}

bool BalanceConversion::convertPaymentRows()
{
    if (!m_state.data.exec(kProcedure, QStringLiteral("Delete From Payments ")))
        return false;
    const std::vector<PaymentRow> rows = readPaymentRows();
    // Thousands of rows: the SQL log gets a summary line instead of one line each.
    const bool logging = m_state.data.sqlLogging();
    m_state.data.setSqlLogging(false);
    bool done = true;
    for (size_t first = 0; done && first < rows.size();) {
        size_t end = first;
        while (end < rows.size() && rows[end].customer == rows[first].customer)
            ++end;
        done = convertCustomer(std::vector<PaymentRow>(rows.begin() + qsizetype(first), rows.begin() + qsizetype(end)));
        first = end;
    }
    m_state.data.setSqlLogging(logging);
    m_state.LogWrite(QStringLiteral("SQL"), QStringLiteral("Gs_Upgrade_Db: %1 payment rows converted, %2 corrected")
                                                .arg(rows.size())
                                                .arg(m_corrections));
    if (done && m_corrections > 0)
        m_state.prompter.information(
            QStringLiteral("Orders had their payments adjusted during the upgrade to ensure proper balances are calculated."));
    return done;
}

bool BalanceConversion::convertCustomer(const std::vector<PaymentRow> &rows)
{
    const int customer = rows.front().customer;
    m_state.prompter.status(QStringLiteral("Processing Payments for Customer ") + QString::number(customer));
    const int settled = settledKey(rows);
    QMap<int, int> sequences; // campaign key -> payments stored so far
    for (const PaymentRow &row : rows) {
        Currency amount = row.amount;
        if (campaignKey(row.year, row.campaign) <= settled && -row.amount != row.grandTotal) {
            amount = -row.grandTotal;
            ++m_corrections;
            m_state.LogWrite(QStringLiteral("PAYMENTUPDATE"),
                             QStringLiteral("Customer:%1 Year:%2 Campaign:%3 Order:%4 Order Total:%5 Original Payment:%6 New Payment:%7")
                                 .arg(customer)
                                 .arg(row.year)
                                 .arg(row.campaign)
                                 .arg(row.order)
                                 .arg(amountText(row.grandTotal), amountText(row.amount), amountText(amount)));
        }
        if (amount.isZero())
            continue;
        const int sequence = ++sequences[campaignKey(row.year, row.campaign)];
        if (!storePayment(row, amount, sequence))
            return false;
    }
    return m_state.data.exec(kProcedure, QStringLiteral("Update Customers Set [Customers Delivered] = ? Where [Customers Number] = ?"),
                             {rows.back().delivered == 0 ? QStringLiteral("N") : QStringLiteral("Y"), customer});
}

bool BalanceConversion::storePayment(const PaymentRow &row, Currency amount, int sequence)
{
    return m_state.data.exec(
        kProcedure,
        QStringLiteral("Insert Into Payments ([Payments Customer Number], [Payments Campaign Year], [Payments Campaign Number], "
                       "[Payments Order Number], [Payments Sequence], [Payments Amount], [Payments Date], [Payments Deposited], "
                       "[Payments Type], [Payments Check Number], [Payments Grid Usage]) Values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, '')"),
        {row.customer, row.year, row.campaign, row.order, sequence, amount.toDouble(), paymentDate(row.date),
         row.banked == 1 ? QStringLiteral("Y") : QStringLiteral("N"), row.type, row.checkNumber});
}

} // namespace zel
