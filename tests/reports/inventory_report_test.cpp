#include "reports/inventory_report.h"

#include "reports/report_registry.h"
#include "reports/server/standard_reports.h"

#include "test_support.h"

#include <gtest/gtest.h>

using namespace zel;
using namespace zel::reports;

namespace {

QString row(const char *catalog, int qty, int soldQty, const char *soldTo)
{
    return QString("Insert Into Inventory ([Inventory Catalog Number], [Inventory Description], [Inventory Size], "
                   "[Inventory Price], [Inventory Qty], [Inventory Sold To Name], [Inventory Sold To Qty], "
                   "[Inventory Sold To Campaign Year], [Inventory Sold to Campaign Number], [Inventory Delete Flag]) "
                   "Values ('%1', 'Lipstick', '4 g', 4.5, %2, '%4', %3, %5, %6, 0)")
        .arg(catalog).arg(qty).arg(soldQty).arg(soldTo).arg(soldQty ? 2008 : 0).arg(soldQty ? 5 : 0);
}

class InventoryReportTest : public test::OpenDatabaseTest
{
protected:
    const Report &report() { return *standardReports().find("inventory"); }
};

TEST_F(InventoryReportTest, ListsTheStockByProductWithItsWorthAndTotals)
{
    open({row("111-111", 5, 0, ""), row("111-111", 0, 3, "Ann Adams"), row("222-222", 2, 0, "")});
    ReportParameters parameters;
    QString message;
    const std::optional<Document> document = report().run(*app.state, parameters, &message);
    ASSERT_TRUE(document) << message.toStdString();
    EXPECT_EQ(app.column("Select Count(*) From rptInventory"), QStringList{"2"});
    const QString text = document->plainText();
    EXPECT_TRUE(text.contains("Inventory On Hand"));
    EXPECT_TRUE(text.contains("111-111 - Lipstick 4 g"));
    EXPECT_TRUE(text.contains("22.50")); // 5 at 4.50
    EXPECT_TRUE(text.contains("31.50")); // all seven
    EXPECT_FALSE(text.contains("Ann Adams"));
}

TEST_F(InventoryReportTest, TheSalesShortLayoutNamesWhoBoughtAndWhen)
{
    open({row("111-111", 5, 0, ""), row("111-111", 0, 3, "Ann Adams")});
    ReportParameters parameters;
    parameters.shortLayout = true;
    parameters.choices.insert(InventoryReport::kSold, true);
    EXPECT_EQ(report().request(*app.state, parameters).text("ReportName"), "rptInventory2s");
    const std::optional<Document> document = report().run(*app.state, parameters);
    ASSERT_TRUE(document);
    EXPECT_TRUE(document->plainText().contains("Ann Adams"));
    EXPECT_TRUE(document->plainText().contains("5 / 2008"));
}

TEST_F(InventoryReportTest, NothingToPrintIsSaidInTheWordsOfWhereItWasAskedFrom)
{
    open({row("111-111", 0, 3, "Ann Adams")});
    ReportParameters parameters;
    QString message;
    EXPECT_FALSE(report().run(*app.state, parameters, &message));
    EXPECT_EQ(message, "No products on hand.");
    parameters.choices.insert(InventoryReport::kFromInventoryScreen, true);
    EXPECT_FALSE(report().run(*app.state, parameters, &message));
    EXPECT_EQ(message, "No Inventory Found.");
}

} // namespace
