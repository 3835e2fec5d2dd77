#include "app/command_line.h"
#include "app/commands.h"
#include "core/text.h"

#include <gtest/gtest.h>

#include <QTextStream>

using zel::CommandLine;

TEST(CommandLine, GlobalOptionsGoAnywhere)
{
    const CommandLine line = CommandLine::parse({"--home", "/tmp/zel", "version", "--yes"});
    EXPECT_TRUE(line.error.isEmpty());
    EXPECT_EQ(line.home, QStringLiteral("/tmp/zel"));
    EXPECT_TRUE(line.yes);
    EXPECT_EQ(line.command, QStringLiteral("version"));
    EXPECT_TRUE(line.headless());
}

TEST(CommandLine, StartWordsOpenTheWindowedProgram)
{
    const CommandLine autostart = CommandLine::parse({"AUTOSTART", "/data/My Shop.ZELDB"});
    EXPECT_FALSE(autostart.headless());
    EXPECT_EQ(autostart.startText, QStringLiteral("AUTOSTART /data/My Shop.ZELDB"));
    EXPECT_FALSE(CommandLine::parse({}).headless());
    EXPECT_EQ(CommandLine::parse({"repair"}).startText, QStringLiteral("repair"));
}

TEST(CommandLine, MistakesAreExplained)
{
    EXPECT_EQ(CommandLine::parse({"frobnicate"}).error,
              QStringLiteral("Unknown command 'frobnicate'. Run 'zel help' to see the commands."));
    EXPECT_EQ(CommandLine::parse({"--home"}).error, QStringLiteral("--home needs a value."));
    EXPECT_FALSE(CommandLine::parse({"--yes", "--no", "help"}).error.isEmpty());
}

TEST(Commands, HelpListsEveryCommandAndVersionPrintsIt)
{
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    EXPECT_EQ(zel::runCommand(CommandLine::parse({"help"}), outStream, errStream), 0);
    outStream.flush();
    EXPECT_TRUE(out.contains("zel version"));
    EXPECT_TRUE(out.contains("--home DIR"));
    out.clear();
    EXPECT_EQ(zel::runCommand(CommandLine::parse({"version"}), outStream, errStream), 0);
    outStream.flush();
    EXPECT_TRUE(out.startsWith("ZEL Customer Management System " + zel::programVersion()));
}
