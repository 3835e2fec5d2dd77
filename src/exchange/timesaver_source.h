#pragma once

#include "exchange/source_customer.h"

#include <optional>

namespace zel::exchange {

// The four tables of a Timesaver customer database, each row as column name to value.
struct TimesaverTables
{
    std::vector<QVariantMap> customers;  // "Customer"
    std::vector<QVariantMap> addresses;  // "address"
    std::vector<QVariantMap> provinces;  // "Province"
    std::vector<QVariantMap> telephones; // "telephone_no"
};

// Reads the four tables through the Jet reader; nothing (with `error` set) when the file cannot be
// read or a table is missing.
std::optional<TimesaverTables> readTimesaverTables(const QString &path, QString *error);

// The customers to import, by last and first name, without the one named "Default": names, notes
// and territory from "Customer", the home (type 0) and second (type 1) address with the province's
// name, and up to three telephone numbers.
SourceCustomers timesaverCustomers(const TimesaverTables &tables);

} // namespace zel::exchange
