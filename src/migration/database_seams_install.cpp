#include "migration/database_seams_install.h"

#include "core/prompter.h"
#include "migration/database_rescue.h"
#include "migration/upgrade.h"
#include "migration/upgrade_check.h"
#include "migration/upgrade_repair.h"
#include "options/translations.h"
#include "session/app_state.h"
#include "session/database_commands.h"
#include "session/database_creation.h"
#include "session/database_files.h"
#include "session/leftover_copies.h"

namespace zel::db {

void installDatabaseSeams(AppState &state)
{
    DatabaseSeams &seams = state.seams;
    seams.checkOpenFile = [&state](const QString &path) { return Gfi_Check_Open_File(state.prompter, path); };
    seams.loadOptions = [&state] { state.options.OptionGet(state.data, state.prompter); };
    seams.saveOptions = [&state] { state.options.OptionSave(state.data); };
    seams.createWorkTables = [&state] { createWorkTables(state); };
    seams.deleteArchives = [](const QString &pattern) { Gs_Delete_Archives(pattern); };
    seams.autoBackup = [&state](const QString &path) { Gfi_Auto_Backup(state, path); };
    seams.manualBackup = [&state] { DatabaseCommands(state).Ms_Backup_Database(); };
    seams.compactFile = [&state](const QString &path) { Gfi_Compact_File(state, path); };
    seams.noticeLeftovers = [&state](const QString &path) { noticeUnfinishedCopies(state, path); };
    seams.offerWholeCopy = [&state](const QString &path, const QString &problem) { return offerWholeCopy(state, path, problem); };
    seams.damageOf = [](const QString &path) { return DatabaseRescue::damage(path); };
    seams.rescueDamaged = [&state](const QString &path, const QString &damage) {
        DatabaseRescue rescue(state);
        switch (rescue.rescueInPlace(path, damage)) {
        case DatabaseRescue::InPlace::Declined: return false;
        case DatabaseRescue::InPlace::Failed: state.prompter.information(rescue.error()); return false;
        case DatabaseRescue::InPlace::Rescued: break;
        }
        state.prompter.information(lines(QStringList{QStringLiteral("The database has been rescued. The damaged file is kept as ")
                                                         + rescue.keptAs() + QLatin1Char('.'), QString()}
                                         + rescue.account().lines()));
        return true;
    };
    seams.checkDbVersion = [&state](const QString &path) { return Gs_CheckDBVersion(state, path); };
    seams.upgradeDb = [&state] { DatabaseUpgrade(state).Gs_Upgrade_Db(); };
    seams.repairNulls = [&state] { Gs_Repair_Nulls(state, true); };
    seams.writeDefaultTranslations = [](cDataAccess &data) { return translations::writeDefaultRows(data); };
}

} // namespace zel::db
