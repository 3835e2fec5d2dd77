#include "utilities/ui/payments_page.h"

#include "core/prompter.h"
#include "session/app_state.h"
#include "shell/captions.h"
#include "shell/ui/grid_delegate.h"
#include "shell/ui/record_grid_view.h"
#include "utilities/ui/new_payment_dialog.h"
#include "utilities/ui/payment_grids.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zel {

namespace {

QPushButton *button(const QString &caption, QWidget *parent, QLayout *layout)
{
    auto *b = new QPushButton(caption, parent);
    b->setAutoDefault(false);
    layout->addWidget(b);
    return b;
}

const QString kNegativeHint = QStringLiteral("Payments must be negative.  To enter a refund, uncheck this box and enter a postive payment.");

} // namespace

PaymentsPage::PaymentsPage(AppState &state, QWidget *parent)
    : UtilityPage(state, parent),
      m_posting(state),
      m_toPay(new WorkPaymentModel(ordersToPayColumns(m_toPayNegative),
                                   [&state](const QString &message) { state.prompter.information(message); }, this)),
      m_onFile(new WorkPaymentModel(paymentsOnFileColumns(m_onFileNegative),
                                    [&state](const QString &message) { state.prompter.information(message); }, this)),
      m_toPayGrid(new RecordGridView(QStringLiteral("UtilitiesOrdersToPay"), state, this)),
      m_onFileGrid(new RecordGridView(QStringLiteral("UtilitiesPaymentsOnFile"), state, this))
{
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildChoices());
    layout->addWidget(buildCommands());
    auto *grids = new QTabWidget(this);
    grids->addTab(buildOrdersToPay(), QStringLiteral("&Orders To Pay"));
    grids->addTab(buildPaymentsOnFile(), QStringLiteral("Payments On &File"));
    layout->addWidget(grids, 1);
    fillHelpers();
}

QWidget *PaymentsPage::buildChoices()
{
    auto *box = new QWidget(this);
    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    m_type = new QComboBox(box);
    m_type->setObjectName(QStringLiteral("cboPaymentType"));
    m_type->addItems(PaymentPosting::paymentTypes());
    auto *typeLabel = new QLabel(QStringLiteral("Payment T&ype"), box);
    typeLabel->setBuddy(m_type);
    m_changeDate = new QCheckBox(QStringLiteral("Chan&ge Date"), box);
    m_changeDate->setToolTip(QStringLiteral("Check Box to Change Date.  Default is Today."));
    m_date = new QDateEdit(state().now().date(), box);
    m_date->setCalendarPopup(true);
    m_date->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
    m_date->setEnabled(false);
    m_date->setAccessibleName(QStringLiteral("Payment Date"));
    connect(m_changeDate, &QCheckBox::toggled, this, [this](bool on) {
        m_date->setEnabled(on);
        if (!on)
            m_date->setDate(state().now().date());
    });
    m_helper = new QComboBox(box);
    m_helper->setObjectName(QStringLiteral("cboBusinessHelper"));
    auto *helperLabel = new QLabel(QStringLiteral("&Business Helper"), box);
    helperLabel->setBuddy(m_helper);
    connect(m_helper, &QComboBox::activated, this, [this] {
        if (mayLeave())
            reload();
    });
    m_deposited = new QCheckBox(QStringLiteral("&Deposited"), box);
    m_deposited->setObjectName(QStringLiteral("chkDeposited"));
    grid->addWidget(typeLabel, 0, 0);
    grid->addWidget(m_type, 0, 1);
    grid->addWidget(m_changeDate, 0, 2);
    grid->addWidget(m_date, 0, 3);
    grid->addWidget(helperLabel, 0, 4);
    grid->addWidget(m_helper, 0, 5);
    grid->addWidget(m_deposited, 0, 6);
    grid->setColumnStretch(7, 1);
    auto *explain = new QLabel(Gs_Caption_Replace(QStringLiteral(
                                   "This feature will mark all orders in the selected #### as paid in full.  Also the deposited "
                                   "and delivered flags can be set.  Any existing payment data for this #### will remain unchanged.")),
                               box);
    explain->setWordWrap(true);
    grid->addWidget(explain, 1, 0, 1, 8);
    return box;
}

