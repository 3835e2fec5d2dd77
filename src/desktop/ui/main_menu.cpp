#include "desktop/ui/main_menu.h"

#include "core/prompter.h"
#include "customers/ui/customer_search_screen.h"
#include "customers/ui/purchase_history_screen.h"
#include "earnings/ui/expenses_screen.h"
#include "options/ui/options_screen.h"
#include "orders/ui/inventory_screen.h"
#include "orders/ui/order_screen.h"
#include "orders/ui/products_screen.h"
#include "reports/ui/glance_screen.h"
#include "reports/ui/invoice_mail_screen.h"
#include "reports/ui/reports_screen.h"
#include "session/app_state.h"
#include "session/database_commands.h"
#include "shell/captions.h"
#include "shell/last_used_list.h"
#include "shell/ui/help_window.h"
#include "shell/ui/screen_setup.h"
#include "transfer/ui/download_screen.h"
#include "transfer/ui/upload_screen.h"
#include "transmit/ui/transmit_screen.h"
#include "utilities/ui/utilities_screen.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

namespace zel {

namespace {

const QString kMsg = QStringLiteral("MSG");

struct CommandText
{
    MainMenu::Command command;
    const char *caption;
    const char *tooltip;
};

// Laid out in two columns, in this order, which is also the tab order.
constexpr CommandText kCommands[] = {
    {MainMenu::Customers, "&Customers", "Search / Update Customers, Process Orders."},
    {MainMenu::Products, "&Products", "Maintain Product Information."},
    {MainMenu::Options, "&Options", "Set Current #### / Year, Set Processing Options."},
    {MainMenu::Reports, "&Reports", "View / Print Reports."},
    {MainMenu::Expenses, "&Expenses", "Enter expenses and amounts due on invoice."},
    {MainMenu::Utilities, "&Utilities", "Misc. Utility Functions."},
    {MainMenu::Histories, "&Histories", "Search Order History."},
    {MainMenu::Inventory, "&Inventory", "Maintain Inventory."},
    {MainMenu::WebSubmission, "&Web Submission", "Order Summary / Web Submission."},
    {MainMenu::Exit, "E&xit", "Exit Customer Management System, Remember to keep current backups."},
    // Below the two columns, across both.
    {MainMenu::Glance, "Campaign at a &Glance", "How the Current #### went: sales, earnings, open orders and balances."},
};

struct FileText
{
    MainMenu::FileCommand command;
    const char *caption;
    const char *logged; // written to the MSG log before the command runs
};

constexpr FileText kDatabaseCommands[] = {
    {MainMenu::NewDatabase, "&New Database", "New Database"},
    {MainMenu::OpenDatabase, "&Open Existing Database", "Open Database"},
    {MainMenu::CloseDatabase, "&Close Database", "Close Database"},
    {MainMenu::BackupDatabase, "&Backup Database", "Backup Database"},
    {MainMenu::RestoreBackup, "&Restore Backup", "Restore Database"},
    // Alt+R and Alt+C go to Restore and Close; repairing and compacting are rarer.
    {MainMenu::RepairDatabase, "Re&pair Database", "Repair Database"},
    {MainMenu::CompactDatabase, "Co&mpact Database", "Compact Database"},
};

constexpr FileText kTransferCommands[] = {
    {MainMenu::UploadFile, "&Upload File or Database", nullptr},
    {MainMenu::DownloadFile, "&Download File", nullptr},
};

} // namespace

MainMenu::MainMenu(AppState &state, const StartCommand &command, QWidget *parent)
    : QMainWindow(parent), m_state(state), m_operations(state), m_command(command)
{
    setObjectName(QStringLiteral("Zel_Main"));
    buildMenus();
    buildCentre();
    statusBar()->setSizeGripEnabled(true);
    resize(600, 500);

    m_clockTimer = new QTimer(this);
    m_clockTimer->setInterval(1000);
    connect(m_clockTimer, &QTimer::timeout, this, &MainMenu::updateClock);
    Gs_Caption_Replace(this);
    registerCommands();
    refresh();
}

MainMenu::~MainMenu()
{
    m_state.campaignMoved = nullptr; // the state outlives this window
}

void MainMenu::buildMenus()
{
    buildFileMenu();

    QMenu *misc = menuBar()->addMenu(QStringLiteral("&Misc"));
    // The same screen as its button; Alt+G is the button's, so the menu entry has its own letter.
    m_glanceAction = misc->addAction(QStringLiteral("&Campaign at a Glance"), this, [this] { runCommand(Glance); });
    m_mailAction = misc->addAction(QStringLiteral("&E-mail Invoices of the Current Campaign..."), this, [this] {
        reports::InvoiceMailScreen screen(m_state, {m_state.options.CurrentCampaignYear, m_state.options.CurrentCampaignNumber}, this);
        screen.exec();
    });
    misc->addSeparator();
    misc->addAction(QStringLiteral("&Print Screen"), this, [this] { zel::printScreen(this); });
    misc->addAction(QStringLiteral("&Reset Screen Size / Positon"), this, &MainMenu::resetScreenSize);
    misc->addAction(QStringLiteral("Reset &All Screens Sizes / Positions"), this, &MainMenu::resetAllScreens);
    misc->addAction(QStringLiteral("Reset All &Grids"), this, &MainMenu::resetAllGrids);

    // Alt+H is the Histories button's; F1 is the usual way to help anyway.
    QMenu *help = menuBar()->addMenu(QStringLiteral("He&lp"));
    help->addAction(QStringLiteral("&Help"), QKeySequence::HelpContents, this, &MainMenu::openHelp);
    help->addAction(QStringLiteral("&About"), this, &MainMenu::showAbout);
}

void MainMenu::buildFileMenu()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setToolTipsVisible(true);
    const auto addCommand = [&](const FileText &text) {
        QAction *action = file->addAction(QString::fromUtf8(text.caption));
        const QString logged = text.logged ? QString::fromUtf8(text.logged) : QString();
        connect(action, &QAction::triggered, this, [this, command = text.command, logged] {
            if (!logged.isEmpty())
                m_state.LogWrite(kMsg, logged);
            runFileCommand(command);
        });
        m_fileActions[text.command] = action;
    };
    for (const FileText &text : kDatabaseCommands)
        addCommand(text);
    file->addSeparator();
    file->addAction(QStringLiteral("E&xit"), this, &QWidget::close);
    m_lastUsedSeparator = file->addSeparator();
    for (int i = 0; i < 10; ++i) {
        m_lastUsed[i] = file->addAction(QString());
        m_lastUsed[i]->setVisible(false);
        connect(m_lastUsed[i], &QAction::triggered, this, [this, i] { openLastUsed(i); });
    }
    file->addSeparator();
    for (const FileText &text : kTransferCommands)
        addCommand(text);
    file->addSeparator();
    addCommand({ImportProductDatabase, "&Import Product Database", nullptr});
}

