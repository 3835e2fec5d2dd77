#include "catalogue_test_shop.h"

#include "reports/catalogue/annual_summary_report.h"
#include "reports/catalogue/discounts_report.h"
#include "reports/catalogue/helper_summary_report.h"
#include "reports/catalogue/statistics_report.h"
#include "reports/helper_filter.h"

using namespace zel;
using namespace zel::reports;
using namespace zel::reports::catalogue;
using Sales = zel::test::CatalogueShop;

TEST_F(Sales, DiscountsPickTheirKindOfRows)
{
    const DiscountsReport report;
    EXPECT_EQ(prepare(report, {{DiscountsReport::kKind, "line"}}), "");
    EXPECT_EQ(column("Select [Orders Customer Number] || ' ' || [Orders Unit Total] From rptDiscountsA"), QStringList{"1 -1.0"});
    EXPECT_EQ(prepare(report, {{DiscountsReport::kKind, "charges"}}), "");
    EXPECT_EQ(column("Select [Kind] || ' ' || [Orders Unit Total] From rptDiscountsA"), QStringList{"Special Charges and Credits 3.0"});
    EXPECT_EQ(prepare(report), "");
    EXPECT_EQ(column("Select [Kind] || ' ' || [Amount] From rptDiscountsB Order By 1"),
              QStringList({"Line Discounts -1.0", "Order Discounts -2.0", "Special Charges and Credits 3.0"}));
    EXPECT_EQ(prepare(report, {}, {2008, 1}), "No details found for the selected criteria.");
}

TEST_F(Sales, AnnualSummaryLeavesOutBackOrdersAndReturnsUnlessAsked)
{
    const AnnualSummaryReport report;
    EXPECT_EQ(prepare(report), "");
    EXPECT_EQ(column("Select [Orders Customer Number] || ' ' || [OrderCount] || ' ' || [Items] || ' ' || [Amount] "
                     "From rptAnnualSummary Order By 1"),
              QStringList({"1 1 2 20.0", "2 1 1 4.0", "4 1 1 10.0"}))
        << "2008/1 to 2008/5; 3 ordered only in 2007";
    EXPECT_EQ(prepare(report, {{AnnualSummaryReport::kReturns, "yes"}}), "");
    EXPECT_EQ(column("Select [Amount] From rptAnnualSummary Where [Orders Customer Number] = 1"), QStringList{"15"});
    EXPECT_EQ(prepare(report, {{AnnualSummaryReport::kFrom, 200729}, {AnnualSummaryReport::kTo, 200801}}), "");
    EXPECT_EQ(column("Select [Orders Customer Number] From rptAnnualSummary Order By 1"), QStringList({"2", "3"}));
    EXPECT_EQ(prepare(report, {{AnnualSummaryReport::kFrom, 200702}, {AnnualSummaryReport::kTo, 200710}}),
              "No order details found for selected criteria.");
}

TEST_F(Sales, StatisticsSplitTaxableSalesAndSumProducts)
{
    const StatisticsReport report;
    EXPECT_EQ(prepare(report), "");
    EXPECT_EQ(column("Select [CNumber] || ': ' || [TaxableSales] || ' ' || [NonTaxableSales] || ' ' || [Tax1] || ' ' || [Tax2] "
                     "From rptStatisticsTax Order By [CNumber]"),
              QStringList({"1: 0.0 4.0 0 0", "5: 30.0 -5.0 1.2 0.0"}));
    EXPECT_EQ(prepare(report, {{StatisticsReport::kType, "products"}}), "");
    EXPECT_EQ(column("Select [CatalogNumber] || ' ' || [Quantity] || ' ' || [Amount] || ' ' || [Customers] From rptStatisticsPSA "
                     "Order By 1"),
              QStringList({"111 3 30.0 2", "222 1 -5.0 1", "444 1 4.0 1"}))
        << "the back-ordered soap is not a sale";
    EXPECT_EQ(prepare(report, {{HelperFilter::kChoice, "3"}, {StatisticsReport::kType, "products"}}), "");
    EXPECT_EQ(column("Select Sum([Amount]) From rptStatisticsPSA"), QStringList{"25"});
    EXPECT_EQ(prepare(report, {}, {2006, 5}), "No Order details found.");
}

