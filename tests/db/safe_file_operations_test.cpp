#include "db/durable_file.h"
#include "db/exclusive_database.h"
#include "migration/database_seams_install.h"
#include "session/database_commands.h"
#include "session/database_creation.h"
#include "session/database_files.h"
#include "session/leftover_copies.h"
#include "shell/app_settings.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QUuid>

using namespace zel;
using zel::test::TempApp;

namespace {

class SafeFileOperations : public ::testing::Test
{
protected:
    void SetUp() override { db::installDatabaseSeams(*app.state); }

    QString shop()
    {
        return app.makeZelDatabase("Shop.ZELDB", {"Insert Into Customers ([Customers Number], [Customers Last Name]) "
                                                  "Values (1, 'Adams'), (2, 'O''Brien')"});
    }
    QStringList files(const QString &pattern) const { return QDir(app.path("")).entryList({pattern}, QDir::Files); }
    QString customers(const QString &path) const
    {
        return TempApp::queryColumn(path, "Select [Customers Last Name] From Customers Order By 1").join(',');
    }

    TempApp app;
};

// Another connection of this process holding a write lock, as another program would while saving.
class LockHolder
{
public:
    explicit LockHolder(const QString &path) : m_name(QUuid::createUuid().toString())
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(path);
        db.open();
        QSqlQuery(db).exec(QStringLiteral("BEGIN IMMEDIATE"));
    }
    ~LockHolder()
    {
        {
            QSqlDatabase db = QSqlDatabase::database(m_name, false);
            QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
            db.close();
        }
        QSqlDatabase::removeDatabase(m_name);
    }

private:
    QString m_name;
};

} // namespace

TEST_F(SafeFileOperations, CompactLeavesTheDatabaseAloneWhileAnotherProgramUsesIt)
{
    const QString path = shop();
    const QByteArray before = [&] { QFile f(path); f.open(QIODevice::ReadOnly); return f.readAll(); }();
    {
        LockHolder other(path);
        EXPECT_FALSE(db::Gfi_Compact_File(*app.state, path));
    }
    EXPECT_TRUE(app.prompter.messageTexts().last().startsWith("ZEL database is in use by another program."));
    QFile after(path);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), before);
    EXPECT_TRUE(files("*.ZELWK").isEmpty()) << "no copies are made of a file in use";

    // A process that merely has the file open counts too: its next write would go to a replaced file.
    QProcess holder;
    holder.start("bash", {"-c", "exec 3<\"$0\"; echo ready; sleep 20", path});
    ASSERT_TRUE(holder.waitForReadyRead(5000));
    EXPECT_TRUE(db::ExclusiveDatabase::openElsewhere(path));
    EXPECT_FALSE(db::compactInto(*app.state, path, app.path("Copy.ZELDB"), "test"));
    EXPECT_FALSE(QFile::exists(app.path("Copy.ZELDB")));
    holder.kill();
    holder.waitForFinished();
    EXPECT_FALSE(db::ExclusiveDatabase::openElsewhere(path));
    EXPECT_TRUE(db::compactInto(*app.state, path, app.path("Copy.ZELDB"), "test"));
    EXPECT_EQ(customers(app.path("Copy.ZELDB")), "Adams,O'Brien");
}

TEST_F(SafeFileOperations, CopiesNeverOverwriteAndLeaveNothingHalfWritten)
{
    const QString path = shop();
    app.writeFile("Taken.ZELDB", "keep me");
    EXPECT_FALSE(db::compactInto(*app.state, path, app.path("Taken.ZELDB"), "test"));
    EXPECT_EQ(app.readFile("Taken.ZELDB"), "keep me");

    // A stale unfinished copy from an earlier, interrupted run does not stand in the way.
    app.writeFile("Copy.ZELDB" + db::unfinishedName(""), "half a database");
    EXPECT_TRUE(db::compactInto(*app.state, path, app.path("Copy.ZELDB"), "test"));
    EXPECT_EQ(customers(app.path("Copy.ZELDB")), "Adams,O'Brien");
    EXPECT_TRUE(files("*" + db::unfinishedName("")).isEmpty());

    EXPECT_FALSE(db::putInPlace(app.path("Copy.ZELDB"), path, db::PutMode::NeverReplace).isEmpty());
    EXPECT_EQ(customers(path), "Adams,O'Brien");
}

