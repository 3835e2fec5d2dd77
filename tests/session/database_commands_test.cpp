#include "session/database_commands.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

using namespace zel;
using zel::test::TempApp;

namespace {

class DatabaseCommandsTest : public ::testing::Test
{
protected:
    db::DatabaseCommands commands() { return db::DatabaseCommands(*app.state); }
    QString shop()
    {
        return app.makeZelDatabase("Shop.ZELDB", {"Insert Into Customers ([Customers Number], [Customers Last Name]) "
                                                  "Values (1, 'Adams'), (2, 'Baker')"});
    }

    TempApp app;
};

} // namespace

TEST_F(DatabaseCommandsTest, OpenRefusesBackupsBeforeTouchingThem)
{
    const QString backup = app.makeZelDatabase("SHOP_BACKUP.ZELDB");
    EXPECT_FALSE(commands().Ms_Open_Database(backup));
    EXPECT_EQ(app.prompter.messageTexts(),
              QStringList{"File " + backup + " can not be opened as a database, please use File/Restore."});
    EXPECT_FALSE(app.state->isDatabaseOpen());
}

TEST_F(DatabaseCommandsTest, OpenRefusesADatabaseWithoutAnyMainTableAndClosesIt)
{
    const QString other = app.makeDatabase("Other.ZELDB", {"CREATE TABLE Stuff (x INTEGER)"});
    EXPECT_FALSE(commands().Ms_Open_Database(other));
    EXPECT_TRUE(app.prompter.messageTexts().last().startsWith("This database appears to be a product import database."));
    EXPECT_FALSE(app.state->database.isOpen());
    EXPECT_FALSE(app.state->isDatabaseOpen());
}

TEST_F(DatabaseCommandsTest, AProductImportDatabaseOpensOnlyWhenTheUserInsists)
{
    const QString products = app.makeZelDatabase("Products.ZELDB", {
        "Insert Into Customers ([Customers Number], [Customers Last Name]) Values (1, 'Import')"});
    app.prompter.queueAnswer(Answer::No);
    EXPECT_FALSE(commands().Ms_Open_Database(products));
    EXPECT_EQ(app.prompter.messages().at(0).title, QStringLiteral("Product Database Warning"));
    EXPECT_FALSE(app.state->database.isOpen());

    app.prompter.queueAnswer(Answer::Yes);
    EXPECT_TRUE(commands().Ms_Open_Database(products));
    EXPECT_TRUE(app.state->isDatabaseOpen());
}

TEST_F(DatabaseCommandsTest, OpenByDialogRemembersTheFolderAndLoadsTheOptions)
{
    const QString path = shop();
    app.prompter.queueFile(path);
    ASSERT_TRUE(commands().Ms_Open_Database());
    EXPECT_EQ(app.state->databasePath, path);
    EXPECT_EQ(app.state->options.RepName, QStringLiteral("My Name"));
    EXPECT_EQ(app.state->settings.read(settings::LastOpenDatabasePath), app.path(""));
    EXPECT_EQ(TempApp::queryColumn(path, "Select Comments From ExeHistory"), QStringList{"Menu Open:" + path});

    EXPECT_FALSE(commands().Ms_Open_Database(app.path("Gone.ZELDB")));
    EXPECT_EQ(app.prompter.messageTexts().last(),
              app.path("Gone.ZELDB") + " Not Found.\nPlease use File/Open to open an existing database.");
}

