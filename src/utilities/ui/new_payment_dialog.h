#pragma once

#include "payments/payment_posting.h"

#include <QDialog>

class QComboBox;

namespace zel {

// Starts a payment on file: the customer (of those with orders in the campaign), then one of her
// orders or its "Extra" number.
class NewPaymentDialog : public QDialog
{
    Q_OBJECT
public:
    NewPaymentDialog(PaymentPosting &posting, const Campaign &campaign, QWidget *parent = nullptr);

    QComboBox *customerBox() const { return m_customer; }
    QComboBox *orderBox() const { return m_order; }
    int customer() const;
    std::optional<OrderChoice> choice() const;

private:
    void fillOrders();

    PaymentPosting &m_posting;
    Campaign m_campaign;
    std::vector<OrderChoice> m_choices;
    QComboBox *m_customer;
    QComboBox *m_order;
};

} // namespace zel
