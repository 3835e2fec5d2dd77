#pragma once

#include "orders/order_entry.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;

namespace zel {

class cOption;

// The order's own fields beside its lines: the five switches, the order discount, the special
// charge, the order date, the summarized and delivered marks and the expense category.
class OrderHeaderPanel : public QWidget
{
    Q_OBJECT
public:
    explicit OrderHeaderPanel(QWidget *parent = nullptr);

    void load(const OpenedOrder &order, const cOption &options, const QStringList &expenseCategories);
    // Fills the fields of `header` this panel holds; the message when a field cannot be used (that
    // field then has the focus).
    QString read(OrderHeader &header) const;
    QString expenseCategory() const;
    bool isModified() const { return m_modified; }

    QCheckBox *switchBox(int index) const { return m_switches[index]; }
    QLineEdit *discountEdit() const { return m_discount; }
    QLineEdit *chargeAmountEdit() const { return m_chargeAmount; }
    QCheckBox *summarizedBox() const { return m_summarized; }
    QCheckBox *deliveredBox() const { return m_delivered; }

signals:
    void changed();

private:
    void watch();

    QCheckBox *m_switches[5];
    QLineEdit *m_discount;
    QLineEdit *m_chargeDescription;
    QLineEdit *m_chargeAmount;
    QDateEdit *m_date;
    QCheckBox *m_summarized;
    QCheckBox *m_delivered;
    QComboBox *m_category;
    QDateTime m_loadedDate;
    bool m_modified = false;
};

} // namespace zel
