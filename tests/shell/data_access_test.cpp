#include "shell/data_access.h"

#include "test_support.h"

#include <gtest/gtest.h>

using namespace zel;
using zel::test::TempApp;

namespace {

class DataAccessTest : public test::OpenDatabaseTest
{
protected:
    void SetUp() override
    {
        open({"INSERT INTO Customers ([Customers Number], [Customers Last Name]) "
              "VALUES (1, 'Adams'), (2, 'O''Brien'), (3, 'Chen'), (4, 'Diaz')"});
    }

    QString sqlLog() const { return app.readFile("LogSql.txt"); }
};

// Collects Qt's warnings while it lives (a query outliving its connection is one of them).
class WarningCatcher
{
public:
    WarningCatcher()
    {
        s_warnings.clear();
        m_previous = qInstallMessageHandler(&WarningCatcher::handle);
    }
    ~WarningCatcher() { qInstallMessageHandler(m_previous); }
    const QStringList &warnings() const { return s_warnings; }

private:
    static void handle(QtMsgType type, const QMessageLogContext &, const QString &text)
    {
        if (type != QtDebugMsg && type != QtInfoMsg)
            s_warnings << text;
    }

    static inline QStringList s_warnings;
    QtMessageHandler m_previous = nullptr;
};

} // namespace

TEST_F(DataAccessTest, ExecSqlLogsTheCountAndTheStatementWithItsValuesWrittenIn)
{
    cDataAccess &data = app.state->data;
    data.setSQL("Delete From Customers Where [Customers Number] > ?", {1});
    ASSERT_TRUE(data.ExecSql("test"));
    EXPECT_EQ(data.RecordsAffected(), 3);
    EXPECT_TRUE(sqlLog().contains("Records Affected=3\nDelete From Customers Where [Customers Number] > 1\n"))
        << qPrintable(sqlLog());
}

TEST_F(DataAccessTest, GetRecordSetCountsExactlyAndWalksEveryRow)
{
    cDataAccess &data = app.state->data;
    data.setSQL("Select * From Customers Order By [Customers Number]");
    RecordSet rows = data.GetRecordSet("test");
    EXPECT_EQ(rows.count(), 4);
    EXPECT_EQ(data.RecordsAffected(), 4);
    QStringList names;
    while (rows.next())
        names << rows.value("Customers Last Name").toString();
    EXPECT_EQ(names, QStringList({"Adams", "O'Brien", "Chen", "Diaz"}));

    data.setSQL("Select * From Customers Where [Customers Number] = ?", {99});
    RecordSet none = data.GetRecordSet("test");
    EXPECT_EQ(none.count(), 0);
    EXPECT_FALSE(none.next());
    EXPECT_TRUE(app.prompter.messages().empty()) << "an empty result is no error";
}

TEST_F(DataAccessTest, UserTextTravelsAsParametersQuotesAndAll)
{
    cDataAccess &data = app.state->data;
    const QString name = QStringLiteral("O'Brien\"; Drop Table Customers; --");
    data.setSQL("Insert Into Customers ([Customers Number], [Customers Last Name]) Values (?, ?)", {10, name});
    ASSERT_TRUE(data.ExecSql("test"));
    data.setSQL("Select [Customers Last Name] From Customers Where [Customers Last Name] = ?", {name});
    RecordSet rows = data.GetSnapShot("test");
    ASSERT_TRUE(rows.next());
    EXPECT_EQ(rows.value(0).toString(), name);
    EXPECT_TRUE(sqlLog().contains("Values (10, 'O''Brien\"; Drop Table Customers; --')"));
}

TEST(DataAccessExpansion, QuestionMarksInsideTextOrNamesAreNotParameters)
{
    EXPECT_EQ(cDataAccess::expandedSql("Select '?' , [Why?] From T Where A = ? And B = ?", {QVariant(), true}),
              QStringLiteral("Select '?' , [Why?] From T Where A = Null And B = -1"));
    EXPECT_EQ(cDataAccess::sqlLiteral(2.5), QStringLiteral("2.5"));
}

TEST(DataAccessExpansion, ValuesAtEitherEndAndSideBySideAreWrittenInPlace)
{
    EXPECT_EQ(cDataAccess::expandedSql("?,?", {1, QStringLiteral("a'b")}), QStringLiteral("1,'a''b'"));
    EXPECT_EQ(cDataAccess::expandedSql("Values (??, ?)", {2, 3}), QStringLiteral("Values (23, ?)"))
        << "a placeholder without a value stays as it is";
    EXPECT_EQ(cDataAccess::expandedSql("[a?]='?'", {4}), QStringLiteral("[a?]='?'"));
}

