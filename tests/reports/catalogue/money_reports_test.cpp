#include "catalogue_test_shop.h"

#include "reports/catalogue/expenses_report.h"
#include "reports/catalogue/mileage_report.h"
#include "reports/catalogue/payment_summary_report.h"

using namespace zel;
using namespace zel::reports;
using namespace zel::reports::catalogue;
using Money = zel::test::CatalogueShop;

TEST_F(Money, PaymentSummaryFiltersByDepositAndDates)
{
    const PaymentSummaryReport report;
    EXPECT_EQ(prepare(report), "");
    EXPECT_EQ(column("Select [GroupName] || ' ' || [Payments Amount] From rptPaymentSummary Order By 1"),
              QStringList({"Cash -10.0", "Cash -4.0", "Check -11.0"}));
    EXPECT_EQ(prepare(report, {{PaymentSummaryReport::kDeposited, "not-deposited"}, {PaymentSummaryReport::kGroup, "customer"}}), "");
    EXPECT_EQ(column("Select [GroupName] From rptPaymentSummary"), QStringList{"Dunn, Dot (4)"});
    EXPECT_EQ(prepare(report, {{PaymentSummaryReport::kFrom, "2008-03-01"}, {PaymentSummaryReport::kTo, "2008-03-15"}}), "");
    EXPECT_EQ(column("Select [Payments Customer Number] From rptPaymentSummary"), QStringList{"1"});
    EXPECT_EQ(prepare(report, {{PaymentSummaryReport::kFrom, "2009-01-01"}}), "No Details found for selected criteria.");
    EXPECT_EQ(prepare(report, {{PaymentSummaryReport::kTo, "March"}}), "'March' is not a date like 2024-03-31.");
}

TEST_F(Money, PaymentSummaryBalancesAreAsOfTheCampaign)
{
    const PaymentSummaryReport report;
    EXPECT_EQ(prepare(report, {{PaymentSummaryReport::kBalance, "debit"}, {PaymentSummaryReport::kGroup, "balances"}}), "");
    EXPECT_EQ(column("Select [Customers Number] || ' ' || [Balance] From rptPaymentSummary2 Order By 1"), QStringList({"1 5.2", "3 8.0"}));
    EXPECT_EQ(column("Select Distinct [Payments Customer Number] From rptPaymentSummary"), QStringList{"1"})
        << "the payments listed are those of the customers kept";
    EXPECT_EQ(prepare(report, {{PaymentSummaryReport::kBalance, "zero"}}), "");
    EXPECT_EQ(column("Select [Customers Number] From rptPaymentSummary2 Order By 1"), QStringList({"2", "4"}));
    EXPECT_EQ(prepare(report, {{PaymentSummaryReport::kBalance, "debit"}, {PaymentSummaryReport::kGroup, "balances"}}, {2008, 1}),
              "");
    EXPECT_EQ(column("Select [Customers Number] || ' ' || [Balance] From rptPaymentSummary2 Order By 1"), QStringList{"3 8.0"})
        << "as of 2008/1 customer 1 owed nothing yet";
    EXPECT_EQ(prepare(report, {{PaymentSummaryReport::kBalance, "credit"}, {PaymentSummaryReport::kGroup, "balances"}}),
              "No Details found for selected criteria.");
}

TEST_F(Money, PaymentSummaryPrintsTheChosenColumnsWithTotalsUnderThem)
{
    ReportParameters parameters;
    parameters.campaign = {2008, 5};
    parameters.choices = {{PaymentSummaryReport::kPhones, "yes"}};
    const std::optional<Document> document = PaymentSummaryReport().run(*app.state, parameters);
    ASSERT_TRUE(document);
    const Page &page = document->pages.at(0);
    EXPECT_TRUE(page.hasText("Phones"));
    EXPECT_TRUE(page.hasText("555-0101"));
    EXPECT_GT(page.size.width(), page.size.height()) << "the extra column turns the page";
    const auto total = page.find("-25.00");
    const auto heading = page.find("Amount");
    ASSERT_EQ(total.size(), 1u);
    ASSERT_FALSE(heading.empty());
    EXPECT_DOUBLE_EQ(total[0]->rect.right(), heading[0]->rect.right());
}

