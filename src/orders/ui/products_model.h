#pragma once

#include "orders/product.h"

#include <QAbstractTableModel>

#include <functional>
#include <optional>
#include <vector>

namespace zel {

class cDataAccess;

// The catalogue grid: products as rows, each edit checked and stored at once. A row added for data
// entry stays pending until its product number is typed.
class ProductsModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { Year, Number, CatalogNumber, EarningsFlag, Page, Description, Shade, Size, Notes, Tax1, Tax2,
                  UnitPrice, SpecialPrice, RegPrice, Delete, BaselineUpdate, ColumnCount };

    ProductsModel(cDataAccess &data, std::function<void(const QString &)> tell, QObject *parent = nullptr);

    void setProducts(std::vector<Product> products);
    const Product &product(int row) const { return m_rows.at(row).product; }
    bool isPending(int row) const { return m_rows.at(row).pending; }
    // Adds a blank row of a campaign (0/0 for the baseline) for data entry; returns its index.
    int addBlankRow(const Campaign &campaign);
    // The first data-entry row that holds typed values but no product number yet, so nothing of it
    // is stored; -1 when there is none.
    int firstUnsavedRow() const;
    // Forgets the data-entry rows that were never stored.
    void dropPendingRows();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    void sort(int column, Qt::SortOrder order) override;

signals:
    void stored(); // a row reached the database

private:
    struct Row
    {
        Product product;
        bool pending = false;
    };
    // Applies one cell to a copy of the row; returns the message when the value cannot be used.
    QString apply(Product &product, int column, const QVariant &value) const;
    bool store(int row, Product edited);

    cDataAccess &m_data;
    std::function<void(const QString &)> m_tell;
    std::vector<Row> m_rows;
};

} // namespace zel
