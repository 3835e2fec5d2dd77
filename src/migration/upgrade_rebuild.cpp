#include "migration/upgrade_rebuild.h"

#include "core/prompter.h"
#include "core/text.h"
#include "db/schema.h"
#include "shell/data_access.h"
#include "shell/database_connection.h"

#include <QDate>

#include <optional>

namespace zel::db {

namespace {

const QString kProcedure = QStringLiteral("Gs_Upgrade_Db");

// Old layouts that kept a value under another name: table, current field, old field.
struct Rename
{
    const char *table;
    const char *field;
    const char *oldField;
};

constexpr Rename kRenames[] = {
    {"Customers", "Customers Delivery Date", "Customers Delivery Date Time"},
    {"Earnings", "Earnings Percent 1", "Earnings Percent"},
    {"Options", "Options Tax Rate 1", "Options Tax Rate"},
    {"Options", "Options Tax Desc 1", "Options Tax Desc"},
    {"Options", "Options Tax Processing Charge 1", "Options Tax Processing Charge"},
};

std::optional<QString> findColumn(const QStringList &columns, const QString &name)
{
    for (const QString &column : columns)
        if (column.compare(name, Qt::CaseInsensitive) == 0)
            return column;
    return std::nullopt;
}

bool isKeyField(const TableDef &table, const QString &field)
{
    for (const char *key : table.indexFields)
        if (field.compare(QString::fromUtf8(key), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// "Y" meant true in the old text flags.
QString yesAsTrue(const QString &column)
{
    return QStringLiteral("CASE WHEN ") + bracket(column) + QStringLiteral(" = 'Y' THEN -1 ELSE 0 END");
}

std::optional<QDate> readMileageDate(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (const auto stored = fromDbDateTime(trimmed))
        return stored->date();
    for (const char *format : {"M/d/yyyy", "M/d/yy", "yyyy-MM-dd", "M-d-yyyy"}) {
        QDate date = QDate::fromString(trimmed, QString::fromLatin1(format));
        if (date.isValid()) {
            if (QString::fromLatin1(format).endsWith(QLatin1String("/yy")) && date.year() < 1950)
                date = date.addYears(100);
            return date;
        }
    }
    return std::nullopt;
}

} // namespace

TableRebuild::TableRebuild(cDataAccess &data, Prompter &prompter, int oldVersion, const QDateTime &now)
    : m_data(data), m_prompter(prompter), m_oldVersion(oldVersion), m_now(now)
{
}

QStringList TableRebuild::columnsOf(const QString &table)
{
    QStringList columns;
    m_data.setSQL(QStringLiteral("Select name From pragma_table_info(?)"), {table});
    RecordSet rows = m_data.GetSnapShot(kProcedure);
    while (rows.next())
        columns << rows.value(0).toString();
    return columns;
}

bool TableRebuild::create(const TableDef &table)
{
    return m_data.exec(kProcedure, createTableSql(table, table.tableName(), true))
        && (!table.hasIndex() || m_data.exec(kProcedure, createIndexSql(table, table.tableName())));
}

bool TableRebuild::rebuild(const TableDef &table)
{
    const QString name = table.tableName();
    if (!m_data.database().hasTable(name))
        return create(table);
    const QStringList oldColumns = columnsOf(name);
    const QString newName = QStringLiteral("New") + name;
    if (!m_data.exec(kProcedure, QStringLiteral("Drop Table If Exists ") + bracket(newName))
        || !m_data.exec(kProcedure, createTableSql(table, newName, true)))
        return false;
    if (name == QLatin1String("Products"))
        tellAboutOldProducts(oldColumns);
    if (!copyRows(table, oldColumns))
        return false;
    if (name == QLatin1String("Mileage") && !normaliseMileageDates(newName))
        return false;
    return m_data.exec(kProcedure, QStringLiteral("Drop Table ") + bracket(name))
        && m_data.exec(kProcedure, QStringLiteral("Alter Table ") + bracket(newName) + QStringLiteral(" Rename To ") + bracket(name))
        && (!table.hasIndex() || m_data.exec(kProcedure, createIndexSql(table, name)));
}

QString TableRebuild::sourceOf(const TableDef &table, const QString &field, const QStringList &oldColumns) const
{
    const QString name = table.tableName();
    const auto same = findColumn(oldColumns, field);
    for (const Rename &rename : kRenames) {
        const auto old = findColumn(oldColumns, QString::fromUtf8(rename.oldField));
        if (!same && old && name == QLatin1String(rename.table) && field == QLatin1String(rename.field))
            return bracket(*old);
    }
    const bool oldTaxFlags = name == QLatin1String("Orders") || (name == QLatin1String("Products") && m_oldVersion < 2);
    if (!same && oldTaxFlags && (field.endsWith(QLatin1String(" Tax1")) || field.endsWith(QLatin1String(" Tax2")))) {
        const QString taxable = name + (field.endsWith(QLatin1Char('1')) ? QStringLiteral(" Taxable") : QStringLiteral(" Taxable 2"));
        if (const auto old = findColumn(oldColumns, taxable))
            return yesAsTrue(*old);
    }
    if (name == QLatin1String("Orders") && field == QLatin1String("Orders Price Quantity") && !same) {
        const auto perDollar = findColumn(oldColumns, QStringLiteral("Orders Number For Dollar"));
        const auto quantity = findColumn(oldColumns, QStringLiteral("Orders Quanity"));
        if (perDollar && quantity)
            return QStringLiteral("CASE WHEN ") + bracket(*perDollar) + QStringLiteral(" = 'N' THEN ") + bracket(*quantity)
                 + QStringLiteral(" ELSE 1 END");
        return QStringLiteral("1");
    }
    // Products of the layouts before campaigns keep their rows under campaign 2000/1.
    if (name == QLatin1String("Products") && field == QLatin1String("Products Campaign Year"))
        return same ? QStringLiteral("COALESCE(") + bracket(*same) + QStringLiteral(", 2000)") : QStringLiteral("2000");
    if (name == QLatin1String("Products") && field == QLatin1String("Products Campaign Number"))
        return same ? QStringLiteral("COALESCE(") + bracket(*same) + QStringLiteral(", 1)") : QStringLiteral("1");
    if (name == QLatin1String("Payments") && field == QLatin1String("Payments Date") && same)
        return QStringLiteral("COALESCE(NULLIF(") + bracket(*same) + QStringLiteral(", ''), ?)");
    if (name == QLatin1String("Payments") && field == QLatin1String("Payments Date"))
        return QStringLiteral("?");
    return same ? bracket(*same) : QString();
}

QString TableRebuild::rowFilter(const TableDef &table, const QStringList &oldColumns) const
{
    if (table.tableName() != QLatin1String("Payments"))
        return {};
    const auto order = findColumn(oldColumns, QStringLiteral("Payments Order Number"));
    return order ? QStringLiteral(" Where ") + bracket(*order) + QStringLiteral(" Is Not Null") : QStringLiteral(" Where 0");
}

bool TableRebuild::copyRows(const TableDef &table, const QStringList &oldColumns)
{
    QStringList targets;
    QStringList sources;
    QVariantList parameters;
    for (const FieldDef &field : table.fields) {
        QString source = sourceOf(table, field.fieldName(), oldColumns);
        if (source.isEmpty() && !isKeyField(table, field.fieldName()))
            continue;
        if (isKeyField(table, field.fieldName()))
            source = QStringLiteral("COALESCE(") + (source.isEmpty() ? QStringLiteral("NULL") : source)
                   + (field.isText() ? QStringLiteral(", '')") : QStringLiteral(", 0)"));
        if (source.contains(QLatin1Char('?')))
            parameters << toDbDateTime(m_now);
        targets << bracket(field.fieldName());
        sources << source;
    }
    const QString sql = QStringLiteral("Insert Into ") + bracket(QStringLiteral("New") + table.tableName()) + QStringLiteral(" (")
                      + targets.join(QStringLiteral(", ")) + QStringLiteral(") Select ") + sources.join(QStringLiteral(", "))
                      + QStringLiteral(" From ") + bracket(table.tableName()) + rowFilter(table, oldColumns);
    return m_data.exec(kProcedure, sql, parameters);
}

void TableRebuild::tellAboutOldProducts(const QStringList &oldColumns)
{
    const auto year = findColumn(oldColumns, QStringLiteral("Products Campaign Year"));
    const auto number = findColumn(oldColumns, QStringLiteral("Products Campaign Number"));
    bool any = false;
    if (year && number)
        any = m_data.number(kProcedure, QStringLiteral("Select Count(*) From Products Where ") + bracket(*year)
                                            + QStringLiteral(" Is Null Or ") + bracket(*number) + QStringLiteral(" Is Null"))
            > 0;
    else
        any = m_data.number(kProcedure, QStringLiteral("Select Count(*) From Products")) > 0;
    if (!any)
        return;
    const QString campaign = QStringLiteral("Campaign");
    m_prompter.information(lines(
        {QStringLiteral("Your existing products will be assigned to ") + campaign + QStringLiteral(" Year 2000 ") + campaign
             + QStringLiteral(" Number 1."),
         QStringLiteral("This is done because of a new enhancement that assigns ") + campaign
             + QStringLiteral(" year/numbers to the products."),
         QStringLiteral("By assigning an old ") + campaign
             + QStringLiteral(" Year/Number it will not cause incorrect prices being found during the lower price look up feature."),
         QStringLiteral("But they will still be on file so that the Description/shade/size information will still be found.")}));
}

// Mileage dates are text; each is made "mm/dd/yyyy", and one that is not a date becomes today.
bool TableRebuild::normaliseMileageDates(const QString &table)
{
    m_data.setSQL(QStringLiteral("Select rowid, [Mileage Date] From ") + bracket(table));
    RecordSet rows = m_data.GetRecordSet(kProcedure);
    std::vector<std::pair<qint64, QString>> changes;
    while (rows.next()) {
        const QString text = rows.value(1).toString();
        const QString wanted = readMileageDate(text).value_or(m_now.date()).toString(QStringLiteral("MM/dd/yyyy"));
        if (wanted != text)
            changes.emplace_back(rows.value(0).toLongLong(), wanted);
    }
    rows = RecordSet();
    for (const auto &[row, date] : changes)
        if (!m_data.exec(kProcedure, QStringLiteral("Update ") + bracket(table) + QStringLiteral(" Set [Mileage Date] = ? Where rowid = ?"),
                         {date, row}))
            return false;
    return true;
}

} // namespace zel::db
