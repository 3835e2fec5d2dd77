#include "app/sample_data.h"

#include "app/campaign_period.h"
#include "app/sample_vocabulary.h"

#include "core/prompter.h"
#include "core/text.h"
#include "customers/customer_records.h"
#include "desktop/main_menu_operations.h"
#include "earnings/mileage_trip.h"
#include "orders/check_digit.h"
#include "orders/order_computation.h"
#include "orders/product.h"
#include "orders/product_baseline.h"
#include "payments/payment_sums.h"
#include "session/app_state.h"
#include "session/database_creation.h"
#include "shell/transaction.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSqlQuery>

#include <set>

namespace zel {

namespace {

using sample::ProductKind;

template <typename T>
const T &pick(QRandomGenerator &random, const std::vector<T> &list)
{
    return list[size_t(random.bounded(int(list.size())))];
}

QString pickText(QRandomGenerator &random, const std::vector<const char *> &list)
{
    return QString::fromUtf8(pick(random, list));
}

struct CatalogEntry
{
    QString number;
    QString description;
    QString shade;
    QString size;
    Currency regular;
    bool taxable;
};

// A distinct "ddd-ddd" number for each index whose sixth digit checks, as the company's numbers do,
// so that the sample's combined order can be sent.
QString sampleCatalogNumber(int index)
{
    const QString five = QString::number(10000 + index * 7919 % 90000);
    for (int last = 0; last < 9; ++last)
        if (CheckDigit::isValid(five + QString::number(last)))
            return five.left(3) + QLatin1Char('-') + five.mid(3) + QString::number(last);
    return five.left(3) + QLatin1Char('-') + five.mid(3) + QLatin1Char('9');
}

// Where a product stands in a campaign's brochure: the same for its catalogue row and every order line.
QString brochurePage(int index, const Campaign &campaign)
{
    return QString::number(1 + (index * 13 + campaign.number * 7) % 200);
}

CatalogEntry makeEntry(QRandomGenerator &random, int index)
{
    const ProductKind &kind = pick(random, sample::productKinds());
    const int cents = kind.minCents + random.bounded(kind.maxCents - kind.minCents + 1);
    return {sampleCatalogNumber(index),
            pickText(random, sample::productLines()) + QLatin1Char(' ') + QString::fromUtf8(kind.name),
            pickText(random, *kind.shades), pickText(random, kind.sizes),
            Currency::fromCents(cents - cents % 50 + 49), kind.taxable};
}

std::vector<CatalogEntry> makeCatalog(QRandomGenerator &random, int count)
{
    std::vector<CatalogEntry> entries;
    for (int i = 0; i < count; ++i)
        entries.push_back(makeEntry(random, i));
    return entries;
}

// A day from `first` to `last`, both included.
QDate dayBetween(QRandomGenerator &random, const QDate &first, const QDate &last)
{
    return first.addDays(random.bounded(int(first.daysTo(last)) + 1));
}

bool exec(QSqlQuery &query, const QString &sql, const QVariantList &values = {})
{
    query.prepare(sql);
    for (const QVariant &v : values)
        query.addBindValue(v);
    return query.exec();
}

// Keeps the SQL log out of bulk work and puts it back however the work ends.
class SqlLogPause
{
public:
    explicit SqlLogPause(cDataAccess &data) : m_data(data), m_was(data.sqlLogging()) { m_data.setSqlLogging(false); }
    ~SqlLogPause() { m_data.setSqlLogging(m_was); }
    SqlLogPause(const SqlLogPause &) = delete;
    SqlLogPause &operator=(const SqlLogPause &) = delete;

private:
    cDataAccess &m_data;
    bool m_was;
};

class SampleBuilder
{
public:
    SampleBuilder(AppState &state, const SampleSize &size)
        : m_state(state), m_size(size), m_random(size.seed), m_catalog(makeCatalog(m_random, 400)),
          m_today(QDate::currentDate())
    {
    }

