#include "desktop/main_menu_operations.h"
#include "desktop/start_command.h"
#include "desktop/startup.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLocale>

using namespace zel;
using zel::test::TempApp;

namespace {

const QString kNoDatabase = QStringLiteral("No Database has been Opened.");

class StartupTest : public ::testing::Test
{
protected:
    QString makeShop(const QString &name = QStringLiteral("Shop.ZELDB"))
    {
        return app.makeZelDatabase(name);
    }
    bool load(const QString &commandLine = {})
    {
        return MainMenuOperations(*app.state).loadDatabase(StartCommand::parse(commandLine));
    }
    bool messageStartsWith(const QString &start) const
    {
        for (const QString &text : app.prompter.messageTexts())
            if (text.startsWith(start))
                return true;
        return false;
    }

    TempApp app;
};

} // namespace

TEST(StartCommand, FindsTheWordsAnywhereAndKeepsThePathsCase)
{
    const StartCommand autostart = StartCommand::parse("autostart /home/Ann/Shop Orders.ZELDB");
    EXPECT_TRUE(autostart.autostart);
    EXPECT_EQ(autostart.autostartPath, QStringLiteral("/home/Ann/Shop Orders.ZELDB"));
    EXPECT_FALSE(autostart.repair);
    EXPECT_TRUE(StartCommand::parse("Repair").repair);
    EXPECT_EQ(StartCommand::parse("AUTOSTART \"/x/y.ZELDB\"").autostartPath, QStringLiteral("/x/y.ZELDB"));
    EXPECT_FALSE(StartCommand::parse("").autostart);
}

TEST(StartCommand, ThePathRunsToTheEndOfTheLine)
{
    // Words inside the path are part of it, not start words.
    const StartCommand inRepairs = StartCommand::parse("AUTOSTART /home/Ann/Repairs/Shop.ZELDB");
    EXPECT_FALSE(inRepairs.repair);
    EXPECT_EQ(inRepairs.autostartPath, QStringLiteral("/home/Ann/Repairs/Shop.ZELDB"));
    EXPECT_TRUE(StartCommand::parse("REPAIR AUTOSTART /x/Shop.ZELDB").repair);
    // The desktop entry started from the menu, with no file for its %f.
    EXPECT_FALSE(StartCommand::parse("AUTOSTART").autostart);
    EXPECT_FALSE(StartCommand::parse("AUTOSTART  ").autostart);
    // Upper-casing can change a text's length; the path is cut from the text as it was given.
    EXPECT_EQ(StartCommand::parse(QString::fromUtf8("stra\u00dfe AUTOSTART /home/J\u00fcrgen/Kunden.ZELDB")).autostartPath,
              QString::fromUtf8("/home/J\u00fcrgen/Kunden.ZELDB"));
}

TEST(StartCommand, TheHandOverTextCarriesAnAbsolutePath)
{
    EXPECT_EQ(StartCommand::parse("AUTOSTART Shop.ZELDB").handOverText(),
              "AUTOSTART " + QDir::current().absoluteFilePath("Shop.ZELDB"));
    EXPECT_EQ(StartCommand::parse("autostart /x/Shop.ZELDB").handOverText(), QStringLiteral("AUTOSTART /x/Shop.ZELDB"));
    EXPECT_TRUE(StartCommand::parse("REPAIR").handOverText().isEmpty());
    EXPECT_TRUE(StartCommand::parse("").handOverText().isEmpty());
}

TEST_F(StartupTest, PrepareWritesTheStartLineToEveryLogAndInstallsTheManual)
{
    Startup(*app.state).prepare(QLocale(QLocale::English, QLocale::UnitedStates));
    for (const char *file : {"LogDebug.txt", "LogError.txt", "LogSql.txt", "LogPaymentUpdate.txt", "LogFiles.txt",
                             "LogTrace.txt", "LogMsg.txt", "LogOrders.txt"})
        EXPECT_TRUE(app.readFile(file).endsWith(" - Starting Program\n")) << file;
    EXPECT_TRUE(app.readFile("ZEL User Manual.htm").contains("Customer Management System"));
    EXPECT_TRUE(app.prompter.messages().empty());
    EXPECT_EQ(app.state->shortcuts.country, QStringLiteral("None"));
}

TEST_F(StartupTest, ACommaDecimalSymbolOnlyWarns)
{
    Startup(*app.state).prepare(QLocale(QLocale::German, QLocale::Germany));
    const auto messages = app.prompter.messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, QStringLiteral("Control Panel Warning"));
    EXPECT_TRUE(messages[0].text.startsWith(
        "This program requires that the Windows setting for the 'DECIMAL SYMBOL' be a PERIOD.\n\nWindows 98 - "));
}

