#include "reports/customer_title.h"

#include "shell/data_access.h"

namespace zel::reports {

QString customerTitleLine(cDataAccess &data, int customer)
{
    const QVariant name = data.scalar(QStringLiteral("Customer report"),
                                      QStringLiteral("Select Trim(Coalesce([Customers First Name], '') || ' ' || "
                                                     "Coalesce([Customers Last Name], '')) From Customers Where [Customers Number] = ?"),
                                      {customer});
    const QString line = QStringLiteral("Customer %1").arg(customer);
    return name.toString().isEmpty() ? line : line + QStringLiteral(" - ") + name.toString();
}

} // namespace zel::reports
