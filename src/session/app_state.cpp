#include "session/app_state.h"

#include "core/text.h"

#include <QDir>
#include <QStandardPaths>

// The resources live in a static library, so they are registered by hand.
static void registerResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace zel {

AppPaths AppPaths::resolve(const QString &homeOption)
{
    QString folder = homeOption;
    if (folder.isEmpty())
        folder = qEnvironmentVariable("ZEL_HOME");
    const bool ownFolder = !folder.isEmpty();
    if (!ownFolder)
        folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    folder = QDir(folder).absolutePath();
    QDir().mkpath(folder);
    // A folder of one's own keeps its mirrored values beside its settings, so runs stay separate.
    return {folder, ownFolder ? QDir(folder).filePath(QStringLiteral("Registry.ini")) : QString()};
}

AppState::AppState(const AppPaths &paths_, Prompter &prompter_)
    : version(programVersion()),
      paths(paths_),
      prompter(prompter_),
      settings(paths_.appFolder),
      logs(paths_.appFolder, version),
      registry(paths_.registryFile),
      errors(logs, prompter_, version, [this] { return databasePath; }),
      data(database, logs, errors)
{
    registerResources();
    data.Log = logs.pathFor(QStringLiteral("SQL"));
}

} // namespace zel
