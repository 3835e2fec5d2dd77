#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace zel {

class cDataAccess;
class Prompter;

namespace db {

struct TableDef;

// Rebuilds one table of an older database into the current layout: a "New" table is made, the rows
// are copied across in one statement by column name (with the renames of older layouts), the old
// table goes and the new one takes its name and index. Runs inside the caller's transaction.
class TableRebuild
{
public:
    TableRebuild(cDataAccess &data, Prompter &prompter, int oldVersion, const QDateTime &now);

    // Returns false when a statement failed; the caller's transaction then undoes the table.
    bool rebuild(const TableDef &table);

    // The column that fills `field` of `table`, as an SQL expression over the old table's columns;
    // empty when nothing does. Exposed for tests of the renames.
    QString sourceOf(const TableDef &table, const QString &field, const QStringList &oldColumns) const;

private:
    QStringList columnsOf(const QString &table);
    bool create(const TableDef &table);
    bool copyRows(const TableDef &table, const QStringList &oldColumns);
    QString rowFilter(const TableDef &table, const QStringList &oldColumns) const;
    void tellAboutOldProducts(const QStringList &oldColumns);
    bool normaliseMileageDates(const QString &table);

    cDataAccess &m_data;
    Prompter &m_prompter;
    int m_oldVersion;
    QDateTime m_now;
};

} // namespace db
} // namespace zel
