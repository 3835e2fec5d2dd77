#pragma once

#include "core/campaign.h"
#include "core/currency.h"

#include <QString>

namespace zel {

class RecordSet;
template <typename T>
class RecordMap;

// One row of the Inventory table: a stock row (a quantity in stock, nothing sold) or a sale row
// (a quantity sold to a customer in a campaign, nothing in stock). The table has no key, so a row
// is told apart by the row it is stored in (rowId).
struct InventoryItem
{
    qint64 rowId = 0; // 0: not stored yet
    QString catalogNumber;
    QString description;
    QString shade;
    QString size;
    QString notes;
    QString category;
    Currency price;
    int quantity = 0; // in stock
    QString storageLocation;
    QString soldToName;
    int soldQuantity = 0;
    int soldYear = 0;
    int soldNumber = 0;
    bool deleteFlag = false;

    bool isStock() const { return soldQuantity == 0; }
    // Description, shade and size in one line, as the grid and the report show the product.
    QString fullProduct() const;
    // What the stock is worth at its price.
    Currency totalPrice() const { return price * quantity; }

    static const RecordMap<InventoryItem> &map();
    static InventoryItem fromRecord(const RecordSet &record);

    bool operator==(const InventoryItem &) const = default;
};

} // namespace zel
