#include "customers/ui/purchase_history_screen.h"

#include "core/prompter.h"
#include "session/app_state.h"
#include "shell/ui/record_grid_model.h"
#include "shell/ui/record_grid_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace zel::customers {

namespace {

std::vector<GridColumn<HistoryLine>> historyColumns()
{
    using L = HistoryLine;
    const auto textOf = [](const QString &header, QString L::*member) {
        return GridColumn<L>{header, GridKind::Text, [member](const L &l) -> QVariant { return l.*member; }, nullptr};
    };
    const auto wholeOf = [](const QString &header, int L::*member) {
        return GridColumn<L>{header, GridKind::WholeNumber, [member](const L &l) -> QVariant { return l.*member; }, nullptr};
    };
    const auto moneyOf = [](const QString &header, Currency L::*member) {
        return GridColumn<L>{header, GridKind::Money, [member](const L &l) { return QVariant::fromValue(l.*member); }, nullptr};
    };
    return {wholeOf(QStringLiteral("Customer"), &L::customer),
            textOf(QStringLiteral("First Name"), &L::firstName),
            textOf(QStringLiteral("Last Name"), &L::lastName),
            wholeOf(QStringLiteral("Year"), &L::year),
            wholeOf(QStringLiteral("Campaign"), &L::campaign),
            wholeOf(QStringLiteral("Order"), &L::order),
            textOf(QStringLiteral("Page"), &L::page),
            textOf(QStringLiteral("Catalog Number"), &L::catalogNumber),
            textOf(QStringLiteral("Product"), &L::product),
            textOf(QStringLiteral("Shade"), &L::shade),
            textOf(QStringLiteral("Size"), &L::size),
            wholeOf(QStringLiteral("Quantity"), &L::quantity),
            moneyOf(QStringLiteral("Unit Price"), &L::unitPrice),
            moneyOf(QStringLiteral("Total"), &L::total)};
}

} // namespace

PurchaseHistoryScreen::PurchaseHistoryScreen(AppState &state, int customer, QWidget *parent)
    : ScreenBase(state, QStringLiteral("Zel_History"), parent), m_customer(customer)
{
    setWindowTitle(customer > 0 ? QStringLiteral("Purchase History - Customer %1").arg(customer)
                                : QStringLiteral("Purchase History"));
    auto *layout = new QVBoxLayout(this);
    auto *criteria = new QGridLayout;
    m_catalog = list(HistoryColumn::CatalogNumber);
    m_product = list(HistoryColumn::Product);
    m_shade = list(HistoryColumn::Shade);
    m_size = list(HistoryColumn::Size);
    m_quick = new QLineEdit(this);
    m_current = new QCheckBox(QStringLiteral("C&urrent Campaign Only (%1 / C-%2)")
                                  .arg(state.options.CurrentCampaignYear)
                                  .arg(state.options.CurrentCampaignNumber, 2, 10, QLatin1Char('0')),
                              this);
    const std::pair<QString, QWidget *> fields[] = {{QStringLiteral("&Catalog Number:"), m_catalog},
                                                    {QStringLiteral("&Product:"), m_product},
                                                    {QStringLiteral("S&hade:"), m_shade},
                                                    {QStringLiteral("Si&ze:"), m_size},
                                                    {QStringLiteral("&Quick Search (any column):"), m_quick}};
    int at = 0;
    for (const auto &[caption, field] : fields) {
        auto *label = new QLabel(caption, this);
        label->setBuddy(field);
        criteria->addWidget(label, at / 3, (at % 3) * 2);
        criteria->addWidget(field, at / 3, (at % 3) * 2 + 1);
        ++at;
    }
    criteria->addWidget(m_current, 1, 4, 1, 2);
    layout->addLayout(criteria);
    auto *buttons = new QHBoxLayout;
    auto *find = new QPushButton(QStringLiteral("&Search"), this);
    find->setDefault(true);
    auto *close = new QPushButton(QStringLiteral("E&xit"), this);
    close->setAutoDefault(false);
    m_count = new QLabel(this);
    buttons->addWidget(find);
    buttons->addWidget(m_count, 1);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    m_model = new RecordGridModel<HistoryLine>(historyColumns(), [&state](const QString &m) { state.prompter.information(m); }, this);
    m_grid = new RecordGridView(QStringLiteral("OrderHistory"), state, this);
    m_grid->setModel(m_model);
    m_grid->setSortingEnabled(true);
    m_grid->setAccessibleName(QStringLiteral("Order lines found"));
    layout->addWidget(m_grid, 1);
    auto *menus = new QMenuBar(this);
    QMenu *misc = menus->addMenu(QStringLiteral("&Misc"));
    m_grid->addLayoutCommands(misc, QStringLiteral("&Save Grid Layout"), QStringLiteral("&Reset Grid Layout"));
    misc->addAction(QStringLiteral("Reset Screen Size / &Position"), this, &ScreenBase::resetScreenSize);
    layout->setMenuBar(menus);
    connect(find, &QPushButton::clicked, this, &PurchaseHistoryScreen::search);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    resize(1000, 600);
    setUpScreen();
    m_grid->restoreLayout();
}

PurchaseHistoryScreen::~PurchaseHistoryScreen() = default;

QComboBox *PurchaseHistoryScreen::list(HistoryColumn column)
{
    auto *box = new QComboBox(this);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItem(QString());
    box->addItems(historyChoices(state().data, column));
    box->setMinimumContentsLength(14);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return box;
}

HistoryCriteria PurchaseHistoryScreen::criteria() const
{
    HistoryCriteria c;
    c.catalogNumber = m_catalog->currentText();
    c.product = m_product->currentText();
    c.shade = m_shade->currentText();
    c.size = m_size->currentText();
    c.quick = m_quick->text();
    c.customer = m_customer;
    if (m_current->isChecked())
        c.campaign = Campaign{state().options.CurrentCampaignYear, state().options.CurrentCampaignNumber};
    return c;
}

void PurchaseHistoryScreen::search()
{
    state().prompter.hourglass(true);
    m_model->setRows(findHistory(state().data, criteria()));
    state().prompter.hourglass(false);
    m_count->setText(QStringLiteral("%1 order lines found.").arg(m_model->rowCount()));
    m_grid->fitColumns();
}

int PurchaseHistoryScreen::rowCount() const
{
    return m_model->rowCount();
}

} // namespace zel::customers
