#include "customers/ui/customer_screen.h"

#include "core/prompter.h"
#include "customers/customer_account.h"
#include "customers/customer_records.h"
#include "customers/customer_search.h"
#include "customers/ui/customer_account_page.h"
#include "customers/ui/customer_detail_pages.h"
#include "customers/ui/customer_form.h"
#include "customers/ui/purchase_history_screen.h"
#include "earnings/campaign_totals.h"
#include "reports/order_comments_report.h"
#include "reports/report_parameters.h"
#include "reports/ui/report_runner.h"
#include "session/app_state.h"
#include "shell/captions.h"
#include "shell/ui/screen_setup.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QTabWidget>
#include <QToolButton>
#include <QUrl>
#include <QUrlQuery>
#include <QVBoxLayout>

namespace zel::customers {

CustomerScreen::CustomerScreen(AppState &state, std::vector<int> found, QWidget *parent)
    : ScreenBase(state, QStringLiteral("Zel_Customer"), parent), m_found(std::move(found))
{
    auto *layout = new QVBoxLayout(this);
    buildMenus();
    layout->setMenuBar(m_menuBar);
    layout->addWidget(buildToolbar());
    m_tabs = new QTabWidget(this);
    m_form = new CustomerForm(state, m_tabs);
    m_account = new CustomerAccountPage(state, m_tabs);
    m_tabs->addTab(m_form, QStringLiteral("&1 Customer"));
    m_tabs->addTab(m_account, QStringLiteral("&2 Orders / Payments"));
    m_details = new CustomerDetailPages(state, m_tabs);
    m_account->addLayoutCommands(m_miscMenu);
    m_details->addLayoutCommands(m_miscMenu);
    m_miscMenu->addSeparator();
    m_miscMenu->addAction(QStringLiteral("Reset Screen Si&ze / Position"), this, &ScreenBase::resetScreenSize);
    m_miscMenu->addAction(QStringLiteral("Print Scree&n"), this, [this] { printScreen(this); });
    layout->addWidget(m_tabs, 1);
    m_status = new QLabel(this);
    layout->addWidget(m_status);
    connect(m_form, &CustomerForm::nameChanged, this, &CustomerScreen::updateCaption);
    connect(m_account, &CustomerAccountPage::orderEntryRequested, this, &CustomerScreen::openOrderEntry);
    connect(m_account, &CustomerAccountPage::campaignStepRequested, this, &CustomerScreen::stepCampaign);
    setWindowTitle(QStringLiteral("Customer Update"));
    resize(1000, 660);
    setUpScreen();
    if (!m_found.empty())
        showCustomer(m_found.front());
    m_account->restoreLayout();
    m_details->restoreLayout();
}

CustomerScreen::~CustomerScreen() = default;

Campaign CustomerScreen::campaign() const
{
    return {state().options.CurrentCampaignYear, state().options.CurrentCampaignNumber};
}

QWidget *CustomerScreen::buildToolbar()
{
    auto *bar = new QWidget(this);
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    const auto tool = [&](const QString &text, const QString &tip, const QKeySequence &keys, auto slot) {
        auto *b = new QToolButton(bar);
        b->setText(text);
        b->setToolTip(tip + QStringLiteral(" (") + keys.toString(QKeySequence::NativeText) + QLatin1Char(')'));
        b->setAutoRaise(true);
        row->addWidget(b);
        connect(b, &QToolButton::clicked, this, slot);
        auto *shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, slot);
        return b;
    };
    tool(QStringLiteral("Add Customer"), QStringLiteral("Add Customer"), QKeySequence(Qt::CTRL | Qt::Key_N),
         [this] { addCustomer(); });
    tool(QStringLiteral("Find Customer"), QStringLiteral("Find Customer"), QKeySequence(Qt::CTRL | Qt::Key_F), [this] {
        if (save())
            done(QDialog::Accepted + 1); // the search opens again
    });
    tool(QStringLiteral("<"), QStringLiteral("Previous Customer Matching Search Criteria"), QKeySequence(Qt::CTRL | Qt::Key_PageUp),
         [this] { moveBy(-1); });
    tool(QStringLiteral(">"), QStringLiteral("Next Customer Matching Search Criteria"), QKeySequence(Qt::CTRL | Qt::Key_PageDown),
         [this] { moveBy(1); });
    tool(QStringLiteral("Order Entry"), QStringLiteral("Order Entry"), QKeySequence(Qt::Key_F2), [this] { openOrderEntry(); });
    tool(QStringLiteral("Campaign -"), QStringLiteral("Previous Campaign"), QKeySequence(Qt::CTRL | Qt::Key_Down),
         [this] { stepCampaign(false); });
    tool(QStringLiteral("Campaign +"), QStringLiteral("Next Campaign"), QKeySequence(Qt::CTRL | Qt::Key_Up),
         [this] { stepCampaign(true); });
    tool(QStringLiteral("Save / Exit"), QStringLiteral("Save / Exit"), QKeySequence(Qt::CTRL | Qt::Key_S), [this] { close(); });
    tool(QStringLiteral("Cancel Changes"), QStringLiteral("Cancel Changes"), QKeySequence(Qt::CTRL | Qt::Key_Z),
         [this] { cancelChanges(); });
    tool(QStringLiteral("eMail"), QStringLiteral("Send eMail via the desktop mail program"), QKeySequence(Qt::CTRL | Qt::Key_E),
         [this] { sendEmail(); });
    row->addStretch();
    m_campaignLabel = new QLabel(bar);
    row->addWidget(m_campaignLabel);
    return bar;
}

