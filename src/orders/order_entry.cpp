#include "orders/order_entry.h"

#include "core/prompter.h"
#include "core/text.h"
#include "orders/catalog_number.h"
#include "orders/order_entry_rules.h"
#include "orders/product_baseline.h"
#include "orders/stored_order_header.h"
#include "payments/payment_sums.h"
#include "session/app_state.h"
#include "shell/transaction.h"

#include <QLocale>

#include <algorithm>

namespace zel {

namespace {

const QString kOrders = QStringLiteral("ORDERS");
const QString kProcedure = QStringLiteral("Zel_Order");
const QString kOrderFilter = QStringLiteral(" Where [Orders Customer Number] = ? And [Orders Campaign Year] = ? And [Orders "
                                            "Campaign Number] = ? And [Orders Order Number] = ?");

// Midnight on the first of January is what an unset date reads as.
bool isSet(const QDateTime &when)
{
    return when.isValid() && !(when.date().day() == 1 && when.date().month() == 1 && when.time() == QTime(0, 0));
}

// The header the order was saved with; what the rows do not say keeps the new-order default.
void readStoredHeader(const StoredOrderHeader &stored, OpenedOrder &opened)
{
    OrderHeader &header = opened.header;
    if (stored.hasSwitches)
        header.switches = stored.switches;
    if (!stored.specialChargeDescription.isEmpty() || !stored.specialChargeAmount.isZero()) {
        header.specialChargeDescription = stored.specialChargeDescription;
        header.specialChargeAmount = stored.specialChargeAmount;
    }
    if (stored.discountPercent > Currency())
        header.discountPercent = stored.discountPercent;
    header.summarized = stored.summarized;
    header.delivered = stored.delivered;
    if (stored.orderDate.isValid())
        header.orderDate = stored.orderDate;
    opened.orderTotal = stored.total;
}

// The reserved rows follow the line whose catalog number matches the "//" code in any form.
QString reservedLineNumber(const QString &code, const std::vector<OrderRow> &lines)
{
    if (code.isEmpty())
        return {};
    const QStringList forms = catalogNumberForms(code);
    for (const OrderRow &line : lines) {
        QString number = line.catalogNumber;
        number.remove(QLatin1Char('^'));
        if (forms.contains(number) || catalogNumberForms(number).contains(code))
            return line.catalogNumber;
    }
    return {};
}

} // namespace

OrderEntry::OrderEntry(AppState &state, int customer, const Campaign &campaign, int orderNumber)
    : m_state(state), m_customer(customer), m_campaign(campaign), m_orderNumber(orderNumber)
{
}

void OrderEntry::log(const QString &step) const
{
    m_state.LogWrite(kOrders, QStringLiteral("Zel_Order:Ms_Save ") + step + QStringLiteral(", Cust=")
                                  + QString::number(m_customer));
}

void OrderEntry::readCustomer(OpenedOrder &opened)
{
    cDataAccess &data = m_state.data;
    data.setSQL(QStringLiteral("Select * From Customers Where [Customers Number] = ?"), {m_customer});
    RecordSet row = data.GetSnapShot(kProcedure);
    if (!row.next())
        return;
    opened.customerName = (row.value(QStringLiteral("Customers First Name")).toString().trimmed() + QLatin1Char(' ')
                           + row.value(QStringLiteral("Customers Last Name")).toString().trimmed())
                              .trimmed();
    opened.customerDiscountPercent = Currency::fromDouble(row.value(QStringLiteral("Customers Discount Percent")).toDouble());
    opened.customerEmail = row.value(QStringLiteral("Customers Email")).toString().trimmed();
    for (int i = 0; i < 9; ++i)
        opened.header.points[size_t(i)] = row.value(QStringLiteral("Customers Points%1").arg(i + 1)).toInt();
}

OpenedOrder OrderEntry::open()
{
    cDataAccess &data = m_state.data;
    // The work tables are filled in one transaction: a commit for each line made opening slow.
    Transaction workTables(data.database().handle());
    for (int i = 1; i <= 6; ++i)
        data.exec(kProcedure, QStringLiteral("Delete From OrdersWork%1").arg(i));
    OpenedOrder opened;
    readCustomer(opened);
    opened.header.discountPercent = opened.customerDiscountPercent;
    opened.header.specialChargeDescription = m_state.options.SpecialChargeDescription;
    opened.header.orderDate = m_state.now();
    opened.header.backOrderCampaign = m_campaign.next(m_state.options.LastCampaignNumberOfYear);
    // A new order starts with the switches that can apply at all.
    opened.header.switches = {true, true, true, !m_state.options.FlatAmount.isZero(), !m_state.options.FlatPercent.isZero()};
    if (m_orderNumber > 0) {
        const std::vector<OrderRow> stored = storedOrderRows(data, kProcedure, m_customer, m_campaign, m_orderNumber);
        opened.exists = !stored.empty();
        for (const OrderRow &row : stored)
            if (row.internalFlag == QLatin1String("DETAIL"))
                opened.lines.push_back(row);
        if (!opened.lines.empty()) {
            opened.enteredDate = isSet(opened.lines.front().enteredDate) ? opened.lines.front().enteredDate : QDateTime();
            opened.modifiedDate = isSet(opened.lines.front().modifiedDate) ? opened.lines.front().modifiedDate : QDateTime();
        }
        if (opened.exists)
            readStoredHeader(StoredOrderHeader::fromRows(stored), opened);
        fillWorkLines(opened.lines);
    }
    workTables.commit();
    PaymentSums sums(data);
    opened.previousBalance = sums.PreviousOrdersTotal(m_customer, m_campaign.year, m_campaign.number)
                           + sums.PreviousPaymentsTotal(m_customer, m_campaign.year, m_campaign.number);
    return opened;
}

bool OrderEntry::fillWorkLines(const std::vector<OrderRow> &lines)
{
    cDataAccess &data = m_state.data;
    if (!data.exec(kProcedure, QStringLiteral("Delete From OrdersWork1")))
        return false;
    for (const OrderRow &line : lines)
        if (!data.exec(kProcedure, OrderRow::insertSql(QStringLiteral("OrdersWork1")), line.values()))
            return false;
    return true;
}

bool OrderEntry::updatePoints(const std::array<int, 9> &points)
{
    QString sql = QStringLiteral("Update Customers Set ");
    QVariantList values;
    for (int i = 0; i < 9; ++i) {
        sql += QStringLiteral("%1[Customers Points%2] = ?").arg(i ? QStringLiteral(", ") : QString()).arg(i + 1);
        values << points[size_t(i)];
    }
    values << m_customer;
    return m_state.data.exec(QStringLiteral("Ms_Update_Points"), sql + QStringLiteral(" Where [Customers Number] = ?"), values);
}

bool OrderEntry::deleteRows()
{
    return m_state.data.exec(kProcedure, QStringLiteral("Delete From [Orders]") + kOrderFilter,
                             {m_customer, m_campaign.year, m_campaign.number, m_orderNumber});
}

OrderRequest OrderEntry::requestFor(const OrderHeader &header, const std::vector<OrderRow> &lines) const
{
    OrderRequest request;
    request.lines = lines;
    request.processBackOrders = true;
    request.customer = m_customer;
    request.campaign = m_campaign;
    request.backOrderCampaign = header.backOrderCampaign;
    request.switches = header.switches;
    request.orderDate = header.orderDate;
    request.summarized = header.summarized;
    request.delivered = header.delivered;
    request.discountPercent = header.discountPercent;
    request.specialChargeDescription = header.specialChargeDescription;
    request.specialChargeAmount = header.specialChargeAmount;
    request.mode = ComputeMode::Normal;
    request.reservedCatalogNumber = reservedLineNumber(header.reservedCatalogNumber, lines);
    request.reservedRows = request.reservedCatalogNumber.isEmpty() ? 0 : header.reservedRows;
    return request;
}

OrderEntry::SaveResult OrderEntry::save(const OrderHeader &header, const std::vector<OrderRow> &typed)
{
    log(QStringLiteral("Start"));
    if (m_saving) {
        m_state.LogWrite(kOrders, QStringLiteral("Zel_Order:Ms_Save Mi_SaveActive is True"));
        return SaveResult::Busy;
    }
    m_saving = true;
    const auto done = [this](SaveResult result) {
        m_saving = false;
        return result;
    };
    std::vector<OrderRow> lines;
    for (const OrderRow &line : typed)
        if (!OrderLineRules::isBlank(line))
            lines.push_back(line);

    const Campaign current{m_state.options.CurrentCampaignYear, m_state.options.CurrentCampaignNumber};
    const bool backOrders = std::any_of(lines.begin(), lines.end(), [](const OrderRow &line) {
        return line.backOrderFlag == QLatin1String("B") || line.backOrderFlag == QLatin1String("S")
            || line.backOrderFlag == QLatin1String("U");
    });
    if (backOrders && header.backOrderCampaign.key() <= current.key()) {
        log(QStringLiteral("Back order campaign refused"));
        m_state.prompter.information(QStringLiteral("Back Order Campaign Year/Number must Greater than the Current Campaign "
                                                    "Year/Number.  See the Backorder Option Tab to adjust campaign."));
        return done(SaveResult::Refused);
    }

    // Saving with every line gone deletes the order: refused as Delete Order is while payments are on
    // it, which would otherwise be left as a credit against nothing.
    if (lines.empty() && refusedForPayments())
        return done(SaveResult::Refused);

    Transaction transaction(m_state.data.database().handle());
    log(QStringLiteral("Ms_Update_Points"));
    if (!updatePoints(header.points))
        return done(SaveResult::Failed);
    if (lines.empty()) {
        log(QStringLiteral("Delete Order Without Lines"));
        if ((m_orderNumber > 0 && !deleteRows()) || !transaction.commit())
            return done(SaveResult::Failed);
        log(QStringLiteral("Complete"));
        m_saved.reset();
        return done(SaveResult::Deleted);
    }
    log(QStringLiteral("Fill OrdersWork1"));
    if (!fillWorkLines(lines))
        return done(SaveResult::Failed);
    std::vector<OrderRow> ordered = lines;
    if (m_state.options.OrdersPrintSequence != QLatin1String("ENTERED"))
        std::stable_sort(ordered.begin(), ordered.end(), [](const OrderRow &a, const OrderRow &b) {
            return a.page != b.page ? a.page < b.page : a.catalogNumber < b.catalogNumber;
        });
    log(QStringLiteral("ComputeOrder"));
    std::optional<ComputedOrder> computed =
        writeOrder(m_state.data, m_state.options, m_state.prompter, requestFor(header, ordered), m_orderNumber);
    if (!computed)
        return done(SaveResult::Failed);
    log(QStringLiteral("Ms_Add_To_Products"));
    if (!Ms_Add_To_Products(m_state.data, m_state.options) || !transaction.commit())
        return done(SaveResult::Failed);
    m_orderNumber = computed->orderNumber;
    m_saved = std::move(computed);
    log(QStringLiteral("Complete"));
    return done(SaveResult::Saved);
}

bool OrderEntry::refusedForPayments()
{
    if (m_orderNumber <= 0
        || PaymentSums(m_state.data).OrderPaymentCount(m_customer, m_campaign.year, m_campaign.number, m_orderNumber) == 0)
        return false;
    m_state.prompter.information(QStringLiteral("This order has existing payment(s).\nPlease delete any payment(s) applied "
                                                "to this order using the Customer/Payment Tab."));
    return true;
}

bool OrderEntry::deleteOrder()
{
    if (refusedForPayments())
        return false;
    if (!m_state.prompter.askYesNo(QStringLiteral("Do you wish to DELETE this Order?\nThis Order will be completely "
                                                  "removed.\nContinue?"),
                                   kMessageTitle, Answer::No))
        return false;
    if (m_orderNumber > 0 && !deleteRows())
        return false;
    m_state.LogWrite(kOrders, QStringLiteral("Zel_Order:Ms_Delete Cust=%1 Order=%2").arg(m_customer).arg(m_orderNumber));
    return true;
}

bool OrderEntry::confirmCancel(bool inventoryAdjusted)
{
    if (inventoryAdjusted)
        m_state.prompter.information(QStringLiteral("Inventory has been adjusted for this order.  If this order cancelled then "
                                                    "the inventory must be manually corrected."));
    return m_state.prompter.askYesNo(QStringLiteral("Do you wish to Cancel Changes on this Order?\nContinue?"), kMessageTitle,
                                     Answer::No);
}

QString OrderEntry::windowTitle(const QString &customerName) const
{
    const QString start = m_orderNumber > 0 ? QStringLiteral("Order # %1 ").arg(m_orderNumber) : QStringLiteral("New Order  ");
    return start + QStringLiteral(" - ") + customerName;
}

QString OrderEntry::saveCaption() const
{
    return QStringLiteral("&Save ") + (m_orderNumber > 0 ? QStringLiteral("Order %1").arg(m_orderNumber) : QStringLiteral("New Order"));
}

QString OrderEntry::tabCaption(bool summarized)
{
    // Alt+1 belongs to the Tax switch beside the grid, so the page takes E.
    return summarized ? QStringLiteral("1. Order &Entry - Summarized") : QStringLiteral("1. Order &Entry");
}

QString OrderEntry::dateLabel(const QString &prefix, const QDateTime &when)
{
    if (!isSet(when))
        return {};
    const QLocale locale;
    return prefix + locale.toString(when.date(), QLocale::LongFormat) + QStringLiteral(" at ")
         + when.time().toString(QStringLiteral("hh:mm:ss AP"));
}

std::optional<QString> OrderEntry::lastCampaignWarning() const
{
    if (m_state.options.LastCampaignNumberOfYear >= m_state.options.CurrentCampaignNumber)
        return std::nullopt;
    return QStringLiteral("The Main Menu / Options / Last Campaign of Year is set to a Campaign less than the current "
                          "Campaign.  This setting is used to define when a back order that moves to the next Campaign will "
                          "move to the following year and Campaign number 1.\n\nPlease adjust this setting before saving any "
                          "orders.");
}

} // namespace zel
