#pragma once

#include "core/campaign.h"
#include "core/currency.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

namespace zel {

class cDataAccess;

namespace customers {

constexpr int kDeliveredBoxes = 10;

// What the customer screen's balance panel shows for one campaign. Payments are negative, so
// the net due is the plain sum of the three.
struct BalancePanel
{
    Currency orderTotal;
    Currency previousBalance;
    Currency payments;
    Currency netDue;
    int orderCount = 0;

    // "3 Orders Total" with two or more orders, else "Order Total".
    QString totalCaption() const;
    // The four lines of "Order / Payment / Balance Details".
    QString detailsMessage() const;
};

// One order of the campaign with its delivered box.
struct DeliveredOrder
{
    int order = 0;
    Currency total;
    bool delivered = false;

    QString caption() const; // "2: $30.00"
};

// Amounts in the screens' currency format.
QString currencyText(const Currency &amount);

// One customer's orders and balance in one campaign, as the customer screen shows them.
class CustomerAccount
{
public:
    CustomerAccount(cDataAccess &data, int customer, Campaign campaign)
        : m_data(data), m_customer(customer), m_campaign(campaign)
    {
    }

    // The campaign's order numbers, highest first.
    QList<int> orderNumbers() const;
    BalancePanel balance() const;
    // The campaign's first ten orders by number.
    std::vector<DeliveredOrder> deliveredOrders() const;
    // Marks every row of one order delivered or not.
    bool setDelivered(int order, bool delivered);
    // Lines "Year:2008/05     Balance  :  $12.50" for each campaign up to this one whose balance
    // is not 0 and differs from the line before; the message to show when there is none.
    QString balanceHistory() const;

    // Puts the helper (0: none) on every order of the customer, in every campaign.
    bool assignHelperToOrders(int helper, const QString &helperName);
    // Forgets this customer as the helper of any order or customer.
    bool releaseAsHelper();
    // Copies the customer's supplies switch to every order of the customer.
    bool copySuppliesToOrders();

private:
    cDataAccess &m_data;
    int m_customer;
    Campaign m_campaign;
};

} // namespace customers
} // namespace zel
