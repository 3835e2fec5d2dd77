#include "customers/ui/customer_search_screen.h"

#include "core/prompter.h"
#include "customers/customer_choices.h"
#include "customers/customer_records.h"
#include "customers/customer_trees.h"
#include "session/app_state.h"
#include "shell/settings_keys.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zel::customers {

namespace {

const QString kSection = QStringLiteral("OptionsButtons");

QPushButton *button(const QString &caption, QWidget *parent, QBoxLayout *layout)
{
    auto *b = new QPushButton(caption, parent);
    b->setAutoDefault(false);
    layout->addWidget(b);
    return b;
}

QComboBox *choiceBox(QWidget *parent, const QStringList &values)
{
    auto *box = new QComboBox(parent);
    box->addItem(kNotApplicable);
    box->addItems(values);
    return box;
}

} // namespace

CustomerSearchScreen::CustomerSearchScreen(AppState &state, QWidget *parent)
    : ScreenBase(state, QStringLiteral("Zel_Search"), parent)
{
    setWindowTitle(QStringLiteral("Customer Search"));
    auto *layout = new QVBoxLayout(this);
    auto *hint = new QLabel(QStringLiteral("Enter search information in 1 or more field(s), or use 'Add Customer' button to "
                                           "add a customer."),
                            this);
    layout->addWidget(hint);
    auto *body = new QHBoxLayout;
    auto *left = new QVBoxLayout;
    left->addWidget(buildCriteria());
    left->addWidget(buildCampaignCriteria());
    body->addLayout(left, 3);
    body->addWidget(buildTrees(), 2);
    layout->addLayout(body, 1);

    auto *commands = new QHBoxLayout;
    auto *find = new QPushButton(QStringLiteral("&Find Customer"), this);
    find->setDefault(true);
    commands->addWidget(find);
    QPushButton *all = button(QStringLiteral("&All Customers"), this, commands);
    QPushButton *add = button(QStringLiteral("A&dd Customer"), this, commands);
    m_byName = new QRadioButton(QStringLiteral("By Customer &Last/First Name"), this);
    m_byNumber = new QRadioButton(QStringLiteral("By Customer Num&ber"), this);
    auto *order = new QGroupBox(QStringLiteral("Search Results Order"), this);
    auto *orderLayout = new QHBoxLayout(order);
    orderLayout->addWidget(m_byName);
    orderLayout->addWidget(m_byNumber);
    commands->addWidget(order);
    commands->addStretch();
    QPushButton *exit = button(QStringLiteral("E&xit"), this, commands);
    layout->addLayout(commands);
    m_status_ = new QLabel(this);
    layout->addWidget(m_status_);
    connect(find, &QPushButton::clicked, this, &CustomerSearchScreen::find);
    connect(all, &QPushButton::clicked, this, &CustomerSearchScreen::findAll);
    connect(add, &QPushButton::clicked, this, &CustomerSearchScreen::addCustomer);
    connect(exit, &QPushButton::clicked, this, &QDialog::accept);
    resize(1000, 690);
    setUpScreen();
    restoreOptions();
    showCampaign();
    refreshTrees();
}

CustomerSearchScreen::~CustomerSearchScreen() = default;

