#include "app/cli_runner.h"
#include "db/old_database.h"

#include <QDir>
#include <QFile>

namespace zel::test {
namespace {

TEST(UpgradeCommand, UpgradesWithABackupBesideAndThenHasNothingToDo)
{
    TempApp app;
    const QString file = app.makeZelDatabase("Old.ZELDB", layoutOfVersion12());
    CommandRun run = runCli(app, {"db", "upgrade", file, "--yes"});
    ASSERT_EQ(run.code, 0) << qPrintable(run.err);
    EXPECT_TRUE(run.out.startsWith("Upgraded " + file + " from version 12 to 17; backup: ")) << qPrintable(run.out);
    const QString backup = run.out.section("backup: ", 1).trimmed();
    EXPECT_TRUE(backup.endsWith(".ZELBK"));
    EXPECT_EQ(TempApp::queryColumn(backup, "Select [DBVersion Number] From Database_Version"), QStringList{"12"});
    EXPECT_EQ(TempApp::queryColumn(file, "Select [DBVersion Number] From Database_Version"), QStringList{"17"});

    run = runCli(app, {"db", "upgrade", file});
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out, file + " is at version 17; nothing to do.\n");
}

TEST(UpgradeCommand, AFileItCannotUpgradeStaysAtItsVersionAndTheBackupIsNamed)
{
    TempApp app;
    QStringList layout = layoutOfVersion12();
    layout << "Alter Table Products Rename Column [Products Catalog Number] To [Catalog]";
    const QString file = app.makeZelDatabase("Odd.ZELDB", layout);
    const CommandRun run = runCli(app, {"db", "upgrade", file, "--yes"});
    EXPECT_EQ(run.code, 1);
    EXPECT_TRUE(run.err.contains("no such column: Products Catalog Number")) << qPrintable(run.err);
    EXPECT_TRUE(run.err.contains("The upgrade of " + file + " did not complete; the database is still at version 12. Your backup is "))
        << qPrintable(run.err);
    const QStringList backups = QDir(app.path("")).entryList({"*.ZELBK"});
    ASSERT_EQ(backups.size(), 1);
    EXPECT_TRUE(run.err.contains(app.path(backups.at(0))));
    EXPECT_EQ(TempApp::queryColumn(file, "Select [DBVersion Number] From Database_Version"), QStringList{"12"});
}

TEST(UpgradeCommand, AnsweringNoLeavesTheDatabaseAlone)
{
    TempApp app;
    const QString file = app.makeZelDatabase("Old.ZELDB", layoutOfVersion12());
    const CommandRun run = runCli(app, {"db", "upgrade", file, "--no"});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(TempApp::queryColumn(file, "Select [DBVersion Number] From Database_Version"), QStringList{"12"});
    EXPECT_EQ(QDir(app.path("")).entryList({"*.ZELBK"}), QStringList());
}

TEST(UpgradeCommand, ConvertRefusesWhatIsNotAnAccessFileOrWouldBeOverwritten)
{
    TempApp app;
    const QString file = app.makeZelDatabase("Shop.ZELDB");
    EXPECT_EQ(runCli(app, {"db", "convert", file, app.path("Out.ZELDB")}).code, 1);
    const QString sample = QStringLiteral(ZEL_FIXTURES_DIR "/jet/dates-jet4.mdb");
    if (!QFile::exists(sample))
        GTEST_SKIP() << "sample Access files not found";
    EXPECT_EQ(runCli(app, {"db", "convert", sample, file}).code, 1);
    const CommandRun run = runCli(app, {"db", "convert", sample, app.path("Out.ZELDB")});
    EXPECT_EQ(run.code, 0) << qPrintable(run.err);
    EXPECT_TRUE(run.out.contains(": 1 tables, 6 rows")) << qPrintable(run.out);
}

TEST(RepairCommand, FillsNullsRoundsMoneyHalfToEvenAndDropsProductsWithoutNumbers)
{
    TempApp app;
    const QString file = app.makeZelDatabase(
        "Shop.ZELDB",
        {"Insert Into Customers ([Customers Number], [Customers Discount Percent], [Customers Points1]) Values (1, 12.3456, Null), "
         "(2, 0.125, 3), (3, 0.135, 3), (4, -2.345, 3)",
         "Insert Into Products ([Products Campaign Year], [Products Campaign Number], [Products Catalog Number], [Products "
         "Description]) Values (2008, 1, '', 'No number'), (2008, 1, '1', ''), (2008, 1, '2', 'Lipstick')",
         "Update Products Set [Products Shade Color Fragrance] = '', [Products Size] = '', [Products Page] = ''"});
    const CommandRun run = runCli(app, {"db", "repair", file});
    ASSERT_EQ(run.code, 0) << qPrintable(run.err);
    EXPECT_EQ(TempApp::queryColumn(file, "Select [Customers Discount Percent] From Customers Order By 1"),
              QStringList({"-2.34", "0.12", "0.14", "12.35"}));
    EXPECT_EQ(TempApp::queryColumn(file, "Select [Customers Points1] || '[' || [Customers First Name] || ']' From Customers Where "
                                         "[Customers Number] = 1"),
              QStringList{"0[]"});
    EXPECT_EQ(TempApp::queryColumn(file, "Select [Products Catalog Number] From Products"), QStringList{"2"});
}

} // namespace
} // namespace zel::test

using zel::test::CommandRun;
using zel::test::TempApp;

