#include "shell/screen_positions.h"

#include <gtest/gtest.h>

using namespace zel;

TEST(ScreenPlaces, ASavedClientAreaComesBackAsItWasAndAnUnsavedOneIsCentredOnTheDesktop)
{
    const QRect desktop(0, 28, 1280, 996); // a panel across the top
    EXPECT_EQ(openingGeometry({130, 90, 600, 500}, desktop, QSize(400, 300)), QRect(130, 90, 600, 500));
    EXPECT_EQ(openingGeometry({130, 90, 600, -1}, desktop, QSize(400, 300)), QRect(440, 28 + 348, 400, 300));
    // A second monitor to the left has negative coordinates; they are kept.
    EXPECT_EQ(openingGeometry({-1700, 40, 600, 500}, desktop, QSize(400, 300)), QRect(-1700, 40, 600, 500));
    // Designed for a larger desktop than this 1024x768 one: the desktop's size, nothing off its edges.
    EXPECT_EQ(openingGeometry({-1, -1, -1, -1}, QRect(0, 0, 1024, 768), QSize(1180, 720)), QRect(0, 24, 1024, 720));
}

TEST(ScreenPlaces, ResetGivesTheDesignedSizeButNeverLessThanTheContentsNeed)
{
    const QSize desktop(1280, 1000);
    EXPECT_EQ(resetSize(QSize(600, 500), QSize(362, 421), desktop), QSize(600, 500));
    EXPECT_EQ(resetSize(QSize(600, 500), QSize(720, 421), desktop), QSize(720, 500)) << "a long title needs the width";
    EXPECT_EQ(resetSize(QSize(600, 500), QSize(700, 1400), desktop), QSize(700, 1000)) << "no larger than the desktop";
    EXPECT_EQ(resetSize(QSize(600, 500), QSize(700, 1400), QSize()), QSize(700, 1400));
}
