#include "db/database_files.h"

#include "core/prompter.h"
#include "core/text.h"
#include "shell/app_state.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>

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
    qint64 second = QDateTime::currentSecsSinceEpoch();
    while (second == previousSecond) {
        QThread::msleep(20);
        second = QDateTime::currentSecsSinceEpoch();
    }
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

bool compactInto(AppState &state, const QString &source, const QString &target, const QString &procedure)
{
    return state.errors.retryUntilDone(procedure, [&]() -> std::optional<ErrorInfo> {
        if (QFileInfo::exists(target))
            return ErrorInfo{0, QStringLiteral("File ") + target + QStringLiteral(" already exists"), 0};
        DatabaseConnection connection;
        if (!connection.open(source))
            return ErrorInfo{0, connection.errorString(), 0};
        QSqlQuery vacuum(connection.handle());
        const QString sql = QStringLiteral("VACUUM INTO ") + sqlQuote(target);
        state.errors.setLastSql(sql);
        if (vacuum.exec(sql))
            return std::nullopt;
        ErrorInfo error = ErrorInfo::fromSqlError(vacuum.lastError());
        vacuum.finish();
        connection.close();
        QFile::remove(target);
        return error;
    });
}

bool Gfi_Compact_File(AppState &state, const QString &path)
{
    const QFileInfo info(path);
    const QString compactCopy = inFolder(info.absolutePath(), Gfi_Work_File_Name(info.baseName() + QStringLiteral("_Compact")));
    const QString archive = inFolder(info.absolutePath(), Gfi_Work_File_Name(info.baseName() + QStringLiteral("_Archive")));

    state.prompter.working(QStringLiteral("Compacting"));
    state.LogWrite(kMsg, QStringLiteral("Compact Starting... "));
    state.LogWrite(kMsg, QStringLiteral("Compact ") + path + QStringLiteral(" as ") + compactCopy);
    bool done = compactInto(state, path, compactCopy, QStringLiteral("Gfi_Compact_File"));
    if (done) {
        state.LogWrite(kMsg, QStringLiteral("Rename ") + path + QStringLiteral(" as ") + archive);
        done = QFile::rename(path, archive);
        if (!done)
            state.prompter.information(QStringLiteral("Unable to rename ") + path + QStringLiteral(" as ") + archive + QLatin1Char('.'));
    }
    if (done) {
        state.LogWrite(kMsg, QStringLiteral("Compact ") + compactCopy + QStringLiteral(" as ") + path);
        done = compactInto(state, compactCopy, path, QStringLiteral("Gfi_Compact_File"));
        if (!done)
            QFile::rename(archive, path); // the archive still holds the file as it was
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