QWidget *CustomerSearchScreen::buildCriteria()
{
    auto *box = new QGroupBox(QStringLiteral("Customer"), this);
    auto *grid = new QGridLayout(box);
    const QString captions[] = {QStringLiteral("First &Name:"), QStringLiteral("Last Na&me:"), QStringLiteral("House Number:"),
                                QStringLiteral("Address:"),     QStringLiteral("C&ity:"),      QStringLiteral("State:"),
                                QStringLiteral("Zip Code:"),    QStringLiteral("Phone 1:"),    QStringLiteral("Phone 2:"),
                                QStringLiteral("Phone 3:"),     QStringLiteral("E-mail:")};
    const auto place = [&](int at, const QString &caption, QWidget *field) {
        auto *label = new QLabel(caption, box);
        label->setBuddy(field);
        grid->addWidget(label, at / 2, (at % 2) * 2);
        grid->addWidget(field, at / 2, (at % 2) * 2 + 1);
    };
    int at = 0;
    m_number = new QSpinBox(box);
    m_number->setRange(0, kHighestCustomerNumber);
    m_number->setSpecialValueText(QStringLiteral("any"));
    place(at++, QStringLiteral("Customer #:"), m_number);
    for (size_t i = 0; i < m_texts.size(); ++i) {
        m_texts[i] = new QLineEdit(box);
        place(at++, captions[i], m_texts[i]);
    }
    m_referred = choiceBox(box, choiceValues(state().data, ChoiceList::ReferredBy));
    place(at++, QStringLiteral("Referred By:"), m_referred);
    m_area = choiceBox(box, choiceValues(state().data, ChoiceList::Area));
    place(at++, QStringLiteral("Area:"), m_area);
    m_helper = new QComboBox(box);
    m_helper->addItem(kNotApplicable, -1);
    for (const Helper &h : helpers(state().data))
        m_helper->addItem(h.name, h.number);
    place(at++, QStringLiteral("&Helper:"), m_helper);
    m_status = choiceBox(box, {QStringLiteral("Active"), QStringLiteral("Closed"), QStringLiteral("Deleted")});
    place(at++, QStringLiteral("Stat&us:"), m_status);
    m_discount = new QLineEdit(box);
    place(at++, QStringLiteral("Discount %:"), m_discount);
    m_books = new QLineEdit(box);
    place(at++, QStringLiteral("Brochures:"), m_books);
    m_comments = new QLineEdit(box);
    place(at++, QStringLiteral("C&omments:"), m_comments);
    m_points = new QComboBox(box);
    m_points->addItem(kNotApplicable);
    for (int i = 1; i <= 9; ++i)
        m_points->addItem(QString::number(i));
    m_pointsAbove = new QSpinBox(box);
    m_pointsAbove->setRange(0, 999999);
    auto *points = new QWidget(box);
    auto *pointsRow = new QHBoxLayout(points);
    pointsRow->setContentsMargins(0, 0, 0, 0);
    pointsRow->addWidget(m_points);
    pointsRow->addWidget(new QLabel(QStringLiteral("Points Greater Than:"), points));
    pointsRow->addWidget(m_pointsAbove);
    m_pointsAbove->setAccessibleName(QStringLiteral("Points Greater Than"));
    place(at++, QStringLiteral("Has Points:"), points);
    return box;
}

QWidget *CustomerSearchScreen::buildCampaignCriteria()
{
    auto *box = new QGroupBox(QStringLiteral("Campaign Criteria"), this);
    auto *grid = new QGridLayout(box);
    m_campaign = new QSpinBox(box);
    m_campaign->setRange(0, 30);
    m_campaign->setSpecialValueText(QStringLiteral("none"));
    auto *campaignLabel = new QLabel(QStringLiteral("Selected &Campaign:"), box);
    campaignLabel->setBuddy(m_campaign);
    grid->addWidget(campaignLabel, 0, 0);
    grid->addWidget(m_campaign, 0, 1);
    m_orderedIn = new QCheckBox(QStringLiteral("Ordered In Selected Campaign"), box);
    m_notOrderedIn = new QCheckBox(QStringLiteral("NO Order In Selected Campaign"), box);
    m_balance = new QCheckBox(QStringLiteral("Has Balance Prior to Selected Campaign"), box);
    m_product = new QCheckBox(QStringLiteral("Has Ordered Product in Campaign:"), box);
    m_noOrders = new QCheckBox(QStringLiteral("Has No Orders in Past Campaigns:"), box);
    m_noOrders->setToolTip(QStringLiteral("Select 1 to look at only the selected Campaign."));
    m_events = new QCheckBox(QStringLiteral("Has &Events (Dates) Approaching"), box);
    grid->addWidget(m_orderedIn, 1, 0, 1, 2);
    grid->addWidget(m_notOrderedIn, 2, 0, 1, 2);
    grid->addWidget(m_balance, 3, 0, 1, 2);
    grid->addWidget(m_product, 1, 2);
    auto *products = new QHBoxLayout;
    for (QLineEdit *&p : m_products) {
        p = new QLineEdit(box);
        p->setAccessibleName(QStringLiteral("Product number"));
        p->setMaxLength(10);
        products->addWidget(p);
    }
    grid->addLayout(products, 1, 3);
    grid->addWidget(m_noOrders, 2, 2);
    m_pastCampaigns = new QSpinBox(box);
    m_pastCampaigns->setRange(1, 30);
    m_pastCampaigns->setAccessibleName(QStringLiteral("Number of past campaigns"));
    grid->addWidget(m_pastCampaigns, 2, 3);
    grid->addWidget(m_events, 3, 2, 1, 2);
    auto *steps = new QHBoxLayout;
    m_campaignLabel = new QLabel(box);
    steps->addWidget(m_campaignLabel);
    connect(button(QStringLiteral("&Previous Campaign"), box, steps), &QPushButton::clicked, this, [this] { stepCampaign(false); });
    connect(button(QStringLiteral("Next Campai&gn"), box, steps), &QPushButton::clicked, this, [this] { stepCampaign(true); });
    QPushButton *resetCampaign = button(QStringLiteral("&Reset Above Options"), box, steps);
    steps->addStretch();
    grid->addLayout(steps, 4, 0, 1, 4);
    connect(resetCampaign, &QPushButton::clicked, this, [this] {
        for (QCheckBox *c : {m_orderedIn, m_notOrderedIn, m_balance, m_product, m_noOrders, m_events})
            c->setChecked(false);
        for (QLineEdit *p : m_products)
            p->clear();
        m_campaign->setValue(0);
    });
    return box;
}

