#include "customers/ui/customer_summary_screen.h"

#include "reports/customer_order_summary_report.h"
#include "reports/customer_title.h"
#include "reports/report_parameters.h"
#include "reports/ui/report_runner.h"
#include "session/app_state.h"
#include "shell/captions.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>
#include <QVariantMap>

namespace zel {

using customers::CustomerSummaries;

namespace {

const QString kMoneyPattern = QStringLiteral("###,###,##0.00");

// The registered report that prints a summary.
QString reportName(CustomerSummaries::Kind kind)
{
    using Kind = CustomerSummaries::Kind;
    switch (kind) {
    case Kind::Campaigns: return QStringLiteral("customer-campaigns");
    case Kind::Orders:
    case Kind::CurrentOrders: return QStringLiteral("customer-orders");
    case Kind::Payments: return QStringLiteral("customer-payments");
    }
    return {};
}

// The choices it is run with: the current campaign's summary prints that campaign only.
QVariantMap reportChoices(CustomerSummaries::Kind kind)
{
    if (kind == CustomerSummaries::Kind::CurrentOrders)
        return {{reports::CustomerOrderSummaryReport::kCurrentOnly, true}};
    return {};
}

} // namespace

CustomerSummaryScreen::CustomerSummaryScreen(AppState &state, int customer, Kind kind, const Campaign &campaign, QWidget *parent)
    : ScreenBase(state, QStringLiteral("Zel_CustomerSummary"), parent), m_customer(customer), m_kind(kind), m_campaign(campaign),
      m_grid(new QTableView(this)), m_model(new QStandardItemModel(this))
{
    setWindowTitle(Gs_Caption_Replace(CustomerSummaries::title(kind)));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(reports::customerTitleLine(state.data, customer), this));
    if (CustomerSummaries::stepsCampaigns(kind))
        layout->addWidget(campaignRow());
    m_grid->setModel(m_model);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSortingEnabled(true);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);
    layout->addWidget(m_grid, 1);
    if (kind == Kind::Campaigns) {
        m_yearToDate = new QLabel(this);
        layout->addWidget(m_yearToDate);
    }
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *print = buttons->addButton(QStringLiteral("&Preview"), QDialogButtonBox::ActionRole);
    QPushButton *close = buttons->addButton(QStringLiteral("&Close"), QDialogButtonBox::RejectRole);
    print->setAutoDefault(false);
    close->setDefault(true);
    connect(print, &QPushButton::clicked, this, &CustomerSummaryScreen::preview);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(buttons);
    load();
    resize(760, 480);
    setUpScreen();
}

QWidget *CustomerSummaryScreen::campaignRow()
{
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *previous = new QPushButton(Gs_Caption_Replace(QStringLiteral("P&revious ####")), row);
    auto *next = new QPushButton(Gs_Caption_Replace(QStringLiteral("&Next ####")), row);
    previous->setAutoDefault(false);
    next->setAutoDefault(false);
    connect(previous, &QPushButton::clicked, this, [this] { stepCampaign(false); });
    connect(next, &QPushButton::clicked, this, [this] { stepCampaign(true); });
    m_campaignLabel = new QLabel(row);
    layout->addWidget(previous);
    layout->addWidget(m_campaignLabel, 1, Qt::AlignCenter);
    layout->addWidget(next);
    return row;
}

void CustomerSummaryScreen::load()
{
    const std::vector<CustomerSummaries::Column> columns = CustomerSummaries::columns(m_kind);
    m_model->clear();
    QStringList headings;
    for (const CustomerSummaries::Column &column : columns)
        headings << Gs_Caption_Replace(column.heading);
    m_model->setHorizontalHeaderLabels(headings);
    for (const QVariantList &values : CustomerSummaries::rows(state().data, m_kind, m_customer, m_campaign)) {
        QList<QStandardItem *> items;
        for (size_t i = 0; i < columns.size(); ++i) {
            auto *item = new QStandardItem;
            const QVariant value = values.value(int(i));
            if (columns[i].money) {
                item->setText(Currency::fromDouble(value.toDouble()).format(kMoneyPattern));
                item->setData(value.toDouble(), Qt::UserRole);
            } else {
                item->setText(value.toString());
                item->setData(columns[i].number ? QVariant(value.toInt()) : QVariant(value.toString()), Qt::UserRole);
            }
            if (columns[i].money || columns[i].number)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            items << item;
        }
        m_model->appendRow(items);
    }
    m_model->setSortRole(Qt::UserRole);
    QHeaderView *header = m_grid->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    m_grid->resizeColumnsToContents();
    header->setStretchLastSection(false);
    // The widest text column gives way, so that the figures at the right are always in view.
    int widest = -1;
    for (int i = 0; i < int(columns.size()); ++i)
        if (!columns[i].money && !columns[i].number && (widest < 0 || m_grid->columnWidth(i) > m_grid->columnWidth(widest)))
            widest = i;
    if (widest >= 0)
        header->setSectionResizeMode(widest, QHeaderView::Stretch);
    if (m_campaignLabel)
        m_campaignLabel->setText(Gs_Caption_Replace(QStringLiteral("#### %1 of %2")).arg(m_campaign.number).arg(m_campaign.year));
    if (m_yearToDate)
        m_yearToDate->setText(yearToDateText());
}

QString CustomerSummaryScreen::yearToDateText() const
{
    return QStringLiteral("Year To Date (%1): %2")
        .arg(m_campaign.year)
        .arg(CustomerSummaries::yearToDate(state().data, m_customer, m_campaign.year).format(kMoneyPattern));
}

void CustomerSummaryScreen::stepCampaign(bool forward)
{
    const int last = qMax(state().options.LastCampaignNumberOfYear, 1);
    m_campaign = forward ? m_campaign.next(last) : m_campaign.previous(last);
    load();
}

void CustomerSummaryScreen::preview()
{
    reports::ReportParameters parameters;
    parameters.customer = m_customer;
    parameters.campaign = m_campaign;
    parameters.view = true;
    parameters.choices = reportChoices(m_kind);
    reports::runRegisteredReport(state(), reportName(m_kind), parameters, this);
}

} // namespace zel
