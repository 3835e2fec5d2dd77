#pragma once

#include "orders/order_row.h"

#include <QStringList>

#include <optional>
#include <vector>

namespace zel {

class AppState;

// The Copy Order tab without its screen: what can be copied, and copying another order's lines
// into the order being entered.
class OrderCopy
{
public:
    struct Source
    {
        int customer = 0;
        Campaign campaign;
        int order = 0;
    };
    struct CustomerChoice
    {
        int number = 0;
        QString name; // "Last, First"
    };

    explicit OrderCopy(AppState &state) : m_state(state) {}

    std::vector<int> years();
    std::vector<CustomerChoice> customers();
    // The customer's orders of every campaign, shown as "Year  Campaign #  Order #" rows.
    std::vector<Source> existingOrders(int customer);
    // The customer's order numbers in one campaign; the message when the choice is incomplete or
    // nothing was found (after showing it).
    std::optional<std::vector<int>> orderNumbers(int customer, int year, int number);

    // Appends the source's lines after `lines` (next sequence numbers, From Campaign the current
    // campaign number), reports the count and offers to delete the source. Returns how many were
    // copied; 0 when the source had no lines (after saying so).
    int copyInto(std::vector<OrderRow> &lines, const Source &source);

private:
    QStringList sourceLines(const Source &source) const;

    AppState &m_state;
};

} // namespace zel
