#include "app/command_line.h"
#include "app/commands.h"

#include "cli_runner.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTextStream>

using namespace zel;
using zel::test::TempApp;

using zel::test::CommandRun;

namespace {

CommandRun run(const TempApp &app, const QStringList &args)
{
    return zel::test::runCli(app, args);
}

} // namespace

TEST(DatabaseCommand, NewThenCheckReportsAHealthyDatabase)
{
    TempApp app;
    const QString file = app.path("Shop.ZELDB");
    EXPECT_EQ(run(app, {"db", "new", file}).code, 0);
    const CommandRun check = run(app, {"db", "check", file});
    EXPECT_EQ(check.code, 0);
    EXPECT_TRUE(check.out.contains("Version: 17\nMissing tables: none\nIntegrity: ok\nHealthy.")) << qPrintable(check.out);
    EXPECT_EQ(run(app, {"db", "new", file}).code, 1) << "an existing file is never overwritten";
}

TEST(DatabaseCommand, CheckNamesWhatIsMissingOrBroken)
{
    TempApp app;
    const QString partial = app.makeZelDatabase("Partial.ZELDB", {"Drop Table Mileage", "Delete From Database_Version"});
    const CommandRun check = run(app, {"db", "check", partial});
    EXPECT_EQ(check.code, 1);
    EXPECT_TRUE(check.out.contains("Version: unknown\nMissing tables: Mileage\n")) << qPrintable(check.out);
    EXPECT_EQ(check.err, partial + " is not healthy: version 0, not 17; missing tables Mileage\n") << "what is wrong goes to stderr";

    app.writeFile("Text.ZELDB", "just some text, not a database at all, long enough to look like a header.....");
    const CommandRun text = run(app, {"db", "check", app.path("Text.ZELDB")});
    EXPECT_EQ(text.code, 1);
    EXPECT_TRUE(text.err.startsWith(app.path("Text.ZELDB") + ": not a database that can be opened")) << qPrintable(text.err);
    EXPECT_TRUE(text.out.isEmpty());
    EXPECT_EQ(run(app, {"db", "check", app.path("Absent.ZELDB")}).code, 1);
}

TEST(DatabaseCommand, BackupAndCompactKeepTheData)
{
    TempApp app;
    const QString file = app.makeZelDatabase("Shop.ZELDB", {"Insert Into Customers ([Customers Number]) Values (5)"});
    EXPECT_EQ(run(app, {"db", "backup", file, app.path("Copy.ZELDB")}).code, 0);
    EXPECT_EQ(TempApp::queryColumn(app.path("Copy.ZELDB"), "Select [Customers Number] From Customers"), QStringList{"5"});
    EXPECT_EQ(run(app, {"db", "backup", file, app.path("Copy.ZELDB")}).code, 1) << "the target exists";
    EXPECT_EQ(run(app, {"db", "compact", file}).code, 0);
    EXPECT_EQ(TempApp::queryColumn(file, "Select [Customers Number] From Customers"), QStringList{"5"});
    EXPECT_EQ(run(app, {"db", "frobnicate", file}).code, 2);
}

TEST(RecordCommands, CustomersAreAddedAndDeletedFromTheCommandLine)
{
    TempApp app;
    const QString file = app.makeZelDatabase("Shop.ZELDB", {"Insert Into Customers ([Customers Number]) Values (1), (3)"});
    const CommandRun added = run(app, {"customer", "new", "--db", file});
    EXPECT_EQ(added.code, 0) << qPrintable(added.err);
    EXPECT_EQ(added.out, QStringLiteral("2\n"));
    const CommandRun deleted = run(app, {"customer", "delete", "--db", file, "3"});
    EXPECT_EQ(deleted.code, 0);
    EXPECT_TRUE(deleted.out.startsWith("Customer Deleted.\nOrder Details: 0\n"));
    EXPECT_EQ(run(app, {"customer", "delete", "--db", file, "3"}).code, 2) << "already gone";
    EXPECT_EQ(run(app, {"customer", "delete", "--db", file, "x"}).code, 2);
    EXPECT_EQ(run(app, {"customer", "new"}).code, 2) << "no database given: a usage mistake";
}

TEST(RecordCommands, ProductLookupSaysWhereTheProductCameFrom)
{
    TempApp app;
    const QString file = app.makeZelDatabase("Shop.ZELDB", {
        "Insert Into Products ([Products Campaign Year], [Products Campaign Number], [Products Catalog Number], "
        "[Products Description], [Products Last Price]) Values (2008, 5, '123-456', 'Blush', 4.5), (0, 0, '777777', "
        "'Old Blush', 3)"});
    const CommandRun current = run(app, {"product", "lookup", "--db", file, "--year", "2008", "--campaign", "5", "123456"});
    EXPECT_EQ(current.code, 0);
    EXPECT_TRUE(current.out.contains("Catalog Number: 123-456\n"));
    EXPECT_TRUE(current.out.contains("Unit Price: 4.50\n"));
    EXPECT_TRUE(current.out.endsWith("From Baseline: no\n"));
    const CommandRun baseline = run(app, {"product", "lookup", "--db", file, "--year=2008", "--campaign=5", "777-777"});
    EXPECT_TRUE(baseline.out.endsWith("From Baseline: yes\n")) << qPrintable(baseline.out);
    EXPECT_EQ(run(app, {"product", "lookup", "--db", file, "000000"}).code, 1);
}

TEST(DatabaseCommand, ACommandLeavesTheProgramsLastStatusAsItFoundIt)
{
    TempApp app;
    const QString file = app.path("Shop.ZELDB");
    ASSERT_EQ(run(app, {"sample", "--db", file, "--customers", "3", "--years", "1"}).code, 0);
    EXPECT_FALSE(app.readFile("ZEL.INI").contains("LastStatus=Running"))
        << "the next start of the program must not ask about an abnormal end";

    // A crash of the program before the command is still reported at the next start.
    QFile ini(app.path("ZEL.INI"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[ProgramStatus]\r\nLastStatus=Running\r\n");
    ini.close();
    run(app, {"balance", "--db", file, "--customer", "1", "--year", "2026", "--campaign", "1"});
    EXPECT_TRUE(app.readFile("ZEL.INI").contains("LastStatus=Running"));
}
