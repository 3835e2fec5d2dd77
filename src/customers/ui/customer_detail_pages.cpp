#include "customers/ui/customer_detail_pages.h"

#include "core/prompter.h"
#include "customers/customer_choices.h"
#include "session/app_state.h"
#include "shell/ui/record_grid_model.h"
#include "shell/ui/record_grid_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zel::customers {

namespace {

QPushButton *button(const QString &caption, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setAutoDefault(false);
    return b;
}

std::vector<GridColumn<StoredDate>> dateColumns()
{
    using namespace grid;
    const QString refused = QStringLiteral("Please enter a number.");
    GridColumn<StoredDate> date{QStringLiteral("Event Date"), GridKind::Date,
                                [](const StoredDate &d) -> QVariant { return d.date.date(); },
                                [](StoredDate &d, const QVariant &value) {
                                    QDate typed = QDate::fromString(value.toString(), QStringLiteral("MM/dd/yyyy"));
                                    if (!typed.isValid())
                                        typed = QDate::fromString(value.toString(), Qt::ISODate);
                                    if (!typed.isValid())
                                        return QStringLiteral("Please enter the date as mm/dd/yyyy.");
                                    d.date = QDateTime(typed, QTime(0, 0));
                                    return QString();
                                }};
    return {whole(QStringLiteral("ID"), &StoredDate::id, refused).readOnly(),
            whole(QStringLiteral("Customer Number"), &StoredDate::customer, refused).readOnly(),
            date,
            text(QStringLiteral("Description"), &StoredDate::description, 255),
            whole(QStringLiteral("Notify Days Prior"), &StoredDate::notifyDays, refused),
            upperText(QStringLiteral("Auto Update Year"), &StoredDate::autoUpdateYear)};
}

std::vector<GridColumn<HelperPercent>> percentColumns()
{
    using namespace grid;
    return {text(QStringLiteral("Code"), &HelperPercent::code).readOnly(),
            money(QStringLiteral("Percentage"), &HelperPercent::percent, QStringLiteral("Please enter a number."))};
}

} // namespace

CustomerDetailPages::CustomerDetailPages(AppState &state, QTabWidget *tabs) : QObject(tabs), m_state(state), m_tabs(tabs)
{
    const auto tell = [&state](const QString &m) { state.prompter.information(m); };
    m_percentsModel = new RecordGridModel<HelperPercent>(percentColumns(), tell, this);
    m_datesModel = new RecordGridModel<StoredDate>(dateColumns(), tell, this);
    tabs->addTab(buildHelperPage(), QStringLiteral("&3 Helper"));
    m_datesTab = tabs->addTab(buildDatesPage(), QStringLiteral("&4 Dates"));
    tabs->addTab(buildNotesPage(), QStringLiteral("&5 Notes"));
    tabs->addTab(buildCommentsPage(), QStringLiteral("&6 Comments"));
    tabs->addTab(buildPointsPage(), QStringLiteral("&7 Points"));
}

CustomerDetailPages::~CustomerDetailPages() = default;

