#include "reports/ui/reports_screen.h"

#include "core/prompter.h"
#include "customers/customer_choices.h"
#include "earnings/campaign_totals.h"
#include "reports/helper_filter.h"
#include "reports/order_summary.h"
#include "reports/report.h"
#include "reports/report_registry.h"
#include "reports/server/standard_reports.h"
#include "reports/ui/campaign_summary_tab.h"
#include "reports/ui/choices_tab.h"
#include "reports/ui/invoice_mail_screen.h"
#include "reports/ui/labels_tab.h"
#include "reports/ui/order_summary_tab.h"
#include "reports/ui/report_preview.h"
#include "reports/ui/report_runner.h"
#include "reports/ui/simple_report_tabs.h"
#include "session/app_state.h"
#include "shell/settings_keys.h"
#include "shell/ui/screen_options.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zel::reports {

namespace {

const char *const kTabTitles[ReportsScreen::kTabCount] = {
    "Orders",        "#### Totals",    "Order Summary", "#### Summary", "Customers",      "Brochures",      "Labels",
    "Inventory",     "Discounts",      "Expenses",      "Earnings",     "Annual Summary", "Payment Summary", "Statistics",
    "Call Back",     "Helper Summary", "Dates",         "Points",       "Mileage",        "Notes"};

QComboBox *namedCombo(const QString &name, QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(name);
    return box;
}

} // namespace

ReportsScreen::ReportsScreen(AppState &state, QWidget *parent) : ScreenBase(state, QStringLiteral("Zel_Reports"), parent)
{
    setWindowTitle(QStringLiteral("Reports"));
    auto *layout = new QVBoxLayout(this);
    auto *bar = new QMenuBar(this);
    layout->setMenuBar(bar);
    QMenu *file = bar->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&E-mail Invoices of the Campaign..."), this, [this] {
        InvoiceMailScreen mail(this->state(), {selectedYear(), selectedNumber()}, this);
        mail.exec();
    });
    file->addAction(QStringLiteral("E&xit"), this, &QDialog::reject);
    QMenu *misc = bar->addMenu(QStringLiteral("&Misc"));
    misc->addAction(QStringLiteral("&Reset all Options / Check Boxes to defaults"), this, [this] { resetToDefaults(); });
    misc->addAction(QStringLiteral("Reset &Screen Size / Position"), this, [this] { resetScreenSize(); });

    m_tabs = new QTabWidget(this);
    addTabs();
    if (state.webSubmission) {
        // The main menu's Web Submission comes here: say what to do, on the page that does it.
        setWindowTitle(QStringLiteral("Reports - Web Submission"));
        auto *guide = new QLabel(QStringLiteral("<b>Web Submission:</b> check the order summary below, then press the Submit "
                                                "button of your country to send the campaign's combined order."),
                                 this);
        guide->setWordWrap(true);
        guide->setObjectName(QStringLiteral("submissionGuide"));
        layout->addWidget(guide);
    }
    layout->addWidget(m_tabs, 1);
    layout->addWidget(campaignRow());
    layout->addWidget(buttonRow());

    // A year nobody has typed amounts for yet gets its rows, so the totals tab has lines to join onto.
    CampaignTotals::ensureRows(state.data, state.options.CurrentCampaignYear);
    loadHelpers();
    for (ReportTab *tab : m_reportTabs)
        tab->resetDefaults();
    const IniFile options = state.settings.file(settings::kReportOptionsIni);
    if (options.exists())
        restoreScreenOptions(this, options);
    if (state.webSubmission)
        m_tabs->setCurrentIndex(kOrderSummaryTab);
    resize(760, 560);
    setUpScreen();
}

void ReportsScreen::addTabs()
{
    std::map<int, ReportTab *> built = {{1, new CampaignTotalsTab}, {2, m_orderSummary = new OrderSummaryTab},
                                        {3, new CampaignSummaryTab}, {6, new LabelsTab}, {10, new EarningsTab}};
    // The other reports' pages offer the choices each report declares.
    const std::map<int, QString> declared = {
        {0, QStringLiteral("invoice")},         {4, QStringLiteral("customers")},   {5, QStringLiteral("brochures")},
        {7, QStringLiteral("inventory")},       {8, QStringLiteral("discounts")},   {9, QStringLiteral("expenses")},
        {11, QStringLiteral("annual-summary")}, {12, QStringLiteral("payment-summary")}, {13, QStringLiteral("statistics")},
        {14, QStringLiteral("call-back")},      {15, QStringLiteral("helper-summary")}, {16, QStringLiteral("dates")},
        {17, QStringLiteral("points")},         {18, QStringLiteral("mileage")},    {19, QStringLiteral("notes")}};
    // The letters of the menus, the campaign row and the buttons stay theirs on every page.
    const QSet<QChar> taken = {u'f', u'm', u'y', u'h', u'r', u'n', u'v', u'p', u'x'};
    const std::vector<customers::CustomerChoice> customerChoices = customers::customersByName(state().data);
    for (const auto &[index, name] : declared) {
        const Report &report = *standardReports().find(name);
        QString note = report.description();
        note[0] = note[0].toUpper();
        auto *tab = new ChoicesTab(report, note + QLatin1Char('.'), taken);
        tab->offerCustomers(customerChoices);
        built[index] = tab;
    }
    for (int i = 0; i < kTabCount; ++i) {
        ReportTab *tab = built.at(i);
        m_tabs->addTab(tab, QLatin1String(kTabTitles[i]));
        m_reportTabs.push_back(tab);
    }
    m_tabs->setCurrentIndex(kOrderSummaryTab);
}

