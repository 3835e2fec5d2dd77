#pragma once

#include "core/currency.h"

#include <QDateTime>
#include <QString>
#include <QVariant>

#include <vector>

namespace zel {

class AppState;

// Turns the 'PAYMENT' rows of a database below version 13 back into Payments rows. Payments of
// a period the customer had settled (the running sum of order totals and payments came to 0) are
// taken as paying their orders exactly; each such change is logged under PAYMENTUPDATE.
class BalanceConversion
{
public:
    // One 'PAYMENT' row as the conversion reads it.
    struct PaymentRow
    {
        int customer = 0;
        int year = 0;
        int campaign = 0;
        int order = 0;
        Currency amount;     // Orders Payment Amount: negative for money received
        Currency grandTotal; // Orders Payment Grand Total: the order's total
        QVariant date;
        int banked = 0;
        int delivered = 0;
        QString type;
        QString checkNumber;
    };

    explicit BalanceConversion(AppState &state);

    // Replaces every Payments row by the converted 'PAYMENT' rows. False when a statement failed.
    bool convertPaymentRows();
    int corrections() const { return m_corrections; }

    // The last campaign key (year * 100 + number) at which the running sum of the customer's order
    // totals and payments is exactly 0; 0 when it never is. `rows` is one customer's, in campaign order.
    static int settledKey(const std::vector<PaymentRow> &rows);

private:
    std::vector<PaymentRow> readPaymentRows();
    bool convertCustomer(const std::vector<PaymentRow> &rows);
    bool storePayment(const PaymentRow &row, Currency amount, int sequence);

    AppState &m_state;
    int m_corrections = 0;
};

} // namespace zel