TEST_F(DataAccessTest, FieldsAreFoundByNameWhateverTheSpelling)
{
    cDataAccess &data = app.state->data;
    data.setSQL("Select [Customers Number], [Customers Last Name] From Customers Where [Customers Number] < 3 Order By 1");
    RecordSet rows = data.GetRecordSet("test");
    QStringList seen;
    while (rows.next())
        seen << rows.value("CUSTOMERS LAST NAME").toString() + rows.value("customers last name").toString()
                    + rows.value("Customers Number").toString();
    EXPECT_EQ(seen, QStringList({"AdamsAdams1", "O'BrienO'Brien2"}));
    EXPECT_FALSE(rows.value("No Such Field").isValid());
}

TEST_F(DataAccessTest, IgnoreLetsTheOperationContinueAfterTheErrorReport)
{
    cDataAccess &data = app.state->data;
    app.state->errors.Gs_Check_Point("step A");
    app.prompter.queueAnswer(Answer::Ignore);
    data.setSQL("Insert Into NoSuchTable Values (?)", {1});
    EXPECT_FALSE(data.ExecSql("Ms_Test_Operation"));

    const auto messages = app.prompter.messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].buttons, Buttons::AbortRetryIgnore);
    EXPECT_TRUE(messages[0].text.startsWith("An error occurred in Ms_Test_Operation.\n\nError Number: 1.\nError Description: "));
    EXPECT_TRUE(messages[0].text.endsWith("This file should be included with any correspondence concerning this error."));
    const QString errors = app.readFile("LogError.txt");
    EXPECT_TRUE(errors.contains("Last SQL:Insert Into NoSuchTable Values (1)"));
    EXPECT_TRUE(errors.contains("Check Point 25:step A"));
    EXPECT_TRUE(errors.contains("DBName:" + app.state->databasePath));
}

TEST_F(DataAccessTest, RetryRunsTheFailingStatementAgain)
{
    cDataAccess &data = app.state->data;
    // The user fixes the cause while the box is up, then presses Retry.
    app.prompter.setOnAsk([&](const Question &) {
        QSqlQuery fix(app.state->database.handle());
        fix.exec("CREATE TABLE Later (x INTEGER)");
    });
    app.prompter.queueAnswer(Answer::Retry);
    data.setSQL("Insert Into Later Values (7)");
    EXPECT_TRUE(data.ExecSql("test"));
    EXPECT_EQ(app.prompter.count(ScriptedPrompter::Kind::Question), 1);
    EXPECT_EQ(TempApp::queryColumn(app.state->database.path(), "Select x From Later"), QStringList{"7"});
}

TEST_F(DataAccessTest, AStatementIsPreparedOnceAndRunsWithEachCallsOwnValues)
{
    cDataAccess &data = app.state->data;
    const int before = data.keptStatements();
    QStringList names;
    for (int customer : {4, 1, 99, 2})
        names << data.scalar("test", "Select [Customers Last Name] From Customers Where [Customers Number] = ?", {customer})
                     .toString();
    EXPECT_EQ(names, QStringList({"Diaz", "Adams", "", "O'Brien"})) << "no value of an earlier call stays bound";
    EXPECT_EQ(data.keptStatements(), before + 1);
    EXPECT_TRUE(sqlLog().contains("Where [Customers Number] = 99\n")) << "each call is logged with its own value";
}

TEST_F(DataAccessTest, AStatementStillBeingReadIsNotRunAgainUnderneathItsReader)
{
    cDataAccess &data = app.state->data;
    const QString sql = "Select [Customers Number] From Customers Where [Customers Number] >= ? Order By 1";
    data.setSQL(sql, {2});
    RecordSet outer = data.GetSnapShot("test");
    QStringList seen;
    while (outer.next()) {
        const int customer = outer.value(0).toInt();
        // The same text again while the outer rows are being walked.
        seen << QString("%1:%2").arg(customer).arg(data.scalar("test", sql, {customer + 1}).toInt());
    }
    EXPECT_EQ(seen, QStringList({"2:3", "3:4", "4:0"}));
}

