#include "app/sample_data.h"

#include "core/prompter.h"
#include "customers/customer_records.h"
#include "db/database_creation.h"
#include "orders/order_computation.h"
#include "orders/product.h"
#include "orders/product_baseline.h"
#include "payments/payment_sums.h"
#include "shell/app_state.h"
#include "shell/main_menu_operations.h"
#include "shell/transaction.h"

#include <QDate>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSqlQuery>

namespace zel {

namespace {

const char *const kFirstNames[] = {"Mary", "Linda", "Barbara", "Susan", "Karen", "Nancy", "Lisa", "Betty", "Sandra",
                                   "Donna", "Carol", "Ruth", "Sharon", "Michelle", "Laura", "Sarah", "Kim", "Deborah",
                                   "Jessica", "Shirley", "Cynthia", "Angela", "Melissa", "Brenda", "Amy", "Anna", "Rebecca",
                                   "Virginia", "Kathleen", "Pamela", "Martha", "Debra", "Amanda", "Carmen", "Rosa", "Juan",
                                   "Robert", "James", "Chantal", "Sylvie"};
const char *const kLastNames[] = {"Smith", "Johnson", "Williams", "Brown", "Jones", "Garcia", "Miller", "Davis",
                                  "Rodriguez", "Martinez", "Hernandez", "Lopez", "Gonzalez", "Wilson", "Anderson", "Thomas",
                                  "Taylor", "Moore", "Jackson", "Martin", "Lee", "Perez", "Thompson", "White", "Harris",
                                  "Sanchez", "Clark", "Ramirez", "Lewis", "Robinson", "O'Brien", "Tremblay", "Gagnon",
                                  "Roy", "Cote", "Bouchard", "Walker", "Young", "Allen", "King"};
const char *const kStreets[] = {"Main St", "Oak Ave", "Maple Dr", "Cedar Ln", "Pine St", "Elm St", "Lake Rd", "Hill St"};
const char *const kKinds[] = {"Lipstick", "Lip Gloss", "Mascara", "Eye Shadow", "Eyeliner", "Foundation", "Blush",
                              "Face Cream", "Body Lotion", "Shower Gel", "Perfume", "Cologne", "Nail Enamel",
                              "Hand Cream", "Bath Oil", "Powder", "Concealer", "Shampoo", "Conditioner", "Sun Block"};
const char *const kShades[] = {"Red", "Rose", "Coral", "Nude", "Berry", "Plum", "Black", "Brown", "Ivory", "Beige",
                               "Fresh Citrus", "Lavender", "Vanilla", "Ocean", "Pearl"};
const char *const kSizes[] = {"4 g", "7 ml", "30 ml", "50 ml", "100 ml", "150 ml", "200 ml", "1.7 oz", "3.4 oz"};

template <typename T, size_t N>
QString pick(QRandomGenerator &random, const T (&list)[N])
{
    return QString::fromUtf8(list[random.bounded(int(N))]);
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

std::vector<CatalogEntry> makeCatalog(QRandomGenerator &random, int count)
{
    std::vector<CatalogEntry> entries;
    for (int i = 0; i < count; ++i) {
        const int cents = 199 + random.bounded(3800);
        entries.push_back({QStringLiteral("%1-%2").arg(100 + i * 7 % 900, 3, 10, QLatin1Char('0')).arg(100 + i, 3, 10, QLatin1Char('0')),
                           pick(random, kKinds), pick(random, kShades), pick(random, kSizes),
                           Currency::fromCents(cents - cents % 50 + 49), random.bounded(10) < 8});
    }
    return entries;
}

bool exec(QSqlQuery &query, const QString &sql, const QVariantList &values = {})
{
    query.prepare(sql);
    for (const QVariant &v : values)
        query.addBindValue(v);
    return query.exec();
}

class SampleBuilder
{
public:
    SampleBuilder(AppState &state, const SampleSize &size)
        : m_state(state), m_size(size), m_random(size.seed), m_catalog(makeCatalog(m_random, 400))
    {
    }

    bool build(const std::function<void(const QString &)> &progress);

private:
    bool setOptions(const Campaign &last);
    bool addCustomers();
    bool addCatalogue(const Campaign &campaign);
    bool addOrders(const Campaign &campaign, const Campaign &next);
    bool pay(int customer, const Campaign &campaign, int order, const Currency &total);

    AppState &m_state;
    SampleSize m_size;
    QRandomGenerator m_random;
    std::vector<CatalogEntry> m_catalog;
    std::vector<std::vector<int>> m_campaignProducts;
    std::vector<int> m_customers;
};

bool SampleBuilder::setOptions(const Campaign &last)
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
    options.CurrentCampaignYear = last.year;
    options.CurrentCampaignNumber = last.number;
    options.PrintInvoiceShowSavings = QStringLiteral("Y");
    return options.OptionSave(m_state.data);
}

bool SampleBuilder::addCustomers()
{
    QSqlQuery query(m_state.database.handle());
    for (int i = 0; i < m_size.customers; ++i) {
        const std::optional<int> number = customers::createCustomer(m_state);
        if (!number)
            return false;
        m_customers.push_back(*number);
        const int roll = m_random.bounded(100);
        const QString language = roll < 5 ? QStringLiteral("Spanish") : roll < 8 ? QStringLiteral("French") : QStringLiteral("English");
        const bool helper = i < qMax(1, m_size.customers / 50);
        const int helperNumber = !helper && m_random.bounded(10) == 0 ? m_customers.front() : 0;
        if (!exec(query,
                  QStringLiteral("Update Customers Set [Customers First Name] = ?, [Customers Last Name] = ?, [Customers "
                                 "House Number] = ?, [Customers Address] = ?, [Customers City] = 'Springfield', [Customers "
                                 "State] = 'IL', [Customers Zip Code] = ?, [Customers Phone 1] = ?, [Customers Language] = ?, "
                                 "[Customers Gender] = ?, [Customers Discount Percent] = ?, [Customers Business Helper Flag] "
                                 "= ?, [Customers Business Helper Invoice Detail] = ?, [Customers Business Helper Number] = ? "
                                 "Where [Customers Number] = ?"),
                  {pick(m_random, kFirstNames), pick(m_random, kLastNames), QString::number(1 + m_random.bounded(999)),
                   pick(m_random, kStreets), QString::number(62700 + m_random.bounded(99)),
                   QStringLiteral("(217) 555-%1").arg(1000 + m_random.bounded(8999)), language,
                   m_random.bounded(12) == 0 ? QStringLiteral("M") : QStringLiteral("F"),
                   m_random.bounded(8) == 0 ? 10.0 : 0.0, helper ? QStringLiteral("Y") : QStringLiteral("N"),
                   helper ? QStringLiteral("Y") : QStringLiteral("N"), helper ? *number : helperNumber, *number}))
            return false;
        if (helper && !exec(query, QStringLiteral("Update HelperPercents Set [HelperPercents Earnings Percent] = 5 Where "
                                                  "[HelperPercents Customer Number] = ?"),
                            {*number}))
            return false;
    }
    return true;
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
        p.page = QString::number(1 + m_random.bounded(200));
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

bool SampleBuilder::pay(int customer, const Campaign &campaign, int order, const Currency &total)
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
    return exec(query,
                QStringLiteral("Insert Into Payments ([Payments Customer Number], [Payments Campaign Year], [Payments "
                               "Campaign Number], [Payments Order Number], [Payments Sequence], [Payments Amount], "
                               "[Payments Date], [Payments Deposited], [Payments Type], [Payments Check Number], [Payments "
                               "Grid Usage]) Values (?, ?, ?, ?, ?, ?, ?, 'Y', ?, '', '')"),
                {customer, campaign.year, campaign.number, order, sequence, (-paid).toDouble(),
                 QDate(campaign.year, 1, 1).addDays(campaign.number * 14).toString(QStringLiteral("yyyy-MM-dd 00:00:00")),
                 QString::fromLatin1(types[m_random.bounded(5)])});
}

bool SampleBuilder::addOrders(const Campaign &campaign, const Campaign &next)
{
    const std::vector<int> &offered = m_campaignProducts.back();
    cOption options = m_state.options;
    options.CurrentCampaignYear = campaign.year;
    options.CurrentCampaignNumber = campaign.number;
    for (int customer : m_customers) {
        if (m_random.generateDouble() >= m_size.orderChance)
            continue;
        OrderRequest request;
        request.customer = customer;
        request.campaign = campaign;
        request.backOrderCampaign = next;
        request.processBackOrders = true;
        request.switches = {true, true, true, false, false};
        request.orderDate = QDateTime(QDate(campaign.year, 1, 1).addDays(campaign.number * 14), QTime(10, 0));
        request.mode = ComputeMode::Shorts; // never ask about the charge while generating
        const int lines = 2 + m_random.bounded(10);
        for (int i = 0; i < lines; ++i) {
            const CatalogEntry &entry = m_catalog[size_t(offered[size_t(m_random.bounded(int(offered.size())))])];
            OrderRow line;
            line.catalogNumber = entry.number;
            line.product = entry.description;
            line.shade = entry.shade;
            line.size = entry.size;
            line.page = QString::number(1 + m_random.bounded(200));
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
        const std::optional<ComputedOrder> order = saveOrder(m_state.data, options, m_state.prompter, request, 0);
        if (!order || !pay(customer, campaign, order->orderNumber, order->grandTotal))
            return false;
    }
    return true;
}

bool SampleBuilder::build(const std::function<void(const QString &)> &progress)
{
    const int lastYear = QDate::currentDate().year();
    const Campaign first{lastYear - m_size.years + 1, 1};
    const Campaign last{lastYear, m_size.campaignsPerYear};
    if (!setOptions(last) || !addCustomers())
        return false;
    for (Campaign campaign = first; campaign <= last; campaign = campaign.next(m_size.campaignsPerYear)) {
        if (progress)
            progress(QStringLiteral("Campaign %1 of %2").arg(campaign.number).arg(campaign.year));
        Transaction catalogue(m_state.database.handle());
        if (!addCatalogue(campaign) || !catalogue.commit())
            return false;
        if (!addOrders(campaign, campaign.next(m_size.campaignsPerYear)))
            return false;
    }
    return BaselineUpdateAll(m_state.data, m_state.prompter, QStringLiteral("UTILITY"));
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
    // A generated database can be made again; speed matters more than surviving a power cut here.
    QSqlQuery pragma(state.database.handle());
    pragma.exec(QStringLiteral("PRAGMA synchronous = OFF"));
    const bool built = SampleBuilder(state, size).build(progress);
    pragma.exec(QStringLiteral("PRAGMA synchronous = FULL"));
    return built;
}

} // namespace zel
