#include "session/database_session.h"

#include "core/prompter.h"
#include "core/text.h"
#include "session/app_state.h"

#include <QDateTime>
#include <QFileInfo>

namespace zel {

namespace {
const QString kMsg = QStringLiteral("MSG");
} // namespace

DatabaseSession::DatabaseSession(AppState &state) : m_state(state) {}

bool DatabaseSession::openDatabase(const QString &path, const QString &comment, const QString &procedure)
{
    if (!connect(path, comment, procedure))
        return false;
    activate(path);
    return true;
}

bool DatabaseSession::connect(const QString &path, const QString &comment, const QString &procedure)
{
    if (m_state.seams.noticeLeftovers)
        m_state.seams.noticeLeftovers(path);
    if (m_state.seams.checkDbVersion && !m_state.seams.checkDbVersion(path))
        return false;
    if (!openConnection(path, procedure))
        return false;
    if (m_state.database.isReadOnly()) {
        m_state.prompter.information(lines({path, QString(),
                                            QStringLiteral("This database can only be read: the file or its folder is read-only. "
                                                           "It has been opened for reading, and nothing can be saved in it.")}));
    } else {
        addExeHistory(comment);
    }
    m_state.LogWrite(kMsg, QStringLiteral("Open DB - ") + procedure + QLatin1Char(' ') + path);
    return true;
}

bool DatabaseSession::openConnection(const QString &path, const QString &procedure)
{
    const auto attempt = [&]() -> std::optional<ErrorInfo> {
        const bool opened = DatabaseConnection::isWritable(path) ? m_state.database.open(path)
                                                                 : m_state.database.openForReading(path);
        if (opened)
            return std::nullopt;
        return ErrorInfo{0, m_state.database.errorString(), 0};
    };
    if (!attempt())
        return true; // opened
    // A damaged file is said to be so without the technical report.
    bool damaged = false;
    if (offerMending(path, &damaged))
        return m_state.errors.retryUntilDone(procedure, attempt);
    if (damaged)
        return false;
    if (m_state.errors.retryUntilDone(procedure, attempt))
        return true;
    // A damaged file may have a whole copy beside it from an interrupted compact.
    const QString problem = path + QStringLiteral(" could not be opened: ") + m_state.database.errorString();
    return QFileInfo(path).isFile() && m_state.seams.offerWholeCopy && m_state.seams.offerWholeCopy(path, problem)
        && m_state.errors.retryUntilDone(procedure, attempt);
}

bool DatabaseSession::offerMending(const QString &path, bool *damaged)
{
    const QString damage = QFileInfo(path).isFile() && m_state.seams.damageOf ? m_state.seams.damageOf(path) : QString();
    *damaged = !damage.isEmpty();
    if (damage.isEmpty())
        return false;
    const QString problem = path + QStringLiteral(" is damaged: ") + damage;
    return (m_state.seams.offerWholeCopy && m_state.seams.offerWholeCopy(path, problem))
        || (m_state.seams.rescueDamaged && m_state.seams.rescueDamaged(path, damage));
}

bool DatabaseSession::openForReading(const QString &path)
{
    if (!m_state.database.openForReading(path)) {
        m_state.errors.Gs_Error_Report(QStringLiteral("zel"), ErrorInfo{0, m_state.database.errorString(), 0});
        return false;
    }
    m_state.databaseState = AppState::DatabaseState::Open;
    m_state.databasePath = path;
    if (m_state.seams.loadOptions)
        m_state.seams.loadOptions();
    return true;
}

void DatabaseSession::activate(const QString &path)
{
    m_state.databaseState = AppState::DatabaseState::Open;
    m_state.databasePath = path;
    m_state.prompter.status(path.toUpper() + QStringLiteral(" has been opened sucessfully."));
    afterOpen();
}

bool DatabaseSession::reopenDatabase(const QString &procedure)
{
    const QString path = m_state.databasePath;
    const bool reopened = openConnection(path, procedure);
    m_state.databaseState = reopened ? AppState::DatabaseState::Open : AppState::DatabaseState::Closed;
    return reopened;
}

void DatabaseSession::addExeHistory(const QString &comment)
{
    if (!m_state.database.hasTable(QStringLiteral("ExeHistory")))
        return;
    m_state.data.setSQL(QStringLiteral("Insert Into ExeHistory (RunDate, ExeVersion, DbVersion, Comments) Values (?, ?, ?, ?)"),
                        {toDbDateTime(QDateTime::currentDateTime()), m_state.version, QStringLiteral("17"), comment});
    m_state.data.ExecSql(QStringLiteral("addExeHistory"));
}

void DatabaseSession::afterOpen()
{
    // A file that can only be read is shown as it is: no upgrade, no scratch tables.
    const bool writable = !m_state.database.isReadOnly();
    if (writable && m_state.seams.upgradeDb)
        m_state.seams.upgradeDb();
    if (m_state.seams.loadOptions)
        m_state.seams.loadOptions();
    if (writable && m_state.seams.createWorkTables)
        m_state.seams.createWorkTables();
}

void DatabaseSession::closeDatabase(const QString &procedure)
{
    m_state.database.close();
    m_state.databaseState = AppState::DatabaseState::Closed;
    m_state.LogWrite(kMsg, QStringLiteral("Close DB - ") + procedure);
}

void DatabaseSession::reopenOnActivation()
{
    if (!m_state.isDatabaseOpen())
        return;
    m_state.database.close();
    m_state.LogWrite(kMsg, QStringLiteral("Auto Close DB - ZEL_Main.Form.Activate"));
    if (reopenDatabase(QStringLiteral("ZEL_Main.Form.Activate")))
        m_state.LogWrite(kMsg, QStringLiteral("Auto Re-Open DB - ZEL_Main.Form.Activate"));
}

} // namespace zel
