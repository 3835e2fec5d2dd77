#include "migration/database_rescue.h"

#include "core/prompter.h"
#include "core/text.h"
#include "db/durable_file.h"
#include "db/page_salvage.h"
#include "db/schema.h"
#include "payments/payment_sums.h"
#include "session/app_state.h"
#include "session/database_creation.h"
#include "shell/data_access.h"
#include "shell/database_connection.h"
#include "shell/transaction.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include <algorithm>
#include <map>
#include <memory>
#include <set>

namespace zel::db {

namespace {

const QString kProcedure = QStringLiteral("Rescue");
const QString kLooseTable = QStringLiteral("Rescued Rows");

struct Column
{
    QString name;
    bool rowidAlias = false; // an INTEGER PRIMARY KEY, stored as the row's rowid
};

// The columns a CREATE TABLE statement makes, read by SQLite from a database of its own.
std::vector<Column> columnsOf(const QString &createSql, const QString &table)
{
    std::vector<Column> columns;
    const QString name = QStringLiteral("zel-rescue-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    {
        QSqlDatabase scratch = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        scratch.setDatabaseName(QStringLiteral(":memory:"));
        if (scratch.open()) {
            QSqlQuery query(scratch);
            if (query.exec(createSql) && query.exec(QStringLiteral("Select name, type, pk From pragma_table_info(%1)").arg(sqlQuote(table)))) {
                int keys = 0;
                while (query.next()) {
                    const bool key = query.value(2).toInt() > 0;
                    keys += key;
                    columns.push_back({query.value(0).toString(), key && query.value(1).toString().compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0});
                }
                if (keys > 1)
                    for (Column &c : columns)
                        c.rowidAlias = false;
            }
            query.finish();
        }
        scratch.close();
    }
    QSqlDatabase::removeDatabase(name);
    return columns;
}

// Work and report tables are made afresh by the program; their rows are not worth rescuing.
bool isScratch(const QString &table)
{
    if (isTemporaryTableName(table) || table.startsWith(QLatin1String("sqlite_"), Qt::CaseInsensitive))
        return true;
    for (const ScratchTable &scratch : scratchTables())
        if (scratch.name.compare(table, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// A row of SQLite's own schema (type, name, table, root page, statement), found on a page the lost
// first page no longer leads to: it describes the old file and belongs in no table.
bool isSchemaRow(const PageSalvage::Row &row)
{
    static const QStringList kinds{QStringLiteral("table"), QStringLiteral("index"), QStringLiteral("view"), QStringLiteral("trigger")};
    return row.values.size() == 5 && kinds.contains(row.values[0].toString()) && row.values[3].typeId() == QMetaType::LongLong;
}

// The rows of one table written into the rescued database through one prepared statement.
class TableWriter
{
public:
    TableWriter(QSqlDatabase database, const QString &table, const std::vector<Column> &from, const std::vector<Column> &to)
        : m_query(database)
    {
        QStringList names;
        for (size_t i = 0; i < from.size(); ++i)
            for (const Column &target : to)
                if (target.name.compare(from[i].name, Qt::CaseInsensitive) == 0) {
                    m_sources.push_back(i);
                    m_rowid.push_back(from[i].rowidAlias);
                    names << bracket(target.name);
                }
        m_ready = !names.isEmpty()
               && m_query.prepare(QStringLiteral("Insert Or Ignore Into %1 (%2) Values (%3)")
                                      .arg(bracket(table), names.join(QStringLiteral(", ")),
                                           QStringList(names.size(), QStringLiteral("?")).join(QStringLiteral(", "))));
    }

    // True when the row was written; a row whose key another row holds already is left out.
    bool write(const PageSalvage::Row &row)
    {
        if (!m_ready)
            return false;
        for (size_t i = 0; i < m_sources.size(); ++i) {
            const size_t source = m_sources[i];
            QVariant value = source < row.values.size() ? row.values[source] : QVariant();
            if (m_rowid[i] && value.isNull())
                value = row.rowid;
            m_query.bindValue(int(i), value);
        }
        return m_query.exec() && m_query.numRowsAffected() == 1;
    }

private:
    QSqlQuery m_query;
    std::vector<size_t> m_sources;
    std::vector<bool> m_rowid;
    bool m_ready = false;
};

std::vector<Column> columnsOfTable(const TableDef &table)
{
    std::vector<Column> columns;
    for (const FieldDef &field : table.fields)
        columns.push_back({field.fieldName(), false});
    return columns;
}

} // namespace

// True when the file still holds pages of a database, though its header may be gone: any file
// that does not open is not taken for a damaged database (a letter renamed, an empty file).
static bool holdsDatabasePages(const QString &path)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly) && file.read(16).startsWith("SQLite format 3"))
        return true;
    PageSalvage salvage;
    qint64 rows = 0;
    return salvage.open(path) && salvage.looseRows([&](const PageSalvage::Row &) { ++rows; }).rows > 0;
}

QString DatabaseRescue::damage(const QString &path)
{
    DatabaseConnection connection;
    if (!connection.openForReading(path))
        return holdsDatabasePages(path) ? connection.errorString() : QString();
    QString problem;
    {
        QSqlQuery check(connection.handle());
        if (!check.exec(QStringLiteral("PRAGMA quick_check")))
            problem = check.lastError().text();
        else if (!check.next() || check.value(0).toString() != QLatin1String("ok"))
            problem = check.value(0).toString();
    }
    connection.close();
    return problem;
}

QString DatabaseRescue::damagedName(const QString &path, const QDateTime &when)
{
    const QFileInfo file(path);
    return file.dir().filePath(file.completeBaseName() + QStringLiteral("_Damaged_") + when.toString(QStringLiteral("yyyyMMdd-hhmmss"))
                               + (file.suffix().isEmpty() ? QString() : QLatin1Char('.') + file.suffix()));
}

bool DatabaseRescue::rescue(const QString &damaged, const QString &target)
{
    m_account = {};
    m_emptied.clear();
    PageSalvage salvage;
    if (!salvage.open(damaged)) {
        m_error = damaged + QStringLiteral(": ") + salvage.error();
        return false;
    }
    if (!Gfi_Create_Db(m_state, target)) {
        m_error = QStringLiteral("The rescued database could not be made at ") + target + QLatin1Char('.');
        return false;
    }
    DatabaseConnection out;
    if (!out.open(target)) {
        m_error = out.errorString();
        return false;
    }
    if (!writeRows(salvage, out)) {
        m_error = QStringLiteral("The rescued rows could not be saved: ") + out.handle().lastError().text();
        return false;
    }
    {
        cDataAccess data(out, m_state.logs, m_state.errors);
        addBalances(data);
    }
    out.close();
    for (const QString &line : m_account.lines())
        m_state.LogWrite(QStringLiteral("MSG"), QStringLiteral("Rescue: ") + line);
    return true;
}

bool DatabaseRescue::writeRows(PageSalvage &salvage, DatabaseConnection &out)
{
    QSqlDatabase handle = out.handle();
    Transaction transaction(handle);
    // Rowids read per table, to tell which rows the indexes name that no page gave back.
    Rowids readRowids;
    for (const PageSalvage::Table &table : salvage.tables()) {
        if (isScratch(table.name)) {
            salvage.walk(table, [](const PageSalvage::Row &) {}); // its pages are not loose rows
            continue;
        }
        const std::vector<Column> from = columnsOf(table.sql, table.name);
        if (!out.hasTable(table.name))
            QSqlQuery(handle).exec(table.sql); // a table of another program is kept as it was
        const TableDef *own = findTable(table.name);
        TableWriter writer(handle, table.name, from, own ? columnsOfTable(*own) : from);
        RescueAccount::TableCount &count = countOf(table.name);
        std::vector<qint64> &rowids = readRowids[table.name.toLower()];
        const PageSalvage::Walk walk = salvage.walk(table, [&](const PageSalvage::Row &row) {
            makeRoomFor(handle, table.name);
            rowids.push_back(row.rowid);
            count.rescued += writer.write(row) ? 1 : 0;
        });
        count.found += walk.rows;
        count.damagedPages += walk.damagedPages;
    }
    placeLooseRows(salvage, handle, readRowids);
    nameLosses(salvage, readRowids);
    return transaction.commit();
}

// The starting rows of a new file give way to the damaged file's own, once the first of them is read.
void DatabaseRescue::makeRoomFor(QSqlDatabase out, const QString &table)
{
    if (m_emptied.insert(table.toLower()).second)
        QSqlQuery(out).exec(QStringLiteral("Delete From ") + bracket(table));
}

DatabaseRescue::InPlace DatabaseRescue::rescueInPlace(const QString &file, const QString &damage)
{
    m_keptAs = damagedName(file, m_state.now());
    if (!m_state.prompter.askYesNo(lines({file + QStringLiteral(" is damaged: ") + damage, QString(),
                                          QStringLiteral("Rescue every row that can still be read into a new database?"),
                                          QStringLiteral("The damaged file is kept as ") + m_keptAs + QLatin1Char('.')})))
        return InPlace::Declined;
    const QString rescued = QFileInfo(m_keptAs).dir().filePath(QFileInfo(m_keptAs).completeBaseName() + QStringLiteral("_Rescue.ZELDB"));
    removeDatabaseFile(rescued);
    m_state.prompter.hourglass(true);
    const bool done = rescue(file, rescued);
    m_state.prompter.hourglass(false);
    if (!done) {
        removeDatabaseFile(rescued);
        return InPlace::Failed;
    }
    // The damaged file steps aside first, so the name is without a database only between two renames.
    if (!QFile::rename(file, m_keptAs)) {
        removeDatabaseFile(rescued);
        m_error = file + QStringLiteral(": the damaged file could not be renamed to ") + m_keptAs + QStringLiteral("; nothing was changed.");
        return InPlace::Failed;
    }
    QFile::rename(file + QStringLiteral("-journal"), m_keptAs + QStringLiteral("-journal"));
    if (const QString placed = putInPlace(rescued, file, PutMode::NeverReplace); !placed.isEmpty()) {
        QFile::rename(m_keptAs, file);
        m_error = placed;
        return InPlace::Failed;
    }
    m_state.LogWrite(QStringLiteral("MSG"), QStringLiteral("Rescue: ") + file + QStringLiteral(" rescued; the damaged file is kept as ") + m_keptAs);
    return InPlace::Rescued;
}

RescueAccount::TableCount &DatabaseRescue::countOf(const QString &table)
{
    for (RescueAccount::TableCount &count : m_account.tables)
        if (count.table.compare(table, Qt::CaseInsensitive) == 0)
            return count;
    m_account.tables.push_back({table, 0, 0, 0});
    return m_account.tables.back();
}

void DatabaseRescue::placeLooseRows(PageSalvage &salvage, QSqlDatabase out, Rowids &rowids)
{
    // The program's own tables by their column count; a count two tables share places nothing.
    std::map<size_t, const TableDef *> byWidth;
    std::set<size_t> shared;
    for (const TableDef &table : schemaTables()) {
        const size_t width = table.fields.size();
        if (byWidth.count(width))
            shared.insert(width);
        byWidth[width] = &table;
    }
    std::map<QString, std::unique_ptr<TableWriter>> writers;
    std::unique_ptr<QSqlQuery> apart;
    size_t apartWidth = 0;
    qint64 schemaRows = 0;
    const PageSalvage::Walk walk = salvage.looseRows([&](const PageSalvage::Row &row) {
        if (isSchemaRow(row)) {
            ++schemaRows;
            return;
        }
        const auto fit = byWidth.find(row.values.size());
        if (fit != byWidth.end() && !shared.count(fit->first)) {
            const TableDef &table = *fit->second;
            auto &writer = writers[table.tableName()];
            if (!writer)
                writer = std::make_unique<TableWriter>(out, table.tableName(), columnsOfTable(table), columnsOfTable(table));
            makeRoomFor(out, table.tableName());
            rowids[table.tableName().toLower()].push_back(row.rowid);
            ++m_account.loosePlaced;
            RescueAccount::TableCount &count = countOf(table.tableName());
            ++count.found;
            count.rescued += writer->write(row) ? 1 : 0;
            return;
        }
        // Kept apart, each value in a column of its own, so nothing read is thrown away.
        if (!apart || row.values.size() > apartWidth) {
            apartWidth = qMax<size_t>(row.values.size(), 64);
            QSqlQuery make(out);
            QStringList columns{QStringLiteral("[Rescued Rowid] INTEGER"), QStringLiteral("[Rescued Columns] INTEGER")};
            for (size_t i = 1; i <= apartWidth; ++i)
                columns << QStringLiteral("[Value %1]").arg(i);
            make.exec(QStringLiteral("Create Table If Not Exists %1 (%2)").arg(bracket(kLooseTable), columns.join(QStringLiteral(", "))));
            apart = std::make_unique<QSqlQuery>(out);
            QStringList marks(int(apartWidth) + 2, QStringLiteral("?"));
            apart->prepare(QStringLiteral("Insert Into %1 Values (%2)").arg(bracket(kLooseTable), marks.join(QStringLiteral(", "))));
        }
        apart->bindValue(0, row.rowid);
        apart->bindValue(1, qint64(row.values.size()));
        for (size_t i = 0; i < apartWidth; ++i)
            apart->bindValue(int(i) + 2, i < row.values.size() ? row.values[i] : QVariant());
        apart->exec();
    });
    m_account.looseRows = walk.rows - schemaRows;
}

void DatabaseRescue::nameLosses(PageSalvage &salvage, Rowids &rowids)
{
    // Without the schema the indexes cannot be found, and nobody's losses can be named.
    if (salvage.schemaDamaged())
        m_account.everyLossNamed = false;
    std::map<int, RescueAccount::Customer> lost;
    for (auto &[table, numbers] : rowids)
        std::sort(numbers.begin(), numbers.end());
    for (const PageSalvage::Index &index : salvage.indexes()) {
        const TableDef *table = findTable(index.table);
        // The indexes that begin with the customer's number say whose rows they name.
        if (!table || !table->hasIndex() || index.name != QString::fromUtf8(table->indexName) || table->indexFields.empty()
            || !QString::fromUtf8(table->indexFields.front()).endsWith(QLatin1String("Number")))
            continue;
        const std::vector<qint64> &read = rowids[table->tableName().toLower()];
        const QString name = table->tableName();
        const PageSalvage::Walk walk = salvage.walkIndex(index, [&](const std::vector<QVariant> &key) {
            if (key.size() < 2 || std::binary_search(read.begin(), read.end(), key.back().toLongLong()))
                return;
            RescueAccount::Customer &customer = lost[key.front().toInt()];
            customer.number = key.front().toInt();
            if (name == QLatin1String("Orders")) {
                ++customer.lostOrderRows;
                if (key.size() >= 5)
                    customer.orders.insert(QStringLiteral("Campaign %1 / %2 order %3")
                                               .arg(key[2].toInt())
                                               .arg(key[1].toInt())
                                               .arg(key[3].toInt()));
            }
            else if (name == QLatin1String("Payments"))
                ++customer.lostPaymentRows;
            else if (name == QLatin1String("Customers"))
                customer.lostRecord = true;
        });
        if (walk.damagedPages > 0)
            m_account.everyLossNamed = false;
    }
    for (const auto &[number, customer] : lost)
        if (customer.lostOrderRows || customer.lostPaymentRows || customer.lostRecord)
            m_account.customers.push_back(customer);
}

void DatabaseRescue::addBalances(cDataAccess &data)
{
    data.setSQL(QStringLiteral("Select [Options Current Campaign Year], [Options Current Campaign Number] From Options"));
    RecordSet options = data.GetSnapShot(kProcedure);
    if (options.next())
        m_account.campaign = {options.value(0).toInt(), options.value(1).toInt()};
    options = RecordSet();
    PaymentSums sums(data);
    for (RescueAccount::Customer &customer : m_account.customers) {
        customer.balance = sums.balance(customer.number, m_account.campaign.year, m_account.campaign.number);
        customer.name = data.scalar(kProcedure,
                                    QStringLiteral("Select Trim(Coalesce([Customers First Name], '') || ' ' || Coalesce([Customers "
                                                   "Last Name], '')) From Customers Where [Customers Number] = ?"),
                                    {customer.number})
                            .toString();
    }
}

QStringList RescueAccount::lines() const
{
    QStringList out{QStringLiteral("Table: rows read from the damaged file / rows rescued")};
    for (const TableCount &count : tables) {
        QString line = QStringLiteral("  %1: %2 / %3").arg(count.table).arg(count.found).arg(count.rescued);
        if (count.damagedPages > 0)
            line += QStringLiteral(" (%1 damaged page%2: their rows are lost)").arg(count.damagedPages).arg(count.damagedPages == 1 ? "" : "s");
        out << line;
    }
    if (looseRows > 0)
        out << QStringLiteral("Rows no table reached any more: %1, of which %2 went back into their table and %3 are kept in \"%4\".")
                   .arg(looseRows)
                   .arg(loosePlaced)
                   .arg(looseRows - loosePlaced)
                   .arg(kLooseTable);
    if (customers.empty()) {
        out << (everyLossNamed ? QStringLiteral("No customer lost an order or payment row.")
                               : QStringLiteral("Pages that name the rows were damaged too: compare the balances with your invoices."));
        return out;
    }
    out << QStringLiteral("Customers to check against your paper invoices (balance as of Campaign %1 / %2 from the rescued rows):")
               .arg(campaign.number)
               .arg(campaign.year);
    for (const Customer &c : customers) {
        QStringList lost;
        if (c.lostOrderRows)
            lost << QStringLiteral("%1 order row%2 (%3)")
                        .arg(c.lostOrderRows)
                        .arg(c.lostOrderRows == 1 ? "" : "s")
                        .arg(QStringList(c.orders.begin(), c.orders.end()).join(QStringLiteral(", ")));
        if (c.lostPaymentRows)
            lost << QStringLiteral("%1 payment row%2").arg(c.lostPaymentRows).arg(c.lostPaymentRows == 1 ? "" : "s");
        if (c.lostRecord)
            lost << QStringLiteral("her customer record");
        out << QStringLiteral("  %1 %2: lost %3; balance %4")
                   .arg(c.number)
                   .arg(c.name.isEmpty() ? QStringLiteral("(no name)") : c.name, lost.join(QStringLiteral(", ")),
                        c.balance.toCurrencyText());
    }
    if (!everyLossNamed)
        out << QStringLiteral("Pages that name the rows were damaged too: others may have lost rows as well.");
    return out;
}

} // namespace zel::db
