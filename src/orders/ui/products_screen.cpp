#include "orders/ui/products_screen.h"

#include "core/prompter.h"
#include "orders/product_baseline.h"
#include "orders/ui/products_delegate.h"
#include "orders/ui/products_model.h"
#include "shell/app_state.h"
#include "shell/ui/screen_setup.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace zel {

namespace {
const QString kGridName = QStringLiteral("Products");
// A long description or note may widen its column only this far; the rest shows when widened.
constexpr int kWidestFittedColumn = 260;
}

ProductsScreen::ProductsScreen(AppState &state, QWidget *parent)
    : QDialog(parent),
      m_state(state),
      m_model(new ProductsModel(state.data, [&state](const QString &message) { state.prompter.information(message); }, this)),
      m_grid(new QTableView(this)),
      m_delegate(new ProductsDelegate(this)),
      m_newNumber(new QLineEdit(this)),
      m_campaign(new QLabel(this))
{
    setObjectName(QStringLiteral("Zel_Products"));
    setModal(true);
    auto *layout = new QVBoxLayout(this);
    buildMenus();

    auto *top = new QHBoxLayout;
    auto *previous = new QPushButton(QStringLiteral("&Previous ####"), this);
    auto *next = new QPushButton(QStringLiteral("&Next ####"), this);
    connect(previous, &QPushButton::clicked, this, [this] { stepCampaign(false); });
    connect(next, &QPushButton::clicked, this, [this] { stepCampaign(true); });
    top->addWidget(previous);
    top->addWidget(m_campaign, 1, Qt::AlignCenter);
    top->addWidget(next);
    layout->addLayout(top);

    m_grid->setObjectName(kGridName);
    m_grid->setAccessibleName(QStringLiteral("Products"));
    m_grid->setModel(m_model);
    m_grid->setItemDelegate(m_delegate);
    m_grid->setSortingEnabled(true);
    m_grid->horizontalHeader()->setSectionsMovable(true);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->setAlternatingRowColors(true);
    layout->addWidget(m_grid, 1);
    connect(m_model, &ProductsModel::stored, this, &ProductsScreen::updateTitle);

    auto *entry = new QGroupBox(QStringLiteral("New Product Entry"), this);
    auto *entryLayout = new QHBoxLayout(entry);
    // Alt+N is Next Campaign's.
    auto *numberLabel = new QLabel(QStringLiteral("Pro&duct Number"), entry);
    numberLabel->setBuddy(m_newNumber);
    m_newNumber->setMaxLength(10);
    auto *add = new QPushButton(QStringLiteral("&Add"), entry);
    connect(add, &QPushButton::clicked, this, &ProductsScreen::addProduct);
    connect(m_newNumber, &QLineEdit::returnPressed, this, &ProductsScreen::addProduct);
    entryLayout->addWidget(numberLabel);
    entryLayout->addWidget(m_newNumber);
    entryLayout->addWidget(add);
    entryLayout->addWidget(new QLabel(QStringLiteral("Does Not Update Inventory"), entry));
    entryLayout->addStretch();
    layout->addWidget(entry);

    resize(980, 600);
    Gs_Screen_Setup(this, m_state.settings);
    catalogue::Ms_Fix_Nulls(m_state.data);
    showCurrentCampaign();
    fitColumns();
    loadGridLayout(m_grid->horizontalHeader(), m_state.settings, kGridName);
}

// Each column as wide as its heading and its contents need, so no heading is cut off; a long text
// column stops at a sensible width, but never narrower than its heading.
void ProductsScreen::fitColumns()
{
    QHeaderView *header = m_grid->horizontalHeader();
    for (int column = 0; column < m_model->columnCount(); ++column) {
        m_grid->resizeColumnToContents(column); // the wider of the heading and the cells
        if (header->sectionSize(column) > kWidestFittedColumn)
            m_grid->setColumnWidth(column, qMax(header->sectionSizeHint(column), kWidestFittedColumn));
    }
}

void ProductsScreen::buildMenus()
{
    auto *bar = new QMenuBar(this);
    layout()->setMenuBar(bar);
    QMenu *file = bar->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Print Screen"), this, [this] { printScreen(this); });
    file->addAction(QStringLiteral("&Save Grid Layout"), this,
                    [this] { saveGridLayout(m_grid->horizontalHeader(), m_state.settings, kGridName); });
    file->addAction(QStringLiteral("E&xit"), this, &QDialog::reject);

    QMenu *view = bar->addMenu(QStringLiteral("&Show"));
    view->addAction(QStringLiteral("&Show All"), this, [this] { show(catalogue::showAll()); });
    view->addAction(QStringLiteral("Show &Current ####"), this, &ProductsScreen::showCurrentCampaign);
    view->addAction(QStringLiteral("Show &BaseLine #### "), this, [this] { show(catalogue::baseline()); });
    view->addSeparator();
    view->addAction(QStringLiteral("&Data Entry Current ####"), this, [this] { startDataEntry(false); });
    view->addAction(QStringLiteral("Data &Entry BaseLine #### "), this, [this] { startDataEntry(true); });

    QMenu *filters = bar->addMenu(QStringLiteral("F&ilter"));
    for (const catalogue::FilterText &text : catalogue::filters())
        filters->addAction(QString::fromLatin1(text.menu), this, [this, f = text.filter] { filter(f); });
    filters->addAction(QStringLiteral("By #### &Year and Number"), this, &ProductsScreen::showCurrentCampaign);

    QMenu *tools = bar->addMenu(QStringLiteral("&Tools"));
    tools->addAction(QStringLiteral("&Copy Products To Next ####"), this, &ProductsScreen::copyProducts);
    Gs_Caption_Replace(this);
}

