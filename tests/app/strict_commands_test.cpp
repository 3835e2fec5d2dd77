#include "app/command_line.h"

#include "cli_runner.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

using namespace zel;
using zel::test::CommandRun;
using zel::test::TempApp;

namespace {

class StrictCommands : public ::testing::Test
{
protected:
    void SetUp() override
    {
        file = app.makeZelDatabase("Shop.ZELDB", {"Insert Into Customers ([Customers Number], [Customers Last Name]) "
                                                  "Values (1, 'Adams'), (3, 'Baker')"});
        app.state->database.close();
    }
    CommandRun run(const QStringList &args) const { return zel::test::runCli(app, args); }
    QByteArray fingerprint() const
    {
        QFile f(file);
        f.open(QIODevice::ReadOnly);
        return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
    }
    QStringList balanceOf(const QString &customer, const QString &year, const QString &campaign) const
    {
        return {"balance", "--db", file, "--customer", customer, "--year", year, "--campaign", campaign};
    }

    TempApp app;
    QString file;
};

} // namespace

TEST_F(StrictCommands, MistakesStopWithOneLineAndExitTwoBeforeAnythingIsWritten)
{
    const QByteArray before = fingerprint();
    const QStringList recompute{"order", "recompute", "--db", file, "--customer", "1", "--year", "2026",
                                "--campaign", "5", "--order", "1"};
    const struct
    {
        QStringList args;
        const char *says;
    } cases[] = {
        {QStringList(recompute) << "--bogus-flag", "Unknown option --bogus-flag."},
        {QStringList(recompute) << "--backorder-campaign" << "2025/99", "Campaign 99 of 2025 does not exist"},
        {QStringList(recompute) << "--discount" << "150", "--discount needs a percentage from -100 to 100"},
        {QStringList(recompute) << "--pdf" << "x.pdf", "The option --pdf does not belong to 'zel order'."},
        {balanceOf("999", "2026", "5"), "Customer 999 does not exist."},
        {balanceOf("40000", "2026", "5"), "--customer must be from 1 to 32767, not 40000."},
        {balanceOf("1", "0", "5"), "--year must be from 1980 to 2200, not 0."},
        {balanceOf("1", "2026", "0"), "--campaign must be from 1 to 99, not 0."},
        {balanceOf("1", "2026", "99"), "Campaign 99 of 2026 does not exist: campaigns are numbered 1 to 30."},
        {{"customer", "delete", "--db", file, "2"}, "Customer 2 does not exist."},
        {{"balance", "--customer", "1", "--year", "2026", "--campaign", "5"}, "Give the database with --db FILE."},
        {{"product", "lookup", "--db", file, "--campaign", "31", "12345"}, "Campaign 31 of"},
    };
    for (const auto &c : cases) {
        const CommandRun result = run(c.args);
        EXPECT_EQ(result.code, 2) << qPrintable(c.args.join(' '));
        EXPECT_TRUE(result.err.startsWith(QString::fromUtf8(c.says))) << qPrintable(result.err);
        EXPECT_EQ(result.err.count('\n'), 1) << "one line: " << qPrintable(result.err);
        EXPECT_TRUE(result.out.isEmpty());
    }
    EXPECT_EQ(fingerprint(), before) << "no command above may touch the database";
}

TEST_F(StrictCommands, TheWindowedProgramNamesAWrongOptionNotTheFolder)
{
    const CommandLine line = CommandLine::parse({"--bogus-option", "--home", "/tmp/somewhere"});
    EXPECT_EQ(line.error, "Unknown option --bogus-option. Run 'zel help' to see the options.");
    EXPECT_EQ(CommandLine::parse({"--customer", "3"}).error,
              "The option --customer belongs to a command. Run 'zel help' to see the commands.");
    EXPECT_EQ(CommandLine::parse({"--db", "--home", "x"}).error, "--db needs a value.");
    EXPECT_TRUE(CommandLine::parse({"--verbose", "balance"}).verbose);
}

