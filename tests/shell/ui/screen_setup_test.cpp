#include "shell/ui/screen_setup.h"

#include "desktop/ui/main_menu.h"
#include "shell/screen_positions.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

// Readable failures: a rectangle prints as its place and size.
inline void PrintTo(const QRect &rect, std::ostream *out)
{
    *out << rect.x() << ',' << rect.y() << ' ' << rect.width() << 'x' << rect.height();
}

using namespace zel;
using zel::test::TempApp;

namespace {

// A screen as the program builds them: a layout, a designed size, set up before it is shown.
std::unique_ptr<QDialog> openScreen(const AppSettings &settings, bool setUpBeforeShowing)
{
    auto screen = std::make_unique<QDialog>();
    screen->setObjectName("Zel_Test");
    auto *layout = new QVBoxLayout(screen.get());
    layout->addWidget(new QLabel("A screen with a label that takes some room", screen.get()));
    screen->resize(500, 400);
    if (setUpBeforeShowing)
        Gs_Screen_Setup(screen.get(), settings);
    screen->show();
    QApplication::processEvents();
    if (!setUpBeforeShowing)
        Gs_Screen_Setup(screen.get(), settings);
    QApplication::processEvents();
    return screen;
}

} // namespace

// Each start restores the place the last close saved; any mix of the framed and the unframed
// rectangle shows as a drift of the frame's size per start.
TEST(ScreenSetup, AScreenOpensExactlyWhereItWasClosedStartAfterStart)
{
    for (const bool beforeShowing : {true, false}) {
        TempApp app;
        const AppSettings &settings = app.state->settings;
        saveScreenPosition(settings, "Zel_Test", {130, 90, 600, 450});
        QRect first, firstFrame;
        for (int start = 0; start < 5; ++start) {
            auto screen = openScreen(settings, beforeShowing);
            if (start == 0) {
                first = screen->geometry();
                firstFrame = screen->frameGeometry();
                EXPECT_EQ(first, QRect(130, 90, 600, 450));
            }
            EXPECT_EQ(screen->geometry(), first) << "start " << start << (beforeShowing ? " set up before showing" : "");
            EXPECT_EQ(screen->frameGeometry(), firstFrame) << "start " << start;
            screen->close();
            Gs_Screen_Save(screen.get(), settings);
        }
        EXPECT_EQ(readScreenPosition(settings, "Zel_Test"), (std::array<int, 4>{130, 90, 600, 450}));
    }
}

TEST(ScreenSetup, ResetBringsBackTheDesignedSizeWithNothingCutOff)
{
    TempApp app;
    MainMenu menu(*app.state, StartCommand::parse({}));
    menu.load();
    menu.show();
    menu.resize(150, 120);
    menu.move(900, 700);
    QApplication::processEvents();
    menu.resetScreenSize();
    QApplication::processEvents();
    EXPECT_GE(menu.width(), 600);
    EXPECT_GE(menu.height(), 500);
    EXPECT_GE(menu.width(), menu.sizeHint().width());
    EXPECT_GE(menu.height(), menu.minimumSizeHint().height());
    EXPECT_GT(menu.width(), menu.fontMetrics().horizontalAdvance(menu.windowTitle())) << "the title fits";
    // Centred with room for the window manager's title bar (32) and borders (4) round it.
    const QRect desktop = menu.screen()->availableGeometry().adjusted(4, 32, -4, -4);
    EXPECT_LE(qAbs(menu.geometry().center().x() - desktop.center().x()), 1);
    EXPECT_LE(qAbs(menu.geometry().center().y() - desktop.center().y()), 1);
}

// A screen designed taller than the desktop (the report preview asks for 900) fits with its frame.
TEST(ScreenSetup, ATallScreenFitsTheDesktopWithItsTitleBar)
{
    TempApp app;
    QWidget tall;
    tall.setObjectName("Zel_Tall");
    tall.resize(860, 900);
    Gs_Screen_Setup(&tall, app.state->settings);
    const QRect desktop = tall.screen()->availableGeometry();
    EXPECT_GE(tall.geometry().top(), desktop.top() + 32) << "the title bar above the client area is on the desktop";
    EXPECT_LE(tall.geometry().bottom(), desktop.bottom());
}