TEST_F(SafeFileOperations, OpeningTellsWhatAnUnfinishedCopyWasAndTidiesIt)
{
    const QString path = shop();
    app.writeFile("Shop.ZELDB" + db::unfinishedName(""), QByteArray("SQLite format 3") + QByteArray(100, '\0'));
    ASSERT_TRUE(db::compactInto(*app.state, path, app.path("Other.ZELDB") + db::unfinishedName("") + ".tmp", "test"));
    QFile::rename(app.path("Other.ZELDB") + db::unfinishedName("") + ".tmp", app.path("Other.ZELDB") + db::unfinishedName(""));
    app.prompter.clear();

    ASSERT_TRUE(db::DatabaseCommands(*app.state).Ms_Open_Database(path));
    const QStringList told = app.prompter.messageTexts();
    ASSERT_EQ(told.size(), 2) << qPrintable(told.join("\n---\n"));
    EXPECT_TRUE(told.join('\n').contains("It was incomplete and has been removed."));
    EXPECT_TRUE(told.join('\n').contains("It is a whole database and has been kept as:"));
    EXPECT_TRUE(files("*" + db::unfinishedName("")).isEmpty());
    EXPECT_EQ(files("Other_ZELDB_*.ZELWK").size(), 1) << "a whole copy is never thrown away";
    EXPECT_EQ(customers(path), "Adams,O'Brien");
}

TEST_F(SafeFileOperations, AMissingDatabaseIsOfferedItsNewestWholeCopy)
{
    const QString path = shop();
    ASSERT_TRUE(db::Gfi_Compact_File(*app.state, path));
    QFile::remove(path);
    app.prompter.clear();

    app.prompter.queueAnswer(Answer::No);
    EXPECT_FALSE(db::DatabaseCommands(*app.state).Ms_Open_Database(path));
    EXPECT_TRUE(app.prompter.messageTexts().first().startsWith(path + " Not Found.\n\nA whole copy of this database was found"));
    EXPECT_FALSE(QFile::exists(path)) << "No leaves everything as it was";

    app.prompter.queueAnswer(Answer::Yes);
    ASSERT_TRUE(db::DatabaseCommands(*app.state).Ms_Open_Database(path));
    EXPECT_EQ(app.column("Select [Customers Last Name] From Customers Order By 1").join(','), "Adams,O'Brien");
    EXPECT_EQ(files("Shop_Compact_*.ZELWK").size(), 1);
    EXPECT_EQ(files("Shop_Archive_*.ZELWK").size(), 1);
}

TEST_F(SafeFileOperations, ADamagedDatabaseIsKeptAsideWhenItsCopyTakesItsPlace)
{
    const QString path = shop();
    ASSERT_TRUE(db::Gfi_Compact_File(*app.state, path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.write(QByteArray(64, 'x')); // the header is gone: not a database any more
    file.close();
    app.prompter.clear();

    app.prompter.queueAnswer(Answer::Yes); // take the copy, offered before a rescue
    ASSERT_TRUE(db::DatabaseCommands(*app.state).Ms_Open_Database(path));
    EXPECT_EQ(app.column("Select count(*) From Customers"), QStringList{"2"});
    EXPECT_EQ(files("Shop_ZELDB_*.ZELWK").size(), 1) << "the damaged file is kept, not deleted";
}

TEST_F(SafeFileOperations, AReadOnlyDatabaseOpensForReadingWithANotice)
{
    const QString path = shop();
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    const QByteArray before = [&] { QFile f(path); f.open(QIODevice::ReadOnly); return f.readAll(); }();

    ASSERT_TRUE(db::DatabaseCommands(*app.state).Ms_Open_Database(path));
    EXPECT_TRUE(app.state->database.isReadOnly());
    const QStringList told = app.prompter.messageTexts();
    ASSERT_EQ(told.size(), 1) << qPrintable(told.join("\n---\n"));
    EXPECT_TRUE(told.first().contains("This database can only be read"));
    EXPECT_EQ(app.column("Select count(*) From Customers"), QStringList{"2"});
    app.state->database.close();

    QFile after(path);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), before) << "not even a history row is written";
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
}

