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
    static OrderRow detailLine(const RecordSet &row, int sequence);
    static OrderRequest requestOf(const RecordSet &row);
    WorkPayment paymentOf(const RecordSet &row) const;

    AppState &m_state;
};

} // namespace exchange
} // namespace zel
