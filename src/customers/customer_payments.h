#pragma once

#include "core/campaign.h"
#include "core/currency.h"

#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

namespace zel {

class AppState;

namespace customers {

// One row of Payments. Money received is negative; a refund is positive.
struct Payment
{
    int customer = 0;
    int year = 0;
    int campaign = 0;
    int order = 0;
    int sequence = 0;
    Currency amount;
    QDateTime date;
    QString deposited;
    QString type;
    QString checkNumber;
    QString gridUsage;
};

// An entry of the payments grid's order drop-down: each order twice, "Regular" with its total
// (to pay it) and "Extra" with 0.00 (for a further payment).
struct OrderChoice
{
    int order = 0;
    Currency total;
    QString type;
};

inline const QString kPaidInFull = QStringLiteral("PAID IN FULL");
inline const QString kRefund = QStringLiteral("REFUND");

// The payment types the grid offers, in the order shown.
const QStringList &paymentTypes();

// A customer's payments in one campaign, and the ways the customer screen records them.
// Every operation that writes is one transaction.
class CustomerPayments
{
public:
    CustomerPayments(AppState &state, int customer, Campaign campaign)
        : m_state(state), m_customer(customer), m_campaign(campaign)
    {
    }

    // By order number, then sequence.
    std::vector<Payment> payments() const;
    std::vector<OrderChoice> orderChoices() const;
    // The largest sequence of the customer's payments in the campaign plus 1.
    int nextSequence() const;

    // A new grid row for the chosen order: amount minus the choice's total, today, not
    // deposited, paid in full, the next sequence after `taken` (rows not stored yet).
    Payment proposed(const OrderChoice &choice, int taken = 0) const;
    // Replaces the campaign's stored payments by the grid's rows.
    bool replaceAll(const std::vector<Payment> &rows);
    bool deleteAll();

    // Deletes the campaign's payments and pays each order's total.
    bool payInFull();
    // Deletes the campaign's payments and settles orders and previous balance with one payment on
    // the first order; a credit larger than the orders becomes a REFUND (the user is told).
    bool payInFullWithPreviousBalance();
    // Asks for another campaign number of the same year and pays that campaign in full. False when
    // the answer was refused or cancelled (after telling why).
    bool payAnotherCampaign();

private:
    bool insert(const Payment &payment);
    bool deleteStored();
    Payment newPayment(int order, const Currency &amount, int sequence) const;

    AppState &m_state;
    int m_customer;
    Campaign m_campaign;
};

} // namespace customers
} // namespace zel
