#include "orders/inventory_records.h"

#include "db/record_map.h"
#include "orders/product.h"
#include "shell/data_access.h"

namespace zel {

namespace {

const QString kProcedure = QStringLiteral("InventoryRecords");
const QString kSelect = QStringLiteral("Select rowid As [RowId], * From Inventory ");

std::vector<InventoryItem> readItems(cDataAccess &data, const QString &sql, const QVariantList &values)
{
    data.setSQL(sql, values);
    RecordSet records = data.GetSnapShot(kProcedure);
    std::vector<InventoryItem> items;
    while (records.next())
        items.push_back(InventoryItem::fromRecord(records));
    return items;
}

QStringList firstColumn(cDataAccess &data, const QString &sql)
{
    data.setSQL(sql);
    RecordSet records = data.GetSnapShot(kProcedure);
    QStringList out;
    while (records.next())
        out << records.value(0).toString();
    return out;
}

std::optional<Product> baselineProduct(cDataAccess &data, const QString &catalogNumber)
{
    data.setSQL(QStringLiteral("Select * From Products  Where [Products Catalog Number] = ? And [Products Campaign Number] = 0 "
                               "And [Products Campaign Year] = 0 "),
                {catalogNumber});
    RecordSet records = data.GetSnapShot(kProcedure);
    if (!records.next())
        return std::nullopt;
    return Product::fromRecord(records);
}

} // namespace

const QString InventoryRecords::kBothQuantities =
    QStringLiteral("When updating Quantity In Stock or Quantity Sold, One of the quantities must be zero.");
const QString InventoryRecords::kBlankNumber = QStringLiteral("Product Number can not be blank.");

QString InventoryFound::status() const
{
    switch (outcome) {
    case Outcome::StockRow: return QStringLiteral("Ready for Update or Delete");
    case Outcome::FromProduct: return QStringLiteral("Ready for Add");
    case Outcome::SeveralRows: return QStringLiteral("More than 1 row found.  Please use grid to edit.");
    case Outcome::NotFound: break;
    }
    return QStringLiteral("Not found, Use Add to enter a new inventory item.");
}

bool InventoryRecords::cleanUp(cDataAccess &data)
{
    return data.exec(kProcedure, QStringLiteral("Delete From Inventory Where [Inventory Delete Flag] <> 0 "));
}

std::vector<InventoryItem> InventoryRecords::load(cDataAccess &data, const InventoryView &view)
{
    const QString order = QStringLiteral(" Order by [Inventory Catalog Number] ");
    switch (view.filter) {
    case InventoryView::Filter::InStock:
        return readItems(data, kSelect + QStringLiteral("Where [Inventory Qty] > 0 ") + order, {});
    case InventoryView::Filter::Sold:
        return readItems(data, kSelect + QStringLiteral("Where [Inventory Sold To Qty] > 0 ") + order, {});
    case InventoryView::Filter::ByProduct:
        return readItems(data, kSelect + QStringLiteral("Where [Inventory Catalog Number] = ? ") + order, {view.catalogNumber});
    case InventoryView::Filter::All: break;
    }
    return readItems(data, kSelect + order, {});
}

InventoryFound InventoryRecords::find(cDataAccess &data, const QString &catalogNumber)
{
    InventoryFound found;
    const std::vector<InventoryItem> stock = readItems(
        data, kSelect + QStringLiteral("Where [Inventory Catalog Number] = ? And [Inventory Sold To Qty] = 0 "), {catalogNumber});
    if (stock.size() > 1) {
        found.outcome = InventoryFound::Outcome::SeveralRows;
        return found;
    }
    if (stock.size() == 1) {
        found.outcome = InventoryFound::Outcome::StockRow;
        found.item = stock.front();
        return found;
    }
    found.item.catalogNumber = catalogNumber;
    if (const std::optional<Product> product = baselineProduct(data, catalogNumber)) {
        found.outcome = InventoryFound::Outcome::FromProduct;
        found.item.description = product->description;
        found.item.shade = product->shade;
        found.item.size = product->size;
        found.item.notes = product->notes;
        found.item.price = product->regPrice;
    }
    return found;
}

std::optional<InventoryItem> InventoryRecords::itemOf(const InventoryEntry &entry, QString *message)
{
    if (entry.catalogNumber.trimmed().isEmpty()) {
        *message = kBlankNumber;
        return std::nullopt;
    }
    bool isNumber = false;
    const int quantity = entry.quantity.trimmed().toInt(&isNumber);
    if (!isNumber) {
        *message = QStringLiteral("Please enter a number in Quantity");
        return std::nullopt;
    }
    const std::optional<Currency> price = Currency::fromString(entry.price.trimmed());
    if (!price || !price->isPlausible()) {
        *message = QStringLiteral("Please enter a valid price.");
        return std::nullopt;
    }
    InventoryItem item;
    item.catalogNumber = entry.catalogNumber.trimmed();
    item.description = entry.description;
    item.shade = entry.shade;
    item.size = entry.size;
    item.notes = entry.notes;
    item.category = entry.category;
    item.storageLocation = entry.storageLocation;
    item.quantity = quantity;
    item.price = *price;
    return item;
}

InventoryOutcome InventoryRecords::add(cDataAccess &data, const InventoryEntry &entry)
{
    QString message;
    std::optional<InventoryItem> item = itemOf(entry, &message);
    if (!item)
        return {false, message};
    if (!storeRow(data, *item))
        return {false, QStringLiteral("The inventory item could not be added.")};
    return {true, QStringLiteral("Add Complete.")};
}

InventoryOutcome InventoryRecords::update(cDataAccess &data, const InventoryEntry &entry)
{
    QString message;
    const std::optional<InventoryItem> item = itemOf(entry, &message);
    if (!item)
        return {false, message};
    const QStringList set = {QStringLiteral("Inventory Description"), QStringLiteral("Inventory Shade Color Fragrance"),
                             QStringLiteral("Inventory Size"), QStringLiteral("Inventory Qty"), QStringLiteral("Inventory Notes"),
                             QStringLiteral("Inventory Category"), QStringLiteral("Inventory Storage Location"),
                             QStringLiteral("Inventory Price")};
    const QStringList keys = {QStringLiteral("Inventory Catalog Number"), QStringLiteral("Inventory Sold To Qty")};
    const RecordMap<InventoryItem> &map = InventoryItem::map();
    if (!data.exec(kProcedure, map.updateSql(QStringLiteral("Inventory"), set, keys), map.values(*item, set + keys)))
        return {false, QStringLiteral("The inventory item could not be updated.")};
    return {true, QStringLiteral("Update Complete.")};
}

InventoryOutcome InventoryRecords::remove(cDataAccess &data, const QString &catalogNumber)
{
    if (catalogNumber.trimmed().isEmpty())
        return {false, kBlankNumber};
    if (!data.exec(kProcedure, QStringLiteral("Delete From Inventory  Where [Inventory Catalog Number] = ? And "
                                              "[Inventory Sold To Qty] = 0 "),
                   {catalogNumber.trimmed()}))
        return {false, QStringLiteral("The inventory item could not be deleted.")};
    return {true, QStringLiteral("Delete Complete.")};
}

QString InventoryRecords::checkEdit(const InventoryItem &before, const InventoryItem &after)
{
    if (after.catalogNumber.trimmed().isEmpty())
        return kBlankNumber;
    const bool quantityChanged = before.quantity != after.quantity || before.soldQuantity != after.soldQuantity;
    if (quantityChanged && after.quantity != 0 && after.soldQuantity != 0)
        return kBothQuantities;
    return {};
}

bool InventoryRecords::storeRow(cDataAccess &data, InventoryItem &row)
{
    const RecordMap<InventoryItem> &map = InventoryItem::map();
    if (row.rowId != 0)
        return data.exec(kProcedure, map.updateSql(QStringLiteral("Inventory"), map.columns(), {}) + QStringLiteral(" Where rowid = ?"),
                         map.values(row) << row.rowId);
    if (!data.exec(kProcedure, map.insertSql(QStringLiteral("Inventory")), map.values(row)))
        return false;
    row.rowId = data.scalar(kProcedure, QStringLiteral("Select last_insert_rowid()")).toLongLong();
    return true;
}

QStringList InventoryRecords::customerNames(cDataAccess &data)
{
    return firstColumn(data, QStringLiteral("Select Trim(Coalesce([Customers First Name], '') || ' ' || Coalesce([Customers Last Name], '')) as FirstLastName "
                                            "From Customers Where [Customers Status] = 'Active' "
                                            "Order by [Customers First Name] || ' ' || [Customers Last Name] "));
}

QStringList InventoryRecords::categories(cDataAccess &data)
{
    return firstColumn(data, QStringLiteral("Select Distinct [Inventory Category] From Inventory Where "
                                            "Trim([Inventory Category]) <> ''  Order by [Inventory Category] "));
}

QStringList InventoryRecords::storageLocations(cDataAccess &data)
{
    return firstColumn(data, QStringLiteral("Select Distinct [Inventory Storage Location] From Inventory Where "
                                            "Trim([Inventory Storage Location]) <> '' Order by [Inventory Storage Location] "));
}

} // namespace zel