TEST_F(StartupTest, HidingTheSplashPageIsConfirmedFirst)
{
    Startup startup(*app.state);
    EXPECT_FALSE(startup.splashHidden());
    app.prompter.queueAnswer(Answer::No);
    startup.confirmHideSplash();
    EXPECT_FALSE(startup.splashHidden());
    app.prompter.queueAnswer(Answer::Yes);
    startup.confirmHideSplash();
    EXPECT_TRUE(startup.splashHidden());
    EXPECT_EQ(app.prompter.messages()[0].title, QStringLiteral("Verify Hide"));
    EXPECT_EQ(app.prompter.messages()[0].text, QStringLiteral("Are you sure you wish to hide this page during start up?"));
}

TEST_F(StartupTest, TheLastDatabaseIsOpenedAndRecorded)
{
    const QString path = makeShop();
    app.state->settings.write(settings::LastDBName, path);
    ASSERT_TRUE(load());
    EXPECT_TRUE(app.state->isDatabaseOpen());
    EXPECT_EQ(app.state->databasePath, path);
    EXPECT_TRUE(app.prompter.messages().empty());
    const QStringList history = TempApp::queryColumn(path, "Select ExeVersion || '|' || DbVersion || '|' || Comments From ExeHistory");
    EXPECT_EQ(history, QStringList{app.state->version + "|17|Auto Open:" + path});
    EXPECT_TRUE(app.readFile("LogMsg.txt").contains("Open DB - ZEL_Main_Load " + path));
    EXPECT_TRUE(app.readFile("LogMsg.txt").contains("Open DB - Gs_Get_Last_Used" + path));
}

TEST_F(StartupTest, TheRegistryCopyIsUsedWhenTheIniHasNoPath)
{
    const QString path = makeShop();
    app.state->registry.setLastDbName(path);
    ASSERT_TRUE(load());
    EXPECT_EQ(app.state->databasePath, path);
}

TEST_F(StartupTest, AMissingDatabaseIsReportedAndTheMenuHasNone)
{
    app.state->settings.write(settings::LastDBName, app.path("Gone.ZELDB"));
    EXPECT_FALSE(load());
    const QStringList texts = app.prompter.messageTexts();
    ASSERT_EQ(texts.size(), 2);
    EXPECT_EQ(texts[0], app.path("Gone.ZELDB") + "\nNot Found.\nPlease use File/Open to open an existing database.");
    EXPECT_TRUE(texts[1].startsWith(kNoDatabase + "\n\nWhen the ZEL Main Menu appears"));
    EXPECT_FALSE(app.state->isDatabaseOpen());
}

TEST_F(StartupTest, AFileThatIsNotADatabaseGoesThroughTheErrorReport)
{
    app.writeFile("Broken.ZELDB", QByteArray(4096, 'x'));
    app.state->settings.write(settings::LastDBName, app.path("Broken.ZELDB"));
    app.prompter.queueAnswer(Answer::Ignore);
    EXPECT_FALSE(load());
    EXPECT_TRUE(messageStartsWith("An error occurred in Gs_Get_Last_Used."));
    EXPECT_TRUE(messageStartsWith(kNoDatabase));
    EXPECT_EQ(app.readFile("Broken.ZELDB"), QString(4096, 'x')) << "the file is left as it was";
}

TEST_F(StartupTest, AutostartAsksFirstAndOpensOnlyOnYes)
{
    const QString path = makeShop();
    app.prompter.queueAnswer(Answer::Yes);
    ASSERT_TRUE(load("AUTOSTART " + path));
    EXPECT_EQ(app.state->databasePath, path);
    const auto question = app.prompter.messages().at(0);
    EXPECT_EQ(question.title, QStringLiteral("ZEL Database Warning"));
    EXPECT_EQ(question.buttons, Buttons::YesNoCancel);
    EXPECT_TRUE(question.text.contains("\n\n" + path + "\n\nThis may ==NOT== be your last used Database!"));

    for (Answer answer : {Answer::No, Answer::Cancel}) {
        TempApp other;
        other.prompter.queueAnswer(answer);
        EXPECT_FALSE(MainMenuOperations(*other.state).loadDatabase(StartCommand::parse("AUTOSTART " + path)));
        EXPECT_TRUE(other.prompter.messageTexts().last().startsWith(kNoDatabase));
    }
}

TEST_F(StartupTest, AutostartRespectsTheOpenFileCheck)
{
    const QString path = makeShop("Shop.ZELBK");
    app.prompter.queueAnswer(Answer::Yes);
    EXPECT_FALSE(load("AUTOSTART " + path));
    EXPECT_EQ(app.prompter.messageTexts().at(1),
              "File " + path + " can not be opened as a database, please use File/Restore.");
}

