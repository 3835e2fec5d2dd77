#include "reports/glance/campaign_glance.h"

#include "payments/payment_sums.h"
#include "reports/catalogue/call_back_report.h"
#include "reports/catalogue/dates_report.h"
#include "reports/earnings_preparation.h"
#include "reports/report_parameters.h"
#include "session/app_state.h"
#include "shell/data_access.h"

namespace zel::reports {

namespace {

const QString kProcedure = QStringLiteral("Campaign Glance");

// The earnings report's figures with its default choices: every customer, returns left out.
std::optional<CampaignSales> salesOf(cDataAccess &data, const Campaign &campaign)
{
    EarningsSelection selection;
    selection.year = campaign.year;
    selection.number = campaign.number;
    const std::optional<EarningsFigures> figures = computeEarnings(data, selection);
    if (!figures)
        return std::nullopt;
    return CampaignSales{campaign, figures->volume, figures->earned(), false};
}

bool readSales(cDataAccess &data, CampaignGlance &glance, int lastNumberOfYear)
{
    std::vector<Campaign> campaigns{{glance.campaign.year - 1, glance.campaign.number}};
    for (int back = CampaignGlance::kPastCampaigns; back >= 0; --back)
        campaigns.push_back(glance.campaign.back(back, lastNumberOfYear));
    for (const Campaign &campaign : campaigns) {
        std::optional<CampaignSales> sales = salesOf(data, campaign);
        if (!sales)
            return false;
        glance.sales.push_back(*sales);
    }
    glance.sales.front().yearAgo = true;
    return true;
}

// The campaign's orders as the campaign summary lists them: one TOTAL row an order, paid by the
// payments carrying its order number, delivered when marked 'Y'.
bool readOrders(cDataAccess &data, CampaignGlance &glance)
{
    data.setSQL(QStringLiteral(
                    "Select o.[Orders Customer Number], %1, o.[Orders Order Number], o.[Orders Unit Total], "
                    "Round(o.[Orders Unit Total] + Coalesce(p.Paid, 0), 4), Coalesce(o.[Orders Delivered], '') = 'Y' "
                    "From Orders o Inner Join Customers On Customers.[Customers Number] = o.[Orders Customer Number] "
                    "Left Join (Select [Payments Customer Number] As Cust, [Payments Order Number] As Ord, Sum([Payments "
                    "Amount]) As Paid From Payments Where [Payments Campaign Year] = ? And [Payments Campaign Number] = ? "
                    "Group By [Payments Customer Number], [Payments Order Number]) p On p.Cust = o.[Orders Customer Number] "
                    "And p.Ord = o.[Orders Order Number] Where o.[Orders Internal Flag] = 'TOTAL' And o.[Orders Campaign "
                    "Year] = ? And o.[Orders Campaign Number] = ? Order By Customers.[Customers Last Name], "
                    "Customers.[Customers First Name], o.[Orders Customer Number], o.[Orders Order Number]")
                    .arg(catalogue::CatalogueReport::lastFirstSql(QStringLiteral("Customers"))),
                {glance.campaign.year, glance.campaign.number, glance.campaign.year, glance.campaign.number});
    RecordSet rows = data.GetSnapShot(kProcedure);
    if (!rows.isValid())
        return false;
    while (rows.next()) {
        ++glance.ordersTyped;
        if (!rows.value(5).toBool())
            ++glance.ordersUndelivered;
        const Currency owing = Currency::fromDouble(rows.value(4).toDouble());
        if (owing <= Currency())
            continue;
        glance.unpaidOrders.push_back({rows.value(0).toInt(), rows.value(1).toString(), rows.value(2).toInt(),
                                       Currency::fromDouble(rows.value(3).toDouble()), owing});
        glance.unpaidAmount += owing;
    }
    glance.ordersUnpaid = int(glance.unpaidOrders.size());
    return true;
}

// The payment summary's balances: every customer's orders and payments up to the campaign.
void readBalances(cDataAccess &data, CampaignGlance &glance)
{
    for (const auto &[customer, balance] : PaymentSums(data).campaignBalances(glance.campaign.year, glance.campaign.number)) {
        Q_UNUSED(customer);
        if (balance.isZero())
            continue;
        OwedBalances &owed = balance > Currency() ? glance.debits : glance.credits;
        ++owed.customers;
        owed.total += balance;
    }
}

ReportParameters parametersFor(const Campaign &campaign)
{
    ReportParameters parameters;
    parameters.campaign = campaign;
    return parameters;
}

bool readDates(cDataAccess &data, CampaignGlance &glance)
{
    ReportParameters parameters;
    parameters.choices.insert(catalogue::DatesReport::kEvents, QStringLiteral("future"));
    parameters.choices.insert(catalogue::DatesReport::kStatus, QStringLiteral("active"));
    QVariantList values;
    const QString select = catalogue::DatesReport::datesSelect(glance.today, parameters, values);
    values << glance.today.addDays(CampaignGlance::kDateDays).toString(Qt::ISODate);
    data.setSQL(QStringLiteral("Select [EventDay], [Dates Description], [Dates Customer Number], [CustomerName] From (")
                    + select
                    + QStringLiteral(") Where [EventDay] <= ? Order By [EventDay], [Customers Last Name], [Customers First Name], "
                                     "[Dates Customer Number]"),
                values);
    RecordSet rows = data.GetSnapShot(kProcedure);
    if (!rows.isValid())
        return false;
    while (rows.next())
        glance.dates.push_back({QDate::fromString(rows.value(0).toString().left(10), Qt::ISODate), rows.value(1).toString(),
                                rows.value(2).toInt(), rows.value(3).toString()});
    return true;
}

bool readCallBack(AppState &state, CampaignGlance &glance)
{
    ReportParameters parameters = parametersFor(glance.campaign);
    parameters.choices.insert(catalogue::CallBackReport::kPast, CampaignGlance::kCallBackCampaigns);
    QVariantList values;
    const QString select = catalogue::CallBackReport::customersSelect(state, parameters, values);
    state.data.setSQL(QStringLiteral("Select [Customers Number], [CustomerName], [LastCampaignKey] From (") + select
                          + QStringLiteral(") Order By [Customers Last Name], [Customers First Name], [Customers Number]"),
                      values);
    RecordSet rows = state.data.GetSnapShot(kProcedure);
    if (!rows.isValid())
        return false;
    while (rows.next()) {
        const QVariant key = rows.value(2);
        const QString last = key.isNull() ? QStringLiteral("Never") : glanceCampaignName(Campaign::fromKey(key.toInt()));
        glance.callBack.push_back({rows.value(0).toInt(), rows.value(1).toString(), last});
    }
    return true;
}

bool readProducts(cDataAccess &data, const QString &sql, const QVariantList &values, std::vector<ShortProduct> &into)
{
    data.setSQL(sql, values);
    RecordSet rows = data.GetSnapShot(kProcedure);
    if (!rows.isValid())
        return false;
    while (rows.next())
        into.push_back({rows.value(0).toString().trimmed(), rows.value(1).toString().trimmed(), rows.value(2).toInt()});
    return true;
}

// Lines the company shorted: held back ('P') with the back-order or unavailable message the order
// computation gave them. Stock items: the inventory's stock rows with nothing left.
bool readShortProducts(cDataAccess &data, CampaignGlance &glance)
{
    return readProducts(data,
                        QStringLiteral("Select Trim([Orders Catalog Number]), Max([Orders Product]), Count(*) From Orders Where "
                                       "[Orders Internal Flag] = 'DETAIL' And [Orders Campaign Year] = ? And [Orders Campaign "
                                       "Number] = ? And [Orders BackOrder Flag] = 'P' And Coalesce([Orders BO Message], '') <> '' "
                                       "Group By Trim([Orders Catalog Number]) Order By Trim([Orders Catalog Number])"),
                        {glance.campaign.year, glance.campaign.number}, glance.shortProducts)
        && readProducts(data,
                        QStringLiteral("Select [Inventory Catalog Number], Trim(Coalesce([Inventory Description], '') || ' ' || "
                                       "Coalesce([Inventory Shade Color Fragrance], '')), Sum(Coalesce([Inventory Qty], 0)) From "
                                       "Inventory Where Coalesce([Inventory Sold To Qty], 0) = 0 And Coalesce([Inventory Delete "
                                       "Flag], 0) = 0 Group By [Inventory Catalog Number] Having Sum(Coalesce([Inventory Qty], "
                                       "0)) <= 0 Order By [Inventory Catalog Number]"),
                        {}, glance.outOfStock);
}

QString money(const Currency &amount)
{
    return amount.toCurrencyText();
}

} // namespace

QString glanceCampaignName(const Campaign &campaign)
{
    return QStringLiteral("Campaign %1 / %2").arg(campaign.number).arg(campaign.year);
}

std::vector<std::pair<QString, QString>> CampaignGlance::figures() const
{
    std::vector<std::pair<QString, QString>> out;
    for (const CampaignSales &bar : sales)
        out.emplace_back(QStringLiteral("Sales %1%2").arg(glanceCampaignName(bar.campaign), bar.yearAgo ? QStringLiteral(" (a year ago)") : QString()),
                         QStringLiteral("%1, earnings %2").arg(money(bar.sales), money(bar.earnings)));
    out.emplace_back(QStringLiteral("Orders typed"), QString::number(ordersTyped));
    out.emplace_back(QStringLiteral("Orders not delivered"), QString::number(ordersUndelivered));
    out.emplace_back(QStringLiteral("Orders not paid"), QStringLiteral("%1 (%2 owing)").arg(ordersUnpaid).arg(money(unpaidAmount)));
    out.emplace_back(QStringLiteral("Customers owing her"), QStringLiteral("%1 (%2)").arg(debits.customers).arg(money(debits.total)));
    out.emplace_back(QStringLiteral("Customers she owes"), QStringLiteral("%1 (%2)").arg(credits.customers).arg(money(credits.total)));
    out.emplace_back(QStringLiteral("Dates in the next %1 days").arg(kDateDays), QString::number(dates.size()));
    out.emplace_back(QStringLiteral("No order in %1 campaigns").arg(kCallBackCampaigns), QString::number(callBack.size()));
    out.emplace_back(QStringLiteral("Products short"), QString::number(shortProducts.size()));
    out.emplace_back(QStringLiteral("Products out of stock"), QString::number(outOfStock.size()));
    return out;
}

std::optional<CampaignGlance> glanceAt(AppState &state, const Campaign &campaign, const QDate &today)
{
    CampaignGlance glance;
    glance.campaign = campaign;
    glance.today = today;
    cDataAccess &data = state.data;
    if (!readSales(data, glance, qMax(1, state.options.LastCampaignNumberOfYear)) || !readOrders(data, glance))
        return std::nullopt;
    readBalances(data, glance);
    if (!readDates(data, glance) || !readCallBack(state, glance) || !readShortProducts(data, glance))
        return std::nullopt;
    return glance;
}

} // namespace zel::reports
