#include "exchange/timesaver_source.h"

#include "db/jet_snapshot.h"
#include "exchange/customer_inserter.h"
#include "exchange/house_number.h"

#include <QMultiHash>

#include <algorithm>

namespace zel::exchange {

namespace {

QString text(const QVariantMap &row, const char *column)
{
    return row.value(QString::fromLatin1(column)).toString().trimmed();
}

// Ids may arrive as whole numbers or texts; their text is the key either way.
QString id(const QVariantMap &row, const char *column)
{
    return text(row, column);
}

// "Select Distinct *": the same row twice counts once.
std::vector<QVariantMap> distinctRows(const QList<const QVariantMap *> &rows)
{
    std::vector<QVariantMap> distinct;
    for (auto it = rows.crbegin(); it != rows.crend(); ++it) // QMultiHash keeps the last inserted first
        if (std::find(distinct.begin(), distinct.end(), **it) == distinct.end())
            distinct.push_back(**it);
    return distinct;
}

void fillAddress(QVariantMap &fields, const QVariantMap &address, const QHash<QString, QString> &provinces, bool second)
{
    const QString suffix = second ? QStringLiteral(" 2") : QString();
    const StreetAddress street = splitHouseNumber(text(address, "address_street"));
    fields[QStringLiteral("Customers House Number") + suffix] = street.houseNumber;
    fields[QStringLiteral("Customers Address") + suffix] = street.street;
    fields[QStringLiteral("Customers City") + suffix] = text(address, "address_city");
    fields[QStringLiteral("Customers Zip Code") + suffix] = text(address, "address_postal_zip");
    fields[QStringLiteral("Customers State") + suffix] = provinces.value(id(address, "prov_state_id"));
}

void fillPhone(QVariantMap &fields, const QVariantMap &phone)
{
    const QString number = QStringList{text(phone, "phone_area_code"), text(phone, "phone_number"), text(phone, "phone_extension")}
                               .join(QLatin1Char(' '))
                               .trimmed();
    for (int i = 1; i <= 3; ++i) {
        const QString column = QStringLiteral("Customers Phone %1").arg(i);
        if (fields.value(column).toString().isEmpty()) {
            fields[column] = number;
            return;
        }
    }
}

} // namespace

std::optional<TimesaverTables> readTimesaverTables(const QString &path, QString *error)
{
    db::JetSnapshot snapshot;
    if (!snapshot.open(path)) {
        *error = snapshot.errorString();
        return std::nullopt;
    }
    TimesaverTables tables;
    const std::pair<const char *, std::vector<QVariantMap> *> parts[] = {{"Customer", &tables.customers},
                                                                         {"address", &tables.addresses},
                                                                         {"Province", &tables.provinces},
                                                                         {"telephone_no", &tables.telephones}};
    for (const auto &[table, rows] : parts) {
        auto read = snapshot.rows(QString::fromLatin1(table));
        if (!read) {
            *error = QString::fromLatin1(table) + QStringLiteral(": ") + snapshot.errorString();
            return std::nullopt;
        }
        *rows = std::move(*read);
    }
    return tables;
}

SourceCustomers timesaverCustomers(const TimesaverTables &tables)
{
    QHash<QString, QString> provinces;
    for (const QVariantMap &row : tables.provinces)
        if (!provinces.contains(id(row, "prov_state_id")))
            provinces.insert(id(row, "prov_state_id"), text(row, "prov_state_desc"));
    QMultiHash<QString, const QVariantMap *> addresses;
    for (const QVariantMap &row : tables.addresses)
        addresses.insert(id(row, "customer_id"), &row);
    QMultiHash<QString, const QVariantMap *> phones;
    for (const QVariantMap &row : tables.telephones)
        phones.insert(id(row, "customer_id"), &row);

    // Texts compare as the Access engine compares them: without regard to case.
    std::vector<const QVariantMap *> chosen;
    for (const QVariantMap &row : tables.customers)
        if (text(row, "customer_firstname").compare(QLatin1String("Default"), Qt::CaseInsensitive) != 0)
            chosen.push_back(&row);
    std::stable_sort(chosen.begin(), chosen.end(), [](const QVariantMap *a, const QVariantMap *b) {
        const int last = text(*a, "customer_lastname").compare(text(*b, "customer_lastname"), Qt::CaseInsensitive);
        return last != 0 ? last < 0
                         : text(*a, "customer_firstname").compare(text(*b, "customer_firstname"), Qt::CaseInsensitive) < 0;
    });

    SourceCustomers customers;
    for (const QVariantMap *row : chosen) {
        SourceCustomer customer;
        customer.name = customerName(text(*row, "customer_firstname"), text(*row, "customer_lastname"));
        QVariantMap &fields = customer.fields = CustomerInserter::importDefaults();
        fields[QStringLiteral("Customers First Name")] = text(*row, "customer_firstname");
        fields[QStringLiteral("Customers Last Name")] = text(*row, "customer_lastname");
        fields[QStringLiteral("Customers Email")] = text(*row, "customer_email");
        fields[QStringLiteral("Customers Comments0")] = text(*row, "customer_notes");
        fields[QStringLiteral("Customers Area")] = text(*row, "customer_territory");
        const QString customerId = id(*row, "customer_id");
        for (const QVariantMap &address : distinctRows(addresses.values(customerId))) {
            const QString type = id(address, "address_type_id");
            if (type == QLatin1String("0") || type == QLatin1String("1"))
                fillAddress(fields, address, provinces, type == QLatin1String("1"));
        }
        for (const QVariantMap &phone : distinctRows(phones.values(customerId)))
            fillPhone(fields, phone);
        customers.push_back(customer);
    }
    return customers;
}

} // namespace zel::exchange
