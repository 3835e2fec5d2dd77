#include "options/earnings_schedule.h"
#include "options/options_rules.h"

#include "session/database_creation.h"
#include "test_support.h"

#include <gtest/gtest.h>

using namespace zel;
using zel::test::TempApp;

TEST(EarningsRules, CellsAreCheckedWithTheirMessages)
{
    EXPECT_EQ(earnings::checkTypeCode(""), QStringLiteral("Type Code can not be blank."));
    EXPECT_EQ(earnings::checkTypeCode("a"), QStringLiteral("Type Code must be A to Z or 0 to 9 (Earnings Level)"));
    EXPECT_EQ(earnings::checkTypeCode("%"), QStringLiteral("Type Code must be A to Z or 0 to 9 (Earnings Level)"));
    EXPECT_TRUE(earnings::checkTypeCode("7").isEmpty());
    EXPECT_EQ(earnings::checkDescription("  "), QStringLiteral("Description can not be blank."));
    EXPECT_EQ(earnings::checkPercent("ten"), QStringLiteral("Earnings Percent must be numeric (0-100)."));
    EXPECT_EQ(earnings::checkPercent("-1"), QStringLiteral("Earnings Percent must not be negative."));
    EXPECT_EQ(earnings::checkPercent("100.01"), QStringLiteral("Earnings Percent must Not be greater than 100."));
    EXPECT_TRUE(earnings::checkPercent("100").isEmpty());
    EXPECT_EQ(earnings::checkLevel("lots"), QStringLiteral("Earnings Level must be numeric dollar amount."));
    EXPECT_EQ(earnings::checkLevel("-0.01"), QStringLiteral("Earnings Level must not be negative."));
    EXPECT_EQ(earnings::checkLevel("1000000.00"), QStringLiteral("Earnings Level must be less than 1000000.00."));
    EXPECT_TRUE(earnings::checkLevel("999999.99").isEmpty());
}

TEST(EarningsRules, LevelsStartAboveZeroAndRiseSkippingUnusedOnes)
{
    std::array<Currency, 15> levels{};
    EXPECT_EQ(earnings::checkLevels(levels), QStringLiteral("First Level Dollar amount must be greater than Zero"));
    levels[0] = Currency::fromCents(2499);
    levels[1] = Currency::fromCents(13499);
    levels[3] = Currency::fromCents(26999); // an unused step between two used ones
    EXPECT_TRUE(earnings::checkLevels(levels).isEmpty());
    levels[4] = Currency::fromCents(26999);
    EXPECT_EQ(earnings::checkLevels(levels),
              QStringLiteral("The Level High Values must increase in values, Use 0 for unused values."));
    EXPECT_EQ(earnings::checkDelete("R"), QStringLiteral("Earnings Type Code 'R' is required.  Can not DELETE."));
    EXPECT_TRUE(earnings::checkDelete("F").isEmpty());
    EXPECT_EQ(EarningsRow().description, QStringLiteral("New Description"));
    EXPECT_EQ(EarningsRow().includeInSalesTotal, QStringLiteral("Y"));
}

TEST(EarningsStore, SavingBringsHelperPercentsInLineOrChangesNothing)
{
    TempApp app;
    const QString path = app.makeZelDatabase("Shop.ZELDB", {
        "Insert Into Customers ([Customers Number], [Customers Business Helper Flag]) Values (1, 'Y'), (2, 'N'), (3, 'N')",
        "Insert Into HelperPercents Values (1, 'R', 5), (1, 'F', 3), (2, 'R', 4), (2, 'Q', 9)"});
    ASSERT_TRUE(app.state->database.open(path));
    std::vector<EarningsRow> rows = earnings::load(app.state->data);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].levels[1], Currency::fromCents(13499));

    EarningsRow extra;
    extra.typeCode = "S";
    extra.description = "Specials";
    extra.levels[0] = Currency::fromCents(100);
    rows.erase(rows.begin()); // "F" goes
    rows.push_back(extra);
    ASSERT_TRUE(earnings::save(app.state->data, rows));
    app.state->database.close();
    EXPECT_EQ(TempApp::queryColumn(path, "Select [HelperPercents Customer Number] || [HelperPercents Earnings Type Code] || "
                                         "'=' || [HelperPercents Earnings Percent] From HelperPercents Order By 1"),
              QStringList({"1R=5.0", "1S=0.0", "2R=4.0"}))
        << "only the business helper gets the new type; other customers' rows stay as they were";

    ASSERT_TRUE(app.state->database.open(path));
    rows.push_back(extra); // a second "S"
    EXPECT_FALSE(earnings::save(app.state->data, rows));
    EXPECT_EQ(earnings::load(app.state->data).size(), 2u) << "a refused save leaves the schedules as they were";
}

TEST(OptionsRules, ExtraChargesOutOfRangeAreOnlyWarnedAbout)
{
    EXPECT_TRUE(options::extraChargeWarnings(Currency::fromCents(9999), Currency()).isEmpty());
    EXPECT_EQ(options::extraChargeWarnings(Currency::fromCents(10000), Currency::fromCents(-1)),
              QStringList({"Warning: Flat amount charge is greater than $99.99.  Value Accepted.",
                           "Warning: Flat percent charge is less than zero.  Value Accepted."}));
    EXPECT_EQ(options::printDateValue(false, "C"), QStringLiteral("N"));
    EXPECT_EQ(options::printDateValue(true, "C"), QStringLiteral("C"));
    EXPECT_TRUE(options::marginChoices("U").contains(".75 Inches"));
    EXPECT_TRUE(options::marginChoices("I").contains("20 MM"));
}
