#pragma once

#include <optional>

#include "core/campaign.h"
#include "core/currency.h"

#include <QString>

namespace zel {

class cDataAccess;
struct OrderRow;

// What order entry does to the stock: sell a line's quantity from it, put a line's quantity into it,
// and correct the count on hand when a line sold from stock changes.
class InventoryAdjustment
{
public:
    explicit InventoryAdjustment(cDataAccess &data) : m_data(data) {}

    // The stock of a product in any of its three catalog-number forms.
    int inStock(const QString &catalogNumber);
    // Ms_Adjust_Inventory: takes `quantity` from the first stock row of the product for the customer
    // (named first and last) in the campaign; a row holding less gives all it has. Returns how many
    // were taken, or nothing when there is no stock row or a statement failed.
    std::optional<int> Ms_Adjust_Inventory(const QString &catalogNumber, int quantity, const QString &customerName,
                                           const Campaign &campaign);
    // Ms_Update_Inventory: adds the line's quantity to its unsold stock row, or makes one.
    bool Ms_Update_Inventory(const OrderRow &line);
    // Moves the baseline product's count on hand by `difference`.
    bool adjustOnHand(const QString &catalogNumber, int difference);

    static QString updateQuestion(const OrderRow &line);
    static inline const QString kNeedsQuantity =
        QStringLiteral("Order Quantity must be greater than zero to add to Inventory.");

private:
    bool addSaleRow(int fromRow, int quantity, const QString &customerName, const Campaign &campaign);

    cDataAccess &m_data;
};

} // namespace zel
