#include "customers/customer_search.h"
#include "customers/customer_trees.h"

#include "customer_fixtures.h"
#include "test_support.h"

#include <gtest/gtest.h>

using namespace zel;
using namespace zel::customers;
using zel::test::customerRow;
using zel::test::orderRow;
using zel::test::paymentRow;

namespace {

class CustomerSearchTest : public test::OpenDatabaseTest
{
protected:
    void SetUp() override
    {
        open({customerRow(1, "Ann", "O''Brien"), customerRow(2, "Bea", "OXBrien"), customerRow(3, "Cy", "Adams"),
              customerRow(4, "Di", "Zane"), "Insert Into Customers ([Customers Number], [Customers Last Name]) Values (5, 'Nofirst')",
              "Update Customers Set [Customers Status] = 'Closed', [Customers Comments2] = 'likes LIPSTICK a lot' "
              "Where [Customers Number] = 4",
              orderRow(1, 2008, 2, 1, "10.00"), orderRow(3, 2008, 1, 1, "4.00"), orderRow(3, 2007, 30, 1, "4.00"),
              orderRow(2, 2008, 5, 1, "6.00", "DETAIL", "12-345"), paymentRow(3, 2008, 1, 1, 1, "-4.00"),
              paymentRow(4, 2008, 1, 1, 1, "-2.50")});
    }
    std::vector<int> find(const SearchCriteria &c) { return findCustomers(*app.state, c).value_or(std::vector<int>{99}); }
    QStringList labelled() { return app.column("Select [Customers Number] From Customers Where [Customers Label Flag 2] = 'Y'"); }
};

} // namespace

TEST_F(CustomerSearchTest, EmptyFormFindsEveryoneWithNamesInNameOrder)
{
    EXPECT_EQ(find({}), std::vector<int>({3, 1, 2, 4})) << "a Null first name never matches";
    SearchCriteria byNumber;
    byNumber.order = ResultOrder::ByNumber;
    EXPECT_EQ(find(byNumber), std::vector<int>({1, 2, 3, 4}));
    EXPECT_EQ(labelled(), QStringList({"1", "2", "3", "4"}));
    EXPECT_EQ(app.prompter.entries().back().text, "4 Customers Found.");
    EXPECT_EQ(allCustomers(app.state->data, ResultOrder::ByName), std::vector<int>({3, 5, 1, 2, 4}));
}

TEST_F(CustomerSearchTest, AnApostropheMatchesAnyOneCharacter)
{
    SearchCriteria c;
    c.lastName = "o'b";
    EXPECT_EQ(find(c), std::vector<int>({1, 2}));
    c.lastName = "O%";
    EXPECT_TRUE(find(c).empty()) << "SQLite's wildcard is taken literally";
}

TEST_F(CustomerSearchTest, ASearchThatFindsNobodyStillClearsTheLabels)
{
    find({});
    SearchCriteria c;
    c.firstName = "Nobody";
    EXPECT_TRUE(find(c).empty());
    EXPECT_TRUE(labelled().isEmpty());
}

TEST_F(CustomerSearchTest, CampaignCriteriaNeedACampaign)
{
    SearchCriteria c;
    c.orderedIn = Campaign{2008, 0};
    EXPECT_FALSE(findCustomers(*app.state, c));
    EXPECT_EQ(app.prompter.messageTexts(),
              QStringList({"Please select a Campaign number when searching for customers with an order."}));
    c = {};
    c.balanceBefore = Campaign{2008, 0};
    EXPECT_EQ(missingCampaign(c), "Please select a Campaign number when searching for customers with an outstanding balance.");
}

TEST_F(CustomerSearchTest, OrdersBalancesAndProducts)
{
    SearchCriteria c;
    c.orderedIn = Campaign{2008, 2};
    EXPECT_EQ(find(c), std::vector<int>({1}));
    c = {};
    c.notOrderedIn = Campaign{2008, 2};
    EXPECT_EQ(find(c), std::vector<int>({3, 2, 4}));
    c = {};
    c.balanceBefore = Campaign{2008, 3};
    EXPECT_EQ(find(c), std::vector<int>({3, 1, 4})) << "3 owes 4.00 from 2007 after paying 2008/1 only";
    c.balanceKind = BalanceKind::Credit;
    EXPECT_EQ(find(c), std::vector<int>({4}));
    c.balanceKind = BalanceKind::Debit;
    EXPECT_EQ(find(c), std::vector<int>({3, 1}));
    c = {};
    c.productIn = Campaign{2008, 5};
    c.products = {"12-345"};
    EXPECT_EQ(find(c), std::vector<int>({2}));
}