QPushButton *MainMenu::makeCommandButton(Command command, const QString &caption, const QString &tooltip)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(QStringLiteral("cmdCommand%1").arg(int(command)));
    button->setMinimumHeight(34);
    m_tooltips[command] = tooltip;
    button->setToolTip(tooltip);
    connect(button, &QPushButton::clicked, this, [this, command] { runCommand(command); });
    m_buttons[command] = button;
    return button;
}

void MainMenu::buildCentre()
{
    auto *centre = new QWidget(this);
    auto *layout = new QVBoxLayout(centre);

    auto *banner = new QHBoxLayout;
    auto *icon = new QLabel(this);
    icon->setPixmap(QPixmap(QStringLiteral(":/zel/zel.png")).scaled(40, 40, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    auto *name = new QLabel(QStringLiteral("<b>ZEL</b> &mdash; Customer Management System"), this);
    QFont larger = name->font();
    larger.setPointSizeF(larger.pointSizeF() * 1.4);
    name->setFont(larger);
    banner->addWidget(icon);
    banner->addWidget(name, 1);
    layout->addLayout(banner);

    auto *commands = new QGridLayout;
    int index = 0;
    for (const CommandText &text : kCommands) {
        QPushButton *button = makeCommandButton(text.command, QString::fromUtf8(text.caption), QString::fromUtf8(text.tooltip));
        if (text.command == Glance)
            commands->addWidget(button, 5, 0, 1, 2);
        else
            commands->addWidget(button, index % 5, index / 5);
        ++index;
    }
    layout->addLayout(commands);

    auto *campaigns = new QHBoxLayout;
    const QString campaignTip = QStringLiteral("Change Current ####. See Title Bar For Current #### Setting. ");
    // Alt+P belongs to Products, the more used command.
    m_previous = new QPushButton(QStringLiteral("Pre&vious ####"), this);
    m_next = new QPushButton(QStringLiteral("&Next ####"), this);
    for (QPushButton *button : {m_previous, m_next}) {
        button->setToolTip(campaignTip);
        campaigns->addWidget(button);
    }
    connect(m_previous, &QPushButton::clicked, this, [this] { stepCampaign(false); });
    connect(m_next, &QPushButton::clicked, this, [this] { stepCampaign(true); });
    layout->addLayout(campaigns);

    auto *frame = new QGroupBox(QStringLiteral("Backup Options"), this);
    m_backupFrame = frame;
    auto *frameLayout = new QHBoxLayout(frame);
    m_backupAuto = new QRadioButton(QStringLiteral("Auto"), frame);
    m_backupManual = new QRadioButton(QStringLiteral("Manual"), frame);
    m_backupNone = new QRadioButton(QStringLiteral("None"), frame);
    // Alt+C belongs to Customers.
    m_compress = new QCheckBox(QStringLiteral("Compact &DB on Exit"), frame);
    m_backupAuto->setChecked(true);
    for (QWidget *w : std::initializer_list<QWidget *>{m_backupAuto, m_backupManual, m_backupNone, m_compress})
        frameLayout->addWidget(w);
    layout->addWidget(frame);

    m_clock = new QLabel(this);
    m_clock->setObjectName(QStringLiteral("lblClock"));
    m_clock->setAlignment(Qt::AlignCenter);
    m_clock->setWordWrap(true);
    m_clock->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_clock);

    setCentralWidget(centre);
    // Tab order follows the two columns, then the campaign steps and the backup choices.
    QWidget *previous = nullptr;
    for (const CommandText &text : kCommands) {
        if (previous)
            setTabOrder(previous, m_buttons[text.command]);
        previous = m_buttons[text.command];
    }
    setTabOrder(previous, m_previous);
    setTabOrder(m_previous, m_next);
    setTabOrder(m_next, m_backupAuto);
    setTabOrder(m_backupAuto, m_compress);
}

void MainMenu::load()
{
    // Placed before the database is chosen, so that its questions appear over the menu.
    Gs_Screen_Setup(this, m_state.settings);
    if (!m_command.repair) {
        const bool opened = m_operations.loadDatabase(m_command);
        if (!opened)
            showLastUsed();
        setWindowTitle(m_operations.windowTitle());
        m_operations.markRunning();
    }
    setExitChoices(m_operations.readExitChoices());
    if (m_operations.isSampleDatabase())
        m_operations.showSampleWarning();
    refresh();
    updateClock();
    m_clockTimer->start();
    m_loaded = true;
    if (m_operations.askProductFileReminder(QDate::currentDate()))
        runCommand(Utilities);
}

void MainMenu::setScreen(Command command, std::function<void()> open)
{
    m_screens[command] = std::move(open);
    refresh();
}

void MainMenu::setFileCommand(FileCommand command, std::function<void()> run)
{
    m_fileCommands[command] = std::move(run);
    refresh();
}

void MainMenu::refresh()
{
    const bool open = m_state.isDatabaseOpen();
    for (int c = 0; c < CommandCount; ++c) {
        // A command without its screen (only in tests that install a few) stays disabled.
        const bool exists = c == Exit || bool(m_screens[c]);
        m_buttons[c]->setEnabled(exists && (open || c == Exit));
        m_buttons[c]->setToolTip(Gs_Tooltip_Replace(m_tooltips[c]));
    }
    m_previous->setEnabled(open);
    m_glanceAction->setEnabled(open && bool(m_screens[Glance]));
    m_mailAction->setEnabled(open);
    m_next->setEnabled(open);

    const auto needs = [open](FileCommand c) {
        switch (c) {
        case NewDatabase: case OpenDatabase: case RestoreBackup: return !open;
        case CloseDatabase: case BackupDatabase: return open;
        default: return true;
        }
    };
    for (int c = 0; c < FileCommandCount; ++c) {
        QAction *action = m_fileActions[c];
        action->setEnabled(bool(m_fileCommands[c]) && needs(FileCommand(c)));
    }
    if (open) {
        for (QAction *item : m_lastUsed)
            item->setVisible(false);
    }
    m_backupFrame->setToolTip(m_operations.backupTooltip());
    for (QRadioButton *choice : {m_backupAuto, m_backupManual, m_backupNone})
        choice->setToolTip(m_operations.backupTooltip());
}

ExitChoices MainMenu::exitChoices() const
{
    ExitChoices choices;
    if (m_backupManual->isChecked())
        choices.backup = ExitChoices::Backup::Manual;
    else if (m_backupNone->isChecked())
        choices.backup = ExitChoices::Backup::None;
    choices.compress = m_compress->isChecked();
    return choices;
}

void MainMenu::setExitChoices(const ExitChoices &choices)
{
    m_backupAuto->setChecked(choices.backup == ExitChoices::Backup::Auto);
    m_backupManual->setChecked(choices.backup == ExitChoices::Backup::Manual);
    m_backupNone->setChecked(choices.backup == ExitChoices::Backup::None);
    m_compress->setChecked(choices.compress);
}

void MainMenu::runCommand(Command command)
{
    if (command == Exit) {
        close();
        return;
    }
    if (!m_screens[command])
        return;
    m_state.prompter.hourglass(true);
    m_clockTimer->stop();
    m_state.webSubmission = command == WebSubmission;
    m_state.prompter.hourglass(false);
    m_screens[command]();
    m_state.webSubmission = false;
    // What a screen said in passing ("2 Customers Found.") was about that screen, now closed.
    statusBar()->clearMessage();
    setWindowTitle(m_operations.windowTitle());
    m_clockTimer->start();
    refresh();
}

void MainMenu::runFileCommand(FileCommand command)
{
    if (!m_fileCommands[command])
        return;
    m_fileCommands[command]();
    afterFileAction();
}

void MainMenu::afterFileAction()
{
    if (m_state.isDatabaseOpen() && m_state.seams.loadOptions)
        m_state.seams.loadOptions();
    setWindowTitle(m_operations.windowTitle());
    if (m_operations.isSampleDatabase())
        m_operations.showSampleWarning();
    if (!m_state.isDatabaseOpen())
        showLastUsed();
    refresh();
    updateClock();
}

void MainMenu::showLastUsed()
{
    m_lastUsedPaths = mShowLastUsed(m_state.settings);
    for (int i = 0; i < 10; ++i) {
        const QString &path = m_lastUsedPaths[i];
        m_lastUsed[i]->setVisible(!path.isEmpty());
        // The item's number is its mnemonic; an '&' in the path must show as itself.
        QString shown = path;
        shown.replace(QLatin1Char('&'), QLatin1String("&&"));
        const QString number = i < 9 ? QStringLiteral("&%1").arg(i + 1) : QStringLiteral("1&0");
        m_lastUsed[i]->setText(number + QStringLiteral(": ") + shown);
    }
}

void MainMenu::openLastUsed(int index)
{
    m_state.LogWrite(kMsg, QStringLiteral("Open Last Database"));
    db::DatabaseCommands(m_state).Ms_Open_Database(m_lastUsedPaths[index]);
    afterFileAction();
}

void MainMenu::registerCommands()
{
    setScreen(Products, [this] {
        ProductsScreen screen(m_state, this);
        screen.exec();
        setWindowTitle(m_operations.windowTitle());
    });
    const auto openHistory = [this](int customer) {
        customers::PurchaseHistoryScreen screen(m_state, customer, this);
        screen.exec();
    };
    // The customer screen reloads her orders and balance after every visit to order entry: even an
    // order that was not saved may have been deleted there.
    const auto openOrder = [this, openHistory](int customer, const Campaign &campaign, int order) {
        OrderScreen screen(m_state, customer, campaign, order, this);
        screen.setHistoryOpener(openHistory);
        screen.exec();
        return true;
    };
    m_state.campaignMoved = [this] { setWindowTitle(m_operations.windowTitle()); };
    setScreen(Customers, [this, openOrder] {
        customers::CustomerSearchScreen screen(m_state, this);
        screen.setOrderOpener(openOrder);
        screen.exec();
    });
    setScreen(Histories, [openHistory] { openHistory(0); });
    setScreen(Glance, [this] {
        reports::GlanceScreen screen(m_state, this);
        screen.exec();
    });
    setScreen(Options, [this] {
        OptionsScreen screen(m_state, this);
        screen.exec();
    });
    setScreen(Expenses, [this] {
        ExpensesScreen screen(m_state, this);
        screen.exec();
    });
    setScreen(Inventory, [this] {
        InventoryScreen screen(m_state, this);
        screen.exec();
    });
    setScreen(Utilities, [this] {
        UtilitiesScreen screen(m_state, this);
        screen.exec();
    });
    // The web submission opens the same screen; the state's web-submission flag puts it on the order summary.
    for (const Command command : {Reports, WebSubmission})
        setScreen(command, [this] {
            reports::ReportsScreen screen(m_state, this);
            screen.setTransmitOpener([this](const QString &country) {
                TransmitScreen sending(m_state, country, this);
                sending.exec();
            });
            screen.exec();
        });
    const auto database = [this](auto command) {
        return [this, command] {
            db::DatabaseCommands commands(m_state);
            (commands.*command)();
        };
    };
    setFileCommand(NewDatabase, [this] {
        if (db::DatabaseCommands(m_state).Ms_New_Database()) {
            setWindowTitle(m_operations.windowTitle());
            refresh();
            runCommand(Options);
        }
    });
    setFileCommand(OpenDatabase, [this] { db::DatabaseCommands(m_state).Ms_Open_Database(); });
    setFileCommand(CloseDatabase, database(&db::DatabaseCommands::Ms_Close_Database));
    setFileCommand(BackupDatabase, database(&db::DatabaseCommands::Ms_Backup_Database));
    setFileCommand(CompactDatabase, database(&db::DatabaseCommands::Ms_Compact_Database));
    setFileCommand(RepairDatabase, database(&db::DatabaseCommands::Ms_Repair_Database));
    setFileCommand(UploadFile, [this] {
        UploadScreen screen(m_state, this);
        screen.exec();
    });
    setFileCommand(DownloadFile, [this] {
        DownloadScreen screen(m_state, this);
        screen.exec();
    });
    setFileCommand(RestoreBackup, [this] {
        if (db::DatabaseCommands(m_state).Gfi_Restore_Db())
            QTimer::singleShot(0, this, &QWidget::close);
    });
}

void MainMenu::stepCampaign(bool forward)
{
    if (m_operations.stepCampaign(forward))
        setWindowTitle(m_operations.windowTitle());
}

void MainMenu::updateClock()
{
    m_clock->setText(m_operations.clockText(QDateTime::currentDateTime(), QLocale::system()));
}

bool MainMenu::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && m_loaded && !m_shutDown) {
        setWindowTitle(m_operations.windowTitle());
        m_clockTimer->start();
        m_operations.reopenOnActivation();
        refresh();
    }
    return QMainWindow::event(event);
}

