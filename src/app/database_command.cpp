#include "app/database_command.h"

#include "app/command_line.h"
#include "app/command_session.h"
#include "app/upgrade_command.h"
#include "db/database_check.h"
#include "session/database_creation.h"
#include "session/database_files.h"

#include <QFileInfo>
#include <QTextStream>

namespace zel {

namespace {

int usage(QTextStream &err)
{
    err << "Usage: zel db new FILE | zel db check FILE | zel db backup FILE TARGET | zel db restore BACKUP TARGET | "
           "zel db compact FILE | zel db upgrade FILE | zel db convert ACCESS_FILE OUT | zel db repair FILE\n";
    return 2;
}

// The report goes to the output; what is wrong goes to the error stream as well, for scripts.
int checkCommand(const QString &file, QTextStream &out, QTextStream &err)
{
    const db::DatabaseHealth health = db::checkDatabase(file);
    if (!health.opened) {
        err << file << ": not a database that can be opened (" << health.openError << ")\n";
        return 1;
    }
    out << "Database: " << file << '\n'
        << "Version: " << (health.version ? QString::number(health.version) : QStringLiteral("unknown")) << '\n'
        << "Missing tables: " << (health.missingTables.isEmpty() ? QStringLiteral("none") : health.missingTables.join(QStringLiteral(", ")))
        << '\n'
        << "Integrity: " << (health.integrityProblems.isEmpty() ? QStringLiteral("ok") : health.integrityProblems.join(QStringLiteral("; ")))
        << '\n'
        << (health.healthy() ? "Healthy.\n" : "Not healthy.\n");
    if (health.healthy())
        return 0;
    QStringList problems;
    if (health.version != 17)
        problems << QStringLiteral("version %1, not 17").arg(health.version);
    if (!health.missingTables.isEmpty())
        problems << QStringLiteral("missing tables ") + health.missingTables.join(QStringLiteral(", "));
    problems += health.integrityProblems;
    err << file << " is not healthy: " << problems.join(QStringLiteral("; ")) << '\n';
    return 1;
}

} // namespace

int runDatabaseCommand(const CommandLine &line, QTextStream &out, QTextStream &err)
{
    const QStringList args = line.arguments;
    if (args.size() < 2)
        return usage(err);
    const QString verb = args.at(0);
    const QString file = QFileInfo(args.at(1)).absoluteFilePath();
    if (verb == QLatin1String("check") && args.size() == 2)
        return checkCommand(file, out, err);
    QStringList files;
    for (qsizetype i = 1; i < args.size(); ++i)
        files << QFileInfo(args.at(i)).absoluteFilePath();
    if (const int code = runUpgradeVerb(line, verb, files, out, err); code >= 0)
        return code;

    CommandSession session(line, err);
    AppState &state = session.state();
    if (verb == QLatin1String("new") && args.size() == 2) {
        if (!db::Gfi_Create_Db(state, file))
            return 1;
        out << "Created " << file << '\n';
        return 0;
    }
    if ((verb == QLatin1String("backup") || verb == QLatin1String("restore")) && args.size() == 3) {
        const QString target = QFileInfo(args.at(2)).absoluteFilePath();
        if (!QFileInfo(file).isFile()) {
            err << file << " Not Found.\n";
            return 1;
        }
        if (QFileInfo::exists(target)) {
            err << target << " already exists; choose another name.\n";
            return 1;
        }
        const bool backup = verb == QLatin1String("backup");
        if (!db::compactInto(state, file, target, backup ? QStringLiteral("Gfi_Backup_Db") : QStringLiteral("Gfi_Restore_Db")))
            return 1;
        out << (backup ? "Backed up " : "Restored ") << file << " to " << target << '\n';
        return 0;
    }
    if (verb == QLatin1String("compact") && args.size() == 2) {
        if (QFileInfo(file).isDir()) {
            err << file << " is a folder, not a database.\n";
            return 1;
        }
        if (!QFileInfo(file).isFile()) {
            err << file << " Not Found.\n";
            return 1;
        }
        if (!db::Gfi_Compact_File(state, file))
            return 1;
        out << "Compacted " << file << '\n';
        return 0;
    }
    return usage(err);
}

} // namespace zel
