#pragma once

#include <QString>

#include <functional>

namespace zel {

class AppState;
class cDataAccess;

namespace db {

// Gs_Upgrade_Db: brings the open database from its stored version up to this program's version.
// After the user's consent and a backup, every table is rebuilt into the current layout and the
// corrections of each later version run; all of that, with the new version number, is one
// transaction, so a failure or a crash part-way leaves the database exactly at its old version,
// and the next open tries again.
class DatabaseUpgrade
{
public:
    enum class Outcome { Current, Upgraded, Refused, Declined, NoBackup, Failed };

    explicit DatabaseUpgrade(AppState &state);

    // How the copy before the upgrade is made: returns its path, or an empty text when none was
    // made. The default is the File menu's backup, which asks where to write it.
    void setBackup(std::function<QString()> backup) { m_backup = std::move(backup); }
    // Called after each rebuilt table and each group of corrections with its name, inside the
    // transaction (tests stop the upgrade there).
    void setAfterStep(std::function<void(const QString &step)> afterStep) { m_afterStep = std::move(afterStep); }

    Outcome Gs_Upgrade_Db();
    // The backup the last upgrade made.
    const QString &backupPath() const { return m_backupPath; }

    // The stored version of the open database: 0 without Database_Version or its row.
    static int storedVersion(cDataAccess &data);

private:
    bool prepareVersionTable();
    bool askAndBackUp();
    bool reopen(const QString &procedure, const QString &logText);
    // Rebuilds and corrections with the new version number, in one transaction; the text of
    // the step that failed, or an empty text.
    QString upgradeInOneTransaction(int oldVersion);
    QString rebuildTables(int oldVersion);
    QString runCorrections(int oldVersion);
    void finish();
    void reportFailure(const QString &step, int oldVersion);
    void step(const QString &name);

    AppState &m_state;
    std::function<QString()> m_backup;
    std::function<void(const QString &)> m_afterStep;
    QString m_backupPath;
};

// The backup the command line makes before an upgrade: a compacted copy beside the database,
// named as the automatic backup at exit. Returns its path, or an empty text when it failed.
QString backupBeside(AppState &state);

} // namespace db
} // namespace zel