TEST_F(Sales, HelperSummarySumsTheChosenBasisAndTheHelpersEarnings)
{
    const HelperSummaryReport report;
    EXPECT_EQ(prepare(report), "");
    EXPECT_EQ(column("Select [CustomerNumber] || ' ' || [BasisAmount] || ' ' || [Paid] || ' ' || [Due] || ' ' || [Earnings] "
                     "From rptHelperSummary Order By 1"),
              QStringList({"1 15.0 -10.0 5.0 1.5", "4 10.0 -11.0 -1.0 1.0"}))
        << "10 % of 15.00 (20.00 less the 5.00 return, without the back order) and of 10.00";
    EXPECT_EQ(prepare(report, {{HelperSummaryReport::kBasis, "less-discounts"}}), "");
    EXPECT_EQ(column("Select [BasisAmount] From rptHelperSummary Order By [CustomerNumber]"), QStringList({"14", "8"}));
    EXPECT_EQ(prepare(report, {{HelperSummaryReport::kBasis, "plus-tax"}}), "");
    EXPECT_EQ(column("Select [BasisAmount] From rptHelperSummary Order By [CustomerNumber]"), QStringList({"15.2", "8"}));
    EXPECT_EQ(prepare(report, {{HelperSummaryReport::kBasis, "total"}, {HelperSummaryReport::kType, "earnings"}}), "");
    EXPECT_EQ(column("Select [HelperName] || ' ' || [TypeName] || ' ' || [UnitTotal] || ' ' || [Earnings] From rptHelperSummaryEarnings"),
              QStringList{"Cid Cole (3) Regular Items 25.0 2.5"});
}

TEST_F(Sales, HelperSummaryRefusesTheSpecialHelperEntries)
{
    const HelperSummaryReport report;
    EXPECT_EQ(prepare(report, {{HelperFilter::kChoice, "with"}}), "");
    EXPECT_EQ(app.prompter.messageTexts(), QStringList{"'With a helper' is not supported on this report, using ALL option."});
    EXPECT_EQ(column("Select Count(*) From rptHelperSummary"), QStringList{"2"});
    EXPECT_EQ(prepare(report, {{HelperFilter::kChoice, "1"}}), "No customers found for selected criteria.")
        << "customer 1 helps nobody";
}

TEST_F(Sales, HelperSummaryCanPutEachHelperOnPagesOfHerOwn)
{
    ASSERT_TRUE(app.state->data.exec("test", "Update Customers Set [Customers Business Helper Number] = 1 Where [Customers Number] = 4"));
    const HelperSummaryReport report;
    ReportParameters parameters;
    parameters.campaign = {2008, 5};
    parameters.choices = {{HelperSummaryReport::kType, "collection"}, {HelperSummaryReport::kHeading1, "Handed over"}};
    const std::optional<Document> together = report.run(*app.state, parameters);
    ASSERT_TRUE(together);
    EXPECT_EQ(together->pages.size(), 1u);
    EXPECT_TRUE(together->pages[0].hasText("Handed over"));
    parameters.choices[HelperSummaryReport::kPageBreak] = "yes";
    const std::optional<Document> apart = report.run(*app.state, parameters);
    ASSERT_TRUE(apart);
    ASSERT_EQ(apart->pages.size(), 2u);
    EXPECT_TRUE(apart->pages[0].hasText("Helper: Ann Adams (1)"));
    EXPECT_TRUE(apart->pages[1].hasText("Helper: Cid Cole (3)"));
    EXPECT_TRUE(apart->pages[1].hasText("Page 1 of 1"));
}
