#include "orders/order_computation.h"

#include "core/prompter.h"
#include "options/c_option.h"
#include "options/translations.h"
#include "orders/stored_order_header.h"
#include "shell/data_access.h"
#include "shell/database_connection.h"
#include "shell/transaction.h"


namespace zel {

namespace {

const QString kProcedure = QStringLiteral("ComputeOrder");
const QString kMark = QStringLiteral("**  ");
const QString kBackOrders = QStringLiteral("gAddBackOrders");

bool yes(const QString &flag)
{
    return flag == QLatin1String("Y");
}

QString percentText(const Currency &percent)
{
    const QString twoDecimals = percent.format(u"#0.00");
    return twoDecimals.endsWith(QLatin1String(".00")) ? percent.format(u"#0") : twoDecimals;
}

QString money(const Currency &amount)
{
    return amount.toCurrencyText();
}

// What the computation needs to know of the customer.
struct CustomerValues
{
    bool paysProcessingCharge = false;
    bool helperFlag = false;
    bool helperInvoiceDetail = false;
    bool helperUsesDiscountedTotal = false;
    int helperNumber = 0;
    Currency taxRate1;
    Currency taxRate2;
    Currency discountPercent;
    translations::Audience audience;
};

CustomerValues readCustomer(cDataAccess &data, const cOption &options, int customer)
{
    data.setSQL(QStringLiteral("Select * From Customers Where [Customers Number] = ?"), {customer});
    RecordSet rows = data.GetSnapShot(kProcedure);
    CustomerValues values;
    values.taxRate1 = options.TaxRate1;
    values.taxRate2 = options.TaxRate2;
    if (!rows.next())
        return values;
    const auto text = [&](const char *column) { return rows.value(QString::fromLatin1(column)).toString(); };
    const auto amount = [&](const char *column) { return Currency::fromDouble(rows.value(QString::fromLatin1(column)).toDouble()); };
    values.paysProcessingCharge = yes(text("Customers Processing Charge"));
    values.helperFlag = yes(text("Customers Business Helper Flag"));
    values.helperInvoiceDetail = yes(text("Customers Business Helper Invoice Detail"));
    values.helperUsesDiscountedTotal = yes(text("Customers Business Helper Use Discounted Total"));
    values.helperNumber = rows.value(QStringLiteral("Customers Business Helper Number")).toInt();
    if (!amount("Customers Tax Rate 1").isZero())
        values.taxRate1 = amount("Customers Tax Rate 1");
    if (!amount("Customers Tax Rate 2").isZero())
        values.taxRate2 = amount("Customers Tax Rate 2");
    values.discountPercent = amount("Customers Discount Percent");
    values.audience.language = text("Customers Language");
    values.audience.gender = text("Customers Gender");
    if (values.audience.language.isEmpty())
        values.audience.language = QStringLiteral("English");
    return values;
}

int firstFreeOrderNumber(cDataAccess &data, int customer, const Campaign &campaign)
{
    for (int number = 1;; ++number) {
        data.setSQL(QStringLiteral("Select Count(*) as Countem  From Orders   Where [Orders Customer Number] = ? And [Orders "
                                   "Campaign Year] = ? And [Orders Campaign Number] = ? And [Orders Order Number] = ?"),
                    {customer, campaign.year, campaign.number, number});
        RecordSet rows = data.GetSnapShot(kProcedure);
        if (!rows.next() || rows.value(0).toInt() == 0)
            return number;
    }
}

bool isEmptyLine(const OrderRow &line)
{
    return line.page.isEmpty() && line.catalogNumber.isEmpty() && line.product.isEmpty() && line.shade.isEmpty()
        && line.size.isEmpty() && line.quantity == 0 && line.unitPrice.isZero();
}

// One order being written: the running totals and the sequence counter.
class OrderComputation
{
public:
    OrderComputation(cDataAccess &data, const cOption &options, Prompter &prompter, const OrderRequest &request)
        : m_data(data), m_options(options), m_prompter(prompter), m_request(request),
          m_customer(readCustomer(data, options, request.customer)), m_texts(data, m_customer.audience),
          m_now(QDateTime::currentDateTime())
    {
    }

