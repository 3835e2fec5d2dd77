#include "utilities/ui/product_change_page.h"

#include "core/prompter.h"
#include "orders/product.h"
#include "session/app_state.h"
#include "shell/captions.h"
#include "shell/ui/record_grid_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zel {

namespace {

std::vector<GridColumn<utilities::ProductLine>> lineColumns()
{
    using utilities::ProductLine;
    using namespace grid;
    const auto number = [](const QString &header, int ProductLine::*member) {
        return GridColumn<ProductLine>{header, GridKind::WholeNumber,
                                       [member](const ProductLine &l) -> QVariant { return l.*member; }, nullptr};
    };
    return {text(QStringLiteral("Customer"), &ProductLine::fullName).readOnly(),
            number(QStringLiteral("Order"), &ProductLine::order),
            number(Gs_Caption_Replace(QStringLiteral("From ####")), &ProductLine::fromCampaign),
            number(QStringLiteral("Qty"), &ProductLine::quantity),
            GridColumn<ProductLine>{QStringLiteral("Price"), GridKind::Money,
                                    [](const ProductLine &l) { return QVariant::fromValue(l.price); }, nullptr},
            flag(QStringLiteral("Update"), &ProductLine::update)};
}

void fillNumbers(QComboBox *box, int from, int to)
{
    for (int n = from; n <= to; ++n)
        box->addItem(QString::number(n), n);
}

} // namespace

ProductChangePage::ProductChangePage(AppState &state, bool shorts, QWidget *parent)
    : UtilityPage(state, parent),
      m_shorts(shorts),
      m_updates(state),
      m_lines(new ProductLineModel(lineColumns(), [&state](const QString &message) { state.prompter.information(message); }, this)),
      m_grid(new RecordGridView(shorts ? QStringLiteral("UtilitiesShorts") : QStringLiteral("UtilitiesUpdates"), state, this))
{
    auto *layout = new QHBoxLayout(this);
    auto *left = new QVBoxLayout;
    left->addWidget(buildCampaign());
    left->addWidget(buildOptions());
    left->addStretch();
    layout->addLayout(left);

    auto *right = new QVBoxLayout;
    m_grid->setAccessibleName(QStringLiteral("Customers"));
    m_grid->setModel(m_lines);
    m_grid->setSortingEnabled(true);
    right->addWidget(m_grid, 1);
    auto *buttons = new QHBoxLayout;
    auto *all = new QPushButton(QStringLiteral("Select A&ll Customers"), this);
    auto *update = new QPushButton(QStringLiteral("&Update"), this);
    all->setAutoDefault(false);
    update->setAutoDefault(false);
    connect(all, &QPushButton::clicked, this, &ProductChangePage::selectAllCustomers);
    connect(update, &QPushButton::clicked, this, &ProductChangePage::run);
    buttons->addWidget(all);
    buttons->addStretch();
    buttons->addWidget(update);
    right->addLayout(buttons);
    layout->addLayout(right, 1);
}

QWidget *ProductChangePage::buildCampaign()
{
    auto *box = new QGroupBox(Gs_Caption_Replace(QStringLiteral("Shorted ####")), this);
    if (!m_shorts)
        box->setTitle(Gs_Caption_Replace(QStringLiteral("####")));
    auto *form = new QFormLayout(box);
    m_year = new QComboBox(box);
    m_number = new QComboBox(box);
    const int year = state().options.CurrentCampaignYear;
    fillNumbers(m_year, year - 5, year + 1);
    fillNumbers(m_number, 1, state().options.LastCampaignNumberOfYear);
    form->addRow(QStringLiteral("&Year"), m_year);
    form->addRow(QStringLiteral("Nu&mber"), m_number);
    connect(m_year, &QComboBox::activated, this, [this] { fillProducts(); });
    connect(m_number, &QComboBox::activated, this, [this] { fillProducts(); });
    m_products = new QListWidget(box);
    m_products->setMinimumHeight(120);
    auto *label = new QLabel(QStringLiteral("Current &Products"), box);
    label->setBuddy(m_products);
    form->addRow(label);
    form->addRow(m_products);
    connect(m_products, &QListWidget::itemActivated, this, &ProductChangePage::chooseProduct);
    connect(m_products, &QListWidget::itemClicked, this, &ProductChangePage::chooseProduct);
    if (m_shorts) {
        m_arrivalYear = new QComboBox(box);
        m_arrivalNumber = new QComboBox(box);
        m_arrivalYear->addItem(QString(), 0);
        m_arrivalNumber->addItem(QString(), 0);
        fillNumbers(m_arrivalYear, year - 1, year + 2);
        fillNumbers(m_arrivalNumber, 1, state().options.LastCampaignNumberOfYear);
        form->addRow(QStringLiteral("Arrival Y&ear"), m_arrivalYear);
        form->addRow(Gs_Caption_Replace(QStringLiteral("Arrival ####")).replace(QStringLiteral("Campaign"), QStringLiteral("Campai&gn")),
                     m_arrivalNumber);
    }
    return box;
}

