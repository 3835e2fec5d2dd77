#include "desktop/ui/main_menu.h"

#include "shell/ui/screen_setup.h"
#include "shell/ui/working_window.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>

using namespace zel;
using zel::test::TempApp;

namespace {

class MainMenuTest : public ::testing::Test
{
protected:
    std::unique_ptr<MainMenu> openMenu(const QString &commandLine = {})
    {
        auto menu = std::make_unique<MainMenu>(*app.state, StartCommand::parse(commandLine));
        menu->load();
        return menu;
    }
    QString makeShop()
    {
        const QString path = app.makeZelDatabase("Shop.ZELDB");
        app.state->settings.write(settings::LastDBName, path);
        return path;
    }

    TempApp app;
};

} // namespace

TEST_F(MainMenuTest, WithoutADatabaseTheUserIsToldAndOnlyExitWorks)
{
    app.state->settings.write(settings::lastUsed(1), "/somewhere/Old.ZELDB");
    auto menu = openMenu();
    ASSERT_FALSE(app.prompter.messages().empty());
    EXPECT_TRUE(app.prompter.messageTexts().last().startsWith("No Database has been Opened."));
    EXPECT_TRUE(menu->commandButton(MainMenu::Exit)->isEnabled());
    EXPECT_FALSE(menu->commandButton(MainMenu::Customers)->isEnabled());
    EXPECT_FALSE(menu->nextCampaignButton()->isEnabled());
    EXPECT_TRUE(menu->lastUsedAction(0)->isVisible());
    EXPECT_EQ(menu->lastUsedAction(0)->text(), QStringLiteral("&1: /somewhere/Old.ZELDB"));
    EXPECT_FALSE(menu->lastUsedAction(1)->isVisible());
    EXPECT_TRUE(menu->clockLabel()->text().endsWith("No Database is open."));
    EXPECT_EQ(app.state->settings.read(settings::LastStatus), settings::kRunning);
}

TEST_F(MainMenuTest, CaptionsAndTooltipsShowTheWordCampaign)
{
    auto menu = openMenu();
    EXPECT_EQ(menu->nextCampaignButton()->text(), QStringLiteral("&Next Campaign"));
    EXPECT_EQ(menu->previousCampaignButton()->toolTip(),
              QStringLiteral("Change Current Campaign. See Title Bar For Current Campaign Setting. "));
    EXPECT_TRUE(menu->commandButton(MainMenu::Options)->toolTip().startsWith("Set Current Campaign / Year"));
}

TEST_F(MainMenuTest, EveryCommandHasItsScreenAndAScreenCanBeReplaced)
{
    makeShop();
    auto menu = openMenu();
    for (int command = 0; command < MainMenu::CommandCount; ++command) {
        QPushButton *button = menu->commandButton(MainMenu::Command(command));
        EXPECT_TRUE(button->isEnabled()) << button->text().toStdString();
    }
    QPushButton *customers = menu->commandButton(MainMenu::Customers);
    EXPECT_FALSE(menu->fileAction(MainMenu::NewDatabase)->isEnabled());

    int opened = 0;
    menu->setScreen(MainMenu::Customers, [&] { ++opened; });
    ASSERT_TRUE(customers->isEnabled());
    EXPECT_EQ(customers->toolTip(), QStringLiteral("Search / Update Customers, Process Orders."));
    customers->click();
    EXPECT_EQ(opened, 1);

    // With a database open, New and Open wait for it to be closed first.
    menu->setFileCommand(MainMenu::NewDatabase, [] {});
    menu->setFileCommand(MainMenu::CloseDatabase, [] {});
    EXPECT_FALSE(menu->fileAction(MainMenu::NewDatabase)->isEnabled());
    EXPECT_TRUE(menu->fileAction(MainMenu::CloseDatabase)->isEnabled());
}

// A screen that moves the campaign has the title follow at once; what it said in the status bar
// goes when it closes.
TEST_F(MainMenuTest, TheTitleFollowsAScreensCampaignAndItsStatusGoesWithIt)
{
    makeShop();
    auto menu = openMenu();
    menu->setScreen(MainMenu::Customers, [&] {
        menu->statusBar()->showMessage("2 Customers Found.");
        app.state->options.CurrentCampaignYear = 2008;
        app.state->options.CurrentCampaignNumber = 7;
        app.state->noticeCampaignMoved();
        EXPECT_EQ(menu->windowTitle(), "ZEL  (Campaign 7 For 2008) - Version " + app.state->version);
    });
    menu->commandButton(MainMenu::Customers)->click();
    EXPECT_TRUE(menu->statusBar()->currentMessage().isEmpty());
    menu.reset();
    EXPECT_FALSE(app.state->campaignMoved) << "no call into a closed window";
}

TEST_F(MainMenuTest, CampaignButtonsStepTheTitleAndBeepAtTheEnds)
{
    makeShop();
    auto menu = openMenu();
    app.state->options.CurrentCampaignYear = 2008;
    app.state->options.CurrentCampaignNumber = 30;
    menu->nextCampaignButton()->click();
    EXPECT_EQ(app.prompter.count(ScriptedPrompter::Kind::Beep), 1);
    menu->previousCampaignButton()->click();
    EXPECT_EQ(menu->windowTitle(), "ZEL  (Campaign 29 For 2008) - Version " + app.state->version);

    app.state->options.CurrentCampaignNumber = 1;
    menu->previousCampaignButton()->click();
    EXPECT_EQ(app.prompter.count(ScriptedPrompter::Kind::Beep), 2);
    EXPECT_EQ(app.state->options.CurrentCampaignNumber, 1);
}

