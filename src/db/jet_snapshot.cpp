#include "db/jet_snapshot.h"

#include "db/jet_conversion.h"
#include "db/read_only_rows.h"


namespace zel::db {

bool JetSnapshot::open(const QString &path)
{
    if (!m_folder.isValid()) {
        m_error = QStringLiteral("No temporary folder could be made to read ") + path + QLatin1Char('.');
        return false;
    }
    const QString copy = m_folder.filePath(QStringLiteral("converted.sqlite"));
    const JetConversion::Result result = JetConversion::convert(path, copy, false);
    if (!result.ok()) {
        m_error = result.error;
        return false;
    }
    // What comes from an outside file comes whole or not at all: a table missing rows is refused.
    if (!result.incomplete.isEmpty()) {
        m_error = QStringLiteral("Some rows of the file could not be read, as pages of it are damaged (")
                + result.incomplete.join(QStringLiteral("; "))
                + QStringLiteral("). Nothing is taken from it: repair it in Access, or use an older copy of it.");
        return false;
    }
    m_copy = copy;
    return true;
}

std::optional<std::vector<QVariantMap>> JetSnapshot::rows(const QString &table)
{
    // The name comes from an outside file: quoted so that any character stays part of it.
    const QString quoted = QLatin1Char('"') + QString(table).replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
    std::optional<std::vector<QVariantMap>> rows;
    if (!m_copy.isEmpty())
        rows = readOnlyRows(m_copy, QStringLiteral("Select * From ") + quoted);
    if (!rows)
        m_error = QStringLiteral("The table ") + table + QStringLiteral(" could not be read.");
    return rows;
}

} // namespace zel::db