QWidget *ProductChangePage::buildOptions()
{
    auto *box = new QGroupBox(QStringLiteral("Select Optional Updates"), this);
    auto *grid = new QGridLayout(box);
    QStringList captions = {QStringLiteral("P&age"), QStringLiteral("&Description"), QStringLiteral("S&hade"), QStringLiteral("Si&ze")};
    if (!m_shorts)
        captions << QStringLiteral("&Order Qty") << QStringLiteral("Pr&ice Qty");
    captions << QStringLiteral("Pri&ce");
    for (const QString &caption : captions) {
        Field field{caption, new QCheckBox(caption, box), new QLineEdit(box)};
        field.edit->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
        field.edit->setEnabled(false);
        connect(field.box, &QCheckBox::toggled, field.edit, &QLineEdit::setEnabled);
        const int row = int(m_fields.size());
        grid->addWidget(field.box, row, 0);
        grid->addWidget(field.edit, row, 1);
        m_fields.push_back(field);
    }
    if (!m_shorts) {
        m_unavailable = new QCheckBox(QStringLiteral("Mark Una&vailable"), box);
        grid->addWidget(m_unavailable, int(m_fields.size()), 0, 1, 2);
    }
    return box;
}

QCheckBox *ProductChangePage::option(const QString &caption) const
{
    if (caption == QLatin1String("Mark Unavailable"))
        return m_unavailable;
    for (const Field &f : m_fields)
        if (QString(f.caption).remove(QLatin1Char('&')) == caption)
            return f.box;
    return nullptr;
}

QLineEdit *ProductChangePage::entry(const QString &caption) const
{
    for (const Field &f : m_fields)
        if (QString(f.caption).remove(QLatin1Char('&')) == caption)
            return f.edit;
    return nullptr;
}

void ProductChangePage::showCampaign(const Campaign &campaign)
{
    m_year->setCurrentIndex(m_year->findData(campaign.year));
    m_number->setCurrentIndex(m_number->findData(campaign.number));
    fillProducts(false);
}

std::optional<Campaign> ProductChangePage::selectedCampaign() const
{
    if (m_year->currentIndex() < 0 || m_number->currentIndex() < 0)
        return std::nullopt;
    return Campaign{m_year->currentData().toInt(), m_number->currentData().toInt()};
}

void ProductChangePage::fillProducts(bool sayWhenNone)
{
    m_products->clear();
    m_lines->setRows({});
    m_product.clear();
    if (const std::optional<Campaign> campaign = selectedCampaign())
        m_products->addItems(m_updates.productsOf(*campaign, sayWhenNone));
}

void ProductChangePage::chooseProduct()
{
    const std::optional<Campaign> campaign = selectedCampaign();
    if (!campaign) {
        state().prompter.information(QStringLiteral("Please select a Year and Number."));
        return;
    }
    if (!m_products->currentItem()) {
        state().prompter.information(QStringLiteral("Please select a product from the Current Products list."));
        return;
    }
    m_product = m_products->currentItem()->text().trimmed();
    if (const std::optional<Product> product = m_updates.catalogueEntry(*campaign, m_product)) {
        const auto set = [this](const char *caption, const QString &value) {
            if (QLineEdit *edit = entry(QString::fromLatin1(caption)))
                edit->setText(value);
        };
        set("Page", product->page);
        set("Description", product->description);
        set("Shade", product->shade);
        set("Size", product->size);
        set("Price", product->lastPrice.format(u"0.00"));
    }
    m_allTicked = false;
    m_lines->setRows(m_updates.linesOf(*campaign, m_product));
    m_grid->fitColumns();
}

void ProductChangePage::selectAllCustomers()
{
    m_allTicked = !m_allTicked;
    std::vector<utilities::ProductLine> lines = m_lines->rows();
    for (utilities::ProductLine &line : lines)
        line.update = m_allTicked;
    m_lines->setRows(std::move(lines));
}

std::optional<utilities::ProductChange> ProductChangePage::change()
{
    utilities::ProductChange change;
    for (const Field &f : m_fields) {
        if (!f.box->isChecked())
            continue;
        const QString name = QString(f.caption).remove(QLatin1Char('&'));
        const QString value = f.edit->text().trimmed();
        if (name == QLatin1String("Price")) {
            change.price = Currency::fromString(value);
            if (!change.price || !change.price->isPlausible()) {
                state().prompter.information(QStringLiteral("Price must be numeric."));
                f.edit->setFocus();
                return std::nullopt;
            }
        } else if (name.endsWith(QLatin1String("Qty"))) {
            bool ok = false;
            const int quantity = value.toInt(&ok);
            if (!ok || quantity < 0) {
                state().prompter.information(name + QStringLiteral(" must be a whole number."));
                f.edit->setFocus();
                return std::nullopt;
            }
            (name.startsWith(QLatin1String("Order")) ? change.orderQuantity : change.priceQuantity) = quantity;
        } else {
            std::optional<QString> &target = name == QLatin1String("Page")          ? change.page
                                           : name == QLatin1String("Description") ? change.description
                                           : name == QLatin1String("Shade")       ? change.shade
                                                                                  : change.size;
            target = value;
        }
    }
    change.unavailable = m_unavailable && m_unavailable->isChecked();
    return change;
}

void ProductChangePage::run()
{
    const std::optional<Campaign> campaign = selectedCampaign();
    if (!campaign || m_product.isEmpty()) {
        state().prompter.information(QStringLiteral("Please select a product from the Current Products list."));
        return;
    }
    const std::optional<utilities::ProductChange> values = change();
    if (!values)
        return;
    std::optional<int> updated;
    if (m_shorts) {
        std::optional<Campaign> arrival;
        if (m_arrivalYear->currentData().toInt() > 0)
            arrival = Campaign{m_arrivalYear->currentData().toInt(), m_arrivalNumber->currentData().toInt()};
        updated = m_updates.shortProduct(*campaign, m_product, arrival, *values, m_lines->rows());
    } else {
        updated = m_updates.update(*campaign, m_product, *values, m_lines->rows());
    }
    if (updated)
        chooseProduct();
}

} // namespace zel
