#include "utilities/ui/handheld_orders_page.h"

#include "exchange/handheld_orders.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zel {

namespace {

QPushButton *button(const QString &caption, const char *name, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

HandheldOrdersPage::HandheldOrdersPage(AppState &state, QWidget *parent) : UtilityPage(state, parent), m_list(new QListWidget(this))
{
    auto *layout = new QVBoxLayout(this);
    auto *about = new QLabel(QStringLiteral("Orders taken on a handheld device wait in this database until they are imported. "
                                            "Validate them first: the list shows every waiting order and any problem with it. "
                                            "Importing saves each one as an order of its customer, with its payment."),
                             this);
    about->setWordWrap(true);
    layout->addWidget(about);

    auto *buttons = new QHBoxLayout;
    auto *validate = button(QStringLiteral("&Validate PDA Orders"), "cmdValidatePDA", this);
    auto *import = button(QStringLiteral("&Import PDA Orders"), "cmdImportPDA", this);
    auto *reset = button(QStringLiteral("&Test Only - Reset Order Processed Flag to False"), "cmdResetPDA", this);
    connect(validate, &QPushButton::clicked, this, &HandheldOrdersPage::validate);
    connect(import, &QPushButton::clicked, this, &HandheldOrdersPage::importOrders);
    connect(reset, &QPushButton::clicked, this, &HandheldOrdersPage::resetProcessed);
    buttons->addWidget(validate);
    buttons->addWidget(import);
    buttons->addStretch();
    buttons->addWidget(reset);
    layout->addLayout(buttons);

    auto *label = new QLabel(QStringLiteral("&Waiting Orders"), this);
    label->setBuddy(m_list);
    m_list->setObjectName(QStringLiteral("lstPDAOrders"));
    layout->addWidget(label);
    layout->addWidget(m_list, 1);
    setTabOrder(validate, import);
    setTabOrder(import, reset);
    setTabOrder(reset, m_list);
}

void HandheldOrdersPage::validate()
{
    m_list->clear();
    m_list->addItems(exchange::HandheldOrders(state()).validate().lines);
}

void HandheldOrdersPage::importOrders()
{
    if (exchange::HandheldOrders(state()).import())
        m_list->clear();
}

void HandheldOrdersPage::resetProcessed()
{
    exchange::HandheldOrders(state()).resetProcessed();
}

} // namespace zel
