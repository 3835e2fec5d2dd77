#include "orders/ui/inventory_screen.h"

#include "core/prompter.h"
#include "orders/ui/inventory_model.h"
#include "reports/inventory_report.h"
#include "reports/ui/report_preview.h"
#include "session/app_state.h"
#include "shell/ui/edit_mode_sort_guard.h"
#include "shell/ui/grid_list_delegate.h"
#include "shell/ui/record_grid_view.h"
#include "shell/ui/screen_setup.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace zel {

namespace {

struct EntryBox
{
    const char *name;
    const char *label;
    int maxLength;
};

// Laid out in two columns in this order, which is also the tab order.
constexpr EntryBox kBoxes[] = {
    {"txtProductNumber", "Pr&oduct Number", 10}, {"txtDescription", "D&escription", 255},
    {"txtShade", "&Shade / Color / Fragrance", 255}, {"txtSize", "Si&ze", 255},
    {"txtNotes", "No&tes", 255}, {"txtCategory", "&Category", 255},
    {"txtStorageLocation", "Storage &Location", 255}, {"txtQuantity", "&Quantity In Stock", 9},
    {"txtPrice", "Price", 14},
};

} // namespace

InventoryScreen::InventoryScreen(AppState &state, QWidget *parent)
    : ScreenBase(state, QStringLiteral("Zel_Inventory"), parent),
      m_model(new InventoryModel(state.data, [&state](const QString &message) { state.prompter.information(message); }, this)),
      m_grid(new RecordGridView(QStringLiteral("Inventory"), state, this)), m_status(new QLabel(this)),
      m_campaign(new QLabel(this))
{
    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    auto *previous = new QPushButton(QStringLiteral("&Previous ####"), this);
    auto *next = new QPushButton(QStringLiteral("&Next ####"), this);
    connect(previous, &QPushButton::clicked, this, [this] { stepCampaign(false); });
    connect(next, &QPushButton::clicked, this, [this] { stepCampaign(true); });
    top->addWidget(previous);
    top->addWidget(m_campaign, 1, Qt::AlignCenter);
    top->addWidget(next);
    layout->addLayout(top);

    auto *entryBox = new QGroupBox(QStringLiteral("Inventory Item"), this);
    auto *entry = new QGridLayout(entryBox);
    buildEntry(entry);
    layout->addWidget(entryBox);

    m_grid->setAccessibleName(QStringLiteral("Inventory"));
    m_grid->setModel(m_model);
    m_grid->setSortingEnabled(true);
    new EditModeSortGuard(m_grid, state.prompter);
    auto *lists = new GridListDelegate(m_grid);
    lists->setChoices(InventoryModel::Category, [&state] { return InventoryRecords::categories(state.data); });
    lists->setChoices(InventoryModel::Location, [&state] { return InventoryRecords::storageLocations(state.data); });
    lists->setChoices(InventoryModel::SoldTo, [&state] { return InventoryRecords::customerNames(state.data); });
    for (const int column : {int(InventoryModel::Category), int(InventoryModel::Location), int(InventoryModel::SoldTo)})
        m_grid->setItemDelegateForColumn(column, lists);
    m_grid->setToolTip(QStringLiteral("Press Esc twice to exit edit mode."));
    layout->addWidget(m_grid, 1);

    auto *bottom = new QHBoxLayout;
    m_status->setObjectName(QStringLiteral("lblStatus"));
    auto *exit = new QPushButton(QStringLiteral("E&xit"), this);
    exit->setAutoDefault(false);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    bottom->addWidget(m_status, 1);
    bottom->addWidget(exit);
    layout->addLayout(bottom);
    buildMenus();

    resize(1000, 680);
    setUpScreen();
    InventoryRecords::cleanUp(state.data);
    showRows({});
    updateTitle();
    m_grid->restoreLayout();
}

void InventoryScreen::buildEntry(QGridLayout *entry)
{
    int index = 0;
    for (const EntryBox &box : kBoxes) {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(box.name));
        edit->setMaxLength(box.maxLength);
        auto *label = new QLabel(QString::fromUtf8(box.label), this);
        label->setBuddy(edit);
        edit->setAccessibleName(label->text().remove(QLatin1Char('&')));
        entry->addWidget(label, index / 2, (index % 2) * 2);
        entry->addWidget(edit, index / 2, (index % 2) * 2 + 1);
        ++index;
    }
    connect(box(QStringLiteral("txtProductNumber")), &QLineEdit::returnPressed, this, &InventoryScreen::find);

    auto *buttons = new QHBoxLayout;
    const std::pair<const char *, void (InventoryScreen::*)()> commands[] = {
        {"&Find", &InventoryScreen::find},     {"&Add", &InventoryScreen::add},     {"&Update", &InventoryScreen::update},
        {"&Delete", &InventoryScreen::remove}, {"&Reset", &InventoryScreen::reset}};
    for (const auto &[caption, command] : commands) {
        auto *button = new QPushButton(QString::fromLatin1(caption), this);
        button->setAutoDefault(false); // Enter in a box must not run a command; Enter in the number box finds
        connect(button, &QPushButton::clicked, this, command);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    entry->addLayout(buttons, (index + 1) / 2, 0, 1, 4);
}