void CustomerScreen::buildMenus()
{
    m_menuBar = new QMenuBar(this);
    QMenu *file = m_menuBar->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Save / Exit"), this, [this] { close(); });
    file->addAction(QStringLiteral("&Cancel Changes"), this, [this] { cancelChanges(); });
    file->addAction(QStringLiteral("Send &eMail"), this, [this] { sendEmail(); });
    file->addSeparator();
    file->addAction(QStringLiteral("&Purge Customer"), this, [this] { purge(); });
    QMenu *show = m_menuBar->addMenu(QStringLiteral("S&how"));
    show->addAction(QStringLiteral("&History"), this, [this] {
        if (!save())
            return;
        if (m_openHistory) {
            m_openHistory(m_customer.number);
        } else {
            PurchaseHistoryScreen history(state(), m_customer.number, this);
            history.exec();
        }
    });
    using Kind = CustomerSummaryScreen::Kind;
    for (const auto &[caption, kind] : std::initializer_list<std::pair<const char *, Kind>>{
             {"&Customer #### Summary", Kind::Campaigns},
             {"Customer &Order Summary", Kind::Orders},
             {"Customer Order Summary (C&urrent ####)", Kind::CurrentOrders},
             {"Customer &Payment Summary", Kind::Payments}}) {
        const Kind shown = kind;
        show->addAction(Gs_Caption_Replace(QString::fromUtf8(caption)), this, [this, shown] { showSummary(shown); });
    }
    QMenu *printed = m_menuBar->addMenu(QStringLiteral("&Reports"));
    printed->addAction(QStringLiteral("Customer &Profile"), this, [this] { printCustomerReport(QStringLiteral("customer-profile"), false); });
    QMenu *comments = printed->addMenu(QStringLiteral("&Order Comments"));
    comments->addAction(QStringLiteral("&1. Order Comments (Current Year)"), this,
                        [this] { printCustomerReport(QStringLiteral("order-comments"), false); });
    comments->addAction(QStringLiteral("&2. Order Comments (All Years)"), this,
                        [this] { printCustomerReport(QStringLiteral("order-comments"), true); });
    QMenu *campaigns = m_menuBar->addMenu(QStringLiteral("Ca&mpaign"));
    campaigns->addAction(QStringLiteral("&Previous Campaign"), this, [this] { stepCampaign(false); });
    campaigns->addAction(QStringLiteral("&Next Campaign"), this, [this] { stepCampaign(true); });
    QMenu *numbers = campaigns->addMenu(QStringLiteral("Campaign Number &Change"));
    for (int group = 0; group < 3; ++group) {
        QMenu *range = numbers->addMenu(QStringLiteral("C%1 - C%2").arg(group * 10 + 1, 2, 10, QLatin1Char('0')).arg(group * 10 + 10));
        for (int n = group * 10 + 1; n <= group * 10 + 10; ++n)
            range->addAction(QStringLiteral("C-%1").arg(n, 2, 10, QLatin1Char('0')), this, [this, n] { changeCampaignNumber(n); });
    }
    campaigns->addAction(QStringLiteral("Change to Pre&vious Campaign Year"), this, [this] { stepYear(false); });
    campaigns->addAction(QStringLiteral("Change to Ne&xt Campaign Year"), this, [this] { stepYear(true); });
    m_miscMenu = m_menuBar->addMenu(QStringLiteral("M&isc"));
}

