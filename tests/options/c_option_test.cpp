#include "options/c_option.h"

#include "session/database_creation.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QDate>

using namespace zel;
using zel::test::TempApp;

namespace {

class OptionsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        path = app.path("Shop.ZELDB");
        ASSERT_TRUE(db::Gfi_Create_Db(*app.state, path));
        ASSERT_TRUE(app.state->database.open(path));
    }

    TempApp app;
    QString path;
};

} // namespace

TEST_F(OptionsTest, AnEmptyTableGetsTheNewRowAndTheUserIsToldOnce)
{
    cOption options;
    options.RepName = "stale";
    ASSERT_TRUE(options.OptionGet(app.state->data, app.prompter));
    ASSERT_TRUE(options.OptionGet(app.state->data, app.prompter));
    EXPECT_EQ(app.prompter.messageTexts(), QStringList{"Options Record not found - Will insert default values.  Please "
                                                       "update with your demographic data."});
    EXPECT_EQ(options.RepName, QStringLiteral("My Name"));
    EXPECT_EQ(options.CurrentCampaignNumber, 1);
    EXPECT_EQ(options.CurrentCampaignYear, QDate::currentDate().year());
    EXPECT_EQ(options.ProcessingCharge, Currency::fromCents(75));
    EXPECT_EQ(options.PrintDateOnOrder, QStringLiteral("Y"));
    EXPECT_EQ(options.LastCampaignNumberOfYear, 30);
    EXPECT_EQ(TempApp::queryColumn(path, "Select count(*) From Options"), QStringList{"1"});
}

TEST_F(OptionsTest, EverySettingSurvivesSaveAndLoad)
{
    cOption saved;
    saved.RepName = "Ann O'Neil";
    saved.TaxRate1 = *Currency::fromString(u"7.25");
    saved.TaxRate2 = *Currency::fromString(u"1.0125");
    saved.CurrentCampaignNumber = 26;
    saved.CurrentCampaignYear = 2008;
    saved.FlatAmount = *Currency::fromString(u"-2.5");
    saved.PointsMessage9 = "You earned %%%%% points";
    saved.PaperType = "I";
    saved.PrintInvoiceTopMargin = "20 MM";
    saved.NumberPastCampaignForProductLookup = 3;
    saved.EmailBody = QString::fromUtf8("Gracias, señora — ¡hasta pronto!");
    ASSERT_TRUE(saved.OptionSave(app.state->data));

    cOption loaded;
    loaded.RepName = "x";
    ASSERT_TRUE(loaded.OptionGet(app.state->data, app.prompter));
    EXPECT_EQ(loaded, saved);
    EXPECT_TRUE(app.prompter.messages().empty());
}

TEST_F(OptionsTest, TextLongerThanItsFieldIsCutAndNullsReadAsZero)
{
    cOption options;
    options.RepName = QString(70, 'n');
    options.TaxDesc1 = "SALESTAX";
    ASSERT_TRUE(options.OptionSave(app.state->data));
    app.state->data.setSQL("Update Options Set [Options Tax Rate 2] = Null, [Options Misc1] = Null");
    ASSERT_TRUE(app.state->data.ExecSql("test"));
    cOption loaded;
    ASSERT_TRUE(loaded.OptionGet(app.state->data, app.prompter));
    EXPECT_EQ(loaded.RepName, QString(50, 'n'));
    EXPECT_EQ(loaded.TaxDesc1, QStringLiteral("SALEST"));
    EXPECT_TRUE(loaded.TaxRate2.isZero());
    EXPECT_TRUE(loaded.Misc1.isEmpty());
}

TEST(OptionCampaignSteps, StopAtOneAndThirty)
{
    cOption options;
    options.CurrentCampaignNumber = 29;
    EXPECT_TRUE(options.CampaignIncrement());
    EXPECT_FALSE(options.CampaignIncrement());
    EXPECT_EQ(options.CurrentCampaignNumber, 30);
    options.CurrentCampaignNumber = 1;
    EXPECT_FALSE(options.CampaignDecrement());
    EXPECT_EQ(options.CurrentCampaignNumber, 1);
}
