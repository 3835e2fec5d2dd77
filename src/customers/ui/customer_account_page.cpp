#include "customers/ui/customer_account_page.h"

#include "core/prompter.h"
#include "customers/ui/payments_model.h"
#include "session/app_state.h"
#include "shell/settings_keys.h"
#include "shell/ui/record_grid_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zel::customers {

namespace {

const QString kNewOrder = QStringLiteral("New Order");
// Kept with the grid layouts, as the grid's own choice.
const IniKey kAutoNegative{settings::kGridLayoutIni, QStringLiteral("CUSTOMERUPDATE"), QStringLiteral("chkPaymentAutoNegative"),
                           QStringLiteral("1")};

QPushButton *button(const QString &caption, QWidget *parent, QLayout *layout)
{
    auto *b = new QPushButton(caption, parent);
    b->setAutoDefault(false);
    layout->addWidget(b);
    return b;
}

} // namespace

CustomerAccountPage::CustomerAccountPage(AppState &state, QWidget *parent) : QWidget(parent), m_state(state)
{
    auto *top = new QHBoxLayout;
    auto *ordersColumn = new QVBoxLayout;
    auto *ordersLabel = new QLabel(QStringLiteral("&Orders:"), this);
    m_orders = new QListWidget(this);
    m_orders->setMaximumWidth(140);
    ordersLabel->setBuddy(m_orders);
    ordersColumn->addWidget(ordersLabel);
    ordersColumn->addWidget(m_orders);
    QPushButton *entry = button(QStringLiteral("Order &Entry >>"), this, ordersColumn);
    connect(entry, &QPushButton::clicked, this, &CustomerAccountPage::orderEntryRequested);
    connect(m_orders, &QListWidget::itemActivated, this, &CustomerAccountPage::orderEntryRequested);
    auto *steps = new QHBoxLayout;
    connect(button(QStringLiteral("&Previous Campaign"), this, steps), &QPushButton::clicked, this,
            [this] { emit campaignStepRequested(false); });
    connect(button(QStringLiteral("&Next Campaign"), this, steps), &QPushButton::clicked, this,
            [this] { emit campaignStepRequested(true); });
    ordersColumn->addLayout(steps);
    top->addLayout(ordersColumn);
    top->addWidget(buildBalance(), 1);
    top->addWidget(buildDelivered());

    auto *page = new QVBoxLayout(this);
    page->addLayout(top);
    page->addWidget(buildPayments(), 1);
}

