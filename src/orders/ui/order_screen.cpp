#include "orders/ui/order_screen.h"

#include "core/prompter.h"
#include "orders/inventory_adjustment.h"
#include "orders/order_expenses.h"
#include "orders/ui/order_backorder_page.h"
#include "orders/ui/order_copy_page.h"
#include "orders/ui/order_grid_view.h"
#include "orders/ui/order_header_panel.h"
#include "orders/ui/order_lines_model.h"
#include "reports/order_printing.h"
#include "reports/pdf_file_name.h"
#include "reports/server/report_server.h"
#include "reports/ui/report_preview.h"
#include "session/app_state.h"
#include "shell/settings_keys.h"
#include "shell/ui/grid_delegate.h"
#include "shell/ui/screen_setup.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace zel {

namespace {

const QString kGridName = QStringLiteral("OrderEntry");

// The columns the Columns menu shows and hides, with their caption and their key in ZELGRIDLAYOUTINI.600.
struct ColumnSwitch
{
    int column;
    const char *caption; // after "Hide " / "Show "
    const char *key;
};

const std::vector<ColumnSwitch> &columnSwitches()
{
    using M = OrderLinesModel;
    static const std::vector<ColumnSwitch> switches = {
        {M::Tax1, "Tax &1", "ColumnTax1"},          {M::Tax2, "Tax &2", "ColumnTax2"},
        {M::OrderQty, "&Order Qty", "ColumnOrderQty"}, {M::PriceQty, "&Price Qty", "ColumnPriceQty"},
        {M::Discount, "&Discount", "ColumnDiscount"}, {M::Total, "&Total", "ColumnTotal"},
        {M::BackOrder, "&Back Order", "ColumnBackOrder"}, {M::Earnings, "&Earnings Level", "ColumnEarnings"},
        {M::FromCampaign, "&Campaign", "ColumnCampaign"}, {M::RegPrice, "&Reg Price", "ColumnRegPrice"},
        {M::Notes, "&Notes", "ColumnNotes"},          {M::SpecialPrice, "&Sale Price", "ColumnSpecialPrice"},
    };
    return switches;
}

IniKey layoutKey(const char *key, const char *fallback)
{
    return {settings::kGridLayoutIni, QStringLiteral("OrderEntry"), QString::fromLatin1(key), QString::fromLatin1(fallback),
            settings::kText};
}

} // namespace

OrderScreen::OrderScreen(AppState &state, int customer, const Campaign &campaign, int orderNumber, QWidget *parent)
    : ScreenBase(state, QStringLiteral("Zel_Order"), parent),
      m_entry(std::make_unique<OrderEntry>(state, customer, campaign, orderNumber)),
      m_model(new OrderLinesModel(state, LineSettings::of(state.options, state.shortcuts), this)),
      m_grid(new OrderGridView(kGridName, state, this)),
      m_header(new OrderHeaderPanel(this)),
      m_backOrders(new OrderBackOrderPage(this)),
      m_copy(new OrderCopyPage(state, this)),
      m_tabs(new QTabWidget(this)),
      m_status(new QLabel(this)),
      m_entered(new QLabel(this)),
      m_modified(new QLabel(this)),
      m_balance(new QLabel(this))
{
    auto *layout = new QVBoxLayout(this);
    buildMenus();
    m_tabs->addTab(buildEntryPage(), OrderEntry::tabCaption(false));
    m_tabs->addTab(m_backOrders, QStringLiteral("&Backorder / Points"));
    m_tabs->addTab(m_copy, QStringLiteral("C&opy Order"));
    layout->addWidget(m_tabs, 1);
    layout->addWidget(buildButtons());
    m_status->setFrameShape(QFrame::StyledPanel);
    m_status->setAccessibleName(QStringLiteral("Running Total"));
    layout->addWidget(m_status);

    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int page) {
        if (m_tabs->widget(page) == m_copy)
            m_copy->fillLists();
    });
    connect(m_copy, &OrderCopyPage::copyRequested, this, &OrderScreen::copyOrder);
    connect(m_model, &OrderLinesModel::linesChanged, this, &OrderScreen::showRunningTotal);
    connect(m_model, &OrderLinesModel::catalogNote, this, [this](const QString &note) {
        m_catalogNote = note;
        showRunningTotal();
    });
    connect(m_model, &OrderLinesModel::rowsReserved, this, [this](const QString &number, int rows) {
        m_reserved.reservedCatalogNumber = number;
        m_reserved.reservedRows = rows;
    });
    connect(m_grid, &OrderGridView::deleteRowRequested, this, [this](int row) {
        if (row < m_model->rowCount() - 1)
            m_model->removeLine(row);
    });
    m_grid->setNextCell([this](const QModelIndex &from) { return nextCell(from); });

    resize(1180, 720);
    setUpScreen();
    load();
    if (!m_grid->restoreLayout()) {
        // The typist sees each line's total beside its price, without scrolling to the far right.
        QHeaderView *header = m_grid->horizontalHeader();
        header->moveSection(header->visualIndex(OrderLinesModel::Total), header->visualIndex(OrderLinesModel::UnitPrice) + 1);
    }
    for (const ColumnSwitch &column : columnSwitches())
        setColumnShown(column.column, state.settings.read(layoutKey(column.key, "Show")) != QLatin1String("Hide"));
    for (int column = OrderLinesModel::BoMessage; column < OrderLinesModel::ColumnCount; ++column)
        m_grid->setColumnHidden(column, true);
    setMultipleLines(state.settings.read(layoutKey("Lines", "Single")) == QLatin1String("Multiple"));
}

