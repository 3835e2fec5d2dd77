#include "session/database_commands.h"

#include "core/prompter.h"
#include "session/app_state.h"
#include "session/database_creation.h"
#include "session/database_files.h"
#include "session/leftover_copies.h"
#include "shell/last_used_list.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace zel::db {

namespace {

const QString kMsg = QStringLiteral("MSG");

const QString kProductDatabaseSentence = QStringLiteral(
    "This database appears to be a product import database.  This database should be imported by Utilities/Product "
    "Import and not opened directly as a customer order database.");

QString notFound(const QString &path)
{
    return path + QStringLiteral(" Not Found.\nPlease use File/Open to open an existing database.");
}

} // namespace

DatabaseCommands::DatabaseCommands(AppState &state) : m_state(state), m_session(state) {}

void DatabaseCommands::checkPoint(int step)
{
    m_state.errors.Gs_Check_Point(QStringLiteral("::Ms_New_Database %1").arg(step));
}

bool DatabaseCommands::Ms_New_Database()
{
    checkPoint(1);
    QString path = chooseDatabaseToWrite(m_state, QStringLiteral("Create New ZEL Database"),
                                         QStringLiteral("CustomerOrderDB.ZELDB"), settings::LastOpenDatabasePath);
    if (path.isEmpty())
        return false;
    checkPoint(2);
    if (QDir::fromNativeSeparators(path).toUpper().contains(QLatin1String("/DESKTOP/"))
        && !m_state.prompter.askYesNo(lines({QStringLiteral("Warning:  Your DATABASE should not be created on the desktop.  "
                                                            "Use My Documents or a User Created folder."),
                                             QString(),
                                             QStringLiteral("Do you wish to continue and create your database on the desktop?")}))) {
        return false;
    }
    checkPoint(3);
    if (m_state.isDatabaseOpen())
        m_session.closeDatabase(QStringLiteral("Ms_New_Database"));
    m_state.prompter.status(QStringLiteral("Building New Database..."));
    m_state.prompter.hourglass(true);
    m_state.prompter.working(QStringLiteral("Creating Database"));
    checkPoint(4);
    const bool created = Gfi_Create_Db(m_state, path);
    checkPoint(5);
    bool opened = false;
    if (created && m_session.connect(path, QStringLiteral("Menu New Db:") + path, QStringLiteral("Ms_New_Database"))) {
        checkPoint(6);
        m_session.activate(path);
        m_state.prompter.status(path.toUpper() + QStringLiteral(" has been created sucessfully."));
        m_state.prompter.beep();
        m_state.settings.write(settings::LastOpenDatabasePath, QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
        opened = true;
    }
    m_state.prompter.working(opened ? QStringLiteral("Complete") : QString());
    m_state.prompter.working(QString());
    m_state.prompter.hourglass(false);
    checkPoint(7);
    return opened;
}

bool DatabaseCommands::Ms_Open_Database(const QString &requested)
{
    QString path = requested;
    if (path == QLatin1String("NONE")) {
        path = Gfi_Open_Dialog(m_state, QStringLiteral("Open Existing ZEL Database"), QString());
        if (path.isEmpty())
            return false;
    } else if (path.size() > 300) {
        m_state.prompter.information(QStringLiteral(
            "Combined length of Path and Filename are too long.  Please select a different directory and/or filename."));
        return false;
    }
    if (QFileInfo(path).isDir()) {
        m_state.prompter.information(path + QStringLiteral(" is a folder, not a database.\nPlease choose the database file inside it."));
        return false;
    }
    if (!QFileInfo(path).isFile() && !offerWholeCopy(m_state, path, path + QStringLiteral(" Not Found."))) {
        m_state.prompter.information(notFound(path));
        return false;
    }
    if (!Gfi_Check_Open_File(m_state.prompter, path))
        return false;
    if (m_state.isDatabaseOpen())
        m_session.closeDatabase(QStringLiteral("Ms_Open_Database"));
    if (!m_session.connect(path, QStringLiteral("Menu Open:") + path, QStringLiteral("Ms_Open_Database")))
        return false;
    if (refusesProductDatabase() || hasNoMainTable()) {
        m_state.database.close();
        m_state.databaseState = AppState::DatabaseState::Closed;
        return false;
    }
    m_session.activate(path);
    return true;
}

// A product import database carries the customer "IMPORT" as number 1; the user decides.
bool DatabaseCommands::refusesProductDatabase()
{
    if (!m_state.database.hasTable(QStringLiteral("Customers")))
        return false;
    m_state.data.setSQL(QStringLiteral("Select Count(*) as CountEm From Customers Where [Customers Number] = 1 And "
                                       "Upper([Customers Last Name]) = 'IMPORT' "));
    RecordSet count = m_state.data.GetSnapShot(QStringLiteral("Ms_Open_Database"));
    if (!count.next() || count.value(0).toInt() != 1)
        return false;
    const Answer answer = m_state.prompter.ask({lines({kProductDatabaseSentence, QString(), QStringLiteral("Do you wish to CONTINUE?")}),
                                                QStringLiteral("Product Database Warning"), Buttons::YesNo, Answer::No,
                                                Icon::Exclamation});
    return answer != Answer::Yes;
}

bool DatabaseCommands::hasNoMainTable()
{
    static const char *const mainTables[] = {"Orders", "Customers", "Comments", "Dates", "Earnings",
                                             "Expenses", "Mileage", "Notes", "Options", "Totals"};
    for (const char *table : mainTables)
        if (m_state.database.hasTable(QString::fromLatin1(table)))
            return false;
    m_state.prompter.information(kProductDatabaseSentence);
    return true;
}

void DatabaseCommands::Ms_Close_Database()
{
    const QString path = m_state.databasePath;
    m_session.closeDatabase(QStringLiteral("Ms_Close_Database"));
    m_state.prompter.status(path.toUpper() + QStringLiteral(" has been closed."));
    if (!path.isEmpty())
        Gs_Save_Last_Used(m_state.settings, m_state.registry, path);
    m_state.options = cOption();
}

bool DatabaseCommands::Ms_Backup_Database()
{
    const QString current = m_state.databasePath;
    const QString target = chooseDatabaseToWrite(m_state, QStringLiteral("Create ZEL Backup Database"),
                                                 QFileInfo(current).baseName() + QStringLiteral("_Backup.ZELDB"),
                                                 settings::LastBackupPath);
    if (target.isEmpty())
        return false;
    if (QFileInfo(target).absoluteFilePath().toUpper() == QFileInfo(current).absoluteFilePath().toUpper()) {
        m_state.prompter.information(QStringLiteral("Cannot backup to same name as currently open database."));
        return false;
    }
    m_state.prompter.hourglass(true);
    const bool wasOpen = m_state.isDatabaseOpen();
    if (wasOpen)
        m_session.closeDatabase(QStringLiteral("Gfi_Backup_Db"));

    QString archive;
    if (QFileInfo::exists(target)) {
        archive = workCopyBeside(target);
        QFile::rename(target, archive);
        m_state.LogWrite(kMsg, QStringLiteral("Name ") + target + QStringLiteral(" as ") + archive);
    }
    m_state.LogWrite(kMsg, QStringLiteral("Backup-Compact DB ") + current + QStringLiteral(" to ") + target);
    const bool done = compactInto(m_state, current, target, QStringLiteral("Gfi_Backup_Db"));
    if (wasOpen && (!m_state.seams.checkDbVersion || m_state.seams.checkDbVersion(current))
        && m_session.reopenDatabase(QStringLiteral("Gfi_Backup_Db")))
        m_state.LogWrite(kMsg, QStringLiteral("Open DB - Gfi_Backup_Db ") + current);
    m_state.prompter.hourglass(false);
    if (!done)
        return false;

    QStringList message{target + QStringLiteral(" has been created SUCCESSFULLY!")};
    if (!archive.isEmpty())
        message << QString() << QStringLiteral("Your last backup has been archived to ") + archive
                                    + QStringLiteral(" and will be retained for 30 days.");
    m_state.prompter.information(lines(message));
    m_state.settings.write(settings::LastBackupPath, QDir::toNativeSeparators(QFileInfo(target).absolutePath()));
    m_lastBackup = target;
    m_state.LogWrite(kMsg, m_state.isDatabaseOpen() ? QStringLiteral("GFI_BACKUP_DB Complete, Database status: OPEN")
                                                    : QStringLiteral("GFI_BACKUP_DB Complete, Database status: CLOSED"));
    return true;
}

bool DatabaseCommands::Ms_Compact_Database()
{
    return compactOrRepair(false);
}

bool DatabaseCommands::Ms_Repair_Database()
{
    return compactOrRepair(true);
}

bool DatabaseCommands::compactOrRepair(bool repair)
{
    const bool wasOpen = m_state.isDatabaseOpen();
    QString path = m_state.databasePath;
    if (wasOpen) {
        m_session.closeDatabase(QStringLiteral("Ms_Compact_Database"));
        m_state.prompter.status(path.toUpper() + (repair ? QStringLiteral(" Repairing / Compacting.") : QStringLiteral(" is compacting.")));
    } else {
        path = Gfi_Open_Dialog(m_state, repair ? QStringLiteral("Repair ZEL Database") : QStringLiteral("Compact ZEL Database"),
                               QStringLiteral("ZELDB.ZELDB"));
        if (path.isEmpty())
            return false;
        if (!QFileInfo(path).isFile()) {
            m_state.prompter.information(path + QStringLiteral(" Not Found."));
            return false;
        }
        m_state.prompter.status(repair ? QStringLiteral("Repairing / Compacting...") : QStringLiteral("Compacting..."));
    }
    // Compacting writes the file anew: one the user may not write is left exactly as it is.
    if (!DatabaseConnection::isWritable(path)) {
        m_state.prompter.information(lines({path, QString(),
                                            QStringLiteral("This database can only be read: the file or its folder is read-only. "
                                                           "Nothing has been changed.")}));
        if (wasOpen)
            m_session.reopenDatabase(QStringLiteral("Ms_Compact_Database"));
        return false;
    }
    // A damaged file cannot be compacted: what can still be read of it is rescued first.
    if (repair && m_state.seams.damageOf) {
        if (const QString damage = m_state.seams.damageOf(path);
            !damage.isEmpty() && !(m_state.seams.rescueDamaged && m_state.seams.rescueDamaged(path, damage))) {
            if (wasOpen)
                m_session.reopenDatabase(QStringLiteral("Ms_Compact_Database"));
            return false;
        }
    }
    m_state.prompter.hourglass(true);
    const bool done = Gfi_Compact_File(m_state, path);
    m_state.prompter.hourglass(false);

    const bool reopened = wasOpen && m_session.reopenDatabase(QStringLiteral("Ms_Compact_Database"));
    if (repair && done)
        repairNulls(path, reopened);
    if (wasOpen) {
        if (done)
            m_state.prompter.status(path.toUpper() + QStringLiteral(" has been compacted."));
        if (reopened)
            m_state.prompter.status(path.toUpper() + QStringLiteral(" has been opened."));
    } else if (done) {
        m_state.prompter.status(repair ? QStringLiteral("Repairing / Compacting Complete.") : QStringLiteral("Compacting Complete."));
    }
    return done;
}

// The null repair runs on the repaired file; a file that was not the open database is closed again.
void DatabaseCommands::repairNulls(const QString &path, bool isOpenDatabase)
{
    if (!m_state.seams.repairNulls)
        return;
    if (isOpenDatabase) {
        m_state.seams.repairNulls();
        return;
    }
    if (!m_state.database.open(path))
        return;
    m_state.seams.repairNulls();
    m_state.database.close();
    m_state.LogWrite(kMsg, QStringLiteral("Close DB - Ms_Compact_Database"));
}

bool DatabaseCommands::Gfi_Restore_Db()
{
    FileChoice from;
    from.title = QStringLiteral("Select ZEL Backup Database To RESTORE FROM.");
    from.filter = kRestoreFilter;
    from.startFolder = m_state.settings.read(settings::LastRestoreFromPath);
    const QString backup = m_state.prompter.chooseFile(from);
    if (backup.isEmpty())
        return false;
    m_state.LogWrite(kMsg, QStringLiteral("Restore database from:") + backup);

    const QString target = chooseDatabaseToWrite(m_state, QStringLiteral("Enter NEW ZEL Database Name To Create."), QString(),
                                                  settings::LastRestoreToPath);
    if (target.isEmpty())
        return false;
    m_state.LogWrite(kMsg, QStringLiteral("Restore database to:") + target);
    if (QFileInfo(backup).absoluteFilePath().toUpper() == QFileInfo(target).absoluteFilePath().toUpper()) {
        m_state.prompter.information(QStringLiteral("New database name must be different from the backup name."));
        return false;
    }
    if (!m_state.prompter.askYesNo(lines({QStringLiteral("Restore Backup Database: ") + backup,
                                          QStringLiteral("Into New Database: ") + target, QString(),
                                          QStringLiteral("Do you wish to continue?")})))
        return false;
    if (QFileInfo::exists(target)) {
        m_state.prompter.information(QStringLiteral("File ") + target + QStringLiteral(" already exists.  Please choose a different name."));
        return false;
    }

    m_state.prompter.hourglass(true);
    if (m_state.isDatabaseOpen())
        m_session.closeDatabase(QStringLiteral("Gfi_Restore_Db"));
    m_state.prompter.working(QStringLiteral("Restoring"));
    m_state.prompter.status(QStringLiteral("Restoring Database..."));
    const bool done = compactInto(m_state, backup, target, QStringLiteral("Gfi_Restore_Db"));
    m_state.prompter.working(QString());
    m_state.prompter.hourglass(false);
    if (!done)
        return false;
    m_state.prompter.status(QStringLiteral("Restore Complete"));
    m_state.prompter.information(lines({QStringLiteral("Restore Complete."), QString(),
                                        QStringLiteral("ZEL will now exit, please restart ZEL and your restored database "
                                                       "will be opened.")}));
    m_state.LogWrite(kMsg, QStringLiteral("Restore Complete"));

    if (m_session.connect(target, QStringLiteral("Menu Restore:") + target, QStringLiteral("Gfi_Restore_Db")))
        m_session.activate(target);
    m_state.databasePath = target;
    Gs_Save_Last_Used(m_state.settings, m_state.registry, target);
    m_state.settings.write(settings::LastStatus, settings::kEndedOk);
    m_state.settings.write(settings::LastRestoreFromPath, QDir::toNativeSeparators(QFileInfo(backup).absolutePath()));
    m_state.settings.write(settings::LastRestoreToPath, QDir::toNativeSeparators(QFileInfo(target).absolutePath()));
    return true;
}

} // namespace zel::db
