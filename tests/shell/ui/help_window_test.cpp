#include "shell/ui/help_window.h"

#include "desktop/ui/main_menu.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTextBrowser>

using namespace zel;
using zel::test::TempApp;

namespace {
const QString kManual = QStringLiteral("ZEL User Manual.htm");
}

TEST(HelpWindow, F1ShowsTheManualInTheProgramsOwnWindow)
{
    TempApp app;
    app.writeFile(kManual, "<html><body><h1>Starting ZEL</h1><p>Open a database.</p></body></html>");
    MainMenu menu(*app.state, StartCommand::parse({}));
    menu.load();
    app.prompter.clear();
    menu.openHelp();
    ASSERT_NE(menu.helpWindow(), nullptr);
    EXPECT_TRUE(menu.helpWindow()->isVisible());
    EXPECT_TRUE(menu.helpWindow()->browser()->toPlainText().contains("Open a database."));
    EXPECT_TRUE(app.prompter.messages().empty());

    menu.helpWindow()->reject();
    menu.openHelp();
    EXPECT_TRUE(menu.helpWindow()->isVisible()) << "the same window comes back";
}

TEST(HelpWindow, WithoutTheManualTheUserIsToldWhereItBelongs)
{
    TempApp app;
    MainMenu menu(*app.state, StartCommand::parse({}));
    menu.load();
    app.prompter.clear();
    menu.openHelp();
    ASSERT_EQ(app.prompter.messageTexts().size(), 1);
    const QString text = app.prompter.messageTexts().first();
    EXPECT_TRUE(text.startsWith("The user manual could not be opened.")) << text.toStdString();
    EXPECT_TRUE(text.endsWith(QDir::toNativeSeparators(app.path(kManual)))) << text.toStdString();
    EXPECT_TRUE(menu.helpWindow() == nullptr || !menu.helpWindow()->isVisible());

    app.writeFile(kManual, "");
    menu.openHelp();
    EXPECT_EQ(app.prompter.messageTexts().size(), 2) << "an empty file is no manual either";
}

TEST(HelpWindow, TheManualThatComesWithTheProgramReads)
{
    TempApp app;
    ASSERT_TRUE(QFile::copy(":/zel/" + kManual, app.path(kManual)));
    HelpWindow window(app.state->settings);
    ASSERT_TRUE(window.openManual(app.path(kManual)));
    EXPECT_TRUE(window.browser()->toPlainText().contains("Customer Management System"));
    EXPECT_FALSE(window.openManual(app.path("missing.htm")));
}
