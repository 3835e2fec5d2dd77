#include "orders/ui/products_screen.h"

#include "core/prompter.h"
#include "orders/product_baseline.h"
#include "orders/ui/products_model.h"
#include "session/app_state.h"
#include "shell/ui/grid_delegate.h"
#include "shell/ui/record_grid_view.h"
#include "shell/ui/screen_setup.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace zel {

namespace {
const QString kGridName = QStringLiteral("Products");
}

ProductsScreen::ProductsScreen(AppState &state, QWidget *parent)
    : ScreenBase(state, QStringLiteral("Zel_Products"), parent),
      m_model(new ProductsModel(state.data, [&state](const QString &message) { state.prompter.information(message); }, this)),
      m_grid(new RecordGridView(kGridName, state, this)),
      m_newNumber(new QLineEdit(this)),
      m_campaign(new QLabel(this))
{
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

    m_grid->setAccessibleName(QStringLiteral("Products"));
    m_grid->setModel(m_model);
    m_grid->setSortingEnabled(true);
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
    setUpScreen();
    catalogue::Ms_Fix_Nulls(state.data);
    showCurrentCampaign();
    m_grid->restoreLayout();
}

QTableView *ProductsScreen::grid() const
{
    return m_grid;
}

GridDelegate *ProductsScreen::delegate() const
{
    return m_grid->delegate();
}

void ProductsScreen::buildMenus()
{
    auto *bar = new QMenuBar(this);
    layout()->setMenuBar(bar);
    QMenu *file = bar->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Print Screen"), this, [this] { printScreen(this); });
    m_grid->addLayoutCommands(file, QStringLiteral("&Save Grid Layout"));
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
    state().prompter.hourglass(true);
    m_model->setProducts(catalogue::load(state().data, query));
    state().prompter.hourglass(false);
    updateTitle();
}

void ProductsScreen::showCurrentCampaign()
{
    show(catalogue::currentCampaign(state().options));
}

void ProductsScreen::updateTitle()
{
    setWindowTitle(QStringLiteral("Products - Current Product Count = %1").arg(catalogue::productCount(state().data)));
    m_campaign->setText(QStringLiteral("Current Campaign %1 For %2")
                            .arg(state().options.CurrentCampaignNumber)
                            .arg(state().options.CurrentCampaignYear));
}

void ProductsScreen::stepCampaign(bool forward)
{
    cOption &options = state().options;
    const bool changed = forward ? options.CampaignIncrement() : options.CampaignDecrement();
    if (!changed) {
        state().prompter.beep();
        return;
    }
    if (state().seams.saveOptions)
        state().seams.saveOptions();
    showCurrentCampaign();
}

void ProductsScreen::addProduct()
{
    const std::optional<Product> added = catalogue::addProduct(state().data, state().prompter, m_newNumber->text());
    if (!added)
        return;
    state().prompter.status(added->catalogNumber + QStringLiteral("  Added"));
    m_model->setProducts({*added});
    m_newNumber->clear();
    updateTitle();
}

void ProductsScreen::startDataEntry(bool baseline)
{
    show(catalogue::noRows());
    const Campaign campaign = baseline ? Campaign{0, 0}
                                       : Campaign{state().options.CurrentCampaignYear, state().options.CurrentCampaignNumber};
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
            state().prompter.inputText(QStringLiteral("Enter the value to show"), QString::fromLatin1(text.title), QString());
        if (!answer)
            return;
        const std::optional<ProductQuery> query = catalogue::filtered(which, *answer);
        if (!query) {
            state().prompter.information(QStringLiteral("The value does not fit this filter."));
            return;
        }
        show(*query);
    }
}

void ProductsScreen::copyProducts()
{
    const QWidget *focus = QApplication::focusWidget();
    if (focus && focus != m_grid && m_grid->isAncestorOf(focus)) {
        state().prompter.information(QStringLiteral("Can not perfrom copy while the current row is in Edit Mode.\nPlease "
                                                    "finishing the changes and tab to the next row or press ESC twice to "
                                                    "cancel edits."));
        return;
    }
    if (catalogue::CopyProductsToNextCampaign(state().data, state().prompter))
        showCurrentCampaign();
}

// Cell edits are stored as they are made; what can still be lost on closing is a value typed into
// an open cell and a data-entry row that never got its product number.
bool ProductsScreen::confirmClose()
{
    const bool typing = delegate()->editorChanged();
    if (!typing && m_model->firstUnsavedRow() < 0) {
        delegate()->discardEditor();
        m_model->dropPendingRows();
        return true;
    }
    const Answer answer = state().prompter.ask({QStringLiteral("Save the changes to the products?"), kMessageTitle,
                                                Buttons::YesNoCancel, Answer::Yes, Icon::Question});
    if (answer == Answer::Cancel)
        return false;
    if (answer == Answer::No) {
        delegate()->discardEditor();
        m_model->dropPendingRows();
        return true;
    }
    if (!delegate()->commitEditor())
        return false; // the model has said what is wrong; the cell stays open to correct or Escape
    if (const int row = m_model->firstUnsavedRow(); row >= 0) {
        state().prompter.information(QStringLiteral("Please enter a product number."));
        m_grid->setCurrentIndex(m_model->index(row, ProductsModel::CatalogNumber));
        m_grid->edit(m_grid->currentIndex());
        return false;
    }
    m_model->dropPendingRows();
    return true;
}

// Edited campaign rows reach their baseline rows.
void ProductsScreen::finishClosing()
{
    state().prompter.hourglass(true);
    UpdateBaseLine(state().data, state().prompter);
    state().prompter.hourglass(false);
}

} // namespace zel
