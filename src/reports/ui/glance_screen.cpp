#include "reports/ui/glance_screen.h"

#include "reports/campaign_summary.h"
#include "reports/catalogue/call_back_report.h"
#include "reports/catalogue/payment_summary_report.h"
#include "reports/glance/glance_report.h"
#include "reports/report_parameters.h"
#include "reports/ui/report_preview.h"
#include "reports/ui/report_runner.h"
#include "session/app_state.h"
#include "shell/grid_layout_store.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedBarSeries>
#include <QTabWidget>
#include <QTableWidget>
#include <QValueAxis>
#include <QVBoxLayout>

namespace zel::reports {

namespace {

// Sorts money, numbers and dates by their value, and other texts as the desktop's language does.
class GlanceItem : public QTableWidgetItem
{
public:
    using QTableWidgetItem::QTableWidgetItem;
    bool operator<(const QTableWidgetItem &other) const override
    {
        const std::optional<double> mine = number(text());
        const std::optional<double> theirs = number(other.text());
        if (mine && theirs)
            return *mine < *theirs;
        const QDate myDay = QDate::fromString(text(), QStringLiteral("MM/dd/yyyy"));
        const QDate theirDay = QDate::fromString(other.text(), QStringLiteral("MM/dd/yyyy"));
        if (myDay.isValid() && theirDay.isValid())
            return myDay < theirDay;
        return QString::localeAwareCompare(text(), other.text()) < 0;
    }

private:
    // "$1,234.50", "($1.00)" and "42" as numbers.
    static std::optional<double> number(QString text)
    {
        const bool negative = text.startsWith(QLatin1Char('(')) || text.startsWith(QLatin1Char('-'));
        static const QRegularExpression marks(QStringLiteral("[$,()\\s-]")); // built once: sorting compares often
        text.remove(marks);
        bool ok = false;
        const double value = text.toDouble(&ok);
        if (!ok || text.isEmpty())
            return std::nullopt;
        return negative ? -value : value;
    }
};

// A read-only list; `stretch` is the column that takes the width left over.
QTableWidget *makeTable(const QStringList &headings, const QString &name, int stretch, QWidget *parent)
{
    auto *table = new QTableWidget(0, int(headings.size()), parent);
    table->setHorizontalHeaderLabels(headings);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setTabKeyNavigation(false); // Tab leaves the list, as in every other screen
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(false);
    table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder); // in the order read until she sorts
    table->setProperty("stretch", stretch);
    table->setAccessibleName(name);
    return table;
}

void fillTable(QTableWidget *table, const std::vector<QStringList> &rows)
{
    table->setUpdatesEnabled(false);
    table->setSortingEnabled(false); // rows go in as read; the chosen sort follows
    table->clearContents();
    table->setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r)
        for (int c = 0; c < int(rows[size_t(r)].size()); ++c) {
            auto *item = new GlanceItem(rows[size_t(r)][c]);
            if (table->horizontalHeaderItem(c) && table->horizontalHeaderItem(c)->data(Qt::UserRole).toBool())
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(r, c, item);
        }
    // Measured once, on the first rows: twenty years can list a thousand customers to call back.
    QHeaderView *header = table->horizontalHeader();
    header->setResizeContentsPrecision(200);
    const int stretch = table->property("stretch").toInt();
    if (!table->property("laidOut").toBool()) // her own widths, once she has set them, stay
        for (int c = 0; c < table->columnCount(); ++c) {
            header->setSectionResizeMode(c, c == stretch ? QHeaderView::Stretch : QHeaderView::Interactive);
            if (c != stretch)
                table->resizeColumnToContents(c);
        }
    table->setSortingEnabled(true);
    table->setUpdatesEnabled(true);
}

QString shortName(const Campaign &campaign)
{
    return QStringLiteral("%1/%2").arg(campaign.number).arg(campaign.year);
}

} // namespace

GlanceScreen::GlanceScreen(AppState &state, QWidget *parent) : ScreenBase(state, QStringLiteral("ZEL_Glance"), parent)
{
    setWindowTitle(QStringLiteral("Campaign at a Glance"));
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buildHeader());
    layout->addLayout(buildFigures(), 3);
    layout->addWidget(buildLists(), 2);
    layout->addLayout(buildButtons());
    resize(980, 700);
    setUpScreen();
    restoreGrids();
    showCampaign({state.options.CurrentCampaignYear, state.options.CurrentCampaignNumber});
}