TEST_F(DatabaseCommandsTest, ATruncatedDatabaseIsSaidToBeDamagedAndIsRescuedOnlyWhenAsked)
{
    const QString path = shop();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const QByteArray head = file.read(100);
    file.resize(0);
    file.write(head + QByteArray(50, '\0'));
    file.close();
    const QByteArray damaged = [&] { QFile f(path); f.open(QIODevice::ReadOnly); return f.readAll(); }();

    app.prompter.queueAnswer(Answer::No);
    EXPECT_FALSE(commands().Ms_Open_Database(path));
    const QString asked = app.prompter.messageTexts().last();
    EXPECT_TRUE(asked.startsWith(path + " is damaged: ")) << qPrintable(asked);
    EXPECT_TRUE(asked.contains("Rescue every row that can still be read into a new database?")) << qPrintable(asked);
    EXPECT_FALSE(app.prompter.messageTexts().join('\n').contains("An error occurred")) << "no technical report";
    EXPECT_FALSE(app.state->isDatabaseOpen());
    QFile after(path);
    after.open(QIODevice::ReadOnly);
    EXPECT_EQ(after.readAll(), damaged) << "No leaves the file exactly as it was";

    app.prompter.queueAnswer(Answer::Yes);
    ASSERT_TRUE(commands().Ms_Open_Database(path));
    EXPECT_TRUE(app.state->isDatabaseOpen());
    EXPECT_TRUE(app.prompter.messageTexts().join('\n').contains("The database has been rescued."));
    EXPECT_EQ(QDir(app.path("")).entryList({"Shop_Damaged_*.ZELDB"}).size(), 1) << "the damaged file is kept";
}

TEST_F(DatabaseCommandsTest, NewDatabaseIsCreatedOpenedAndAsksForTheOptions)
{
    app.prompter.queueFile(app.path("Customers2008.ZELDB"));
    ASSERT_TRUE(commands().Ms_New_Database());
    EXPECT_TRUE(app.state->isDatabaseOpen());
    const QString path = app.path("Customers2008.ZELDB");
    EXPECT_EQ(TempApp::queryColumn(path, "Select Comments From ExeHistory"), QStringList{"Menu New Db:" + path});
    // The options row is made on the first load, and the user is told once.
    EXPECT_EQ(app.prompter.messageTexts(), QStringList{"Options Record not found - Will insert default values.  Please "
                                                       "update with your demographic data."});
    EXPECT_EQ(TempApp::queryColumn(path, "Select [Options Rep Name] From Options"), QStringList{"My Name"});
    EXPECT_EQ(app.prompter.count(ScriptedPrompter::Kind::Beep), 1);
}

TEST_F(DatabaseCommandsTest, NewDatabaseOnTheDesktopNeedsAYes)
{
    QDir(app.path("")).mkdir("Desktop");
    app.prompter.queueFile(app.path("Desktop/Shop.ZELDB"));
    app.prompter.queueAnswer(Answer::No);
    EXPECT_FALSE(commands().Ms_New_Database());
    EXPECT_TRUE(app.prompter.messageTexts().at(0).startsWith("Warning:  Your DATABASE should not be created on the desktop."));
    EXPECT_FALSE(QFile::exists(app.path("Desktop/Shop.ZELDB")));
}

TEST_F(DatabaseCommandsTest, BackupIsRefusedOntoTheOpenDatabase)
{
    const QString path = shop();
    ASSERT_TRUE(commands().Ms_Open_Database(path));
    app.prompter.queueFile(path);
    EXPECT_FALSE(commands().Ms_Backup_Database());
    EXPECT_EQ(app.prompter.messageTexts().last(), QStringLiteral("Cannot backup to same name as currently open database."));
    EXPECT_TRUE(app.state->isDatabaseOpen());
}

TEST_F(DatabaseCommandsTest, BackupArchivesTheLastOneAndReopens)
{
    const QString path = shop();
    ASSERT_TRUE(commands().Ms_Open_Database(path));
    const QString target = app.path("Shop_Backup.ZELDB");
    app.writeFile("Shop_Backup.ZELDB", "the previous backup");
    app.prompter.queueFile(target);
    ASSERT_TRUE(commands().Ms_Backup_Database());
    EXPECT_TRUE(app.state->isDatabaseOpen());
    EXPECT_EQ(TempApp::queryColumn(target, "Select count(*) From Customers"), QStringList{"2"});
    const QStringList archives = QDir(app.path("")).entryList({"Shop_Backup_ZELDB_*.ZELWK"});
    ASSERT_EQ(archives.size(), 1);
    EXPECT_EQ(app.readFile(archives[0]), QStringLiteral("the previous backup"));
    const QString message = app.prompter.messageTexts().last();
    EXPECT_TRUE(message.startsWith(target + " has been created SUCCESSFULLY!\n\nYour last backup has been archived to "));
    EXPECT_TRUE(message.endsWith(" and will be retained for 30 days."));
    EXPECT_TRUE(app.readFile("LogMsg.txt").contains("GFI_BACKUP_DB Complete, Database status: OPEN"));
}

