#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace zel::db {

enum class FieldType { Integer, Long, Currency, Double, DateTime, Text, Memo };

struct FieldDef
{
    const char *name;
    FieldType type;
    int size = 0;                // characters, for Text
    bool allowZeroLength = true; // whether a text field accepts ""
    bool autoNumber = false;

    QString fieldName() const { return QString::fromUtf8(name); }
    bool isText() const { return type == FieldType::Text || type == FieldType::Memo; }
};

// One table: its fields in order and its one primary, unique, required index (if any).
struct TableDef
{
    const char *name;
    const char *indexName; // empty: the table has no index
    std::vector<const char *> indexFields;
    const char *checkPoint; // recorded before the table is made in a new database ("61C"), or empty
    std::vector<FieldDef> fields;

    QString tableName() const { return QString::fromUtf8(name); }
    bool hasIndex() const { return indexName && *indexName; }
    const FieldDef *field(const QString &fieldName) const;
};

// A scratch table made afresh at every open with the layout of a permanent table.
struct ScratchTable
{
    QString name;
    QString layoutOf;
    bool withIndex;
    QString failureMessage;
};

// The permanent tables in creation order.
const std::vector<TableDef> &schemaTables();
// The table of that name, compared without case; null when there is none.
const TableDef *findTable(const QString &name);
const std::vector<ScratchTable> &scratchTables();
// True for the names of report and work tables ("REP", "WOR", "RPT" in any case), which are
// deleted at exit; no permanent table is named so.
bool isTemporaryTableName(const QString &table);

// CREATE TABLE for `table` under the name `as` (the upgrade builds "New" tables this way).
// With its index, the key fields are NOT NULL; text compares without case, as the original engine
// did; a text field that does not accept "" says so with a CHECK.
QString createTableSql(const TableDef &table, const QString &as, bool withIndex = true);
// CREATE UNIQUE INDEX for the table's index; an index on a table with another name carries
// that name too, since index names are shared by the whole file.
QString createIndexSql(const TableDef &table, const QString &as);

// Indexes beyond each table's key that keep the busy look-ups quick on years of orders: the helper
// discount of an order and the balances. Made with the tables and, for older files, at the next open.
struct SpeedIndex
{
    const char *name;
    const char *table;
    const char *columns; // with an optional " Where ..." for a partial index
};
const std::vector<SpeedIndex> &speedIndexes();
// Indexes of earlier versions that a newer speed index replaces; dropped where found.
const QStringList &retiredSpeedIndexes();
QString createSpeedIndexSql(const SpeedIndex &index);

// A text value cut to its field's size, as it is written.
QString fitToField(const FieldDef &field, const QString &value);

// The named statements that stand in for stored queries ("QryDeleteOrdersWork1" ...).
QString namedStatement(const QString &name);
QStringList namedStatementNames();

// Brackets a table or field name for SQL.
QString bracket(const QString &name);

constexpr int kDatabaseVersion = 17;

} // namespace zel::db