TEST_F(MainMenuTest, ClosingRunsTheExitSequenceOnceAndRemembersTheChoices)
{
    const QString path = makeShop();
    auto menu = openMenu();
    menu->findChild<QCheckBox *>()->setChecked(true);
    menu->close();
    menu->close();
    EXPECT_EQ(app.state->settings.read(settings::LastStatus), settings::kEndedOk);
    EXPECT_EQ(app.state->settings.read(settings::Compress), QStringLiteral("1"));
    EXPECT_EQ(app.state->settings.read(settings::lastUsed(1)), path);
    EXPECT_NE(app.state->settings.read(settings::screenSize("Zel_Main", "-Width")), QStringLiteral("-1"));
    EXPECT_EQ(app.readFile("LogMsg.txt").count("Ending Program"), 1);
}

TEST_F(MainMenuTest, TheSampleDatabaseIsPointedOut)
{
    const QString path = app.makeZelDatabase("Sample.ZELDB");
    app.state->settings.write(settings::LastDBName, path);
    auto menu = openMenu();
    EXPECT_TRUE(app.prompter.messageTexts().last().startsWith("Warning: The current database may be the Sample DB."));
}

TEST_F(MainMenuTest, ASavedScreenPlaceIsUsedOnlyWhenComplete)
{
    app.state->settings.write(settings::screenSize("Zel_Main", "-Left"), "40");
    app.state->settings.write(settings::screenSize("Zel_Main", "-Top"), "50");
    app.state->settings.write(settings::screenSize("Zel_Main", "-Width"), "700");
    auto centred = openMenu();
    EXPECT_NE(centred->width(), 700) << "the height is missing, so the designed size is centred";

    app.state->settings.write(settings::screenSize("Zel_Main", "-Height"), "500");
    auto placed = openMenu();
    EXPECT_EQ(placed->size(), QSize(700, 500));
}

TEST(WorkingWindow, TheBarWrapsFromAHundredBackToThree)
{
    WorkingWindow window;
    window.setMessage("Backing Up");
    for (int i = 0; i < 100; ++i)
        window.advance();
    EXPECT_EQ(window.barValue(), 100);
    window.advance();
    EXPECT_EQ(window.barValue(), 3);
    EXPECT_EQ(window.message(), QStringLiteral("Backing Up"));
}

// Only work that can stop shows Cancel; pressing it is remembered until the next step asks.
TEST(WorkingWindow, CancelShowsOnlyForWorkThatCanStop)
{
    WorkingWindow window;
    window.show();
    auto *cancel = window.findChild<QPushButton *>();
    ASSERT_TRUE(cancel);
    EXPECT_FALSE(cancel->isVisible());
    window.setCancellable(true);
    EXPECT_TRUE(cancel->isVisible());
    EXPECT_FALSE(window.cancelPressed());
    cancel->click();
    EXPECT_TRUE(window.cancelPressed());
    EXPECT_FALSE(cancel->isEnabled()) << "one press is enough";
}

TEST_F(MainMenuTest, TheFileMenuClosesAndOpensDatabases)
{
    const QString path = makeShop();
    auto menu = openMenu();
    ASSERT_TRUE(app.state->isDatabaseOpen());
    ASSERT_TRUE(menu->fileAction(MainMenu::CloseDatabase)->isEnabled());
    menu->fileAction(MainMenu::CloseDatabase)->trigger();
    EXPECT_FALSE(app.state->isDatabaseOpen());
    EXPECT_EQ(menu->windowTitle(), QStringLiteral("ZEL (No Database Open)"));
    EXPECT_TRUE(menu->lastUsedAction(0)->isVisible());
    EXPECT_EQ(menu->lastUsedAction(0)->text(), "&1: " + path);
    EXPECT_TRUE(menu->fileAction(MainMenu::OpenDatabase)->isEnabled());
    EXPECT_FALSE(menu->commandButton(MainMenu::Options)->isEnabled());
    EXPECT_TRUE(app.readFile("LogMsg.txt").contains("Close Database"));

    menu->lastUsedAction(0)->trigger();
    EXPECT_TRUE(app.state->isDatabaseOpen());
    EXPECT_TRUE(menu->commandButton(MainMenu::Options)->isEnabled());
    EXPECT_FALSE(menu->lastUsedAction(0)->isVisible());
    EXPECT_TRUE(menu->windowTitle().startsWith("ZEL  (Campaign 1 For "));

    menu->fileAction(MainMenu::CloseDatabase)->trigger();
    app.prompter.queueFile(path);
    menu->fileAction(MainMenu::OpenDatabase)->trigger();
    EXPECT_TRUE(app.state->isDatabaseOpen());
    EXPECT_TRUE(app.readFile("LogMsg.txt").contains("Open Database"));
}
