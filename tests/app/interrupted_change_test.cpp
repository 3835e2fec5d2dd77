// A write killed half way leaves a hot journal beside the database. Whatever opens the file next,
// for reading or for writing, must roll it back and go on; only a file that really is read-only may
// be called so.
#include "shell/database_connection.h"

#include "cli_runner.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>

using namespace zel;
using zel::test::TempApp;

namespace {

class InterruptedChange : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QStringList rows;
        for (int i = 1; i <= 400; ++i)
            rows << QStringLiteral("(%1, 'Name %1', '%2')").arg(i).arg(QString(200, QLatin1Char('x')));
        clean = app.makeZelDatabase("Clean.ZELDB", {"Insert Into Customers ([Customers Number], [Customers Last Name], "
                                                    "[Customers Delivery Payment Comments]) Values "
                                                    + rows.join(QLatin1Char(','))});
        app.state->database.close();
    }

    // A copy of the clean database as a kill in the middle of a change leaves it: the file already
    // holds changed pages, and the journal that undoes them lies beside it.
    QString crashedCopy(const QString &name) const
    {
        const QString target = app.path(name);
        const QString connection = QStringLiteral("half-written");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
            db.setDatabaseName(clean);
            EXPECT_TRUE(db.open());
            QSqlQuery query(db);
            // A one-page cache makes SQLite write changed pages into the file before the commit.
            EXPECT_TRUE(query.exec("PRAGMA cache_size = 1"));
            EXPECT_TRUE(query.exec("Begin"));
            EXPECT_TRUE(query.exec("Update Customers Set [Customers Last Name] = 'Changed', [Customers Delivery Payment Comments] = "
                                   "[Customers Delivery Payment Comments] || 'y'"));
            EXPECT_TRUE(QFile::copy(clean, target));
            EXPECT_TRUE(QFile::copy(clean + "-journal", target + "-journal"));
            EXPECT_TRUE(query.exec("Rollback"));
        }
        QSqlDatabase::removeDatabase(connection);
        EXPECT_GT(QFileInfo(target + "-journal").size(), 0);
        return target;
    }

    static QStringList names(const QString &file)
    {
        return TempApp::queryColumn(file, "Select Distinct [Customers Last Name] Like 'Name %' From Customers");
    }

    TempApp app;
    QString clean;
};

} // namespace

TEST_F(InterruptedChange, AReadOnlyOpenRollsTheJournalBackFirst)
{
    const QString file = crashedCopy("Shop.ZELDB");
    DatabaseConnection connection;
    ASSERT_TRUE(connection.openForReading(file)) << qPrintable(connection.errorString());
    connection.close();
    EXPECT_FALSE(QFile::exists(file + "-journal"));
    EXPECT_EQ(names(file), QStringList{"1"}) << "every customer as before the change";
}

TEST_F(InterruptedChange, OnlyAFileThatIsReadOnlyIsCalledSo)
{
    const QString file = crashedCopy("Locked.ZELDB");
    ASSERT_TRUE(QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
    DatabaseConnection connection;
    EXPECT_FALSE(connection.openForReading(file));
    EXPECT_TRUE(connection.errorString().contains("was cut short")) << qPrintable(connection.errorString());
    EXPECT_TRUE(connection.errorString().contains("read-only"));
    EXPECT_TRUE(QFile::exists(file + "-journal")) << "nothing is touched";
    QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

TEST_F(InterruptedChange, EveryCommandAfterACrashFindsTheDatabaseAsItWas)
{
    const QString out = app.path("out.csv");
    const QList<QStringList> commands = {
        {"balance", "--customer", "1", "--year", "2026", "--campaign", "5"},
        {"history", "--quick", "a"},
        {"export", "customers", "--selection", "all", "--sort", "name", "--content", "names", out},
        {"report", "customer-profile", "--customer", "1", "--pdf", app.path("p.pdf")},
        {"payment", "clear", "--year", "2026", "--campaign", "5", "--yes"},
        {"payment", "pay-in-full", "--year", "2026", "--campaign", "5", "--yes"},
        {"cleanup", "inventory", "--yes"},
        {"customer", "delete", "3", "--yes"},
        {"flags", "label", "reset", "--yes"},
    };
    int copy = 0;
    for (QStringList args : commands) {
        const QString file = crashedCopy(QStringLiteral("Shop%1.ZELDB").arg(++copy));
        args << "--db" << file;
        const zel::test::CommandRun run = zel::test::runCli(app, args);
        EXPECT_EQ(run.code, 0) << qPrintable(args.join(' ') + "\n" + run.err);
        EXPECT_FALSE(run.err.contains("readonly")) << qPrintable(run.err);
        EXPECT_FALSE(QFile::exists(file + "-journal")) << qPrintable(args.join(' '));
    }
}
