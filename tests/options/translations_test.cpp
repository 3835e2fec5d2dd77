#include "options/translations.h"

#include "test_support.h"

#include <gtest/gtest.h>

using namespace zel;
using namespace zel::translations;
using zel::test::TempApp;

namespace {

class TranslationsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        path = app.makeZelDatabase("Shop.ZELDB");
        ASSERT_TRUE(app.state->database.open(path));
    }
    QString text(const QString &language, const QString &gender, int key, const QString &english)
    {
        return Translator(app.state->data, {language, gender}).text(key, english);
    }

    TempApp app;
    QString path;
};

} // namespace

TEST_F(TranslationsTest, ANewDatabaseHasTheDefaultRows)
{
    app.state->data.setSQL("Select [Translations Language], Count(*) From Translations Group By 1 Order By 1");
    RecordSet rows = app.state->data.GetSnapShot("test");
    QStringList counts;
    while (rows.next())
        counts << rows.value(0).toString() + "=" + rows.value(1).toString();
    EXPECT_EQ(counts, QStringList({"Custom=25", "French=55", "Spanish=55"}));
    EXPECT_EQ(text("Custom", "F", 1, "DateFormat"), QStringLiteral("yyyy/mm/dd"));
    EXPECT_EQ(text("Custom", "F", 25, "Qty"), QStringLiteral("Qty"));
}

TEST_F(TranslationsTest, LanguageAndGenderChooseTheText)
{
    EXPECT_EQ(text("English", "M", 43, "Payment"), QStringLiteral("Payment"));
    EXPECT_EQ(text("Spanish", "M", 43, "Payment"), QStringLiteral("pago")) << "empty male text falls back";
    EXPECT_EQ(text("French", "M", 20, "Customer"), QString::fromUtf8("Numéro du client"));
    EXPECT_EQ(text("French", "F", 20, "Customer"), QString::fromUtf8("Numéro de la cliente"));
    EXPECT_EQ(text("Custom", "F", 43, "Payment"), QStringLiteral("Payment")) << "a key the language lacks";
    EXPECT_EQ(text("Klingon", "F", 43, "Payment"), QStringLiteral("Payment")) << "a language typed freely";
}

TEST_F(TranslationsTest, AnEmptyFemaleTextIsUsedAsStoredAndEditsAreKept)
{
    std::vector<TranslationRow> rows = load(app.state->data, "Custom");
    ASSERT_EQ(rows.size(), 25u);
    rows[1].female = "";           // key 2
    rows[24].female = "Cantidad!"; // key 25
    rows[24].male = "Cant.";
    ASSERT_TRUE(save(app.state->data, "Custom", rows));
    EXPECT_EQ(text("Custom", "F", 2, "Unavailable Message"), QString());
    EXPECT_EQ(text("Custom", "F", 25, "Qty"), QStringLiteral("Cantidad!"));
    EXPECT_EQ(text("Custom", "M", 25, "Qty"), QStringLiteral("Cant."));
}

TEST_F(TranslationsTest, TheCustomersLanguageIsRead)
{
    app.state->data.setSQL("Insert Into Customers ([Customers Number], [Customers Language], [Customers Gender]) Values "
                           "(4, 'French', 'M')");
    ASSERT_TRUE(app.state->data.ExecSql("test"));
    const Audience audience = LoadCustomerLanguage(app.state->data, 4);
    EXPECT_EQ(audience.language, QStringLiteral("French"));
    EXPECT_EQ(audience.gender, QStringLiteral("M"));
    EXPECT_EQ(LoadCustomerLanguage(app.state->data, 99).language, QStringLiteral("English"));
}
