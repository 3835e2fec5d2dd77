#include "catalogue_test_shop.h"

#include "reports/catalogue/brochures_report.h"
#include "reports/catalogue/call_back_report.h"
#include "reports/catalogue/customers_report.h"
#include "reports/catalogue/dates_report.h"
#include "reports/catalogue/notes_report.h"
#include "reports/catalogue/points_report.h"
#include "reports/helper_filter.h"
#include "shell/clock.h"

using namespace zel;
using namespace zel::reports::catalogue;
using Lists = zel::test::CatalogueShop;

namespace {
const QString kHelper = zel::reports::HelperFilter::kChoice;
}

TEST_F(Lists, CustomersByStatusAndHelper)
{
    const CustomersReport report;
    EXPECT_EQ(prepare(report), "");
    EXPECT_EQ(column("Select [Customers Number] From rptCustomers Order By 1"), QStringList({"1", "2", "3", "4"}));
    EXPECT_EQ(column("Select [CustomerName] From rptCustomers Where [Customers Number] = 1"), QStringList{"Adams, Ann"});
    EXPECT_EQ(prepare(report, {{CustomersReport::kStatus, "closed"}}), "");
    EXPECT_EQ(column("Select [Customers Number] From rptCustomers"), QStringList{"2"});
    EXPECT_EQ(prepare(report, {{kHelper, "3"}}), "");
    EXPECT_EQ(column("Select [Customers Number] From rptCustomers Order By 1"), QStringList({"1", "4"}));
    EXPECT_EQ(prepare(report, {{kHelper, "without"}, {CustomersReport::kStatus, "Active"}}), "");
    EXPECT_EQ(column("Select [Customers Number] From rptCustomers"), QStringList{"3"});
    EXPECT_EQ(prepare(report, {{CustomersReport::kStatus, "Deleted"}}), "No customers found for current criteria.");
}

TEST_F(Lists, BrochuresFollowTheirOrderingInTheCampaignAndSumByType)
{
    const BrochuresReport report;
    EXPECT_EQ(prepare(report), "");
    EXPECT_EQ(column("Select [Customers Number] From rptBrochures Order By 1"), QStringList({"1", "3", "4"})) << "2 holds no brochure";
    EXPECT_EQ(column("Select [Customers] || '/' || [Brochures] || '/' || [Ordered] From rptBrochureSummary Where [BrochureType] = 'Regular'"),
              QStringList{"2/3/2"});
    EXPECT_EQ(prepare(report, {{BrochuresReport::kOrdered, "not-ordered"}}), "");
    EXPECT_EQ(column("Select [Customers Number] From rptBrochures"), QStringList{"3"});
    EXPECT_EQ(prepare(report, {{BrochuresReport::kStatuses, QStringList{"Lapsed"}}, {BrochuresReport::kOrdered, "ordered"}}), "");
    EXPECT_EQ(column("Select [Customers Number] From rptBrochures"), QStringList{"4"});
    EXPECT_EQ(prepare(report, {{BrochuresReport::kTypes, "Jumbo"}}), "No customers found with brochures.");
}

TEST_F(Lists, CallBackCountsCampaignsBackAcrossTheYearEnd)
{
    const CallBackReport report;
    // 2008/3 to 2008/5: 1 and 4 ordered in 5.
    EXPECT_EQ(prepare(report), "");
    EXPECT_EQ(column("Select [Customers Number] || ' ' || [LastOrder] || ' ' || Coalesce([LastOrderTotal], '') From rptCallBack "
                     "Order By 1"),
              QStringList({"2 Campaign 1 / 2008 4.0", "3 Campaign 29 / 2007 8.0"}));
    // 2007/29 to 2008/2 with 30 campaigns a year: 2 and 3 ordered inside it.
    EXPECT_EQ(prepare(report, {{CallBackReport::kPast, 4}}, {2008, 2}), "");
    EXPECT_EQ(column("Select [Customers Number] || ' ' || [LastOrder] From rptCallBack Order By 1"),
              QStringList({"1 Never", "4 Never"}));
    EXPECT_EQ(prepare(report, {{CallBackReport::kPast, 4}, {CallBackReport::kReferredBy, "Bea"}, {CallBackReport::kStatuses, "Lapsed"}},
                      {2008, 2}),
              "");
    EXPECT_EQ(column("Select [Customers Number] From rptCallBack"), QStringList{"4"});
    EXPECT_EQ(prepare(report, {}, {0, 5}), "Please select a Year.");
}

TEST_F(Lists, CallBackAmountIsEveryOrderOfTheLastCampaignOnly)
{
    app.state->data.exec("t", "Insert Into Orders ([Orders Customer Number], [Orders Campaign Year], [Orders Campaign Number], "
                              "[Orders Order Number], [Orders Sequence Number], [Orders Internal Flag], [Orders Unit Total]) "
                              "Values (3, 2007, 29, 2, 1, 'TOTAL', 2.5), (3, 2007, 20, 1, 1, 'TOTAL', 100), "
                              "(3, 2007, 29, 3, 1, 'DETAIL', 50), (2, 2008, 3, 1, 1, 'DETAIL', 7)");
    EXPECT_EQ(prepare(CallBackReport()), "");
    EXPECT_EQ(column("Select [Customers Number] || ' ' || [LastOrder] || ' ' || [LastOrderTotal] From rptCallBack Order By 1"),
              QStringList({"2 Campaign 1 / 2008 4.0", "3 Campaign 29 / 2007 10.5"}))
        << "a DETAIL row in the window is no order; only TOTAL rows of 2007/29 add up";
}

