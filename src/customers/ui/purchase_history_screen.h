#pragma once

#include "customers/purchase_history.h"
#include "shell/ui/screen_base.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace zel {

class AppState;
class RecordGridView;
template <class Record>
class RecordGridModel;

namespace customers {

// Zel_History: which customers bought a product, and when. Criteria above, the matching order
// lines below in a grid that sorts by any column.
class PurchaseHistoryScreen : public ScreenBase
{
    Q_OBJECT
public:
    // `customer` 0 looks at every customer.
    PurchaseHistoryScreen(AppState &state, int customer, QWidget *parent = nullptr);
    ~PurchaseHistoryScreen() override;

    void search();
    HistoryCriteria criteria() const;
    int rowCount() const;
    QComboBox *productBox() const { return m_product; }
    QLineEdit *quickBox() const { return m_quick; }
    QCheckBox *currentBox() const { return m_current; }
    RecordGridModel<HistoryLine> *model() const { return m_model; }

private:
    QComboBox *list(HistoryColumn column);

    int m_customer;
    QComboBox *m_catalog, *m_product, *m_shade, *m_size;
    QLineEdit *m_quick;
    QCheckBox *m_current;
    QLabel *m_count;
    RecordGridModel<HistoryLine> *m_model;
    RecordGridView *m_grid;
};

} // namespace customers
} // namespace zel
