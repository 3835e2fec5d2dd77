#pragma once

#include "core/campaign.h"
#include "core/currency.h"

#include <QDate>
#include <QString>

#include <optional>
#include <vector>

namespace zel {

class AppState;

// One row of the posting grids: a payment on file (to correct or delete) or an order waiting to be
// paid. Sequence numbers shown are provisional; each written payment takes the customer's next one
// in its campaign when it is written.
struct WorkPayment
{
    int customer = 0;
    int year = 0;
    int number = 0;
    int order = 0;
    int sequence = 0;
    Currency amount;
    QDate date;
    QString type;
    QString checkNumber;
    QString name;      // "Last, First"; orders to pay add " (Order #n)"
    bool deposited = false;
    bool delivered = false;
    bool deliveredAsLoaded = false; // the order's flag when the grid was filled
    bool pay = false;     // orders to pay: write this payment
    bool deleted = false; // payments on file: remove it
    bool isNew = false;   // payments on file: added on the grid, not stored yet
};

// A customer who has orders in a campaign, for starting a new payment.
struct PayingCustomer
{
    int number = 0;
    QString firstName;
    QString lastName;
};

// One entry of the order list of a new payment: the order itself ("Regular", with its total) or
// its "Extra" number (order + 900), which counts in the balance but in no order's own payments.
struct OrderChoice
{
    int order = 0;
    Currency total;
    QString type;
    bool isExtra() const { return type == QLatin1String("Extra"); }
};

// Choices of the campaign-wide payment commands.
struct PaymentChoices
{
    QString type = QStringLiteral("PAID IN FULL");
    QDate date;
    bool deposited = false;
    int helper = 0; // a business helper's customer number; 0 for every customer
};

// Posting a campaign's payments at once: the two grids' rows, writing them back, and the
// campaign-wide commands. Each command that writes does so in one transaction.
class PaymentPosting
{
public:
    explicit PaymentPosting(AppState &state) : m_state(state) {}

    static constexpr int kExtraOrderOffset = 900;
    static const QStringList &paymentTypes();
    // With the negative-sign box ticked any typed amount is stored as a payment (negative);
    // without it the amount stays as typed, so a refund can be entered positive.
    static Currency enteredAmount(const Currency &typed, bool autoNegative);

    // The campaign's payments, by name, order and sequence; `helper` 0 shows every customer.
    std::vector<WorkPayment> paymentsOnFile(const Campaign &campaign, int helper);
    // One row per order of the campaign, to be paid in full, by name.
    std::vector<WorkPayment> ordersToPay(const Campaign &campaign, int helper);

    // The business helpers, by name, for the helper filter.
    std::vector<PayingCustomer> helpers();
    std::vector<PayingCustomer> payingCustomers(const Campaign &campaign);
    std::vector<OrderChoice> orderChoices(int customer, const Campaign &campaign);
    // A new payment-on-file row for the chosen order entry; nothing when the customer does not exist.
    std::optional<WorkPayment> newPayment(int customer, const Campaign &campaign, const OrderChoice &choice);

    // "Apply Updates": writes the ticked orders to pay and every payment on file (added, edited or
    // deleted), with each order's delivered flag, in one transaction. False (nothing written) when a
    // statement failed.
    bool applyUpdates(const std::vector<WorkPayment> &ordersToPay, const std::vector<WorkPayment> &paymentsOnFile);

    // "Pay In Full" for every order without a payment; the count paid, or nothing when the user
    // said No or it failed.
    std::optional<int> payInFull(const Campaign &campaign, const PaymentChoices &choices);
    // "Clear Payments" of the campaign, of one helper's customers or of one customer (0: every
    // one): the count removed, or nothing when the user said No or it failed.
    std::optional<int> clearPayments(const Campaign &campaign, int helper, int customer = 0);
    // Sets every order of the campaign delivered or not; false when the user said No or it failed.
    bool setDelivered(const Campaign &campaign, bool delivered);

    // Adds one payment under the customer's next sequence of its campaign, inside the caller's
    // transaction; false when the statement failed.
    bool insertPayment(const WorkPayment &payment);

private:
    bool writeDelivered(const WorkPayment &payment);
    bool writeOnFile(const WorkPayment &payment);

    AppState &m_state;
};

} // namespace zel
