#include "orders/ui/inventory_model.h"

#include "orders/inventory_records.h"

namespace zel {

namespace {

std::vector<GridColumn<InventoryItem>> inventoryColumns()
{
    using namespace grid;
    const QString number = QStringLiteral("Please enter a whole number.");
    const QString price = QStringLiteral("Please enter a valid price.");
    GridColumn<InventoryItem> total{QStringLiteral("Total Price"), GridKind::Money,
                                    [](const InventoryItem &i) { return QVariant::fromValue(i.totalPrice()); }, nullptr};
    return {text(QStringLiteral("Product Number"), &InventoryItem::catalogNumber, 10),
            text(QStringLiteral("Description"), &InventoryItem::description, 255).withWidth(170),
            text(QStringLiteral("Shade Fragrance"), &InventoryItem::shade, 255).withWidth(110),
            text(QStringLiteral("Size"), &InventoryItem::size, 255),
            text(QStringLiteral("Notes"), &InventoryItem::notes, 255).withWidth(110),
            text(QStringLiteral("Category"), &InventoryItem::category, 255).withWidth(100),
            text(QStringLiteral("Storage Location"), &InventoryItem::storageLocation, 255).withWidth(110),
            money(QStringLiteral("Price"), &InventoryItem::price, price),
            whole(QStringLiteral("Qty In Stock"), &InventoryItem::quantity, number),
            total,
            text(QStringLiteral("Sold To"), &InventoryItem::soldToName, 255).withWidth(130),
            whole(QStringLiteral("Qty Sold"), &InventoryItem::soldQuantity, number),
            whole(QStringLiteral("Sold Year"), &InventoryItem::soldYear, number),
            whole(QStringLiteral("Sold Campaign"), &InventoryItem::soldNumber, number),
            flag(QStringLiteral("Delete"), &InventoryItem::deleteFlag)};
}

} // namespace

InventoryModel::InventoryModel(cDataAccess &data, std::function<void(const QString &)> tell, QObject *parent)
    : RecordGridModel<InventoryItem>(inventoryColumns(), std::move(tell), parent), m_data(data)
{
}

bool InventoryModel::commit(int row, InventoryItem edited, int column)
{
    Q_UNUSED(column)
    if (const QString refused = InventoryRecords::checkEdit(record(row), edited); !refused.isEmpty()) {
        tell(refused);
        return false;
    }
    if (!InventoryRecords::storeRow(m_data, edited))
        return false;
    replaceRow(row, std::move(edited), false);
    emit stored();
    return true;
}

} // namespace zel
