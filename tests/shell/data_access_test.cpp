#include "shell/data_access.h"

#include "test_support.h"

#include <gtest/gtest.h>

using namespace zel;
using zel::test::TempApp;

namespace {

class DataAccessTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QString db = app.makeDatabase("shop.ZELDB", {
            "CREATE TABLE Customers ([Customers Number] INTEGER PRIMARY KEY, [Customers Last Name] TEXT)",
            "INSERT INTO Customers VALUES (1, 'Adams'), (2, 'O''Brien'), (3, 'Chen'), (4, 'Diaz')",
        });
        ASSERT_TRUE(app.state->database.open(db));
    }

    QString sqlLog() const { return app.readFile("LogSql.txt"); }

    TempApp app;
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
    data.setSQL("Insert Into Customers Values (?, ?)", {10, name});
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
