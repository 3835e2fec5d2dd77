#include "earnings/earnings_tiers.h"
#include "earnings/helper_percents.h"
#include "options/earnings_schedule.h"
#include "report_rows.h"
#include "reports/earnings_preparation.h"
#include "reports/earnings_report.h"
#include "reports/report_parameters.h"
#include "test_support.h"

using namespace zel;
using namespace zel::test;

namespace {

Currency money(const char *text)
{
    return *Currency::fromString(QString::fromLatin1(text));
}

class EarningsTest : public OpenDatabaseTest
{
protected:
    // One detail line per amount, all of campaign 5 of 2008.
    void lines(const std::vector<std::pair<double, QString>> &amounts)
    {
        QStringList rows;
        int sequence = 0;
        for (const auto &[amount, backOrder] : amounts) {
            OrderLine l;
            l.sequence = ++sequence;
            l.unitPrice = l.unitTotal = amount;
            l.backOrder = backOrder;
            rows << orderRow(l);
        }
        open(rows);
    }
    std::optional<Currency> prepare(bool returns)
    {
        EarningsSelection s{2008, 5, returns, {}};
        return prepareEarnings(app.state->data, s);
    }
    QStringList earningsRow(const QString &code)
    {
        return app.column("Select [EarningsDescripton] || '|' || [UnitTotal] || '|' || [TypePercent] || '|' || [EarningsTotal] "
                          "From rptEarnings Where [EarningsTypeCode] = '" + code + "'");
    }
};

TEST(EarningsTiers, TheVolumeAtALevelEarnsThatTierAndAboveAllLevelsNothing)
{
    EarningsRow regular;
    const std::pair<const char *, const char *> steps[] = {{"24.99", "0"}, {"134.99", "20"}, {"269.99", "30"}, {"999999.99", "50"}};
    for (size_t i = 0; i < std::size(steps); ++i) {
        regular.levels[i] = money(steps[i].first);
        regular.percents[i] = money(steps[i].second);
    }
    EXPECT_EQ(earnings::tierPercent(regular, money("134.99")), money("20"));
    EXPECT_EQ(earnings::tierPercent(regular, money("135.00")), money("30"));
    EXPECT_EQ(earnings::tierPercent(regular, money("24.99")), money("0"));
    EXPECT_EQ(earnings::tierPercent(regular, money("1000000")), money("0"));
}

TEST(HelperPercentsEarnings, IsPercentOfTheUnitTotalHalfToEven)
{
    EXPECT_EQ(HelperPercents::earnings(money("5"), money("200")), money("10"));
    EXPECT_EQ(HelperPercents::earnings(money("12.5"), money("33.33")), money("4.1662")); // 4.16625
}

TEST_F(EarningsTest, SalesVolumeChoosesTheTierOfEveryType)
{
    lines({{134.99, {}}});
    EXPECT_EQ(prepare(false), money("134.99"));
    EXPECT_EQ(earningsRow("R"), QStringList{"Regular Items|134.99|20.0|27.0"});
    app.state->data.exec("t", "Update Orders Set [Orders Unit Total] = 135");
    EXPECT_EQ(prepare(false), money("135"));
    EXPECT_EQ(earningsRow("R"), QStringList{"Regular Items|135.0|30.0|40.5"});
}

TEST_F(EarningsTest, EarningsAreRoundedToCentsAfterTheMultiplication)
{
    lines({{300, {}}, {33.33, {}}});
    app.state->data.exec("t", "Update Orders Set [Orders Earnings Flag] = 'X' Where [Orders Unit Total] < 100");
    app.state->data.exec("t", "Insert Into Earnings ([Earnings Type Code], [Earnings Include In Sales Total], [Earnings Description], "
                              "[Earnings Level 1], [Earnings Percent 1]) Values ('X', 'N', 'Extra', 999999.99, 35)");
    // The volume counts only the included type: 300 earns 35 % on 'R' too (tier 269.99 .. 399.99).
    EXPECT_EQ(prepare(false), money("300"));
    EXPECT_EQ(earningsRow("X"), QStringList{"Extra|33.33|35.0|11.67"});
    EXPECT_EQ(earningsRow("R"), QStringList{"Regular Items|300.0|35.0|105.0"});
}

TEST_F(EarningsTest, ReturnsCountOnlyWhenAskedAndHeldBackOrdersNever)
{
    lines({{150, {}}, {-10, {}}, {40, QStringLiteral("P")}});
    EXPECT_EQ(prepare(false), money("150"));
    EXPECT_EQ(earningsRow("R"), QStringList{"Regular Items|150.0|30.0|45.0"});
    EXPECT_EQ(prepare(true), money("140"));
    EXPECT_EQ(earningsRow("R"), QStringList{"Regular Items|140.0|30.0|42.0"});
}

TEST_F(EarningsTest, UnknownTypeIsListedWithoutEarningsAndDefaultsComeBack)
{
    lines({{50, {}}});
    app.state->data.exec("t", "Update Orders Set [Orders Earnings Flag] = 'Q'");
    prepare(false);
    EXPECT_EQ(earningsRow("Q"), QStringList{"Missing Description|50.0|0.0|0.0"});

    app.state->data.exec("t", "Delete From Earnings");
    ASSERT_TRUE(earnings::ensureDefaultTypes(app.state->data));
    ASSERT_TRUE(earnings::ensureDefaultTypes(app.state->data));
    EXPECT_EQ(app.column("Select [Earnings Type Code] || [Earnings Level 2] || '/' || [Earnings Percent 2] From Earnings Order By 1"),
              (QStringList{"F0.0/0.0", "R134.99/20.0"}));
}

TEST_F(EarningsTest, LayoutShowsTheVolumeAndTotals)
{
    lines({{200, {}}});
    reports::EarningsReport report;
    reports::ReportParameters p;
    p.campaign = {2008, 5};
    QString message;
    const auto document = report.run(*app.state, p, &message);
    ASSERT_TRUE(document) << message.toStdString();
    EXPECT_TRUE(document->pages.at(0).hasText("Sales volume: 200.00"));
    EXPECT_TRUE(document->pages.at(0).hasText("60.00"));
    EXPECT_TRUE(document->pages.at(0).hasText("Campaign 5 - Year 2008"));
}

} // namespace
