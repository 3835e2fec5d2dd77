#include "options/ui/options_screen.h"

#include "desktop/main_menu_operations.h"
#include "options/ui/earnings_model.h"
#include "options/ui/fonts_page.h"
#include "options/ui/translations_model.h"
#include "options/ui/translations_page.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QTreeWidget>

using namespace zel;
using zel::test::TempApp;

namespace {

class OptionsScreenTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        path = app.makeZelDatabase("Shop.ZELDB");
        ASSERT_TRUE(MainMenuOperations(*app.state).openDatabase(path, "test", "test"));
        screen = std::make_unique<OptionsScreen>(*app.state);
    }
    QString stored(const QString &column) const
    {
        app.state->database.close();
        const QStringList values = TempApp::queryColumn(path, "Select [" + column + "] From Options");
        app.state->database.open(path);
        return values.value(0);
    }

    TempApp app;
    QString path;
    std::unique_ptr<OptionsScreen> screen;
};

} // namespace

TEST_F(OptionsScreenTest, ShowsTheStoredOptionsAndSavesEdits)
{
    QLineEdit *name = screen->textField("Name");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->text(), QStringLiteral("My Name"));
    name->setText("  Ann O'Neil  ");
    screen->textField("Tax Rate 1")->setText("8.25");
    screen->checkBox("Calculate Tax After Discounts")->setChecked(true);
    ASSERT_TRUE(screen->save());
    EXPECT_EQ(stored("Options Rep Name"), QStringLiteral("Ann O'Neil"));
    EXPECT_EQ(stored("Options Tax Rate 1"), QStringLiteral("8.25"));
    EXPECT_EQ(stored("Options Tax After Discounts"), QStringLiteral("Y"));
    EXPECT_EQ(app.state->options.RepName, QStringLiteral("Ann O'Neil"));
}

TEST_F(OptionsScreenTest, AnUntickedDateBoxStoresNWhateverTheChoice)
{
    screen->dateChoiceCurrent()->setChecked(true);
    screen->dateBox()->setChecked(false);
    ASSERT_TRUE(screen->save());
    EXPECT_EQ(stored("Options Print Date On Order"), QStringLiteral("N"));
    screen->dateBox()->setChecked(true);
    ASSERT_TRUE(screen->save());
    EXPECT_EQ(stored("Options Print Date On Order"), QStringLiteral("C"));
}

TEST_F(OptionsScreenTest, OddExtraChargesAreWarnedAboutAndKept)
{
    screen->textField("Amount ##.##")->setText("150");
    ASSERT_TRUE(screen->save());
    EXPECT_EQ(app.prompter.messageTexts(), QStringList{"Warning: Flat amount charge is greater than $99.99.  Value Accepted."});
    EXPECT_EQ(stored("Options Flat Amount"), QStringLiteral("150"));

    screen->textField("Processing Charge")->setText("abc");
    EXPECT_FALSE(screen->save());
    EXPECT_EQ(app.prompter.messageTexts().last(), QStringLiteral("Processing Charge must be numeric."));
    EXPECT_EQ(stored("Options Processing Charge"), QStringLiteral("0.75"));
}

TEST_F(OptionsScreenTest, TheEarningsGridRefusesBadValuesAndTheProtectedRow)
{
    EarningsModel *model = screen->earnings();
    ASSERT_EQ(model->rowCount(), 2);
    EXPECT_FALSE(model->setData(model->index(1, 4), "abc", Qt::EditRole));
    EXPECT_EQ(app.prompter.messageTexts().last(), QStringLiteral("Earnings Percent must be numeric (0-100)."));
    EXPECT_FALSE(model->removeRow(1)); // "R", sorted after "F"
    EXPECT_EQ(app.prompter.messageTexts().last(), QStringLiteral("Earnings Type Code 'R' is required.  Can not DELETE."));

    const int added = model->addRow();
    ASSERT_TRUE(model->setData(model->index(added, 0), "s", Qt::EditRole));
    EXPECT_FALSE(screen->save()) << "its first level is still 0";
    EXPECT_EQ(app.prompter.messageTexts().last(), QStringLiteral("First Level Dollar amount must be greater than Zero"));
    ASSERT_TRUE(model->setData(model->index(added, 3), "500", Qt::EditRole));
    ASSERT_TRUE(screen->save());
    app.state->database.close();
    EXPECT_EQ(TempApp::queryColumn(path, "Select [Earnings Type Code] || ' ' || [Earnings Description] From Earnings Order By 1"),
              QStringList({"F Fixed", "R Regular Items", "S New Description"}));
}

TEST_F(OptionsScreenTest, CampaignButtonsStepAndSaveAtOnce)
{
    screen->campaignNumber()->setValue(30);
    app.state->options.CurrentCampaignNumber = 30;
    QPushButton *next = nullptr;
    QPushButton *previous = nullptr;
    for (QPushButton *button : screen->findChildren<QPushButton *>()) {
        if (button->text() == "Ne&xt Campaign")
            next = button;
        if (button->text() == "&Previous Campaign")
            previous = button;
    }
    ASSERT_TRUE(next && previous);
    next->click();
    EXPECT_EQ(app.prompter.count(ScriptedPrompter::Kind::Beep), 1);
    previous->click();
    EXPECT_EQ(screen->campaignNumber()->value(), 29);
    EXPECT_EQ(stored("Options Current Campaign Number"), QStringLiteral("29"));
}