TEST_F(Lists, DatesPastAndFutureAreCountedFromToday)
{
    ASSERT_TRUE(app.state->data.exec("test", "Insert Into Dates ([Dates ID], [Dates Customer Number], [Dates Date], [Dates Description], "
                                             "[Dates Auto Update Year]) Values (1, 1, '2001-01-01 00:00:00', 'Met', 'N'), "
                                             "(2, 2, '2999-06-01 00:00:00', 'Far off', 'N'), (3, 4, '1970-01-01 00:00:00', 'Birthday', 'Y')"));
    const DatesReport report;
    const QString thisYear = QString::number(app.state->now().date().year());
    EXPECT_EQ(prepare(report), "");
    EXPECT_EQ(column("Select [EventDay] From rptDates Where [Dates ID] = 3"), QStringList{thisYear + "-01-01"})
        << "a yearly date falls on this year's day";
    EXPECT_EQ(prepare(report, {{DatesReport::kEvents, "future"}}), "");
    EXPECT_TRUE(column("Select [Dates ID] From rptDates").contains("2"));
    EXPECT_FALSE(column("Select [Dates ID] From rptDates").contains("1"));
    EXPECT_EQ(prepare(report, {{DatesReport::kEvents, "past"}, {DatesReport::kStatus, "active"}}), "");
    EXPECT_TRUE(column("Select [Dates ID] From rptDates").contains("1"));
    EXPECT_FALSE(column("Select [Dates ID] From rptDates").contains("2")) << "customer 2 is closed, and the date is ahead";
    EXPECT_EQ(prepare(report, {{DatesReport::kStatus, "deleted"}}), "No customers found for current criteria.");
}

TEST_F(Lists, InDecemberTheComingYearlyDatesIncludeNextJanuarys)
{
    Clock::run().set(QDateTime(QDate(2026, 12, 6), QTime(10, 0)));
    ASSERT_TRUE(app.state->data.exec("test", "Insert Into Dates ([Dates ID], [Dates Customer Number], [Dates Date], [Dates Description], "
                                             "[Dates Auto Update Year]) Values (1, 1, '1970-01-15 00:00:00', 'Birthday', 'Y'), "
                                             "(2, 3, '1980-12-20 00:00:00', 'Birthday', 'Y'), (3, 1, '2026-01-20 00:00:00', 'Once', 'N')"));
    const DatesReport report;
    EXPECT_EQ(prepare(report, {{DatesReport::kEvents, "future"}}), "");
    // 15 January has passed this year: the next one is 2027's. 20 December is still ahead this year.
    EXPECT_EQ(column("Select [Dates ID] || ' ' || [EventDay] From rptDates Order By [Dates ID]"),
              QStringList({"1 2027-01-15", "2 2026-12-20"}));
    EXPECT_EQ(prepare(report, {{DatesReport::kEvents, "past"}}), "");
    EXPECT_EQ(column("Select [Dates ID] || ' ' || [EventDay] From rptDates Order By [Dates ID]"),
              QStringList({"1 2026-01-15", "3 2026-01-20"}));
}

TEST_F(Lists, PointsLeaveOutCustomersWithoutPointsUnlessAsked)
{
    const PointsReport report;
    EXPECT_EQ(prepare(report), "");
    EXPECT_EQ(column("Select [Customers Number] || ':' || [TotalPoints] From rptPoints Order By 1"), QStringList({"1:10", "3:5"}));
    EXPECT_EQ(prepare(report, {{PointsReport::kOrdered, "yes"}}), "");
    EXPECT_EQ(column("Select [Customers Number] From rptPoints"), QStringList{"1"}) << "3 did not order in 2008/5";
    EXPECT_EQ(prepare(report, {{PointsReport::kNoPoints, true}}), "");
    EXPECT_EQ(column("Select Count(*) From rptPoints"), QStringList{"4"});
    EXPECT_EQ(prepare(report, {{PointsReport::kStatus, "closed"}}), "No customers found for current criteria.");
}

TEST_F(Lists, NotesSkipBlankNotes)
{
    ASSERT_TRUE(app.state->data.exec("test", "Insert Into Notes Values (1, '2008-02-02 00:00:00', 'Call on Friday'), "
                                             "(2, '2008-02-02 00:00:00', '   '), (4, '2008-02-03 00:00:00', 'Allergic to nuts')"));
    const NotesReport report;
    EXPECT_EQ(prepare(report), "");
    EXPECT_EQ(column("Select [Notes Customer Number] From rptNotes Order By 1"), QStringList({"1", "4"}));
    EXPECT_EQ(prepare(report, {{kHelper, "without"}}), "No Notes found for current criteria.");
}