QWidget *CustomerDetailPages::buildHelperPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    m_isHelper = new QCheckBox(page);
    layout->addWidget(m_isHelper);
    auto *form = new QFormLayout;
    m_helperPercent = new QLineEdit(page);
    form->addRow(QStringLiteral("Helper &Percent:"), m_helperPercent);
    m_invoiceDetail = new QCheckBox(QStringLiteral("Show Helper Percents on Invoice (&Detail)"), page);
    m_discounted = new QCheckBox(QStringLiteral("Use Discounted &Total"), page);
    form->addRow(m_invoiceDetail);
    form->addRow(m_discounted);
    m_assignCaption = new QLabel(page);
    m_helper = new QComboBox(page);
    m_assignCaption->setBuddy(m_helper);
    form->addRow(m_assignCaption, m_helper);
    m_assigned = new QLabel(QStringLiteral("Not Currently Assigned"), page);
    QPushButton *unassign = button(QStringLiteral("&Un-Assign Helper"), page);
    form->addRow(m_assigned, unassign);
    layout->addLayout(form);
    auto *percents = new RecordGridView(QStringLiteral("CustomerHelperPercents"), m_state, page);
    percents->setModel(m_percentsModel);
    percents->setAccessibleName(QStringLiteral("Helper percentages"));
    layout->addWidget(new QLabel(QStringLiteral("Helper percentages by earnings type:"), page));
    layout->addWidget(percents, 1);
    connect(m_isHelper, &QCheckBox::toggled, this, &CustomerDetailPages::setHelper);
    connect(m_helper, &QComboBox::activated, this, [this] {
        m_assigned->setText(m_helper->currentIndex() > 0 ? QStringLiteral("Assigned to: ") + m_helper->currentText()
                                                         : QStringLiteral("Not Currently Assigned"));
    });
    connect(unassign, &QPushButton::clicked, this, [this] {
        m_helper->setCurrentIndex(0);
        m_assigned->setText(QStringLiteral("Not Currently Assigned"));
    });
    return page;
}

QWidget *CustomerDetailPages::buildDatesPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    m_dates = new RecordGridView(QStringLiteral("CustomerDates"), m_state, page);
    m_dates->setModel(m_datesModel);
    m_dates->setAccessibleName(QStringLiteral("Event dates"));
    layout->addWidget(m_dates, 1);
    auto *buttons = new QHBoxLayout;
    QPushButton *add = button(QStringLiteral("&Add Date"), page);
    QPushButton *remove = button(QStringLiteral("&Delete Date"), page);
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(add, &QPushButton::clicked, this, [this] {
        StoredDate date;
        date.customer = m_customer;
        date.date = QDateTime(m_state.now().date(), QTime(0, 0));
        const int row = m_datesModel->appendRow(date, true);
        m_dates->setCurrentIndex(m_datesModel->index(row, 2));
        m_dates->setFocus();
    });
    connect(remove, &QPushButton::clicked, this, [this] {
        if (const QModelIndex at = m_dates->currentIndex(); at.isValid())
            m_datesModel->removeRowAt(at.row());
    });
    return page;
}

QWidget *CustomerDetailPages::buildNotesPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    m_notesCaption = new QLabel(page);
    m_notes = new QPlainTextEdit(page);
    m_notes->setTabChangesFocus(true);
    m_notesCaption->setBuddy(m_notes);
    layout->addWidget(m_notesCaption);
    layout->addWidget(m_notes, 1);
    return page;
}

QWidget *CustomerDetailPages::buildCommentsPage()
{
    auto *page = new QWidget;
    // Two groups side by side and the order comments under them: three stacked groups were taller
    // than a 1024x768 desktop leaves the screen.
    auto *layout = new QGridLayout(page);
    const auto group = [&](const QString &title, std::array<QLineEdit *, 5> &lines, const QString &clearCaption, int row,
                           int column, int span) {
        auto *box = new QGroupBox(title, page);
        auto *inner = new QVBoxLayout(box);
        inner->setSpacing(3);
        for (QLineEdit *&line : lines) {
            line = new QLineEdit(box);
            line->setMaxLength(100);
            line->setAccessibleName(title);
            inner->addWidget(line);
        }
        QPushButton *clear = button(clearCaption, box);
        inner->addWidget(clear, 0, Qt::AlignLeft);
        connect(clear, &QPushButton::clicked, this, [&lines] {
            for (QLineEdit *line : lines)
                line->clear();
        });
        layout->addWidget(box, row, column, 1, span);
        return box;
    };
    group(QStringLiteral("Customer Comments"), m_customerComments, QStringLiteral("Clear C&ustomer Comments"), 0, 0, 1);
    group(QStringLiteral("Standing Order Comments"), m_standingComments, QStringLiteral("Clear &Standing Comments"), 0, 1, 1);
    QGroupBox *order = group(QStringLiteral("Order Comments (this Campaign)"), m_orderComments,
                             QStringLiteral("Clear &Order Comments"), 1, 0, 2);
    layout->setRowStretch(2, 1);
    auto *copy = new QHBoxLayout;
    QPushButton *copyButton = button(QStringLiteral("&Copy Order Comments From:"), order);
    m_copyFrom = new QComboBox(order);
    m_copyFrom->setAccessibleName(QStringLiteral("Campaign to copy order comments from"));
    copy->addWidget(copyButton);
    copy->addWidget(m_copyFrom);
    copy->addStretch();
    static_cast<QVBoxLayout *>(order->layout())->addLayout(copy);
    connect(copyButton, &QPushButton::clicked, this, &CustomerDetailPages::copyOrderComments);
    return page;
}