TEST_F(StrictCommands, ReadingCommandsWriteNothingAndSayOnlyTheResult)
{
    const QByteArray before = fingerprint();
    const CommandRun balance = run(balanceOf("3", "2026", "5"));
    EXPECT_EQ(balance.code, 0) << qPrintable(balance.err);
    EXPECT_TRUE(balance.out.contains("Balance:"));
    EXPECT_TRUE(balance.err.isEmpty()) << qPrintable(balance.err);
    EXPECT_EQ(fingerprint(), before) << "not even an ExeHistory row";

    const CommandRun chatty = run(QStringList(balanceOf("3", "2026", "5")) << "--verbose");
    EXPECT_EQ(chatty.code, 0);
    EXPECT_TRUE(chatty.err.isEmpty()) << "reading never reports an open: " << qPrintable(chatty.err);
    const CommandRun added = run({"customer", "new", "--db", file, "--verbose"});
    EXPECT_TRUE(added.err.contains("has been opened sucessfully.")) << qPrintable(added.err);
    EXPECT_FALSE(run({"customer", "new", "--db", file}).err.contains("sucessfully"));
}

TEST_F(StrictCommands, DamagedFoldersAndMissingFilesGetOneLineNamingTheFile)
{
    // Every page but the first overwritten: the file still looks like a database until it is read.
    QFile damage(file);
    ASSERT_TRUE(damage.open(QIODevice::ReadWrite));
    const qint64 size = damage.size();
    damage.seek(4096);
    damage.write(QByteArray(int(size - 4096), '\x5a'));
    damage.close();
    const CommandRun balance = run(balanceOf("3", "2026", "5"));
    EXPECT_EQ(balance.code, 1);
    EXPECT_EQ(balance.err, file + " is damaged: database disk image is malformed\n") << qPrintable(balance.err);

    QDir(app.path("")).mkdir("Folder.ZELDB");
    const CommandRun folder = run(balanceOf("3", "2026", "5").replaceInStrings(file, app.path("Folder.ZELDB")));
    EXPECT_EQ(folder.code, 1);
    EXPECT_EQ(folder.err, app.path("Folder.ZELDB") + " is a folder, not a database.\n");
    const CommandRun compact = run({"db", "compact", app.path("Folder.ZELDB")});
    EXPECT_EQ(compact.err, app.path("Folder.ZELDB") + " is a folder, not a database.\n");
}

TEST_F(StrictCommands, AnOptionItsSubcommandDoesNotTakeIsRefusedBeforeAnythingIsWritten)
{
    const QByteArray before = fingerprint();
    const struct
    {
        QStringList args;
        const char *says;
    } cases[] = {
        {{"payment", "pay-in-full", "--db", file, "--year", "2026", "--campaign", "5", "--customer", "1"},
         "The option --customer does not belong to 'zel payment pay-in-full'."},
        {{"cleanup", "inventory", "--db", file, "--year", "2025", "--yes"},
         "The option --year does not belong to 'zel cleanup inventory'."},
        {{"cleanup", "customers", "--db", file, "--status", "Closed", "--campaign", "3", "--yes"},
         "The option --campaign does not belong to 'zel cleanup customers'."},
        {{"product", "lookup", "--db", file, "--arrival", "2026/7", "12345"},
         "The option --arrival does not belong to 'zel product lookup'."},
        {{"customer", "delete", "--db", file, "--last", "Adams", "1"},
         "The option --last does not belong to 'zel customer delete'."},
    };
    for (const auto &c : cases) {
        const CommandRun result = run(c.args);
        EXPECT_EQ(result.code, 2) << qPrintable(c.args.join(' '));
        EXPECT_TRUE(result.err.startsWith(QString::fromUtf8(c.says))) << qPrintable(result.err);
    }
    EXPECT_EQ(fingerprint(), before);
}

