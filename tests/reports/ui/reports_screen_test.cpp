#include "reports/ui/reports_screen.h"
#include "mnemonic_check.h"
#include "reports/catalogue/payment_summary_report.h"
#include "reports/invoice_report.h"
#include "reports/report_rows.h"
#include "reports/ui/choices_tab.h"
#include "test_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

using namespace zel;
using namespace zel::test;
using zel::reports::ReportsScreen;

namespace {

class ReportsScreenTest : public OpenDatabaseTest
{
protected:
    void SetUp() override
    {
        QStringList rows{customer(1, "Ann", "Adams"), customer(2, "Hal", "Helper"),
                         "Update Customers Set [Customers Business Helper Flag] = 'Y' Where [Customers Number] = 2"};
        rows << order(1, 2008, 5, 25);
        open(rows);
        app.state->options.CurrentCampaignYear = 2008;
        app.state->options.CurrentCampaignNumber = 5;
        app.state->options.LastCampaignNumberOfYear = 30;
    }
};

TEST_F(ReportsScreenTest, TwentyTabsAllEnabledWithTheirOwnMnemonics)
{
    ReportsScreen screen(*app.state);
    QTabWidget *tabs = screen.tabs();
    ASSERT_EQ(tabs->count(), 20);
    for (int i = 0; i < tabs->count(); ++i)
        EXPECT_TRUE(tabs->isTabEnabled(i)) << i;
    EXPECT_EQ(tabs->tabText(1), "Campaign Totals");
    // The year's amount-due rows exist once the screen has opened.
    EXPECT_EQ(app.column("Select Count(*) From Totals Where [Totals Campaign Year] = 2008"), QStringList{"30"});
    screen.show();
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        EXPECT_EQ(repeatedMnemonics(&screen), QStringList()) << i;
    }
}

TEST_F(ReportsScreenTest, ADeclaredChoicesPageGivesTheReportItsWordsAndDefaults)
{
    ReportsScreen screen(*app.state);
    auto *tab = qobject_cast<reports::ChoicesTab *>(screen.tabs()->widget(12));
    ASSERT_TRUE(tab);
    EXPECT_EQ(tab->reportName(), "payment-summary");
    auto *group = screen.findChild<QComboBox *>("rpt_payment-summary_group");
    auto *phones = screen.findChild<QCheckBox *>("rpt_payment-summary_phones");
    ASSERT_TRUE(group && phones);
    EXPECT_EQ(group->currentText(), "Type") << "the first word is the report's default";
    group->setCurrentIndex(group->findData("balances"));
    phones->setChecked(true);
    reports::ReportParameters parameters;
    tab->fill(parameters);
    EXPECT_EQ(parameters.choices.value(reports::catalogue::PaymentSummaryReport::kGroup).toString(), "balances");
    EXPECT_EQ(parameters.choices.value(reports::catalogue::PaymentSummaryReport::kPhones).toString(), "yes");
    EXPECT_FALSE(parameters.choices.contains(reports::catalogue::PaymentSummaryReport::kFrom)) << "a blank date is not given";

    // The invoices page: every customer unless one is typed, and the short layout.
    auto *invoices = qobject_cast<reports::ChoicesTab *>(screen.tabs()->widget(0));
    ASSERT_TRUE(invoices);
    reports::ReportParameters all;
    invoices->fill(all);
    EXPECT_FALSE(all.customer.has_value());
    EXPECT_EQ(all.choices.value(reports::InvoiceReport::kSort).toString(), "name");
    // She is chosen by name (a part of it finds her) or by her number; a name of nobody is said.
    auto *customer = screen.findChild<QComboBox *>("rpt_invoice_customer");
    ASSERT_TRUE(customer);
    EXPECT_EQ(customer->itemText(customer->findData(2)), "Helper, Hal (2)");
    customer->setCurrentIndex(customer->findData(2));
    reports::ReportParameters byName;
    invoices->fill(byName);
    EXPECT_EQ(byName.customer, 2);
    customer->setEditText("Nobody");
    EXPECT_EQ(invoices->problem(), "'Nobody' is not a customer: choose her from the list, or type her number.");
    customer->setEditText("1");
    EXPECT_TRUE(invoices->problem().isEmpty());
    screen.findChild<QCheckBox *>("rpt_invoice_short")->setChecked(true);
    reports::ReportParameters one;
    invoices->fill(one);
    EXPECT_EQ(one.customer, 1);
    EXPECT_TRUE(one.shortLayout);
    screen.resetToDefaults();
    reports::ReportParameters again;
    invoices->fill(again);
    EXPECT_FALSE(again.customer.has_value());
    EXPECT_FALSE(again.shortLayout);
    EXPECT_EQ(reports::ChoicesTab::captionOf("--not-deposited"), "Not Deposited");
}

