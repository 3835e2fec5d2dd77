// A command run without a terminal reads a piped answer as the answer; with no answer at all it
// stops with exit 2 before doing anything, naming the option that answers. It never takes the
// question's default silently. These run the real program, its standard input a pipe.
#include "test_support.h"

#include <gtest/gtest.h>

#include <QProcess>

using zel::test::TempApp;

namespace {

struct Outcome
{
    int code = -1;
    QString output;
};

class UnattendedAnswers : public ::testing::Test
{
protected:
    void SetUp() override
    {
        file = app.makeZelDatabase("Shop.ZELDB",
                                   {"Insert Into Customers ([Customers Number], [Customers Last Name], [Customers Status]) "
                                    "Values (1, 'Adams', 'Active'), (2, 'Baker', 'Closed'), (3, 'Clark', 'Closed')"});
        app.state->database.close();
    }
    // Runs zel with `input` on its standard input, which then ends.
    Outcome zel(const QStringList &args, const QByteArray &input) const
    {
        QProcess process;
        process.setProgram(QStringLiteral(ZEL_BINARY));
        process.setArguments(QStringList(args) << "--home" << app.path(""));
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start();
        process.write(input);
        process.closeWriteChannel();
        EXPECT_TRUE(process.waitForFinished(30000));
        return {process.exitCode(), QString::fromUtf8(process.readAll())};
    }
    QStringList customers() const { return TempApp::queryColumn(file, "Select [Customers Number] From Customers Order By 1"); }

    TempApp app;
    QString file;
};

} // namespace

TEST_F(UnattendedAnswers, APipedAnswerIsTheAnswer)
{
    const QStringList cleanup{"cleanup", "customers", "--status", "Closed", "--db", file};
    Outcome no = zel(cleanup, "n\n");
    EXPECT_EQ(customers(), QStringList({"1", "2", "3"})) << qPrintable(no.output);

    Outcome yes = zel(cleanup, "yes\n");
    EXPECT_EQ(yes.code, 0) << qPrintable(yes.output);
    EXPECT_EQ(customers(), QStringList{"1"});
}

TEST_F(UnattendedAnswers, NoAnswerStopsWithExitTwoAndNamesTheOptionThatAnswers)
{
    const Outcome cleanup = zel({"cleanup", "customers", "--status", "Closed", "--db", file}, "");
    EXPECT_EQ(cleanup.code, 2);
    EXPECT_TRUE(cleanup.output.contains("This question has no answer here: give --yes or --no.")) << qPrintable(cleanup.output);
    EXPECT_EQ(customers(), QStringList({"1", "2", "3"}));

    // An answer that is none of the choices is no answer either.
    EXPECT_EQ(zel({"cleanup", "customers", "--status", "Closed", "--db", file}, "perhaps\n").code, 2);
    EXPECT_EQ(customers(), QStringList({"1", "2", "3"}));

    app.writeFile("out.csv", "kept");
    const QStringList exportArgs{"export", "customers", "--db", file, "--selection", "all", "--sort", "name",
                                 "--content", "names", app.path("out.csv")};
    const Outcome exported = zel(exportArgs, "");
    EXPECT_EQ(exported.code, 2);
    EXPECT_TRUE(exported.output.contains("--replace")) << qPrintable(exported.output);
    EXPECT_EQ(app.readFile("out.csv"), "kept");
    EXPECT_EQ(zel(QStringList(exportArgs) << "--replace", "").code, 0);
    EXPECT_TRUE(app.readFile("out.csv").contains("Adams"));

    // --yes keeps working for scripts.
    EXPECT_EQ(zel({"cleanup", "customers", "--status", "Closed", "--db", file, "--yes"}, "").code, 0);
    EXPECT_EQ(customers(), QStringList{"1"});
}
