#include "customers/customer_summaries.h"

#include "../reports/report_rows.h"
#include "reports/order_comments_report.h"
#include "reports/report.h"
#include "reports/report_registry.h"
#include "reports/server/standard_reports.h"
#include "test_support.h"

#include <gtest/gtest.h>

using namespace zel;
using namespace zel::test;
using customers::CustomerSummaries;
using Kind = CustomerSummaries::Kind;

namespace {

class CustomerSummariesTest : public OpenDatabaseTest
{
protected:
    void SetUp() override
    {
        QStringList rows{customer(1, "Ann", "Adams"), customer(2, "Bea", "Brown"), payment(1, 2008, 5, -20),
                         payment(1, 2007, 26, -5)};
        rows << order(1, 2008, 5, 25) << order(1, 2008, 3, 12.5) << order(1, 2007, 26, 40) << order(2, 2008, 5, 99);
        rows << "Insert Into Comments ([Comments Customer Number], [Comments Campaign Year], [Comments Campaign Number], "
                "[Comments Type], [Comments Line0], [Comments Line1]) Values (1, 2008, 3, 'Order', 'Leave at the door', ''), "
                "(1, 2007, 26, 'Order', '', 'Call first'), (1, 2008, 4, 'Order', '', ''), (1, 2008, 5, 'Customer', 'Not an order', '')";
        open(rows);
    }
    QStringList firstColumn(Kind kind, Campaign campaign = {2008, 5})
    {
        QStringList values;
        for (const QVariantList &row : CustomerSummaries::rows(app.state->data, kind, 1, campaign))
            values << row.value(0).toString() + QLatin1Char(' ') + row.last().toString();
        return values;
    }
    // Runs a registered report for customer 1; its message, or "" when it has pages.
    QString run(const QString &name, const QVariantMap &choices = {})
    {
        reports::ReportParameters parameters;
        parameters.customer = 1;
        parameters.campaign = {2008, 5};
        parameters.choices = choices;
        QString message;
        const std::optional<reports::Document> document = reports::standardReports().find(name)->run(*app.state, parameters, &message);
        return document && !document->pages.empty() ? QString() : message;
    }
};

} // namespace

TEST_F(CustomerSummariesTest, EachSummaryListsOnlyHerRowsInItsOrder)
{
    EXPECT_EQ(firstColumn(Kind::Campaigns), (QStringList{"2008 / 3 12.5", "2008 / 5 25", "2007 / 26 40"}))
        << "the latest year first, its campaigns in order";
    EXPECT_EQ(firstColumn(Kind::Orders), (QStringList{"2007 / 26 40", "2008 / 3 12.5", "2008 / 5 25"}));
    EXPECT_EQ(firstColumn(Kind::CurrentOrders), QStringList{"2008 / 5 25"});
    EXPECT_EQ(firstColumn(Kind::CurrentOrders, {2008, 4}), QStringList());
    EXPECT_EQ(firstColumn(Kind::Payments), (QStringList{"2008 / 5 -20", "2007 / 26 -5"}));
    EXPECT_EQ(CustomerSummaries::yearToDate(app.state->data, 1, 2008), Currency::fromCents(3750));
    EXPECT_EQ(CustomerSummaries::yearToDate(app.state->data, 1, 2006), Currency());
    for (Kind kind : {Kind::Campaigns, Kind::Orders, Kind::Payments})
        EXPECT_EQ(CustomerSummaries::rows(app.state->data, kind, 1, {2008, 5}).front().size(),
                  qsizetype(CustomerSummaries::columns(kind).size()));
}

TEST_F(CustomerSummariesTest, TheScreensReportsPrintHerRowsOrSayWhyNot)
{
    EXPECT_EQ(run("customer-campaigns"), "");
    EXPECT_EQ(app.column("Select Count(*) From rptCustomerCampaignSummary"), QStringList{"3"});
    EXPECT_EQ(run("customer-orders", {{"CurrentOnly", true}}), "");
    EXPECT_EQ(app.column("Select [Orders Campaign Number] From rptCustomerOrderSummary"), QStringList{"5"});
    EXPECT_EQ(run("customer-profile"), "");
    EXPECT_EQ(app.column("Select [Customers First Name] From rptCustomerProfile"), QStringList{"Ann"});
    // Her date as every report writes dates, and each count of points after its number.
    ASSERT_TRUE(app.state->data.exec("test", "Update Customers Set [Customers Since Date] = '2007-11-30 00:00:00', "
                                             "[Customers Points2] = 7 Where [Customers Number] = 1"));
    reports::ReportParameters one;
    one.customer = 1;
    const std::optional<reports::Document> profile = reports::standardReports().find("customer-profile")->run(*app.state, one, nullptr);
    ASSERT_TRUE(profile);
    EXPECT_TRUE(profile->plainText().contains("11/30/2007")) << profile->plainText().toStdString();
    EXPECT_TRUE(profile->plainText().contains("2: 7")) << profile->plainText().toStdString();

    // Only written order comments count, of the campaign's year unless every year is asked for.
    EXPECT_EQ(run("order-comments"), "");
    EXPECT_EQ(app.column("Select [Comments Campaign Number] From rptOrderComments"), QStringList{"3"});
    EXPECT_EQ(run("order-comments", {{reports::OrderCommentsReport::kAllYears, true}}), "");
    EXPECT_EQ(app.column("Select Count(*) From rptOrderComments"), QStringList{"2"});
    ASSERT_TRUE(app.state->data.exec("test", "Delete From Comments Where [Comments Type] = 'Order'"));
    EXPECT_EQ(run("order-comments"), "No Order Comments found for this Customer.");
    ASSERT_TRUE(app.state->data.exec("test", "Delete From Orders Where [Orders Customer Number] = 1"));
    EXPECT_EQ(run("customer-campaigns"), "No orders found for this customer.");
}
