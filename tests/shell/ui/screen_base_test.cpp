#include "shell/ui/screen_base.h"

#include "shell/screen_positions.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>

using namespace zel;
using zel::test::TempApp;

namespace {

// A screen that may refuse to close, and counts its closing work.
class CountingScreen : public ScreenBase
{
public:
    explicit CountingScreen(AppState &state) : ScreenBase(state, QStringLiteral("Zel_Counting"))
    {
        auto *layout = new QVBoxLayout(this);
        layout->addWidget(new QLabel(QStringLiteral("Current ####"), this));
        resize(420, 300);
        setUpScreen();
    }
    bool mayClose = true;
    int asked = 0;
    int finished = 0;

protected:
    bool confirmClose() override
    {
        ++asked;
        return mayClose;
    }
    void finishClosing() override { ++finished; }
};

} // namespace

TEST(ScreenBase, SetsUpItsNameCaptionsAndSavedPlace)
{
    TempApp app;
    saveScreenPosition(app.state->settings, "Zel_Counting", {40, 30, 500, 350});
    CountingScreen screen(*app.state);
    EXPECT_EQ(screen.formName(), QStringLiteral("Zel_Counting"));
    EXPECT_TRUE(screen.isModal());
    EXPECT_EQ(screen.findChild<QLabel *>()->text(), QStringLiteral("Current Campaign"));
    EXPECT_EQ(screen.geometry(), QRect(40, 30, 500, 350));
}

TEST(ScreenBase, ClosingIsAskedUntilAgreedAndItsWorkRunsOnce)
{
    TempApp app;
    CountingScreen screen(*app.state);
    screen.show();
    screen.mayClose = false;
    screen.reject();
    EXPECT_TRUE(screen.isVisible());
    EXPECT_EQ(screen.finished, 0);
    EXPECT_EQ(readScreenPosition(app.state->settings, "Zel_Counting")[0], -1) << "nothing saved while it stays open";

    screen.mayClose = true;
    screen.move(70, 60);
    screen.reject();
    screen.reject(); // a second request while closing, as from the window's close button
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(screen.asked, 2);
    EXPECT_EQ(screen.finished, 1);
    const std::array<int, 4> place = readScreenPosition(app.state->settings, "Zel_Counting");
    EXPECT_EQ(place[0], screen.geometry().x());
    EXPECT_EQ(place[2], screen.geometry().width());
}
