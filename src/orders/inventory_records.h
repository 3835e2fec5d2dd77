#pragma once

#include "orders/inventory_item.h"

#include <QStringList>

#include <optional>
#include <vector>

namespace zel {

class cDataAccess;

// The inventory screen's rows: which rows a view lists.
struct InventoryView
{
    enum class Filter { All, InStock, Sold, ByProduct };
    Filter filter = Filter::All;
    QString catalogNumber; // for ByProduct
};

// The values of the inventory screen's entry boxes, as typed.
struct InventoryEntry
{
    QString catalogNumber;
    QString description;
    QString shade;
    QString size;
    QString notes;
    QString category;
    QString storageLocation;
    QString quantity;
    QString price;
};

// What Find made of a product number: its stock row, the baseline product to add it from, or
// nothing; `item` holds the values for the entry boxes.
struct InventoryFound
{
    enum class Outcome { StockRow, FromProduct, NotFound, SeveralRows };
    Outcome outcome = Outcome::NotFound;
    InventoryItem item;

    // The text the screen's status shows for the outcome.
    QString status() const;
};

// The result of Add, Update and Delete: done, and the message to show either way.
struct InventoryOutcome
{
    bool done = false;
    QString message;
};

// The inventory screen's work on the Inventory table: find, add, update and delete a product's
// stock row, list the rows of a view, and store grid edits under the rule that a row holds stock
// or a sale, never both.
class InventoryRecords
{
public:
    static const QString kBothQuantities; // a grid edit with stock and a sale on one row
    static const QString kBlankNumber;

    // Removes the rows marked for deletion (done when the screen opens).
    static bool cleanUp(cDataAccess &data);
    // The rows of a view, by product number.
    static std::vector<InventoryItem> load(cDataAccess &data, const InventoryView &view);

    static InventoryFound find(cDataAccess &data, const QString &catalogNumber);
    // A new stock row from the boxes; the quantity must be a number and the price valid.
    static InventoryOutcome add(cDataAccess &data, const InventoryEntry &entry);
    // The product's stock row takes the boxes' values; its sale rows are left alone.
    static InventoryOutcome update(cDataAccess &data, const InventoryEntry &entry);
    // Deletes the product's stock row; its sale rows stay.
    static InventoryOutcome remove(cDataAccess &data, const QString &catalogNumber);

    // The message refusing a grid edit from `before` to `after`; empty when it may be stored.
    static QString checkEdit(const InventoryItem &before, const InventoryItem &after);
    // Inserts a row without rowId (and sets it), or updates the stored row; false when it failed.
    static bool storeRow(cDataAccess &data, InventoryItem &row);

    // The grid's lists: active customers as "First Last", the categories and storage locations in use.
    static QStringList customerNames(cDataAccess &data);
    static QStringList categories(cDataAccess &data);
    static QStringList storageLocations(cDataAccess &data);

private:
    static std::optional<InventoryItem> itemOf(const InventoryEntry &entry, QString *message);
};

} // namespace zel