QLayout *GlanceScreen::buildHeader()
{
    auto *header = new QHBoxLayout;
    m_title = new QLabel(this);
    QFont larger = m_title->font();
    larger.setPointSizeF(larger.pointSizeF() * 1.4);
    larger.setBold(true);
    m_title->setFont(larger);
    m_previous = new QPushButton(QStringLiteral("Pre&vious Campaign"), this);
    m_next = new QPushButton(QStringLiteral("&Next Campaign"), this);
    connect(m_previous, &QPushButton::clicked, this, [this] { stepCampaign(false); });
    connect(m_next, &QPushButton::clicked, this, [this] { stepCampaign(true); });
    header->addWidget(m_title, 1);
    header->addWidget(m_previous);
    header->addWidget(m_next);
    return header;
}

QLayout *GlanceScreen::buildFigures()
{
    auto *row = new QHBoxLayout;
    m_chart = new QChartView(this);
    m_chart->setRenderHint(QPainter::Antialiasing);
    m_chart->setMinimumSize(560, 300);
    m_chart->setAccessibleName(QStringLiteral("Sales chart"));
    m_chart->setFocusPolicy(Qt::NoFocus); // the Figures tab holds the same numbers for the keyboard
    row->addWidget(m_chart, 1);

    auto *box = new QGroupBox(QStringLiteral("This campaign"), this);
    auto *grid = new QVBoxLayout(box);
    m_sales = new QLabel(box);
    m_sales->setWordWrap(true);
    m_sales->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(m_sales);
    const auto link = [&](QPushButton *&button, const QString &name, const QString &tip, auto open) {
        button = new QPushButton(box); // Enter on a focused figure opens its list
        button->setAccessibleName(name);
        button->setToolTip(tip);
        button->setStyleSheet(QStringLiteral("text-align: left; padding: 4px 8px;"));
        connect(button, &QPushButton::clicked, this, open);
        grid->addWidget(button);
    };
    using S = CampaignSummarySelection;
    using P = catalogue::PaymentSummaryReport;
    link(m_typed, QStringLiteral("Orders typed"), QStringLiteral("Opens the campaign summary of these orders."),
         [this] { openReport(QStringLiteral("campaign-summary"), {}); });
    link(m_undelivered, QStringLiteral("Orders not delivered"), QStringLiteral("Opens the campaign summary of the orders not delivered."),
         [this] { openReport(QStringLiteral("campaign-summary"), {{S::kExcludeDelivered, true}}); });
    link(m_unpaid, QStringLiteral("Orders not paid"), QStringLiteral("Shows the orders not paid in full, with what each still owes."),
         [this] {
             m_tabs->setCurrentWidget(m_unpaidList);
             m_unpaidList->setFocus();
         });
    link(m_debits, QStringLiteral("Customers owing her"), QStringLiteral("Opens the payment summary of the debit balances."),
         [this] { openReport(QStringLiteral("payment-summary"), {{P::kGroup, QStringLiteral("balances")}, {P::kBalance, QStringLiteral("debit")}}); });
    link(m_credits, QStringLiteral("Customers she owes"), QStringLiteral("Opens the payment summary of the credit balances."),
         [this] { openReport(QStringLiteral("payment-summary"), {{P::kGroup, QStringLiteral("balances")}, {P::kBalance, QStringLiteral("credit")}}); });
    link(m_callBack, QStringLiteral("Customers to call back"), QStringLiteral("Opens the call back list of these customers."),
         [this] { openReport(QStringLiteral("call-back"), {{catalogue::CallBackReport::kPast, CampaignGlance::kCallBackCampaigns}}); });
    grid->addStretch(1);
    row->addWidget(box);
    return row;
}

QWidget *GlanceScreen::buildLists()
{
    m_tabs = new QTabWidget(this);
    m_figures = makeTable({QStringLiteral("Campaign"), QStringLiteral("Sales"), QStringLiteral("Earnings")},
                          QStringLiteral("Sales and earnings by campaign"), 0, m_tabs);
    for (int c : {1, 2})
        m_figures->horizontalHeaderItem(c)->setData(Qt::UserRole, true);
    m_unpaidList = makeTable({QStringLiteral("No."), QStringLiteral("Customer"), QStringLiteral("Order"), QStringLiteral("Total"),
                              QStringLiteral("Owing")},
                             QStringLiteral("Orders not paid"), 1, m_tabs);
    for (int c : {3, 4})
        m_unpaidList->horizontalHeaderItem(c)->setData(Qt::UserRole, true);
    m_dates = makeTable({QStringLiteral("Date"), QStringLiteral("Description"), QStringLiteral("No."), QStringLiteral("Customer")},
                        QStringLiteral("Dates in the next %1 days").arg(CampaignGlance::kDateDays), 3, m_tabs);
    m_callBackList = makeTable({QStringLiteral("No."), QStringLiteral("Customer"), QStringLiteral("Last order")},
                               QStringLiteral("Customers with no order in %1 campaigns").arg(CampaignGlance::kCallBackCampaigns), 2, m_tabs);
    m_products = makeTable({QStringLiteral("Catalog No."), QStringLiteral("Product"), QStringLiteral("Why")},
                           QStringLiteral("Products short or out of stock"), 2, m_tabs);
    m_tabs->addTab(m_figures, QStringLiteral("&Figures"));
    m_tabs->addTab(m_unpaidList, QString());
    m_tabs->addTab(m_dates, QString());
    m_tabs->addTab(m_callBackList, QString());
    m_tabs->addTab(m_products, QString());
    return m_tabs;
}

