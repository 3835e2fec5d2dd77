#include "desktop/main_menu_operations.h"
#include "desktop/start_command.h"

#include "core/text.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QDateTime>
#include <QLocale>

using namespace zel;
using zel::test::TempApp;

namespace {

QString day(const QDate &date)
{
    return toDbDateTime(QDateTime(date, QTime(0, 0)));
}

class MainMenuOperationsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QDate today = QDate::currentDate();
        const QString dates = QStringLiteral("INSERT INTO Dates VALUES (%1, 1, '%2', '%3', 7, '%4')");
        path = app.makeZelDatabase("Shop.ZELDB", {
            dates.arg(1).arg(day(today.addDays(-1)), "Birthday", "Y"),
            dates.arg(2).arg(day(today), "Today", "Y"),
            dates.arg(3).arg(day(today.addYears(-3)), "Long ago", "Y"),
            dates.arg(4).arg(day(today.addDays(-30)), "Once only", "N"),
            "CREATE TABLE rptOrders (x INTEGER)", "CREATE TABLE WorkPayments1 (x INTEGER)",
            "CREATE TABLE REPTemp (x INTEGER)",
        });
        app.state->settings.write(settings::LastDBName, path);
        ASSERT_TRUE(operations.loadDatabase({}));
    }

    TempApp app;
    MainMenuOperations operations{*app.state};
    QString path;
};

} // namespace

TEST_F(MainMenuOperationsTest, ShutdownRollsDatesCleansUpAndEndsOk)
{
    operations.markRunning();
    EXPECT_EQ(app.state->settings.read(settings::LastStatus), settings::kRunning);
    operations.Ms_Shutdown({ExitChoices::Backup::None, false});

    const QDate today = QDate::currentDate();
    EXPECT_EQ(TempApp::queryColumn(path, "Select substr([Dates Date], 1, 10) From Dates Order By [Dates ID]"),
              QStringList({today.addDays(-1).addYears(1).toString(Qt::ISODate), today.toString(Qt::ISODate),
                           today.addYears(-2).toString(Qt::ISODate), today.addDays(-30).toString(Qt::ISODate)}));
    const QStringList tables = TempApp::queryColumn(path, "Select name From sqlite_master Where type = 'table'");
    for (const char *gone : {"rptOrders", "WorkPayments1", "REPTemp"})
        EXPECT_FALSE(tables.contains(gone)) << qPrintable(gone);
    EXPECT_TRUE(tables.contains("OrdersWork1"));
    EXPECT_TRUE(tables.contains("Dates"));
    EXPECT_EQ(app.state->settings.read(settings::LastStatus), settings::kEndedOk);
    EXPECT_EQ(app.state->settings.read(settings::lastUsed(1)), path);
    EXPECT_FALSE(app.state->isDatabaseOpen());
    const QString log = app.readFile("LogMsg.txt");
    EXPECT_LT(log.indexOf("Ms_Shutdown, CALL ms_Delete_Temp_Tables"), log.indexOf("Close DB - Ms_Shutdown"));
    EXPECT_TRUE(log.endsWith("Ending Program\n"));
}

TEST_F(MainMenuOperationsTest, ExitChoicesAreWrittenAndReadBack)
{
    operations.Ms_Shutdown({ExitChoices::Backup::Manual, true});
    const AppSettings &settings = app.state->settings;
    EXPECT_EQ(settings.read(settings::BackupAuto), QStringLiteral("False"));
    EXPECT_EQ(settings.read(settings::BackupManual), QStringLiteral("True"));
    EXPECT_EQ(settings.read(settings::Compress), QStringLiteral("1"));
    const ExitChoices read = operations.readExitChoices();
    EXPECT_EQ(read.backup, ExitChoices::Backup::Manual);
    EXPECT_TRUE(read.compress);

    TempApp fresh;
    EXPECT_EQ(MainMenuOperations(*fresh.state).readExitChoices().backup, ExitChoices::Backup::Auto);
    fresh.state->settings.write(settings::BackupNone, " true ");
    EXPECT_EQ(MainMenuOperations(*fresh.state).readExitChoices().backup, ExitChoices::Backup::None);
}

TEST_F(MainMenuOperationsTest, ExitBacksUpAndCompactsThroughTheDatabaseSubsystem)
{
    QStringList calls;
    // Archives are cleaned only after the run is marked as ended.
    app.state->seams.deleteArchives = [&](const QString &pattern) {
        calls << "archives " + pattern + " " + app.state->settings.read(settings::LastStatus);
    };
    app.state->seams.autoBackup = [&](const QString &p) { calls << "backup " + p; };
    app.state->seams.compactFile = [&](const QString &p) {
        calls << QString("compact %1 open=%2").arg(p).arg(app.state->database.isOpen());
    };
    operations.Ms_Shutdown({ExitChoices::Backup::Auto, true});
    EXPECT_EQ(calls, QStringList({"archives " + app.path("*.ZELWK") + " Ended-OK",
                                  "archives " + app.path("*.ZELWK") + " Ended-OK", "backup " + path,
                                  "compact " + path + " open=0"}));
}