TEST(RepairCommand, ARepairedDatabaseIsAWholeOneOrTheRepairSaysWhatItCouldNotMend)
{
    TempApp app;
    const QString file = app.makeZelDatabase("Shop.ZELDB", {"Drop Table Payments", "Drop Index [Customers Number Index]"});
    app.state->database.close();
    const CommandRun repaired = zel::test::runCli(app, {"db", "repair", file});
    EXPECT_EQ(repaired.code, 0) << qPrintable(repaired.err);
    const CommandRun check = zel::test::runCli(app, {"db", "check", file});
    EXPECT_EQ(check.code, 0) << qPrintable(check.out + check.err);
    EXPECT_EQ(TempApp::queryColumn(file, "Select count(*) From sqlite_master Where name = 'Customers Number Index'"),
              QStringList{"1"});

    // A view in the way of the missing table: the repair cannot make it, says so, and is no success.
    TempApp::queryColumn(file, "Drop Table Payments");
    TempApp::queryColumn(file, "Create View Payments As Select 1 As x");
    const CommandRun blocked = zel::test::runCli(app, {"db", "repair", file});
    EXPECT_EQ(blocked.code, 1);
    EXPECT_TRUE(blocked.err.contains("Payments")) << qPrintable(blocked.err);
    EXPECT_FALSE(blocked.out.contains("Repaired"));
}

TEST(RepairCommand, AFileTheUserMayNotWriteIsLeftExactlyAsItIs)
{
    TempApp app;
    const QString file = app.makeZelDatabase("Shop.ZELDB", {});
    app.state->database.close();
    const QFileDevice::Permissions readOnly = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    ASSERT_TRUE(QFile::setPermissions(file, readOnly));
    const QByteArray before = app.readFile("Shop.ZELDB").toUtf8();
    const CommandRun repaired = zel::test::runCli(app, {"db", "repair", file});
    EXPECT_EQ(repaired.code, 1);
    EXPECT_EQ(repaired.err, file + ": this database can only be read (the file or its folder is read-only); it has not been "
                                   "repaired.\n");
    EXPECT_FALSE(QFile::permissions(file) & (QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther));
    EXPECT_EQ(app.readFile("Shop.ZELDB").toUtf8(), before);
    QFile::setPermissions(file, readOnly | QFileDevice::WriteOwner);
}

TEST(RepairCommand, ADatabaseOfAnEarlierVersionIsNotMadeCurrentByTheRepair)
{
    TempApp app;
    const QString file = app.makeZelDatabase("Old.ZELDB", {"Drop Table Payments", "Update Database_Version Set [DBVersion Number] = 12"});
    app.state->database.close();
    const CommandRun repaired = zel::test::runCli(app, {"db", "repair", file});
    EXPECT_EQ(repaired.code, 1);
    EXPECT_TRUE(repaired.err.contains("The repair could not make these again:\nPayments")) << qPrintable(repaired.err);
    EXPECT_EQ(TempApp::queryColumn(file, "Select [DBVersion Number] From Database_Version"), QStringList{"12"});
    EXPECT_EQ(TempApp::queryColumn(file, "Select count(*) From sqlite_master Where name = 'Payments'"), QStringList{"0"});
}

TEST(RepairCommand, ADamagedDatabaseIsRescuedOnlyWhenAskedAndTheDamagedFileIsKept)
{
    TempApp app;
    const QString file = app.makeZelDatabase(
        "Shop.ZELDB", {"Insert Into Customers ([Customers Number], [Customers First Name], [Customers Last Name]) Values "
                       "(1, 'Ann', 'Adams'), (2, 'Bea', 'Brown'), (3, 'Cid', 'Cole')",
                       "Insert Into Orders ([Orders Customer Number], [Orders Campaign Year], [Orders Campaign Number], [Orders Order "
                       "Number], [Orders Sequence Number], [Orders Internal Flag], [Orders Unit Total]) Values "
                       "(2, 2026, 1, 1, 1, 'DETAIL', 10), (2, 2026, 1, 1, 2, 'TOTAL', 10)"});
    app.state->database.close();
    const int ordersPage = TempApp::queryColumn(file, "Select pageno From dbstat Where name = 'Orders'").value(0).toInt();
    ASSERT_GT(ordersPage, 1);
    {
        QFile damage(file);
        ASSERT_TRUE(damage.open(QIODevice::ReadWrite));
        damage.seek(qint64(ordersPage - 1) * 4096);
        damage.write(QByteArray(4096, '\x5a'));
    }
    const QByteArray damaged = app.readFile("Shop.ZELDB").toUtf8();
    const CommandRun unanswered = zel::test::runCli(app, {"db", "repair", file});
    EXPECT_EQ(unanswered.code, 2);
    EXPECT_TRUE(unanswered.err.contains("--yes")) << qPrintable(unanswered.err);
    EXPECT_EQ(app.readFile("Shop.ZELDB").toUtf8(), damaged) << "nothing changes before she says yes";

    const CommandRun rescued = zel::test::runCli(app, {"db", "repair", file, "--yes"});
    ASSERT_EQ(rescued.code, 0) << qPrintable(rescued.err + rescued.out);
    EXPECT_TRUE(rescued.out.contains("Customers: 3 / 3")) << qPrintable(rescued.out);
    EXPECT_TRUE(rescued.out.contains("2 Bea Brown: lost 2 order rows (Campaign 1 / 2026 order 1); balance $0.00"))
        << qPrintable(rescued.out);
    const QStringList kept = QDir(app.path("")).entryList({"Shop_Damaged_*.ZELDB"});
    ASSERT_EQ(kept.size(), 1);
    EXPECT_EQ(app.readFile(kept.at(0)).toUtf8(), damaged);
    EXPECT_EQ(zel::test::runCli(app, {"db", "check", file}).code, 0);
    EXPECT_EQ(TempApp::queryColumn(file, "Select Count(*) From Customers"), QStringList{"3"});
    EXPECT_TRUE(app.readFile("LogMsg.txt").contains("Rescue: ")) << "the account is in the log";
}
