#include "orders/ui/order_copy_page.h"

#include "core/prompter.h"
#include "session/app_state.h"
#include "shell/ui/buddy_label.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zel {

OrderCopyPage::OrderCopyPage(AppState &state, QWidget *parent)
    : QWidget(parent), m_state(state), m_copyRules(state), m_year(new QComboBox(this)), m_number(new QComboBox(this)),
      m_customer(new QComboBox(this)), m_orders(new QListWidget(this)), m_existing(new QListWidget(this)),
      m_retrieve(new QPushButton(QStringLiteral("&Retrieve Order Numbers"), this)),
      m_copy(new QPushButton(QStringLiteral("Cop&y Order"), this))
{
    auto *layout = new QHBoxLayout(this);
    auto *left = new QVBoxLayout;
    auto *hint = new QLabel(QStringLiteral("First select #### year, #### number and customer. Then click RETRIEVE ORDER NUMBERS.  "
                                           "Select the order to copy from and click COPY ORDER."),
                            this);
    hint->setWordWrap(true);
    left->addWidget(hint);
    auto *form = new QFormLayout;
    form->addRow(buddyLabel(QStringLiteral("#### Ye&ar"), m_year, this), m_year);
    form->addRow(buddyLabel(QStringLiteral("#### N&umber"), m_number, this), m_number);
    m_customer->setEditable(false);
    form->addRow(buddyLabel(QStringLiteral("Cus&tomer"), m_customer, this), m_customer);
    left->addLayout(form);
    left->addWidget(m_retrieve);
    left->addWidget(buddyLabel(QStringLiteral("&Which Order"), m_orders, this));
    m_orders->setAccessibleName(QStringLiteral("Which Order"));
    left->addWidget(m_orders, 1);
    left->addWidget(m_copy);
    layout->addLayout(left, 1);

    auto *right = new QVBoxLayout;
    right->addWidget(buddyLabel(QStringLiteral("Existin&g Orders (Year  #### #  Order #)"), m_existing, this));
    m_existing->setAccessibleName(QStringLiteral("Existing Orders"));
    right->addWidget(m_existing, 1);
    layout->addLayout(right, 1);

    for (int number = 1; number <= 30; ++number)
        m_number->addItem(QString::number(number), number);
    connect(m_retrieve, &QPushButton::clicked, this, &OrderCopyPage::retrieveOrderNumbers);
    connect(m_customer, &QComboBox::currentIndexChanged, this, &OrderCopyPage::showExistingOrders);
    connect(m_copy, &QPushButton::clicked, this, [this] {
        if (const std::optional<OrderCopy::Source> source = chosenSource())
            emit copyRequested(*source);
    });
}

void OrderCopyPage::fillLists()
{
    if (m_filled)
        return;
    m_filled = true;
    for (const int year : m_copyRules.years())
        m_year->addItem(QString::number(year), year);
    m_year->setCurrentIndex(m_year->findData(m_state.options.CurrentCampaignYear));
    m_number->setCurrentIndex(m_number->findData(m_state.options.CurrentCampaignNumber));
    const QSignalBlocker quiet(m_customer);
    for (const OrderCopy::CustomerChoice &customer : m_copyRules.customers())
        m_customer->addItem(QStringLiteral("%1 (%2)").arg(customer.name).arg(customer.number), customer.number);
    m_customer->setCurrentIndex(-1);
}

void OrderCopyPage::showExistingOrders()
{
    m_existing->clear();
    m_orders->clear();
    if (m_customer->currentIndex() < 0)
        return;
    const std::vector<OrderCopy::Source> orders = m_copyRules.existingOrders(m_customer->currentData().toInt());
    if (orders.empty())
        m_existing->addItem(QStringLiteral("No Existing Orders"));
    for (const OrderCopy::Source &order : orders)
        m_existing->addItem(QStringLiteral("%1  %2  %3").arg(order.campaign.year).arg(order.campaign.number, 2).arg(order.order, 3));
}

void OrderCopyPage::retrieveOrderNumbers()
{
    m_orders->clear();
    if (m_customer->currentIndex() < 0) {
        m_state.prompter.information(QStringLiteral("Please Select a Customer."));
        return;
    }
    const std::optional<std::vector<int>> orders = m_copyRules.orderNumbers(
        m_customer->currentData().toInt(), m_year->currentData().toInt(), m_number->currentData().toInt());
    if (!orders)
        return;
    for (const int order : *orders) {
        auto *item = new QListWidgetItem(QStringLiteral("Order %1").arg(order), m_orders);
        item->setData(Qt::UserRole, order);
    }
    m_orders->setCurrentRow(0);
    m_orders->setFocus();
}

std::optional<OrderCopy::Source> OrderCopyPage::chosenSource()
{
    if (!m_orders->currentItem() || m_customer->currentIndex() < 0) {
        m_state.prompter.information(QStringLiteral("No order found."));
        return std::nullopt;
    }
    return OrderCopy::Source{m_customer->currentData().toInt(),
                             {m_year->currentData().toInt(), m_number->currentData().toInt()},
                             m_orders->currentItem()->data(Qt::UserRole).toInt()};
}

} // namespace zel