TEST_F(Money, ExpensesOfTheYearGroupedAsChosen)
{
    ASSERT_TRUE(app.state->data.exec("test", "Insert Into Expenses Values (2008, 1, 1, 'Bags', 'Shop A', 'Supplies', 12.5, -1, NULL), "
                                             "(2008, 4, 1, 'Samples', 'Shop B', 'Supplies', 7.25, 0, NULL), "
                                             "(2007, 3, 1, 'Fuel', 'Station', 'Car', 30, -1, NULL)"));
    const ExpensesReport report;
    EXPECT_EQ(prepare(report, {{ExpensesReport::kOrder, "category"}}), "");
    EXPECT_EQ(column("Select [GroupName] || ' ' || [Expenses Amount] From rptExpenses Order By 1"),
              QStringList({"Supplies 12.5", "Supplies 7.25"}));
    ReportParameters parameters;
    parameters.campaign = {2008, 5};
    const std::optional<Document> document = report.run(*app.state, parameters);
    ASSERT_TRUE(document);
    EXPECT_TRUE(document->pages[0].hasText("Campaign 1 / 2008"));
    EXPECT_TRUE(document->pages[0].hasText("19.75")) << "the year's total";
    EXPECT_EQ(prepare(report, {}, {2009, 1}), "No Expenses found for selected criteria.");
}

TEST_F(Money, MileageOfTheYearReadsItsTextDates)
{
    ASSERT_TRUE(app.state->data.exec("test", "Insert Into Mileage Values ('03/05/2008', '01:30 PM', 'Delivery', '', 'Home', 'Ann', 100, 112.5, 12.5), "
                                             "('03/05/2008', '09:00 AM', 'Pick-up', '', 'Home', 'Depot', 90, 100, 10), "
                                             "('12/30/2007', '10:00 AM', 'Meeting', '', 'Home', 'Office', 50, 57, 7), "
                                             "('3/6/2008', '08:00 AM', 'Return', '', 'Depot', 'Home', 112.5, 120, 7.5)"));
    const MileageReport report;
    EXPECT_EQ(prepare(report), "");
    ReportParameters parameters;
    parameters.campaign = {2008, 5};
    const ReportRequest request = report.request(*app.state, parameters);
    app.state->data.setSQL("Select [Mileage Reason] From rptMileage " + request.text("OrderBy"));
    RecordSet rows = app.state->data.GetSnapShot("test");
    QStringList reasons;
    while (rows.next())
        reasons << rows.value(0).toString();
    EXPECT_EQ(reasons, QStringList({"Pick-up", "Delivery", "Return"})) << "morning before afternoon; an unpadded date reads too";
    parameters.choices[MileageReport::kByDate] = "yes";
    const std::optional<Document> document = report.run(*app.state, parameters);
    ASSERT_TRUE(document);
    EXPECT_TRUE(document->pages[0].hasText("Total 03/05/2008"));
    EXPECT_TRUE(document->pages[0].hasText("22.5"));
    EXPECT_EQ(prepare(report, {}, {2009, 1}), "No mileage data found.");
}

// Ann (1) and Dot (4) have Cid (3) as their helper by number; the name copy on their rows is empty.
TEST_F(Money, PaymentSummaryByHelperFindsTheHelperByHerNumber)
{
    const PaymentSummaryReport report;
    EXPECT_EQ(prepare(report, {{PaymentSummaryReport::kGroup, "helper"}, {PaymentSummaryReport::kHelper, "yes"}}), "");
    EXPECT_EQ(column("Select [GroupName] || ': ' || [HelperName] || ' ' || [Payments Amount] From rptPaymentSummary Order By 1"),
              QStringList({"Cid Cole (3): Cid Cole -10.0", "Cid Cole (3): Cid Cole -11.0", "No helper:  -4.0"}));
}

TEST_F(Money, PaymentSummaryListsThePaymentsUpToItsCampaignAndAnOrderlyDateRange)
{
    // A payment taken ahead for campaign 2008/7 is not part of the balances as of 2008/5.
    app.state->data.exec("t", "Insert Into Payments ([Payments Customer Number], [Payments Campaign Year], [Payments Campaign "
                              "Number], [Payments Order Number], [Payments Sequence], [Payments Amount], [Payments Date], "
                              "[Payments Deposited], [Payments Type]) Values (1, 2008, 7, 1, 1, -6, '2008-03-12 00:00:00', "
                              "'Y', 'Cash')");
    const PaymentSummaryReport report;
    EXPECT_EQ(prepare(report), "");
    EXPECT_EQ(column("Select printf('%.2f', [Payments Amount]) From rptPaymentSummary Where [Payments Customer Number] = 1"),
              QStringList{"-10.00"});
    EXPECT_EQ(prepare(report, {}, {2008, 7}), "");
    EXPECT_EQ(column("Select printf('%.2f', [Payments Amount]) From rptPaymentSummary Where [Payments Customer Number] = 1 "
                     "Order By [Payments Amount]"),
              QStringList({"-10.00", "-6.00"}));
    EXPECT_EQ(prepare(report, {{PaymentSummaryReport::kFrom, "2008-03-31"}, {PaymentSummaryReport::kTo, "2008-03-01"}}),
              "The payment dates run from 03/31/2008 to 03/01/2008: the first date must not be after the last.");
}
