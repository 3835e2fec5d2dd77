#include "transmit/browser_test_support.h"
#include "transmit/summary_rows.h"
#include "transmit/test_site.h"
#include "test_support.h"
#include "transmit/macro_browser.h"
#include "transmit/transmit_country.h"
#include "transmit/transmit_list.h"
#include "transmit/transmit_submission.h"
#include "transmit/web_driver.h"

#include <QElapsedTimer>
#include <QFile>

namespace zel::transmit {
namespace {

class TransmitSubmissionTest : public test::OpenDatabaseTest
{
protected:
    void SetUp() override
    {
        ZEL_SKIP_WITHOUT_BROWSER();
        open();
        browser = std::make_unique<MacroBrowser>(test::headlessBrowser(app.path("Browser")));
    }

    // Prepares the list, starts the browser on the site and logs on; false when any step failed.
    bool startOn(test::TestSite &site, const std::vector<OrderSummaryLine> &lines)
    {
        test::fillSummary(app.state->data, lines);
        if (!TransmitList(app.state->data).prepare(us, valid))
            return false;
        if (!submission().startBrowser(site.url()))
            return false;
        return browser->play(test::kLogOnMacro);
    }
    TransmitSubmission submission() { return TransmitSubmission(*app.state, us, valid, *browser); }

    // Keeps a picture of the browser when ZEL_BROWSER_SHOT names a file (to look at the typed page).
    void keepScreenshot()
    {
        const QString target = qEnvironmentVariable("ZEL_BROWSER_SHOT");
        if (target.isEmpty())
            return;
        QFile file(target);
        if (file.open(QIODevice::WriteOnly))
            file.write(QByteArray::fromBase64(browser->driver()->screenshot().value.toString().toLatin1()));
    }

