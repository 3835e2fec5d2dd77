#include "session/database_files.h"

#include "core/prompter.h"
#include "core/text.h"
#include "db/durable_file.h"
#include "db/exclusive_database.h"
#include "session/app_state.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace zel::db {

namespace {

const QString kMsg = QStringLiteral("MSG");
constexpr int kLongestPath = 300; // what the settings files can hold

QString folderOf(const QString &path)
{
    return QFileInfo(path).absolutePath();
}

QString inFolder(const QString &folder, const QString &name)
{
    return QDir(folder).filePath(name);
}

void remember(AppState &state, const IniKey &key, const QString &path)
{
    state.settings.write(key, QDir::toNativeSeparators(folderOf(path)));
}

} // namespace

bool Gfi_Check_Open_File(Prompter &prompter, const QString &path)
{
    const QString upper = path.toUpper();
    static const char *const restoreOnly[] = {"BKZELDB.MDB", "BKZELDB.ZELDB", "ZEL_BACK.MDB", "ZEL_BACK.ZELDB",
                                               "ZEL_TEMP.MDB", "ZEL_TEMP.ZELDB", ".ZELWK", ".ZELBK", "_BACKUP"};
    for (const char *text : restoreOnly) {
        if (upper.contains(QLatin1String(text))) {
            prompter.information(QStringLiteral("File ") + path
                                 + QStringLiteral(" can not be opened as a database, please use File/Restore."));
            return false;
        }
    }
    if (upper.contains(QLatin1String(".ZELPD"))) {
        prompter.information(QStringLiteral("Product Database File ") + path
                             + QStringLiteral(" can not be opened as a database, please use Main Menu/Utilities/Import."));
        return false;
    }
    if (upper.contains(QLatin1String(".ZIP"))) {
        prompter.information(QStringLiteral("Zip files can not be opened as a database."));
        return false;
    }
    return true;
}

QString Gfi_Work_File_Name(const QString &pathOrName)
{
    static qint64 previousSecond = -1; // per run, as the names must differ within it
    const qint64 second = Clock::run().secondOtherThan(previousSecond);
    previousSecond = second;
    QString name = pathOrName;
    name.replace(QLatin1Char('.'), QLatin1Char('_'));
    return name + QLatin1Char('_') + QDateTime::fromSecsSinceEpoch(second).toString(QStringLiteral("yyyyMMddHHmmss"))
         + QStringLiteral(".ZELWK");
}

QString workCopyBeside(const QString &path)
{
    const QFileInfo info(path);
    return inFolder(info.absolutePath(), Gfi_Work_File_Name(info.fileName()));
}

QString autoBackupName(const QString &path)
{
    const QFileInfo info(path);
    QString name = Gfi_Work_File_Name(info.baseName());
    name.replace(QLatin1String(".ZELWK"), QLatin1String(".ZELBK"));
    return inFolder(info.absolutePath(), name);
}

QString Gfi_Open_Dialog(AppState &state, const QString &title, const QString &defaultName)
{
    FileChoice choice;
    choice.title = title;
    choice.filter = kDatabaseFilter;
    choice.startFolder = state.settings.read(settings::LastOpenDatabasePath);
    choice.defaultName = defaultName;
    choice.defaultExtension = QStringLiteral("ZELDB");
    const QString path = state.prompter.chooseFile(choice);
    if (path.isEmpty())
        return {};
    if (path.size() > kLongestPath) {
        state.prompter.information(QStringLiteral(
            "Combined length of Path and Filename are too long.  Please select a different directory and/or filename."));
        return {};
    }
    if (!Gfi_Check_Open_File(state.prompter, path))
        return {};
    remember(state, settings::LastOpenDatabasePath, path);
    return path;
}

QString chooseDatabaseToWrite(AppState &state, const QString &title, const QString &defaultName, const IniKey &folderKey)
{
    FileChoice choice;
    choice.mode = FileChoice::Mode::Save;
    choice.title = title;
    choice.filter = kDatabaseFilter;
    choice.startFolder = state.settings.read(folderKey);
    choice.defaultName = defaultName;
    choice.defaultExtension = QStringLiteral("ZELDB");
    const QString path = state.prompter.chooseFile(choice);
    if (path.size() > kLongestPath) {
        state.prompter.information(QStringLiteral(
            "Combined length of Path and Filename are too long.  Please select a different directory and/or filename."));
        return {};
    }
    return path;
}