void ProductsScreen::show(const ProductQuery &query)
{
    m_state.prompter.hourglass(true);
    m_model->setProducts(catalogue::load(m_state.data, query));
    m_state.prompter.hourglass(false);
    updateTitle();
}

void ProductsScreen::showCurrentCampaign()
{
    show(catalogue::currentCampaign(m_state.options));
}

void ProductsScreen::updateTitle()
{
    setWindowTitle(QStringLiteral("Products - Current Product Count = %1").arg(catalogue::productCount(m_state.data)));
    m_campaign->setText(QStringLiteral("Current Campaign %1 For %2")
                            .arg(m_state.options.CurrentCampaignNumber)
                            .arg(m_state.options.CurrentCampaignYear));
}

void ProductsScreen::stepCampaign(bool forward)
{
    cOption &options = m_state.options;
    const bool changed = forward ? options.CampaignIncrement() : options.CampaignDecrement();
    if (!changed) {
        m_state.prompter.beep();
        return;
    }
    if (m_state.seams.saveOptions)
        m_state.seams.saveOptions();
    showCurrentCampaign();
}

void ProductsScreen::addProduct()
{
    const std::optional<Product> added = catalogue::addProduct(m_state.data, m_state.prompter, m_newNumber->text());
    if (!added)
        return;
    m_state.prompter.status(added->catalogNumber + QStringLiteral("  Added"));
    m_model->setProducts({*added});
    m_newNumber->clear();
    updateTitle();
}

void ProductsScreen::startDataEntry(bool baseline)
{
    show(catalogue::noRows());
    const Campaign campaign = baseline ? Campaign{0, 0}
                                       : Campaign{m_state.options.CurrentCampaignYear, m_state.options.CurrentCampaignNumber};
    const int row = m_model->addBlankRow(campaign);
    m_grid->setCurrentIndex(m_model->index(row, ProductsModel::CatalogNumber));
    m_grid->edit(m_grid->currentIndex());
}

void ProductsScreen::filter(catalogue::Filter which)
{
    for (const catalogue::FilterText &text : catalogue::filters()) {
        if (text.filter != which)
            continue;
        const std::optional<QString> answer =
            m_state.prompter.inputText(QStringLiteral("Enter the value to show"), QString::fromLatin1(text.title), QString());
        if (!answer)
            return;
        const std::optional<ProductQuery> query = catalogue::filtered(which, *answer);
        if (!query) {
            m_state.prompter.information(QStringLiteral("The value does not fit this filter."));
            return;
        }
        show(*query);
    }
}

void ProductsScreen::copyProducts()
{
    const QWidget *focus = QApplication::focusWidget();
    if (focus && focus != m_grid && m_grid->isAncestorOf(focus)) {
        m_state.prompter.information(QStringLiteral("Can not perfrom copy while the current row is in Edit Mode.\nPlease "
                                                    "finishing the changes and tab to the next row or press ESC twice to "
                                                    "cancel edits."));
        return;
    }
    if (catalogue::CopyProductsToNextCampaign(m_state.data, m_state.prompter))
        showCurrentCampaign();
}

// Cell edits are stored as they are made; what can still be lost on closing is a value typed into
// an open cell and a data-entry row that never got its product number.
bool ProductsScreen::confirmClose()
{
    const bool typing = m_delegate->editorChanged();
    if (!typing && m_model->firstUnsavedRow() < 0) {
        m_delegate->discardEditor();
        m_model->dropPendingRows();
        return true;
    }
    const Answer answer = m_state.prompter.ask({QStringLiteral("Save the changes to the products?"), kMessageTitle,
                                                Buttons::YesNoCancel, Answer::Yes, Icon::Question});
    if (answer == Answer::Cancel)
        return false;
    if (answer == Answer::No) {
        m_delegate->discardEditor();
        m_model->dropPendingRows();
        return true;
    }
    if (!m_delegate->commitEditor())
        return false; // the model has said what is wrong; the cell stays open to correct or Escape
    if (const int row = m_model->firstUnsavedRow(); row >= 0) {
        m_state.prompter.information(QStringLiteral("Please enter a product number."));
        m_grid->setCurrentIndex(m_model->index(row, ProductsModel::CatalogNumber));
        m_grid->edit(m_grid->currentIndex());
        return false;
    }
    m_model->dropPendingRows();
    return true;
}

void ProductsScreen::done(int result)
{
    if (!m_closing) {
        if (!confirmClose())
            return;
        m_closing = true;
        m_state.prompter.hourglass(true);
        UpdateBaseLine(m_state.data, m_state.prompter);
        m_state.prompter.hourglass(false);
        Gs_Screen_Save(this, m_state.settings);
    }
    QDialog::done(result);
}

} // namespace zel