void CustomerScreen::showSummary(CustomerSummaryScreen::Kind kind)
{
    if (!save())
        return;
    CustomerSummaryScreen summary(state(), m_customer.number, kind, campaign(), this);
    summary.exec();
}

void CustomerScreen::printCustomerReport(const QString &name, bool allYears)
{
    if (!save())
        return;
    reports::ReportParameters parameters;
    parameters.customer = m_customer.number;
    parameters.campaign = campaign();
    parameters.view = true;
    if (allYears)
        parameters.choices.insert(reports::OrderCommentsReport::kAllYears, true);
    reports::runRegisteredReport(state(), name, parameters, this);
}

void CustomerScreen::updateCaption()
{
    setWindowTitle(QStringLiteral("Customer Update for ") + m_form->firstName()->text() + QLatin1Char(' ')
                   + m_form->lastName()->text());
}

QString CustomerScreen::statusText() const
{
    return m_status->text();
}

bool CustomerScreen::showCustomer(int number)
{
    const std::optional<Customer> customer = loadCustomer(state().data, number);
    if (!customer) {
        state().prompter.information(QStringLiteral("Current customer not found."));
        return false;
    }
    m_customer = *customer;
    state().currentCustomer = number;
    m_form->load(m_customer, m_isNew);
    m_details->load(m_customer, campaign());
    showCampaign();
    updateCaption();
    m_status->setText(foundText(int(m_found.size())));
    return true;
}

void CustomerScreen::showCampaign()
{
    m_account->show(m_customer.number, campaign());
    m_details->showCampaign(campaign());
    m_campaignLabel->setText(QStringLiteral("Campaign %1 For %2").arg(campaign().number).arg(campaign().year));
}

bool CustomerScreen::save()
{
    if (m_customer.number == 0)
        return true;
    Customer edited = m_customer;
    if (const QString message = m_form->read(edited); !message.isEmpty()) {
        m_tabs->setCurrentWidget(m_form);
        state().prompter.information(message);
        return false;
    }
    m_details->read(edited);
    CustomerAccount account(state().data, edited.number, campaign());
    bool done = saveCustomer(state().data, edited) && m_details->saveAttached(campaign());
    done = done && account.assignHelperToOrders(edited.helperNumber, edited.helperName);
    if (!edited.isHelper())
        done = done && account.releaseAsHelper();
    done = done && account.copySuppliesToOrders();
    m_account->saveDelivered();
    if (done)
        m_customer = edited;
    return done;
}

void CustomerScreen::moveBy(int step)
{
    const int to = m_at + step;
    if (to < 0 || to >= int(m_found.size()) || !save())
        return;
    m_isNew = false;
    if (showCustomer(m_found[size_t(to)]))
        m_at = to;
}

