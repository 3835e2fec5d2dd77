#include "desktop/startup.h"

#include "core/prompter.h"
#include "desktop/start_command.h"
#include "session/app_state.h"
#include "session/database_commands.h"
#include "session/database_session.h"
#include "transmit/macro_files.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QLocale>

namespace zel {

Startup::Startup(AppState &state) : m_state(state) {}

void Startup::prepare(const QLocale &locale)
{
    writeStartLines();
    warnRootInstall();
    installSuppliedFiles();
    clearReadOnly(m_state.paths.appFolder);
    warnDecimalSymbol(locale);
    readShortcuts();
}

void Startup::writeStartLines()
{
    for (const QString &category : LogWriter::categories())
        m_state.LogWrite(category, QStringLiteral("Starting Program"));
}

void Startup::warnRootInstall()
{
    if (!QDir(m_state.paths.appFolder).isRoot())
        return;
    m_state.prompter.information(QStringLiteral(
        "ZEL will not function correctly installed into the root of your C: drive.  Please use Control "
        "Panel/Add Remove Programs to uninstall ZEL.  Then reinstall and ensure the Destination folder is "
        "c:\\program files\\ZEL."));
}

// Files that come with the program live in the application folder; a missing one is put back, and
// the manual of an earlier version is replaced by this version's (it is the program's, not hers).
void Startup::installSuppliedFiles()
{
    const QDir folder(m_state.paths.appFolder);
    for (const QString &name : {QStringLiteral("ZEL User Manual.htm")}) {
        const QString target = folder.filePath(name);
        QFile supplied(QStringLiteral(":/zel/") + name);
        QFile installed(target);
        if (installed.open(QIODevice::ReadOnly) && supplied.open(QIODevice::ReadOnly) && installed.readAll() == supplied.readAll())
            continue;
        installed.close();
        QFile::remove(target);
        QFile::copy(supplied.fileName(), target);
        QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                                          | QFileDevice::ReadOther);
    }
    transmit::MacroFiles(m_state.paths.appFolder).installMissing();
}

void Startup::clearReadOnly(const QString &folder)
{
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        const auto permissions = file.permissions();
        if (!(permissions & QFileDevice::WriteOwner))
            file.setPermissions(permissions | QFileDevice::WriteOwner); // failures are ignored
    }
}

void Startup::warnDecimalSymbol(const QLocale &locale)
{
    if (locale.decimalPoint() == QLatin1String("."))
        return;
    m_state.prompter.information(
        lines({QStringLiteral("This program requires that the Windows setting for the 'DECIMAL SYMBOL' be a PERIOD."),
               QString(),
               QStringLiteral("Windows 98 - Control Panel - Regional Settings"),
               QStringLiteral("Windows 98SE - Control Panel - Regional Settings"),
               QStringLiteral("Windows ME - Control Panel - Regional Settings"),
               QStringLiteral("Windows XP - Control Panel - Regional and Language Options"),
               QStringLiteral("Windows 2000 - Control Panel - Regional Options"),
               QString(),
               QStringLiteral("Options:"),
               QStringLiteral("1. Set the Primary Language to ENGLISH with any country region. Example: "
                              "'English/United States', 'English/Canada'"),
               QStringLiteral("or"),
               QStringLiteral("2. Set the 'DECIMAL SYMBOL' to a PERIOD. (This can be found under the NUMBER tab "
                              "or the CUSTOMIZE button)")}),
        QStringLiteral("Control Panel Warning"), Icon::Exclamation);
}

void Startup::readShortcuts()
{
    m_state.shortcuts.enabled = m_state.settings.read(settings::ShortCutsEnabled);
    m_state.shortcuts.suppressAutoFill = m_state.settings.read(settings::ShortCutsSuppressAutoFill);
    m_state.shortcuts.country = m_state.settings.read(settings::ShortCutsCountry);
}

bool Startup::splashHidden() const
{
    return m_state.settings.read(settings::SplashHide) == QLatin1String("1");
}

void Startup::confirmHideSplash()
{
    if (m_state.prompter.askYesNo(QStringLiteral("Are you sure you wish to hide this page during start up?"),
                                  QStringLiteral("Verify Hide"), Answer::No))
        m_state.settings.write(settings::SplashHide, QStringLiteral("1"));
}

