#pragma once

#include <QString>
#include <QVariantMap>

#include <optional>
#include <vector>

namespace zel::db {

// Every row `sql` gives on the SQLite file `path`, read on a read-only connection of its own that
// is gone afterwards: how an outside database (an import's source, a converted Access file) is read
// without touching the representative's own. Nullopt, with the driver's words in `error`, when the
// file does not open or the query fails.
std::optional<std::vector<QVariantMap>> readOnlyRows(const QString &path, const QString &sql, QString *error = nullptr);

} // namespace zel::db
