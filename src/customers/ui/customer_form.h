#pragma once

#include "customers/customer.h"
#include "shell/ui/form_binder.h"

#include <QWidget>

class QComboBox;
class QFormLayout;
class QLineEdit;

namespace zel {

class AppState;

namespace customers {

// The customer screen's main page: name, both addresses, contact data, percentages, switches and
// the free-entry lists, with the checks made on leaving a field.
class CustomerForm : public QWidget
{
    Q_OBJECT
public:
    CustomerForm(AppState &state, QWidget *parent = nullptr);

    // Refills the lists with the values in use, then shows the customer.
    void load(const Customer &customer, bool isNew);
    // Puts the fields into `customer`; the message when one cannot be used.
    QString read(Customer &customer) const;

    QLineEdit *firstName() const { return m_first; }
    QLineEdit *lastName() const { return m_last; }
    QLineEdit *discount() const { return m_discount; }
    QComboBox *city() const { return m_city; }
    QComboBox *state() const { return m_state; }
    QComboBox *zipCode() const { return m_zip; }

    // The checks made on leaving a field, callable on their own.
    void checkDuplicates();
    void checkPercent(QLineEdit *edit, const QString &what);
    void completePlace(int address, int entered);

signals:
    void nameChanged(const QString &first, const QString &last);

private:
    QLineEdit *edit(QFormLayout *layout, const QString &caption, QString Customer::*member, int maxLength);
    QComboBox *list(QFormLayout *layout, const QString &caption, QString Customer::*member, const QStringList &fixed = {});
    QLineEdit *percent(QFormLayout *layout, const QString &caption, Currency Customer::*member, const QString &what);
    void fillLists();
    QWidget *addressBox(int address);

    AppState &m_app;
    FormBinder<Customer> m_binder;
    std::vector<std::pair<QComboBox *, int>> m_lists; // list and its ChoiceList
    QLineEdit *m_first = nullptr, *m_last = nullptr, *m_discount = nullptr;
    QComboBox *m_city = nullptr, *m_state = nullptr, *m_zip = nullptr;
    QComboBox *m_city2 = nullptr, *m_state2 = nullptr, *m_zip2 = nullptr;
    int m_number = 0;
    bool m_isNew = false;
};

} // namespace customers
} // namespace zel