TEST_F(OptionsScreenTest, TheFontsPageWritesChosenAndResetFonts)
{
    FontsPage *fonts = screen->fontsPage();
    FontSettings chosen;
    chosen.name = "Georgia";
    chosen.size = 11;
    chosen.bold = true;
    fonts->setFontChooser([&](const FontSettings &, const QString &) { return std::optional<FontSettings>(chosen); });

    QTreeWidgetItem *screens = fonts->tree()->topLevelItem(0);
    QTreeWidgetItem *customer = screens->child(3);
    EXPECT_EQ(customer->text(0), QStringLiteral("Customer     (Arial - 8)"));
    fonts->chooseFor(customer);
    EXPECT_EQ(customer->text(0), QStringLiteral("Customer     (Georgia - 11)"));
    EXPECT_TRUE(app.readFile("ZELFONTSINI.600").contains("[ZEL_Customer]\nFontName=Georgia\nFontSize=11\nFontBold=-1"));

    QTreeWidgetItem *invoice = fonts->tree()->topLevelItem(1)->child(0);
    EXPECT_EQ(invoice->child(13)->text(0), QStringLiteral("Customer Name, Address & Phones     (Times New Roman - 8)"));

    app.prompter.queueAnswer(Answer::Yes);
    fonts->resetAllScreenFonts();
    EXPECT_EQ(customer->text(0), QStringLiteral("Customer     (Arial - 8)"));
    EXPECT_EQ(app.prompter.messageTexts().last(), QStringLiteral("Reset ALL SCREEN FONT settings to their default values."));

    app.prompter.queueAnswer(Answer::Yes);
    fonts->setAllReportFonts();
    EXPECT_EQ(invoice->child(0)->text(0), QStringLiteral("Order Comments - Current     (Georgia - 11)"));
    EXPECT_EQ(fonts->currentFont("rptOrdersShortC14").name, QStringLiteral("Georgia"));
}

TEST_F(OptionsScreenTest, ClosingAsksOnlyWhenSomethingChanged)
{
    screen->reject();
    EXPECT_TRUE(app.prompter.messages().empty()) << "a fresh row shown and closed is no change";

    OptionsScreen edited(*app.state);
    edited.textField("Name")->setText("Someone Else");
    app.prompter.queueAnswer(Answer::Yes);
    edited.reject();
    EXPECT_EQ(app.prompter.messageTexts(), QStringList{"Save the changes to the options?"});
    EXPECT_EQ(stored("Options Rep Name"), QStringLiteral("Someone Else"));
}

TEST_F(OptionsScreenTest, TranslationsAreEditedPerLanguageAndSaved)
{
    TranslationsPage *page = screen->translationsPage();
    TranslationsModel *model = page->model();
    ASSERT_EQ(model->rowCount(), 55) << "Spanish first";
    EXPECT_FALSE(model->flags(model->index(0, 1)).testFlag(Qt::ItemIsEditable)) << "the English wording is a label";
    ASSERT_TRUE(model->setData(model->index(42, 2), "abono", Qt::EditRole)); // key 43, "Payment"
    page->languageBox()->setCurrentText("Custom"); // switching keeps the Spanish edit
    EXPECT_EQ(model->rowCount(), 25);
    ASSERT_TRUE(model->setData(model->index(24, 3), "Cant.", Qt::EditRole));
    ASSERT_TRUE(screen->save());
    app.state->database.close();
    EXPECT_EQ(TempApp::queryColumn(path, "Select [Translations Female] From Translations Where [Translations Language] = "
                                         "'Spanish' And [Translations Key] = 43"),
              QStringList{"abono"});
    EXPECT_EQ(TempApp::queryColumn(path, "Select [Translations Male] From Translations Where [Translations Language] = "
                                         "'Custom' And [Translations Key] = 25"),
              QStringList{"Cant."});
}

TEST_F(OptionsScreenTest, NoPastCampaignLookUpIsOfferedAndKept)
{
    app.state->options.NumberPastCampaignForProductLookup = 0;
    ASSERT_TRUE(app.state->options.OptionSave(app.state->data));
    OptionsScreen reopened(*app.state);
    QComboBox *past = nullptr;
    for (QComboBox *box : reopened.findChildren<QComboBox *>())
        if (box->accessibleName() == "Number of Past Campaigns For Price Lookup")
            past = box;
    ASSERT_NE(past, nullptr);
    QStringList offered;
    for (int i = 0; i < past->count(); ++i)
        offered << past->itemText(i);
    EXPECT_EQ(offered, QStringList({"0", "1", "2", "3"}));
    EXPECT_EQ(past->currentText(), QStringLiteral("0"));

    reopened.textField("Name")->setText("Someone Else");
    ASSERT_TRUE(reopened.save());
    EXPECT_EQ(stored("Options Number Past Campaigns For Product Lookup"), QStringLiteral("0"));
    past->setCurrentText("3");
    ASSERT_TRUE(reopened.save());
    EXPECT_EQ(stored("Options Number Past Campaigns For Product Lookup"), QStringLiteral("3"));
}