QWidget *PaymentsPage::buildCommands()
{
    auto *box = new QWidget(this);
    auto *row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    QPushButton *pay = button(QStringLiteral("&Pay In Full"), box, row);
    pay->setToolTip(QStringLiteral("Only applies payment to orders that don't already have a payment applied."));
    connect(pay, &QPushButton::clicked, this, &PaymentsPage::payInFull);
    connect(button(QStringLiteral("&Clear Payments"), box, row), &QPushButton::clicked, this, &PaymentsPage::clearPayments);
    QPushButton *clearAndPay = button(QStringLiteral("Clear && Pay &All"), box, row);
    clearAndPay->setToolTip(QStringLiteral("Clears all selected payments, then applies a full payment to every order."));
    connect(clearAndPay, &QPushButton::clicked, this, &PaymentsPage::clearAndPay);
    row->addSpacing(20);
    m_setDelivered = new QRadioButton(QStringLiteral("Set as Deli&vered"), box);
    m_setDelivered->setObjectName(QStringLiteral("optSetDelivered"));
    m_setDelivered->setChecked(true);
    auto *notDelivered = new QRadioButton(QStringLiteral("Set as NO&T Delivered"), box);
    notDelivered->setObjectName(QStringLiteral("optSetNotDelivered"));
    row->addWidget(m_setDelivered);
    row->addWidget(notDelivered);
    QPushButton *update = button(QStringLiteral("&Update"), box, row);
    update->setToolTip(QStringLiteral("Sets delivery flag for all orders in the current campaign."));
    connect(update, &QPushButton::clicked, this, &PaymentsPage::setDelivered);
    row->addStretch();
    return box;
}

QWidget *PaymentsPage::buildOrdersToPay()
{
    auto *page = new QWidget(this);
    auto *layout = new QVBoxLayout(page);
    auto *row = new QHBoxLayout;
    connect(button(QStringLiteral("Pa&id"), page, row), &QPushButton::clicked, this, [this] { markAll(&WorkPayment::pay); });
    connect(button(QStringLiteral("De&livered"), page, row), &QPushButton::clicked, this,
            [this] { markAll(&WorkPayment::delivered); });
    connect(button(QStringLiteral("Depo&sited"), page, row), &QPushButton::clicked, this,
            [this] { markAll(&WorkPayment::deposited); });
    connect(button(QStringLiteral("Clear All C&hanges"), page, row), &QPushButton::clicked, this, &PaymentsPage::reload);
    connect(button(QStringLiteral("Apply Updat&es"), page, row), &QPushButton::clicked, this, &PaymentsPage::applyUpdates);
    row->addStretch();
    auto *negative = new QCheckBox(QStringLiteral("Auto Enter Pay&ment Negative Sign"), page);
    negative->setObjectName(QStringLiteral("chkAutoNegative2"));
    negative->setToolTip(kNegativeHint);
    negative->setChecked(true);
    connect(negative, &QCheckBox::toggled, this, [this](bool on) { m_toPayNegative = on; });
    row->addWidget(negative);
    layout->addLayout(row);
    m_toPayGrid->setAccessibleName(QStringLiteral("Orders To Pay"));
    m_toPayGrid->setModel(m_toPay);
    guardSorting(m_toPayGrid);
    layout->addWidget(m_toPayGrid, 1);
    return page;
}

QWidget *PaymentsPage::buildPaymentsOnFile()
{
    auto *page = new QWidget(this);
    auto *layout = new QVBoxLayout(page);
    auto *row = new QHBoxLayout;
    connect(button(QStringLiteral("Ne&w Payment"), page, row), &QPushButton::clicked, this, &PaymentsPage::newPayment);
    connect(button(QStringLiteral("Apply Updat&es"), page, row), &QPushButton::clicked, this, &PaymentsPage::applyUpdates);
    row->addStretch();
    auto *negative = new QCheckBox(QStringLiteral("Auto Enter Pay&ment Negative Sign"), page);
    negative->setObjectName(QStringLiteral("chkAutoNegative1"));
    negative->setToolTip(kNegativeHint);
    negative->setChecked(true);
    connect(negative, &QCheckBox::toggled, this, [this](bool on) { m_onFileNegative = on; });
    row->addWidget(negative);
    layout->addLayout(row);
    m_onFileGrid->setAccessibleName(QStringLiteral("Payments On File"));
    m_onFileGrid->setModel(m_onFile);
    guardSorting(m_onFileGrid);
    layout->addWidget(m_onFileGrid, 1);
    return page;
}

