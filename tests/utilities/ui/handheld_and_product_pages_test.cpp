#include "utilities/ui/handheld_orders_page.h"
#include "utilities/ui/product_database_page.h"

#include "exchange/product_import_fixture.h"
#include "utilities/ui/utilities_screen_fixture.h"

#include <QLabel>
#include <QListWidget>
#include <QRadioButton>

#include <gtest/gtest.h>

using namespace zel;

namespace {

class HandheldAndProductPagesTest : public zel::test::UtilitiesScreenFixture
{
protected:
    void SetUp() override
    {
        UtilitiesScreenFixture::SetUp();
        customer(1, "Abbot", "Ann");
        openScreen();
    }
};

TEST_F(HandheldAndProductPagesTest, HandheldOrdersAreListedImportedAndMadeToWaitAgain)
{
    exec("Insert Into PDAOrders ([PDA Orders Id], [PDA Orders Customer ID], [PDA Orders Campaign Year], [PDA Orders Campaign "
         "Number], [PDA Orders Processed Flag]) Values (4, 1, 2008, 5, 0)");
    exec("Insert Into PDAOrderDetails ([PDA OrderDetails Order Id], [PDA OrderDetails ID], [PDA OrderDetails Product], [PDA "
         "OrderDetails Order Qty], [PDA OrderDetails Price Qty], [PDA OrderDetails Unit Price]) Values (4, 1, '1001', 1, 1, 3)");
    exec("Insert Into PDAOrderPayments ([PDA OrderPayments Customer ID], [PDA OrderPayments Order Id], [PDA OrderPayments ID], "
         "[PDA OrderPayments Amount]) Values (1, 4, 1, 3)");
    auto *handheld = page<HandheldOrdersPage>("5 Handheld Orders");
    ASSERT_TRUE(handheld);
    handheld->validate();
    ASSERT_EQ(handheld->orderList()->count(), 1);
    EXPECT_EQ(handheld->orderList()->item(0)->text(), "Customer #: 1, Order ID: 4 Abbot, Ann");
    handheld->importOrders();
    EXPECT_EQ(handheld->orderList()->count(), 0);
    EXPECT_TRUE(balance(1, {2008, 5}).isZero()); // ordered 3.00, paid 3.00
    handheld->resetProcessed();
    handheld->validate();
    EXPECT_EQ(handheld->orderList()->count(), 1);
}

TEST_F(HandheldAndProductPagesTest, TheProductDatabaseTabNeedsADashOptionAndShowsWhatItImported)
{
    auto *products = page<ProductDatabasePage>("9 Product Database");
    ASSERT_TRUE(products);
    const QString file = app.makeDatabase("Spring.ZELPD", zel::test::supplierProducts({"2008, 5, '123456', 'Lotion', 2, 0, ''"}));
    products->runImport(file);
    EXPECT_EQ(app.prompter.messageTexts().last(), "Please select a dash option.");
    products->useDashes()->setChecked(true);
    products->runImport(file);
    EXPECT_EQ(products->statistics()->text(), "Products read: 1\nAdded: 1\nUpdated: 0\nWithout a catalogue number: 0");
    EXPECT_EQ(rows("Select Distinct [Products Catalog Number] From Products"), QStringList{"123-456"});
}

} // namespace
