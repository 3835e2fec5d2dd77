#pragma once

#include "core/campaign.h"
#include "customers/customer_account.h"
#include "customers/customer_payments.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;

namespace zel {

class AppState;
class RecordGridView;

namespace customers {

class PaymentsModel;

// The customer screen's orders and money page: the campaign's orders, the balance panel, the
// payments grid with the pay-in-full commands, and the delivered boxes.
class CustomerAccountPage : public QWidget
{
    Q_OBJECT
public:
    CustomerAccountPage(AppState &state, QWidget *parent = nullptr);

    // Shows a customer's campaign: orders, balance, payments and delivered boxes.
    void show(int customer, Campaign campaign);
    // The order chosen in the orders list; 0 for "New Order".
    int chosenOrder() const;
    // Stores the delivered boxes the user changed.
    void saveDelivered();
    void addLayoutCommands(QMenu *menu);
    void restoreLayout();

    const BalancePanel &panel() const { return m_panel; }
    QListWidget *orders() const { return m_orders; }
    QPushButton *payInFullButton() const { return m_payInFull; }
    QPushButton *deleteButton() const { return m_delete; }
    QCheckBox *applyPrevious() const { return m_applyPrevious; }
    QCheckBox *autoNegative() const { return m_autoNegative; }
    QLabel *totalCaption() const { return m_totalCaption; }
    QLabel *noOrders() const { return m_noOrders; }
    RecordGridView *grid() const { return m_grid; }
    PaymentsModel *model() const { return m_model; }
    const std::array<QCheckBox *, kDeliveredBoxes> &deliveredBoxes() const { return m_delivered; }

    void payInFull();
    void payAnotherCampaign();
    void deletePayments();
    void showDetails();
    void showHistory();
    void addPayment();

signals:
    void orderEntryRequested();
    void campaignStepRequested(bool forward);

private:
    void refreshMoney();
    QWidget *buildBalance();
    QWidget *buildPayments();
    QGroupBox *buildDelivered();

    AppState &m_state;
    int m_customer = 0;
    Campaign m_campaign;
    BalancePanel m_panel;
    std::vector<DeliveredOrder> m_deliveredOrders;
    std::vector<OrderChoice> m_choices;

    QListWidget *m_orders;
    QLabel *m_totalCaption, *m_total, *m_previous, *m_payments, *m_net;
    QPushButton *m_payInFull, *m_delete, *m_addPayment;
    QCheckBox *m_applyPrevious, *m_autoNegative;
    QComboBox *m_choice;
    QLabel *m_noOrders;
    RecordGridView *m_grid;
    PaymentsModel *m_model;
    QGroupBox *m_deliveredBox;
    std::array<QCheckBox *, kDeliveredBoxes> m_delivered{};
};

} // namespace customers
} // namespace zel