    const TransmitCountry &us = *TransmitCountry::find(QStringLiteral("US"));
    const ValidCampaigns valid{5, 30};
    std::unique_ptr<MacroBrowser> browser;
};

TEST_F(TransmitSubmissionTest, AWholePageReachesTheSiteWithItsCampaignIndexes)
{
    test::TestSite site;
    // Campaign 4 is the second valid one: the site must get index "1", not its default "0".
    const std::vector<OrderSummaryLine> lines = test::validLines(49, 4);
    ASSERT_TRUE(startOn(site, lines)) << browser->lastMessage().toStdString();
    EXPECT_EQ(app.prompter.messageTexts().front(), us.instruction());

    const PageResult result = submission().submitPage(1, false);
    EXPECT_EQ(result.entered, 49);
    EXPECT_FALSE(result.stopped);
    EXPECT_EQ(app.prompter.messageTexts().back(),
              QStringLiteral("Current Web Page 1 is complete.  BE SURE TO CLICK 'UPDATE ORDER' in the Web Browser"));
    keepScreenshot();
    ASSERT_TRUE(browser->play(test::kUpdateOrderMacro)) << browser->lastMessage().toStdString();

    const std::vector<TransmitRow> sent = TransmitList(app.state->data).pageRows(1);
    ASSERT_EQ(site.submitted().size(), 49u);
    for (size_t i = 0; i < sent.size(); ++i) {
        const test::TestSite::Line &line = site.submitted()[i];
        EXPECT_EQ(line.cell, int(i));
        EXPECT_EQ(line.product, sent[i].catalogNumber);
        EXPECT_EQ(line.quantity, QString::number(sent[i].quantity));
        EXPECT_EQ(line.campaign, QStringLiteral("1"));
        EXPECT_EQ(sent[i].productStatus, QStringLiteral("Accepted ") + sent[i].catalogNumber);
    }
}

TEST_F(TransmitSubmissionTest, AnAddOnOrderSendsTheThirdCampaignAsTheFirst)
{
    test::TestSite site;
    ASSERT_TRUE(startOn(site, test::validLines(2, 3))) << browser->lastMessage().toStdString();
    EXPECT_EQ(submission().submitPage(1, true).entered, 2);
    ASSERT_TRUE(browser->play(test::kUpdateOrderMacro));
    ASSERT_EQ(site.submitted().size(), 2u);
    EXPECT_EQ(site.submitted()[0].campaign, QStringLiteral("0"));
}

TEST_F(TransmitSubmissionTest, AProductTheSiteRefusesStopsThePageWithTheSitesWords)
{
    const std::vector<OrderSummaryLine> lines = test::validLines(5, 5);
    const QString refused = lines[2].catalogNumber;
    test::TestSite site({refused});
    ASSERT_TRUE(startOn(site, lines)) << browser->lastMessage().toStdString();

    const PageResult result = submission().submitPage(1, false);
    EXPECT_EQ(result.entered, 2);
    EXPECT_TRUE(result.stopped);
    const ScriptedPrompter::Entry error = app.prompter.messages().back();
    EXPECT_EQ(error.title, QStringLiteral("Web Page Error"));
    EXPECT_EQ(error.text, QStringLiteral("Last Product Processed:\n") + refused + QStringLiteral(" Quantity:3\n")
                              + QStringLiteral("Please ensure that the Web Browser has been positioned on the order entry page."));
    const std::vector<TransmitRow> rows = TransmitList(app.state->data).pageRows(1);
    EXPECT_EQ(rows[2].productStatus, QStringLiteral("Error: product ") + refused + QStringLiteral(" is not available"));
    EXPECT_EQ(rows[3].productStatus.trimmed(), QString()); // never sent
}

// Each product shows in the progress window; Cancel stops before the next product, and says how far
// the page got.
TEST_F(TransmitSubmissionTest, CancelStopsBetweenProductsAndSaysHowFarThePageGot)
{
    test::TestSite site;
    ASSERT_TRUE(startOn(site, test::validLines(4, 5))) << browser->lastMessage().toStdString();
    app.prompter.cancelAfter(3); // pressed while the third product is shown
    const PageResult result = submission().submitPage(1, false);
    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(result.entered, 2);
    EXPECT_EQ(app.prompter.messageTexts().last(), "Sending stopped: 2 of the 4 products of page 1 were entered.");
    int shown = 0;
    for (const ScriptedPrompter::Entry &entry : app.prompter.entries())
        shown += entry.kind == ScriptedPrompter::Kind::Working && entry.text.startsWith("Sending product ");
    EXPECT_EQ(shown, 3);
    EXPECT_EQ(app.prompter.entries().back().kind == ScriptedPrompter::Kind::Working
                  ? app.prompter.entries().back().text
                  : app.prompter.entries().at(app.prompter.entries().size() - 2).text,
              QString())
        << "the window is closed";
}

TEST_F(TransmitSubmissionTest, AMissingProductMacroIsLoggedAndNothingIsSent)
{
    test::TestSite site;
    ASSERT_TRUE(startOn(site, test::validLines(2, 5)));
    QFile::remove(app.path("IMacros/zel_product.iim"));
    const PageResult result = submission().submitPage(1, false);
    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(result.entered, 0);
    EXPECT_TRUE(app.readFile("LogError.txt").contains("missing macro"));
}

TEST_F(TransmitSubmissionTest, AMacroErrorNamesTheLineAndTheElement)
{
    test::TestSite site;
    ASSERT_TRUE(startOn(site, test::validLines(1, 5)));
    EXPECT_FALSE(browser->play(QStringLiteral("CODE:SET !TIMEOUT_STEP 0\r\nTAG POS=1 TYPE=INPUT:TEXT ATTR=NAME:nothing CONTENT=1\r\n")));
    EXPECT_EQ(browser->lastMessage(),
              QStringLiteral("RuntimeError: element INPUT:TEXT specified by NAME:nothing was not found, line: 2"));
    EXPECT_FALSE(browser->play(QStringLiteral("CODE:URL GOTO={{Nowhere}}\r\n")));
    EXPECT_EQ(browser->lastMessage(), QStringLiteral("RuntimeError: undefined variable Nowhere, line: 1"));
}

TEST_F(TransmitSubmissionTest, WaitPausesAndTabChoosesAnOpenTab)
{
    test::TestSite site;
    ASSERT_TRUE(startOn(site, test::validLines(1, 5)));
    QElapsedTimer timer;
    timer.start();
    EXPECT_TRUE(browser->play(QStringLiteral("CODE:WAIT SECONDS=0.3\r\n")));
    EXPECT_GE(timer.elapsed(), 250);
    EXPECT_FALSE(browser->play(QStringLiteral("CODE:WAIT SECONDS=soon\r\n")));
    EXPECT_EQ(browser->lastMessage(), QStringLiteral("SyntaxError: WAIT needs SECONDS=n, line: 1"));

    EXPECT_TRUE(browser->play(QStringLiteral("CODE:TAB T=1\r\nTAG POS=1 TYPE=H1 ATTR=TXT:Item<SP>Entry<SP>Form\r\n")))
        << browser->lastMessage().toStdString();
    EXPECT_FALSE(browser->play(QStringLiteral("CODE:TAB T=2\r\n")));
    EXPECT_EQ(browser->lastMessage(), QStringLiteral("RuntimeError: there is no tab 2, line: 1"));
}

TEST(TransmitSubmissionRefusalTest, NothingIsSentWhileOnlyTheExceptionsAreShown)
{
    test::TempApp app;
    MacroBrowser browser(test::headlessBrowser(app.path("Browser")));
    const ValidCampaigns valid(5, 30);
    TransmitSubmission submission(*app.state, *TransmitCountry::find(QStringLiteral("US")), valid, browser);
    EXPECT_TRUE(submission.submitPage(1, false, true).stopped);
    EXPECT_EQ(app.prompter.messageTexts(), QStringList{QStringLiteral("Please click the 'Show All' button before submitting.")});
    EXPECT_FALSE(browser.isRunning());
}

} // namespace
} // namespace zel::transmit
