#include "app/command_line.h"
#include "app/commands.h"
#include "app/order_edit_command.h"
#include "core/text.h"
#include "desktop/start_command.h"
#include "desktop/startup.h"
#include "desktop/ui/main_menu.h"
#include "migration/database_seams_install.h"
#include "session/app_state.h"
#include "shell/single_instance.h"
#include "shell/ui/dialog_prompter.h"
#include "shell/ui/splash_screen.h"

#include <QApplication>
#include <QGuiApplication>
#include <QFileInfo>
#include <QLocale>
#include <QStatusBar>
#include <QTextStream>
#include <QTimer>

#include <cstdio>
#include <memory>

using namespace zel;

namespace {

void nameTheApplication()
{
    // The per-user data folder is named after the application alone: ~/.local/share/zel.
    QCoreApplication::setOrganizationName(QString());
    QCoreApplication::setApplicationName(QStringLiteral("zel"));
    QCoreApplication::setApplicationVersion(programVersion());
}

int runHeadless(int argc, char **argv, const CommandLine &line)
{
    // Reports measure and draw text, which needs the GUI library, though never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !commandOpensWindow(line))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // `zel order edit` opens its screen, so it needs the widget toolkit.
    std::unique_ptr<QGuiApplication> app = commandOpensWindow(line) ? std::make_unique<QApplication>(argc, argv)
                                                                     : std::make_unique<QGuiApplication>(argc, argv);
    nameTheApplication();
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runCommand(line, out, err);
}

void bringToFront(QWidget &window)
{
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
    if (QWidget *screen = QApplication::activeModalWidget()) {
        screen->raise();
        screen->activateWindow();
    }
}

int runWindowed(int argc, char **argv, const CommandLine &line)
{
    QApplication app(argc, argv);
    nameTheApplication();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/zel/zel.png")));
    // Lets the desktop match the window to the installed zel.desktop, and so to its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("zel"));

    const AppPaths paths = AppPaths::resolve(line.home);
    DialogPrompter prompter;
    AppState state(paths, prompter);
    db::installDatabaseSeams(state);

    // A second copy passes its start words to the first, which comes to the front.
    const StartCommand start = StartCommand::parse(line.startText);
    SingleInstance instance(paths.appFolder);
    switch (instance.claim(start.handOverText())) {
    case SingleInstance::Claim::First:
        break;
    case SingleInstance::Claim::HandedOver:
        return 0;
    case SingleInstance::Claim::NoAnswer:
        SingleInstance::reportNoAnswer(prompter);
        return 0;
    }

    // "zel --db FILE" opens that database, as if it had been the last one used.
    if (!line.database.isEmpty())
        state.settings.write(settings::LastDBName, QFileInfo(line.database).absoluteFilePath());

    Startup startup(state);
    startup.prepare(QLocale::system());
    if (!startup.splashHidden()) {
        SplashScreen splash(state.version);
        splash.showForTwoSeconds();
        splash.hide();
        if (splash.hideRequested())
            startup.confirmHideSplash();
    }

    MainMenu menu(state, start);
    prompter.setStatusSink([&menu](const QString &text) { menu.statusBar()->showMessage(text); });
    QObject::connect(&instance, &SingleInstance::raiseRequested, &menu, [&](const QString &startText) {
        bringToFront(menu);
        // A database is switched only at the menu itself, never under an open screen.
        const StartCommand handed = StartCommand::parse(startText);
        if (handed.autostart && !QApplication::activeModalWidget() && startup.openHandedOver(handed))
            menu.refresh();
    });
    menu.show();
    QTimer::singleShot(0, &menu, [&menu] { menu.load(); });
    return app.exec();
}

} // namespace

int main(int argc, char **argv)
{
    // Without TZ the C library reads the zone file again for every local date it converts, which a
    // long report does thousands of times; naming the same file lets it read it once.
    if (qEnvironmentVariableIsEmpty("TZ"))
        qputenv("TZ", ":/etc/localtime");
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const CommandLine line = CommandLine::parse(args);
    if (!line.error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(line.error));
        return 2;
    }
    if (!line.home.isEmpty())
        qputenv("ZEL_HOME", line.home.toLocal8Bit());
    return line.headless() ? runHeadless(argc, argv, line) : runWindowed(argc, argv, line);
}