TEST_F(DatabaseCommandsTest, RestoreWritesANewDatabaseAndMakesItTheNextOneOpened)
{
    const QString backup = shop();
    const QString target = app.path("Restored.ZELDB");
    app.prompter.queueFile(backup);
    app.prompter.queueFile(backup);
    EXPECT_FALSE(commands().Gfi_Restore_Db());
    EXPECT_EQ(app.prompter.messageTexts().last(), QStringLiteral("New database name must be different from the backup name."));

    app.prompter.queueFile(backup);
    app.prompter.queueFile(target);
    app.prompter.queueAnswer(Answer::Yes);
    ASSERT_TRUE(commands().Gfi_Restore_Db());
    EXPECT_EQ(TempApp::queryColumn(target, "Select [Customers Last Name] From Customers Order By 1"),
              QStringList({"Adams", "Baker"}));
    EXPECT_EQ(app.state->settings.read(settings::lastUsed(1)), target);
    EXPECT_EQ(app.state->settings.read(settings::LastStatus), settings::kEndedOk);
    EXPECT_TRUE(app.prompter.messageTexts().last().startsWith("Restore Complete.\n\nZEL will now exit"));
}

TEST_F(DatabaseCommandsTest, CompactingTheOpenDatabaseReopensIt)
{
    const QString path = shop();
    ASSERT_TRUE(commands().Ms_Open_Database(path));
    ASSERT_TRUE(commands().Ms_Compact_Database());
    EXPECT_TRUE(app.state->isDatabaseOpen());
    app.state->data.setSQL("Select count(*) From Customers");
    RecordSet count = app.state->data.GetSnapShot("test");
    ASSERT_TRUE(count.next());
    EXPECT_EQ(count.value(0).toInt(), 2);
    EXPECT_TRUE(app.readFile("LogMsg.txt").contains("Close DB - Ms_Compact_Database"));
}

TEST_F(DatabaseCommandsTest, RepairRunsTheNullRepairOnTheFileAndClosesItAgain)
{
    const QString path = shop();
    int repairs = 0;
    app.state->seams.repairNulls = [&] {
        ++repairs;
        EXPECT_TRUE(app.state->database.isOpen());
    };
    app.prompter.queueFile(path);
    ASSERT_TRUE(commands().Ms_Repair_Database());
    EXPECT_EQ(repairs, 1);
    EXPECT_FALSE(app.state->database.isOpen());
}

TEST_F(DatabaseCommandsTest, CloseRemembersTheDatabase)
{
    const QString path = shop();
    ASSERT_TRUE(commands().Ms_Open_Database(path));
    commands().Ms_Close_Database();
    EXPECT_FALSE(app.state->isDatabaseOpen());
    EXPECT_EQ(app.state->settings.read(settings::lastUsed(1)), path);
    EXPECT_EQ(app.state->settings.read(settings::LastDBName), path);
}

TEST_F(DatabaseCommandsTest, RepairRescuesADamagedFileBeforeCompactingIt)
{
    const QString path = shop();
    app.state->database.close();
    const int customersPage = TempApp::queryColumn(path, "Select pageno From dbstat Where name = 'Customers'").value(0).toInt();
    ASSERT_GT(customersPage, 1);
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.seek(qint64(customersPage - 1) * 4096 + 8); // the cell pointers: the page no longer reads
        file.write(QByteArray(64, '\xff'));
    }
    app.prompter.queueFile(path);
    app.prompter.queueAnswer(Answer::Yes);
    ASSERT_TRUE(commands().Ms_Repair_Database());
    EXPECT_TRUE(app.prompter.messageTexts().join('\n').contains(" is damaged: ")) << qPrintable(app.prompter.messageTexts().join('\n'));
    EXPECT_EQ(QDir(app.path("")).entryList({"Shop_Damaged_*.ZELDB"}).size(), 1);
    EXPECT_EQ(TempApp::queryColumn(path, "PRAGMA integrity_check"), QStringList{"ok"});
    EXPECT_TRUE(app.prompter.messageTexts().join('\n').contains("Customers to check against your paper invoices"))
        << "the index still names the two customers whose record was lost";
}