// Sorting would lose the cell being typed in, so a grid in the middle of an edit refuses it.
void PaymentsPage::guardSorting(RecordGridView *grid)
{
    QHeaderView *header = grid->horizontalHeader();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    header->setSortIndicator(-1, Qt::AscendingOrder);
    connect(header, &QHeaderView::sectionClicked, this, [this, grid, header](int column) {
        if (grid->delegate()->isEditing() && grid->delegate()->editorChanged()) {
            state().prompter.information(lines({QStringLiteral("Can not sort the grid while the current row is in Edit Mode."),
                                                QStringLiteral("Please finishing the changes and tab to the next row or press "
                                                               "ESC twice to cancel edits.")}));
            return;
        }
        const Qt::SortOrder order = header->sortIndicatorSection() == column && header->sortIndicatorOrder() == Qt::AscendingOrder
                                      ? Qt::DescendingOrder
                                      : Qt::AscendingOrder;
        header->setSortIndicator(column, order);
        grid->model()->sort(column, order);
    });
}

void PaymentsPage::fillHelpers()
{
    m_helper->clear();
    m_helper->addItem(QStringLiteral("N/A"), 0);
    for (const PayingCustomer &h : m_posting.helpers())
        m_helper->addItem((h.firstName + QLatin1Char(' ') + h.lastName).trimmed(), h.number);
}

int PaymentsPage::helper() const
{
    return m_helper->currentData().toInt();
}

PaymentChoices PaymentsPage::choices() const
{
    PaymentChoices c;
    c.type = m_type->currentText();
    c.date = m_date->date();
    c.deposited = m_deposited->isChecked();
    c.helper = helper();
    return c;
}

void PaymentsPage::showCampaign(const Campaign &campaign)
{
    m_campaign = campaign;
    reload();
}

void PaymentsPage::reload()
{
    m_toPayGrid->delegate()->discardEditor();
    m_onFileGrid->delegate()->discardEditor();
    state().prompter.hourglass(true);
    m_toPay->setRows(m_posting.ordersToPay(m_campaign, helper()));
    m_onFile->setRows(m_posting.paymentsOnFile(m_campaign, helper()));
    state().prompter.hourglass(false);
    m_toPayGrid->fitColumns();
    m_onFileGrid->fitColumns();
}

bool PaymentsPage::hasEdits() const
{
    return m_toPay->isModified() || m_onFile->isModified() || m_toPayGrid->delegate()->editorChanged()
        || m_onFileGrid->delegate()->editorChanged();
}

bool PaymentsPage::mayLeave()
{
    if (!hasEdits())
        return true;
    return state().prompter.askYesNo(lines({QStringLiteral("Payments have not been applied/updated that were made on tab 6."),
                                            QStringLiteral("Do you wish to proceed and NOT apply payments.")}),
                                     kMessageTitle, Answer::No);
}

void PaymentsPage::applyUpdates()
{
    if (!m_toPayGrid->delegate()->commitEditor() || !m_onFileGrid->delegate()->commitEditor())
        return;
    if (m_posting.applyUpdates(m_toPay->rows(), m_onFile->rows()))
        reload();
}

void PaymentsPage::markAll(bool WorkPayment::*flag)
{
    std::vector<WorkPayment> rows = m_toPay->rows();
    for (WorkPayment &p : rows)
        p.*flag = true;
    m_toPay->setRows(std::move(rows));
    m_toPay->setModified(true);
}

void PaymentsPage::payInFull()
{
    if (m_posting.payInFull(m_campaign, choices()))
        reload();
}

void PaymentsPage::clearPayments()
{
    if (m_posting.clearPayments(m_campaign, helper()))
        reload();
}

void PaymentsPage::clearAndPay()
{
    if (m_posting.clearPayments(m_campaign, helper()))
        m_posting.payInFull(m_campaign, choices());
    reload();
}

void PaymentsPage::setDelivered()
{
    if (m_posting.setDelivered(m_campaign, m_setDelivered->isChecked()))
        reload();
}

void PaymentsPage::newPayment()
{
    NewPaymentDialog dialog(m_posting, m_campaign, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const std::optional<OrderChoice> choice = dialog.choice();
    const std::optional<WorkPayment> payment = choice ? m_posting.newPayment(dialog.customer(), m_campaign, *choice) : std::nullopt;
    if (!payment)
        return;
    const int row = m_onFile->appendRow(*payment, true);
    m_onFile->setModified(true);
    m_onFileGrid->setCurrentIndex(m_onFile->index(row, 3));
    m_onFileGrid->setFocus();
}

} // namespace zel
