// Any bytes as a database file, opened the two ways the program opens one: `zel db check`, and
// the main menu's open (version check, connection, ExeHistory row, upgrade, options, work tables),
// answering every question with its default as an unattended run does.
#include "core/scripted_prompter.h"
#include "db/database_check.h"
#include "db/database_seams_install.h"
#include "shell/app_state.h"
#include "shell/main_menu_operations.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

namespace {

struct Session
{
    QTemporaryDir home;
    zel::ScriptedPrompter prompter;
    std::unique_ptr<zel::AppState> state;
    QString path;
};

Session *session = nullptr;

bool writeFile(const QString &path, const uint8_t *data, size_t size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(reinterpret_cast<const char *>(data), qint64(size)) == qint64(size);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // The SQLite driver is a plugin, and plugins need an application object.
    new QCoreApplication(*argc, *argv);
    session = new Session;
    session->state = std::make_unique<zel::AppState>(
        zel::AppPaths{session->home.path(), session->home.filePath(QStringLiteral("Registry.ini"))}, session->prompter);
    zel::db::installDatabaseSeams(*session->state);
    session->path = session->home.filePath(QStringLiteral("Fuzz.ZELDB"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    zel::AppState &state = *session->state;
    if (!writeFile(session->path, data, size))
        return 0;
    zel::db::checkDatabase(session->path);

    if (!writeFile(session->path, data, size))
        return 0;
    zel::MainMenuOperations operations(state);
    if (operations.openDatabase(session->path, QStringLiteral("Fuzz:") + session->path, QStringLiteral("fuzz")))
        operations.closeDatabase(QStringLiteral("fuzz"));
    state.database.close();
    session->prompter.clear();
    state.options = zel::cOption(); // nothing carries over from one input to the next
    // The logs of a long run would only fill the disk.
    for (const QString &category : zel::LogWriter::categories())
        QFile::remove(state.logs.pathFor(category));
    return 0;
}
