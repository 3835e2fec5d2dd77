#include "shell/app_settings.h"
#include "shell/captions.h"
#include "shell/font_settings.h"
#include "shell/grid_layout_store.h"
#include "shell/screen_positions.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <QFileInfo>

using namespace zel;
using zel::test::TempApp;

TEST(Fonts, AFirstStartReadsArialEight)
{
    TempApp app;
    const FontSettings font = Gs_Read_Fonts(app.state->settings, "Zel_Customer");
    EXPECT_EQ(font, FontSettings{});
    EXPECT_EQ(font.name, QStringLiteral("Arial"));
    EXPECT_EQ(font.size, 8);
    // With nothing to take over, the take-over still counts as done.
    EXPECT_EQ(app.state->settings.read(settings::FontsCopied), QStringLiteral("Y"));
}

TEST(Fonts, TheOlderFontsFileIsTakenOverOnce)
{
    TempApp app;
    app.writeFile("ZELFONTSINI.600", "[Zel_Main]\nFontName=Verdana\n");
    app.writeFile("ZELFONTSINI.560", "[Zel_Main]\nFontName=Tahoma\nFontSize=10\nFontBold=-1\nFontStrikeThru=-1\nFontColor=255\n");
    FontSettings font = Gs_Read_Fonts(app.state->settings, "ZEL_MAIN");
    EXPECT_EQ(font.name, QStringLiteral("Tahoma"));
    EXPECT_EQ(font.size, 10);
    EXPECT_TRUE(font.bold);
    EXPECT_TRUE(font.strikethru);
    EXPECT_EQ(font.color, 255u);

    // Later changes to our file are not overwritten again.
    FontSettings chosen = font;
    chosen.name = QStringLiteral("Georgia");
    ASSERT_TRUE(Gs_Write_Fonts(app.state->settings, "Zel_Main", chosen));
    EXPECT_EQ(Gs_Read_Fonts(app.state->settings, "Zel_Main"), chosen);
}

TEST(Fonts, ReportSectionsAreToldByTheirPrefix)
{
    EXPECT_TRUE(isReportFontSection("rptOrdersLongC1"));
    EXPECT_FALSE(isReportFontSection("Zel_Order"));
}

TEST(ScreenPositions, AScreenIsCentredUnlessAllFourValuesAreSaved)
{
    EXPECT_EQ(placeScreen({10, 20, 300, 200}, 1000, 800, 400, 300), (ScreenRect{10, 20, 300, 200}));
    EXPECT_EQ(placeScreen({10, 20, -1, 200}, 1000, 800, 400, 300), (ScreenRect{300, 250, 400, 300}));
    EXPECT_EQ(placeScreen({-1, -1, -1, -1}, 1000, 800, 400, 300), (ScreenRect{300, 250, 400, 300}));
    // A saved place off the screen is used as it is.
    EXPECT_EQ(placeScreen({5000, -40, 300, 200}, 1000, 800, 400, 300), (ScreenRect{5000, -40, 300, 200}));
}

TEST(ScreenPositions, SavedValuesComeBackAndResetForgetsThem)
{
    TempApp app;
    const AppSettings &settings = app.state->settings;
    EXPECT_EQ(readScreenPosition(settings, "Zel_Customer"), (std::array<int, 4>{-1, -1, -1, -1}));
    saveScreenPosition(settings, "Zel_Customer", {12, 34, 640, 480});
    EXPECT_EQ(readScreenPosition(settings, "zel_customer"), (std::array<int, 4>{12, 34, 640, 480}));
    EXPECT_TRUE(app.readFile("ZELSCRSIZESINI.600").contains("Zel_Customer-Width=640"));
    ASSERT_TRUE(settings.resetAllScreens());
    EXPECT_EQ(readScreenPosition(settings, "Zel_Customer")[0], -1);
}

TEST(GridLayouts, EachGridKeepsItsOwnLayoutUntilReset)
{
    TempApp app;
    GridLayoutStore store(app.state->settings);
    const QByteArray payment("\x00\x01layout=with;odd\nbytes", 22);
    ASSERT_TRUE(store.save("CustomerPayment", payment));
    ASSERT_TRUE(store.save("OptionEarnings", "other"));
    EXPECT_EQ(store.load("CustomerPayment"), payment);
    EXPECT_TRUE(store.load("CustomerDates").isEmpty());
    ASSERT_TRUE(store.reset("CustomerPayment"));
    EXPECT_TRUE(store.load("CustomerPayment").isEmpty());
    EXPECT_EQ(store.load("OptionEarnings"), QByteArray("other"));

    app.writeFile("ZELGRIDLAYOUTINI.600", "[Order]\nLines=Single\n");
    ASSERT_TRUE(app.state->settings.resetAllGrids());
    EXPECT_FALSE(QFileInfo::exists(app.path("GridLayouts.grx")));
    EXPECT_FALSE(QFileInfo::exists(app.path("ZELGRIDLAYOUTINI.600")));
}

TEST(Captions, PlaceholdersBecomeTheirWords)
{
    EXPECT_EQ(Gs_Caption_Replace("&Next ####"), QStringLiteral("&Next Campaign"));
    EXPECT_EQ(Gs_Caption_Replace("@@@@@ Order #### ####"), QStringLiteral("Corvessa Order Campaign Campaign"));
    EXPECT_EQ(Gs_Tooltip_Replace("@@@@@ ####"), QStringLiteral("@@@@@ Campaign"));
}

TEST(WindowTitle, ShowsCampaignYearAndVersionOrNothing)
{
    EXPECT_EQ(Gs_Window_Title(5, 2008, "5.11.5"), QStringLiteral("ZEL  (Campaign 5 For 2008) - Version 5.11.5"));
    EXPECT_EQ(Gs_Window_Title(0, 2008, "5.11.5"), QString());
}
