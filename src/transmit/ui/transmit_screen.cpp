#include "transmit/ui/transmit_screen.h"

#include "core/prompter.h"
#include "reports/ui/report_preview.h"
#include "session/app_state.h"
#include "shell/ui/grid_column.h"
#include "shell/ui/record_grid_model.h"
#include "shell/ui/record_grid_view.h"
#include "transmit/macro_browser.h"
#include "transmit/transmit_country.h"
#include "transmit/transmit_list.h"
#include "transmit/transmit_print.h"
#include "transmit/transmit_submission.h"

#include <QCheckBox>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zel {

namespace {

using transmit::TransmitRow;

const transmit::TransmitCountry &countryOf(const QString &code)
{
    const transmit::TransmitCountry *country = transmit::TransmitCountry::find(code);
    return country ? *country : *transmit::TransmitCountry::find(QStringLiteral("US"));
}

std::vector<GridColumn<TransmitRow>> transmitColumns()
{
    using namespace grid;
    const QString none;
    return {flag(QStringLiteral("Transmit"), &TransmitRow::transmit).readOnly(),
            whole(QStringLiteral("WebPageNo"), &TransmitRow::webPageNo, none).readOnly(),
            text(QStringLiteral("ProductStatus"), &TransmitRow::productStatus).readOnly().withWidth(240),
            whole(QStringLiteral("Campaign Year"), &TransmitRow::campaignYear, none).readOnly(),
            whole(QStringLiteral("Campaign Number"), &TransmitRow::campaignNumber, none).readOnly(),
            whole(QStringLiteral("From Campaign"), &TransmitRow::fromCampaign, none).readOnly(),
            text(QStringLiteral("Page"), &TransmitRow::page).readOnly(),
            text(QStringLiteral("Catalog Number"), &TransmitRow::catalogNumber).readOnly(),
            whole(QStringLiteral("Quantity"), &TransmitRow::quantity, none).readOnly(),
            text(QStringLiteral("Product"), &TransmitRow::product).readOnly(),
            text(QStringLiteral("Shade"), &TransmitRow::shade).readOnly(),
            text(QStringLiteral("Size"), &TransmitRow::size).readOnly(),
            whole(QStringLiteral("Customer Number"), &TransmitRow::customerNumber, none).readOnly(),
            money(QStringLiteral("TotalOfOrders"), &TransmitRow::totalOfOrders, none).readOnly()};
}

} // namespace

TransmitScreen::TransmitScreen(AppState &state, const QString &country, QWidget *parent)
    : ScreenBase(state, QStringLiteral("Zel_Transmit"), parent),
      m_country(countryOf(country)),
      m_valid(state.options.CurrentCampaignNumber, state.options.LastCampaignNumberOfYear),
      m_list(std::make_unique<transmit::TransmitList>(state.data))
{
    transmit::BrowserOptions options;
    options.profileFolder = QDir(state.paths.appFolder).filePath(QStringLiteral("Browser"));
    m_browser = std::make_unique<transmit::MacroBrowser>(options);

    setWindowTitle(QStringLiteral("Web Submission - ") + m_country.name);
    m_model = new RecordGridModel<TransmitRow>(transmitColumns(),
                                               [&state](const QString &message) { state.prompter.information(message); }, this);
    m_grid = new RecordGridView(QStringLiteral("Transmit"), state, this);
    m_grid->setAccessibleName(QStringLiteral("Products to send"));
    m_grid->setModel(m_model);
    m_grid->setSortingEnabled(true);
    // Rows come in page order; the arrow shows once a heading click has sorted by its column.
    QHeaderView *header = m_grid->horizontalHeader();
    header->setSortIndicatorShown(false);
    connect(header, &QHeaderView::sectionClicked, header, [header] { header->setSortIndicatorShown(true); });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildTop());
    auto *middle = new QHBoxLayout;
    middle->addWidget(buildPages());
    middle->addWidget(m_grid, 1);
    layout->addLayout(middle, 1);
    layout->addWidget(buildButtons());

    resize(1000, 640);
    setUpScreen();
    prepare();
    m_grid->restoreLayout();
}

TransmitScreen::~TransmitScreen() = default;

QWidget *TransmitScreen::buildTop()
{
    auto *top = new QWidget(this);
    auto *row = new QHBoxLayout(top);
    row->setContentsMargins(0, 0, 0, 0);
    auto *start = new QPushButton(QStringLiteral("Start Custom Internet &Browser. (Required)"), top);
    connect(start, &QPushButton::clicked, this, &TransmitScreen::startBrowser);
    auto *left = new QVBoxLayout;
    left->addWidget(start);
    m_addOn = new QCheckBox(QStringLiteral("&Add On Order"), top);
    m_addOn->setToolTip(QStringLiteral("Check this box when doing an ADD-On order.  This resricts the web entries to 2 campaigns."));
    m_addOn->setVisible(m_country.addOn);
    connect(m_addOn, &QCheckBox::toggled, this, &TransmitScreen::addOnChanged);
    left->addWidget(m_addOn);
    m_addOnNote = new QLabel(m_valid.addOnNote(), top);
    m_addOnNote->setWordWrap(true);
    m_addOnNote->setVisible(false);
    left->addWidget(m_addOnNote);
    left->addStretch();
    row->addLayout(left, 1);
    auto *valid = new QLabel(m_valid.label(m_country.addOn), top);
    valid->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    row->addWidget(valid);
    return top;
}

