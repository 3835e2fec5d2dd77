#pragma once

#include "core/currency.h"

#include <QStringList>

#include <optional>

namespace zel {

class AppState;
class RecordSet;
struct OrderRequest;
struct OrderRow;
struct WorkPayment;

namespace exchange {

// What "Validate PDA Orders" found: the list box's lines and whether any of them has a problem.
struct HandheldValidation
{
    QStringList lines;
    bool failed = false;
};

// What "Import PDA Orders" wrote: order lines, orders, and the sum of the lines' unit prices.
struct HandheldImportCounts
{
    int lines = 0;
    int orders = 0;
    Currency dollars;
};

// Orders taken on a handheld device wait in PDAOrders, PDAOrderDetails and PDAOrderPayments until
// they are imported as normal orders through the order computation.
class HandheldOrders
{
public:
    explicit HandheldOrders(AppState &state) : m_state(state) {}

    // Lists every waiting order, naming a customer that is missing or an order already on file;
    // ends with "Validation Complete." or "Validation Failed!" (or "No new orders to process.").
    HandheldValidation validate();
    // Asks first, then saves every waiting order with its payment and marks every handheld order
    // processed, all in one transaction, and reports the counts. Nothing when the user said No,
    // nothing was waiting, or a statement failed (nothing is then written).
    std::optional<HandheldImportCounts> import();
    // The test button: every handheld order waiting again. False when the statement failed.
    bool resetProcessed();

private:
    QString validationLine(int customer, int year, int number, int order, bool &failed);
    bool importOrder(int customer, int order, HandheldImportCounts &counts);
    // Why a value of the row cannot be taken (a quantity of 2^31, a price 'NaN'), naming the order
    // and its line; empty when every value is in its range.
    static QString outOfRange(const RecordSet &row, int sequence);
    static OrderRow detailLine(const RecordSet &row, int sequence);
    static OrderRequest requestOf(const RecordSet &row);
    WorkPayment paymentOf(const RecordSet &row) const;

    AppState &m_state;
    QString m_refusal;
};

} // namespace exchange
} // namespace zel