TEST_F(StartupTest, AfterAnAbnormalEndTheUserChoosesWhetherToOpen)
{
    const QString path = makeShop();
    app.state->settings.write(settings::LastDBName, path);
    app.state->settings.write(settings::LastStatus, settings::kRunning);
    app.prompter.queueAnswer(Answer::No);
    EXPECT_FALSE(load());
    const QString question = app.prompter.messageTexts().at(0);
    EXPECT_TRUE(question.startsWith("The previous execution of ZEL did not exit normally.  \n"));
    EXPECT_TRUE(question.endsWith("Do you wish to attempt to open your current database: " + path + "."));
    EXPECT_FALSE(app.readFile("LogMsg.txt").contains("Open DB")) << "nothing was opened before the answer";

    app.prompter.clear();
    app.prompter.queueAnswer(Answer::Yes);
    EXPECT_TRUE(load());
}

TEST_F(StartupTest, RepairStartsWithNoDatabaseAndNoQuestions)
{
    const QString path = makeShop();
    app.state->settings.write(settings::LastDBName, path);
    app.state->settings.write(settings::LastStatus, settings::kRunning);
    EXPECT_FALSE(load("REPAIR"));
    EXPECT_TRUE(app.prompter.messages().empty());
    EXPECT_FALSE(app.state->isDatabaseOpen());
}

TEST_F(StartupTest, SeamsOfLaterSubsystemsRunInOrderAfterTheOpen)
{
    const QString path = makeShop();
    app.state->settings.write(settings::LastDBName, path);
    QStringList calls;
    app.state->seams = {};
    app.state->seams.checkDbVersion = [&](const QString &) { calls << "version"; return true; };
    app.state->seams.upgradeDb = [&] { calls << "upgrade"; };
    app.state->seams.loadOptions = [&] { calls << "options"; };
    app.state->seams.createWorkTables = [&] { calls << "work tables"; };
    ASSERT_TRUE(load());
    // Once for the test open of the start choice, once for the open itself.
    EXPECT_EQ(calls, QStringList({"version", "version", "upgrade", "options", "work tables"}));
}

TEST(DatabaseConnection, SaysPlainlyWhatKindOfFileCannotBeOpened)
{
    TempApp app;
    DatabaseConnection connection;
    app.writeFile("Empty.ZELDB", "");
    EXPECT_FALSE(connection.open(app.path("Empty.ZELDB")));
    EXPECT_EQ(connection.errorString(), QStringLiteral("The file is empty; it is not a database"));
    app.writeFile("Letter.ZELDB", "Dear customer, thank you for your order.");
    EXPECT_FALSE(connection.open(app.path("Letter.ZELDB")));
    EXPECT_EQ(connection.errorString(), QStringLiteral("The file is not a database, or it is damaged"));
    EXPECT_FALSE(connection.open(app.path("Absent.ZELDB")));

    const QString jet = QStringLiteral(ZEL_FIXTURES_DIR "/jet/nwind-jet3.mdb");
    if (!QFile::exists(jet))
        GTEST_SKIP() << "the sample Access files are not here (" << jet.toStdString() << ")";
    EXPECT_FALSE(connection.open(jet));
    EXPECT_TRUE(connection.errorString().startsWith("This is a database of an older version (Access format)"));
}

TEST_F(StartupTest, AHandedOverDatabaseReplacesTheOpenOneOnlyOnYes)
{
    const QString shop = makeShop();
    const QString other = makeShop("Other.ZELDB");
    app.state->settings.write(settings::LastDBName, shop);
    ASSERT_TRUE(load());
    app.prompter.clear();

    Startup startup(*app.state);
    app.prompter.queueAnswer(Answer::No);
    EXPECT_FALSE(startup.openHandedOver(StartCommand::parse("AUTOSTART " + other)));
    EXPECT_EQ(app.state->databasePath, shop);
    EXPECT_TRUE(app.state->isDatabaseOpen());
    EXPECT_EQ(app.prompter.messages().at(0).title, QStringLiteral("ZEL Database Warning"));

    app.prompter.queueAnswer(Answer::Yes);
    EXPECT_TRUE(startup.openHandedOver(StartCommand::parse("AUTOSTART " + other)));
    EXPECT_EQ(app.state->databasePath, other);
    EXPECT_TRUE(app.state->isDatabaseOpen());

    app.prompter.clear();
    EXPECT_FALSE(startup.openHandedOver(StartCommand::parse("")));
    EXPECT_TRUE(app.prompter.messages().empty()) << "a plain second start only raises the window";
}
