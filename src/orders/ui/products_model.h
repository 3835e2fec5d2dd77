#pragma once

#include "orders/product.h"
#include "shell/ui/record_grid_model.h"

namespace zel {

class cDataAccess;

// The catalogue grid: products as rows, each edit checked and stored at once. A row added for data
// entry stays pending until its product number is typed.
class ProductsModel : public RecordGridModel<Product>
{
    Q_OBJECT
public:
    enum Column { Year, Number, CatalogNumber, EarningsFlag, Page, Description, Shade, Size, Notes, Tax1, Tax2,
                  UnitPrice, SpecialPrice, RegPrice, Delete, BaselineUpdate, ColumnCount };

    ProductsModel(cDataAccess &data, std::function<void(const QString &)> tell, QObject *parent = nullptr);

    void setProducts(std::vector<Product> products) { setRows(std::move(products)); }
    const Product &product(int row) const { return record(row); }
    // Adds a blank row of a campaign (0/0 for the baseline) for data entry; returns its index.
    int addBlankRow(const Campaign &campaign);
    // The first data-entry row that holds typed values but no product number yet, so nothing of it
    // is stored; -1 when there is none.
    int firstUnsavedRow() const;
    // Forgets the data-entry rows that were never stored.
    void dropPendingRows();

signals:
    void stored(); // a row reached the database

protected:
    bool commit(int row, Product edited, int column) override;

private:
    cDataAccess &m_data;
};

} // namespace zel
