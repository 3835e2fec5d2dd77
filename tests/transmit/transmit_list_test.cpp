#include "transmit/summary_rows.h"
#include "test_support.h"
#include "transmit/transmit_country.h"
#include "transmit/transmit_list.h"
#include "transmit/transmit_print.h"
#include "transmit/valid_campaigns.h"

#include <map>

namespace zel::transmit {
namespace {

using test::summaryLine;

const TransmitCountry &country(const char *code)
{
    return *TransmitCountry::find(QString::fromLatin1(code));
}

class TransmitListTest : public test::OpenDatabaseTest
{
protected:
    void SetUp() override { open(); }

    // Prepares the list from these summary lines; returns the page numbers.
    QList<int> prepare(const std::vector<OrderSummaryLine> &lines, const char *code = "US", int current = 5)
    {
        test::fillSummary(app.state->data, lines);
        TransmitList list(app.state->data);
        return list.prepare(country(code), ValidCampaigns(current, 30)).value_or(QList<int>{-1});
    }
    std::vector<TransmitRow> rows(bool exceptionsOnly = false) const
    {
        return TransmitList(app.state->data).rows(exceptionsOnly);
    }
    // How many rows each page holds.
    std::map<int, int> pageSizes() const
    {
        std::map<int, int> sizes;
        for (const TransmitRow &row : rows())
            ++sizes[row.webPageNo];
        return sizes;
    }
    QString statusOf(const QString &product, const char *code = "US")
    {
        prepare({summaryLine(product, 1, 5)}, code);
        return rows().front().productStatus.trimmed();
    }
};

TEST(ValidCampaignsTest, TheCurrentCampaignAndTheTwoBeforeWrappingAtTheYearEnd)
{
    const auto numbers = [](int current, int last) {
        const ValidCampaigns valid(current, last);
        return QList<int>{valid.at(0), valid.at(1), valid.at(2)};
    };
    EXPECT_EQ(numbers(7, 30), (QList<int>{7, 6, 5}));
    EXPECT_EQ(numbers(3, 30), (QList<int>{3, 2, 1}));
    EXPECT_EQ(numbers(2, 30), (QList<int>{2, 1, 30}));
    EXPECT_EQ(numbers(1, 26), (QList<int>{1, 26, 25}));
}

TEST(ValidCampaignsTest, AnAddOnOrderSendsTheThirdCampaignAsTheFirst)
{
    const ValidCampaigns valid(1, 30);
    EXPECT_EQ(valid.indexOf(1, false), 0);
    EXPECT_EQ(valid.indexOf(30, false), 1);
    EXPECT_EQ(valid.indexOf(29, false), 2);
    EXPECT_EQ(valid.indexOf(29, true), 0);
    EXPECT_EQ(valid.indexOf(30, true), 1);
    EXPECT_EQ(valid.indexOf(28, false), -1);
}

TEST(ValidCampaignsTest, TheLabelListsTheCampaignsAndTheAddOnLine)
{
    const ValidCampaigns valid(5, 30);
    EXPECT_EQ(valid.label(true), QStringLiteral("Valid Campaigns: \n  C=5\n  C=4\n  C=3 (No Add-on)\nAdd On Order (C5 / C4 Only)"));
    EXPECT_EQ(valid.label(false), QStringLiteral("Valid Campaigns: \n  C=5\n  C=4\n  C=3"));
    EXPECT_EQ(valid.addOnNote(), QStringLiteral("Note: Add-On Orders only allow two campaigns. Current and Previous, C3 Will "
                                                "be processed as C5 if present."));
}

TEST_F(TransmitListTest, ProductNumbersAreCheckedByTheCountrysRules)
{
    EXPECT_EQ(statusOf(QStringLiteral("123-455")), QStringLiteral("Product # Invalid Check Digit"));
    EXPECT_EQ(statusOf(QStringLiteral("123-457")), QString());
    // s mod 11 of 0 and of 1 both need a last digit of 0.
    EXPECT_EQ(statusOf(QStringLiteral("000000")), QString());
    EXPECT_EQ(statusOf(QStringLiteral("000001")), QStringLiteral("Product # Invalid Check Digit"));
    EXPECT_EQ(statusOf(QStringLiteral("600000")), QString());
    EXPECT_EQ(statusOf(QStringLiteral("600001")), QStringLiteral("Product # Invalid Check Digit"));
    EXPECT_EQ(statusOf(QStringLiteral("12345")), QStringLiteral("Product # not 6 digits"));
    EXPECT_EQ(statusOf(QStringLiteral("--")), QStringLiteral("No Product #"));
    // Australia: five digits, no check digit; Canada: six digits, no check digit.
    EXPECT_EQ(statusOf(QStringLiteral("12345"), "AU"), QString());
    EXPECT_EQ(statusOf(QStringLiteral("123-455"), "AU"), QStringLiteral("Product # not 5 digits"));
    EXPECT_EQ(statusOf(QStringLiteral("123-455"), "CA"), QString());
}

TEST_F(TransmitListTest, ExceptionsGoToPageZeroWithTheirTextAndAreNeverOnAPage)
{
    const QList<int> pages = prepare({summaryLine(QStringLiteral("123-457"), 0, 5),
                                      summaryLine(test::withCheckDigit(11111), 2, 2),
                                      summaryLine(test::withCheckDigit(22222), 3, 4)});
    EXPECT_EQ(pages, QList<int>{1});
    const std::vector<TransmitRow> exceptions = rows(true);
    ASSERT_EQ(exceptions.size(), 2u);
    EXPECT_EQ(exceptions[0].productStatus, QStringLiteral("Invalid Campaign Number. Must be: 5,4,3"));
    EXPECT_EQ(exceptions[1].productStatus, QStringLiteral("Quantity Less Than One"));
    for (const TransmitRow &row : exceptions) {
        EXPECT_FALSE(row.transmit);
        EXPECT_EQ(row.webPageNo, 0);
    }
    EXPECT_EQ(TransmitList(app.state->data).pageRows(1).size(), 1u);
    EXPECT_TRUE(TransmitList(app.state->data).pageRows(0).empty());
}

TEST_F(TransmitListTest, CampaignsOneAndTwoAcceptTheLastCampaignsOfThePreviousYear)
{
    prepare({summaryLine(test::withCheckDigit(10001), 1, 30), summaryLine(test::withCheckDigit(10002), 1, 29),
             summaryLine(test::withCheckDigit(10003), 1, 28)},
            "US", 1);
    const std::vector<TransmitRow> exceptions = rows(true);
    ASSERT_EQ(exceptions.size(), 1u);
    EXPECT_EQ(exceptions[0].fromCampaign, 28);
    EXPECT_EQ(exceptions[0].productStatus, QStringLiteral("Invalid Campaign Number. Must be: 1,30,29"));
}

TEST_F(TransmitListTest, PagesHoldTheCountrysLimit)
{
    EXPECT_EQ(prepare(test::validLines(120, 5)), (QList<int>{1, 2, 3}));
    EXPECT_EQ(pageSizes(), (std::map<int, int>{{1, 49}, {2, 49}, {3, 22}}));

    prepare(test::validLines(120, 5), "CA");
    EXPECT_EQ(pageSizes(), (std::map<int, int>{{1, 25}, {2, 25}, {3, 25}, {4, 25}, {5, 20}}));

    std::vector<OrderSummaryLine> australian;
    for (int i = 0; i < 25; ++i)
        australian.push_back(summaryLine(QString::number(20000 + i), 1, 5));
    prepare(australian, "AU");
    EXPECT_EQ(pageSizes(), (std::map<int, int>{{1, 10}, {2, 10}, {3, 5}}));
}

TEST_F(TransmitListTest, AnotherCampaignStartsANewPageAndRowsKeepTheirOrder)
{
    std::vector<OrderSummaryLine> lines = test::validLines(3, 5, 30000);
    const std::vector<OrderSummaryLine> older = test::validLines(2, 4, 10000);
    lines.insert(lines.end(), older.begin(), older.end());
    EXPECT_EQ(prepare(lines), (QList<int>{1, 2}));
    const std::vector<TransmitRow> page1 = TransmitList(app.state->data).pageRows(1);
    const std::vector<TransmitRow> page2 = TransmitList(app.state->data).pageRows(2);
    ASSERT_EQ(page1.size(), 2u);
    ASSERT_EQ(page2.size(), 3u);
    // Read by campaign, then catalog number: campaign 4 first.
    EXPECT_EQ(page1[0].catalogNumber, test::withCheckDigit(10000));
    EXPECT_EQ(page1[0].fromCampaign, 4);
    EXPECT_EQ(page2[0].catalogNumber, test::withCheckDigit(30000));
    EXPECT_LT(page1[1].webSeq, page2[0].webSeq);
    EXPECT_EQ(TransmitList(app.state->data).pages(), (QList<int>{1, 2}));
}

TEST_F(TransmitListTest, OpeningAgainRebuildsTheListFromTheSummary)
{
    prepare(test::validLines(3, 5));
    TransmitList list(app.state->data);
    list.setStatus(list.rows(false).front().rowId, QStringLiteral("Accepted"));
    prepare(test::validLines(2, 5));
    const std::vector<TransmitRow> again = rows();
    ASSERT_EQ(again.size(), 2u);
    EXPECT_EQ(again.front().productStatus.trimmed(), QString());
}

TEST_F(TransmitListTest, ThePrintedListShowsEveryRowWithItsStatusAndTheQuantityTotal)
{
    app.state->options.RepName = QStringLiteral("Bea Rep");
    std::vector<OrderSummaryLine> lines = test::validLines(60, 5); // quantities 1..4, 15 times: 150
    lines.push_back(summaryLine(QStringLiteral("12"), 2, 5));      // too short: an exception, not sent
    prepare(lines);
    const reports::Document document = layOutTransmitList(*app.state, 2008, 5);
    ASSERT_GE(document.pages.size(), 2u) << "61 rows do not fit one page";
    const reports::Page &first = document.pages.front();
    EXPECT_TRUE(first.hasText(QStringLiteral("Web Submission")));
    EXPECT_TRUE(first.hasText(QStringLiteral("Campaign : 5")));
    EXPECT_TRUE(first.hasText(QStringLiteral("Year : 2008")));
    EXPECT_FALSE(first.find(QStringLiteral("No")).empty()) << "the exception is listed first, as not sent";
    bool totalFound = false;
    for (const reports::Page &page : document.pages)
        totalFound = totalFound || page.hasText(QStringLiteral("152"));
    EXPECT_TRUE(totalFound) << "the quantity total counts every row";
    EXPECT_TRUE(document.pages.back().hasText(QStringLiteral("Bea Rep")));
}

} // namespace
} // namespace zel::transmit