QWidget *CustomerDetailPages::buildPointsPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    auto *form = new QFormLayout;
    for (int i = 0; i < 9; ++i) {
        m_points[size_t(i)] = new QSpinBox(page);
        m_points[size_t(i)]->setRange(-999999, 999999);
        form->addRow(QStringLiteral("Counter %1:").arg(i + 1), m_points[size_t(i)]);
    }
    layout->addLayout(form);
    QPushButton *reset = button(QStringLiteral("Reset All To &Zero"), page);
    layout->addWidget(reset, 0, Qt::AlignLeft);
    layout->addStretch();
    connect(reset, &QPushButton::clicked, this, [this] {
        if (m_state.prompter.askYesNo(QStringLiteral("Do you wish to RESET all counters for this customer to zero?")))
            resetCounters();
    });
    return page;
}

void CustomerDetailPages::resetCounters()
{
    for (QSpinBox *box : m_points)
        box->setValue(0);
}

void CustomerDetailPages::fillHelpers(const Customer &customer)
{
    m_helper->clear();
    m_helper->addItem(QString(), 0);
    int chosen = 0;
    for (const Helper &h : helpers(m_state.data)) {
        if (h.number == customer.number)
            continue; // a customer is not her own helper
        m_helper->addItem(h.name, h.number);
        if (h.number == customer.helperNumber)
            chosen = m_helper->count() - 1;
    }
    m_helper->setCurrentIndex(chosen);
    m_assigned->setText(chosen > 0 ? QStringLiteral("Assigned to: ") + m_helper->currentText()
                                   : QStringLiteral("Not Currently Assigned"));
}

void CustomerDetailPages::updateHelperCaptions()
{
    m_isHelper->setText(QStringLiteral("Check to make ( %1 ) a &Business Helper.").arg(m_name));
    m_assignCaption->setText(QStringLiteral("&Assign ( %1 ) To Helper : ").arg(m_name));
}

void CustomerDetailPages::setHelper(bool on)
{
    m_helperPercent->setEnabled(on);
    m_invoiceDetail->setEnabled(on);
    m_discounted->setEnabled(on);
    if (!on) {
        m_helper->setCurrentIndex(0);
        m_assigned->setText(QStringLiteral("Not Currently Assigned"));
    }
}

std::pair<int, QString> CustomerDetailPages::chosenHelper() const
{
    if (m_helper->currentIndex() <= 0)
        return {0, QString()};
    return {m_helper->currentData().toInt(), m_helper->currentText()};
}

