#include "utilities/product_updates.h"

#include "utilities/shop_fixture.h"

#include <gtest/gtest.h>

using namespace zel;
using namespace zel::utilities;
using zel::test::money;
using zel::test::orderLine;

namespace {

const Campaign kCampaign{2008, 5};

class ProductUpdatesTest : public zel::test::ShopTest
{
protected:
    void SetUp() override
    {
        ShopTest::SetUp();
        customer(1, "Abbot", "Ann");
        customer(2, "Baker", "Beth");
        order(1, kCampaign, {orderLine("2001", 1, "10.00"), orderLine("3003", 2, "5.00"), orderLine("2001", 3, "10.00")});
        order(2, kCampaign, {orderLine("2001", 1, "10.00"), orderLine("4004", 1, "8.00")});
    }
    std::vector<ProductLine> tickedLinesOf(int customer)
    {
        std::vector<ProductLine> lines = updates.linesOf(kCampaign, QStringLiteral("2001"));
        for (ProductLine &line : lines)
            line.update = line.customer == customer;
        return lines;
    }
    QStringList detailOf(int customer, const Campaign &campaign, const char *catalog)
    {
        return rows(QStringLiteral("Select [Orders BackOrder Flag] || ':' || [Orders Quanity] || ':' || [Orders Unit Total] From "
                                   "Orders Where [Orders Customer Number] = %1 And [Orders Campaign Year] = %2 And [Orders "
                                   "Campaign Number] = %3 And [Orders Catalog Number] = '%4' Order By [Orders Sequence Number]")
                        .arg(customer)
                        .arg(campaign.year)
                        .arg(campaign.number)
                        .arg(QLatin1String(catalog)));
    }
    ProductUpdates updates{*app.state};
};

TEST_F(ProductUpdatesTest, ListsTheCampaignsProductsAndTheirLines)
{
    EXPECT_EQ(updates.productsOf(kCampaign), (QStringList{"2001", "3003", "4004"}));
    EXPECT_TRUE(updates.productsOf({2008, 9}).isEmpty());
    EXPECT_EQ(app.prompter.messageTexts().last(), "No products found for selected Campaign.");
    const std::vector<ProductLine> lines = updates.linesOf(kCampaign, QStringLiteral("2001"));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].fullName, "Ann Abbot");
    EXPECT_EQ(lines[1].quantity, 3);
}

TEST_F(ProductUpdatesTest, UnavailableZeroesEveryLineOfTheProductInTickedOrdersOnly)
{
    EXPECT_EQ(balance(1, kCampaign), money("50.00"));
    ProductChange change;
    change.unavailable = true;
    EXPECT_EQ(updates.update(kCampaign, QStringLiteral("2001"), change, tickedLinesOf(1)), 1);

    EXPECT_EQ(detailOf(1, kCampaign, "2001"), (QStringList{"P:0:0.0", "P:0:0.0"}));
    EXPECT_EQ(balance(1, kCampaign), money("10.00"));
    EXPECT_EQ(detailOf(2, kCampaign, "2001"), QStringList{":1:10.0"});
    EXPECT_EQ(balance(2, kCampaign), money("18.00"));
    EXPECT_EQ(app.prompter.messageTexts().last(),
              "Updated 1 Orders.\nPlease perform the forecast for review of affected customers.");
}

TEST_F(ProductUpdatesTest, NewValuesReplaceTheirColumnsAfterConfirmation)
{
    ProductChange change;
    change.price = money("12.00");
    change.description = QStringLiteral("Rose Lotion");
    app.prompter.queueAnswer(Answer::No);
    EXPECT_FALSE(updates.update(kCampaign, QStringLiteral("2001"), change, tickedLinesOf(2)));
    EXPECT_EQ(app.prompter.messageTexts().last(), "Update Cancelled");
    EXPECT_EQ(balance(2, kCampaign), money("18.00"));

    EXPECT_EQ(updates.update(kCampaign, QStringLiteral("2001"), change, tickedLinesOf(2)), 1);
    EXPECT_EQ(balance(2, kCampaign), money("20.00"));
    EXPECT_EQ(rows("Select Distinct [Orders Product] From Orders Where [Orders Catalog Number] = '2001' And [Orders Customer "
                   "Number] = 2"),
              QStringList{"Rose Lotion"});
    EXPECT_TRUE(app.prompter.messageTexts().contains("Update Product: 2001\nNew Description: Rose Lotion\nNew Price: $12.00"));

    EXPECT_FALSE(updates.update(kCampaign, QStringLiteral("2001"), {}, tickedLinesOf(2)));
    EXPECT_EQ(app.prompter.messageTexts().last(), "Nothing has been checked for update, No Action Taken.");
}

