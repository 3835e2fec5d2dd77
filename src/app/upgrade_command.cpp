#include "app/upgrade_command.h"

#include "app/command_line.h"
#include "app/command_session.h"
#include "db/jet_conversion.h"
#include "db/jet_reader.h"
#include "db/schema.h"
#include "migration/database_rescue.h"
#include "migration/upgrade.h"
#include "migration/upgrade_check.h"
#include "migration/upgrade_repair.h"
#include "session/database_files.h"
#include "shell/access_header.h"
#include "shell/database_connection.h"

#include <QFileInfo>
#include <QTextStream>

namespace zel {

namespace {

bool isFile(const QString &file, QTextStream &err)
{
    if (QFileInfo(file).isFile())
        return true;
    err << file << (QFileInfo(file).isDir() ? " is a folder, not a database.\n" : " Not Found.\n");
    return false;
}

int convertCommand(const QString &source, const QString &target, QTextStream &out, QTextStream &err)
{
    if (!isFile(source, err))
        return 1;
    if (const QString problem = accessHeaderProblem(accessHeaderOf(source)); !problem.isEmpty()) {
        err << source << ' ' << problem << ".\n";
        return 1;
    }
    if (QFileInfo::exists(target)) {
        err << target << " already exists; choose another name.\n";
        return 1;
    }
    const db::JetConversion::Result result = db::JetConversion::convert(source, target, false);
    if (!result.ok()) {
        err << source << ": " << result.error << '\n';
        return 1;
    }
    out << "Converted " << source << " to " << target << ": " << result.tables << " tables, " << result.rows << " rows\n";
    if (!result.incomplete.isEmpty())
        err << source << ": " << result.incompleteWarning() << '\n';
    return 0;
}

QString notCompleted(const QString &file, int version, const QString &backup)
{
    QString line = QStringLiteral("The upgrade of %1 did not complete; the database is still at version %2.").arg(file).arg(version);
    if (!backup.isEmpty())
        line += QStringLiteral(" Your backup is %1.").arg(backup);
    return line;
}

int upgradeCommand(const CommandLine &line, const QString &file, QTextStream &out, QTextStream &err)
{
    if (!isFile(file, err))
        return 1;
    CommandSession session(line, err);
    AppState &state = session.state();
    // No dialog can ask for the backup here: it is written beside the database.
    std::optional<db::DatabaseUpgrade::Outcome> outcome;
    int before = 0;
    QString backup;
    state.seams.upgradeDb = [&] {
        before = db::DatabaseUpgrade::storedVersion(state.data);
        db::DatabaseUpgrade upgrade(state);
        upgrade.setBackup([&state] { return db::backupBeside(state); });
        try {
            outcome = upgrade.Gs_Upgrade_Db();
        } catch (const CommandStopped &stopped) {
            // A statement the file cannot run ends the command before the upgrade's own message; its
            // transaction is already undone, so say that, and where the backup is.
            throw CommandStopped{stopped.line + QLatin1Char('\n') + notCompleted(file, before, upgrade.backupPath()), stopped.exitCode};
        }
        backup = upgrade.backupPath();
    };
    if (!session.openDatabase(file) || !outcome)
        return 1;
    switch (*outcome) {
    case db::DatabaseUpgrade::Outcome::Current: out << file << " is at version " << db::kDatabaseVersion << "; nothing to do.\n"; return 0;
    case db::DatabaseUpgrade::Outcome::Upgraded:
        out << "Upgraded " << file << " from version " << before << " to " << db::kDatabaseVersion << "; backup: " << backup << '\n';
        return 0;
    case db::DatabaseUpgrade::Outcome::Declined: err << "The upgrade of " << file << " was cancelled; nothing was changed.\n"; return 1;
    default: err << notCompleted(file, before, backup) << '\n'; return 1;
    }
}

// A damaged file is rescued into a new one, which takes its name once it is complete; the damaged
// file is kept beside it under another name. False when she said no or nothing could be rescued.
bool rescueDamaged(AppState &state, const QString &file, const QString &damage, QTextStream &out, QTextStream &err)
{
    db::DatabaseRescue rescue(state);
    switch (rescue.rescueInPlace(file, damage)) {
    case db::DatabaseRescue::InPlace::Declined: err << file << ": not rescued; nothing was changed.\n"; return false;
    case db::DatabaseRescue::InPlace::Failed: err << rescue.error() << '\n'; return false;
    case db::DatabaseRescue::InPlace::Rescued: break;
    }
    out << "Rescued " << file << " (the damaged file is kept as " << rescue.keptAs() << ")\n";
    for (const QString &line : rescue.account().lines())
        out << line << '\n';
    return true;
}

int repairCommand(const CommandLine &line, const QString &file, QTextStream &out, QTextStream &err)
{
    if (!isFile(file, err))
        return 1;
    // A repair writes the file anew; one the user may not write is left exactly as it is.
    if (!DatabaseConnection::isWritable(file)) {
        err << file << ": this database can only be read (the file or its folder is read-only); it has not been repaired.\n";
        return 1;
    }
    CommandSession session(line, err);
    AppState &state = session.state();
    if (const QString damage = db::DatabaseRescue::damage(file); !damage.isEmpty()) {
        session.setAnsweringOptions(QStringLiteral("--yes or --no"));
        if (!rescueDamaged(state, file, damage, out, err))
            return 1;
    }
    state.seams.upgradeDb = nullptr; // a repair mends the file as it is
    if (!db::Gs_CheckDBVersion(state, file) || !db::Gfi_Compact_File(state, file) || !session.openDatabase(file))
        return 1;
    if (!db::Gs_Repair_Nulls(state, true)) {
        err << file << ": the repair did not complete; nothing was changed by it.\n";
        return 1;
    }
    out << "Repaired " << file << '\n';
    return 0;
}

} // namespace

int runUpgradeVerb(const CommandLine &line, const QString &verb, const QStringList &files, QTextStream &out, QTextStream &err)
{
    if (verb == QLatin1String("upgrade") && files.size() == 1)
        return upgradeCommand(line, files.at(0), out, err);
    if (verb == QLatin1String("repair") && files.size() == 1)
        return repairCommand(line, files.at(0), out, err);
    if (verb == QLatin1String("convert") && files.size() == 2)
        return convertCommand(files.at(0), files.at(1), out, err);
    return -1;
}

} // namespace zel
