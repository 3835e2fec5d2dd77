#include "exchange/product_merge.h"

#include "core/currency.h"
#include "db/record_map.h"
#include "db/schema.h"
#include "orders/catalog_number.h"
#include "orders/product.h"
#include "shell/data_access.h"
#include "shell/database_connection.h"
#include "shell/record_set.h"

#include <cmath>

namespace zel::exchange {

namespace {

const QString kProcedure = QStringLiteral("Cmd_Import");
const QString kTable = QStringLiteral("Products");

// Positions in Products' column order.
enum Column { Year = 0, Number = 1, Catalog = 2 };

int indexIn(const QStringList &columns, const QString &name)
{
    for (int i = 0; i < columns.size(); ++i)
        if (columns.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

const QStringList &targetColumns()
{
    return Product::map().columns();
}

const QStringList &keyColumns()
{
    static const QStringList keys = targetColumns().mid(0, 3);
    return keys;
}

int targetIndex(const char *name)
{
    return indexIn(targetColumns(), QString::fromLatin1(name));
}

} // namespace

ProductMerge::ProductMerge(cDataAccess &data, const QStringList &sourceColumns, bool useDashes, std::optional<Campaign> assigned)
    : m_data(data), m_useDashes(useDashes), m_assigned(assigned), m_defaults(Product().values())
{
    m_sourceYear = indexIn(sourceColumns, targetColumns().at(Year));
    m_sourceNumber = indexIn(sourceColumns, targetColumns().at(Number));
    m_sourceCatalog = indexIn(sourceColumns, targetColumns().at(Catalog));
    for (int s = 0; s < sourceColumns.size(); ++s) {
        const int t = indexIn(targetColumns(), sourceColumns.at(s));
        if (t > Catalog)
            m_shared.push_back({s, t});
    }
    m_updateSql = record::updateSql(kTable, targetColumns().mid(Catalog + 1), keyColumns());
}

QVariant ProductMerge::fitted(int target, const QVariant &value) const
{
    const db::FieldDef *field = record::schemaField(kTable, targetColumns().at(target));
    if (value.isNull() || !field)
        return m_defaults.at(target);
    switch (field->type) {
    case db::FieldType::Text:
    case db::FieldType::Memo: return db::fitToField(*field, value.toString());
    case db::FieldType::Currency: return Currency::fromDouble(value.toDouble()).toDouble();
    case db::FieldType::Double: return value.toDouble();
    case db::FieldType::Integer:
    case db::FieldType::Long: return value.toInt();
    case db::FieldType::DateTime: return value;
    }
    return value;
}

QString ProductMerge::outOfRange(int target, const QVariant &value) const
{
    const db::FieldDef *field = record::schemaField(kTable, targetColumns().at(target));
    if (value.isNull() || !field || value.toString().trimmed().isEmpty())
        return {};
    bool ok = false;
    const double number = value.toDouble(&ok);
    const auto outside = [&](double lowest, double highest) { return !ok || !std::isfinite(number) || number < lowest || number > highest; };
    bool refused = false;
    switch (field->type) {
    case db::FieldType::Text:
    case db::FieldType::Memo:
    case db::FieldType::DateTime: return {};
    case db::FieldType::Currency: refused = outside(-Currency::kLargestPlausible, Currency::kLargestPlausible); break;
    case db::FieldType::Double: refused = outside(-1e15, 1e15); break;
    case db::FieldType::Integer: refused = outside(-32768, 32767); break;
    case db::FieldType::Long: refused = outside(-2147483648.0, 2147483647.0); break;
    }
    return refused ? field->fieldName() + QStringLiteral(" is ") + value.toString() + QStringLiteral(", which it cannot hold")
                   : QString();
}

bool ProductMerge::refuse(const QString &catalog, const QString &why)
{
    m_refusal = QStringLiteral("Product row %1 (catalog number %2) cannot be imported: %3. Nothing has been imported.")
                    .arg(m_counts.read)
                    .arg(catalog, why);
    return false;
}

std::optional<QVariantList> ProductMerge::onFile(const QVariantList &key)
{
    m_data.setSQL(QStringLiteral("Select * From Products  Where [Products Campaign Year] = ? And [Products Campaign Number] = ? "
                                 "And [Products Catalog Number] = ?"),
                  key);
    RecordSet rows = m_data.GetSnapShot(kProcedure);
    if (!rows.next())
        return std::nullopt;
    return Product::fromRecord(rows).values();
}

bool ProductMerge::add(const QVariantList &row)
{
    ++m_counts.read;
    const QString catalog = normalCatalogNumber(row.value(m_sourceCatalog).toString(), m_useDashes);
    if (catalog.isEmpty()) {
        ++m_counts.skipped;
        return true;
    }
    const int year = m_assigned ? m_assigned->year : row.value(m_sourceYear).toInt();
    const int number = m_assigned ? m_assigned->number : row.value(m_sourceNumber).toInt();
    // Year and campaign 0 are the baseline's; anything else is a campaign of a real year.
    const bool baseline = year == 0 && number == 0;
    if (!baseline && (year < kFirstYear || year > kLastYear || number < 1 || number > 99))
        return refuse(catalog, QStringLiteral("its campaign is %1 of %2").arg(row.value(m_sourceNumber).toString(),
                                                                             row.value(m_sourceYear).toString()));
    for (const Shared &s : m_shared)
        if (const QString why = outOfRange(s.target, row.value(s.source)); !why.isEmpty())
            return refuse(catalog, why);
    const QVariantList key = {year, number, fitted(Catalog, catalog)};

    const std::optional<QVariantList> existing = onFile(key);
    QVariantList values = existing ? *existing : m_defaults;
    static const int quantityOnHand = targetIndex("Products Quanity On Hand");
    for (const Shared &s : m_shared)
        if (!(existing && s.target == quantityOnHand))
            values[s.target] = fitted(s.target, row.value(s.source));
    static const int baselineUpdate = targetIndex("Products Baseline Update");
    values[baselineUpdate] = QStringLiteral("Y");
    for (int k = Year; k <= Catalog; ++k)
        values[k] = key.at(k);

    if (existing) {
        ++m_counts.updated;
        return m_data.exec(kProcedure, m_updateSql, values.mid(Catalog + 1) + key);
    }
    ++m_counts.added;
    return m_data.exec(kProcedure, Product::insertSql(), values);
}

} // namespace zel::exchange
