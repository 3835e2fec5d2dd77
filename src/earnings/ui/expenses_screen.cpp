#include "earnings/ui/expenses_screen.h"

#include "core/prompter.h"
#include "earnings/expense_totals.h"
#include "earnings/mileage_records.h"
#include "earnings/ui/amounts_due_model.h"
#include "earnings/ui/expenses_model.h"
#include "earnings/ui/mileage_model.h"
#include "session/app_state.h"
#include "shell/ini_file.h"
#include "shell/ui/edit_mode_sort_guard.h"
#include "shell/ui/grid_delegate.h"
#include "shell/ui/grid_list_delegate.h"
#include "shell/ui/record_grid_view.h"
#include "shell/ui/screen_setup.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zel {

namespace {

using Grid = ExpenseRecords::Grid;

// Where the drop-down lists' year filter is remembered between visits.
const QString kSettingsFile = QStringLiteral("ZEL.INI");
const QString kSection = QStringLiteral("Expenses");
const QString kFilterKey = QStringLiteral("DropdownListYearFilter");

int gridIndex(Grid grid)
{
    return grid == Grid::External ? 1 : 0;
}

ExpensesScreen::Tab tabOf(Grid grid)
{
    return grid == Grid::External ? ExpensesScreen::ExternalTab : ExpensesScreen::ExpensesTab;
}

// Every cell editor of a grid: its own and those of its list columns.
QList<GridDelegate *> delegatesOf(const RecordGridView *grid)
{
    QList<GridDelegate *> all{grid->delegate()};
    for (int column = 0; grid->model() && column < grid->model()->columnCount(); ++column)
        if (auto *own = qobject_cast<GridDelegate *>(grid->itemDelegateForColumn(column)))
            all << own;
    return all;
}

} // namespace

ExpensesScreen::ExpensesScreen(AppState &state, QWidget *parent)
    : ScreenBase(state, QStringLiteral("Zel_Totals"), parent), m_records(state.data), m_tabs(new QTabWidget(this))
{
    m_yearFilterOn = state.settings.file(kSettingsFile).read(kSection, kFilterKey, QStringLiteral("OFF")) == QLatin1String("ON");
    auto *layout = new QVBoxLayout(this);

    auto *top = new QHBoxLayout;
    auto *previous = new QPushButton(QStringLiteral("&Previous ####"), this);
    auto *next = new QPushButton(QStringLiteral("&Next ####"), this);
    m_campaign = new QLabel(this);
    connect(previous, &QPushButton::clicked, this, [this] { stepCampaign(false); });
    connect(next, &QPushButton::clicked, this, [this] { stepCampaign(true); });
    top->addWidget(previous);
    top->addWidget(m_campaign, 1, Qt::AlignCenter);
    top->addWidget(next);
    layout->addLayout(top);

    m_tabs->addTab(buildExpensesPage(Grid::Internal), QStringLiteral("&Expenses"));
    m_tabs->addTab(buildExpensesPage(Grid::External), QStringLiteral("Expenses Ex&ternal"));
    m_tabs->addTab(buildMileagePage(), QStringLiteral("&Mileage"));
    m_tabs->addTab(buildTotalsPage(), QStringLiteral("&Campaign Totals"));
    layout->addWidget(m_tabs, 1);

    auto *bottom = new QHBoxLayout;
    m_yearFilter = new QPushButton(this);
    connect(m_yearFilter, &QPushButton::clicked, this, &ExpensesScreen::toggleYearFilter);
    auto *exit = new QPushButton(QStringLiteral("E&xit"), this);
    exit->setAutoDefault(false);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    bottom->addWidget(m_yearFilter);
    bottom->addStretch();
    bottom->addWidget(exit);
    layout->addLayout(bottom);
    buildMenus();
    showYearFilter();

    resize(1000, 620);
    setUpScreen();
    loadCampaign();
    for (RecordGridView *grid : m_grids)
        grid->restoreLayout();
}

ExpensesModel *ExpensesScreen::expenses(Grid grid) const
{
    return m_expenses[gridIndex(grid)];
}

Campaign ExpensesScreen::currentCampaign() const
{
    return {state().options.CurrentCampaignYear, state().options.CurrentCampaignNumber};
}

QWidget *ExpensesScreen::gridPage(Tab tab, const QList<QWidget *> &controls)
{
    auto *page = new QWidget(this);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(m_grids[tab], 1);
    auto *row = new QHBoxLayout;
    for (QWidget *control : controls)
        row->addWidget(control);
    row->addStretch();
    layout->addLayout(row);
    m_grids[tab]->setSortingEnabled(true);
    new EditModeSortGuard(m_grids[tab], state().prompter);
    return page;
}