QString Startup::Gs_Get_Last_Used(const StartCommand &command)
{
    QString path;
    if (!command.autostart) {
        path = m_state.settings.read(settings::LastDBName);
        if (path.isEmpty())
            path = m_state.registry.lastDbName();
    } else {
        path = autostartPath(command);
        if (path.isEmpty())
            return {};
    }

    if (path.isEmpty())
        return {};
    if (!QFileInfo(path.trimmed()).isFile()) {
        m_state.prompter.information(lines({path, QStringLiteral("Not Found."),
                                            QStringLiteral("Please use File/Open to open an existing database.")}));
        return {};
    }
    if (previousRunEndedBadly(path))
        return {};
    return testOpen(path) ? path : QString();
}

QString Startup::autostartPath(const StartCommand &command)
{
    const QString path = command.autostartPath;
    if (!confirmAutostart(path))
        return {};
    if (m_state.seams.checkOpenFile && !m_state.seams.checkOpenFile(path))
        return {};
    return path;
}

bool Startup::confirmAutostart(const QString &path)
{
    const Answer answer = m_state.prompter.ask(
        {lines({QStringLiteral("ZEL was launched by double clicking a DATABASE file."), QString(),
                QStringLiteral("This will open: "), QString(), path, QString(),
                QStringLiteral("This may ==NOT== be your last used Database!"), QString(),
                QStringLiteral("Do You Wish to Continue?")}),
         QStringLiteral("ZEL Database Warning"), Buttons::YesNoCancel, Answer::Yes, Icon::Exclamation});
    return answer == Answer::Yes;
}

bool Startup::openHandedOver(const StartCommand &command)
{
    if (!command.autostart || !confirmAutostart(command.autostartPath))
        return false;
    m_state.LogWrite(QStringLiteral("MSG"), QStringLiteral("Open Database"));
    // The File menu's open: it checks the file, closes the current database and opens this one.
    return db::DatabaseCommands(m_state).Ms_Open_Database(command.autostartPath);
}

// True when the user chose not to open the database after an abnormal end.
bool Startup::previousRunEndedBadly(const QString &path)
{
    if (m_state.settings.read(settings::LastStatus) != settings::kRunning)
        return false;
    return !m_state.prompter.askYesNo(lines(
        {QStringLiteral("The previous execution of ZEL did not exit normally.  "),
         QStringLiteral("This can corrupt the database.  "),
         QStringLiteral("When the database is opened an error may occur.  "),
         QStringLiteral("If an error occurs: Restart the computer, Start ZEL, then use File/Repair to attempt a "
                        "database repair.  "),
         QStringLiteral("If the repair is not successful, restart the computer. "),
         QStringLiteral("Then start ZEL and use File/Restore to restore your last good backup database to a new "
                        "database."),
         QString(),
         QStringLiteral("Do you wish to attempt to open your current database: ") + path + QLatin1Char('.')}));
}

// Opens the chosen file once, so that a damaged file is found before the menu relies on it.
bool Startup::testOpen(const QString &path)
{
    if (m_state.seams.checkDbVersion && !m_state.seams.checkDbVersion(path))
        return false;
    DatabaseConnection probe;
    // A damaged file is said to be so in plain words, and a whole copy or a rescue offered.
    bool damaged = false;
    if (!probe.open(path) && !DatabaseSession(m_state).offerMending(path, &damaged) && damaged)
        return false;
    const bool opened = m_state.errors.retryUntilDone(QStringLiteral("Gs_Get_Last_Used"), [&]() -> std::optional<ErrorInfo> {
        if (probe.open(path))
            return std::nullopt;
        return ErrorInfo{0, probe.errorString(), 0};
    });
    if (!opened)
        return false;
    m_state.LogWrite(QStringLiteral("MSG"), QStringLiteral("Open DB - Gs_Get_Last_Used") + path);
    probe.close();
    m_state.LogWrite(QStringLiteral("MSG"), QStringLiteral("Close DB - Gs_Get_Last_Used"));
    return true;
}

} // namespace zel
