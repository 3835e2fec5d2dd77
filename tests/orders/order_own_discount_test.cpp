#include "orders/order_entry.h"
#include "orders/stored_order_header.h"

#include "utilities/product_updates.h"
#include "utilities/shop_fixture.h"

#include <gtest/gtest.h>

using namespace zel;
using zel::test::money;
using zel::test::orderLine;

// An order's own discount percent differs from the customer's (5 %); every path that computes the
// order again must keep the order's.
namespace {

const Campaign kCampaign{2008, 5};

class OrderOwnDiscountTest : public zel::test::ShopTest
{
protected:
    void SetUp() override
    {
        ShopTest::SetUp();
        customer(1, "Abbot", "Ann");
        exec("Update Customers Set [Customers Discount Percent] = 5");
        app.state->options.CurrentCampaignYear = kCampaign.year;
        app.state->options.CurrentCampaignNumber = kCampaign.number;
        app.state->options.LastCampaignNumberOfYear = 26;
    }
    // Saves through order entry, with the discount switch on and the percent typed.
    int enter(const char *percent, std::vector<OrderRow> lines, const Campaign &campaign = kCampaign)
    {
        OrderEntry entry(*app.state, 1, campaign, 0);
        OrderHeader header = entry.open().header;
        header.switches = {false, true, false, false, false};
        header.discountPercent = money(percent);
        header.backOrderCampaign = campaign.next(26);
        EXPECT_EQ(entry.save(header, lines), OrderEntry::SaveResult::Saved);
        return entry.orderNumber();
    }
    QStringList computed(const Campaign &campaign = kCampaign)
    {
        return rows(QStringLiteral("Select [Orders Internal Flag] || ' ' || [Orders Unit Total] From Orders Where [Orders "
                                   "Campaign Number] = %1 And [Orders Internal Flag] In ('DISCOUNT', 'TOTAL') Order By "
                                   "[Orders Sequence Number]")
                        .arg(campaign.number));
    }
};

} // namespace

// 1 × 7.44 at 20 %: -Round(1.488) = -1.49, total 5.95 (at the customer's 5 % it would be -0.37, 7.07).
TEST_F(OrderOwnDiscountTest, OrderEntryOpensWithTheOrdersPercentAndSavingUntouchedKeepsTheTotal)
{
    const int number = enter("20", {orderLine("1001", 1, "7.44")});
    ASSERT_EQ(computed(), (QStringList{"DISCOUNT -1.49", "TOTAL 5.95"}));

    OrderEntry again(*app.state, 1, kCampaign, number);
    const OpenedOrder opened = again.open();
    EXPECT_EQ(opened.header.discountPercent, money("20"));
    EXPECT_EQ(opened.customerDiscountPercent, money("5"));
    ASSERT_EQ(again.save(opened.header, opened.lines), OrderEntry::SaveResult::Saved);
    EXPECT_EQ(computed(), (QStringList{"DISCOUNT -1.49", "TOTAL 5.95"}));
}

// 1 × 20.00 at 15 %: -3.00, total 17.00. The price cut to 18.00: -Round(2.70) = -2.70, total 15.30
// (at the customer's 5 % it would be 17.10).
TEST_F(OrderOwnDiscountTest, AProductUpdateRecomputesWithTheOrdersPercent)
{
    enter("15", {orderLine("2001", 1, "20.00")});
    ASSERT_EQ(computed(), (QStringList{"DISCOUNT -3.0", "TOTAL 17.0"}));

    utilities::ProductUpdates updates(*app.state);
    std::vector<utilities::ProductLine> lines = updates.linesOf(kCampaign, "2001");
    ASSERT_EQ(lines.size(), 1u);
    lines[0].update = true;
    utilities::ProductChange change;
    change.price = money("18.00");
    ASSERT_EQ(updates.update(kCampaign, "2001", change, lines), 1);
    EXPECT_EQ(computed(), (QStringList{"DISCOUNT -2.7", "TOTAL 15.3"}));
}

// The later order: 1 × 4.00 with its own 50 % (-2.00), order percent 10 %, so no special discount row
// at all. The merged back order 1 × 10.00 then takes the order's 10 %: -1.00, total 4 + 10 - 2 - 1
// = 11.00 (at the customer's 5 %: -0.50, 11.50).
TEST_F(OrderOwnDiscountTest, ABackOrderMergedIntoAnOrderWithoutADiscountRowTakesThatOrdersPercent)
{
    const Campaign later{2008, 6};
    OrderRow ownDiscount = orderLine("3003", 1, "4.00");
    ownDiscount.discountPercent = money("50");
    enter("10", {ownDiscount}, later);
    ASSERT_EQ(computed(later), QStringList{"TOTAL 2.0"});

    OrderRow backOrdered = orderLine("4004", 1, "10.00");
    backOrdered.backOrderFlag = "B";
    enter("0", {orderLine("5005", 1, "1.00"), backOrdered});
    EXPECT_EQ(computed(later), (QStringList{"DISCOUNT -1.0", "TOTAL 11.0"}));
}

// Saved as the handheld import saves, with 12 %; a price cut later keeps it: 1 × 10.00 then 8.00,
// -Round(0.96) = -0.96, total 7.04.
TEST_F(OrderOwnDiscountTest, AnOrderSavedOutsideOrderEntryKeepsItsPercentThroughAnUpdate)
{
    OrderRequest request;
    request.customer = 1;
    request.campaign = kCampaign;
    request.backOrderCampaign = kCampaign.next(26);
    request.switches.discount = true;
    request.discountPercent = money("12");
    request.lines = {orderLine("6006", 1, "10.00")};
    ASSERT_TRUE(saveOrder(app.state->data, app.state->options, app.prompter, request, 0));
    ASSERT_EQ(computed(), (QStringList{"DISCOUNT -1.2", "TOTAL 8.8"}));

    utilities::ProductUpdates updates(*app.state);
    std::vector<utilities::ProductLine> lines = updates.linesOf(kCampaign, "6006");
    lines.at(0).update = true;
    utilities::ProductChange change;
    change.price = money("8.00");
    ASSERT_EQ(updates.update(kCampaign, "6006", change, lines), 1);
    EXPECT_EQ(computed(), (QStringList{"DISCOUNT -0.96", "TOTAL 7.04"}));
}

TEST(StoredOrderHeader, OlderOrdersKeepTheirPercentOnlyInTheDiscountRowsText)
{
    OrderRow discount;
    discount.internalFlag = "DISCOUNT";
    discount.product = "**  Special Discount 12.50%";
    OrderRow options;
    options.internalFlag = "OPTIONS";
    options.catalogNumber = "NYNNN";
    EXPECT_EQ(StoredOrderHeader::fromRows({discount, options}).discountPercent, money("12.5"));
    options.discountPercent = money("7");
    EXPECT_EQ(StoredOrderHeader::fromRows({discount, options}).discountPercent, money("7")) << "the OPTIONS row says it now";
    EXPECT_EQ(StoredOrderHeader::fromRows({OrderRow{}}).discountPercent, Currency()) << "nothing said: the customer's applies";
    discount.product = "**  Descuento Especial";
    EXPECT_EQ(StoredOrderHeader::fromRows({discount}).discountPercent, Currency());
}