OrderScreen::~OrderScreen() = default;

QWidget *OrderScreen::buildEntryPage()
{
    auto *page = new QWidget(this);
    auto *layout = new QVBoxLayout(page);
    auto *labels = new QHBoxLayout;
    for (QLabel *label : {m_entered, m_modified, m_balance})
        labels->addWidget(label);
    labels->addStretch();
    layout->addLayout(labels);
    m_grid->setAccessibleName(QStringLiteral("Order Lines"));
    m_grid->setModel(m_model);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    layout->addWidget(m_grid, 1);
    layout->addWidget(m_header);
    return page;
}

QWidget *OrderScreen::buildButtons()
{
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    m_saveButton = new QPushButton(this);
    connect(m_saveButton, &QPushButton::clicked, this, &OrderScreen::save);
    layout->addWidget(m_saveButton);
    const auto button = [&](const QString &caption, auto handler) {
        auto *b = new QPushButton(caption, row);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, handler);
        layout->addWidget(b);
    };
    button(QStringLiteral("&Print / Save"), [this] { printAndSave(false); });
    button(QStringLiteral("Pre&view / Save"), [this] { printAndSave(true); });
    button(QStringLiteral("Ca&ncel Changes"), &OrderScreen::cancel);
    button(QStringLiteral("&Delete Order"), &OrderScreen::deleteOrder);
    m_saveButton->setAutoDefault(false);
    layout->addStretch();
    return row;
}

void OrderScreen::buildMenus()
{
    auto *bar = new QMenuBar(this);
    layout()->setMenuBar(bar);
    QMenu *file = bar->addMenu(QStringLiteral("&File"));
    QAction *saveAction = file->addAction(QStringLiteral("&Save Order / Exit"), this, &OrderScreen::save);
    saveAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    QAction *print = file->addAction(QStringLiteral("&Print / Save Order"), this, [this] { printAndSave(false); });
    print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    file->addAction(QStringLiteral("Print Pre&view (eMail) / Save Order"), this, [this] { printAndSave(true); });
    file->addAction(QStringLiteral("&Cancel Changes"), this, &OrderScreen::cancel);
    file->addAction(QStringLiteral("&Delete Order"), this, &OrderScreen::deleteOrder);
    file->addSeparator();
    file->addAction(QStringLiteral("Mark Current Row &Back Ordered"), this, [this] { markCurrentRow(QStringLiteral("B")); });
    file->addAction(QStringLiteral("Mark Current Row &Unavailable"), this, [this] { markCurrentRow(QStringLiteral("U")); });
    file->addAction(QStringLiteral("Mark Current Row Subs&tituted"), this, [this] { markCurrentRow(QStringLiteral("S")); });
    file->addSeparator();
    file->addAction(QStringLiteral("Update &Inventory w/ Current Row Data"), this, &OrderScreen::updateInventory);
    file->addAction(QStringLiteral("Update Internal &Expenses w/ Current Row Data"), this, &OrderScreen::updateExpenses);
    buildColumnsMenu(bar->addMenu(QStringLiteral("&Columns")));
    buildMiscMenu(bar->addMenu(QStringLiteral("&Misc")));
}