QWidget *CustomerSearchScreen::buildTrees()
{
    auto *box = new QGroupBox(QStringLiteral("All Customers"), this);
    auto *layout = new QVBoxLayout(box);
    m_treeTabs = new QTabWidget(box);
    const QString titles[] = {QStringLiteral("&1 By Last Name"), QStringLiteral("&2 By First Name"), QStringLiteral("&3 By Helper")};
    for (size_t i = 0; i < m_trees.size(); ++i) {
        m_trees[i] = new QTreeWidget(m_treeTabs);
        m_trees[i]->setHeaderHidden(true);
        m_trees[i]->setAccessibleName(titles[i].mid(3));
        m_treeTabs->addTab(m_trees[i], titles[i]);
        connect(m_trees[i], &QTreeWidget::itemActivated, this, &CustomerSearchScreen::openNode);
    }
    layout->addWidget(m_treeTabs, 1);
    auto *buttons = new QHBoxLayout;
    connect(button(QStringLiteral("Refre&sh Tree"), box, buttons), &QPushButton::clicked, this, &CustomerSearchScreen::refreshTrees);
    connect(button(QStringLiteral("Expand All"), box, buttons), &QPushButton::clicked, this, [this] {
        for (QTreeWidget *t : m_trees)
            t->expandAll();
    });
    connect(button(QStringLiteral("Collapse All"), box, buttons), &QPushButton::clicked, this, [this] {
        for (QTreeWidget *t : m_trees)
            t->collapseAll();
    });
    layout->addLayout(buttons);
    return box;
}

void CustomerSearchScreen::refreshTrees()
{
    const CustomerTrees trees = customerTrees(state().data);
    const std::vector<TreeGroup> *groups[] = {&trees.byLastName, &trees.byFirstName, &trees.byHelper};
    for (size_t i = 0; i < m_trees.size(); ++i) {
        QTreeWidget *tree = m_trees[i];
        tree->clear();
        for (const TreeGroup &group : *groups[i]) {
            auto *groupItem = new QTreeWidgetItem(tree, {group.title});
            for (const TreeNode &node : group.customers) {
                auto *item = new QTreeWidgetItem(groupItem, {node.text});
                item->setData(0, Qt::UserRole, node.number);
            }
        }
    }
}

void CustomerSearchScreen::openNode(QTreeWidgetItem *item)
{
    if (!item || !item->parent())
        return;
    const int number = item->data(0, Qt::UserRole).toInt();
    if (!customerStillExists(state().data, number)) {
        state().prompter.information(QStringLiteral("Customer has been deleted, Please Refresh Tree"));
        return;
    }
    open({number});
}