QLayout *GlanceScreen::buildButtons()
{
    auto *buttons = new QHBoxLayout;
    auto *print = new QPushButton(QStringLiteral("P&rint..."), this);
    print->setToolTip(QStringLiteral("Preview the glance to print it or save it as PDF."));
    auto *close = new QPushButton(QStringLiteral("C&lose"), this);
    close->setDefault(true);
    connect(print, &QPushButton::clicked, this, &GlanceScreen::print);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addStretch(1);
    buttons->addWidget(print);
    buttons->addWidget(close);
    return buttons;
}

// "GlanceTab1" to "GlanceTab5": each list's columns, widths and sort as she left them.
std::vector<std::pair<QString, QTableWidget *>> GlanceScreen::grids() const
{
    std::vector<std::pair<QString, QTableWidget *>> out;
    for (int tab = 0; tab < m_tabs->count(); ++tab)
        out.emplace_back(QStringLiteral("GlanceTab%1").arg(tab + 1), qobject_cast<QTableWidget *>(m_tabs->widget(tab)));
    return out;
}

void GlanceScreen::restoreGrids()
{
    const GridLayoutStore store(state().settings);
    for (const auto &[name, table] : grids()) {
        const QByteArray layout = store.load(name);
        if (!layout.isEmpty() && table->horizontalHeader()->restoreState(layout))
            table->setProperty("laidOut", true);
    }
}

void GlanceScreen::finishClosing()
{
    const GridLayoutStore store(state().settings);
    for (const auto &[name, table] : grids())
        store.save(name, table->horizontalHeader()->saveState());
}

void GlanceScreen::showCampaign(const Campaign &campaign)
{
    m_campaign = campaign;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_glance = glanceAt(state(), campaign, state().now().date());
    QApplication::restoreOverrideCursor();
    m_title->setText(glanceCampaignName(campaign));
    fillChart();
    fillFigures();
    fillLists();
    if (!m_glance)
        m_title->setText(glanceCampaignName(campaign) + QStringLiteral(" - the figures could not be read (see the error log)"));
}

void GlanceScreen::stepCampaign(bool forward)
{
    const int last = qMax(1, state().options.LastCampaignNumberOfYear);
    showCampaign(forward ? m_campaign.next(last) : m_campaign.previous(last));
}

void GlanceScreen::fillChart()
{
    auto *chart = new QChart;
    chart->setTitle(QStringLiteral("Sales with her earnings: the six campaigns before and, marked *, a year ago"));
    chart->legend()->setAlignment(Qt::AlignBottom);
    auto *earned = new QBarSet(QStringLiteral("Her earnings"));
    auto *rest = new QBarSet(QStringLiteral("Rest of the sales"));
    earned->setColor(QColor(70, 110, 170));
    rest->setColor(QColor(170, 195, 225));
    QStringList categories;
    QStringList description;
    double highest = 0;
    if (m_glance)
        for (const CampaignSales &bar : m_glance->sales) {
            const double sales = qMax(0.0, bar.sales.toDouble());
            const double earnings = qBound(0.0, bar.earnings.toDouble(), sales);
            *earned << earnings;
            *rest << sales - earnings;
            highest = qMax(highest, sales);
            categories << (bar.yearAgo ? QStringLiteral("%1*") : QStringLiteral("%1")).arg(shortName(bar.campaign));
            description << QStringLiteral("%1: sales %2, earnings %3")
                               .arg(glanceCampaignName(bar.campaign), bar.sales.toCurrencyText(), bar.earnings.toCurrencyText());
        }
    if (highest <= 0)
        chart->setTitle(QStringLiteral("No sales yet in these campaigns: the bars grow as orders are typed"));
    auto *series = new QStackedBarSeries;
    series->append(earned);
    series->append(rest);
    chart->addSeries(series);
    auto *axisX = new QBarCategoryAxis;
    axisX->append(categories);
    QFont labels = axisX->labelsFont();
    labels.setPointSizeF(labels.pointSizeF() * 0.85); // eight campaigns side by side, none cut short
    axisX->setLabelsFont(labels);
    chart->addAxis(axisX, Qt::AlignBottom);
    series->attachAxis(axisX);
    auto *axisY = new QValueAxis;
    axisY->setRange(0, highest > 0 ? highest * 1.1 : 100);
    axisY->applyNiceNumbers();
    axisY->setLabelFormat(QStringLiteral("$%.0f"));
    chart->addAxis(axisY, Qt::AlignLeft);
    series->attachAxis(axisY);
    QChart *old = m_chart->chart();
    m_chart->setChart(chart);
    delete old;
    m_chart->setAccessibleDescription(description.join(QStringLiteral("; ")));
}