void OrderScreen::buildColumnsMenu(QMenu *menu)
{
    for (const ColumnSwitch &column : columnSwitches()) {
        QAction *action = menu->addAction(QString());
        connect(action, &QAction::triggered, this, [this, column] {
            const bool show = m_grid->isColumnHidden(column.column);
            setColumnShown(column.column, show);
            state().settings.write(layoutKey(column.key, "Show"), show ? QStringLiteral("Show") : QStringLiteral("Hide"));
        });
        m_columnActions.emplace_back(column.column, action);
    }
}

void OrderScreen::buildMiscMenu(QMenu *menu)
{
    menu->addAction(QStringLiteral("&Single Lines"), this, [this] { setMultipleLines(false); });
    menu->addAction(QStringLiteral("&Multiple Lines"), this, [this] { setMultipleLines(true); });
    menu->addAction(QStringLiteral("Save &Grid Layout"), this, [this] { m_grid->saveLayout(); });
    menu->addAction(QStringLiteral("R&eset Grid Layout"), this, [this] { m_grid->resetLayout(); });
    menu->addAction(QStringLiteral("Reset Screen Si&ze / Position"), this, &ScreenBase::resetScreenSize);
    menu->addAction(QStringLiteral("&Print Screen"), this, [this] { printScreen(this); });
    m_historiesAll = menu->addAction(QStringLiteral("&Check Histories (All)"), this, [this] {
        if (m_openHistory)
            m_openHistory(0);
    });
    m_historiesCustomer = menu->addAction(QStringLiteral("Check &Histories (Current Customer)"), this, [this] {
        if (m_openHistory)
            m_openHistory(m_entry->customer());
    });
    m_historiesAll->setVisible(false);
    m_historiesCustomer->setVisible(false);
}

void OrderScreen::setHistoryOpener(std::function<void(int)> open)
{
    m_openHistory = std::move(open);
    m_historiesAll->setVisible(bool(m_openHistory));
    m_historiesCustomer->setVisible(bool(m_openHistory));
}

QAction *OrderScreen::columnAction(int column) const
{
    for (const auto &[number, action] : m_columnActions)
        if (number == column)
            return action;
    return nullptr;
}

void OrderScreen::setColumnShown(int column, bool shown)
{
    m_grid->setColumnHidden(column, !shown);
    for (const ColumnSwitch &c : columnSwitches())
        if (c.column == column)
            columnAction(column)->setText((shown ? QStringLiteral("Hide ") : QStringLiteral("Show ")) + QString::fromLatin1(c.caption));
}

void OrderScreen::setMultipleLines(bool multiple)
{
    m_grid->setWordWrap(multiple);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() * (multiple ? 2 : 1) + 8);
    state().settings.write(layoutKey("Lines", "Single"), multiple ? QStringLiteral("Multiple") : QStringLiteral("Single"));
}

