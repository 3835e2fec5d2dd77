#pragma once

#include "orders/order_entry_copy.h"

#include <QWidget>

class QComboBox;
class QListWidget;
class QPushButton;

namespace zel {

class AppState;

// The Copy Order page: pick a campaign and a customer, retrieve the order numbers, and copy one
// order's lines into the order being entered.
class OrderCopyPage : public QWidget
{
    Q_OBJECT
public:
    OrderCopyPage(AppState &state, QWidget *parent = nullptr);

    // Fills the year and customer lists (once, when the page is first shown).
    void fillLists();
    void retrieveOrderNumbers();
    // The chosen source; nothing (after saying what is missing) when the choice is incomplete.
    std::optional<OrderCopy::Source> chosenSource();

    QComboBox *yearBox() const { return m_year; }
    QComboBox *numberBox() const { return m_number; }
    QComboBox *customerBox() const { return m_customer; }
    QListWidget *orderList() const { return m_orders; }
    QPushButton *copyButton() const { return m_copy; }

signals:
    void copyRequested(const OrderCopy::Source &source);

private:
    void showExistingOrders();

    AppState &m_state;
    OrderCopy m_copyRules;
    QComboBox *m_year;
    QComboBox *m_number;
    QComboBox *m_customer;
    QListWidget *m_orders;
    QListWidget *m_existing;
    QPushButton *m_retrieve;
    QPushButton *m_copy;
    bool m_filled = false;
};

} // namespace zel
