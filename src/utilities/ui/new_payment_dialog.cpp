#include "utilities/ui/new_payment_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>

namespace zel {

NewPaymentDialog::NewPaymentDialog(PaymentPosting &posting, const Campaign &campaign, QWidget *parent)
    : QDialog(parent), m_posting(posting), m_campaign(campaign), m_customer(new QComboBox(this)), m_order(new QComboBox(this))
{
    setWindowTitle(QStringLiteral("New Payment"));
    auto *form = new QFormLayout(this);
    form->addRow(QStringLiteral("&Customer"), m_customer);
    form->addRow(QStringLiteral("&Order"), m_order);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    for (const PayingCustomer &c : posting.payingCustomers(campaign))
        m_customer->addItem(QStringLiteral("%1, %2 (%3)").arg(c.lastName.trimmed(), c.firstName.trimmed()).arg(c.number), c.number);
    connect(m_customer, &QComboBox::currentIndexChanged, this, &NewPaymentDialog::fillOrders);
    fillOrders();
}

int NewPaymentDialog::customer() const
{
    return m_customer->currentData().toInt();
}

std::optional<OrderChoice> NewPaymentDialog::choice() const
{
    const int index = m_order->currentIndex();
    if (index < 0 || index >= int(m_choices.size()))
        return std::nullopt;
    return m_choices[size_t(index)];
}

void NewPaymentDialog::fillOrders()
{
    m_order->clear();
    m_choices = customer() > 0 ? m_posting.orderChoices(customer(), m_campaign) : std::vector<OrderChoice>{};
    for (const OrderChoice &c : m_choices)
        m_order->addItem(QStringLiteral("%1   %2   %3").arg(c.order).arg(c.total.toCurrencyText()).arg(c.type));
}

} // namespace zel
