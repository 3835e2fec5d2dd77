#pragma once

#include "core/campaign.h"
#include "core/currency.h"

#include <QDateTime>
#include <QStringList>

namespace zel {

class cDataAccess;

// Ms_Update_Expenses: an order line bought for the business becomes an internal expense of the
// current campaign.
class OrderExpenses
{
public:
    explicit OrderExpenses(cDataAccess &data) : m_data(data) {}

    // The categories already used, for the screen's list.
    QStringList categories();
    static QString question(const QString &product, const QString &category, const Currency &amount);
    // Adds the expense with the campaign's next counter; false when the statement failed.
    bool add(const Campaign &campaign, const QString &product, const QString &category, const Currency &amount,
             const QDateTime &when);

private:
    cDataAccess &m_data;
};

} // namespace zel