void MainMenu::closeEvent(QCloseEvent *event)
{
    if (!m_shutDown) {
        m_shutDown = true;
        m_clockTimer->stop();
        Gs_Screen_Save(this, m_state.settings);
        m_operations.Ms_Shutdown(exitChoices());
        for (QWidget *window : QApplication::topLevelWidgets())
            if (window != this && window->objectName().toUpper() != QLatin1String("ZEL_MAIN"))
                window->close();
    }
    event->accept();
}

void MainMenu::resetScreenSize()
{
    centreOnScreen(this);
}

void MainMenu::resetAllScreens()
{
    m_state.settings.resetAllScreens();
    m_state.prompter.information(QStringLiteral("All screens have been reset to their standard sizes."));
}

void MainMenu::resetAllGrids()
{
    m_state.settings.resetAllGrids();
    m_state.prompter.information(QStringLiteral("All grids have been reset to their standard sizes."));
}

// The program's own window shows the manual, so help works on a machine without a web browser.
void MainMenu::openHelp()
{
    m_help = HelpWindow::showFor(this, m_state, m_help, objectName());
}

void MainMenu::showAbout()
{
    const QString database = m_state.databasePath.isEmpty() ? QStringLiteral("(none open)") : m_state.databasePath;
    QMessageBox::about(this, QStringLiteral("About ZEL"),
                       QStringLiteral("<h3>ZEL &mdash; Customer Management System</h3>"
                                      "<p>Version %1</p><p>Database: %2</p>")
                           .arg(m_state.version, database.toHtmlEscaped()));
}

} // namespace zel
