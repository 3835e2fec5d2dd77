#include "orders/inventory_item.h"

#include "db/record_map.h"

#include <QStringList>

namespace zel {

// An empty shade or size leaves no double space behind.
QString InventoryItem::fullProduct() const
{
    QStringList parts;
    for (const QString &part : {description.trimmed(), shade.trimmed(), size.trimmed()})
        if (!part.isEmpty())
            parts << part;
    return parts.join(QLatin1Char(' '));
}

const RecordMap<InventoryItem> &InventoryItem::map()
{
    static const RecordMap<InventoryItem> map(QStringLiteral("Inventory"), {
        field("Inventory Catalog Number", &InventoryItem::catalogNumber),
        field("Inventory Description", &InventoryItem::description),
        field("Inventory Shade Color Fragrance", &InventoryItem::shade),
        field("Inventory Size", &InventoryItem::size),
        field("Inventory Notes", &InventoryItem::notes),
        field("Inventory Category", &InventoryItem::category),
        field("Inventory Price", &InventoryItem::price),
        field("Inventory Qty", &InventoryItem::quantity),
        field("Inventory Storage Location", &InventoryItem::storageLocation),
        field("Inventory Sold To Name", &InventoryItem::soldToName),
        field("Inventory Sold To Qty", &InventoryItem::soldQuantity),
        field("Inventory Sold To Campaign Year", &InventoryItem::soldYear),
        field("Inventory Sold to Campaign Number", &InventoryItem::soldNumber),
        field("Inventory Delete Flag", &InventoryItem::deleteFlag),
    });
    return map;
}

InventoryItem InventoryItem::fromRecord(const RecordSet &record)
{
    InventoryItem item = map().read(record);
    item.rowId = record.value(QStringLiteral("RowId")).toLongLong();
    return item;
}

} // namespace zel
