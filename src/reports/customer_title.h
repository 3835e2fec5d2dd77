#pragma once

#include <QString>
#include <QVariantList>

#include <optional>

namespace zel {
class cDataAccess;
}

namespace zel::reports {

// "Customer 12 - Ann Adams": the line that names the customer under the title of her own reports.
QString customerTitleLine(cDataAccess &data, int customer);

// Makes the rpt table `table` afresh from `select` (its values bound): nothing when it holds rows,
// `empty` when it holds none, `failed` when a statement failed.
std::optional<QString> rebuildReportTable(cDataAccess &data, const QString &table, const QString &select,
                                          const QVariantList &values, const QString &empty, const QString &failed);

} // namespace zel::reports