TEST_F(DataAccessTest, ARecordSetLeftHalfReadDoesNotHoldTheTable)
{
    cDataAccess &data = app.state->data;
    app.prompter.queueAnswer(Answer::Ignore);
    for (int round = 0; round < 2; ++round) {
        {
            data.setSQL("Select [Customers Number] From Customers Order By 1");
            RecordSet rows = data.GetSnapShot("test");
            ASSERT_TRUE(rows.next());
            data.setSQL("Select [Customers Number] From Customers Order By 1 Desc");
            rows = data.GetSnapShot("test"); // assigning a new result lets go of the half-read one
            ASSERT_TRUE(rows.next());
        }
        // SQLite refuses to drop a table that an unfinished statement is still reading.
        EXPECT_TRUE(data.exec("test", "Drop Table Customers")) << round;
        // The kept statements then meet a table made anew.
        ASSERT_TRUE(data.exec("test", "Create Table Customers ([Customers Number] INTEGER)"));
        ASSERT_TRUE(data.exec("test", "Insert Into Customers Values (1), (2)"));
    }
    EXPECT_TRUE(app.prompter.messages().empty()) << qPrintable(app.prompter.messageTexts().join('\n'));
}

TEST_F(DataAccessTest, ClosingDropsThePreparedStatementsAndReopeningUsesTheNewFile)
{
    cDataAccess &data = app.state->data;
    const QString sql = "Select Count(*) From Customers";
    EXPECT_EQ(data.number("test", sql), 4);
    const QString other = app.makeZelDatabase("Other.ZELDB", {"INSERT INTO Customers ([Customers Number]) VALUES (1)"});
    {
        WarningCatcher catcher;
        app.state->database.close();
        EXPECT_EQ(data.keptStatements(), 0);
        ASSERT_TRUE(app.state->database.open(other));
        EXPECT_EQ(data.number("test", sql), 1);
        app.state->database.close();
        ASSERT_TRUE(app.state->database.open(path));
        EXPECT_EQ(data.number("test", sql), 4);
        EXPECT_TRUE(catcher.warnings().isEmpty()) << qPrintable(catcher.warnings().join('\n'));
    }
}

TEST_F(DataAccessTest, AFailedStatementIsPreparedAfreshOnceTheCauseIsGone)
{
    cDataAccess &data = app.state->data;
    ASSERT_TRUE(data.exec("test", "Create Table Later (x INTEGER PRIMARY KEY)"));
    const QString insert = "Insert Into Later Values (?)";
    ASSERT_TRUE(data.exec("test", insert, {1}));
    app.prompter.queueAnswer(Answer::Ignore);
    EXPECT_FALSE(data.exec("test", insert, {1})) << "the same key twice";
    EXPECT_TRUE(data.exec("test", insert, {2}));
    EXPECT_EQ(data.number("test", "Select Sum(x) From Later"), 3);
}

TEST_F(DataAccessTest, WithTheLogPausedAFailureStillReportsTheStatementWithItsValues)
{
    cDataAccess &data = app.state->data;
    const qint64 logged = sqlLog().size();
    data.setSqlLogging(false);
    EXPECT_EQ(data.number("test", "Select Count(*) From Customers Where [Customers Number] < ?", {3}), 2);
    app.prompter.queueAnswer(Answer::Ignore);
    EXPECT_FALSE(data.exec("Ms_Bulk", "Insert Into NoSuchTable Values (?, ?)", {7, QStringLiteral("it's")}));
    data.setSqlLogging(true);
    EXPECT_EQ(sqlLog().size(), logged) << "nothing logged while paused";
    EXPECT_TRUE(app.readFile("LogError.txt").contains("Last SQL:Insert Into NoSuchTable Values (7, 'it''s')"));
}

TEST(ErrorReport, CheckPointsKeepTheLastTwentyFiveInOrder)
{
    TempApp app;
    for (int i = 1; i <= 30; ++i)
        app.state->errors.Gs_Check_Point(QStringLiteral("Gfi_Create_Db - %1").arg(i));
    const auto &points = app.state->errors.checkPoints();
    EXPECT_EQ(points.front(), QStringLiteral("Gfi_Create_Db - 6"));
    EXPECT_EQ(points.back(), QStringLiteral("Gfi_Create_Db - 30"));
}

TEST(ErrorReportDeathTest, AbortEndsTheProgramWithoutTheExitSequence)
{
    EXPECT_EXIT(
        {
            TempApp app;
            app.prompter.queueAnswer(Answer::Abort);
            app.state->errors.Gs_Error_Report("Ms_Save", {3021, "No current record", 0});
        },
        ::testing::ExitedWithCode(1), "");
}
