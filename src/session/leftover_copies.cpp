#include "session/leftover_copies.h"

#include "core/prompter.h"
#include "db/durable_file.h"
#include "db/exclusive_database.h"
#include "session/app_state.h"
#include "session/database_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSqlQuery>


namespace zel::db {

namespace {

const QString kMsg = QStringLiteral("MSG");

QFileInfoList filesIn(const QString &folder, const QStringList &patterns)
{
    return QDir(folder).entryInfoList(patterns, QDir::Files, QDir::Time);
}

QString madeAt(const QFileInfo &file)
{
    return QLocale::system().toString(file.lastModified(), QLocale::ShortFormat);
}

void noticeOne(AppState &state, const QFileInfo &file)
{
    const QString path = file.absoluteFilePath();
    QStringList message{QStringLiteral("An unfinished copy was found, left when the program was interrupted while it "
                                       "compacted, backed up, restored or created a database:"),
                        path, QString()};
    if (isWholeDatabase(path)) {
        const QString kept = workCopyBeside(path.left(path.size() - unfinishedName(QString()).size()));
        if (!putInPlace(path, kept, PutMode::NeverReplace).isEmpty())
            return;
        message << QStringLiteral("It is a whole database and has been kept as:") << kept;
        state.LogWrite(kMsg, QStringLiteral("Unfinished copy ") + path + QStringLiteral(" kept as ") + kept);
    } else {
        if (!removeDatabaseFile(path))
            return;
        message << QStringLiteral("It was incomplete and has been removed.");
        state.LogWrite(kMsg, QStringLiteral("Unfinished copy removed: ") + path);
    }
    message << QString() << QStringLiteral("Nothing in your open database was changed by this.");
    state.prompter.information(lines(message));
}

} // namespace

bool isWholeDatabase(const QString &path)
{
    DatabaseConnection connection;
    if (!connection.open(path))
        return false;
    // A copy whose journal rolled it back to nothing is sound but empty: whole means its customers and
    // orders are there too (the tables every version of the database has).
    if (!connection.hasTable(QStringLiteral("Customers")) || !connection.hasTable(QStringLiteral("Orders")))
        return false;
    QSqlQuery check(connection.handle());
    return check.exec(QStringLiteral("PRAGMA quick_check")) && check.next()
        && check.value(0).toString() == QLatin1String("ok");
}

void noticeUnfinishedCopies(AppState &state, const QString &databasePath)
{
    const QString folder = QFileInfo(databasePath).absolutePath();
    const QString opening = QFileInfo(databasePath).absoluteFilePath();
    for (const QFileInfo &file : filesIn(folder, {QStringLiteral("*") + unfinishedName(QString())})) {
        // A copy another program is writing right now is not a leftover, nor is one being built here.
        if (file.absoluteFilePath() != opening && !ExclusiveDatabase::openElsewhere(file.absoluteFilePath()))
            noticeOne(state, file);
    }
    // The journal of a copy that is gone belongs to nothing any more.
    const QString journal = unfinishedName(QString()) + QStringLiteral("-journal");
    for (const QFileInfo &file : filesIn(folder, {QStringLiteral("*") + journal})) {
        const QString copy = file.absoluteFilePath().chopped(int(QStringLiteral("-journal").size()));
        if (!QFileInfo::exists(copy) && QFile::remove(file.absoluteFilePath()))
            state.LogWrite(kMsg, QStringLiteral("Journal of a finished copy removed: ") + file.absoluteFilePath());
    }
}

bool offerWholeCopy(AppState &state, const QString &databasePath, const QString &problem)
{
    const QFileInfo database(databasePath);
    const QString base = database.baseName();
    QFileInfoList candidates{QFileInfo(unfinishedName(database.absoluteFilePath()))};
    candidates += filesIn(database.absolutePath(), {base + QStringLiteral("_Compact_*.ZELWK"), base + QStringLiteral("_Archive_*.ZELWK")});
    std::sort(candidates.begin(), candidates.end(),
              [](const QFileInfo &a, const QFileInfo &b) { return a.lastModified() > b.lastModified(); });
    for (const QFileInfo &copy : candidates) {
        if (!copy.isFile() || !isWholeDatabase(copy.absoluteFilePath()))
            continue;
        const QString question = lines({problem, QString(), QStringLiteral("A whole copy of this database was found, made ") + madeAt(copy)
                                                                 + QLatin1Char(':'),
                                        copy.absoluteFilePath(), QString(),
                                        QStringLiteral("Do you wish to put this copy in place of the database?")});
        if (!state.prompter.askYesNo(question))
            return false;
        if (database.exists()) {
            const QString damaged = workCopyBeside(databasePath);
            if (!QFile::rename(databasePath, damaged))
                return false;
            state.LogWrite(kMsg, QStringLiteral("Name ") + databasePath + QStringLiteral(" as ") + damaged);
        }
        QString error;
        if (isUnfinishedName(copy.absoluteFilePath())) {
            error = putInPlace(copy.absoluteFilePath(), databasePath, PutMode::NeverReplace);
        } else {
            ExclusiveDatabase source;
            error = source.hold(copy.absoluteFilePath()) == ExclusiveDatabase::Outcome::Held
                  ? source.copyTo(databasePath, PutMode::NeverReplace)
                  : source.errorString();
        }
        if (!error.isEmpty()) {
            state.prompter.information(error);
            return false;
        }
        state.LogWrite(kMsg, QStringLiteral("Copy ") + copy.absoluteFilePath() + QStringLiteral(" put in place of ") + databasePath);
        return true;
    }
    return false;
}

} // namespace zel::db
