#include "app/cli_runner.h"

#include <gtest/gtest.h>

using namespace zel;
using zel::test::runCli;

namespace {

class ExchangeCommandsTest : public zel::test::OpenDatabaseTest
{
protected:
    void SetUp() override
    {
        open();
        app.state->database.close();
    }
    zel::test::CommandRun cli(QStringList args)
    {
        args << "--db" << path << "--yes";
        return runCli(app, args);
    }
    QStringList names() const
    {
        return zel::test::TempApp::queryColumn(path, "Select [Customers First Name] || ' ' || [Customers Last Name] From Customers "
                                                     "Order By [Customers Number]");
    }
};

} // namespace

TEST_F(ExchangeCommandsTest, ImportingATabSeparatedFileAndExportingItAgain)
{
    app.writeFile("list.txt", "Ann\tAbbot\t1 Elm\tTown\tST\t111\t\t\t\t'a@x, b'\n'Bo, Jr'\tBaker\t\t\t\t222\t\t\t\t\n");
    const auto imported = cli({"import", "customers", "--csv", app.path("list.txt"), "--delimiter", "tab", "--qualifier", "'"});
    ASSERT_EQ(imported.code, 0) << qPrintable(imported.err);
    EXPECT_EQ(imported.out, "Read list.txt as UTF-8.\nImported 2 customers.\n");
    EXPECT_EQ(names(), QStringList({"Ann Abbot", "Bo, Jr Baker"}));

    const auto exported = cli({"export", "customers", "--selection", "active", "--sort", "zip", "--content", "emails",
                               "--header", app.path("mail.txt")});
    ASSERT_EQ(exported.code, 0) << qPrintable(exported.err);
    EXPECT_EQ(exported.out, "Exported 1 records.\n");
    EXPECT_EQ(app.readFile("mail.txt"), "Customers Email;\r\na@x  b;\r\n");
}

TEST_F(ExchangeCommandsTest, WrongOptionsStopBeforeAnythingIsDone)
{
    EXPECT_EQ(cli({"import", "customers", "--csv", "a", "--mba", "b"}).code, 2);
    EXPECT_EQ(cli({"import", "customers", "--zeldb", path, "--delimiter", ";"}).code, 2);
    const auto missing = cli({"import", "customers", "--csv", app.path("none.csv")});
    EXPECT_EQ(missing.code, 2);
    EXPECT_EQ(missing.err, app.path("none.csv") + " Not Found.\n");
    const auto content = cli({"export", "customers", "--selection", "all", "--sort", "zip", "--content", "phones", "out.txt"});
    EXPECT_EQ(content.code, 2);
    EXPECT_EQ(content.err, "--content is one of names|all|orders|emails.\n");
    EXPECT_EQ(cli({"export", "customers", "--selection", "all", "--sort", "zip", "--content", "all"}).code, 2);
    EXPECT_TRUE(names().isEmpty());
}

TEST_F(ExchangeCommandsTest, ABadLineImportsNothingAndEndsWithCodeOne)
{
    app.writeFile("bad.csv", "a,b,c,d,e,f\nx,y,z\n");
    const auto run = cli({"import", "customers", "--mba", app.path("bad.csv")});
    EXPECT_EQ(run.code, 1);
    EXPECT_TRUE(run.err.contains("Error Importing CSV at Record 2")) << qPrintable(run.err);
    EXPECT_TRUE(names().isEmpty());
}
