#include "migration/upgrade.h"

#include "core/prompter.h"
#include "db/schema.h"
#include "migration/balance_rows.h"
#include "migration/upgrade_check.h"
#include "migration/upgrade_fixes.h"
#include "migration/upgrade_rebuild.h"
#include "migration/upgrade_repair.h"
#include "orders/product_baseline.h"
#include "session/app_state.h"
#include "session/database_commands.h"
#include "session/database_files.h"
#include "shell/settings_keys.h"
#include "shell/transaction.h"

#include <QFileInfo>

#include <vector>

namespace zel::db {

namespace {

const QString kProcedure = QStringLiteral("Gs_Upgrade_Db");
const QString kMsg = QStringLiteral("MSG");

// The rebuilds in their order, with the status text each shows.
const std::vector<std::pair<const char *, const char *>> &rebuildOrder()
{
    static const std::vector<std::pair<const char *, const char *>> order = {
        {"Customers", "Upgrading Customer Data..."},    {"Dates", "Upgrading Date Data..."},
        {"Expenses", "Upgrading Expense Data..."},      {"Options", "Upgrading Option Data..."},
        {"Orders", "Upgrading Order Data..."},          {"Inventory", "Upgrading Order Data..."},
        {"PDAOrders", "Upgrading Order Data..."},       {"PDAOrderDetails", "Upgrading Order Data..."},
        {"PDAOrderPayments", "Upgrading Order Data..."}, {"Payments", "Upgrading Payment Data..."},
        {"Earnings", "Upgrading Earnings Data..."},     {"Comments", "Upgrading Comments Data..."},
        {"Notes", "Upgrading Notes Data..."},           {"HelperPercents", "Upgrading Helper Percents Data..."},
        {"Products", "Upgrading Product Data..."},      {"Totals", "Upgrading Total Data..."},
        {"Mileage", "Upgrading Mileage Data..."},       {"Translations", "Upgrading Translations Data..."},
        {"ExeHistory", "Upgrading Version Data..."}};
    return order;
}

} // namespace

DatabaseUpgrade::DatabaseUpgrade(AppState &state) : m_state(state)
{
    m_backup = [&state]() -> QString {
        DatabaseCommands commands(state);
        return commands.Ms_Backup_Database() ? commands.lastBackup() : QString();
    };
}

int DatabaseUpgrade::storedVersion(cDataAccess &data)
{
    if (!data.database().hasTable(QStringLiteral("Database_Version")))
        return 0;
    return data.number(kProcedure, QStringLiteral("Select [DBVersion Number] From Database_Version"));
}

void DatabaseUpgrade::step(const QString &name)
{
    if (m_afterStep)
        m_afterStep(name);
}

bool DatabaseUpgrade::prepareVersionTable()
{
    if (m_state.database.hasTable(QStringLiteral("Versions")) && !m_state.data.exec(kProcedure, QStringLiteral("Drop Table [Versions]")))
        return false;
    if (m_state.database.hasTable(QStringLiteral("Database_Version")))
        return true;
    Transaction transaction(m_state.database.handle());
    return m_state.data.exec(kProcedure, createTableSql(*findTable(QStringLiteral("Database_Version")), QStringLiteral("Database_Version")))
        && m_state.data.exec(kProcedure, QStringLiteral("Insert Into Database_Version ([DBVersion Number]) Values (0)"))
        && transaction.commit();
}

DatabaseUpgrade::Outcome DatabaseUpgrade::Gs_Upgrade_Db()
{
    m_state.settings.write(settings::LastStatus, settings::kRunning);
    if (!prepareVersionTable())
        return Outcome::Failed;
    const int oldVersion = storedVersion(m_state.data);
    if (oldVersion == kDatabaseVersion)
        return Outcome::Current;
    if (oldVersion > kDatabaseVersion) {
        m_state.prompter.information(laterVersionMessage());
        return Outcome::Refused;
    }
    m_state.LogWrite(kMsg, QStringLiteral("Upgrade Database From Version %1 to %2").arg(oldVersion).arg(kDatabaseVersion));
    const Answer answer = m_state.prompter.ask({QStringLiteral("Your Database ") + m_state.databasePath
                                                    + QStringLiteral(" requires upgrading to utilize the new features.  This may take "
                                                                     "several minutes."),
                                                kMessageTitle, Buttons::OkCancel, Answer::Ok, Icon::Question});
    if (answer != Answer::Ok)
        return Outcome::Declined;
    if (!askAndBackUp())
        return Outcome::NoBackup;

    m_state.prompter.hourglass(true);
    m_state.prompter.status(QStringLiteral("Cleaning Existing Data..."));
    bool ready = reopen(QStringLiteral("Close DB - Gs_Upgrade_Db"), QStringLiteral("Open DB - Gs_Upgrade_Db "));
    m_state.prompter.working(QStringLiteral("Cleaning Data"));
    ready = ready && Gs_Repair_Nulls(m_state, false);
    const QString failed = ready ? upgradeInOneTransaction(oldVersion) : QStringLiteral("Cleaning Existing Data...");
    if (!failed.isEmpty()) {
        reportFailure(failed, oldVersion);
        return Outcome::Failed;
    }
    finish();
    return Outcome::Upgraded;
}

bool DatabaseUpgrade::askAndBackUp()
{
    m_state.LogWrite(kMsg, QStringLiteral("Upgrade Database"));
    m_state.LogWrite(kMsg, QStringLiteral("Backing Up Database before Upgrade"));
    m_state.prompter.status(QStringLiteral("Backing up current database..."));
    m_backupPath = m_backup ? m_backup() : QString();
    if (!m_backupPath.isEmpty())
        return true;
    m_state.prompter.information(QStringLiteral("Cannot upgrade database without creating a backup."));
    return false;
}

// Closes and opens the database again, as the upgrade does between its stages.
bool DatabaseUpgrade::reopen(const QString &closeText, const QString &openText)
{
    const QString path = m_state.databasePath;
    m_state.database.close();
    m_state.LogWrite(kMsg, closeText);
    if (!m_state.database.open(path))
        return false;
    m_state.LogWrite(kMsg, openText + path);
    return true;
}

QString DatabaseUpgrade::upgradeInOneTransaction(int oldVersion)
{
    Transaction transaction(m_state.database.handle());
    if (!transaction.isActive())
        return QStringLiteral("Upgrading Customer Data...");
    m_state.prompter.status(QStringLiteral("Upgrading Customer Data..."));
    m_state.prompter.working(QStringLiteral("Upgrading"));
    QString failed = rebuildTables(oldVersion);
    // The stored queries of old files are the program's own named statements here: nothing to refresh.
    if (failed.isEmpty()) {
        m_state.prompter.working(QStringLiteral("Setting Default Data"));
        m_state.prompter.status(QStringLiteral("Setting Default Data..."));
        failed = runCorrections(oldVersion);
    }
    if (failed.isEmpty() && !m_state.data.exec(kProcedure, QStringLiteral("Update Database_Version Set [DBVersion Number] = ?"),
                                               {kDatabaseVersion}))
        failed = QStringLiteral("Setting the version");
    if (failed.isEmpty() && !transaction.commit())
        failed = QStringLiteral("Saving the upgrade");
    return failed;
}

QString DatabaseUpgrade::rebuildTables(int oldVersion)
{
    TableRebuild rebuild(m_state.data, m_state.prompter, oldVersion, m_state.now());
    for (const auto &[table, status] : rebuildOrder()) {
        m_state.prompter.status(QString::fromLatin1(status));
        const bool existed = m_state.database.hasTable(QString::fromLatin1(table));
        if (!rebuild.rebuild(*findTable(QString::fromLatin1(table))))
            return QString::fromLatin1(status) + QStringLiteral(" (") + QString::fromLatin1(table) + QLatin1Char(')');
        // A file without customer texts gets the ones a new database starts with.
        if (!existed && QLatin1String(table) == QLatin1String("Translations") && m_state.seams.writeDefaultTranslations
            && !m_state.seams.writeDefaultTranslations(m_state.data))
            return QString::fromLatin1(status);
        step(QString::fromLatin1(table));
    }
    return {};
}

QString DatabaseUpgrade::runCorrections(int oldVersion)
{
    UpgradeFixes fixes(m_state, oldVersion);
    BalanceRows balances(m_state);
    const std::vector<std::pair<const char *, std::function<bool()>>> corrections = {
        {"Customers", [&] { return fixes.customers(); }},
        {"Earnings", [&] { return fixes.earnings(); }},
        {"Expenses", [&] { return fixes.expenses(); }},
        {"Options", [&] { return fixes.options(); }},
        {"Orders", [&] { return fixes.orders(); }},
        {"Balances", [&] { return (oldVersion >= 2 || balances.addBalanceRows()) && balances.removeComputedRows(oldVersion); }},
        {"Products", [&] { return fixes.products(); }},
        {"HelperPercents", [&] { return fixes.helperPercents(); }},
        {"Inventory", [&] { return fixes.inventory(); }}};
    for (const auto &[name, run] : corrections) {
        if (!run())
            return QStringLiteral("Setting Default Data... (") + QString::fromLatin1(name) + QLatin1Char(')');
        step(QStringLiteral("Set ") + QString::fromLatin1(name));
    }
    return {};
}

void DatabaseUpgrade::finish()
{
    m_state.prompter.status(QStringLiteral("Initializing New Data..."));
    if (reopen(QStringLiteral("Close DB - Gs_Upgrade_Db"), QStringLiteral("Open DB - Gs_Upgrade_Db (28) "))) {
        m_state.prompter.working(QStringLiteral("Initializing"));
        Gs_Repair_Nulls(m_state, false);
        m_state.prompter.status(QStringLiteral("Processing Product Baseline."));
        BaselineUpdateAll(m_state.data, m_state.prompter, QStringLiteral("UPGRADE"));
    }
    m_state.prompter.status(QStringLiteral("Upgrade Complete."));
    m_state.LogWrite(kMsg, QStringLiteral("Upgrade Database Complete"));
    m_state.prompter.working(QString());
    m_state.prompter.hourglass(false);
}

void DatabaseUpgrade::reportFailure(const QString &step, int oldVersion)
{
    m_state.LogWrite(kMsg, QStringLiteral("Upgrade Database Failed: ") + step);
    m_state.prompter.working(QString());
    m_state.prompter.hourglass(false);
    m_state.prompter.status(QString());
    m_state.prompter.information(
        lines({QStringLiteral("The upgrade of ") + m_state.databasePath + QStringLiteral(" stopped at: ") + step,
               QStringLiteral("Nothing of the upgrade was kept: the database is still at version %1.").arg(oldVersion),
               QStringLiteral("Your backup is ") + m_backupPath + QLatin1Char('.'),
               QStringLiteral("The upgrade will be tried again the next time the database is opened.")}),
        kMessageTitle, Icon::Exclamation);
}

QString backupBeside(AppState &state)
{
    const QString path = state.databasePath;
    QString target = autoBackupName(path);
    // A second upgrade in the same second (after an interrupted one) keeps the first copy.
    for (int copy = 2; QFileInfo::exists(target); ++copy)
        target = autoBackupName(path).replace(QStringLiteral(".ZELBK"), QStringLiteral("_%1.ZELBK").arg(copy));
    state.database.close();
    const bool done = compactInto(state, path, target, QStringLiteral("Gs_Upgrade_Db"));
    state.database.open(path);
    return done ? target : QString();
}

} // namespace zel::db