TEST_F(MainMenuOperationsTest, CampaignStepsStopAtOneAndThirtyWithABeep)
{
    int saves = 0;
    app.state->seams.saveOptions = [&] { ++saves; };
    app.state->options.CurrentCampaignNumber = 30;
    app.state->options.CurrentCampaignYear = 2008;
    EXPECT_FALSE(operations.stepCampaign(true));
    EXPECT_EQ(app.prompter.count(ScriptedPrompter::Kind::Beep), 1);
    EXPECT_TRUE(operations.stepCampaign(false));
    EXPECT_EQ(operations.windowTitle(), "ZEL  (Campaign 29 For 2008) - Version " + app.state->version);

    app.state->options.CurrentCampaignNumber = 1;
    EXPECT_FALSE(operations.stepCampaign(false));
    EXPECT_EQ(app.state->options.CurrentCampaignNumber, 1);
    EXPECT_EQ(app.state->options.CurrentCampaignYear, 2008) << "the year never changes";
    EXPECT_EQ(app.prompter.count(ScriptedPrompter::Kind::Beep), 2);
    EXPECT_EQ(saves, 1);
}

TEST_F(MainMenuOperationsTest, ClockAndBackupTooltipNameTheDatabase)
{
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QString clock = operations.clockText(QDateTime(QDate(2008, 8, 9), QTime(14, 5, 7)), english);
    EXPECT_TRUE(clock.startsWith("Saturday, August 9, 2008  -  2:05:07")) << qPrintable(clock);
    EXPECT_TRUE(clock.contains("\nCurrent Database File is: " + path.toUpper().replace("/", " / ")));
    EXPECT_EQ(operations.backupTooltip(), "Backup Destination: " + app.path(""));

    operations.closeDatabase("test");
    EXPECT_TRUE(operations.clockText(QDateTime::currentDateTime(), english).endsWith("\nNo Database is open."));
    EXPECT_EQ(operations.backupTooltip(), QStringLiteral("No Database Opened"));
}

TEST_F(MainMenuOperationsTest, ActivationReopensTheConnection)
{
    operations.reopenOnActivation();
    EXPECT_TRUE(app.state->isDatabaseOpen());
    const QString log = app.readFile("LogMsg.txt");
    EXPECT_LT(log.indexOf("Auto Close DB - ZEL_Main.Form.Activate"), log.indexOf("Auto Re-Open DB - ZEL_Main.Form.Activate"));
}

TEST_F(MainMenuOperationsTest, SampleDatabasesAreToldApart)
{
    EXPECT_FALSE(operations.isSampleDatabase());
    const QString sample = app.makeZelDatabase("Sample.ZELDB");
    operations.closeDatabase("test");
    ASSERT_TRUE(operations.openDatabase(sample, "test", "test"));
    EXPECT_TRUE(operations.isSampleDatabase());
}

TEST(ProductFileReminder, AsksOnlyOnEverySeventhDayWithABigCatalogue)
{
    TempApp app;
    const QString path = app.makeZelDatabase("Big.ZELDB", {
        "WITH RECURSIVE c(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM c WHERE n < 25001) "
        "INSERT INTO Products ([Products Campaign Year], [Products Campaign Number], [Products Catalog Number]) "
        "SELECT 2008, 1, n FROM c"});
    MainMenuOperations operations(*app.state);
    ASSERT_TRUE(operations.openDatabase(path, "test", "test"));

    EXPECT_FALSE(operations.askProductFileReminder(QDate(2008, 8, 13)));
    EXPECT_TRUE(app.prompter.messages().empty());
    app.prompter.queueAnswer(Answer::No);
    EXPECT_FALSE(operations.askProductFileReminder(QDate(2008, 8, 14)));
    app.prompter.queueAnswer(Answer::Yes);
    EXPECT_TRUE(operations.askProductFileReminder(QDate(2008, 8, 28)));
    EXPECT_TRUE(app.prompter.messageTexts().at(0).startsWith("Your product file has grown to over 25,000 products.\n"));

    TempApp small;
    const QString smallPath = small.makeZelDatabase("Small.ZELDB");
    MainMenuOperations smallOperations(*small.state);
    ASSERT_TRUE(smallOperations.openDatabase(smallPath, "test", "test"));
    EXPECT_FALSE(smallOperations.askProductFileReminder(QDate(2008, 8, 7)));
    EXPECT_TRUE(small.prompter.messages().empty());
}
