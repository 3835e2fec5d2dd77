#include "shell/ini_file.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <QDir>

using zel::IniFile;
using zel::test::TempApp;

TEST(IniFile, MissingFileOrKeyGivesTheDefault)
{
    TempApp app;
    IniFile ini(app.path("ZEL.INI"));
    EXPECT_EQ(ini.read("Locations", "Last1", "Missing"), QStringLiteral("Missing"));
    app.writeFile("ZEL.INI", "[Locations]\nLast2=/a.ZELDB\n");
    EXPECT_EQ(ini.read("Locations", "Last1", "Missing"), QStringLiteral("Missing"));
    EXPECT_EQ(ini.read("Other", "Last2", "x"), QStringLiteral("x"));
    EXPECT_FALSE(IniFile(app.path("nothing.ini")).exists());
}

TEST(IniFile, SectionsAndKeysMatchWithoutCase)
{
    TempApp app;
    app.writeFile("f.ini", "; comment\r\n[splashpage]\r\n  hidess = 1  \r\n[ZEL_MAIN]\r\nCompress=0\r\n");
    IniFile ini(app.path("f.ini"));
    EXPECT_EQ(ini.read("SplashPage", "HideSS", "0"), QStringLiteral("1"));
    EXPECT_EQ(ini.read("zel_main", "COMPRESS", ""), QStringLiteral("0"));
    // A key of one section is not found in another.
    EXPECT_EQ(ini.read("ZEL_MAIN", "HideSS", "d"), QStringLiteral("d"));
}

TEST(IniFile, ValuesKeepTheirTextButLoseSurroundingQuotesAndBlanks)
{
    TempApp app;
    app.writeFile("f.ini", "[S]\nA=\"  quoted  \"\nB=it's=fine\nC=\nD=O'Brien & Sons\n");
    IniFile ini(app.path("f.ini"));
    EXPECT_EQ(ini.read("S", "A", ""), QStringLiteral("  quoted  "));
    EXPECT_EQ(ini.read("S", "B", ""), QStringLiteral("it's=fine"));
    EXPECT_EQ(ini.read("S", "C", "default"), QString()); // an empty value is a value
    EXPECT_EQ(ini.read("S", "D", ""), QStringLiteral("O'Brien & Sons"));
}

TEST(IniFile, ReadsAreCutToTheBuffer)
{
    TempApp app;
    IniFile ini(app.path("f.ini"));
    const QString longPath = QStringLiteral("/") + QString(400, QLatin1Char('p'));
    ASSERT_TRUE(ini.write("Locations", "LastDBName", longPath));
    EXPECT_EQ(ini.read("Locations", "LastDBName", "", IniFile::kPathChars).size(), 300);
    EXPECT_EQ(ini.read("Locations", "LastDBName", "").size(), 255);
    EXPECT_EQ(ini.read("Locations", "LastDBName", "", IniFile::kUnlimited), longPath);
    EXPECT_EQ(ini.read("Locations", "Nope", QString(260, QLatin1Char('d'))).size(), 255);
}

TEST(IniFile, WritingCreatesFileSectionAndKeyAndReplacesInPlace)
{
    TempApp app;
    IniFile ini(app.path("ZEL.INI"));
    ASSERT_TRUE(ini.write("ProgramStatus", "LastStatus", "Running"));
    ASSERT_TRUE(ini.write("Locations", "Last1", "/one.ZELDB"));
    ASSERT_TRUE(ini.write("programstatus", "LASTSTATUS", "Ended-OK"));
    ASSERT_TRUE(ini.write("ProgramStatus", "Other", "x"));
    EXPECT_EQ(ini.read("ProgramStatus", "LastStatus", ""), QStringLiteral("Ended-OK"));
    EXPECT_EQ(ini.read("Locations", "Last1", ""), QStringLiteral("/one.ZELDB"));
    // One line per key, the new key inside its own section.
    EXPECT_EQ(app.readFile("ZEL.INI"),
              QStringLiteral("[ProgramStatus]\nLASTSTATUS=Ended-OK\nOther=x\n[Locations]\nLast1=/one.ZELDB\n"));
    ASSERT_TRUE(ini.removeKey("ProgramStatus", "other"));
    EXPECT_EQ(ini.read("ProgramStatus", "Other", "gone"), QStringLiteral("gone"));
}

TEST(IniFile, ALineBreakInAValueCannotStartANewKey)
{
    TempApp app;
    IniFile ini(app.path("f.ini"));
    ASSERT_TRUE(ini.write("S", "Note", "first\nEvil=1"));
    EXPECT_EQ(ini.read("S", "Evil", "none"), QStringLiteral("none"));
}

TEST(IniFile, DamagedOrUnreadableFilesReadAsDefaults)
{
    TempApp app;
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage.append(char((i * 37) % 256));
    app.writeFile("bad.ini", garbage);
    EXPECT_EQ(IniFile(app.path("bad.ini")).read("Locations", "LastDBName", "dflt"), QStringLiteral("dflt"));

    // A folder where the file should be can be neither read nor written.
    QDir(app.path("")).mkdir(QStringLiteral("folder.ini"));
    IniFile folder(app.path("folder.ini"));
    EXPECT_EQ(folder.read("S", "K", "dflt"), QStringLiteral("dflt"));
    EXPECT_FALSE(folder.write("S", "K", "v"));
}