SearchCriteria CustomerSearchScreen::criteria() const
{
    SearchCriteria c;
    c.number = m_number->value();
    QString *texts[] = {&c.firstName, &c.lastName, &c.houseNumber, &c.address, &c.city, &c.state,
                        &c.zipCode,   &c.phone1,   &c.phone2,      &c.phone3,  &c.email};
    for (size_t i = 0; i < m_texts.size(); ++i)
        *texts[i] = m_texts[i]->text();
    c.referredBy = m_referred->currentText();
    c.area = m_area->currentText();
    c.status = m_status->currentText();
    if (m_helper->currentData().toInt() >= 0)
        c.helper = m_helper->currentData().toInt();
    if (!m_discount->text().trimmed().isEmpty())
        c.discountPercent = Currency::fromString(m_discount->text());
    bool ok = false;
    if (const int books = m_books->text().toInt(&ok); ok)
        c.numberOfBooks = books;
    c.pointsCounter = m_points->currentIndex();
    c.pointsAbove = m_pointsAbove->value();
    c.comments = m_comments->text();
    c.order = m_byNumber->isChecked() ? ResultOrder::ByNumber : ResultOrder::ByName;
    const Campaign selected{state().options.CurrentCampaignYear, m_campaign->value()};
    if (m_orderedIn->isChecked())
        c.orderedIn = selected;
    if (m_notOrderedIn->isChecked())
        c.notOrderedIn = selected;
    if (m_balance->isChecked())
        c.balanceBefore = selected;
    if (m_product->isChecked()) {
        c.productIn = selected;
        for (const QLineEdit *p : m_products)
            c.products << p->text().trimmed();
    }
    if (m_noOrders->isChecked()) {
        c.noOrdersInPast = Campaign{state().options.CurrentCampaignYear, state().options.CurrentCampaignNumber};
        c.pastCampaigns = m_pastCampaigns->value();
    }
    c.eventsApproaching = m_events->isChecked();
    return c;
}

void CustomerSearchScreen::find()
{
    state().prompter.hourglass(true);
    const std::optional<std::vector<int>> found = findCustomers(state(), criteria());
    state().prompter.hourglass(false);
    if (!found)
        return;
    m_status_->setText(QString::number(found->size()) + QStringLiteral(" Customers Found."));
    if (!found->empty())
        open(*found);
}

void CustomerSearchScreen::findAll()
{
    const std::vector<int> found = allCustomers(state().data, m_byNumber->isChecked() ? ResultOrder::ByNumber : ResultOrder::ByName);
    m_status_->setText(QString::number(found.size()) + QStringLiteral(" Customers Found."));
    if (!found.empty())
        open(found);
}

void CustomerSearchScreen::addCustomer()
{
    if (const std::optional<int> number = createCustomer(state()))
        open({*number}, true);
}

void CustomerSearchScreen::open(const std::vector<int> &found, bool isNew)
{
    if (m_openCustomers) {
        m_openCustomers(found);
        return;
    }
    CustomerScreen screen(state(), found, this);
    screen.setOrderOpener(m_openOrder);
    if (isNew)
        screen.startWithNewCustomer();
    screen.exec();
    showCampaign();
    refreshTrees();
}

void CustomerSearchScreen::stepCampaign(bool forward)
{
    cOption &options = state().options;
    if (!(forward ? options.CampaignIncrement() : options.CampaignDecrement())) {
        state().prompter.beep();
        return;
    }
    options.OptionSave(state().data);
    showCampaign();
}

void CustomerSearchScreen::showCampaign()
{
    m_campaignLabel->setText(QStringLiteral("Current Campaign: %1 / C-%2")
                                 .arg(state().options.CurrentCampaignYear)
                                 .arg(state().options.CurrentCampaignNumber, 2, 10, QLatin1Char('0')));
}

void CustomerSearchScreen::restoreOptions()
{
    const IniFile file = state().settings.file(settings::kSearchOptionsIni);
    const bool byNumber = file.read(kSection, QStringLiteral("ResultsByNumber"), QStringLiteral("0")) == QLatin1String("1");
    (byNumber ? m_byNumber : m_byName)->setChecked(true);
    m_treeTabs->setCurrentIndex(file.read(kSection, QStringLiteral("Tree"), QStringLiteral("0")).toInt());
    m_events->setChecked(file.read(kSection, QStringLiteral("EventsApproaching"), QStringLiteral("0")) == QLatin1String("1"));
}

void CustomerSearchScreen::finishClosing()
{
    const IniFile file = state().settings.file(settings::kSearchOptionsIni);
    file.write(kSection, QStringLiteral("ResultsByNumber"), m_byNumber->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    file.write(kSection, QStringLiteral("Tree"), QString::number(m_treeTabs->currentIndex()));
    file.write(kSection, QStringLiteral("EventsApproaching"), m_events->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace zel::customers
