#include "desktop/main_menu_operations.h"

#include "core/prompter.h"
#include "core/text.h"
#include "db/schema.h"
#include "desktop/start_command.h"
#include "desktop/startup.h"
#include "session/app_state.h"
#include "shell/captions.h"
#include "shell/last_used_list.h"
#include "shell/transaction.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include <vector>

namespace zel {

namespace {
const QString kMsg = QStringLiteral("MSG");
const QString kArchivePattern = QStringLiteral("*.ZELWK");
} // namespace

MainMenuOperations::MainMenuOperations(AppState &state) : DatabaseSession(state), m_state(state) {}

bool MainMenuOperations::loadDatabase(const StartCommand &command)
{
    if (command.repair)
        return false;
    m_state.prompter.hourglass(true);
    m_state.databaseState = AppState::DatabaseState::Closed;
    const QString path = Startup(m_state).Gs_Get_Last_Used(command);
    bool opened = false;
    if (!path.isEmpty())
        opened = openDatabase(path, QStringLiteral("Auto Open:") + path, QStringLiteral("ZEL_Main_Load"));
    m_state.prompter.hourglass(false);
    if (!opened)
        showNoDatabaseMessage();
    return opened;
}

void MainMenuOperations::markRunning()
{
    m_state.settings.write(settings::LastStatus, settings::kRunning);
}

bool MainMenuOperations::stepCampaign(bool forward)
{
    const bool changed = forward ? m_state.options.CampaignIncrement() : m_state.options.CampaignDecrement();
    if (!changed) {
        m_state.prompter.beep();
        return false;
    }
    if (m_state.seams.saveOptions)
        m_state.seams.saveOptions();
    return true;
}

QString MainMenuOperations::windowTitle() const
{
    if (!m_state.isDatabaseOpen())
        return QStringLiteral("ZEL (No Database Open)");
    return Gs_Window_Title(m_state.options.CurrentCampaignNumber, m_state.options.CurrentCampaignYear, m_state.version);
}

QString MainMenuOperations::backupTooltip() const
{
    if (!m_state.isDatabaseOpen())
        return QStringLiteral("No Database Opened");
    return QStringLiteral("Backup Destination: ") + QDir::toNativeSeparators(QFileInfo(m_state.databasePath).absolutePath());
}

QString MainMenuOperations::clockText(const QDateTime &now, const QLocale &locale) const
{
    QString text = locale.toString(now.date(), QLocale::LongFormat) + QStringLiteral("  -  ")
                 + timeWithSeconds(now.time(), locale) + QLatin1Char('\n');
    if (!m_state.isDatabaseOpen())
        return text + QStringLiteral("No Database is open.");
    // Blanks around each separator let a long path wrap in the label.
    QString path = m_state.databasePath.toUpper();
    path.replace(QLatin1Char('\\'), QLatin1String(" \\ ")).replace(QLatin1Char('/'), QLatin1String(" / "));
    return text + QStringLiteral("Current Database File is: ") + path;
}

bool MainMenuOperations::isSampleDatabase() const
{
    return m_state.isDatabaseOpen() && m_state.databasePath.toUpper().contains(QLatin1String("SAMPLE"));
}

void MainMenuOperations::showSampleWarning()
{
    m_state.prompter.information(lines({QStringLiteral("Warning: The current database may be the Sample DB."), QString(),
                                        QStringLiteral("Use File/Close, File/New Database to create a new database for "
                                                       "your customers/orders.")}));
}

void MainMenuOperations::showNoDatabaseMessage()
{
    m_state.prompter.information(lines(
        {QStringLiteral("No Database has been Opened."), QString(),
         QStringLiteral("When the ZEL Main Menu appears, please use the File Menu to:"), QString(),
         QStringLiteral("Open an Existing Database."), QStringLiteral("Create a New Database."),
         QStringLiteral("Select a previously created database from the list at the bottom of the File Menu (if present).")}));
}

bool MainMenuOperations::askProductFileReminder(const QDate &today)
{
    if (!m_state.isDatabaseOpen() || today.day() % 7 != 0 || !m_state.database.hasTable(QStringLiteral("Products")))
        return false;
    m_state.data.setSQL(QStringLiteral("Select Count(*) as Countem From Products "));
    RecordSet count = m_state.data.GetSnapShot(QStringLiteral("askProductFileReminder"));
    if (!count.next() || count.value(0).toInt() <= 25000)
        return false;
    return m_state.prompter.askYesNo(lines(
        {QStringLiteral("Your product file has grown to over 25,000 products."),
         QStringLiteral("To keep ZEL optimized, old products should be deleted."),
         QStringLiteral("This can be performed using Main Menu/Utilities/Tab 1 Delete."),
         QStringLiteral("Products can be deleted by Campaign Year / Campaign Number."), QString(),
         QStringLiteral("Products with 'Quantity On Hand' can be preserved."), QString(),
         QStringLiteral("Deleting products does NOT affect orders or order history."), QString(),
         QStringLiteral("Do you wish to go to Utilites now?")}));
}

ExitChoices MainMenuOperations::readExitChoices() const
{
    const auto selected = [this](const IniKey &key) {
        return m_state.settings.read(key).trimmed().toUpper() == QLatin1String("TRUE");
    };
    // The three are one group of choices: like option buttons set in turn, the last one set wins.
    ExitChoices choices;
    if (selected(settings::BackupManual))
        choices.backup = ExitChoices::Backup::Manual;
    if (selected(settings::BackupNone))
        choices.backup = ExitChoices::Backup::None;
    choices.compress = m_state.settings.read(settings::Compress).toDouble() != 0;
    return choices;
}

void MainMenuOperations::writeExitChoices(const ExitChoices &choices)
{
    const auto flag = [](bool on) { return on ? QStringLiteral("True") : QStringLiteral("False"); };
    m_state.settings.write(settings::BackupAuto, flag(choices.backup == ExitChoices::Backup::Auto));
    m_state.settings.write(settings::BackupManual, flag(choices.backup == ExitChoices::Backup::Manual));
    m_state.settings.write(settings::BackupNone, flag(choices.backup == ExitChoices::Backup::None));
    m_state.settings.write(settings::Compress, choices.compress ? QStringLiteral("1") : QStringLiteral("0"));
}

void MainMenuOperations::Ms_Shutdown(const ExitChoices &choices)
{
    if (m_state.isDatabaseOpen()) {
        if (QCoreApplication::instance())
            QCoreApplication::processEvents();
        mUpdateDateTable();
    }
    writeExitChoices(choices);
    if (!m_state.databasePath.isEmpty())
        Gs_Save_Last_Used(m_state.settings, m_state.registry, m_state.databasePath);
    if (m_state.isDatabaseOpen()) {
        m_state.LogWrite(kMsg, QStringLiteral("Ms_Shutdown, CALL ms_Delete_Temp_Tables"));
        Ms_Delete_Temp_Tables();
        closeDatabase(QStringLiteral("Ms_Shutdown"));
    }
    m_state.settings.write(settings::LastStatus, settings::kEndedOk);
    deleteArchives();
    backupAndCompact(choices);
    m_state.LogWrite(kMsg, QStringLiteral("Ending Program"));
}

void MainMenuOperations::deleteArchives()
{
    if (!m_state.seams.deleteArchives)
        return;
    m_state.LogWrite(kMsg, QStringLiteral("Ms_Shutdown - Gs_Delete_Archives 1"));
    m_state.seams.deleteArchives(QDir(m_state.paths.appFolder).filePath(kArchivePattern));
    if (m_state.databasePath.isEmpty())
        return;
    m_state.LogWrite(kMsg, QStringLiteral("Ms_Shutdown - Gs_Delete_Archives 2"));
    m_state.seams.deleteArchives(QFileInfo(m_state.databasePath).absoluteDir().filePath(kArchivePattern));
}

void MainMenuOperations::backupAndCompact(const ExitChoices &choices)
{
    const QString path = m_state.databasePath;
    if (!path.isEmpty() && choices.backup == ExitChoices::Backup::Auto && m_state.seams.autoBackup) {
        m_state.LogWrite(kMsg, QStringLiteral("Backup Database on Exit"));
        m_state.seams.autoBackup(path);
    }
    if (!path.isEmpty() && choices.backup == ExitChoices::Backup::Manual && m_state.seams.manualBackup) {
        m_state.LogWrite(kMsg, QStringLiteral("Backup Database on Exit"));
        m_state.seams.manualBackup();
    }
    if (!path.isEmpty() && choices.compress && m_state.seams.compactFile) {
        if (m_state.isDatabaseOpen())
            closeDatabase(QStringLiteral("Ms_Shutdown"));
        m_state.LogWrite(kMsg, QStringLiteral("Compress Database On Exit"));
        m_state.seams.compactFile(path);
    }
}

void MainMenuOperations::mUpdateDateTable()
{
    if (!m_state.database.hasTable(QStringLiteral("Dates")))
        return;
    const QDate yesterday = QDate::currentDate().addDays(-1);
    m_state.data.setSQL(QStringLiteral("Select * From Dates Where [Dates Auto Update Year] = 'Y' "));
    RecordSet rows = m_state.data.GetRecordSet(QStringLiteral("mUpdateDateTable"));
    std::vector<std::pair<QVariant, QDateTime>> due;
    while (rows.next()) {
        const auto when = fromDbDateTime(rows.value(QStringLiteral("Dates Date")));
        if (when && when->date() <= yesterday)
            due.emplace_back(rows.value(QStringLiteral("Dates ID")), when->addYears(1));
    }
    if (due.empty())
        return;
    Transaction transaction(m_state.database.handle());
    for (const auto &[id, moved] : due) {
        m_state.data.setSQL(QStringLiteral("Update Dates Set [Dates Date] = ? Where [Dates ID] = ?"),
                            {toDbDateTime(moved), id});
        if (!m_state.data.ExecSql(QStringLiteral("mUpdateDateTable")))
            return;
    }
    transaction.commit();
}

void MainMenuOperations::Ms_Delete_Temp_Tables()
{
    for (const QString &table : m_state.database.tableNames()) {
        if (!db::isTemporaryTableName(table))
            continue;
        QString name = table;
        m_state.data.setSQL(QStringLiteral("Drop Table \"") + name.replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"'));
        m_state.data.ExecSql(QStringLiteral("Ms_Delete_Temp_Tables"));
    }
}

} // namespace zel
