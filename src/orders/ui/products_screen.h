#pragma once

#include "orders/product_catalogue.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QTableView;

namespace zel {

class AppState;
class ProductsDelegate;
class ProductsModel;

// Zel_Products: the product catalogue of every campaign and the baseline, to browse, filter, edit,
// add and copy. Closing it carries the edited rows into their baselines.
class ProductsScreen : public QDialog
{
    Q_OBJECT
public:
    explicit ProductsScreen(AppState &state, QWidget *parent = nullptr);

    void show(const ProductQuery &query);
    void showCurrentCampaign();
    void stepCampaign(bool forward);
    void addProduct();
    void startDataEntry(bool baseline);
    void filter(catalogue::Filter filter);
    void copyProducts();

    ProductsModel *model() const { return m_model; }
    QTableView *grid() const { return m_grid; }
    ProductsDelegate *delegate() const { return m_delegate; }
    QLineEdit *productNumberBox() const { return m_newNumber; }

protected:
    void done(int result) override;

private:
    void buildMenus();
    void updateTitle();
    void fitColumns();
    bool confirmClose();

    AppState &m_state;
    ProductsModel *m_model;
    QTableView *m_grid;
    ProductsDelegate *m_delegate;
    QLineEdit *m_newNumber;
    QLabel *m_campaign;
    bool m_closing = false;
};

} // namespace zel
