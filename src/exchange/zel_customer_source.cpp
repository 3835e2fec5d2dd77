#include "exchange/zel_customer_source.h"

#include "db/jet_reader.h"
#include "db/jet_snapshot.h"
#include "db/read_only_rows.h"


#include <algorithm>

namespace zel::exchange {

namespace {

// As the source database sorts: names without regard to case.
bool byName(const QVariantMap &a, const QVariantMap &b)
{
    const auto compared = [&](const char *column) {
        const QString name = QString::fromLatin1(column);
        return a.value(name).toString().compare(b.value(name).toString(), Qt::CaseInsensitive);
    };
    const int last = compared("Customers Last Name");
    return last != 0 ? last < 0 : compared("Customers First Name") < 0;
}

std::optional<std::vector<QVariantMap>> sqliteRows(const QString &path, QString *error)
{
    return db::readOnlyRows(path, QStringLiteral("Select * From Customers Order By [Customers Last Name], [Customers First Name]"),
                            error);
}

std::optional<std::vector<QVariantMap>> jetRows(const QString &path, QString *error)
{
    db::JetSnapshot snapshot;
    if (!snapshot.open(path)) {
        *error = snapshot.errorString();
        return std::nullopt;
    }
    auto rows = snapshot.rows(QStringLiteral("Customers"));
    if (!rows) {
        *error = snapshot.errorString();
        return std::nullopt;
    }
    std::stable_sort(rows->begin(), rows->end(), byName);
    return rows;
}

} // namespace

const QStringList &copiedCustomerColumns()
{
    static const QStringList columns = [] {
        QStringList names;
        for (const char *name :
             {"First Name", "Last Name", "Email", "Referred By", "Discount Percent", "Tax Rate 1", "Tax Rate 2", "Number Of Books",
              "Status", "Comments0", "Comments1", "Comments2", "Comments3", "Comments4", "Delivery Payment Comments",
              "Business Helper Flag", "Business Helper Number", "Business Helper", "Business Helper Percent", "Brochure Status",
              "Brochure Type", "Area", "Points1", "Points2", "Points3", "Points4", "Points5", "Points6", "Points7", "Points8",
              "Points9", "CC Number", "CC Date", "CC Name", "Label Flag", "Tax Exempt", "Discount As Line", "Processing Charge",
              "Supplies", "Since Date", "Delivery Date", "Delivery Time", "House Number", "Address", "City", "Zip Code", "State",
              "House Number 2", "Address 2", "City 2", "Zip Code 2", "State 2", "Phone 1", "Phone 2", "Phone 3"})
            names << QStringLiteral("Customers ") + QString::fromLatin1(name);
        return names;
    }();
    return columns;
}

SourceCustomer copiedCustomer(const QVariantMap &row)
{
    SourceCustomer customer;
    customer.name = customerName(row.value(QStringLiteral("Customers First Name")).toString(),
                                 row.value(QStringLiteral("Customers Last Name")).toString());
    for (const QString &column : copiedCustomerColumns())
        if (row.contains(column))
            customer.fields.insert(column, row.value(column));
    return customer;
}

std::optional<SourceCustomers> zelDatabaseCustomers(const QString &path, QString *error)
{
    const auto rows = db::JetReader::jetVersionOf(path) > 0 ? jetRows(path, error) : sqliteRows(path, error);
    if (!rows)
        return std::nullopt;
    SourceCustomers customers;
    customers.reserve(rows->size());
    for (const QVariantMap &row : *rows)
        customers.push_back(copiedCustomer(row));
    return customers;
}

} // namespace zel::exchange