void GlanceScreen::fillFigures()
{
    const CampaignGlance empty{};
    const CampaignGlance &g = m_glance ? *m_glance : empty;
    if (m_glance && !g.sales.empty()) {
        const CampaignSales &now = g.current();
        const CampaignSales &yearAgo = g.sales.front();
        m_sales->setText(QStringLiteral("Sales %1, her earnings %2.\nA year ago: sales %3, earnings %4.")
                             .arg(now.sales.toCurrencyText(), now.earnings.toCurrencyText(), yearAgo.sales.toCurrencyText(),
                                  yearAgo.earnings.toCurrencyText()));
    } else {
        m_sales->clear();
    }
    m_typed->setText(QStringLiteral("Orders &typed: %1").arg(g.ordersTyped));
    m_undelivered->setText(QStringLiteral("Orders not &delivered: %1").arg(g.ordersUndelivered));
    m_unpaid->setText(QStringLiteral("Orders not &paid: %1 (%2 owing)").arg(g.ordersUnpaid).arg(g.unpaidAmount.toCurrencyText()));
    m_debits->setText(QStringLiteral("Customers owing &her: %1 (%2)").arg(g.debits.customers).arg(g.debits.total.toCurrencyText()));
    m_credits->setText(QStringLiteral("Customers she &owes: %1 (%2)").arg(g.credits.customers).arg(g.credits.total.toCurrencyText()));
    m_callBack->setText(QStringLiteral("No order in %1 campaigns: %2 - call &back").arg(CampaignGlance::kCallBackCampaigns).arg(g.callBack.size()));
    for (QPushButton *button : {m_typed, m_undelivered, m_unpaid, m_debits, m_credits, m_callBack}) {
        button->setEnabled(bool(m_glance));
        button->setAccessibleName(QString(button->text()).remove(QLatin1Char('&'))); // the number is what she listens for
    }
    std::vector<QStringList> rows;
    for (const CampaignSales &bar : g.sales)
        rows.push_back({glanceCampaignName(bar.campaign) + (bar.yearAgo ? QStringLiteral(" (a year ago)") : QString()),
                        bar.sales.toCurrencyText(), bar.earnings.toCurrencyText()});
    fillTable(m_figures, rows);
}

void GlanceScreen::fillLists()
{
    const CampaignGlance empty{};
    const CampaignGlance &g = m_glance ? *m_glance : empty;
    std::vector<QStringList> rows;
    for (const UnpaidOrder &order : g.unpaidOrders)
        rows.push_back({QString::number(order.customer), order.name, QString::number(order.order), order.total.toCurrencyText(),
                        order.owing.toCurrencyText()});
    fillTable(m_unpaidList, rows);
    rows.clear();
    for (const ComingDate &date : g.dates)
        rows.push_back({date.day.toString(QStringLiteral("MM/dd/yyyy")), date.description, QString::number(date.customer), date.name});
    fillTable(m_dates, rows);
    rows.clear();
    for (const CallBackCustomer &customer : g.callBack)
        rows.push_back({QString::number(customer.customer), customer.name, customer.lastOrder});
    fillTable(m_callBackList, rows);
    rows.clear();
    for (const ShortProduct &product : g.shortProducts)
        rows.push_back({product.catalogNumber, product.description, QStringLiteral("Short on %1 order lines").arg(product.lines)});
    for (const ShortProduct &product : g.outOfStock)
        rows.push_back({product.catalogNumber, product.description, QStringLiteral("None left in stock")});
    fillTable(m_products, rows);
    m_tabs->setTabText(1, QStringLiteral("Unpa&id orders (%1)").arg(g.unpaidOrders.size()));
    m_tabs->setTabText(2, QStringLiteral("D&ates in %1 days (%2)").arg(CampaignGlance::kDateDays).arg(g.dates.size()));
    m_tabs->setTabText(3, QStringLiteral("C&ustomers to call (%1)").arg(g.callBack.size()));
    m_tabs->setTabText(4, QStringLiteral("Products &short (%1)").arg(g.shortProducts.size() + g.outOfStock.size()));
}

void GlanceScreen::openReport(const QString &name, const QVariantMap &choices)
{
    ReportParameters parameters;
    parameters.campaign = m_campaign;
    parameters.view = true;
    parameters.choices = choices;
    runRegisteredReport(state(), name, parameters, this);
}

void GlanceScreen::print()
{
    if (!m_glance)
        return;
    ReportPreview preview(state(), GlanceReport::pages(state(), *m_glance), this);
    preview.exec();
}

} // namespace zel::reports