TEST_F(ReportsScreenTest, CampaignStepsAndHelperEntries)
{
    ReportsScreen screen(*app.state);
    EXPECT_EQ(screen.selectedYear(), 2008);
    EXPECT_EQ(screen.selectedNumber(), 5);
    screen.stepCampaign(1);
    EXPECT_EQ(screen.selectedNumber(), 6);
    auto *helper = screen.findChild<QComboBox *>("cboHelper");
    ASSERT_TRUE(helper);
    EXPECT_EQ(helper->itemText(1), "Customers With a Helper Assigned");
    EXPECT_EQ(helper->itemText(3), "Helper, Hal (2)");
}

TEST_F(ReportsScreenTest, ChoicesAreKeptAndResetToDefaults)
{
    {
        ReportsScreen screen(*app.state);
        screen.findChild<QCheckBox *>("chkOSSuppressPages")->setChecked(true);
        screen.reject();
    }
    EXPECT_TRUE(app.readFile("ZELRPTOPTSINI.600").contains("chkOSSuppressPages=1"));
    ReportsScreen screen(*app.state);
    QCheckBox *suppress = screen.findChild<QCheckBox *>("chkOSSuppressPages");
    EXPECT_TRUE(suppress->isChecked());
    screen.resetToDefaults();
    EXPECT_FALSE(suppress->isChecked());
    EXPECT_TRUE(app.prompter.messageTexts().contains("All report options and check boxes have been reset to their defaults."));
}

TEST_F(ReportsScreenTest, EmptyOrderSummaryIsToldAndSubmitOpensAfterBuildingIt)
{
    ReportsScreen screen(*app.state);
    screen.tabs()->setCurrentIndex(ReportsScreen::kOrderSummaryTab);
    QString opened;
    screen.setTransmitOpener([&](const QString &country) { opened = country; });
    app.prompter.queueAnswer(Answer::No);
    screen.stepCampaign(1);
    screen.runReport(true);
    EXPECT_TRUE(app.prompter.messageTexts().contains("No order details found for Campaign 6 / 2008.\nPlease try changing Summary Type."));
    screen.stepCampaign(-1);
    const QList<QPushButton *> buttons = screen.findChildren<QPushButton *>();
    for (QPushButton *button : buttons)
        if (button->text() == "Submit &CA Order")
            button->click();
    EXPECT_EQ(opened, "CA");
    EXPECT_EQ(app.column("Select Count(*) From rptOrderSummary"), QStringList{"1"});
}

} // namespace

// Web Submission from the main menu says what to do and waits on the Submit button of her country.
TEST_F(ReportsScreenTest, SubmissionModeSaysSoAndWaitsOnHerCountrysButton)
{
    app.state->webSubmission = true;
    app.state->shortcuts.country = "CA";
    ReportsScreen screen(*app.state);
    screen.setTransmitOpener([](const QString &) {});
    EXPECT_EQ(screen.windowTitle(), "Reports - Web Submission");
    auto *guide = screen.findChild<QLabel *>("submissionGuide");
    ASSERT_TRUE(guide);
    EXPECT_TRUE(guide->text().contains("press the Submit button of your country"));
    EXPECT_EQ(screen.tabs()->tabText(screen.tabs()->currentIndex()).remove('&'), "Order Summary");
    auto *canada = screen.findChild<QPushButton *>("submit_CA");
    ASSERT_TRUE(canada);
    EXPECT_TRUE(canada->isDefault());

    app.state->webSubmission = false;
    ReportsScreen plain(*app.state);
    EXPECT_EQ(plain.windowTitle(), "Reports");
    EXPECT_FALSE(plain.findChild<QLabel *>("submissionGuide"));
}
