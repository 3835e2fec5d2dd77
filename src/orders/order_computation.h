#pragma once

#include "orders/order_row.h"

#include <optional>
#include <vector>

namespace zel {

class cDataAccess;
class cOption;
class Prompter;

// The order's five switches, stored as "YYNYN" in its OPTIONS row in this order.
struct OrderSwitches
{
    bool processingCharge = false;
    bool discount = false;
    bool tax = false;
    bool flatAmount = false;
    bool flatPercent = false;

    QString text() const;
    // A character other than 'N' turns its switch on.
    static OrderSwitches fromText(const QString &text);
    bool operator==(const OrderSwitches &) const = default;
};

// Who asks for the computation: order entry, the shorted-products utility or the product updates.
enum class ComputeMode { Normal, Shorts, Updates };

// Everything ComputeOrder needs besides the database.
struct OrderRequest
{
    std::vector<OrderRow> lines; // the DETAIL lines, in the order they are numbered
    bool processBackOrders = false;
    int customer = 0;
    Campaign campaign;
    Campaign backOrderCampaign;
    OrderSwitches switches;
    QDateTime orderDate;
    bool summarized = false;
    QString delivered = QStringLiteral("N");
    Currency discountPercent;
    QString specialChargeDescription;
    Currency specialChargeAmount;
    bool keepCharge = false; // mode Updates: whether the processing charge stays
    ComputeMode mode = ComputeMode::Normal;
    QString reservedCatalogNumber; // blank rows reserved after this line by order entry
    int reservedRows = 0;
};

// What was written.
struct ComputedOrder
{
    int orderNumber = 0;
    Currency subTotal;
    Currency grandTotal;
    std::vector<OrderRow> rows; // as stored, in sequence order
};

// ComputeOrder: turns the lines into the order's stored rows (DETAIL lines and the computed rows)
// and, with back-order processing, copies back-ordered lines into OrdersWork3. The caller has
// deleted the order's old rows and owns the transaction. Nothing when a statement failed.
std::optional<ComputedOrder> ComputeOrder(cDataAccess &data, const cOption &options, Prompter &prompter,
                                          const OrderRequest &request);

// gAddBackOrders: merges the lines collected in OrdersWork3 into the customer's latest order of the
// back-order campaign (or a new one) and computes that order again. A receiving order keeps its
// switches, special charge, discount percent, summarized and delivered marks and order date.
bool gAddBackOrders(cDataAccess &data, const cOption &options, Prompter &prompter, int customer,
                    const Campaign &backOrderCampaign);

// Saving an order as order entry does: its old rows go, it is computed again and its back orders
// are carried forward, all in one transaction. `orderNumber` is the number the order had (0 for a
// new one). Nothing, with the database unchanged, when any step fails.
std::optional<ComputedOrder> saveOrder(cDataAccess &data, const cOption &options, Prompter &prompter,
                                       const OrderRequest &request, int orderNumber);
// The same steps inside a transaction the caller owns (order entry adds its own steps to it).
std::optional<ComputedOrder> writeOrder(cDataAccess &data, const cOption &options, Prompter &prompter,
                                        const OrderRequest &request, int orderNumber);

} // namespace zel