namespace {

// Holds `path` for this process alone; an error goes through the error report, a file in use is
// only told about.
bool holdForCopy(AppState &state, ExclusiveDatabase &database, const QString &path, const QString &procedure)
{
    for (;;) {
        switch (database.hold(path)) {
        case ExclusiveDatabase::Outcome::Held:
            return true;
        case ExclusiveDatabase::Outcome::InUse:
            state.LogWrite(kMsg, QStringLiteral("In use by another program: ") + path);
            state.prompter.information(inUseMessage(path));
            return false;
        case ExclusiveDatabase::Outcome::Failed:
            if (state.errors.Gs_Error_Report(procedure, ErrorInfo{0, database.errorString(), 0}) == Answer::Ignore)
                return false;
        }
    }
}

bool copyHeld(AppState &state, ExclusiveDatabase &database, const QString &target, PutMode mode, const QString &procedure)
{
    return state.errors.retryUntilDone(procedure, [&]() -> std::optional<ErrorInfo> {
        if (mode == PutMode::NeverReplace && QFileInfo::exists(target))
            return ErrorInfo{0, QStringLiteral("File ") + target + QStringLiteral(" already exists"), 0};
        state.errors.setLastSql(QStringLiteral("VACUUM INTO ") + sqlQuote(unfinishedName(target)));
        const QString error = database.copyTo(target, mode);
        if (error.isEmpty())
            return std::nullopt;
        return ErrorInfo{0, error, 0};
    });
}

} // namespace

bool compactInto(AppState &state, const QString &source, const QString &target, const QString &procedure)
{
    ExclusiveDatabase database;
    return holdForCopy(state, database, source, procedure) && copyHeld(state, database, target, PutMode::NeverReplace, procedure);
}

// The database itself is only ever replaced whole, by one rename of a finished copy; the archive
// is a copy made first, so the path always holds the database as it was or as it is now.
bool Gfi_Compact_File(AppState &state, const QString &path)
{
    const QString procedure = QStringLiteral("Gfi_Compact_File");
    const QFileInfo info(path);
    const QString compactCopy = inFolder(info.absolutePath(), Gfi_Work_File_Name(info.baseName() + QStringLiteral("_Compact")));
    const QString archive = inFolder(info.absolutePath(), Gfi_Work_File_Name(info.baseName() + QStringLiteral("_Archive")));

    ExclusiveDatabase original;
    if (!holdForCopy(state, original, path, procedure))
        return false;
    state.prompter.working(QStringLiteral("Compacting"));
    state.LogWrite(kMsg, QStringLiteral("Compact Starting... "));
    state.LogWrite(kMsg, QStringLiteral("Compact ") + path + QStringLiteral(" as ") + compactCopy);
    bool done = copyHeld(state, original, compactCopy, PutMode::NeverReplace, procedure);
    if (done) {
        state.LogWrite(kMsg, QStringLiteral("Archive ") + path + QStringLiteral(" as ") + archive);
        done = copyHeld(state, original, archive, PutMode::NeverReplace, procedure);
    }
    if (done) {
        state.LogWrite(kMsg, QStringLiteral("Compact ") + compactCopy + QStringLiteral(" as ") + path);
        ExclusiveDatabase compacted;
        done = holdForCopy(state, compacted, compactCopy, procedure)
            && copyHeld(state, compacted, path, PutMode::Replace, procedure);
    }
    if (done)
        state.LogWrite(kMsg, QStringLiteral("Compact Complete "));
    state.prompter.working(done ? QStringLiteral("Complete") : QString());
    state.prompter.working(QString());
    return done;
}

bool Gfi_Auto_Backup(AppState &state, const QString &path)
{
    const QString target = autoBackupName(path);
    state.prompter.hourglass(true);
    state.prompter.working(QStringLiteral("Backing Up"));
    state.LogWrite(kMsg, QStringLiteral("Auto Backup On Exit Starting... "));
    state.LogWrite(kMsg, QStringLiteral("Backup ") + path + QStringLiteral(" as ") + target);
    const bool done = compactInto(state, path, target, QStringLiteral("Gfi_Auto_Backup"));
    if (done)
        state.LogWrite(kMsg, QStringLiteral("Auto Backup Complete "));
    state.prompter.working(QString());
    state.prompter.hourglass(false);
    return done;
}

int Gs_Delete_Archives(const QString &pattern, const QDate &today)
{
    const QFileInfo info(pattern);
    const QDateTime cutOff(today.addMonths(-1), QTime(0, 0));
    int deleted = 0;
    QDirIterator it(info.absolutePath(), {info.fileName()}, QDir::Files);
    while (it.hasNext()) {
        const QFileInfo file(it.next());
        if (file.lastModified() < cutOff && QFile::remove(file.absoluteFilePath()))
            ++deleted;
    }
    return deleted;
}

} // namespace zel::db
