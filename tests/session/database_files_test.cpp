#include "session/database_files.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>

using namespace zel;
using zel::test::TempApp;

TEST(OpenFileCheck, RefusesCopiesProductFilesAndZips)
{
    ScriptedPrompter prompter;
    const QString restore = " can not be opened as a database, please use File/Restore.";
    for (const char *path : {"/data/SHOP_BACKUP.ZELDB", "/data/shop_backup.zeldb", "/data/SHOP_ZELDB_20080809140507.ZELWK",
                             "/data/SHOP_20080809140507.ZELBK", "/data/BKZELDB.MDB", "/data/ZEL_TEMP.ZELDB"}) {
        prompter.clear();
        EXPECT_FALSE(db::Gfi_Check_Open_File(prompter, path)) << path;
        EXPECT_EQ(prompter.messageTexts(), QStringList{QString("File ") + path + restore});
    }
    prompter.clear();
    EXPECT_FALSE(db::Gfi_Check_Open_File(prompter, "/data/Products.ZELPD"));
    EXPECT_EQ(prompter.messageTexts().at(0), QStringLiteral("Product Database File /data/Products.ZELPD can not be opened "
                                                            "as a database, please use Main Menu/Utilities/Import."));
    prompter.clear();
    EXPECT_FALSE(db::Gfi_Check_Open_File(prompter, "/data/shop.zip"));
    EXPECT_EQ(prompter.messageTexts().at(0), QStringLiteral("Zip files can not be opened as a database."));
    prompter.clear();
    EXPECT_TRUE(db::Gfi_Check_Open_File(prompter, "/data/Shop.ZELDB"));
    EXPECT_TRUE(prompter.messages().empty());
}

TEST(WorkingCopyNames, ReplaceEveryDotAndNeverRepeatWithinASecond)
{
    const test::StoppedClock clock; // a name asked for in the same second moves the clock on
    const QString first = db::Gfi_Work_File_Name("C:\\DATA\\SHOP.ZELDB");
    EXPECT_TRUE(QRegularExpression(R"(^C:\\DATA\\SHOP_ZELDB_20\d{12}\.ZELWK$)").match(first).hasMatch()) << qPrintable(first);
    const QString second = db::Gfi_Work_File_Name("C:\\DATA\\SHOP.ZELDB");
    EXPECT_NE(first, second);
    EXPECT_TRUE(db::Gfi_Work_File_Name("/a.b/c.d").startsWith("/a_b/c_d_"));

    const QString backup = db::autoBackupName("/data/SHOP.ZELDB");
    EXPECT_TRUE(QRegularExpression(R"(^/data/SHOP_20\d{12}\.ZELBK$)").match(backup).hasMatch()) << qPrintable(backup);
}

TEST(Compaction, KeepsEveryRowAndLeavesBothWorkingCopies)
{
    TempApp app;
    const QString path = app.makeZelDatabase("Shop.ZELDB", {
        "WITH RECURSIVE c(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM c WHERE n < 500) "
        "INSERT INTO Customers ([Customers Number], [Customers Last Name]) SELECT n, 'O''Hara ' || n FROM c",
        "DELETE FROM Customers WHERE [Customers Number] > 250"});
    ASSERT_TRUE(db::Gfi_Compact_File(*app.state, path));
    EXPECT_EQ(TempApp::queryColumn(path, "Select count(*) From Customers"), QStringList{"250"});
    EXPECT_EQ(TempApp::queryColumn(path, "Select [Customers Last Name] From Customers Where [Customers Number] = 7"),
              QStringList{"O'Hara 7"});
    EXPECT_EQ(QDir(app.path("")).entryList({"Shop_Compact_*.ZELWK"}).size(), 1);
    EXPECT_EQ(QDir(app.path("")).entryList({"Shop_Archive_*.ZELWK"}).size(), 1);
    const QString log = app.readFile("LogMsg.txt");
    EXPECT_LT(log.indexOf("Compact Starting... "), log.indexOf("Archive " + path + " as "));
    EXPECT_TRUE(log.contains("Compact Complete "));
}

TEST(Compaction, ANonDatabaseIsReportedAndLeavesNoCopy)
{
    TempApp app;
    app.writeFile("Junk.ZELDB", QByteArray(2048, 'j'));
    EXPECT_FALSE(db::compactInto(*app.state, app.path("Junk.ZELDB"), app.path("Copy.ZELDB"), "test"));
    EXPECT_FALSE(QFile::exists(app.path("Copy.ZELDB")));
    EXPECT_TRUE(app.prompter.messageTexts().last().startsWith("An error occurred in test."));
    EXPECT_FALSE(db::Gfi_Compact_File(*app.state, app.path("Junk.ZELDB")));
    EXPECT_EQ(app.readFile("Junk.ZELDB"), QString(2048, 'j')) << "the file stays as it was";
}

TEST(Compaction, AutoBackupGoesBesideTheDatabase)
{
    TempApp app;
    const QString path = app.makeZelDatabase("Shop.ZELDB");
    ASSERT_TRUE(db::Gfi_Auto_Backup(*app.state, path));
    const QStringList backups = QDir(app.path("")).entryList({"Shop_*.ZELBK"});
    ASSERT_EQ(backups.size(), 1);
    EXPECT_EQ(TempApp::queryColumn(app.path(backups[0]), "Select [DBVersion Number] From Database_Version"), QStringList{"17"});
}

TEST(Archives, OnlyThoseOlderThanAMonthAreDeleted)
{
    TempApp app;
    const QDate today(2008, 8, 9);
    const auto make = [&](const QString &name, const QDate &changed) {
        app.writeFile(name, "x");
        QFile file(app.path(name));
        file.open(QIODevice::ReadWrite);
        file.setFileTime(QDateTime(changed, QTime(12, 0)), QFileDevice::FileModificationTime);
    };
    make("old_20080601.ZELWK", QDate(2008, 6, 1));
    make("edge_20080708.ZELWK", QDate(2008, 7, 8));
    make("recent_20080801.ZELWK", QDate(2008, 8, 1));
    make("keep.ZELDB", QDate(2001, 1, 1));
    EXPECT_EQ(db::Gs_Delete_Archives(app.path("*.ZELWK"), today), 2);
    EXPECT_EQ(QDir(app.path("")).entryList({"*.ZELWK", "*.ZELDB"}, QDir::Files, QDir::Name),
              QStringList({"keep.ZELDB", "recent_20080801.ZELWK"}));
}