    std::optional<ComputedOrder> run();

private:
    QString tr(int key, const QString &english) const { return m_texts.text(key, english); }
    OrderRow stamped() const;
    bool insert(const OrderRow &row, const QString &table = QStringLiteral("Orders"));
    bool writeComputed(const QString &flag, const QString &product, const Currency &amount, int sequence = 0);
    bool writeLine(const OrderRow &input, int sequence);
    void backOrder(OrderRow &row);
    void lineDiscount(OrderRow &row);
    // The order's own percent when above 0, else the customer's.
    Currency discountPercent() const;
    QString taxMessage(const OrderRow &row) const;
    void savings(OrderRow &row);
    bool writeReservedRows();
    Currency specialDiscount();
    Currency processingCharge();
    bool writeTaxes(const Currency &charge, const Currency &special, Currency &tax1, Currency &tax2);
    bool writeExtraCharges(Currency &flatAmount, Currency &flatPercent);
    bool writeHelperDiscounts(Currency &helperTotal);

    cDataAccess &m_data;
    const cOption &m_options;
    Prompter &m_prompter;
    const OrderRequest &m_request;
    CustomerValues m_customer;
    translations::Translator m_texts;
    QDateTime m_now;
    ComputedOrder m_result;
    int m_sequence = 0;
    int m_reservedAfter = 0;
    bool m_deliverable = false;
    Currency m_subTotal, m_lineDiscounts, m_alreadyDiscounted, m_appliedDiscounts, m_taxable1, m_taxable2, m_savings;
};

OrderRow OrderComputation::stamped() const
{
    OrderRow row;
    row.customerNumber = m_request.customer;
    row.campaignYear = m_request.campaign.year;
    row.campaignNumber = m_request.campaign.number;
    row.orderNumber = m_result.orderNumber;
    row.printed = false;
    row.summaryPrinted = m_request.summarized;
    row.includeOnOrder = true;
    row.enteredDate = m_request.orderDate;
    row.modifiedDate = m_now;
    row.delivered = m_request.delivered;
    return row;
}

bool OrderComputation::insert(const OrderRow &row, const QString &table)
{
    m_data.setSQL(OrderRow::insertSql(table), row.values());
    if (!m_data.ExecSql(kProcedure))
        return false;
    if (table == QLatin1String("Orders"))
        m_result.rows.push_back(row);
    return true;
}

bool OrderComputation::writeComputed(const QString &flag, const QString &product, const Currency &amount, int sequence)
{
    OrderRow row = stamped();
    row.sequenceNumber = sequence ? sequence : ++m_sequence;
    row.internalFlag = flag;
    row.product = product;
    row.unitTotal = amount;
    return insert(row);
}

void OrderComputation::backOrder(OrderRow &row)
{
    const QString flag = row.backOrderFlag;
    if (flag == QLatin1String("B") || flag == QLatin1String("U")) {
        if (flag == QLatin1String("B")) {
            const QString suffix = QLatin1Char(' ') + QString::number(row.quantity) + QLatin1Char('@')
                                 + row.unitPrice.format(u"###.00").trimmed();
            row.boMessage = tr(4, m_options.BackOrderMessage).left(50 - int(suffix.size())) + suffix;
        } else {
            row.boMessage = tr(2, m_options.UnavailableMessage);
        }
        row.backOrderFlag = QStringLiteral("P");
        row.quantity = 0;
        row.priceQuantity = 0;
        row.unitPrice = Currency();
        row.unitTotal = Currency();
        row.discountPercent = Currency();
    } else if (flag == QLatin1String("S")) {
        row.boMessage = tr(3, m_options.SubstitutionMessage);
    }
}

void OrderComputation::lineDiscount(OrderRow &row)
{
    const Currency own = -row.unitTotal.percentRound2(row.discountPercent);
    if (!own.isZero()) {
        m_lineDiscounts += own;
        m_alreadyDiscounted += row.unitTotal;
        row.discountApplied = own;
        row.discountMessage = QStringLiteral("(Discount ") + percentText(row.discountPercent) + QStringLiteral("% for $")
                            + own.format(u"###,###,##0.00").trimmed() + QLatin1Char(')');
        return;
    }
    const Currency percent = discountPercent();
    row.discountApplied = m_request.switches.discount && percent > Currency() ? -row.unitTotal.percentRound2(percent) : Currency();
}

QString OrderComputation::taxMessage(const OrderRow &row) const
{
    if (!yes(m_options.PrintTaxCalcsOnOrder) || !m_request.switches.tax)
        return {};
    const Currency base = yes(m_options.TaxAfterDiscounts) ? row.unitTotal + row.discountApplied : row.unitTotal;
    QStringList parts;
    const auto part = [&](bool taxable, const Currency &rate, int key, const QString &description) {
        if (!taxable || rate <= Currency())
            return;
        const Currency tax = base.percentRound2(rate);
        if (!tax.isZero())
            parts << tr(key, description) + QStringLiteral("  ") + tax.format(u"###,###,###.00").trimmed();
    };
    part(row.tax1, m_customer.taxRate1, 9, m_options.TaxDesc1);
    part(row.tax2, m_customer.taxRate2, 10, m_options.TaxDesc2);
    return parts.join(QLatin1Char(' '));
}

void OrderComputation::savings(OrderRow &row)
{
    if (!yes(m_options.PrintInvoiceShowSavings) || row.regPrice <= row.unitPrice || row.priceQuantity <= 0
        || row.unitPrice <= Currency())
        return;
    const Currency regular = row.regPrice * row.priceQuantity;
    const Currency saved = regular - row.unitPrice * row.priceQuantity;
    row.savingsMessage = tr(38, QStringLiteral("Saved")) + QLatin1Char(' ') + money(saved)
                       + tr(39, QStringLiteral(" off reg price of")) + QLatin1Char(' ') + money(regular);
    m_savings += saved;
}

// The columns a line carries into its stored row; every other column starts empty.
OrderRow lineColumns(const OrderRow &input)
{
    OrderRow row;
    row.backOrderFlag = input.backOrderFlag;
    row.earningsFlag = input.earningsFlag;
    row.page = input.page;
    row.catalogNumber = input.catalogNumber;
    row.fromCampaign = input.fromCampaign;
    row.product = input.product;
    row.shade = input.shade;
    row.size = input.size;
    row.notes = input.notes;
    row.quantity = input.quantity;
    row.priceQuantity = input.priceQuantity;
    row.unitPrice = input.unitPrice.round2();
    row.regPrice = input.regPrice.round2();
    row.specialPrice = input.specialPrice.round2();
    row.discountPercent = input.discountPercent;
    row.boMessage = input.boMessage;
    row.tax1 = input.tax1;
    row.tax2 = input.tax2;
    row.usedFromInventory = input.usedFromInventory;
    return row;
}

bool OrderComputation::writeLine(const OrderRow &input, int sequence)
{
    OrderRow row = lineColumns(input);
    const OrderRow base = stamped();
    row.customerNumber = base.customerNumber;
    row.campaignYear = base.campaignYear;
    row.campaignNumber = base.campaignNumber;
    row.orderNumber = base.orderNumber;
    row.sequenceNumber = sequence;
    row.internalFlag = QStringLiteral("DETAIL");
    row.printed = false;
    row.summaryPrinted = base.summaryPrinted;
    row.includeOnOrder = true;
    row.paymentDelivered = false;
    row.baselinePriceUsedFlag = QStringLiteral("N");
    row.businessHelperNumber = m_customer.helperNumber;
    row.enteredDate = base.enteredDate;
    row.modifiedDate = base.modifiedDate;
    row.delivered = base.delivered;

    row.unitTotal = (row.unitPrice * row.priceQuantity).round2();
    if (row.backOrderFlag != QLatin1String("P"))
        row.boMessage.clear();
    const QString flag = row.backOrderFlag;
    if (flag != QLatin1String("B") && flag != QLatin1String("U") && flag != QLatin1String("P"))
        m_deliverable = true;
    if (m_request.processBackOrders) {
        if (flag == QLatin1String("B")) {
            OrderRow later = row;
            later.campaignYear = m_request.backOrderCampaign.year;
            later.campaignNumber = m_request.backOrderCampaign.number;
            later.orderNumber = m_result.orderNumber + 1;
            later.backOrderFlag = QStringLiteral("P");
            if (!insert(later, QStringLiteral("OrdersWork3")))
                return false;
        }
        backOrder(row);
    }
    lineDiscount(row);
    if (row.discountApplied.isNegative())
        m_appliedDiscounts += row.discountApplied;
    m_subTotal += row.unitTotal;
    if (row.tax1)
        m_taxable1 += row.unitTotal;
    if (row.tax2)
        m_taxable2 += row.unitTotal;
    row.taxMessage = taxMessage(row);
    row.savingsMessage.clear();
    savings(row);
    return insert(row);
}

bool OrderComputation::writeReservedRows()
{
    for (int i = 1; i <= m_request.reservedRows && m_reservedAfter > 0; ++i) {
        OrderRow row = stamped();
        row.sequenceNumber = m_reservedAfter + i;
        row.internalFlag = QStringLiteral("DETAIL");
        row.product = QStringLiteral("//Inserted Row");
        row.earningsFlag = QStringLiteral("R");
        row.businessHelperNumber = m_customer.helperNumber;
        row.baselinePriceUsedFlag = QStringLiteral("N");
        if (!insert(row))
            return false;
    }
    return true;
}

Currency OrderComputation::discountPercent() const
{
    return m_request.discountPercent > Currency() ? m_request.discountPercent : m_customer.discountPercent;
}

Currency OrderComputation::specialDiscount()
{
    const Currency percent = discountPercent();
    if (!m_request.switches.discount || percent <= Currency())
        return {};
    return -(m_subTotal - m_alreadyDiscounted).percentRound2(percent);
}

Currency OrderComputation::processingCharge()
{
    if (m_options.ProcessingCharge <= Currency() || !m_request.switches.processingCharge || m_subTotal.isZero()
        || !m_customer.paysProcessingCharge)
        return {};
    bool add = false;
    switch (m_request.mode) {
    case ComputeMode::Normal:
        add = m_deliverable;
        if (!m_deliverable) {
            const QString text = m_request.campaign.number == m_options.CurrentCampaignNumber
                                   ? QStringLiteral("This order contains only backordered items.  Do you wish to suppress "
                                                    "the processing charge.")
                                   : QStringLiteral("The order created in C#%1 contains only backordered items.  Do you "
                                                    "wish to suppress the processing charge.")
                                         .arg(m_request.campaign.number);
            add = !m_prompter.askYesNo(text);
        }
        break;
    case ComputeMode::Shorts: add = m_deliverable; break;
    case ComputeMode::Updates: add = m_request.keepCharge; break;
    }
    return add ? m_options.ProcessingCharge : Currency();
}

bool OrderComputation::writeTaxes(const Currency &charge, const Currency &special, Currency &tax1, Currency &tax2)
{
    const bool afterDiscounts = yes(m_options.TaxAfterDiscounts);
    const auto taxRow = [&](const Currency &rate, int key, const QString &description) {
        return (kMark + tr(key, description) + QStringLiteral("  ") + rate.toPlainText() + QLatin1Char('%')).left(30);
    };
    const Currency rate1 = m_customer.taxRate1;
    if (rate1 > Currency() && m_request.switches.tax
        && (m_taxable1 > Currency() || yes(m_options.TaxProcessingCharge1Zero))) {
        if (yes(m_options.TaxProcessingCharge1))
            m_taxable1 += charge;
        const Currency base = afterDiscounts ? m_taxable1 + m_lineDiscounts + special : m_taxable1;
        tax1 = base.percentRound2(rate1);
        if (!writeComputed(QStringLiteral("TAX"), taxRow(rate1, 9, m_options.TaxDesc1), tax1))
            return false;
    }
    const Currency rate2 = m_customer.taxRate2;
    if (rate2 > Currency() && m_request.switches.tax
        && (m_taxable2 > Currency() || yes(m_options.TaxProcessingCharge2Zero))) {
        if (yes(m_options.TaxProcessingCharge2))
            m_taxable2 += charge;
        if (yes(m_options.TaxIncludeTax1))
            m_taxable2 += tax1;
        const Currency base = afterDiscounts ? m_taxable2 + m_lineDiscounts + special : m_taxable2;
        tax2 = base.percentRound2(rate2);
        if (!writeComputed(QStringLiteral("TAX2"), taxRow(rate2, 10, m_options.TaxDesc2), tax2))
            return false;
    }
    return true;
}

bool OrderComputation::writeExtraCharges(Currency &flatAmount, Currency &flatPercent)
{
    if (!m_request.specialChargeAmount.isZero()
        && !writeComputed(QStringLiteral("SPECIALCHG"), kMark + m_request.specialChargeDescription, m_request.specialChargeAmount))
        return false;
    if (!m_options.FlatAmount.isZero() && m_request.switches.flatAmount) {
        flatAmount = m_options.FlatAmount;
        if (!writeComputed(QStringLiteral("FLATCHG"), kMark + tr(11, m_options.FlatAmountDesc), flatAmount))
            return false;
    }
    if (!m_options.FlatPercent.isZero() && m_request.switches.flatPercent) {
        flatPercent = m_subTotal.percentRound2(m_options.FlatPercent);
        if (!writeComputed(QStringLiteral("FLATCHG"),
                           kMark + tr(12, m_options.FlatPercentDesc) + QLatin1Char(' ') + m_options.FlatPercent.toPlainText()
                               + QLatin1Char('%'),
                           flatPercent))
            return false;
    }
    return true;
}

bool OrderComputation::writeHelperDiscounts(Currency &helperTotal)
{
    if (!m_customer.helperFlag || !m_customer.helperInvoiceDetail)
        return true;
    // The helper's percentage of each earnings type, over the detail lines of every order of the
    // campaign that names this helper; summed exactly and rounded once.
    const QString base = m_customer.helperUsesDiscountedTotal ? QStringLiteral("O.[Orders Unit Total] + O.[Orders Discount Applied]")
                                                              : QStringLiteral("O.[Orders Unit Total] + 0");
    m_data.setSQL(QStringLiteral("Select E.[Earnings Description] as MyDesc, Sum(") + base
                      + QStringLiteral(") as Base, H.[HelperPercents Earnings Percent] as Percent From (Orders O Inner Join "
                                       "HelperPercents H On O.[Orders Business Helper Number] = H.[HelperPercents Customer "
                                       "Number] And O.[Orders Earnings Flag] = H.[HelperPercents Earnings Type Code]) Inner "
                                       "Join Earnings E On H.[HelperPercents Earnings Type Code] = E.[Earnings Type Code] "
                                       "Where O.[Orders Campaign Year] = ? And O.[Orders Campaign Number] = ? And O.[Orders "
                                       "Business Helper Number] = ? And O.[Orders Internal Flag] = 'DETAIL' Group By "
                                       "E.[Earnings Description], O.[Orders Earnings Flag], H.[HelperPercents Earnings "
                                       "Percent] Order By E.[Earnings Description], O.[Orders Earnings Flag]"),
                  {m_request.campaign.year, m_request.campaign.number, m_customer.helperNumber});
    RecordSet groups = m_data.GetSnapShot(kProcedure);
    std::vector<std::pair<QString, Currency>> discounts;
    while (groups.next()) {
        const Currency sum = Currency::fromDouble(groups.value(1).toDouble());
        const Currency percent = Currency::fromDouble(groups.value(2).toDouble());
        if (sum.isZero() || percent.isZero())
            continue;
        discounts.emplace_back(groups.value(0).toString().trimmed().left(30), -sum.percentRound2(percent));
    }
    for (const auto &[description, amount] : discounts) {
        helperTotal += amount;
        if (!writeComputed(QStringLiteral("HELPERDISC"), QStringLiteral("**  Helper Discount - ") + description, amount))
            return false;
    }
    return true;
}

std::optional<ComputedOrder> OrderComputation::run()
{
    m_result.orderNumber = firstFreeOrderNumber(m_data, m_request.customer, m_request.campaign);
    for (const OrderRow &line : m_request.lines) {
        const int sequence = ++m_sequence;
        if (isEmptyLine(line))
            continue; // its sequence number stays unused
        if (!writeLine(line, sequence))
            return std::nullopt;
        if (m_request.reservedRows > 0 && m_reservedAfter == 0 && !m_request.reservedCatalogNumber.isEmpty()
            && line.catalogNumber == m_request.reservedCatalogNumber) {
            m_reservedAfter = sequence;
            m_sequence += 100;
        }
    }
    if (!writeReservedRows() || !writeComputed(QStringLiteral("LINE"), QString(30, QLatin1Char('-')), Currency())
        || !writeComputed(QStringLiteral("SUBTOTAL"), kMark + tr(28, QStringLiteral("Sub Total")), m_subTotal))
        return std::nullopt;
    if (!m_lineDiscounts.isZero()
        && !writeComputed(QStringLiteral("LDISCOUNT2"), kMark + tr(40, QStringLiteral("Line Item Discounts")), m_lineDiscounts))
        return std::nullopt;

    const Currency special = specialDiscount();
    if (!special.isZero()) {
        const QString text = (kMark + tr(41, QStringLiteral("Special Discount")) + QLatin1Char(' ') + percentText(discountPercent())
                              + QLatin1Char('%'))
                                 .left(30);
        if (!writeComputed(QStringLiteral("DISCOUNT"), text, special))
            return std::nullopt;
    }
    const Currency charge = processingCharge();
    if (!charge.isZero()
        && !writeComputed(QStringLiteral("CHARGE"), kMark + tr(29, QStringLiteral("Processing Charge")), charge))
        return std::nullopt;

    Currency tax1, tax2, flatAmount, flatPercent, helperTotal;
    if (!writeTaxes(charge, special, tax1, tax2) || !writeExtraCharges(flatAmount, flatPercent)
        || !writeHelperDiscounts(helperTotal))
        return std::nullopt;

    OrderRow options = stamped();
    options.sequenceNumber = ++m_sequence;
    options.internalFlag = QStringLiteral("OPTIONS");
    options.catalogNumber = m_request.switches.text();
    // The percent the order was computed with stays with it, so a later recomputation (by whatever
    // path) does not fall back to the customer's percent of that day.
    options.discountPercent = discountPercent();
    if (!insert(options))
        return std::nullopt;

    const Currency grand = m_subTotal + tax1 + tax2 + charge + special + m_lineDiscounts + m_request.specialChargeAmount
                         + flatAmount + flatPercent + helperTotal;
    OrderRow total = stamped();
    total.sequenceNumber = ++m_sequence;
    total.internalFlag = QStringLiteral("TOTAL");
    total.product = kMark + tr(31, QStringLiteral("Grand Total"));
    total.unitTotal = grand;
    total.paymentGrandTotal = grand;
    if (!insert(total))
        return std::nullopt;

    if (yes(m_options.PrintInvoiceShowSavings) && m_savings > Currency()) {
        const Currency totalSavings = m_savings - m_appliedDiscounts;
        if (!writeComputed(QStringLiteral("SAVINGS"),
                           kMark + tr(42, QStringLiteral("Total Savings")) + QLatin1Char(' ') + money(totalSavings), Currency()))
            return std::nullopt;
    }
    m_result.subTotal = m_subTotal;
    m_result.grandTotal = grand;
    std::sort(m_result.rows.begin(), m_result.rows.end(),
              [](const OrderRow &a, const OrderRow &b) { return a.sequenceNumber < b.sequenceNumber; });
    return m_result;
}

// A later order that receives back orders keeps its own header: switches, special charge, discount
// percent, summarized and delivered marks and order date; only its lines grow.
void keepReceivingOrder(OrderRequest &request, const std::vector<OrderRow> &rows, std::vector<OrderRow> &lines)
{
    for (const OrderRow &row : rows)
        if (row.internalFlag == QLatin1String("DETAIL"))
            lines.push_back(row);
    StoredOrderHeader::fromRows(rows).applyTo(request);
}

std::vector<OrderRow> readRows(cDataAccess &data, const QString &sql, const QVariantList &parameters = {})
{
    data.setSQL(sql, parameters);
    RecordSet records = data.GetSnapShot(QStringLiteral("gAddBackOrders"));
    std::vector<OrderRow> rows;
    while (records.next())
        rows.push_back(OrderRow::fromRecord(records));
    return rows;
}

} // namespace

QString OrderSwitches::text() const
{
    QString out;
    for (bool on : {processingCharge, discount, tax, flatAmount, flatPercent})
        out += on ? QLatin1Char('Y') : QLatin1Char('N');
    return out;
}

OrderSwitches OrderSwitches::fromText(const QString &text)
{
    const auto on = [&](int i) { return i < text.size() && text.at(i) != QLatin1Char('N'); };
    return {on(0), on(1), on(2), on(3), on(4)};
}

std::optional<ComputedOrder> ComputeOrder(cDataAccess &data, const cOption &options, Prompter &prompter,
                                          const OrderRequest &request)
{
    return OrderComputation(data, options, prompter, request).run();
}

bool gAddBackOrders(cDataAccess &data, const cOption &options, Prompter &prompter, int customer, const Campaign &campaign)
{
    const std::vector<OrderRow> carried = readRows(data, QStringLiteral("Select * From [OrdersWork3] Order By [Orders Sequence Number]"));
    if (carried.empty())
        return true;
    const QString filter = QStringLiteral("Where [Orders Customer Number] = ? And [Orders Campaign Year] = ? And [Orders "
                                          "Campaign Number] = ?");
    data.setSQL(QStringLiteral("Select Max([Orders Order Number]) as [OrderNum] From [Orders] ") + filter,
                {customer, campaign.year, campaign.number});
    RecordSet latest = data.GetSnapShot(QStringLiteral("gAddBackOrders"));
    const int latestNumber = latest.next() ? latest.value(0).toInt() : 0;

    OrderRequest request;
    request.customer = customer;
    request.campaign = campaign;
    request.orderDate = QDateTime::currentDateTime();
    std::vector<OrderRow> lines = carried;
    if (latestNumber > 0) {
        const std::vector<OrderRow> receiving = readRows(
            data, QStringLiteral("Select * From [Orders] ") + filter + QStringLiteral(" And [Orders Order Number] = ? Order By [Orders Sequence Number]"),
            {customer, campaign.year, campaign.number, latestNumber});
        keepReceivingOrder(request, receiving, lines);
        if (!data.exec(kBackOrders, QStringLiteral("Delete From [Orders] ") + filter + QStringLiteral(" And [Orders Order Number] = ?"),
                 {customer, campaign.year, campaign.number, latestNumber}))
            return false;
    }
    // The combined lines pass through OrdersWork4, numbered afresh, in the order the invoice prints them.
    if (!data.exec(kBackOrders, QStringLiteral("Delete From [OrdersWork4]")))
        return false;
    int sequence = 0;
    for (OrderRow line : lines) {
        line.sequenceNumber = ++sequence;
        if (!data.exec(kBackOrders, OrderRow::insertSql(QStringLiteral("OrdersWork4")), line.values()))
            return false;
    }
    request.lines = readRows(data, options.OrdersPrintSequence == QLatin1String("ENTERED")
                                       ? QStringLiteral("Select * From [OrdersWork4] Order By [Orders Sequence Number] ")
                                       : QStringLiteral("Select * From [OrdersWork4] Order By [Orders Page], [Orders Catalog Number]"));
    return ComputeOrder(data, options, prompter, request).has_value() && data.exec(kBackOrders, QStringLiteral("Delete From [OrdersWork3]"))
        && data.exec(kBackOrders, QStringLiteral("Delete From [OrdersWork4]"));
}

std::optional<ComputedOrder> saveOrder(cDataAccess &data, const cOption &options, Prompter &prompter,
                                       const OrderRequest &request, int orderNumber)
{
    Transaction transaction(data.database().handle());
    std::optional<ComputedOrder> computed = writeOrder(data, options, prompter, request, orderNumber);
    if (!computed || !transaction.commit())
        return std::nullopt;
    return computed;
}

std::optional<ComputedOrder> writeOrder(cDataAccess &data, const cOption &options, Prompter &prompter,
                                        const OrderRequest &request, int orderNumber)
{
    if (!data.exec(kBackOrders, QStringLiteral("Delete From [OrdersWork3]")))
        return std::nullopt;
    if (orderNumber > 0
        && !data.exec(kBackOrders, QStringLiteral("Delete From Orders Where [Orders Customer Number] = ? And [Orders Campaign Year] = ? And "
                                     "[Orders Campaign Number] = ? And [Orders Order Number] = ? "),
                {request.customer, request.campaign.year, request.campaign.number, orderNumber}))
        return std::nullopt;
    std::optional<ComputedOrder> computed = ComputeOrder(data, options, prompter, request);
    if (!computed)
        return std::nullopt;
    if (request.processBackOrders && !gAddBackOrders(data, options, prompter, request.customer, request.backOrderCampaign))
        return std::nullopt;
    return computed;
}

} // namespace zel
