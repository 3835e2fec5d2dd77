#pragma once

#include "orders/order_entry.h"

#include <QWidget>

class QComboBox;
class QSpinBox;

namespace zel {

// The back-order page: where back-ordered and shorted lines go, and the customer's points.
class OrderBackOrderPage : public QWidget
{
    Q_OBJECT
public:
    explicit OrderBackOrderPage(QWidget *parent = nullptr);

    void load(const OrderHeader &header, const Campaign &current, int lastNumberOfYear);
    void read(OrderHeader &header) const;
    bool isModified() const { return m_modified; }

    QComboBox *yearBox() const { return m_year; }
    QComboBox *numberBox() const { return m_number; }
    QSpinBox *pointsBox(int index) const { return m_points[index]; }

private:
    QComboBox *m_year;
    QComboBox *m_number;
    QSpinBox *m_points[9];
    bool m_modified = false;
};

} // namespace zel
