#pragma once

#include <QString>

namespace zel {

class AppState;

// Databases of the earliest versions kept balances and payments as computed rows inside Orders
// ('BALANCE', 'BALANCENET', 'PAYMENT', 'PAYMENTNET'). The upgrade builds, converts and finally
// removes them, so that an old database arrives at the Payments table with its balances intact.
// Each call runs inside the upgrade's transaction and returns false when a statement failed.
class BalanceRows
{
public:
    explicit BalanceRows(AppState &state);

    // Version below 2: a 'BALANCE' and a 'BALANCENET' row after the last row of every order.
    bool addBalanceRows();
    // Version below 2: a 'PAYMENT' and 'PAYMENTNET' pair on an order of each payment's campaign,
    // and a pair with a payment of 0 on every order that has none.
    bool addPaymentRows();
    // Always called by the upgrade: payment rows below version 2, the conversion into Payments
    // below version 13, and then the four row kinds go.
    bool removeComputedRows(int oldVersion);

    // The text and number columns of a computed Orders row, from `overrides` (column, SQL
    // expression over the source row A) or else '' / 0 (Null for dates).
    static QString insertSelect(const QList<QPair<QString, QString>> &overrides, const QString &from);

private:
    bool addPaymentPair(const QVariantList &payment, int slot);

    AppState &m_state;
};

} // namespace zel