QWidget *ReportsScreen::campaignRow()
{
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    const cOption &o = state().options;
    m_year = namedCombo(QStringLiteral("cboYear"), row);
    m_number = namedCombo(QStringLiteral("cboCampaign"), row);
    m_year->addItem(QString());
    for (int year = o.CurrentCampaignYear - 10; year <= o.CurrentCampaignYear + 1; ++year)
        m_year->addItem(QString::number(year));
    m_number->addItem(QString());
    for (int number = 1; number <= qMax(o.LastCampaignNumberOfYear, 1); ++number)
        m_number->addItem(QString::number(number));
    m_year->setCurrentText(QString::number(o.CurrentCampaignYear));
    m_number->setCurrentText(QString::number(o.CurrentCampaignNumber));
    m_helper = namedCombo(QStringLiteral("cboHelper"), row);
    auto *yearLabel = new QLabel(QStringLiteral("&Year:"), row);
    auto *numberLabel = new QLabel(QStringLiteral("####:"), row);
    auto *helperLabel = new QLabel(QStringLiteral("Business &Helper:"), row);
    yearLabel->setBuddy(m_year);
    numberLabel->setBuddy(m_number);
    helperLabel->setBuddy(m_helper);
    auto *previous = new QPushButton(QStringLiteral("P&revious ####"), row);
    auto *next = new QPushButton(QStringLiteral("&Next ####"), row);
    for (QPushButton *b : {previous, next})
        b->setAutoDefault(false);
    connect(previous, &QPushButton::clicked, this, [this] { stepCampaign(-1); });
    connect(next, &QPushButton::clicked, this, [this] { stepCampaign(1); });
    for (QWidget *w : std::initializer_list<QWidget *>{yearLabel, m_year, numberLabel, m_number, previous, next, helperLabel})
        layout->addWidget(w);
    layout->addWidget(m_helper, 1);
    return row;
}

QWidget *ReportsScreen::buttonRow()
{
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *view = buttons->addButton(QStringLiteral("&View"), QDialogButtonBox::ActionRole);
    QPushButton *print = buttons->addButton(QStringLiteral("&Print"), QDialogButtonBox::ActionRole);
    QPushButton *exit = buttons->addButton(QStringLiteral("E&xit"), QDialogButtonBox::RejectRole);
    view->setDefault(true);
    connect(view, &QPushButton::clicked, this, [this] { runReport(true); });
    connect(print, &QPushButton::clicked, this, [this] { runReport(false); });
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    return buttons;
}

void ReportsScreen::loadHelpers()
{
    m_helper->addItem(QStringLiteral("All Customers"), QStringLiteral("all"));
    m_helper->addItem(HelperFilter::kWithEntry, QStringLiteral("with"));
    m_helper->addItem(HelperFilter::kWithoutEntry, QStringLiteral("without"));
    for (const HelperEntry &helper : businessHelpers(state().data))
        m_helper->addItem(QStringLiteral("%1 (%2)").arg(helper.name).arg(helper.number), QString::number(helper.number));
}

int ReportsScreen::selectedYear() const
{
    return m_year->currentText().toInt();
}

int ReportsScreen::selectedNumber() const
{
    return m_number->currentText().toInt();
}

QString ReportsScreen::helperChoice() const
{
    return m_helper->currentData().toString();
}

void ReportsScreen::stepCampaign(int step)
{
    const int number = qBound(1, selectedNumber() + step, m_number->count() - 1);
    m_number->setCurrentText(QString::number(number));
}

ReportTab *ReportsScreen::currentTab() const
{
    return qobject_cast<ReportTab *>(m_tabs->currentWidget());
}

void ReportsScreen::runReport(bool view)
{
    ReportTab *tab = currentTab();
    const Report *report = tab ? standardReports().find(tab->reportName()) : nullptr;
    if (!report)
        return;
    if (const QString problem = tab->problem(); !problem.isEmpty()) {
        state().prompter.information(problem);
        return;
    }
    ReportParameters parameters;
    parameters.campaign = {selectedYear(), selectedNumber()};
    parameters.view = view;
    parameters.choices.insert(HelperFilter::kChoice, helperChoice());
    tab->fill(parameters);
    runRegisteredReport(state(), report->name(), parameters, this);
}

void ReportsScreen::resetToDefaults()
{
    for (ReportTab *tab : m_reportTabs)
        tab->resetDefaults();
    m_helper->setCurrentIndex(0);
    state().prompter.information(QStringLiteral("All report options and check boxes have been reset to their defaults."));
}

void ReportsScreen::setTransmitOpener(std::function<void(const QString &)> open)
{
    m_transmitOpener = std::move(open);
    m_orderSummary->setSubmitHandler(m_transmitOpener ? std::function<void(const QString &)>([this](const QString &country) {
        submit(country);
    })
                                                      : std::function<void(const QString &)>());
    // In submission mode the keyboard waits on the Submit button of her country.
    if (m_transmitOpener && state().webSubmission)
        m_orderSummary->focusSubmit(state().shortcuts.country);
}

void ReportsScreen::submit(const QString &country)
{
    ReportParameters parameters;
    parameters.campaign = {selectedYear(), selectedNumber()};
    parameters.choices.insert(HelperFilter::kChoice, helperChoice());
    m_orderSummary->fill(parameters);
    if (const std::optional<QString> problem = prepareOrderSummary(state().data, OrderSummarySelection::of(parameters))) {
        state().prompter.information(*problem);
        return;
    }
    m_transmitOpener(country);
}

void ReportsScreen::finishClosing()
{
    saveScreenOptions(this, state().settings.file(settings::kReportOptionsIni));
}

} // namespace zel::reports
