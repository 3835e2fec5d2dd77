#include "orders/inventory_records.h"

#include "test_support.h"

#include <gtest/gtest.h>

using namespace zel;

namespace {

QString stock(const char *catalog, int qty, int soldQty, int deleteFlag = 0)
{
    return QString("Insert Into Inventory ([Inventory Catalog Number], [Inventory Description], [Inventory Price], "
                   "[Inventory Qty], [Inventory Sold To Name], [Inventory Sold To Qty], [Inventory Sold To Campaign Year], "
                   "[Inventory Sold to Campaign Number], [Inventory Delete Flag], [Inventory Category]) "
                   "Values ('%1', 'Lipstick', 4.5, %2, '', %3, 0, 0, %4, 'Lips')")
        .arg(catalog).arg(qty).arg(soldQty).arg(deleteFlag);
}

InventoryEntry entry(const QString &catalog, const QString &quantity, const QString &price)
{
    InventoryEntry e;
    e.catalogNumber = catalog;
    e.description = "Cream";
    e.quantity = quantity;
    e.price = price;
    return e;
}

class InventoryRecordsTest : public test::OpenDatabaseTest
{
protected:
    void SetUp() override
    {
        open({stock("111-111", 5, 0), stock("111-111", 0, 2), stock("222-222", 1, 0), stock("222-222", 3, 0),
              stock("333-333", 0, 0, -1),
              "Insert Into Products ([Products Campaign Year], [Products Campaign Number], [Products Catalog Number], "
              "[Products Description], [Products Shade Color Fragrance], [Products Size], [Products Reg Price], "
              "[Products Last Price]) Values (0, 0, '444-444', 'Mascara', 'Black', '8 ml', 7.5, 6)"});
    }
    cDataAccess &data() { return app.state->data; }
    QStringList rows() { return app.column("Select [Inventory Catalog Number] || ':' || [Inventory Qty] || ':' || "
                                           "[Inventory Sold To Qty] From Inventory Order By rowid"); }
};

TEST_F(InventoryRecordsTest, FindTellsStockRowProductToAddNothingOrSeveralRows)
{
    InventoryFound found = InventoryRecords::find(data(), "111-111");
    EXPECT_EQ(found.outcome, InventoryFound::Outcome::StockRow);
    EXPECT_EQ(found.item.quantity, 5);
    EXPECT_EQ(found.status(), "Ready for Update or Delete");

    found = InventoryRecords::find(data(), "444-444");
    EXPECT_EQ(found.status(), "Ready for Add");
    EXPECT_EQ(found.item.fullProduct(), "Mascara Black 8 ml");
    EXPECT_EQ(found.item.price, Currency::fromCents(750)); // the regular price

    EXPECT_EQ(InventoryRecords::find(data(), "222-222").status(), "More than 1 row found.  Please use grid to edit.");
    EXPECT_EQ(InventoryRecords::find(data(), "999-999").status(), "Not found, Use Add to enter a new inventory item.");
}

TEST_F(InventoryRecordsTest, AddChecksQuantityAndPriceThenAddsAStockRow)
{
    EXPECT_EQ(InventoryRecords::add(data(), entry("555-555", "two", "3")).message, "Please enter a number in Quantity");
    EXPECT_EQ(InventoryRecords::add(data(), entry("555-555", "2", "abc")).message, "Please enter a valid price.");
    const InventoryOutcome added = InventoryRecords::add(data(), entry("555-555", "2", "3.25"));
    EXPECT_TRUE(added.done);
    EXPECT_EQ(added.message, "Add Complete.");
    EXPECT_EQ(app.column("Select [Inventory Qty] || ' ' || [Inventory Price] || ' ' || [Inventory Sold To Qty] || ' ' || "
                         "[Inventory Delete Flag] From Inventory Where [Inventory Catalog Number] = '555-555'"),
              QStringList{"2 3.25 0 0"});
}

TEST_F(InventoryRecordsTest, UpdateAndDeleteReachTheStockRowAndLeaveTheSaleRows)
{
    ASSERT_EQ(InventoryRecords::update(data(), entry("111-111", "7", "5")).message, "Update Complete.");
    EXPECT_EQ(rows().mid(0, 2), (QStringList{"111-111:7:0", "111-111:0:2"}));
    ASSERT_EQ(InventoryRecords::remove(data(), "111-111").message, "Delete Complete.");
    EXPECT_EQ(app.column("Select [Inventory Sold To Qty] From Inventory Where [Inventory Catalog Number] = '111-111'"),
              QStringList{"2"});
}

TEST_F(InventoryRecordsTest, OpeningCleansUpMarkedRowsAndViewsFilterTheRest)
{
    ASSERT_TRUE(InventoryRecords::cleanUp(data()));
    EXPECT_EQ(InventoryRecords::load(data(), {}).size(), 4u);
    EXPECT_EQ(InventoryRecords::load(data(), {InventoryView::Filter::InStock, {}}).size(), 3u);
    EXPECT_EQ(InventoryRecords::load(data(), {InventoryView::Filter::Sold, {}}).size(), 1u);
    const std::vector<InventoryItem> product = InventoryRecords::load(data(), {InventoryView::Filter::ByProduct, "222-222"});
    ASSERT_EQ(product.size(), 2u);
    EXPECT_EQ(product[1].totalPrice(), Currency::fromCents(1350));
}

TEST_F(InventoryRecordsTest, AGridEditMayNotLeaveStockAndASaleOnOneRow)
{
    std::vector<InventoryItem> items = InventoryRecords::load(data(), {InventoryView::Filter::ByProduct, "111-111"});
    InventoryItem edited = items[0];
    edited.soldQuantity = 1;
    EXPECT_EQ(InventoryRecords::checkEdit(items[0], edited),
              "When updating Quantity In Stock or Quantity Sold, One of the quantities must be zero.");
    edited.quantity = 0;
    EXPECT_EQ(InventoryRecords::checkEdit(items[0], edited), QString());
    edited.catalogNumber = " ";
    EXPECT_EQ(InventoryRecords::checkEdit(items[0], edited), "Product Number can not be blank.");

    InventoryItem notes = items[0];
    notes.notes = "top shelf";
    ASSERT_TRUE(InventoryRecords::storeRow(data(), notes));
    EXPECT_EQ(app.column("Select [Inventory Notes] From Inventory Where rowid = " + QString::number(notes.rowId)),
              QStringList{"top shelf"});
    InventoryItem fresh;
    fresh.catalogNumber = "666-666";
    ASSERT_TRUE(InventoryRecords::storeRow(data(), fresh));
    EXPECT_GT(fresh.rowId, notes.rowId);
}

TEST_F(InventoryRecordsTest, GridListsHoldActiveCustomersAndTheTextsInUse)
{
    data().exec("test", "Insert Into Customers ([Customers Number], [Customers First Name], [Customers Last Name], "
                        "[Customers Status]) Values (1, 'Ann', 'Adams', 'Active'), (2, 'Bea', 'Brown', 'Closed')");
    EXPECT_EQ(InventoryRecords::customerNames(data()), QStringList{"Ann Adams"});
    EXPECT_EQ(InventoryRecords::categories(data()), QStringList{"Lips"});
    EXPECT_TRUE(InventoryRecords::storageLocations(data()).isEmpty());
}

} // namespace
