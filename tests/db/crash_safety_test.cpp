#include "db/durable_file.h"
#include "migration/database_seams_install.h"
#include "session/database_commands.h"
#include "session/leftover_copies.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

using namespace zel;
using zel::test::TempApp;

// Kills the real program at random moments of compact, backup, restore and sample, and checks that the
// database's path always holds a whole database and that the next open explains any leftover.
// ZEL_CRASH_RUNS sets the kills per operation (a few by default, to keep the suite quick).

namespace {

int killsPerOperation()
{
    const int runs = qEnvironmentVariableIntValue("ZEL_CRASH_RUNS");
    return runs > 0 ? runs : 2;
}

class CrashSafety : public ::testing::Test
{
protected:
    void SetUp() override
    {
        db::installDatabaseSeams(*app.state);
        // Enough rows that copying takes a while, so kills land in the middle of it.
        shop = app.makeZelDatabase("Shop.ZELDB", {
            "WITH RECURSIVE c(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM c WHERE n < 20000) "
            "INSERT INTO Customers ([Customers Number], [Customers Last Name], [Customers Address]) "
            "SELECT n, 'O''Hara ' || n, printf('%.200c', 'x') FROM c"});
        app.state->database.close();
    }

    QProcess *start(const QStringList &args)
    {
        auto *process = new QProcess;
        process->setProgram(QStringLiteral(ZEL_BINARY));
        process->setArguments(QStringList(args) << "--home" << app.path(""));
        process->setProcessChannelMode(QProcess::MergedChannels);
        process->start();
        return process;
    }
    // How long the operation takes when left alone (then its result is removed again).
    qint64 fullRun(const QStringList &args, const std::function<void()> &undo)
    {
        QElapsedTimer timer;
        timer.start();
        std::unique_ptr<QProcess> process(start(args));
        EXPECT_TRUE(process->waitForFinished(60000));
        EXPECT_EQ(process->exitCode(), 0) << process->readAll().toStdString();
        const qint64 took = timer.elapsed();
        undo();
        return took;
    }
    void killSomewhereIn(const QStringList &args, qint64 duration)
    {
        std::unique_ptr<QProcess> process(start(args));
        process->waitForStarted();
        QThread::msleep(QRandomGenerator::global()->bounded(quint32(duration + 20)));
        process->kill();
        process->waitForFinished();
    }
    // Whole means: SQLite finds nothing wrong and every customer is there.
    void expectWhole(const QString &path, const char *what)
    {
        EXPECT_TRUE(db::isWholeDatabase(path)) << what << ": " << qPrintable(path);
        EXPECT_EQ(TempApp::queryColumn(path, "Select count(*) From Customers"), QStringList{"20000"}) << what;
    }
    // Opening the database again says what each leftover is and leaves none behind.
    void expectLeftoversExplained(const QString &path)
    {
        const QStringList leftovers = QDir(app.path("")).entryList({"*" + db::unfinishedName("")}, QDir::Files);
        app.prompter.clear();
        ASSERT_TRUE(db::DatabaseCommands(*app.state).Ms_Open_Database(path));
        app.state->database.close();
        EXPECT_EQ(app.prompter.messageTexts().size(), leftovers.size()) << qPrintable(app.prompter.messageTexts().join('\n'));
        for (const QString &told : app.prompter.messageTexts())
            EXPECT_TRUE(told.startsWith("An unfinished copy was found")) << qPrintable(told);
        EXPECT_TRUE(QDir(app.path("")).entryList({"*" + db::unfinishedName("")}, QDir::Files).isEmpty());
    }

    TempApp app;
    QString shop;
};

} // namespace

TEST_F(CrashSafety, AKilledCompactLeavesTheWholeDatabaseAtItsPath)
{
    const qint64 duration = fullRun({"db", "compact", shop}, [] {});
    for (int i = 0; i < killsPerOperation(); ++i) {
        killSomewhereIn({"db", "compact", shop}, duration);
        expectWhole(shop, "compact");
        expectLeftoversExplained(shop);
    }
}

TEST_F(CrashSafety, AKilledBackupOrRestoreLeavesNothingOrAWholeCopyAndCanBeRepeated)
{
    const QString target = app.path("Copy.ZELDB");
    for (const char *verb : {"backup", "restore"}) {
        const qint64 duration = fullRun({"db", verb, shop, target}, [&] { QFile::remove(target); });
        for (int i = 0; i < killsPerOperation(); ++i) {
            killSomewhereIn({"db", verb, shop, target}, duration);
            expectWhole(shop, verb);
            if (QFile::exists(target)) {
                expectWhole(target, verb);
                QFile::remove(target);
            }
            std::unique_ptr<QProcess> again(start({"db", verb, shop, target}));
            ASSERT_TRUE(again->waitForFinished(60000));
            EXPECT_EQ(again->exitCode(), 0) << verb << " again: " << again->readAll().toStdString();
            expectWhole(target, verb);
            QFile::remove(target);
            expectLeftoversExplained(shop);
        }
    }
}

TEST_F(CrashSafety, AKilledSampleNeverLeavesAPartialDatabase)
{
    const QString sample = app.path("Sample.ZELDB");
    const QStringList args{"sample", "--db", sample, "--customers", "6", "--years", "1"};
    const qint64 duration = fullRun(args, [&] { QFile::remove(sample); });
    for (int i = 0; i < killsPerOperation(); ++i) {
        killSomewhereIn(args, duration);
        if (QFile::exists(sample)) {
            EXPECT_TRUE(db::isWholeDatabase(sample));
            EXPECT_GT(TempApp::queryColumn(sample, "Select count(*) From Orders").value(0).toInt(), 0)
                << "a sample at the path is a finished one";
            QFile::remove(sample);
        }
        // The next run starts clean, whatever the killed one left.
        std::unique_ptr<QProcess> again(start(args));
        ASSERT_TRUE(again->waitForFinished(60000));
        EXPECT_EQ(again->exitCode(), 0) << "sample again: " << again->readAll().toStdString();
        EXPECT_TRUE(db::isWholeDatabase(sample));
        QFile::remove(sample);
        expectLeftoversExplained(shop);
    }
}