void InventoryScreen::buildMenus()
{
    auto *bar = new QMenuBar(this);
    layout()->setMenuBar(bar);
    QMenu *filter = bar->addMenu(QStringLiteral("F&ilter"));
    filter->addAction(QStringLiteral("&In Stock"), this, [this] { showRows({InventoryView::Filter::InStock, {}}); });
    filter->addAction(QStringLiteral("&Sold"), this, [this] { showRows({InventoryView::Filter::Sold, {}}); });
    filter->addAction(QStringLiteral("&By Product"), this, &InventoryScreen::filterByProduct);
    filter->addAction(QStringLiteral("&Clear Filter"), this, [this] { showRows({}); });

    // Each item keeps a letter of its own, so no two share an Alt key.
    QMenu *misc = bar->addMenu(QStringLiteral("&Misc"));
    misc->addAction(QStringLiteral("&Print Inventory Report"), this, [this] { printReport(false); });
    misc->addAction(QStringLiteral("Print Pre&view Inventory Report"), this, [this] { printReport(true); });
    misc->addAction(QStringLiteral("Print Scree&n"), this, [this] { printScreen(this); });
    m_grid->addLayoutCommands(misc, QStringLiteral("&Save Grid Layout"), QStringLiteral("&Reset Grid Layout"));
    misc->addAction(QStringLiteral("Reset Screen Size / Pos&ition"), this, &ScreenBase::resetScreenSize);
    Gs_Caption_Replace(this);
}

QLineEdit *InventoryScreen::box(const QString &name) const
{
    return findChild<QLineEdit *>(name);
}

QString InventoryScreen::statusText() const
{
    return m_status->text();
}

InventoryEntry InventoryScreen::entry() const
{
    const auto text = [this](const char *name) { return box(QString::fromLatin1(name))->text(); };
    return {text("txtProductNumber"), text("txtDescription"), text("txtShade"),    text("txtSize"),
            text("txtNotes"),         text("txtCategory"),    text("txtStorageLocation"), text("txtQuantity"),
            text("txtPrice")};
}

void InventoryScreen::fillBoxes(const InventoryItem &item)
{
    box(QStringLiteral("txtProductNumber"))->setText(item.catalogNumber);
    box(QStringLiteral("txtDescription"))->setText(item.description);
    box(QStringLiteral("txtShade"))->setText(item.shade);
    box(QStringLiteral("txtSize"))->setText(item.size);
    box(QStringLiteral("txtNotes"))->setText(item.notes);
    box(QStringLiteral("txtCategory"))->setText(item.category);
    box(QStringLiteral("txtStorageLocation"))->setText(item.storageLocation);
    box(QStringLiteral("txtQuantity"))->setText(QString::number(item.quantity));
    box(QStringLiteral("txtPrice"))->setText(item.price.toPlainText());
}

void InventoryScreen::find()
{
    const QString number = box(QStringLiteral("txtProductNumber"))->text().trimmed();
    if (number.isEmpty()) {
        state().prompter.information(InventoryRecords::kBlankNumber);
        return;
    }
    const InventoryFound found = InventoryRecords::find(state().data, number);
    if (found.outcome == InventoryFound::Outcome::SeveralRows)
        showRows({InventoryView::Filter::ByProduct, number});
    else
        fillBoxes(found.item);
    m_status->setText(found.status());
}

void InventoryScreen::afterChange(const InventoryOutcome &outcome)
{
    if (!outcome.done) {
        state().prompter.information(outcome.message);
        return;
    }
    m_status->setText(outcome.message);
    showRows(m_view);
}

void InventoryScreen::add()
{
    afterChange(InventoryRecords::add(state().data, entry()));
}

void InventoryScreen::update()
{
    afterChange(InventoryRecords::update(state().data, entry()));
}

void InventoryScreen::remove()
{
    afterChange(InventoryRecords::remove(state().data, box(QStringLiteral("txtProductNumber"))->text()));
}

void InventoryScreen::reset()
{
    fillBoxes({});
    box(QStringLiteral("txtQuantity"))->clear();
    box(QStringLiteral("txtPrice"))->clear();
    m_status->clear();
    box(QStringLiteral("txtProductNumber"))->setFocus();
}

void InventoryScreen::showRows(const InventoryView &view)
{
    m_view = view;
    m_model->setRows(InventoryRecords::load(state().data, view));
}

void InventoryScreen::filterByProduct()
{
    const std::optional<QString> number =
        state().prompter.inputText(QStringLiteral("Enter Product Number"), kMessageTitle, QString());
    if (number && !number->trimmed().isEmpty())
        showRows({InventoryView::Filter::ByProduct, number->trimmed()});
}

void InventoryScreen::updateTitle()
{
    setWindowTitle(QStringLiteral("Inventory"));
    m_campaign->setText(QStringLiteral("Current Campaign %1 For %2")
                            .arg(state().options.CurrentCampaignNumber)
                            .arg(state().options.CurrentCampaignYear));
}

void InventoryScreen::stepCampaign(bool forward)
{
    cOption &options = state().options;
    if (!(forward ? options.CampaignIncrement() : options.CampaignDecrement())) {
        state().prompter.beep();
        return;
    }
    if (state().seams.saveOptions)
        state().seams.saveOptions();
    updateTitle();
}

void InventoryScreen::printReport(bool preview)
{
    const reports::InventoryReport report;
    reports::ReportParameters parameters;
    parameters.view = preview;
    parameters.choices.insert(reports::InventoryReport::kSold, m_view.filter == InventoryView::Filter::Sold);
    parameters.choices.insert(reports::InventoryReport::kFromInventoryScreen, true);
    QString message;
    const std::optional<reports::Document> document = report.run(state(), parameters, &message);
    if (!document) {
        state().prompter.information(message);
        return;
    }
    reports::showReport(state(), *document, preview, this);
}

} // namespace zel
