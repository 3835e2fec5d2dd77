#pragma once

#include "orders/inventory_records.h"
#include "shell/ui/screen_base.h"

class QGridLayout;
class QLabel;
class QLineEdit;

namespace zel {

class InventoryModel;
class RecordGridView;

// Zel_Inventory: the representative's stock and what she sold from it. The boxes find, add,
// update and delete a product's stock row; the grid shows the rows of the chosen filter and
// stores its edits at once. Rows marked for deletion go when the screen opens.
class InventoryScreen : public ScreenBase
{
    Q_OBJECT
public:
    explicit InventoryScreen(AppState &state, QWidget *parent = nullptr);

    InventoryModel *model() const { return m_model; }
    RecordGridView *grid() const { return m_grid; }
    QLineEdit *box(const QString &name) const;
    QString statusText() const;

    void find();
    void add();
    void update();
    void remove();
    void reset();
    void showRows(const InventoryView &view);
    // Asks for a product number and shows its rows.
    void filterByProduct();
    void stepCampaign(bool forward);
    // The inventory report of the rows the filter shows (sales or stock), previewed or printed.
    void printReport(bool preview);

private:
    void buildMenus();
    void buildEntry(QGridLayout *entry);
    void fillBoxes(const InventoryItem &item);
    InventoryEntry entry() const;
    void afterChange(const InventoryOutcome &outcome);
    void updateTitle();

    InventoryModel *m_model;
    RecordGridView *m_grid;
    QLabel *m_status;
    QLabel *m_campaign;
    InventoryView m_view;
};

} // namespace zel
