#pragma once

#include "orders/order_computation.h"

#include <vector>

namespace zel {

class cDataAccess;

// What a stored order keeps outside its lines, read back from its rows. Every path that computes a
// stored order again (order entry, product updates and shorts, the back-order merge, the recompute
// command) reads it here, so an order keeps its own header whoever recomputes it.
struct StoredOrderHeader
{
    OrderSwitches switches;
    bool hasSwitches = false; // an OPTIONS row was found
    QString specialChargeDescription;
    Currency specialChargeAmount;
    Currency discountPercent; // the order's own percent; 0 when the rows do not say
    bool charged = false;     // a processing charge row was written
    bool summarized = false;
    QString delivered = QStringLiteral("N");
    QDateTime orderDate; // invalid when the rows do not say
    Currency total;

    static StoredOrderHeader fromRows(const std::vector<OrderRow> &rows);
    // Copies the header into a request, leaving the request's lines, campaign and mode alone.
    void applyTo(OrderRequest &request) const;
};

// Every row of one stored order, lines and computed rows, in sequence order; `procedure` names the
// caller in the log.
std::vector<OrderRow> storedOrderRows(cDataAccess &data, const QString &procedure, int customer, const Campaign &campaign,
                                      int order);

// The percent written in a special discount row's text ("**  Special Discount 12.50%"): older
// orders keep their percent only there.
std::optional<Currency> discountPercentInText(const QString &product);

} // namespace zel
