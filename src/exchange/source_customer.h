#pragma once

#include <QString>
#include <QVariantMap>

#include <vector>

namespace zel::exchange {

// A customer read from another database, ready to be added: the name the user is asked about and
// the Customers columns it fills.
struct SourceCustomer
{
    QString name;
    QVariantMap fields;
};

using SourceCustomers = std::vector<SourceCustomer>;

// "First Last", trimmed.
QString customerName(const QString &first, const QString &last);

} // namespace zel::exchange
