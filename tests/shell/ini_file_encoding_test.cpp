#include "shell/ini_file.h"

#include "test_support.h"

#include <gtest/gtest.h>

using zel::IniFile;
using zel::test::TempApp;

TEST(IniFileEncoding, AByteOrderMarkDoesNotHideTheFirstSection)
{
    TempApp app;
    app.writeFile("ZEL.INI", "\xEF\xBB\xBF[Locations]\r\nLastDBName=/home/rep/Caf\xC3\xA9.ZELDB\r\n");
    IniFile ini(app.path("ZEL.INI"));
    EXPECT_EQ(ini.read("Locations", "LastDBName", ""), QStringLiteral("/home/rep/Café.ZELDB"));
    // Writing keeps the one section instead of adding a second one.
    ASSERT_TRUE(ini.write("Locations", "Last1", "x"));
    EXPECT_EQ(app.readFile("ZEL.INI").count("[Locations]"), 1);
}

TEST(IniFileEncoding, AccentsOfAnOlderCodePageFileSurviveReadingAndWriting)
{
    TempApp app;
    app.writeFile("ZELFONTSINI.560", "[Zel_Customer]\nFontName=Caf\xE9 Sans\n");
    IniFile ini(app.path("ZELFONTSINI.560"));
    EXPECT_EQ(ini.read("Zel_Customer", "FontName", ""), QStringLiteral("Café Sans"));
    ASSERT_TRUE(ini.write("Zel_Customer", "FontSize", "8"));
    EXPECT_EQ(ini.read("Zel_Customer", "FontName", ""), QStringLiteral("Café Sans"));
}
