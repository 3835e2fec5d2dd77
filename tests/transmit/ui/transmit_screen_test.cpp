#include "transmit/ui/transmit_screen.h"

#include "mnemonic_check.h"
#include "test_support.h"
#include "transmit/browser_test_support.h"
#include "transmit/summary_rows.h"
#include "transmit/test_site.h"
#include "transmit/transmit_list.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>

namespace zel {
namespace {

class TransmitScreenTest : public test::OpenDatabaseTest
{
protected:
    void SetUp() override
    {
        open();
        app.state->options.CurrentCampaignYear = 2024;
        app.state->options.CurrentCampaignNumber = 5;
        std::vector<transmit::OrderSummaryLine> lines = test::validLines(60, 5);
        lines.push_back(test::summaryLine(QStringLiteral("123-455"), 1, 5));
        test::fillSummary(app.state->data, lines);
    }
    std::unique_ptr<TransmitScreen> screen(const char *country = "US")
    {
        auto made = std::make_unique<TransmitScreen>(*app.state, QString::fromLatin1(country));
        made->show();
        return made;
    }
    static QPushButton *button(const QWidget &w, const QString &startingWith)
    {
        for (QPushButton *b : w.findChildren<QPushButton *>())
            if (b->text().startsWith(startingWith))
                return b;
        return nullptr;
    }
};

TEST_F(TransmitScreenTest, OpeningPagesTheListAndChoosingAPageNamesTheButton)
{
    auto s = screen();
    auto *pages = s->findChild<QListWidget *>();
    ASSERT_EQ(pages->count(), 2);
    EXPECT_EQ(s->findChild<QTableView *>()->model()->rowCount(), 61);
    EXPECT_TRUE(button(*s, QStringLiteral("Start &Submission")));
    pages->setCurrentRow(1);
    EXPECT_TRUE(button(*s, QStringLiteral("&Submit Web Page 2")));
    EXPECT_TRUE(test::repeatedMnemonics(s.get()).isEmpty()) << test::repeatedMnemonics(s.get()).join(", ").toStdString();
}

TEST_F(TransmitScreenTest, ExceptionsOnlyShowsTheRefusedRowsAndRefusesToSend)
{
    auto s = screen();
    button(*s, QStringLiteral("Show &Exceptions Only"))->click();
    EXPECT_EQ(s->findChild<QTableView *>()->model()->rowCount(), 1);
    EXPECT_TRUE(button(*s, QStringLiteral("Show &ALL")));
    s->choosePage(1);
    s->submitPage();
    EXPECT_EQ(app.prompter.messageTexts().back(), QStringLiteral("Please click the 'Show All' button before submitting."));
    button(*s, QStringLiteral("Show &ALL"))->click();
    EXPECT_EQ(s->findChild<QTableView *>()->model()->rowCount(), 61);
}

TEST_F(TransmitScreenTest, ExitAsksTheCountrysQuestionAndNoKeepsTheScreen)
{
    auto s = screen("CA");
    app.prompter.queueAnswer(Answer::No);
    s->reject();
    EXPECT_TRUE(s->isVisible());
    EXPECT_EQ(app.prompter.messageTexts().back(),
              QStringLiteral("Have you submitted the current WEB page and clicked 'Go to Next Step' at https://orders.corvessa.ca?"));
    app.prompter.queueAnswer(Answer::Yes);
    s->reject();
    EXPECT_FALSE(s->isVisible());
}

TEST_F(TransmitScreenTest, TheAddOnBoxFollowsTheCountry)
{
    auto canada = screen("CA");
    auto *box = canada->findChild<QCheckBox *>();
    ASSERT_TRUE(box->isVisible());
    box->setChecked(true);
    bool noteShown = false;
    for (const QLabel *label : canada->findChildren<QLabel *>())
        noteShown |= label->isVisible() && label->text().startsWith(QStringLiteral("Note: Add-On Orders"));
    EXPECT_TRUE(noteShown);
    EXPECT_FALSE(screen("AU")->findChild<QCheckBox *>()->isVisible());
}

TEST_F(TransmitScreenTest, ASiteInTheSettingsReplacesTheCompanysAndPagesAreSentFromTheScreen)
{
    ZEL_SKIP_WITHOUT_BROWSER();
    test::TestSite site;
    app.state->settings.write({settings::kZelIni, QStringLiteral("WebSites"), QStringLiteral("US"), QString()}, site.directLogOn());
    auto s = screen();
    EXPECT_EQ(s->site(), site.directLogOn());
    s->useBrowser(test::headlessBrowser(app.path("Browser")));
    s->startBrowser();
    s->choosePage(2);
    s->submitPage();
    EXPECT_EQ(app.prompter.messageTexts().back(),
              QStringLiteral("Current Web Page 2 is complete.  BE SURE TO CLICK 'UPDATE ORDER' in the Web Browser"));
    // The grid shows what the site said of each product.
    const std::vector<transmit::TransmitRow> page = transmit::TransmitList(app.state->data).pageRows(2);
    ASSERT_EQ(page.size(), 11u);
    const QModelIndex status = s->findChild<QTableView *>()->model()->index(50, 2);
    EXPECT_EQ(status.data().toString(), QStringLiteral("Accepted ") + page.front().catalogNumber);
    app.prompter.queueAnswer(Answer::Yes);
    s->reject();
    EXPECT_FALSE(s->browser().isRunning());
}

} // namespace
} // namespace zel
