#include "migration/upgrade_check.h"

#include "core/prompter.h"
#include "db/jet_conversion.h"
#include "db/jet_reader.h"
#include "db/schema.h"
#include "session/app_state.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>

namespace zel::db {

namespace {

const QString kMsg = QStringLiteral("MSG");

} // namespace

QStringList zelAccessSignature()
{
    return {QStringLiteral("Customers.Customers Number"), QStringLiteral("Orders.Orders Internal Flag")};
}

bool convertAccessDatabase(AppState &state, const QString &path, const QStringList &signature)
{
    const QString backup = accessBackupName(state, path);
    state.prompter.hourglass(true);
    state.prompter.working(QStringLiteral("Converting"));
    // The original is copied aside first; the converted file then replaces it in one step.
    JetConversion::Result result;
    if (!QFile::copy(path, backup))
        result.error = QStringLiteral("The copy of the original could not be written to ") + backup + QLatin1Char('.');
    else
        result = JetConversion::convert(
            path, path, true, [&state](const QString &text) { state.prompter.status(text); }, JetConversion::Isolation::ChildProcess,
            signature);
    if (!result.ok())
        QFile::remove(backup);
    state.prompter.working(QString());
    state.prompter.hourglass(false);
    state.LogWrite(kMsg, QStringLiteral("Close DB - Gs_CheckDBVersion ") + path);
    if (!result.missing.isEmpty()) {
        state.prompter.information(lines({path + QStringLiteral(" is an Access database, but not a ZEL database: it lacks ")
                                              + result.missing.join(QStringLiteral(" and ")) + QLatin1Char('.'),
                                          QString(), QStringLiteral("The file has not been changed.")}),
                                   kMessageTitle, Icon::Exclamation);
        return false;
    }
    if (!result.ok()) {
        state.prompter.information(lines({path + QStringLiteral(" is an Access database of an earlier version of ZEL and could not be "
                                                                "converted:"),
                                          result.error, QString(), QStringLiteral("The file has not been changed.")}),
                                   kMessageTitle, Icon::Exclamation);
        return false;
    }
    state.LogWrite(kMsg, QStringLiteral("Converted Jet %1 database %2: %3 tables, %4 rows; original kept as %5")
                             .arg(JetReader::jetVersionOf(backup))
                             .arg(path)
                             .arg(result.tables)
                             .arg(result.rows)
                             .arg(backup));
    QStringList told{path + QStringLiteral(" was an Access database of an earlier version of ZEL."),
                     QStringLiteral("It has been converted to the current format (%1 tables, %2 rows).").arg(result.tables).arg(result.rows),
                     QString(), QStringLiteral("The original Access file is kept unchanged as ") + backup + QLatin1Char('.')};
    if (!result.incomplete.isEmpty()) {
        state.LogWrite(kMsg, QStringLiteral("Converted with rows missing: ") + result.incomplete.join(QStringLiteral("; ")));
        told << QString() << result.incompleteWarning();
    }
    state.prompter.information(lines(told), kMessageTitle, result.incomplete.isEmpty() ? Icon::Information : Icon::Exclamation);
    return true;
}

QString laterVersionMessage()
{
    return lines({QStringLiteral("Your current database was created with a later version of ZEL."),
                  QStringLiteral("Please uninstall ZEL and Download and Install the current version."),
                  QStringLiteral("Please Exit ZEL and address this issue!")});
}

QString accessBackupName(AppState &state, const QString &path)
{
    const QFileInfo info(path);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral("_Access_")
                               + state.now().toString(QStringLiteral("yyyyMMddhhmmss")) + QStringLiteral(".MDB"));
}

int storedVersionOf(const QString &path)
{
    DatabaseConnection probe;
    if (!probe.openForReading(path))
        return -1;
    if (!probe.hasTable(QStringLiteral("Database_Version")))
        return 0;
    QSqlQuery query(probe.handle());
    const int version = query.exec(QStringLiteral("Select [DBVersion Number] From Database_Version")) && query.next()
                      ? query.value(0).toInt()
                      : 0;
    query.finish();
    return version;
}

bool Gs_CheckDBVersion(AppState &state, const QString &path)
{
    if (!QFileInfo(path).isFile())
        return true;
    state.LogWrite(kMsg, QStringLiteral("Open DB - Gs_CheckDBVersion ") + path);
    if (JetReader::jetVersionOf(path) != 0)
        return convertAccessDatabase(state, path);
    const int version = storedVersionOf(path);
    state.LogWrite(kMsg, QStringLiteral("Close DB - Gs_CheckDBVersion ") + path);
    if (version <= kDatabaseVersion)
        return true;
    // Refused here, before the open writes anything to it.
    state.prompter.information(laterVersionMessage());
    return false;
}

} // namespace zel::db
