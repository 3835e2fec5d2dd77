#include "reports/order_summary.h"
#include "reports/order_summary_file.h"
#include "reports/order_summary_report.h"
#include "reports/report_parameters.h"
#include "report_rows.h"
#include "test_support.h"

#include <QFile>

using namespace zel;
using namespace zel::reports;
using namespace zel::test;

namespace {

class OrderSummaryTest : public OpenDatabaseTest
{
protected:
    // Three customers with the same product on the same page, one return, one held back order.
    void SetUp() override
    {
        QStringList rows{customer(1, "Ann", "Adams"), customer(2, "Bea", "Brown"), customer(3, "Cy", "Cole")};
        for (int c = 1; c <= 3; ++c) {
            OrderLine l;
            l.customer = c;
            l.quantity = c;
            l.unitTotal = 10 * c;
            rows << orderRow(l);
        }
        rows << orderRow(line(1, 2, "555-111", 1, 4, "P")) << orderRow(line(2, 2, "777-222", 1, -8));
        open(rows);
    }
    OrderSummarySelection selection(OrderSummarySelection::Kind kind = OrderSummarySelection::Kind::Regular)
    {
        OrderSummarySelection s;
        s.campaign = {2008, 5};
        s.kind = kind;
        return s;
    }
    QStringList summaryLines()
    {
        return app.column("Select [Orders Catalog Number] || '|' || [SumOfOrders Quanity] || '|' || [TotalOfOrders] || '|' || "
                          "[Orders Customer Number] From rptOrderSummary Order By 1");
    }
    QStringList summarizedFlags()
    {
        return app.column("Select [Orders Summary Printed] From Orders Order By [Orders Customer Number], [Orders Sequence Number]");
    }
};

TEST_F(OrderSummaryTest, RegularSummaryMergesCustomersIntoOneLinePerProduct)
{
    ASSERT_EQ(prepareOrderSummary(app.state->data, selection()), std::nullopt);
    EXPECT_EQ(summaryLines(), QStringList{"123-456|6|60.0|0"});
    EXPECT_EQ(summaryCustomerCount(app.state->data), 3);

    OrderSummaryReport report;
    ReportParameters p;
    p.campaign = {2008, 5};
    ASSERT_EQ(report.prepare(*app.state, p), std::nullopt);
    const ReportRequest request = report.request(*app.state, p);
    EXPECT_EQ(request.value("CustomerOrders").toInt(), 3);
    EXPECT_EQ(request.text("Title2"), "Campaign 05 - Year 2008");
    EXPECT_TRUE(report.layOut(*app.state, request).pages.at(0).hasText("Customer Orders: 3"));
}

// Pages are text, as the catalogue prints them ("C#05-123" among "123"): page 10 and 100 come
// before page 9, whatever the caption "Page and Catalog Order" may suggest.
TEST_F(OrderSummaryTest, PagesSortAsText)
{
    int sequence = 5;
    for (const auto &[catalog, page] : {std::pair{"900-009", "9"}, {"100-100", "100"}, {"100-010", "10"}}) {
        OrderLine l = line(3, sequence++, catalog, 1, 2);
        l.page = page;
        ASSERT_TRUE(app.state->data.exec("t", orderRow(l)));
    }
    OrderSummaryReport report;
    ReportParameters p;
    p.campaign = {2008, 5};
    ASSERT_EQ(report.prepare(*app.state, p), std::nullopt);
    const QString text = report.layOut(*app.state, report.request(*app.state, p)).plainText();
    const qsizetype ten = text.indexOf("100-010"), hundred = text.indexOf("100-100"), nine = text.indexOf("900-009");
    ASSERT_GE(ten, 0);
    EXPECT_LT(ten, hundred);
    EXPECT_LT(hundred, nine);
}

TEST_F(OrderSummaryTest, ReturnsAndBackOrdersKeepTheirCustomers)
{
    ASSERT_EQ(prepareOrderSummary(app.state->data, selection(OrderSummarySelection::Kind::Returns)), std::nullopt);
    EXPECT_EQ(summaryLines(), QStringList{"777-222|1|-8.0|2"});
    ASSERT_EQ(prepareOrderSummary(app.state->data, selection(OrderSummarySelection::Kind::BackOrders)), std::nullopt);
    EXPECT_EQ(summaryLines(), QStringList{"555-111|1|4.0|1"});
}

TEST_F(OrderSummaryTest, NothingFoundNamesTheCampaign)
{
    OrderSummarySelection s = selection();
    s.campaign = {2008, 6};
    EXPECT_EQ(prepareOrderSummary(app.state->data, s),
              QString("No order details found for Campaign 6 / 2008.\nPlease try changing Summary Type."));
    s.kind = OrderSummarySelection::Kind::None;
    EXPECT_EQ(prepareOrderSummary(app.state->data, s), QString("Invalid Order summary Report Option"));
}

TEST_F(OrderSummaryTest, AnsweringNoLeavesOrdersUnsummarizedAndYesMarksWholeOrders)
{
    ASSERT_EQ(prepareOrderSummary(app.state->data, selection()), std::nullopt);
    const QStringList before = summarizedFlags();
    app.prompter.queueAnswer(Answer::No);
    askMarkSummarized(*app.state, selection(), QString());
    EXPECT_EQ(summarizedFlags(), before);
    EXPECT_TRUE(app.prompter.messageTexts().join("\n").contains("Do you wish to mark Viewed or Printed Orders as Summarized?"));

    app.prompter.queueAnswer(Answer::Yes);
    askMarkSummarized(*app.state, selection(), QString());
    // Every row of the three summarized orders, the held back order's line included.
    EXPECT_EQ(summarizedFlags(), QStringList({"-1", "-1", "-1", "-1", "-1"}));
    EXPECT_EQ(prepareOrderSummary(app.state->data, selection()).value_or(QString()).left(25), "No order details found fo");
}

TEST_F(OrderSummaryTest, DataFileLinesAndMessages)
{
    EXPECT_EQ(OrderSummaryFile::line("", "3"), "Missing Product Number,3");
    EXPECT_EQ(OrderSummaryFile::line("12\"3,4", "2"), "12 3 4,2");

    app.state->data.exec("t", "Update Orders Set [Orders Catalog Number] = '' Where [Orders Customer Number] = 3");
    ASSERT_EQ(prepareOrderSummary(app.state->data, selection()), std::nullopt);
    const QString path = app.path("summary.txt");
    app.prompter.queueFile(path);
    ASSERT_TRUE(OrderSummaryFile::exportFile(*app.state));
    EXPECT_EQ(app.readFile("summary.txt"), "Missing Product Number,3\r\n123-456,3\r\n"); // by catalog number, empty first
    EXPECT_TRUE(app.prompter.messageTexts().contains("Successfully Exported 2."));

    app.prompter.queueAnswer(Answer::No);
    EXPECT_FALSE(OrderSummaryFile::exportFile(*app.state, path));
    EXPECT_TRUE(app.prompter.messageTexts().contains("File Already Exists.\nReplace?"));
}

} // namespace
