#pragma once

#include "core/campaign.h"
#include "core/currency.h"
#include "db/page_salvage.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <map>
#include <set>
#include <vector>

namespace zel {

class AppState;
class cDataAccess;
class DatabaseConnection;

namespace db {

// What a rescue found and kept, table by table, and whom the representative should check.
struct RescueAccount
{
    struct TableCount
    {
        QString table;
        qint64 found = 0;   // rows read from the damaged file's pages
        qint64 rescued = 0; // rows written into the rescued database
        int damagedPages = 0;
    };
    struct Customer
    {
        int number = 0;
        QString name;
        qint64 lostOrderRows = 0;
        std::set<QString> orders; // the orders that lost rows, "Campaign 5 / 2026 order 1"
        qint64 lostPaymentRows = 0;
        bool lostRecord = false; // her own customer record was lost
        Currency balance;        // as of `campaign`, from the rescued rows
    };

    std::vector<TableCount> tables;
    qint64 looseRows = 0;  // rows of pages no table reaches any more
    qint64 loosePlaced = 0; // of those, placed in their table by their columns
    std::vector<Customer> customers;
    Campaign campaign;
    // False when pages of the indexes that name every row were damaged as well: some customers who
    // lost rows may then be missing from the list.
    bool everyLossNamed = true;

    // The account as lines of text, for the screen, the log and the command line.
    QStringList lines() const;
};

// Rescues what can still be read of a damaged database: every row of every page that still reads
// (PageSalvage) is put into a fresh database made from the program's schema, table by table. Rows
// of pages no table reaches are placed in the table whose columns they fit, when only one does,
// and kept in "Rescued Rows" otherwise. The indexes, which name every row by its key, show whose
// order and payment rows were lost.
class DatabaseRescue
{
public:
    explicit DatabaseRescue(AppState &state) : m_state(state) {}

    // Why SQLite finds the file damaged (it cannot be read through, or its check fails); empty when
    // it is sound.
    static QString damage(const QString &path);

    // Writes the rescued database to `target`, which must not exist yet. False with error().
    bool rescue(const QString &damaged, const QString &target);
    const RescueAccount &account() const { return m_account; }
    QString error() const { return m_error; }

    enum class InPlace { Declined, Failed, Rescued };
    // Asks, then rescues `file` into a new database that takes its name once complete; the damaged
    // file is kept beside it (keptAs()). Nothing is changed when she says no or the rescue fails.
    InPlace rescueInPlace(const QString &file, const QString &damage);
    QString keptAs() const { return m_keptAs; }

    // The name the damaged file is kept under: "Shop_Damaged_20261207-101500.ZELDB".
    static QString damagedName(const QString &path, const QDateTime &when);

private:
    using Rowids = std::map<QString, std::vector<qint64>>; // by table, lower-cased
    bool writeRows(PageSalvage &salvage, DatabaseConnection &out);
    void makeRoomFor(QSqlDatabase out, const QString &table);
    void placeLooseRows(PageSalvage &salvage, QSqlDatabase out, Rowids &rowids);
    void nameLosses(PageSalvage &salvage, Rowids &rowids);
    void addBalances(cDataAccess &data);
    RescueAccount::TableCount &countOf(const QString &table);

    AppState &m_state;
    RescueAccount m_account;
    QString m_error;
    QString m_keptAs;
    std::set<QString> m_emptied; // tables whose starting rows made room for the rescued ones
};

} // namespace db
} // namespace zel
