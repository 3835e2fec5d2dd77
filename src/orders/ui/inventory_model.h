#pragma once

#include "orders/inventory_item.h"
#include "shell/ui/record_grid_model.h"

namespace zel {

class cDataAccess;

// The inventory grid: each edit is checked (a product number, stock or a sale but not both) and
// stored at once.
class InventoryModel : public RecordGridModel<InventoryItem>
{
    Q_OBJECT
public:
    enum Column { CatalogNumber, Description, Shade, Size, Notes, Category, Location, Price, Quantity, TotalPrice,
                  SoldTo, SoldQuantity, SoldYear, SoldNumber, Delete, ColumnCount };

    InventoryModel(cDataAccess &data, std::function<void(const QString &)> tell, QObject *parent = nullptr);

signals:
    void stored();

protected:
    bool commit(int row, InventoryItem edited, int column) override;

private:
    cDataAccess &m_data;
};

} // namespace zel