QWidget *CustomerAccountPage::buildBalance()
{
    auto *box = new QGroupBox(QStringLiteral("Balance"), this);
    auto *grid = new QGridLayout(box);
    const auto amount = [box] {
        auto *label = new QLabel(box);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return label;
    };
    m_totalCaption = new QLabel(QStringLiteral("Order Total"), box);
    m_total = amount();
    m_previous = amount();
    m_payments = amount();
    m_net = amount();
    grid->addWidget(m_totalCaption, 0, 0);
    grid->addWidget(m_total, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Previous Balance"), box), 1, 0);
    grid->addWidget(m_previous, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Payments"), box), 2, 0);
    grid->addWidget(m_payments, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("Net Due"), box), 3, 0);
    grid->addWidget(m_net, 3, 1);
    auto *buttons = new QVBoxLayout;
    m_payInFull = button(QStringLiteral("&Clear && Pay In Full"), box, buttons);
    m_applyPrevious = new QCheckBox(QStringLiteral("Apply Previous &Balance"), box);
    buttons->addWidget(m_applyPrevious);
    QPushButton *another = button(QStringLiteral("Pay Another Campaign in F&ull"), box, buttons);
    QPushButton *details = button(QStringLiteral("Order / Payment / Balance De&tails"), box, buttons);
    QPushButton *history = button(QStringLiteral("Pre&vious Balance History"), box, buttons);
    grid->addLayout(buttons, 0, 2, 5, 1);
    connect(m_payInFull, &QPushButton::clicked, this, &CustomerAccountPage::payInFull);
    connect(another, &QPushButton::clicked, this, &CustomerAccountPage::payAnotherCampaign);
    connect(details, &QPushButton::clicked, this, &CustomerAccountPage::showDetails);
    connect(history, &QPushButton::clicked, this, &CustomerAccountPage::showHistory);
    return box;
}

QWidget *CustomerAccountPage::buildPayments()
{
    auto *box = new QGroupBox(QStringLiteral("Payments"), this);
    auto *layout = new QVBoxLayout(box);
    auto *entry = new QHBoxLayout;
    auto *choiceLabel = new QLabel(QStringLiteral("Pa&yment for:"), box);
    m_choice = new QComboBox(box);
    choiceLabel->setBuddy(m_choice);
    entry->addWidget(choiceLabel);
    entry->addWidget(m_choice);
    m_addPayment = button(QStringLiteral("&Add Payment"), box, entry);
    m_delete = button(QStringLiteral("&Delete Payments"), box, entry);
    m_autoNegative = new QCheckBox(QStringLiteral("Auto Enter Payment Ne&gative Sign"), box);
    m_autoNegative->setToolTip(QStringLiteral("Payments must be negative. Enter a refund as a positive payment with this box "
                                              "unticked."));
    m_autoNegative->setChecked(m_state.settings.read(kAutoNegative) == QLatin1String("1"));
    connect(m_autoNegative, &QCheckBox::toggled, this, [this](bool on) {
        m_state.settings.write(kAutoNegative, on ? QStringLiteral("1") : QStringLiteral("0"));
    });
    entry->addStretch();
    entry->addWidget(m_autoNegative);
    layout->addLayout(entry);
    m_noOrders = new QLabel(QStringLiteral("There are no orders in this campaign."), box);
    m_noOrders->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(m_noOrders);
    m_model = new PaymentsModel(m_state, [this] { return m_autoNegative->isChecked(); }, this);
    m_model->setOnStored([this] { refreshMoney(); });
    m_grid = new RecordGridView(QStringLiteral("CustomerPayment"), m_state, box);
    m_grid->setModel(m_model);
    m_grid->setSortingEnabled(false);
    m_grid->setAccessibleName(QStringLiteral("Payments"));
    layout->addWidget(m_grid, 1);
    connect(m_addPayment, &QPushButton::clicked, this, &CustomerAccountPage::addPayment);
    connect(m_delete, &QPushButton::clicked, this, &CustomerAccountPage::deletePayments);
    return box;
}

QGroupBox *CustomerAccountPage::buildDelivered()
{
    m_deliveredBox = new QGroupBox(this);
    auto *grid = new QGridLayout(m_deliveredBox);
    for (int i = 0; i < kDeliveredBoxes; ++i) {
        m_delivered[size_t(i)] = new QCheckBox(QStringLiteral("No Order"), m_deliveredBox);
        grid->addWidget(m_delivered[size_t(i)], i % 5, i / 5);
    }
    auto *refresh = new QPushButton(QStringLiteral("Refre&sh"), m_deliveredBox);
    refresh->setAutoDefault(false);
    grid->addWidget(refresh, 5, 0, 1, 2);
    connect(refresh, &QPushButton::clicked, this, [this] {
        saveDelivered();
        show(m_customer, m_campaign);
    });
    return m_deliveredBox;
}

void CustomerAccountPage::show(int customer, Campaign campaign)
{
    // Applying the previous balance is chosen for one customer's campaign, never carried to the next.
    if (customer != m_customer || campaign.key() != m_campaign.key())
        m_applyPrevious->setChecked(false);
    m_customer = customer;
    m_campaign = campaign;
    CustomerAccount account(m_state.data, customer, campaign);
    m_orders->clear();
    for (const int order : account.orderNumbers())
        m_orders->addItem(QString::number(order));
    m_orders->addItem(kNewOrder);
    m_orders->setCurrentRow(0);

    m_deliveredBox->setTitle(QStringLiteral("Delivered By Order (Max 10) C-%1").arg(campaign.number, 2, 10, QLatin1Char('0')));
    m_deliveredOrders = account.deliveredOrders();
    for (size_t i = 0; i < m_delivered.size(); ++i) {
        QCheckBox *box = m_delivered[i];
        const bool used = i < m_deliveredOrders.size();
        box->setText(used ? m_deliveredOrders[i].caption() : QStringLiteral("No Order"));
        box->setChecked(used && m_deliveredOrders[i].delivered);
        box->setEnabled(used);
    }
    m_model->show(customer, campaign);
    refreshMoney();
    m_grid->widenToContents();
}

void CustomerAccountPage::refreshMoney()
{
    CustomerAccount account(m_state.data, m_customer, m_campaign);
    m_panel = account.balance();
    m_totalCaption->setText(m_panel.totalCaption());
    m_total->setText(currencyText(m_panel.orderTotal));
    m_previous->setText(currencyText(m_panel.previousBalance));
    m_payments->setText(currencyText(m_panel.payments));
    m_net->setText(QStringLiteral("<b>%1</b>").arg(currencyText(m_panel.netDue)));
    m_payInFull->setText(QStringLiteral("&Clear && Pay In Full ") + currencyText(m_panel.orderTotal));
    m_applyPrevious->setText(QStringLiteral("Apply Previous &Balance ") + currencyText(m_panel.previousBalance));
    m_applyPrevious->setEnabled(!m_panel.previousBalance.isZero());
    if (m_panel.previousBalance.isZero())
        m_applyPrevious->setChecked(false);

    const bool hasOrders = m_panel.orderCount > 0;
    m_grid->setVisible(hasOrders);
    m_noOrders->setVisible(!hasOrders);
    m_payInFull->setEnabled(hasOrders);
    m_delete->setEnabled(hasOrders);
    m_addPayment->setEnabled(hasOrders);
    m_choices = CustomerPayments(m_state, m_customer, m_campaign).orderChoices();
    m_choice->clear();
    for (const OrderChoice &c : m_choices)
        m_choice->addItem(QStringLiteral("%1 - %2 %3").arg(c.order).arg(c.type, currencyText(c.total)));
}

int CustomerAccountPage::chosenOrder() const
{
    const QListWidgetItem *item = m_orders->currentItem();
    return item ? item->text().toInt() : 0; // "New Order" reads as 0
}

void CustomerAccountPage::saveDelivered()
{
    CustomerAccount account(m_state.data, m_customer, m_campaign);
    for (size_t i = 0; i < m_deliveredOrders.size(); ++i) {
        const bool checked = m_delivered[i]->isChecked();
        if (checked != m_deliveredOrders[i].delivered && account.setDelivered(m_deliveredOrders[i].order, checked))
            m_deliveredOrders[i].delivered = checked;
    }
}

void CustomerAccountPage::payInFull()
{
    CustomerPayments payments(m_state, m_customer, m_campaign);
    if (m_applyPrevious->isChecked() ? payments.payInFullWithPreviousBalance() : payments.payInFull())
        m_model->show(m_customer, m_campaign);
    refreshMoney();
}

void CustomerAccountPage::payAnotherCampaign()
{
    CustomerPayments(m_state, m_customer, m_campaign).payAnotherCampaign();
    refreshMoney();
}

void CustomerAccountPage::deletePayments()
{
    CustomerPayments(m_state, m_customer, m_campaign).deleteAll();
    m_model->show(m_customer, m_campaign);
    refreshMoney();
}

void CustomerAccountPage::showDetails()
{
    refreshMoney();
    m_state.prompter.information(m_panel.detailsMessage());
}

void CustomerAccountPage::showHistory()
{
    m_state.prompter.information(CustomerAccount(m_state.data, m_customer, m_campaign).balanceHistory());
}

void CustomerAccountPage::addPayment()
{
    const int at = m_choice->currentIndex();
    if (at < 0 || at >= int(m_choices.size())) {
        m_state.prompter.information(QStringLiteral("Please select an order first."));
        return;
    }
    int taken = 0;
    for (const Payment &p : m_model->rows())
        taken = std::max(taken, p.sequence);
    const int row = m_model->appendRow(CustomerPayments(m_state, m_customer, m_campaign).proposed(m_choices[size_t(at)], taken));
    m_model->store();
    m_grid->setCurrentIndex(m_model->index(row, 1));
    m_grid->setFocus();
}

void CustomerAccountPage::addLayoutCommands(QMenu *menu)
{
    m_grid->addLayoutCommands(menu, QStringLiteral("Save &Payment Grid Layout"), QStringLiteral("Reset P&ayment Grid Layout"));
}

void CustomerAccountPage::restoreLayout()
{
    m_grid->restoreLayout();
}

} // namespace zel::customers
