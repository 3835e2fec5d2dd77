#pragma once

#include "payments/payment_posting.h"
#include "utilities/ui/utility_page.h"

#include "shell/ui/record_grid_model.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QRadioButton;
class QTabWidget;

namespace zel {

class RecordGridView;
using WorkPaymentModel = RecordGridModel<WorkPayment>;

// Tab 6: posting the campaign's payments. The orders to pay and the payments on file are edited
// in their grids and written together by "Apply Updates"; the campaign-wide commands write at once.
class PaymentsPage : public UtilityPage
{
    Q_OBJECT
public:
    PaymentsPage(AppState &state, QWidget *parent = nullptr);

    void showCampaign(const Campaign &campaign) override;
    bool mayLeave() override;

    WorkPaymentModel *ordersToPay() const { return m_toPay; }
    WorkPaymentModel *paymentsOnFile() const { return m_onFile; }
    RecordGridView *ordersGrid() const { return m_toPayGrid; }
    RecordGridView *paymentsGrid() const { return m_onFileGrid; }

    void reload();
    void applyUpdates();
    void payInFull();
    void clearPayments();
    void clearAndPay();
    void setDelivered();
    // Starts a payment on file: asks for the customer and the order (or its extra number).
    void newPayment();
    // Sets one work flag on every listed order to pay.
    void markAll(bool WorkPayment::*flag);

private:
    QWidget *buildChoices();
    QWidget *buildCommands();
    QWidget *buildOrdersToPay();
    QWidget *buildPaymentsOnFile();
    void fillHelpers();
    int helper() const;
    PaymentChoices choices() const;
    bool hasEdits() const;
    void guardSorting(RecordGridView *grid);

    PaymentPosting m_posting;
    Campaign m_campaign;
    bool m_toPayNegative = true;
    bool m_onFileNegative = true;
    WorkPaymentModel *m_toPay;
    WorkPaymentModel *m_onFile;
    RecordGridView *m_toPayGrid;
    RecordGridView *m_onFileGrid;
    QComboBox *m_type = nullptr;
    QCheckBox *m_changeDate = nullptr;
    QDateEdit *m_date = nullptr;
    QComboBox *m_helper = nullptr;
    QCheckBox *m_deposited = nullptr;
    QRadioButton *m_setDelivered = nullptr;
};

} // namespace zel