TEST_F(ProductUpdatesTest, AShortedProductArrivesAsBackOrdersInTheArrivalCampaign)
{
    const Campaign arrival{2008, 7};
    EXPECT_EQ(updates.shortProduct(kCampaign, QStringLiteral("2001"), arrival, {}, tickedLinesOf(1)), 1);
    EXPECT_EQ(detailOf(1, kCampaign, "2001"), (QStringList{"P:0:0.0", "P:0:0.0"}));
    EXPECT_EQ(detailOf(1, arrival, "2001"), (QStringList{"P:1:10.0", "P:3:30.0"}));
    // The balance as of the arrival campaign is what it was: the lines moved, they did not vanish.
    EXPECT_EQ(balance(1, kCampaign), money("10.00"));
    EXPECT_EQ(balance(1, arrival), money("50.00"));
    EXPECT_TRUE(app.prompter.messageTexts().contains(
        "Mark 2001 as back ordered.\n\nThe product will be marked as backordered in 2008/5.\n\nThe product will be moved to 2008/7."));
}

TEST_F(ProductUpdatesTest, TheArrivalMustComeAfterTheShortedCampaign)
{
    EXPECT_FALSE(updates.shortProduct(kCampaign, QStringLiteral("2001"), kCampaign, {}, tickedLinesOf(1)));
    EXPECT_EQ(app.prompter.messageTexts().last(),
              "The Expected Arrival Year and Campaign must be greater than the shorted Campaign.");
    EXPECT_FALSE(updates.shortProduct(kCampaign, QStringLiteral("2001"), std::nullopt, {}, tickedLinesOf(1)));
    EXPECT_EQ(app.prompter.messageTexts().last(), "Please select an Expected Arrival Year.");
    EXPECT_EQ(detailOf(1, kCampaign, "2001"), (QStringList{":1:10.0", ":3:30.0"}));
}

TEST_F(ProductUpdatesTest, ASecondShortOfTheSameProductFindsNothingLeftToShort)
{
    const Campaign arrival{2008, 7};
    std::vector<ProductLine> both = updates.linesOf(kCampaign, QStringLiteral("2001"));
    for (ProductLine &line : both)
        line.update = true;
    ASSERT_EQ(updates.shortProduct(kCampaign, QStringLiteral("2001"), arrival, {}, both), 2);
    const QStringList carried = rows("Select count(*) From Orders Where [Orders Campaign Number] = 7");

    EXPECT_EQ(updates.shortProduct(kCampaign, QStringLiteral("2001"), arrival, {}, both), 0);
    EXPECT_EQ(app.prompter.messageTexts().last(), "2001 is already back ordered on every chosen order: nothing was left to short.");
    EXPECT_EQ(rows("Select count(*) From Orders Where [Orders Campaign Number] = 7"), carried);
    EXPECT_EQ(detailOf(1, arrival, "2001"), (QStringList{"P:1:10.0", "P:3:30.0"}));
}

TEST_F(ProductUpdatesTest, ABackOrderThatArrivedCanBeShortedOnAgain)
{
    const Campaign arrival{2008, 7};
    const Campaign later{2008, 9};
    ASSERT_EQ(updates.shortProduct(kCampaign, QStringLiteral("2001"), arrival, {}, tickedLinesOf(1)), 1);
    std::vector<ProductLine> arrived = updates.linesOf(arrival, QStringLiteral("2001"));
    ASSERT_FALSE(arrived.empty());
    for (ProductLine &line : arrived)
        line.update = true;
    EXPECT_EQ(updates.shortProduct(arrival, QStringLiteral("2001"), later, {}, arrived), 1);
    EXPECT_EQ(detailOf(1, later, "2001"), (QStringList{"P:1:10.0", "P:3:30.0"}));
    EXPECT_EQ(detailOf(1, arrival, "2001"), (QStringList{"P:0:0.0", "P:0:0.0"}));
}

TEST_F(ProductUpdatesTest, AFailureOnOneOrderLeavesEveryOrderAsItWas)
{
    std::vector<ProductLine> both = updates.linesOf(kCampaign, QStringLiteral("2001"));
    for (ProductLine &line : both)
        line.update = true;
    const QStringList before = rows("Select [Orders Customer Number] || ':' || [Orders Catalog Number] || ':' || [Orders Unit "
                                    "Total] || ':' || [Orders Internal Flag] From Orders Order By 1");
    // The second customer's order cannot be written again, after the first one's was.
    exec("Create Trigger Refuse Before Insert On Orders When New.[Orders Customer Number] = 2 Begin Select Raise(Abort, "
         "'refused'); End");
    ProductChange change;
    change.price = money("12.00");
    app.prompter.queueAnswer(Answer::Yes);
    app.prompter.queueAnswer(Answer::Ignore);
    EXPECT_FALSE(updates.update(kCampaign, QStringLiteral("2001"), change, both));
    EXPECT_EQ(app.prompter.messageTexts().last(), "The orders could not be updated, and none of them has been changed.");
    EXPECT_EQ(rows("Select [Orders Customer Number] || ':' || [Orders Catalog Number] || ':' || [Orders Unit Total] || ':' || "
                   "[Orders Internal Flag] From Orders Order By 1"),
              before);
}

} // namespace
