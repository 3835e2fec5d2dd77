#pragma once

#include "orders/order_entry.h"
#include "orders/order_entry_copy.h"
#include "shell/ui/screen_base.h"

#include <functional>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTabWidget;

namespace zel {

class AppState;
class OrderBackOrderPage;
class OrderCopyPage;
class OrderGridView;
class OrderHeaderPanel;
class OrderLinesModel;

// Zel_Order: one customer's order of a campaign, typed line by line. The lines live in the grid
// (and the work table) until Save computes and stores the whole order; Cancel leaves it as it was.
class OrderScreen : public ScreenBase
{
    Q_OBJECT
public:
    // `orderNumber` 0 opens a new order.
    OrderScreen(AppState &state, int customer, const Campaign &campaign, int orderNumber, QWidget *parent = nullptr);
    ~OrderScreen() override;

    // The number the order was saved under; 0 when it was not saved (or was removed).
    int savedOrderNumber() const { return m_savedOrderNumber; }
    // Opens the purchase histories (customer 0: all customers); until set, the two Misc entries
    // that use it are hidden.
    void setHistoryOpener(std::function<void(int customer)> open);

    // The commands, as the menus and buttons run them.
    bool save();
    bool printAndSave(bool preview);
    void cancel();
    void deleteOrder();
    void markCurrentRow(const QString &flag);
    void updateInventory();
    void updateExpenses();
    void copyOrder(const OrderCopy::Source &source);

    OrderLinesModel *model() const { return m_model; }
    OrderGridView *grid() const { return m_grid; }
    OrderHeaderPanel *headerPanel() const { return m_header; }
    OrderBackOrderPage *backOrderPage() const { return m_backOrders; }
    OrderCopyPage *copyPage() const { return m_copy; }
    QTabWidget *tabs() const { return m_tabs; }
    QPushButton *saveButton() const { return m_saveButton; }
    QString statusText() const;
    QAction *columnAction(int column) const;

    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildMenus();
    void buildColumnsMenu(QMenu *menu);
    void buildMiscMenu(QMenu *menu);
    QWidget *buildEntryPage();
    QWidget *buildButtons();
    void load();
    void showRunningTotal();
    void setColumnShown(int column, bool shown);
    void setMultipleLines(bool multiple);
    QModelIndex nextCell(const QModelIndex &from) const;
    bool finishTyping();
    std::optional<OrderHeader> readHeader();
    bool isChanged() const;
    void closeScreen(int result);

    std::unique_ptr<OrderEntry> m_entry;
    OpenedOrder m_opened;
    OrderHeader m_reserved; // the "//" reservation typed in the grid
    OrderLinesModel *m_model;
    OrderGridView *m_grid;
    OrderHeaderPanel *m_header;
    OrderBackOrderPage *m_backOrders;
    OrderCopyPage *m_copy;
    QTabWidget *m_tabs;
    QPushButton *m_saveButton = nullptr;
    QLabel *m_status;
    QString m_catalogNote; // shown after the running total until the next catalog number
    QLabel *m_entered;
    QLabel *m_modified;
    QLabel *m_balance;
    QAction *m_historiesAll = nullptr;
    QAction *m_historiesCustomer = nullptr;
    std::vector<std::pair<int, QAction *>> m_columnActions;
    std::function<void(int)> m_openHistory;
    int m_savedOrderNumber = 0;
    bool m_mayClose = false;
    bool m_warned = false;
};

} // namespace zel