QWidget *ExpensesScreen::buildExpensesPage(Grid grid)
{
    const Tab tab = tabOf(grid);
    const auto tell = [this](const QString &message) { state().prompter.information(message); };
    ExpensesModel *model = new ExpensesModel(m_records, grid, tell, this);
    m_expenses[gridIndex(grid)] = model;
    m_grids[tab] = new RecordGridView(QStringLiteral("ExpensesTab%1").arg(tab + 1), state(), this);
    m_grids[tab]->setAccessibleName(grid == Grid::External ? QStringLiteral("Expenses External") : QStringLiteral("Expenses"));
    m_grids[tab]->setModel(model);
    auto *lists = new GridListDelegate(m_grids[tab]);
    lists->setChoices(ExpensesModel::Description, [this] { return choices(ExpenseRecords::List::Description); });
    lists->setChoices(ExpensesModel::Payee, [this] { return choices(ExpenseRecords::List::Payee); });
    lists->setChoices(ExpensesModel::Category, [this] { return choices(ExpenseRecords::List::Category); });
    for (const int column : {ExpensesModel::Description, ExpensesModel::Payee, ExpensesModel::Category})
        m_grids[tab]->setItemDelegateForColumn(column, lists);

    auto *add = new QPushButton(QStringLiteral("&Add Expense"), this);
    auto *remove = new QPushButton(QStringLiteral("&Delete Expense"), this);
    connect(add, &QPushButton::clicked, this, [this, grid] { addExpense(grid); });
    connect(remove, &QPushButton::clicked, this, [this, grid] { deleteExpense(grid); });
    return gridPage(tab, {add, remove});
}

QWidget *ExpensesScreen::buildMileagePage()
{
    m_mileage = new MileageModel(state().data, [this](const QString &message) { state().prompter.information(message); }, this);
    m_grids[MileageTab] = new RecordGridView(QStringLiteral("ExpensesTab3"), state(), this);
    m_grids[MileageTab]->setAccessibleName(QStringLiteral("Mileage"));
    m_grids[MileageTab]->setModel(m_mileage);
    m_allYears = new QCheckBox(QStringLiteral("Show All &Years"), this);
    m_allYears->setObjectName(QStringLiteral("chkShowAllYears"));
    connect(m_allYears, &QCheckBox::toggled, this, &ExpensesScreen::loadMileage);
    auto *add = new QPushButton(QStringLiteral("&Add Trip"), this);
    auto *remove = new QPushButton(QStringLiteral("&Delete Trip"), this);
    connect(add, &QPushButton::clicked, this, &ExpensesScreen::addTrip);
    connect(remove, &QPushButton::clicked, this, &ExpensesScreen::deleteTrip);
    return gridPage(MileageTab, {add, remove, m_allYears});
}

QWidget *ExpensesScreen::buildTotalsPage()
{
    m_amountsDue = new AmountsDueModel(state().data, [this](const QString &message) { state().prompter.information(message); }, this);
    m_grids[TotalsTab] = new RecordGridView(QStringLiteral("ExpensesTab4"), state(), this);
    m_grids[TotalsTab]->setAccessibleName(QStringLiteral("Campaign Totals"));
    m_grids[TotalsTab]->setModel(m_amountsDue);
    return gridPage(TotalsTab, {new QLabel(QStringLiteral("Type the amount due to @@@@@ for each ####."), this)});
}

void ExpensesScreen::buildMenus()
{
    auto *bar = new QMenuBar(this);
    layout()->setMenuBar(bar);
    QMenu *misc = bar->addMenu(QStringLiteral("M&isc"));
    misc->addAction(QStringLiteral("&Print Screen"), this, [this] { printScreen(this); });
    misc->addAction(QStringLiteral("&Reset Screen Size / Position"), this, &ScreenBase::resetScreenSize);
    misc->addSeparator();
    for (int tab = 0; tab < TabCount; ++tab) {
        QMenu *layouts = misc->addMenu(QStringLiteral("Tab-&%1 Grid Layout").arg(tab + 1));
        m_grids[tab]->addLayoutCommands(layouts, QStringLiteral("&Save Grid Layout Tab-%1").arg(tab + 1),
                                        QStringLiteral("&Reset Grid Layout Tab-%1").arg(tab + 1));
    }
    Gs_Caption_Replace(this);
}

void ExpensesScreen::loadCampaign()
{
    state().prompter.hourglass(true);
    m_records.load(currentCampaign());
    for (ExpensesModel *model : m_expenses)
        model->reload();
    loadMileage();
    m_amountsDue->setRows(ExpenseTotals::load(state().data, currentCampaign().year));
    state().prompter.hourglass(false);
    updateTitle();
}