void OrderScreen::load()
{
    m_opened = m_entry->open();
    m_model->setCustomer(m_opened.customerName, m_entry->campaign());
    m_model->setLines(m_opened.lines);
    m_header->load(m_opened, state().options, OrderExpenses(state().data).categories());
    m_backOrders->load(m_opened.header, m_entry->campaign(), state().options.LastCampaignNumberOfYear);
    m_tabs->setTabText(0, OrderEntry::tabCaption(m_opened.header.summarized));
    m_entered->setText(OrderEntry::dateLabel(QStringLiteral("Order entered on "), m_opened.enteredDate));
    m_modified->setText(OrderEntry::dateLabel(QStringLiteral("Order last modified on "), m_opened.modifiedDate));
    m_balance->setText(QStringLiteral("Previous Balance: ") + m_opened.previousBalance.format(u"##,##0.00")
                       + QStringLiteral("    Order Total: ") + m_opened.orderTotal.format(u"##,##0.00"));
    setWindowTitle(m_entry->windowTitle(m_opened.customerName));
    m_saveButton->setText(m_entry->saveCaption());
    showRunningTotal();
    if (const std::optional<QString> warning = m_entry->lastCampaignWarning())
        state().prompter.information(*warning, QStringLiteral("Warning"), Icon::Exclamation);
}

void OrderScreen::showEvent(QShowEvent *event)
{
    ScreenBase::showEvent(event);
    // The typist starts in the Catalog Number cell of the first empty row.
    QTimer::singleShot(0, this, [this] { m_grid->enterCell(m_model->index(m_model->rowCount() - 1, OrderLinesModel::Catalog)); });
}

QString OrderScreen::statusText() const
{
    return m_status->text();
}

void OrderScreen::showRunningTotal()
{
    const QString total = OrderLineRules::runningTotal(m_model->rows());
    m_status->setText(m_catalogNote.isEmpty() ? total : total + QStringLiteral("   -   ") + m_catalogNote);
}

QModelIndex OrderScreen::nextCell(const QModelIndex &from) const
{
    using M = OrderLinesModel;
    if (!from.isValid())
        return {};
    const int row = from.row();
    const auto cell = [this](int r, int c) { return m_model->index(qMin(r, m_model->rowCount() - 1), c); };
    const bool found = m_model->isFound(row);
    switch (from.column()) {
    case M::Catalog:
        if (m_model->record(row).catalogNumber.isEmpty())
            return {};
        return cell(row, found ? M::OrderQty : M::Page);
    case M::Page: return cell(row, M::Product);
    case M::Product: return cell(row, M::Shade);
    case M::Shade: return cell(row, M::Size);
    case M::Size: return cell(row, M::OrderQty);
    case M::OrderQty: return found ? cell(row + 1, M::Catalog) : cell(row, M::UnitPrice);
    case M::UnitPrice: return cell(row + 1, M::Catalog);
    default: break;
    }
    for (int column = from.column() + 1; column < M::Total; ++column)
        if (!m_grid->isColumnHidden(column))
            return cell(row, column);
    return cell(row + 1, M::Catalog);
}

// A value still open in a cell is stored before any command; false when the grid refused it.
bool OrderScreen::finishTyping()
{
    return m_grid->delegate()->commitEditor();
}

std::optional<OrderHeader> OrderScreen::readHeader()
{
    OrderHeader header;
    if (const QString message = m_header->read(header); !message.isEmpty()) {
        m_tabs->setCurrentIndex(0);
        state().prompter.information(message);
        return std::nullopt;
    }
    m_backOrders->read(header);
    header.reservedCatalogNumber = m_reserved.reservedCatalogNumber;
    header.reservedRows = m_reserved.reservedRows;
    return header;
}

bool OrderScreen::isChanged() const
{
    return m_model->isModified() || m_header->isModified() || m_backOrders->isModified() || m_reserved.reservedRows > 0;
}

void OrderScreen::closeScreen(int result)
{
    m_mayClose = true;
    m_grid->delegate()->discardEditor();
    done(result);
}

bool OrderScreen::save()
{
    if (!finishTyping())
        return false;
    const std::optional<OrderHeader> header = readHeader();
    if (!header)
        return false;
    state().prompter.hourglass(true);
    const OrderEntry::SaveResult result = m_entry->save(*header, m_model->lines());
    state().prompter.hourglass(false);
    switch (result) {
    case OrderEntry::SaveResult::Saved:
        m_savedOrderNumber = m_entry->orderNumber();
        closeScreen(QDialog::Accepted);
        return true;
    case OrderEntry::SaveResult::Deleted:
        m_savedOrderNumber = 0;
        closeScreen(QDialog::Accepted);
        return true;
    case OrderEntry::SaveResult::Refused:
        m_tabs->setCurrentWidget(m_backOrders);
        return false;
    case OrderEntry::SaveResult::Failed:
    case OrderEntry::SaveResult::Busy:
        return false;
    }
    return false;
}

