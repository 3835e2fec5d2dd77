#pragma once

#include "exchange/source_customer.h"

#include <optional>

namespace zel::exchange {

// The customers of another database of this program, by last and first name, with the columns an
// import copies. An Access file of an older version is read through the Jet reader. Returns
// nothing and sets `error` when the file cannot be read.
std::optional<SourceCustomers> zelDatabaseCustomers(const QString &path, QString *error);

// The Customers columns copied from another database (not its number, nor its orders).
const QStringList &copiedCustomerColumns();

// A source row (column name to value) as the fields of a new customer.
SourceCustomer copiedCustomer(const QVariantMap &row);

} // namespace zel::exchange