void ExpensesScreen::loadMileage()
{
    const std::optional<int> year = m_allYears->isChecked() ? std::nullopt : std::optional<int>(currentCampaign().year);
    m_mileage->setRows(MileageRecords::load(state().data, year));
}

void ExpensesScreen::updateTitle()
{
    const Campaign campaign = currentCampaign();
    setWindowTitle(QStringLiteral("Expenses - Campaign %1 / %2").arg(campaign.number).arg(campaign.year));
    m_campaign->setText(QStringLiteral("Current Campaign %1 For %2").arg(campaign.number).arg(campaign.year));
}

// A value typed into an open cell reaches its record before anything is saved or reloaded.
bool ExpensesScreen::finishTyping()
{
    for (RecordGridView *grid : m_grids)
        for (GridDelegate *delegate : delegatesOf(grid))
            if (!delegate->commitEditor())
                return false;
    return true;
}

void ExpensesScreen::stepCampaign(bool forward)
{
    if (!finishTyping())
        return;
    cOption &options = state().options;
    m_records.save(currentCampaign());
    const bool changed = forward ? options.CampaignIncrement() : options.CampaignDecrement();
    if (!changed) {
        state().prompter.beep();
        return;
    }
    if (state().seams.saveOptions)
        state().seams.saveOptions();
    loadCampaign();
}

void ExpensesScreen::addExpense(Grid grid)
{
    if (!finishTyping())
        return;
    const std::optional<Expense> added = m_records.addRow(grid, currentCampaign(), state().now().date());
    if (!added)
        return;
    ExpensesModel *model = expenses(grid);
    const int row = model->appendRow(*added);
    RecordGridView *view = m_grids[tabOf(grid)];
    view->setCurrentIndex(model->index(row, ExpensesModel::Description));
    view->setFocus();
    view->edit(view->currentIndex());
}

void ExpensesScreen::deleteExpense(Grid grid)
{
    RecordGridView *view = m_grids[tabOf(grid)];
    const int row = view->currentIndex().row();
    if (row < 0) {
        state().prompter.information(QStringLiteral("Please select an expense to delete."));
        return;
    }
    ExpensesModel *model = expenses(grid);
    const Expense &expense = model->record(row);
    if (!state().prompter.askYesNo(QStringLiteral("Delete expense %1 (%2)?").arg(expense.counter).arg(expense.description)))
        return;
    delegatesOf(view).constFirst()->discardEditor();
    if (m_records.removeRow(grid, expense.counter))
        model->removeRowAt(row);
}

void ExpensesScreen::addTrip()
{
    if (!finishTyping())
        return;
    const std::optional<MileageTrip> added = MileageRecords::add(state().data, MileageTrip::blank(state().now()));
    if (!added)
        return;
    const int row = m_mileage->appendRow(*added);
    RecordGridView *view = m_grids[MileageTab];
    view->setCurrentIndex(m_mileage->index(row, MileageModel::Reason));
    view->setFocus();
    view->edit(view->currentIndex());
}

void ExpensesScreen::deleteTrip()
{
    RecordGridView *view = m_grids[MileageTab];
    const int row = view->currentIndex().row();
    if (row < 0) {
        state().prompter.information(QStringLiteral("Please select a trip to delete."));
        return;
    }
    const MileageTrip &trip = m_mileage->record(row);
    if (!state().prompter.askYesNo(QStringLiteral("Delete the trip of %1 (%2)?").arg(trip.date, trip.reason)))
        return;
    view->delegate()->discardEditor();
    if (MileageRecords::remove(state().data, trip.rowId))
        m_mileage->removeRowAt(row);
}

QStringList ExpensesScreen::choices(ExpenseRecords::List list) const
{
    const std::optional<int> year = m_yearFilterOn ? std::optional<int>(currentCampaign().year) : std::nullopt;
    return ExpenseRecords::choices(state().data, list, year);
}

void ExpensesScreen::toggleYearFilter()
{
    m_yearFilterOn = !m_yearFilterOn;
    state().settings.file(kSettingsFile).write(kSection, kFilterKey, m_yearFilterOn ? QStringLiteral("ON") : QStringLiteral("OFF"));
    showYearFilter();
}

// The lists are read when a cell opens, so the caption is all that changes here.
void ExpensesScreen::showYearFilter()
{
    m_yearFilter->setText(m_yearFilterOn ? QStringLiteral("Dropdown List Year &Filter - On")
                                         : QStringLiteral("Dropdown List Year &Filter - Off"));
}

bool ExpensesScreen::confirmClose()
{
    return finishTyping();
}

void ExpensesScreen::finishClosing()
{
    m_records.save(currentCampaign());
}

} // namespace zel