TEST_F(StrictCommands, WhatAUserPlainlyMeansIsDone)
{
    // A new customer with her name and address.
    const CommandRun added = run({"customer", "new", "--db", file, "--first", "Julia", "--last", "O'Neil", "--city", "Leeds",
                                  "--email", "julia@example.org"});
    ASSERT_EQ(added.code, 0) << qPrintable(added.err);
    const QString number = added.out.trimmed();
    EXPECT_EQ(TempApp::queryColumn(file, "Select [Customers First Name] || '|' || [Customers Last Name] || '|' || "
                                         "[Customers City] || '|' || [Customers Email] From Customers Where "
                                         "[Customers Number] = "
                                             + number),
              QStringList{"Julia|O'Neil|Leeds|julia@example.org"});

    // Clearing one customer's payments leaves the others'.
    const QString insert = QStringLiteral("Insert Into Payments ([Payments Customer Number], [Payments Campaign Year], "
                                          "[Payments Campaign Number], [Payments Order Number], [Payments Sequence], "
                                          "[Payments Amount]) Values (%1, 2026, 5, 1, 1, -10)");
    TempApp::queryColumn(file, insert.arg(1));
    TempApp::queryColumn(file, insert.arg(3));
    ASSERT_EQ(TempApp::queryColumn(file, "Select count(*) From Payments"), QStringList{"2"});
    const CommandRun cleared = run({"payment", "clear", "--db", file, "--year", "2026", "--campaign", "5", "--customer", "3",
                                    "--yes"});
    EXPECT_EQ(cleared.code, 0) << qPrintable(cleared.err);
    EXPECT_EQ(TempApp::queryColumn(file, "Select [Payments Customer Number] From Payments"), QStringList{"1"});
    EXPECT_EQ(run({"payment", "clear", "--db", file, "--year", "2026", "--campaign", "5", "--customer", "9", "--yes"}).err,
              "Customer 9 does not exist.\n");
}

TEST_F(StrictCommands, NumbersOutOfTheirRangeAreRefusedBeforeAnythingIsWritten)
{
    const QByteArray before = fingerprint();
    const QStringList update{"product", "update", "--db", file, "--year", "2026", "--campaign", "5", "--catalog", "123-456",
                             "--all", "--yes", "--price"};
    const QStringList trip{"mileage", "add", "--db", file, "--date", "2026-03-02"};
    const struct
    {
        QStringList args;
        const char *says;
    } cases[] = {
        {QStringList(update) << "1e308", "--price needs an amount of money up to 1,000,000.00"},
        {QStringList(update) << "NaN", "--price needs an amount of money up to 1,000,000.00"},
        {QStringList(update) << "200000000", "--price needs an amount of money up to 1,000,000.00"},
        {QStringList(trip) << "--start" << "99999999999999999999" << "--end" << "5", "--start needs an odometer reading"},
        {QStringList(trip) << "--start" << "nan" << "--end" << "5", "--start needs an odometer reading"},
        {QStringList(trip) << "--start" << "100" << "--end" << "5", "--end cannot be below --start"},
        {{"payment", "add", "--db", file, "--customer", "1", "--year", "2026", "--campaign", "5", "--order", "1", "--amount", "5",
          "--type", "bogus"},
         "--type must be one of: Paid In Full, Cash,"},
        {{"report", "annual-summary", "--db", file, "--from", "abc", "--pdf", app.path("a.pdf")},
         "--from needs a campaign as YYYYCC, for example 202605, not 'abc'."},
        {{"report", "call-back", "--db", file, "--past", "abc", "--pdf", app.path("c.pdf")},
         "--past needs a whole number from 1 to 99, not 'abc'."},
    };
    for (const auto &c : cases) {
        const CommandRun result = run(c.args);
        EXPECT_EQ(result.code, 2) << qPrintable(c.args.join(' '));
        EXPECT_TRUE(result.err.startsWith(QString::fromUtf8(c.says))) << qPrintable(result.err);
    }
    EXPECT_EQ(fingerprint(), before);
}