    bool build(const std::function<void(const QString &)> &progress);
    QString summary() const;

private:
    bool setOptions(const Campaign &current);
    std::pair<QString, QString> uniqueName();
    bool addCustomer(QSqlQuery &query, int index);
    bool addCustomers();
    bool addCatalogue(const Campaign &campaign);
    bool dateCarriedOrders(const Campaign &campaign);
    bool addBusinessRecords();
    bool addExpensesAndTrips(QSqlQuery &query);
    bool addStockAndCustomerDetails(QSqlQuery &query);
    OrderRequest orderRequest(int customer, const Campaign &campaign, const std::vector<int> &offered);
    bool addOrders(const Campaign &campaign);
    bool pay(int customer, const Campaign &campaign, int order, const Currency &total, const QDate &ordered);

    AppState &m_state;
    SampleSize m_size;
    QRandomGenerator m_random;
    std::vector<CatalogEntry> m_catalog;
    std::vector<std::vector<int>> m_campaignProducts;
    std::vector<int> m_customers;
    std::set<QString> m_names;
    QDate m_today;
    Campaign m_first;
    Campaign m_current;
    int m_campaigns = 0;
    int m_orders = 0;
    int m_payments = 0;
};

bool SampleBuilder::setOptions(const Campaign &current)
{
    cOption &options = m_state.options;
    options.RepName = QStringLiteral("Sample Representative");
    options.RepAddress = QStringLiteral("12 Sample Road");
    options.RepCSZ = QStringLiteral("Springfield, IL 62701");
    options.TaxRate1 = Currency::fromCents(625);
    options.TaxDesc1 = QStringLiteral("STATE");
    options.TaxRate2 = Currency::fromCents(100);
    options.TaxDesc2 = QStringLiteral("CITY");
    options.TaxProcessingCharge1 = QStringLiteral("Y");
    options.LastCampaignNumberOfYear = m_size.campaignsPerYear;
    options.CurrentCampaignYear = current.year;
    options.CurrentCampaignNumber = current.number;
    options.PrintInvoiceShowSavings = QStringLiteral("Y");
    return options.OptionSave(m_state.data);
}

// A first and last name nobody else in the sample has, while there are such pairs left.
std::pair<QString, QString> SampleBuilder::uniqueName()
{
    std::pair<QString, QString> name;
    for (int attempt = 0; attempt < 50; ++attempt) {
        name = {pickText(m_random, sample::firstNames()), pickText(m_random, sample::lastNames())};
        if (m_names.insert(name.first + QLatin1Char(' ') + name.second).second)
            break;
    }
    return name;
}

bool SampleBuilder::addCustomer(QSqlQuery &query, int index)
{
    const std::optional<int> number = customers::createCustomer(m_state);
    if (!number)
        return false;
    m_customers.push_back(*number);
    const int roll = m_random.bounded(100);
    const QString language = roll < 5 ? QStringLiteral("Spanish") : roll < 8 ? QStringLiteral("French") : QStringLiteral("English");
    const bool helper = index < qMax(1, m_size.customers / 50);
    const int helperNumber = !helper && m_random.bounded(10) == 0 ? m_customers.front() : 0;
    const auto [first, last] = uniqueName();
    const sample::Town &town = pick(m_random, sample::towns());
    const QString yes = QStringLiteral("Y"), no = QStringLiteral("N");
    return exec(query,
                QStringLiteral("Update Customers Set [Customers First Name] = ?, [Customers Last Name] = ?, [Customers "
                               "House Number] = ?, [Customers Address] = ?, [Customers City] = ?, [Customers State] = ?, "
                               "[Customers Zip Code] = ?, [Customers Phone 1] = ?, [Customers Language] = ?, "
                               "[Customers Gender] = ?, [Customers Discount Percent] = ?, [Customers Business Helper Flag] "
                               "= ?, [Customers Business Helper Invoice Detail] = ?, [Customers Business Helper Number] = ? "
                               "Where [Customers Number] = ?"),
                {first, last, QString::number(1 + m_random.bounded(2999)), pickText(m_random, sample::streets()),
                 QString::fromUtf8(town.city), QString::fromUtf8(town.state), QString::number(town.zipCode),
                 QStringLiteral("(%1) 555-%2").arg(town.areaCode).arg(1000 + m_random.bounded(8999)), language,
                 m_random.bounded(12) == 0 ? QStringLiteral("M") : QStringLiteral("F"),
                 m_random.bounded(8) == 0 ? 10.0 : 0.0, helper ? yes : no, helper ? yes : no,
                 helper ? *number : helperNumber, *number})
        && (!helper
            || exec(query, QStringLiteral("Update HelperPercents Set [HelperPercents Earnings Percent] = 5 Where "
                                          "[HelperPercents Customer Number] = ?"),
                    {*number}));
}

bool SampleBuilder::addCustomers()
{
    QSqlQuery query(m_state.database.handle());
    for (int i = 0; i < m_size.customers; ++i)
        if (!addCustomer(query, i))
            return false;
    // A customer assigned to a helper keeps the helper's name beside her number, as the customer
    // screen writes it when she is assigned.
    return exec(query, QStringLiteral("Update Customers Set [Customers Business Helper] = (Select Trim(H.[Customers First "
                                      "Name]) || ' ' || Trim(H.[Customers Last Name]) From Customers H Where H.[Customers "
                                      "Number] = Customers.[Customers Business Helper Number]) Where [Customers Business Helper "
                                      "Number] <> 0"));
}

bool SampleBuilder::addCatalogue(const Campaign &campaign)
{
    // Each campaign offers a slice of the catalogue, with a sale price on some products.
    std::vector<int> offered;
    const int start = m_random.bounded(int(m_catalog.size()));
    for (int i = 0; i < m_size.productsPerCampaign; ++i)
        offered.push_back((start + i * 3) % int(m_catalog.size()));
    QSqlQuery query(m_state.database.handle());
    for (int index : offered) {
        const CatalogEntry &entry = m_catalog[size_t(index)];
        Product p;
        p.campaignYear = campaign.year;
        p.campaignNumber = campaign.number;
        p.catalogNumber = entry.number;
        p.page = brochurePage(index, campaign);
        p.description = entry.description;
        p.shade = entry.shade;
        p.size = entry.size;
        p.tax1 = entry.taxable;
        p.regPrice = entry.regular;
        p.lastPrice = m_random.bounded(4) == 0 ? (entry.regular - entry.regular.percentRound2(Currency::fromCents(2500))).round2()
                                               : entry.regular;
        p.earningsFlag = QStringLiteral("R");
        p.baselineUpdate = QStringLiteral("Y");
        if (!exec(query, QStringLiteral("Insert Or Ignore Into Products (") + Product::columnList() + QStringLiteral(") Values (")
                             + Product::placeholders() + QLatin1Char(')'),
                  p.values()))
            return false;
    }
    m_campaignProducts.push_back(offered);
    return true;
}

// Back orders carried into this campaign were saved "now"; in the sample they arrive on its first day.
bool SampleBuilder::dateCarriedOrders(const Campaign &campaign)
{
    const CampaignPeriod period = CampaignPeriod::of(campaign, m_size.campaignsPerYear);
    return m_state.data.exec(QStringLiteral("generateSample"),
                             QStringLiteral("Update Orders Set [Orders Entered Date] = ? Where [Orders Campaign Year] = ? "
                                            "And [Orders Campaign Number] = ?"),
                             {toDbDateTime(QDateTime(period.first, QTime(9, 0))), campaign.year, campaign.number});
}

bool SampleBuilder::pay(int customer, const Campaign &campaign, int order, const Currency &total, const QDate &ordered)
{
    const int roll = m_random.bounded(20);
    if (roll == 0 || total <= Currency())
        return true; // unpaid for now
    Currency paid = total;
    if (roll == 1)
        paid = (total.percentRound2(Currency::fromCents(5000))).round2(); // half now
    else if (roll == 2)
        paid = total + Currency::fromCents(500); // a little extra: a credit
    PaymentSums sums(m_state.data);
    const int sequence = sums.MaxPaymentSequence(customer, campaign.year, campaign.number) + 1;
    QSqlQuery query(m_state.database.handle());
    static const char *const types[] = {"Cash", "Check / Cheque", "Visa", "MasterCard", "PAID IN FULL"};
    const QDate paidOn = dayBetween(m_random, ordered, qMin(ordered.addDays(10), m_today));
    ++m_payments;
    return exec(query,
                QStringLiteral("Insert Into Payments ([Payments Customer Number], [Payments Campaign Year], [Payments "
                               "Campaign Number], [Payments Order Number], [Payments Sequence], [Payments Amount], "
                               "[Payments Date], [Payments Deposited], [Payments Type], [Payments Check Number], [Payments "
                               "Grid Usage]) Values (?, ?, ?, ?, ?, ?, ?, 'Y', ?, '', '')"),
                {customer, campaign.year, campaign.number, order, sequence, (-paid).toDouble(),
                 paidOn.toString(QStringLiteral("yyyy-MM-dd 00:00:00")), QString::fromLatin1(types[m_random.bounded(5)])});
}

OrderRequest SampleBuilder::orderRequest(int customer, const Campaign &campaign, const std::vector<int> &offered)
{
    const CampaignPeriod period = CampaignPeriod::of(campaign, m_size.campaignsPerYear);
    OrderRequest request;
    request.customer = customer;
    request.campaign = campaign;
    request.backOrderCampaign = campaign.next(m_size.campaignsPerYear);
    // Today's campaign keeps its back orders: the next one has not begun.
    request.processBackOrders = campaign < m_current;
    request.switches = {true, true, true, false, false};
    request.orderDate = qMin(QDateTime(dayBetween(m_random, period.first, qMin(period.last, m_today)),
                                       QTime(9 + m_random.bounded(11), m_random.bounded(60))),
                             QDateTime::currentDateTime());
    request.mode = ComputeMode::Shorts; // never ask about the charge while generating
    const int lines = 2 + m_random.bounded(10);
    for (int i = 0; i < lines; ++i) {
        const int index = pick(m_random, offered);
        const CatalogEntry &entry = m_catalog[size_t(index)];
        OrderRow line;
        line.catalogNumber = entry.number;
        line.product = entry.description;
        line.shade = entry.shade;
        line.size = entry.size;
        line.page = brochurePage(index, campaign);
        line.quantity = line.priceQuantity = 1 + (m_random.bounded(5) == 0 ? 1 : 0);
        line.regPrice = entry.regular;
        line.unitPrice = entry.regular;
        line.tax1 = entry.taxable;
        line.earningsFlag = QStringLiteral("R");
        line.fromCampaign = campaign.number;
        const int roll = m_random.bounded(100);
        if (roll < 3)
            line.backOrderFlag = QStringLiteral("B");
        else if (roll < 4)
            line.backOrderFlag = QStringLiteral("U");
        else if (roll < 9)
            line.discountPercent = Currency::fromCents(1000);
        request.lines.push_back(line);
    }
    return request;
}

bool SampleBuilder::addOrders(const Campaign &campaign)
{
    if (!dateCarriedOrders(campaign))
        return false;
    const std::vector<int> &offered = m_campaignProducts.back();
    cOption options = m_state.options;
    options.CurrentCampaignYear = campaign.year;
    options.CurrentCampaignNumber = campaign.number;
    for (int customer : m_customers) {
        if (m_random.generateDouble() >= m_size.orderChance)
            continue;
        const OrderRequest request = orderRequest(customer, campaign, offered);
        const std::optional<ComputedOrder> order = saveOrder(m_state.data, options, m_state.prompter, request, 0);
        if (!order || !pay(customer, campaign, order->orderNumber, order->grandTotal, request.orderDate.date()))
            return false;
        ++m_orders;
    }
    return true;
}

bool SampleBuilder::build(const std::function<void(const QString &)> &progress)
{
    m_current = CampaignPeriod::on(m_today, m_size.campaignsPerYear);
    m_first = Campaign{m_today.year() - m_size.years + 1, 1};
    if (!setOptions(m_current) || !addCustomers())
        return false;
    for (Campaign campaign = m_first; campaign <= m_current; campaign = campaign.next(m_size.campaignsPerYear)) {
        if (progress)
            progress(QStringLiteral("Campaign %1 of %2").arg(campaign.number).arg(campaign.year));
        Transaction catalogue(m_state.database.handle());
        if (!addCatalogue(campaign) || !catalogue.commit())
            return false;
        if (!addOrders(campaign))
            return false;
        ++m_campaigns;
    }
    if (!addBusinessRecords())
        return false;
    // Every order was computed today; in the sample it was last changed when it was entered.
    return m_state.data.exec(QStringLiteral("generateSample"),
                             QStringLiteral("Update Orders Set [Orders Modified Date] = [Orders Entered Date]"))
        && BaselineUpdateAll(m_state.data, m_state.prompter, QStringLiteral("UTILITY"));
}

// The current year's expenses and trips, stock on hand, and some customers' dates, notes and
// points: so that every screen and report of the sample has something to show.
bool SampleBuilder::addBusinessRecords()
{
    Transaction records(m_state.database.handle());
    QSqlQuery query(m_state.database.handle());
    // What the company asked for each campaign: about the representative's cost of what she sold.
    const bool due = exec(query, QStringLiteral("Insert Into Totals ([Totals Campaign Year], [Totals Campaign Number], [Totals Due]) "
                                                "Select [Orders Campaign Year], [Orders Campaign Number], Round(Sum([Orders Unit "
                                                "Total]) * 0.6, 2) From Orders Where [Orders Internal Flag] = 'TOTAL' Group By "
                                                "[Orders Campaign Year], [Orders Campaign Number]"));
    return due && addExpensesAndTrips(query) && addStockAndCustomerDetails(query) && records.commit();
}

bool SampleBuilder::addExpensesAndTrips(QSqlQuery &query)
{
    static const char *const kinds[][3] = {{"Brochures", "Company", "Sales Aids"}, {"Samples", "Company", "Sales Aids"},
                                           {"Bags and tissue", "Party Store", "Supplies"}, {"Postage", "Post Office", "Shipping"}};
    static const char *const places[] = {"Home", "Office Park", "Main Street", "Library", "Hospital", "School"};
    int counter = 0;
    double odometer = 24000;
    for (Campaign campaign{m_current.year, 1}; campaign <= m_current; campaign = campaign.next(m_size.campaignsPerYear)) {
        const CampaignPeriod period = CampaignPeriod::of(campaign, m_size.campaignsPerYear);
        for (int i = 0; i < 2; ++i) {
            const auto &kind = kinds[m_random.bounded(4)];
            const QDate day = dayBetween(m_random, period.first, qMin(period.last, m_today));
            if (!exec(query, QStringLiteral("Insert Into Expenses ([Expenses Campaign Year], [Expenses Campaign Number], [Expenses "
                                            "Counter], [Expenses Description], [Expenses Payee], [Expenses Category], [Expenses "
                                            "Amount], [Expenses Include Flag], [Expenses Date]) Values (?, ?, ?, ?, ?, ?, ?, -1, ?)"),
                      {campaign.year, campaign.number, ++counter, QString::fromUtf8(kind[0]), QString::fromUtf8(kind[1]),
                       QString::fromUtf8(kind[2]), (500 + m_random.bounded(2500)) / 100.0, toDbDateTime(QDateTime(day, QTime(10, 0)))}))
                return false;
        }
        const QDate day = dayBetween(m_random, period.first, qMin(period.last, m_today));
        const double distance = 5 + m_random.bounded(40);
        if (!exec(query, QStringLiteral("Insert Into Mileage ([Mileage Date], [Mileage Time], [Mileage Reason], [Mileage "
                                        "Description], [Mileage From Location], [Mileage To Location], [Mileage Start Reading], "
                                        "[Mileage End Reading], [Mileage Trip Total]) Values (?, ?, 'Deliveries', ?, 'Home', ?, "
                                        "?, ?, ?)"),
                  {MileageTrip::dateText(day), MileageTrip::timeText(QTime(9 + m_random.bounded(8), 0)),
                   QStringLiteral("Campaign %1 orders").arg(campaign.number), QString::fromUtf8(places[m_random.bounded(6)]),
                   odometer, odometer + distance, distance}))
            return false;
        odometer += distance + m_random.bounded(300);
    }
    return true;
}

bool SampleBuilder::addStockAndCustomerDetails(QSqlQuery &query)
{
    for (int i = 0; i < 15; ++i) {
        const CatalogEntry &entry = m_catalog[size_t(i * 7)];
        if (!exec(query, QStringLiteral("Insert Into Inventory ([Inventory Catalog Number], [Inventory Description], [Inventory "
                                        "Shade Color Fragrance], [Inventory Size], [Inventory Notes], [Inventory Category], "
                                        "[Inventory Price], [Inventory Qty], [Inventory Storage Location], [Inventory Sold To "
                                        "Qty], [Inventory Sold To Campaign Year], [Inventory Sold to Campaign Number], [Inventory "
                                        "Delete Flag]) Values (?, ?, ?, ?, '', 'Demo stock', ?, ?, 'Closet', 0, 0, 0, 0)"),
                  {entry.number, entry.description, entry.shade, entry.size, entry.regular.toDouble(), 1 + m_random.bounded(4)}))
            return false;
    }
    for (size_t i = 0; i < m_customers.size(); i += 7) {
        const int customer = m_customers[i];
        const QDate birthday(1950 + m_random.bounded(50), 1 + m_random.bounded(12), 1 + m_random.bounded(28));
        const bool written =
            customers::addEventDate(m_state.data, customer, {birthday, QStringLiteral("Birthday"), 7, QStringLiteral("Y")}).has_value()
            && exec(query, QStringLiteral("Insert Into Notes ([Notes Customer Number], [Notes Last Updated], [Notes Detail]) "
                                          "Values (?, ?, ?)"),
                    {customer, toDbDateTime(QDateTime(m_today, QTime(12, 0))),
                     QStringLiteral("Prefers delivery after 5 pm. Ask about the new fragrances.")})
            && exec(query, QStringLiteral("Update Customers Set [Customers Points1] = ? Where [Customers Number] = ?"),
                    {10 * (1 + m_random.bounded(9)), customer});
        if (!written)
            return false;
    }
    return true;
}

QString SampleBuilder::summary() const
{
    return QStringLiteral("%1 customers, %2 campaigns (%3/%4 to %5/%6), %7 orders, %8 payments")
        .arg(m_customers.size())
        .arg(m_campaigns)
        .arg(m_first.number)
        .arg(m_first.year)
        .arg(m_current.number)
        .arg(m_current.year)
        .arg(m_orders)
        .arg(m_payments);
}

} // namespace

bool generateSample(AppState &state, const QString &path, const SampleSize &size,
                    const std::function<void(const QString &)> &progress)
{
    // Sample business only ever goes into a new file, never among a representative's own customers.
    if (QFileInfo::exists(path)) {
        state.prompter.information(path + QStringLiteral(" already exists.  Sample data is only written into a new database."));
        return false;
    }
    if (!db::Gfi_Create_Db(state, path))
        return false;
    MainMenuOperations session(state);
    if (!session.openDatabase(path, QStringLiteral("Sample:") + path, QStringLiteral("zel sample")))
        return false;
    QElapsedTimer timer;
    timer.start();
    SampleBuilder builder(state, size);
    bool built = false;
    {
        // Tens of thousands of generated statements would bury the log's real entries.
        const SqlLogPause quiet(state.data);
        // A generated database can be made again; speed matters more than surviving a power cut here.
        QSqlQuery pragma(state.database.handle());
        pragma.exec(QStringLiteral("PRAGMA synchronous = OFF"));
        built = builder.build(progress);
        pragma.exec(QStringLiteral("PRAGMA synchronous = FULL"));
    }
    state.LogWrite(QStringLiteral("MSG"), QStringLiteral("Sample business %1 in %2: %3")
                                              .arg(built ? QStringLiteral("written") : QStringLiteral("stopped"), path,
                                                   builder.summary())
                       + QStringLiteral(", %1 s").arg(double(timer.elapsed()) / 1000.0, 0, 'f', 1));
    return built;
}

} // namespace zel
