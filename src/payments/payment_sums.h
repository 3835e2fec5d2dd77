#pragma once

#include "core/currency.h"

#include <QString>
#include <QVariantList>

#include <map>

namespace zel {

class AppState;
class cDataAccess;

// The order totals and payments every balance is recomputed from. Payments are stored negative,
// so adding everything gives what is owed (positive) or a credit (negative). Nulls read as 0;
// a failing statement gives 0 (the data access has logged it).
class PaymentSums
{
public:
    explicit PaymentSums(cDataAccess &data) : m_data(data) {}

    Currency OrderUnitTotal(int customer, int year, int number, int order);
    Currency OrderDetailTotal(int customer, int year, int number, int order);
    Currency CampaignOrdersTotal(int customer, int year, int number);
    Currency PreviousOrdersTotal(int customer, int year, int number);
    Currency OrderPaymentsTotal(int customer, int year, int number, int order);
    int OrderPaymentCount(int customer, int year, int number, int order);
    Currency PaymentSequenceTotal(int customer, int year, int number, int order, int sequence);
    Currency CampaignPaymentsTotal(int customer, int year, int number);
    Currency PreviousPaymentsTotal(int customer, int year, int number);
    int MaxPaymentSequence(int customer, int year, int number);
    bool OrderExists(int customer, int year, int number, int order);
    int NextOrderNumber(int customer, int year, int number, int order);
    int CampaignOrderCount(int customer, int year, int number);
    bool IsLatestOrder(int customer, int year, int number, int order, int limitYear, int limitNumber);
    bool CustomerExists(int customer);
    // "FL": first then last name; otherwise "Last, First" without a dangling comma.
    QString CustomerDisplayName(int customer, const QString &style);

    // The balance as of a campaign: its orders and payments and everything before it, read in
    // one statement.
    Currency balance(int customer, int year, int number);
    // Every customer's balance as of a campaign at once (customers with no orders or payments
    // are left out), for lists and reports of many customers.
    std::map<int, Currency> campaignBalances(int year, int number);

private:
    Currency sum(const QString &sql, const QVariantList &values);
    int integer(const QString &sql, const QVariantList &values);

    cDataAccess &m_data;
};

// The balance of the customer the screens are working on, as of a campaign / the current one.
Currency CustomerBalance(AppState &state, int year, int number);
Currency CurrentCampaignBalance(AppState &state);

} // namespace zel