bool OrderScreen::printAndSave(bool preview)
{
    if (!save() || m_savedOrderNumber == 0)
        return false;
    reports::InvoiceSelection selection;
    selection.campaign = m_entry->campaign();
    selection.customer = m_entry->customer();
    selection.order = m_savedOrderNumber;
    if (const std::optional<QString> nothing = reports::prepareInvoices(state(), selection)) {
        state().prompter.information(*nothing);
        return false;
    }
    const reports::ReportRequest request = reports::invoiceRequest(state(), selection, false, preview);
    QString error;
    const std::optional<reports::Document> document = reports::layOutReport(state(), request, &error);
    if (!document) {
        state().prompter.information(error);
        return false;
    }
    if (!preview) {
        reports::showReport(state(), *document, false, parentWidget());
        return true;
    }
    reports::ReportPreview view(state(), *document, parentWidget());
    view.setSuggestedPath(reports::suggestedPdfPath(state(), QStringLiteral("Invoice"), m_entry->customer(), m_entry->campaign()));
    if (!m_opened.customerEmail.isEmpty())
        view.setMail(m_opened.customerEmail, state().options.EmailSubject, state().options.EmailBody);
    view.exec();
    return true;
}

void OrderScreen::cancel()
{
    m_grid->delegate()->discardEditor();
    if (isChanged() && !m_entry->confirmCancel(m_model->inventoryAdjusted()))
        return;
    closeScreen(QDialog::Rejected);
}

void OrderScreen::reject()
{
    cancel();
}

void OrderScreen::closeEvent(QCloseEvent *event)
{
    if (m_mayClose) {
        ScreenBase::closeEvent(event);
        return;
    }
    event->ignore();
    state().prompter.information(QStringLiteral("Please use 'Save New Order' / 'Save Order #' Button"));
}

void OrderScreen::deleteOrder()
{
    if (!m_entry->deleteOrder())
        return;
    m_savedOrderNumber = 0;
    closeScreen(QDialog::Accepted);
}

void OrderScreen::markCurrentRow(const QString &flag)
{
    finishTyping();
    m_model->setBackOrderFlag(m_grid->currentIndex().row(), flag);
}

void OrderScreen::updateInventory()
{
    if (!finishTyping() || !m_grid->currentIndex().isValid())
        return;
    const OrderRow &line = m_model->record(m_grid->currentIndex().row());
    if (line.quantity <= 0) {
        state().prompter.information(InventoryAdjustment::kNeedsQuantity);
        return;
    }
    if (state().prompter.askYesNo(InventoryAdjustment::updateQuestion(line)))
        InventoryAdjustment(state().data).Ms_Update_Inventory(line);
}

void OrderScreen::updateExpenses()
{
    if (!finishTyping() || !m_grid->currentIndex().isValid())
        return;
    const OrderRow &line = m_model->record(m_grid->currentIndex().row());
    const QString category = m_header->expenseCategory();
    if (!state().prompter.askYesNo(OrderExpenses::question(line.product, category, line.unitTotal)))
        return;
    OrderExpenses(state().data).add(m_entry->campaign(), line.product, category, line.unitTotal, state().now());
}

void OrderScreen::copyOrder(const OrderCopy::Source &source)
{
    std::vector<OrderRow> lines = m_model->lines();
    const size_t before = lines.size();
    if (OrderCopy(state()).copyInto(lines, source) == 0)
        return;
    m_model->appendLines(std::vector<OrderRow>(lines.begin() + qsizetype(before), lines.end()));
    m_tabs->setCurrentIndex(0);
}

} // namespace zel