void CustomerScreen::addCustomer()
{
    if (!save())
        return;
    const std::optional<int> number = createCustomer(state());
    if (!number)
        return;
    m_found = {*number};
    m_at = 0;
    startWithNewCustomer();
}

void CustomerScreen::startWithNewCustomer()
{
    m_isNew = true;
    if (!showCustomer(m_found.at(size_t(m_at))))
        return;
    // Typing replaces the default name at once, and the name is checked against the others.
    m_tabs->setCurrentWidget(m_form);
    m_form->firstName()->setFocus(Qt::OtherFocusReason);
    m_form->firstName()->selectAll();
}

void CustomerScreen::openOrderEntry()
{
    const int order = m_account->chosenOrder();
    if (!save() || !m_openOrder)
        return;
    if (m_openOrder(m_customer.number, campaign(), order))
        showCampaign();
    else
        m_account->show(m_customer.number, campaign());
}

void CustomerScreen::stepCampaign(bool forward)
{
    if (!save())
        return;
    cOption &options = state().options;
    if (!(forward ? options.CampaignIncrement() : options.CampaignDecrement())) {
        state().prompter.beep();
        return;
    }
    options.OptionSave(state().data);
    state().noticeCampaignMoved();
    showCampaign();
}

void CustomerScreen::changeCampaignNumber(int number)
{
    if (!save())
        return;
    state().options.CurrentCampaignNumber = number;
    state().options.OptionSave(state().data);
    state().noticeCampaignMoved();
    showCampaign();
}

void CustomerScreen::stepYear(bool forward)
{
    if (!save())
        return;
    state().options.CurrentCampaignYear += forward ? 1 : -1;
    state().options.OptionSave(state().data);
    state().noticeCampaignMoved();
    CampaignTotals::ensureRows(state().data, state().options.CurrentCampaignYear);
    showCampaign();
}

void CustomerScreen::cancelChanges()
{
    if (state().prompter.askYesNo(QStringLiteral("Cancel Changes?")))
        showCustomer(m_customer.number);
}

void CustomerScreen::sendEmail()
{
    Customer shown = m_customer;
    m_form->read(shown);
    const QString address = shown.email.trimmed();
    if (address.isEmpty()) {
        state().prompter.information(QStringLiteral("No eMail address found on this customer"));
        return;
    }
    if (!address.contains(QLatin1Char('@'))) {
        state().prompter.information(QStringLiteral("Invalid eMail address found on this customer"));
        return;
    }
    const QString subject = state().options.EmailSubject.isEmpty() ? QStringLiteral(".") : state().options.EmailSubject;
    const QString body = state().options.EmailBody.isEmpty() ? QStringLiteral(".") : state().options.EmailBody;
    QUrl url(QStringLiteral("mailto:") + address);
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("subject"), subject);
    query.addQueryItem(QStringLiteral("body"), body);
    url.setQuery(query);
    if (!QDesktopServices::openUrl(url))
        state().prompter.information(QStringLiteral("Web eMail is NOT supported. -- The eMail feature requires a standard "
                                                    "PC-Based eMail program setup with your ISP (Internet Service Provider)."));
}

void CustomerScreen::purge()
{
    const QString warning = lines({QStringLiteral("Warning:"), QString(),
                                   QStringLiteral("This will delete this customer and all related orders/payments!"),
                                   QStringLiteral("You may want to create a backup or print final reports before deleting "
                                                  "customer information."),
                                   QString(), QStringLiteral("Do You Wish to Continue?")});
    if (!state().prompter.askYesNo(warning, kMessageTitle, Answer::No))
        return;
    deleteCustomer(state(), m_customer.number, true);
    state().currentCustomer = 0;
    m_customer = {};
    m_purged = true;
    close();
}

void CustomerScreen::finishClosing()
{
    if (!m_purged)
        save();
}

} // namespace zel::customers