TEST_F(SafeFileOperations, AFolderIsNotMistakenForAMissingFile)
{
    QDir(app.path("")).mkdir("Shop.ZELDB");
    EXPECT_FALSE(db::DatabaseCommands(*app.state).Ms_Open_Database(app.path("Shop.ZELDB")));
    EXPECT_EQ(app.prompter.messageTexts(),
              QStringList{app.path("Shop.ZELDB") + " is a folder, not a database.\nPlease choose the database file inside it."});
}

TEST_F(SafeFileOperations, AnEmptyOrOrphanedLeftoverIsNoWholeCopyAndIsTidiedAway)
{
    const QString path = shop();
    // A copy whose journal rolled it back to nothing: a sound SQLite file without a single table.
    const QString empty = app.path("Empty.ZELDB") + db::unfinishedName("");
    TempApp::queryColumn(empty, "PRAGMA user_version = 1");
    ASSERT_TRUE(QFile::exists(empty));
    EXPECT_FALSE(db::isWholeDatabase(empty));
    // The journal of a copy that is gone.
    app.writeFile("Gone.ZELDB" + db::unfinishedName("") + "-journal", "left over");
    app.prompter.clear();

    ASSERT_TRUE(db::DatabaseCommands(*app.state).Ms_Open_Database(path));
    EXPECT_TRUE(app.prompter.messageTexts().join('\n').contains("It was incomplete and has been removed."));
    EXPECT_TRUE(files("*" + db::unfinishedName("") + "*").isEmpty()) << qPrintable(files("*").join(' '));
    EXPECT_TRUE(files("Empty_ZELDB_*").isEmpty()) << "an empty file is not kept as a copy";
}

TEST_F(SafeFileOperations, ANewFileNeverInheritsTheJournalOfAnInterruptedOne)
{
    const QString path = app.path("New.ZELDB");
    // An interrupted creation left its unfinished file and its journal.
    app.writeFile("New.ZELDB" + db::unfinishedName(""), "half");
    app.writeFile("New.ZELDB" + db::unfinishedName("") + "-journal", QByteArray(4096, '\x7f'));
    ASSERT_TRUE(db::Gfi_Create_Db(*app.state, path));
    EXPECT_TRUE(db::isWholeDatabase(path));
    EXPECT_TRUE(files("*-journal").isEmpty());
}

TEST_F(SafeFileOperations, StaleTemporariesOfTheSettingsFilesGoAndNothingElse)
{
    app.writeFile("ZEL.INI", "[Main]\n");
    app.writeFile("ZEL.INI.aB3xYz", "half written");
    app.writeFile("ZELFONTSINI.600.Q1w2E3", "half written");
    app.writeFile("Shop.ZELDB.backup", "the user's own");
    app.writeFile("ZELFONTSINI.600", "");
    const QDateTime old = QDateTime::currentDateTime().addSecs(-3600);
    for (const char *name : {"ZEL.INI.aB3xYz", "ZELFONTSINI.600.Q1w2E3", "Shop.ZELDB.backup"}) {
        QFile file(app.path(name));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(old, QFileDevice::FileModificationTime));
    }
    app.writeFile("ZEL.INI.fresh1", "being written right now");
    AppSettings settings(app.path(""));
    EXPECT_EQ(files("*.??????"), (QStringList{"Shop.ZELDB.backup", "ZEL.INI.fresh1"}));
}
