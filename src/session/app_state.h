#pragma once

#include "options/c_option.h"
#include "session/database_seams.h"
#include "shell/app_settings.h"
#include "shell/clock.h"
#include "shell/data_access.h"
#include "shell/database_connection.h"
#include "shell/error_report.h"
#include "shell/log_writer.h"
#include "shell/registry_store.h"

#include <functional>

namespace zel {

class Prompter;

// Where the program keeps its files: the application folder (settings, logs, manual) and the
// per-machine store of the few mirrored values (empty: the desktop's native store).
struct AppPaths
{
    QString appFolder;
    QString registryFile;

    // The folder from --home, else ZEL_HOME, else the per-user data folder.
    static AppPaths resolve(const QString &homeOption);
};

// The [ShortCuts] choices of ZEL.INI, read once at start for order entry.
struct ShortcutSettings
{
    QString enabled = QStringLiteral("N");
    QString suppressAutoFill = QStringLiteral("N");
    QString country = QStringLiteral("None");
};

// Everything the run shares: the open database, the options, the SQL runner, settings and logs.
class AppState
{
public:
    enum class DatabaseState { Open = 1, Closed = 2 };

    AppState(const AppPaths &paths, Prompter &prompter);
    AppState(const AppState &) = delete;
    AppState &operator=(const AppState &) = delete;

    const QString version;
    const AppPaths paths;
    Prompter &prompter;
    AppSettings settings;
    LogWriter logs;
    RegistryStore registry;
    ErrorReport errors;
    DatabaseConnection database;
    cDataAccess data;
    cOption options;
    DatabaseSeams seams;

    QString databasePath;
    DatabaseState databaseState = DatabaseState::Closed;
    int currentCustomer = 0; // the customer the screens are working on
    ShortcutSettings shortcuts;
    bool webSubmission = false;
    // Called when a screen has moved the current campaign, so the main window's title follows at once.
    std::function<void()> campaignMoved;

    // The run's clock (tests set it): the time of anything that must differ within a run.
    Clock &clock = Clock::run();
    QDateTime now() const { return clock.now(); }

    bool isDatabaseOpen() const { return databaseState == DatabaseState::Open; }
    void LogWrite(const QString &category, const QString &message) const { logs.LogWrite(category, message); }
    void noticeCampaignMoved() const
    {
        if (campaignMoved)
            campaignMoved();
    }
};

} // namespace zel
