#pragma once

#include "desktop/main_menu_operations.h"
#include "desktop/start_command.h"

#include <QMainWindow>

#include <array>
#include <functional>

class QAction;
class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;

namespace zel {

class AppState;
class HelpWindow;

// Zel_Main: the hub of the program. Its command buttons open the working screens, its File menu
// runs the database's life cycle, and closing it runs the exit sequence.
class MainMenu : public QMainWindow
{
    Q_OBJECT
public:
    enum Command { Customers, Products, Options, Reports, Expenses, Utilities, Histories, Exit, Inventory,
                   WebSubmission, Glance, CommandCount };
    enum FileCommand { NewDatabase, OpenDatabase, CloseDatabase, BackupDatabase, RestoreBackup, RepairDatabase,
                       CompactDatabase, UploadFile, DownloadFile, ImportProductDatabase, FileCommandCount };

    MainMenu(AppState &state, const StartCommand &command, QWidget *parent = nullptr);
    ~MainMenu() override;

    // The load step: chooses and opens the database, restores the exit choices and the screen's
    // place. Called once, after the window is constructed.
    void load();

    // The screen a command button opens, modally; a command without one stays disabled.
    void setScreen(Command command, std::function<void()> open);
    // What a File-menu command does; a command without one stays disabled.
    void setFileCommand(FileCommand command, std::function<void()> run);

    QPushButton *commandButton(Command command) const { return m_buttons[command]; }
    QPushButton *previousCampaignButton() const { return m_previous; }
    QPushButton *nextCampaignButton() const { return m_next; }
    QAction *fileAction(FileCommand command) const { return m_fileActions[command]; }
    QAction *lastUsedAction(int index) const { return m_lastUsed[index]; }
    QLabel *clockLabel() const { return m_clock; }
    HelpWindow *helpWindow() const { return m_help; }
    ExitChoices exitChoices() const;

    // Re-reads everything that depends on the open database: title, buttons, tooltips, last-used list.
    void refresh();

    // Misc / Reset Screen Size / Position: the designed size (never smaller than the contents need), centred.
    void resetScreenSize();
    // Help / Help (F1): the user manual in the help window, or where to find it when it cannot be read.
    void openHelp();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void registerCommands();
    void buildFileMenu();
    void buildCentre();
    QPushButton *makeCommandButton(Command command, const QString &caption, const QString &tooltip);
    void runCommand(Command command);
    void runFileCommand(FileCommand command);
    void afterFileAction();
    void openLastUsed(int index);
    void showLastUsed();
    void stepCampaign(bool forward);
    void updateClock();
    void setExitChoices(const ExitChoices &choices);
    void resetAllScreens();
    void resetAllGrids();
    void showAbout();

    AppState &m_state;
    MainMenuOperations m_operations;
    StartCommand m_command;
    bool m_loaded = false;
    bool m_shutDown = false;

    std::array<QPushButton *, CommandCount> m_buttons{};
    std::array<QString, CommandCount> m_tooltips;
    std::array<std::function<void()>, CommandCount> m_screens;
    std::array<QAction *, FileCommandCount> m_fileActions{};
    std::array<std::function<void()>, FileCommandCount> m_fileCommands;
    std::array<QAction *, 10> m_lastUsed{};
    std::array<QString, 10> m_lastUsedPaths;
    QAction *m_lastUsedSeparator = nullptr;
    QPushButton *m_previous = nullptr;
    QAction *m_glanceAction = nullptr; // Misc / Campaign at a Glance
    QAction *m_mailAction = nullptr;   // Misc / E-mail Invoices of the Current Campaign
    QPushButton *m_next = nullptr;
    QRadioButton *m_backupAuto = nullptr;
    QRadioButton *m_backupManual = nullptr;
    QRadioButton *m_backupNone = nullptr;
    QCheckBox *m_compress = nullptr;
    QWidget *m_backupFrame = nullptr;
    QLabel *m_clock = nullptr;
    QTimer *m_clockTimer = nullptr;
    HelpWindow *m_help = nullptr;
};

} // namespace zel
