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

std::optional<QString> rebuildReportTable(cDataAccess &data, const QString &table, const QString &select,
                                          const QVariantList &values, const QString &empty, const QString &failed)
{
    const QString procedure = QStringLiteral("Customer report");
    if (!data.exec(procedure, QStringLiteral("Drop Table If Exists [%1]").arg(table))
        || !data.exec(procedure, QStringLiteral("Create Table [%1] As ").arg(table) + select, values))
        return failed;
    if (data.number(procedure, QStringLiteral("Select Count(*) From [%1]").arg(table)) == 0)
        return empty;
    return std::nullopt;
}

} // namespace zel::reports
