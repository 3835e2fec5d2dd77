#include "shell/ui/help_window.h"

#include "desktop/ui/main_menu.h"
#include "reports/ui/report_preview.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTest>
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

namespace {

QString manualText()
{
    QFile manual(QStringLiteral(":/zel/ZEL User Manual.htm"));
    EXPECT_TRUE(manual.open(QIODevice::ReadOnly));
    return QString::fromUtf8(manual.readAll());
}

} // namespace

// Every screen's F1 lands on a section the manual has.
TEST(HelpWindow, EveryScreenHasItsSectionInTheManual)
{
    const QString manual = manualText();
    for (const char *form : {"Zel_Search", "Zel_Customer", "Zel_CustomerSummary", "Zel_History", "Zel_Order", "Zel_Products",
                             "Zel_Options", "Zel_Reports", "Zel_ReportPreview", "Zel_Transmit", "Zel_Totals", "Zel_Inventory",
                             "Zel_Utilities", "Zel_FTPUpload", "Zel_FTPDownload", "ZEL_Glance", "Zel_InvoiceMail", "Zel_MailServer"}) {
        const QString section = HelpWindow::sectionOf(QString::fromLatin1(form));
        ASSERT_FALSE(section.isEmpty()) << form;
        EXPECT_TRUE(manual.contains(QStringLiteral("id=\"%1\"").arg(section))) << form << " -> " << section.toStdString();
    }
}

TEST(HelpWindow, F1OnAScreenOpensTheManualAtItsSectionBesideIt)
{
    TempApp app;
    QFile::copy(QStringLiteral(":/zel/ZEL User Manual.htm"), app.path("ZEL User Manual.htm"));
    reports::ReportPreview preview(*app.state, reports::Document{});
    preview.show();
    preview.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&preview));
    QTest::keyClick(&preview, Qt::Key_F1);
    auto *help = preview.findChild<HelpWindow *>();
    ASSERT_TRUE(help) << "the manual is the screen's own child, so the modal screen does not block it";
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->browser()->source().fragment(), "reports");
    EXPECT_TRUE(app.prompter.messages().empty());
}