TEST_F(CustomerSearchTest, HasOrderedProductComparesOnlyTheEntriesFilledInAndOnlyOrderLines)
{
    // Customer 1's order of 2008/5 has only its computed TOTAL row, whose catalog number is empty.
    ASSERT_TRUE(app.state->data.exec("t", orderRow(1, 2008, 5, 1, "3.00")));
    SearchCriteria c;
    c.productIn = Campaign{2008, 5};
    c.products = {"000-000", "", ""};
    EXPECT_TRUE(find(c).empty()) << "nobody ordered 000-000; the empty boxes match nothing";
    c.products = {"", "12-345"};
    EXPECT_EQ(find(c), std::vector<int>({2}));
    c.products = {"", "", ""};
    EXPECT_TRUE(find(c).empty());
}

TEST_F(CustomerSearchTest, NoOrdersInPastCampaignsLooksOnlyAtThisYear)
{
    SearchCriteria c;
    c.noOrdersInPast = Campaign{2008, 2};
    c.pastCampaigns = 3; // campaign numbers above -1 up to 2 of 2008
    EXPECT_EQ(find(c), std::vector<int>({2, 4})) << "3's 2007/30 order is not looked at; 2's order is in campaign 5";
}

TEST_F(CustomerSearchTest, StatusCommentsAndEvents)
{
    SearchCriteria c;
    c.status = "Closed";
    EXPECT_EQ(find(c), std::vector<int>({4}));
    c = {};
    c.comments = "lipstick";
    EXPECT_EQ(find(c), std::vector<int>({4}));
    const QString today = app.state->now().date().addDays(3).toString(Qt::ISODate);
    app.state->data.exec("t", "Insert Into Dates ([Dates ID], [Dates Customer Number], [Dates Date], [Dates Notify Days]) "
                              "Values (1, 2, ?, 5), (2, 3, ?, 2)",
                         {today + " 00:00:00", today + " 00:00:00"});
    c = {};
    c.eventsApproaching = true;
    EXPECT_EQ(find(c), std::vector<int>({2})) << "3's notice starts in a day";
}

TEST_F(CustomerSearchTest, TreesGroupByLetterStatusAndHelper)
{
    const std::vector<TreeGroup> byLast = customerTrees(app.state->data).byLastName;
    ASSERT_EQ(byLast.size(), 29u);
    EXPECT_EQ(byLast[0].title, "A");
    EXPECT_EQ(byLast[0].customers.at(0).text, "Adams, Cy  (#3) -     ");
    EXPECT_EQ(byLast[0].customers.at(0).key(), "Key=3");
    EXPECT_EQ(byLast[14].customers.size(), 2u);
    EXPECT_EQ(byLast[27].title, "Closed");
    EXPECT_EQ(byLast[27].customers.at(0).number, 4);
    const std::vector<TreeGroup> byFirst = customerTrees(app.state->data).byFirstName;
    EXPECT_EQ(byFirst[26].title, "Missing First Names");
    EXPECT_EQ(byFirst[26].customers.at(0).number, 5);

    app.state->data.exec("t", "Update Customers Set [Customers Business Helper Flag] = 'Y' Where [Customers Number] = 3");
    app.state->data.exec("t", "Update Customers Set [Customers Business Helper Number] = 3 Where [Customers Number] = 1");
    const std::vector<TreeGroup> byHelper = customerTrees(app.state->data).byHelper;
    ASSERT_EQ(byHelper.size(), 2u);
    EXPECT_EQ(byHelper[0].title, "Adams, Cy");
    EXPECT_EQ(byHelper[0].customers.at(0).number, 1);
    EXPECT_EQ(byHelper[1].title, "No Helper");
    EXPECT_EQ(byHelper[1].customers.size(), 4u);
    EXPECT_TRUE(customerStillExists(app.state->data, 5));
    EXPECT_FALSE(customerStillExists(app.state->data, 6));
}
