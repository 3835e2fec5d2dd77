#include "exchange/handheld_orders.h"

#include "core/prompter.h"
#include "db/record_map.h"
#include "orders/order_computation.h"
#include "payments/payment_posting.h"
#include "session/app_state.h"
#include "shell/record_set.h"
#include "shell/transaction.h"

#include <cmath>
#include <utility>
#include <vector>

namespace zel::exchange {

namespace {

const QString kProcedure = QStringLiteral("PDAImport");
const QString kNothingWaiting = QStringLiteral("No new orders to process.");

bool isOn(const RecordSet &row, const char *column)
{
    return row.value(QString::fromLatin1(column)).toInt() != 0;
}

QString text(const RecordSet &row, const char *column)
{
    return row.value(QString::fromLatin1(column)).toString();
}

int whole(const RecordSet &row, const char *column)
{
    return row.value(QString::fromLatin1(column)).toInt();
}

Currency money(const RecordSet &row, const char *column)
{
    return Currency::fromDouble(row.value(QString::fromLatin1(column)).toDouble());
}

// Why `column`'s value is not a number from `lowest` to `highest`; empty when it is (or is empty).
QString outside(const RecordSet &row, const char *column, double lowest, double highest)
{
    const QVariant value = row.value(QString::fromLatin1(column));
    if (value.isNull() || value.toString().trimmed().isEmpty())
        return {};
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (ok && std::isfinite(number) && number >= lowest && number <= highest)
        return {};
    return QStringLiteral("%1 is %2, not a value from %3 to %4").arg(QString::fromLatin1(column), value.toString())
        .arg(lowest, 0, 'f', 0)
        .arg(highest, 0, 'f', 0);
}

QDateTime when(const RecordSet &row, const char *column)
{
    QDateTime value;
    record::read(value, row.value(QString::fromLatin1(column)));
    return value;
}

} // namespace

QString HandheldOrders::validationLine(int customer, int year, int number, int order, bool &failed)
{
    QString line = QStringLiteral("Customer #: %1, Order ID: %2 ").arg(customer).arg(order);
    cDataAccess &data = m_state.data;
    data.setSQL(QStringLiteral("Select * from Customers Where [Customers Number] = ?"), {customer});
    RecordSet found = data.GetSnapShot(kProcedure);
    if (!found.next()) {
        failed = true;
        return line + QStringLiteral(" CUSTOMER NOT FOUND");
    }
    line += found.value(QStringLiteral("Customers Last Name")).toString() + QStringLiteral(", ")
          + found.value(QStringLiteral("Customers First Name")).toString();
    if (data.number(kProcedure,
                    QStringLiteral("Select Count(*) from Orders Where [Orders Customer Number] = ? And [Orders Campaign Year] = ? "
                                   "And [Orders Campaign Number] = ? And [Orders Order Number] = ?"),
                    {customer, year, number, order})
        > 0) {
        failed = true;
        line += QStringLiteral(" ORDER ALREADY ON FILE");
    }
    return line;
}

HandheldValidation HandheldOrders::validate()
{
    cDataAccess &data = m_state.data;
    data.setSQL(QStringLiteral(
        "SELECT Distinct PDAOrders.[PDA Orders Customer ID], PDAOrders.[PDA Orders Campaign Year], PDAOrders.[PDA Orders "
        "Campaign Number], PDAOrders.[PDA Orders Id] FROM PDAOrders Where [PDA Orders Processed Flag] = 0 ORDER BY "
        "PDAOrders.[PDA Orders Customer ID], PDAOrders.[PDA Orders Campaign Year], PDAOrders.[PDA Orders Campaign Number], "
        "PDAOrders.[PDA Orders Id]  "));
    RecordSet rows = data.GetRecordSet(kProcedure);
    std::vector<std::pair<std::pair<int, int>, std::pair<int, int>>> waiting; // customer, order; year, number
    while (rows.next())
        waiting.push_back({{rows.value(0).toInt(), rows.value(3).toInt()}, {rows.value(1).toInt(), rows.value(2).toInt()}});
    rows = RecordSet();

    HandheldValidation result;
    if (waiting.empty()) {
        m_state.prompter.information(kNothingWaiting);
        return result;
    }
    for (const auto &[customerOrder, campaign] : waiting)
        result.lines << validationLine(customerOrder.first, campaign.first, campaign.second, customerOrder.second, result.failed);
    if (result.failed)
        m_state.prompter.information(QStringLiteral("Validation Failed!"), QStringLiteral("PDA Import Failure"), Icon::Critical);
    else
        m_state.prompter.information(QStringLiteral("Validation Complete."));
    return result;
}

QString HandheldOrders::outOfRange(const RecordSet &row, int sequence)
{
    constexpr double kMoney = Currency::kLargestPlausible;
    const QString problems[] = {
        outside(row, "PDA Orders Campaign Year", 1980, 2200),
        outside(row, "PDA Orders Campaign Number", 1, 99),
        outside(row, "PDA Orders Discount Percent", -100, 100),
        outside(row, "PDA Orders Special Charge Amount", -kMoney, kMoney),
        outside(row, "PDA OrderPayments Amount", -kMoney, kMoney),
        outside(row, "PDA OrderDetails Order Qty", -9999, 9999),
        outside(row, "PDA OrderDetails Price Qty", -9999, 9999),
        outside(row, "PDA OrderDetails Unit Price", -kMoney, kMoney),
        outside(row, "PDA OrderDetails Line Discount Percent", -100, 100),
    };
    for (const QString &problem : problems)
        if (!problem.isEmpty())
            return QStringLiteral("Handheld order %1 of customer %2, line %3: %4. Nothing has been imported.")
                .arg(whole(row, "PDA Orders Id"))
                .arg(whole(row, "PDA Orders Customer ID"))
                .arg(sequence)
                .arg(problem);
    return {};
}

OrderRow HandheldOrders::detailLine(const RecordSet &row, int sequence)
{
    OrderRow line;
    line.customerNumber = whole(row, "PDA Orders Customer ID");
    line.campaignYear = whole(row, "PDA Orders Campaign Year");
    line.campaignNumber = whole(row, "PDA Orders Campaign Number");
    line.orderNumber = whole(row, "PDA Orders Id");
    line.sequenceNumber = sequence;
    line.page = text(row, "PDA OrderDetails Page Number");
    line.catalogNumber = text(row, "PDA OrderDetails Product");
    line.fromCampaign = whole(row, "PDA OrderDetails Campaign Number Ordered From");
    line.product = text(row, "PDA OrderDetails Description");
    line.shade = text(row, "PDA OrderDetails Shade");
    line.size = text(row, "PDA OrderDetails Size");
    line.quantity = whole(row, "PDA OrderDetails Order Qty");
    line.priceQuantity = whole(row, "PDA OrderDetails Price Qty");
    line.unitPrice = money(row, "PDA OrderDetails Unit Price");
    line.unitTotal = Currency(); // the computation works it out
    line.internalFlag = QStringLiteral("DETAIL");
    line.tax1 = isOn(row, "PDA OrderDetails Tax 1");
    line.tax2 = isOn(row, "PDA OrderDetails Tax 2");
    line.printed = false;
    line.summaryPrinted = false;
    line.discountPercent = money(row, "PDA OrderDetails Line Discount Percent");
    line.includeOnOrder = true;
    line.enteredDate = when(row, "PDA Orders Entered Date");
    line.modifiedDate = when(row, "PDA Orders Modified Date");
    return line;
}

OrderRequest HandheldOrders::requestOf(const RecordSet &row)
{
    OrderRequest request;
    request.customer = whole(row, "PDA Orders Customer ID");
    request.campaign = {whole(row, "PDA Orders Campaign Year"), whole(row, "PDA Orders Campaign Number")};
    request.backOrderCampaign = request.campaign;
    request.delivered = isOn(row, "PDA OrderPayments Delivered Flag") ? QStringLiteral("Y") : QStringLiteral("N");
    request.switches.tax = isOn(row, "PDA Orders Tax Flag");
    request.switches.processingCharge = isOn(row, "PDA Orders Processing Charge Flag");
    request.switches.flatAmount = isOn(row, "PDA Orders Flat Dollar Charge Flag");
    request.switches.flatPercent = isOn(row, "PDA Orders Flat Percent Charge Flag");
    request.switches.discount = isOn(row, "PDA Orders Discount Flag");
    request.orderDate = when(row, "PDA Orders Entered Date");
    request.discountPercent = money(row, "PDA Orders Discount Percent");
    request.specialChargeDescription = text(row, "PDA Orders Special Charge Description");
    request.specialChargeAmount = money(row, "PDA Orders Special Charge Amount");
    return request;
}

WorkPayment HandheldOrders::paymentOf(const RecordSet &row) const
{
    WorkPayment payment;
    payment.customer = whole(row, "PDA Orders Customer ID");
    payment.year = whole(row, "PDA Orders Campaign Year");
    payment.number = whole(row, "PDA Orders Campaign Number");
    payment.amount = PaymentPosting::enteredAmount(money(row, "PDA OrderPayments Amount"), true);
    const QDateTime paid = when(row, "PDA OrderPayments Date");
    payment.date = paid.isValid() ? paid.date() : m_state.now().date();
    payment.type = text(row, "PDA OrderPayments Type");
    payment.checkNumber = text(row, "PDA OrderPayments Check Number");
    payment.deposited = isOn(row, "PDA OrderPayments Deposited Flag");
    return payment;
}

bool HandheldOrders::importOrder(int customer, int order, HandheldImportCounts &counts)
{
    cDataAccess &data = m_state.data;
    // The payment row joins in: an order the handheld has no payment row for has no lines here.
    data.setSQL(QStringLiteral("SELECT PDAOrders.*, PDAOrderDetails.*, PDAOrderPayments.* FROM (PDAOrders INNER JOIN "
                               "PDAOrderDetails ON PDAOrders.[PDA Orders Id] = PDAOrderDetails.[PDA OrderDetails Order Id]) "
                               "INNER JOIN PDAOrderPayments ON PDAOrders.[PDA Orders Id] = PDAOrderPayments.[PDA OrderPayments "
                               "Order Id] Where [PDA Orders Processed Flag] = 0 And PDAOrders.[PDA Orders Customer ID] = ? And "
                               "PDAOrders.[PDA Orders ID] = ? ORDER BY PDAOrderDetails.[PDA Orderdetails ID] "),
                {customer, order});
    RecordSet rows = data.GetSnapShot(kProcedure);
    if (!rows.next())
        return true;
    OrderRequest request = requestOf(rows);
    WorkPayment payment = paymentOf(rows);
    int sequence = 0;
    Currency dollars;
    do {
        m_refusal = outOfRange(rows, ++sequence);
        if (!m_refusal.isEmpty())
            return false;
        request.lines.push_back(detailLine(rows, sequence));
        dollars += request.lines.back().unitPrice;
    } while (rows.next());
    if (!request.orderDate.isValid())
        request.orderDate = m_state.now();

    const std::optional<ComputedOrder> saved = writeOrder(data, m_state.options, m_state.prompter, request, 0);
    if (!saved)
        return false;
    payment.order = saved->orderNumber;
    // An order taken but not paid on the handheld comes with a payment row of 0: no payment.
    if (!payment.amount.isZero() && !PaymentPosting(m_state).insertPayment(payment))
        return false;
    counts.lines += sequence;
    counts.orders += 1;
    counts.dollars += dollars;
    return true;
}

std::optional<HandheldImportCounts> HandheldOrders::import()
{
    Prompter &prompter = m_state.prompter;
    if (!prompter.askYesNo(QStringLiteral("Do you wish to update your ZEL database from your PDA Data? ")))
        return std::nullopt;
    cDataAccess &data = m_state.data;
    data.setSQL(QStringLiteral("SELECT Distinct PDAOrders.[PDA Orders Customer ID], PDAOrders.[PDA Orders ID] FROM PDAOrders "
                               "Where [PDA Orders Processed Flag] = 0 ORDER BY PDAOrders.[PDA Orders Customer ID], "
                               "PDAOrders.[PDA Orders ID] "));
    RecordSet rows = data.GetRecordSet(kProcedure);
    std::vector<std::pair<int, int>> waiting;
    while (rows.next())
        waiting.emplace_back(rows.value(0).toInt(), rows.value(1).toInt());
    rows = RecordSet();
    if (waiting.empty()) {
        prompter.information(kNothingWaiting);
        return std::nullopt;
    }

    prompter.hourglass(true);
    Transaction transaction(m_state.database.handle());
    HandheldImportCounts counts;
    bool done = true;
    for (const auto &[customer, order] : waiting)
        done = done && importOrder(customer, order, counts);
    // Every handheld order, imported or not: one without a payment row is not offered again.
    done = done && data.exec(kProcedure, QStringLiteral("Update PDAOrders Set [PDA Orders Processed Flag] = -1 "))
        && transaction.commit();
    prompter.hourglass(false);
    if (!done && !m_refusal.isEmpty())
        prompter.information(m_refusal, QStringLiteral("PDA Import Failure"), Icon::Critical);
    if (!done)
        return std::nullopt;
    prompter.information(lines({QStringLiteral("Details: ") + QString::number(counts.lines),
                                QStringLiteral("Orders: ") + QString::number(counts.orders),
                                QStringLiteral("Dollars: ") + counts.dollars.format(u"###,###,##0.00")}));
    return counts;
}

bool HandheldOrders::resetProcessed()
{
    return m_state.data.exec(kProcedure, QStringLiteral("Update PDAOrders Set [PDA Orders Processed Flag] = 0 "));
}

} // namespace zel::exchange