void CustomerDetailPages::load(const Customer &customer, Campaign campaign)
{
    m_customer = customer.number;
    m_name = (customer.firstName.trimmed() + QLatin1Char(' ') + customer.lastName.trimmed()).trimmed();
    updateHelperCaptions();
    fillHelpers(customer);
    m_isHelper->setChecked(customer.isHelper());
    setHelper(customer.isHelper());
    m_helperPercent->setText(customer.helperPercent.toPlainText());
    m_invoiceDetail->setChecked(customer.helperInvoiceDetail == QLatin1String("Y"));
    m_discounted->setChecked(customer.helperUseDiscountedTotal == QLatin1String("Y"));
    const CustomerDetails details(m_state.data, m_customer);
    m_percentsModel->setRows(details.helperPercents());
    m_datesModel->setRows(details.dates());
    m_tabs->setTabText(m_datesTab, QStringLiteral("&4 Dates (%1 Events On File)").arg(m_datesModel->rowCount()));
    const CustomerNotes notes = details.notes();
    m_notes->setPlainText(notes.text);
    m_storedNotes = notes.text;
    m_notesCaption->setText(notes.caption());
    for (size_t i = 0; i < 5; ++i)
        m_customerComments[i]->setText(customer.comments[i]);
    const CommentLines standing = details.comments(QStringLiteral("OrderPerm"), {0, 0});
    for (size_t i = 0; i < 5; ++i)
        m_standingComments[i]->setText(standing[i]);
    for (size_t i = 0; i < 9; ++i)
        m_points[i]->setValue(customer.points[i]);
    showCampaign(campaign);
}

void CustomerDetailPages::showCampaign(Campaign campaign)
{
    m_campaign = campaign;
    const CustomerDetails details(m_state.data, m_customer);
    const CommentLines order = details.comments(QStringLiteral("Order"), campaign);
    for (size_t i = 0; i < 5; ++i)
        m_orderComments[i]->setText(order[i]);
    m_copyFrom->clear();
    for (const Campaign &c : details.commentCampaigns())
        m_copyFrom->addItem(QStringLiteral("%1 / C-%2").arg(c.year).arg(c.number, 2, 10, QLatin1Char('0')), c.key());
}

void CustomerDetailPages::copyOrderComments()
{
    if (m_copyFrom->currentIndex() < 0)
        return;
    const Campaign from = Campaign::fromKey(m_copyFrom->currentData().toInt());
    const CommentLines lines = CustomerDetails(m_state.data, m_customer).comments(QStringLiteral("Order"), from);
    for (size_t i = 0; i < 5; ++i)
        m_orderComments[i]->setText(lines[i]);
}

void CustomerDetailPages::read(Customer &customer) const
{
    customer.helperFlag = m_isHelper->isChecked() ? QStringLiteral("Y") : QStringLiteral("N");
    customer.helperPercent = Currency::fromString(m_helperPercent->text()).value_or(customer.helperPercent);
    customer.helperInvoiceDetail = m_invoiceDetail->isChecked() ? QStringLiteral("Y") : QStringLiteral("N");
    customer.helperUseDiscountedTotal = m_discounted->isChecked() ? QStringLiteral("Y") : QStringLiteral("N");
    const auto [number, name] = chosenHelper();
    customer.helperNumber = number;
    customer.helperName = name.trimmed().left(65);
    for (size_t i = 0; i < 5; ++i)
        customer.comments[i] = m_customerComments[i]->text();
    for (size_t i = 0; i < 9; ++i)
        customer.points[i] = m_points[i]->value();
}

bool CustomerDetailPages::saveAttached(Campaign campaign)
{
    CommentLines order, standing;
    for (size_t i = 0; i < 5; ++i) {
        order[i] = m_orderComments[i]->text();
        standing[i] = m_standingComments[i]->text();
    }
    CustomerDetails details(m_state.data, m_customer);
    bool done = saveOrderComments(m_state.data, m_customer, campaign, order, standing);
    if (m_notes->toPlainText() != m_storedNotes) {
        done = saveNotes(m_state.data, m_customer, m_notes->toPlainText()) && done;
        m_storedNotes = m_notes->toPlainText();
    }
    done = details.saveDates(m_state, m_datesModel->rows()) && done;
    done = details.saveHelperPercents(m_percentsModel->rows()) && done;
    m_datesModel->setRows(details.dates());
    return done;
}

void CustomerDetailPages::addLayoutCommands(QMenu *menu)
{
    m_dates->addLayoutCommands(menu, QStringLiteral("Save &Dates Grid Layout"), QStringLiteral("Reset Dat&es Grid Layout"));
}

void CustomerDetailPages::restoreLayout()
{
    m_dates->restoreLayout();
}

} // namespace zel::customers