QWidget *TransmitScreen::buildPages()
{
    auto *box = new QWidget(this);
    auto *column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    m_pages = new QListWidget(box);
    m_pages->setMaximumWidth(150);
    auto *label = new QLabel(QStringLiteral("Web &Pages"), box);
    label->setBuddy(m_pages);
    connect(m_pages, &QListWidget::currentRowChanged, this, [this] { choosePage(chosenPage()); });
    connect(m_pages, &QListWidget::itemActivated, this, [this] { submitPage(); });
    m_submit = new QPushButton(QStringLiteral("Start &Submission"), box);
    connect(m_submit, &QPushButton::clicked, this, &TransmitScreen::submitPage);
    column->addWidget(label);
    column->addWidget(m_pages, 1);
    column->addWidget(m_submit);
    return box;
}

QWidget *TransmitScreen::buildButtons()
{
    auto *bar = new QWidget(this);
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    m_exceptions = new QPushButton(QStringLiteral("Show &Exceptions Only"), bar);
    connect(m_exceptions, &QPushButton::clicked, this, &TransmitScreen::toggleExceptions);
    auto *print = new QPushButton(QStringLiteral("P&rint"), bar);
    connect(print, &QPushButton::clicked, this, &TransmitScreen::printList);
    auto *exit = new QPushButton(QStringLiteral("E&xit"), bar);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    row->addWidget(m_exceptions);
    row->addStretch();
    row->addWidget(print);
    row->addWidget(exit);
    return bar;
}

QString TransmitScreen::site() const
{
    const IniKey key{settings::kZelIni, QStringLiteral("WebSites"), m_country.code, m_country.site};
    const QString configured = state().settings.read(key).trimmed();
    return configured.isEmpty() ? m_country.site : configured;
}

void TransmitScreen::useBrowser(const transmit::BrowserOptions &options)
{
    m_browser = std::make_unique<transmit::MacroBrowser>(options);
}

void TransmitScreen::prepare()
{
    state().prompter.hourglass(true);
    const std::optional<QList<int>> pages = m_list->prepare(m_country, m_valid);
    state().prompter.hourglass(false);
    m_pages->clear();
    for (const int page : pages.value_or(QList<int>()))
        m_pages->addItem(QString::number(page));
    showRows();
}

void TransmitScreen::showRows()
{
    m_model->setRows(m_list->rows(m_exceptionsOnly));
}

int TransmitScreen::chosenPage() const
{
    const QListWidgetItem *item = m_pages->currentItem();
    return item ? item->text().toInt() : 0;
}

void TransmitScreen::choosePage(int page)
{
    for (int i = 0; i < m_pages->count(); ++i)
        if (m_pages->item(i)->text().toInt() == page && m_pages->currentRow() != i)
            m_pages->setCurrentRow(i);
    m_submit->setText(page > 0 ? QStringLiteral("&Submit Web Page ") + QString::number(page)
                               : QStringLiteral("Start &Submission"));
}

void TransmitScreen::startBrowser()
{
    transmit::TransmitSubmission submission(state(), m_country, m_valid, *m_browser);
    submission.startBrowser(site());
}

void TransmitScreen::submitPage()
{
    const int page = chosenPage();
    if (page == 0) {
        state().prompter.information(QStringLiteral("Please select the page of products to send."));
        return;
    }
    if (!m_exceptionsOnly && !m_browser->isRunning()) {
        state().prompter.information(QStringLiteral("Please click 'Start Custom Internet Browser. (Required)' first."));
        return;
    }
    transmit::TransmitSubmission submission(state(), m_country, m_valid, *m_browser);
    submission.submitPage(page, m_addOn->isVisible() && m_addOn->isChecked(), m_exceptionsOnly);
    showRows();
}

void TransmitScreen::toggleExceptions()
{
    m_exceptionsOnly = !m_exceptionsOnly;
    m_exceptions->setText(m_exceptionsOnly ? QStringLiteral("Show &ALL") : QStringLiteral("Show &Exceptions Only"));
    showRows();
}

void TransmitScreen::printList()
{
    const std::vector<TransmitRow> &rows = m_model->rows();
    const int year = rows.empty() ? state().options.CurrentCampaignYear : rows.front().campaignYear;
    const int campaign = rows.empty() ? state().options.CurrentCampaignNumber : rows.front().campaignNumber;
    reports::showReport(state(), transmit::layOutTransmitList(state(), year, campaign), false, this);
}

void TransmitScreen::addOnChanged()
{
    m_addOnNote->setVisible(m_country.code == QLatin1String("CA") && m_addOn->isChecked());
}

bool TransmitScreen::confirmClose()
{
    return state().prompter.askYesNo(m_country.exitQuestion());
}

void TransmitScreen::finishClosing()
{
    m_browser->close();
}

} // namespace zel
