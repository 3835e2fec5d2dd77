#include "db/schema.h"

namespace zel::db {

namespace {

QString sqlType(const FieldDef &field)
{
    switch (field.type) {
    case FieldType::Integer: return QStringLiteral("SMALLINT");
    case FieldType::Long: return QStringLiteral("INTEGER");
    case FieldType::Currency: return QStringLiteral("REAL");
    case FieldType::Double: return QStringLiteral("REAL");
    case FieldType::DateTime: return QStringLiteral("TEXT");
    case FieldType::Text: return QStringLiteral("TEXT(%1) COLLATE NOCASE").arg(field.size);
    case FieldType::Memo: return QStringLiteral("TEXT COLLATE NOCASE");
    }
    return QStringLiteral("TEXT");
}

bool isKeyField(const TableDef &table, const QString &field)
{
    for (const char *key : table.indexFields)
        if (field.compare(QString::fromUtf8(key), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

} // namespace

const FieldDef *TableDef::field(const QString &fieldName) const
{
    for (const FieldDef &f : fields)
        if (fieldName.compare(QString::fromUtf8(f.name), Qt::CaseInsensitive) == 0)
            return &f;
    return nullptr;
}

const TableDef *findTable(const QString &name)
{
    for (const TableDef &table : schemaTables())
        if (name.compare(QString::fromUtf8(table.name), Qt::CaseInsensitive) == 0)
            return &table;
    return nullptr;
}

const std::vector<ScratchTable> &scratchTables()
{
    static const std::vector<ScratchTable> tables = [] {
        std::vector<ScratchTable> out;
        const QString orders = QStringLiteral("Unable to create Orders work table.");
        const QString products = QStringLiteral("Unable to create Products work table.");
        const QString expenses = QStringLiteral("Unable to create expense work table.");
        for (int i = 1; i <= 6; ++i)
            out.push_back({QStringLiteral("OrdersWork%1").arg(i), QStringLiteral("Orders"), false, orders});
        for (const char *name : {"ProductsWork1", "ProductsWork2", "ProductsWork3", "ProductsWork1a", "ProductsWork2a",
                                 "ProductsWork3a"})
            out.push_back({QString::fromLatin1(name), QStringLiteral("Products"), true, products});
        for (const char *name : {"ExpensesWork1", "ExpensesWork2"})
            out.push_back({QString::fromLatin1(name), QStringLiteral("Expenses"), true, expenses});
        return out;
    }();
    return tables;
}

bool isTemporaryTableName(const QString &table)
{
    const QString upper = table.toUpper();
    return upper.startsWith(QLatin1String("REP")) || upper.startsWith(QLatin1String("WOR")) || upper.startsWith(QLatin1String("RPT"));
}

QString bracket(const QString &name)
{
    return QLatin1Char('[') + name + QLatin1Char(']');
}

QString createTableSql(const TableDef &table, const QString &as, bool withIndex)
{
    QStringList columns;
    for (const FieldDef &field : table.fields) {
        const QString name = field.fieldName();
        QString column = bracket(name) + QLatin1Char(' ') + sqlType(field);
        if (withIndex && table.hasIndex() && isKeyField(table, name))
            column += QStringLiteral(" NOT NULL");
        if (field.isText() && !field.allowZeroLength)
            column += QStringLiteral(" CHECK (") + bracket(name) + QStringLiteral(" <> '')");
        columns << column;
    }
    return QStringLiteral("CREATE TABLE ") + bracket(as) + QStringLiteral(" (") + columns.join(QStringLiteral(", "))
         + QLatin1Char(')');
}

QString createIndexSql(const TableDef &table, const QString &as)
{
    if (!table.hasIndex())
        return {};
    QString indexName = QString::fromUtf8(table.indexName);
    if (as.compare(table.tableName(), Qt::CaseInsensitive) != 0)
        indexName = as + QLatin1Char(' ') + indexName;
    QStringList fields;
    for (const char *field : table.indexFields)
        fields << bracket(QString::fromUtf8(field));
    return QStringLiteral("CREATE UNIQUE INDEX ") + bracket(indexName) + QStringLiteral(" ON ") + bracket(as)
         + QStringLiteral(" (") + fields.join(QStringLiteral(", ")) + QLatin1Char(')');
}

const std::vector<SpeedIndex> &speedIndexes()
{
    static const std::vector<SpeedIndex> indexes = {
        {"Orders Helper Index", "Orders",
         "[Orders Campaign Year], [Orders Campaign Number], [Orders Business Helper Number], [Orders Internal Flag]"},
        // Every order total with its order number, so balances and the listings of whole histories
        // read the index alone rather than a row of the table for each order.
        {"Orders Order Totals Index", "Orders",
         "[Orders Customer Number], [Orders Campaign Year], [Orders Campaign Number], [Orders Order Number], [Orders Unit "
         "Total] Where [Orders Internal Flag] = 'TOTAL'"},
        // Order entry keeps every campaign's stock of a catalog number on its baseline row.
        {"Products Catalog Index", "Products", "[Products Catalog Number]"},
    };
    return indexes;
}

const QStringList &retiredSpeedIndexes()
{
    // Served by "Orders Order Totals Index" since it holds the order number as well.
    static const QStringList names{QStringLiteral("Orders Totals Index")};
    return names;
}

QString createSpeedIndexSql(const SpeedIndex &index)
{
    return QStringLiteral("Create Index If Not Exists ") + bracket(QString::fromUtf8(index.name)) + QStringLiteral(" On ")
         + bracket(QString::fromUtf8(index.table)) + QStringLiteral(" (") + QString::fromUtf8(index.columns).replace(
               QLatin1String(" Where "), QLatin1String(") Where "))
         + (QString::fromUtf8(index.columns).contains(QLatin1String(" Where ")) ? QString() : QStringLiteral(")"));
}

QString fitToField(const FieldDef &field, const QString &value)
{
    return field.type == FieldType::Text && value.size() > field.size ? value.left(field.size) : value;
}

QStringList namedStatementNames()
{
    QStringList names;
    for (int i = 1; i <= 6; ++i)
        names << QStringLiteral("QryDeleteOrdersWork%1").arg(i);
    return names;
}

QString namedStatement(const QString &name)
{
    const QString prefix = QStringLiteral("QryDeleteOrdersWork");
    if (name.startsWith(prefix, Qt::CaseInsensitive) && namedStatementNames().contains(name, Qt::CaseInsensitive))
        return QStringLiteral("Delete From OrdersWork") + name.mid(prefix.size()) + QLatin1Char(' ');
    return {};
}

} // namespace zel::db
