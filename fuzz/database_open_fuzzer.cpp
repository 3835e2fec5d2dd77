// Any bytes as a database file, opened the two ways the program opens one: `zel db check`, and
// the main menu's open (version check, connection, ExeHistory row, upgrade, options, work tables),
// answering every question with its default as an unattended run does.
#include "core/scripted_prompter.h"
#include "db/database_check.h"
#include "migration/database_seams_install.h"
#include "session/app_state.h"
#include "session/database_session.h"

#include "fuzz_input.h"

#include <QFile>

#include <memory>

namespace {

struct Session
{
    zel::ScriptedPrompter prompter;
    std::unique_ptr<zel::AppState> state;
};

Session *session = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    zel::fuzz::makeApplication(argc, argv);
    session = new Session;
    const QTemporaryDir &home = zel::fuzz::inputFolder();
    session->state = std::make_unique<zel::AppState>(
        zel::AppPaths{home.path(), home.filePath(QStringLiteral("Registry.ini"))}, session->prompter);
    zel::db::installDatabaseSeams(*session->state);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    zel::AppState &state = *session->state;
    const QString name = QStringLiteral("Fuzz.ZELDB");
    QString path = zel::fuzz::inputFile(name, data, size);
    if (path.isEmpty())
        return 0;
    zel::db::checkDatabase(path);

    path = zel::fuzz::inputFile(name, data, size); // as it came, whatever the check did
    if (path.isEmpty())
        return 0;
    zel::DatabaseSession operations(state);
    if (operations.openDatabase(path, QStringLiteral("Fuzz:") + path, QStringLiteral("fuzz")))
        operations.closeDatabase(QStringLiteral("fuzz"));
    state.database.close();
    session->prompter.clear();
    state.options = zel::cOption(); // nothing carries over from one input to the next
    // The logs of a long run would only fill the disk.
    for (const QString &category : zel::LogWriter::categories())
        QFile::remove(state.logs.pathFor(category));
    return 0;
}
