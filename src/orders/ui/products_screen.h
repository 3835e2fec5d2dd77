#pragma once

#include "orders/product_catalogue.h"

#include "shell/ui/screen_base.h"

class QLabel;
class QLineEdit;
class QTableView;

namespace zel {

class AppState;
class GridDelegate;
class ProductsModel;
class RecordGridView;

// Zel_Products: the product catalogue of every campaign and the baseline, to browse, filter, edit,
// add and copy. Closing it carries the edited rows into their baselines.
class ProductsScreen : public ScreenBase
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
    QTableView *grid() const;
    GridDelegate *delegate() const;
    QLineEdit *productNumberBox() const { return m_newNumber; }

protected:
    bool confirmClose() override;
    void finishClosing() override;

private:
    void buildMenus();
    void updateTitle();

    ProductsModel *m_model;
    RecordGridView *m_grid;
    QLineEdit *m_newNumber;
    QLabel *m_campaign;
};

} // namespace zel
