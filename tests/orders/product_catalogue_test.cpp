#include "orders/catalog_number.h"
#include "orders/product_baseline.h"
#include "orders/product_catalogue.h"
#include "orders/order_row.h"
#include "orders/product_lookup.h"

#include "test_support.h"

#include <gtest/gtest.h>

using namespace zel;
using zel::test::TempApp;

namespace {

QString product(int year, int number, const QString &catalog, const QString &price, const QString &extra = "0")
{
    return QString("Insert Into Products ([Products Campaign Year], [Products Campaign Number], [Products Catalog Number], "
                   "[Products Page], [Products Description], [Products Shade Color Fragrance], [Products Size], "
                   "[Products Last Price], [Products Reg Price], [Products Quanity On Hand], [Products Earnings Flag], "
                   "[Products Baseline Update], [Products Tax1], [Products Tax2], [Products Delete Flag], [Products Special "
                   "Price], [Products Notes]) Values (%1, %2, '%3', '12', 'Lipstick %3', 'Red', '4 g', %4, %4, %5, 'R', 'N', "
                   "-1, 0, 0, 0, '')")
        .arg(year).arg(number).arg(catalog, price, extra);
}

class ProductsTest : public ::testing::Test
{
protected:
    void open(const QStringList &statements)
    {
        path = app.makeZelDatabase("Shop.ZELDB", statements);
        ASSERT_TRUE(app.state->database.open(path));
        options.CurrentCampaignYear = 2008;
        options.CurrentCampaignNumber = 5;
        options.LastCampaignNumberOfYear = 26;
    }
    QStringList column(const QString &sql) { return app.column(sql); }

    TempApp app;
    QString path;
    cOption options;
};

} // namespace

TEST(CatalogNumbers, SixCharactersGetADashAndEveryFormIsTried)
{
    EXPECT_EQ(Mfs_Add_Dash("123456"), QStringLiteral("123-456"));
    EXPECT_EQ(Mfs_Add_Dash("12345"), QStringLiteral("12345"));
    EXPECT_EQ(Mfs_Add_Dash("12-456"), QStringLiteral("12-456"));
    EXPECT_EQ(catalogNumberForms("123-456"), QStringList({"123-456", "123456", "123-456"}));
    EXPECT_EQ(catalogNumberForms("123456"), QStringList({"123456", "123456", "123-456"}));
    EXPECT_EQ(displayCatalogNumber("123456", false), QStringLiteral("123456"));
    EXPECT_EQ(GetPageNumber("C#05-123"), QStringLiteral("123"));
    EXPECT_EQ(GetPageNumber("45"), QStringLiteral("45"));
}

TEST_F(ProductsTest, LookupTriesTheCurrentCampaignThenTheBaselineInEveryForm)
{
    open({product(2008, 5, "123-456", "9.99"), product(0, 0, "654321", "5.00"),
          "Insert Into Inventory ([Inventory Catalog Number], [Inventory Qty]) Values ('123456', 2), ('123-456', 1)"});
    const auto current = ProductLookup(app.state->data, options, "123456");
    ASSERT_TRUE(current);
    EXPECT_FALSE(current->fromBaseline);
    EXPECT_EQ(current->product.catalogNumber, QStringLiteral("123-456"));
    EXPECT_EQ(current->product.lastPrice, Currency::fromCents(999));
    EXPECT_EQ(current->stockOnHand, 3);

    const auto baseline = ProductLookup(app.state->data, options, "654-321");
    ASSERT_TRUE(baseline);
    EXPECT_TRUE(baseline->fromBaseline);
    EXPECT_FALSE(ProductLookup(app.state->data, options, "999999"));

    const auto byName = lookupByDescription(app.state->data, options, "Lipstick 654321");
    ASSERT_TRUE(byName);
    EXPECT_TRUE(byName->fromBaseline);
}

TEST_F(ProductsTest, QuotesSemicolonsAndAccentsAreStoredAndFoundAsTyped)
{
    open({});
    for (const QString &number : {QStringLiteral("O'K-1;"), QString::fromUtf8("Crème\"2"), QStringLiteral("50%_x")}) {
        Product p;
        p.catalogNumber = number;
        p.earningsFlag = "R";
        ASSERT_TRUE(catalogue::saveRow(app.state->data, std::nullopt, p)) << qPrintable(number);
        const auto found = ProductLookup(app.state->data, options, number);
        ASSERT_TRUE(found) << qPrintable(number);
        EXPECT_EQ(found->product.catalogNumber, number);
        const auto query = catalogue::filtered(catalogue::Filter::ProductNumber, number.left(3));
        ASSERT_TRUE(query);
        const std::vector<Product> rows = catalogue::load(app.state->data, *query);
        ASSERT_EQ(rows.size(), 1u) << qPrintable(number);
        EXPECT_EQ(rows[0].catalogNumber, number);
    }
}

TEST(LowerPriceCampaigns, GoBackAcrossTheYear)
{
    const auto campaigns = [](int number, int count) { return lowerPriceCampaigns({2008, number}, 26, count); };
    EXPECT_EQ(campaigns(5, 3), (std::vector<Campaign>{{2008, 4}, {2008, 3}, {2008, 2}}));
    EXPECT_EQ(campaigns(3, 3), (std::vector<Campaign>{{2008, 2}, {2008, 1}, {2007, 26}}));
    EXPECT_EQ(campaigns(2, 3), (std::vector<Campaign>{{2008, 1}, {2007, 26}, {2007, 25}}));
    EXPECT_EQ(campaigns(1, 2), (std::vector<Campaign>{{2007, 26}, {2007, 25}}));
    EXPECT_EQ(campaigns(1, 1), (std::vector<Campaign>{{2007, 26}}));
    EXPECT_TRUE(campaigns(4, 0).empty());
}

TEST_F(ProductsTest, OnlyARealLowerPriceIsOffered)
{
    open({product(2008, 5, "100-100", "10.00"), product(2008, 4, "100-100", "10.00"), product(2008, 3, "100-100", "0"),
          product(2008, 2, "100-100", "8.50")});
    const Product current = ProductLookup(app.state->data, options, "100-100")->product;
    options.NumberPastCampaignForProductLookup = 2;
    EXPECT_FALSE(Find_Lower_Prices(app.state->data, options, app.prompter, current, current.lastPrice));
    EXPECT_TRUE(app.prompter.messages().empty()) << "equal and zero prices are never offered";

    options.NumberPastCampaignForProductLookup = 3;
    app.prompter.queueAnswer(Answer::Yes);
    const auto lower = Find_Lower_Prices(app.state->data, options, app.prompter, current, current.lastPrice);
    ASSERT_TRUE(lower);
    EXPECT_EQ(lower->price, Currency::fromCents(850));
    EXPECT_EQ(lower->campaignNumber, 2);
    const QString message = app.prompter.messageTexts().at(0);
    EXPECT_TRUE(message.startsWith("Campaign: 2\r\nPrice: ")) << qPrintable(message);
    EXPECT_TRUE(message.contains("\r\n\r\nHas A Lower Price Than:\r\n\r\nCampaign: 5\r\n"));
    EXPECT_TRUE(message.endsWith("\r\n\r\nDo you wish to use the lower price?"));

    app.prompter.queueAnswer(Answer::No);
    EXPECT_FALSE(Find_Lower_Prices(app.state->data, options, app.prompter, current, current.lastPrice));
}

TEST_F(ProductsTest, ABaselineHoldingStockKeepsItsTextAndGetsAllTheStock)
{
    open({product(0, 0, "200-200", "7.00", "3"), product(2008, 4, "200-200", "7.00", "2"),
          "Update Products Set [Products Description] = 'Old Name' Where [Products Campaign Year] = 0"});
    Product newer = ProductLookup(app.state->data, options, "200-200")->product;
    newer.campaignYear = 2008;
    newer.campaignNumber = 5;
    newer.description = "New Name";
    ASSERT_TRUE(Ms_BaseLine_Products(app.state->data, options, newer));
    EXPECT_EQ(column("Select [Products Description] || ' ' || [Products Quanity On Hand] From Products Where [Products "
                     "Campaign Year] = 0"),
              QStringList{"Old Name 5"});
    EXPECT_EQ(column("Select Sum([Products Quanity On Hand]) From Products Where [Products Campaign Year] > 0"), QStringList{"0"});

    Product fresh = newer;
    fresh.catalogNumber = "300-300";
    fresh.regPrice = Currency::fromCents(1250);
    fresh.lastPrice = Currency::fromCents(999);
    fresh.page = "44";
    ASSERT_TRUE(Ms_BaseLine_Products(app.state->data, options, fresh));
    EXPECT_EQ(column("Select [Products Page] || '|' || [Products Last Price] || '|' || [Products Reg Price] || '|' || "
                     "[Products Baseline Update] From Products Where [Products Catalog Number] = '300-300'"),
              QStringList{"|12.5|12.5|N"});
}

// A line typed on an order describes its product: one already listed in the current campaign takes
// the typed text and prices (its selling price only on request), one priced from another campaign
// is added to the current one, and each gets its baseline.
TEST_F(ProductsTest, TypedLinesUpdateTheCatalogueAndTheirBaselines)
{
    open({product(2008, 5, "123-456", "9.99"), product(0, 0, "123-456", "9.99")});
    const auto typed = [](const QString &catalog, int fromCampaign) {
        OrderRow line;
        line.catalogNumber = catalog;
        line.page = "C#05-31";
        line.product = "Typed " + catalog;
        line.shade = "Rose";
        line.size = "5 ml";
        line.notes = "note";
        line.tax2 = true;
        line.unitPrice = Currency::fromCents(1125);
        line.regPrice = Currency::fromCents(1550);
        line.specialPrice = Currency::fromCents(950);
        line.earningsFlag = "F";
        line.fromCampaign = fromCampaign;
        return line;
    };
    OrderRow earlier = typed("222-222", 3);
    earlier.enteredUsedLowerPrice = "Y";
    earlier.enteredPage = "77";
    earlier.enteredUnitPrice = Currency::fromCents(875);
    OrderRow backOrdered = typed("333-333", 3);
    backOrdered.backOrderFlag = "B";
    for (const OrderRow &line : {typed("123-456", 5), earlier, backOrdered})
        ASSERT_TRUE(app.state->data.exec("test", OrderRow::insertSql("OrdersWork1"), line.values()));

    const QString products = "Select [Products Catalog Number] || '|' || [Products Page] || '|' || [Products Description] "
                             "|| '|' || [Products Shade Color Fragrance] || [Products Size] || [Products Notes] || '|' || "
                             "[Products Tax1] || [Products Tax2] || '|' || [Products Last Price] || '|' || [Products Reg "
                             "Price] || '|' || [Products Special Price] || '|' || [Products Earnings Flag] From Products "
                             "Where [Products Campaign Year] = %1 Order By 1";
    ASSERT_TRUE(Ms_Add_To_Products(app.state->data, options));
    EXPECT_EQ(column(products.arg(2008)), QStringList({"123-456|31|Typed 123-456|Rose5 mlnote|0-1|9.99|15.5|9.5|F",
                                                        "222-222|77|Typed 222-222|Rose5 mlnote|0-1|8.75|15.5|9.5|F"}));
    EXPECT_EQ(column(products.arg(0)), QStringList({"123-456|12|Typed 123-456|Rose5 ml|0-1|9.99|9.99|0.0|F",
                                                     "222-222||Typed 222-222|Rose5 mlnote|0-1|15.5|15.5|0.0|F"}));

    options.OverrideProductPrice = "Y";
    ASSERT_TRUE(Ms_Add_To_Products(app.state->data, options));
    EXPECT_EQ(column("Select [Products Last Price] From Products Where [Products Campaign Year] = 2008 Order By "
                     "[Products Catalog Number]"),
              QStringList({"11.25", "8.75"}));
}

TEST_F(ProductsTest, TheBaselinePassShowsProgressAndClearsEveryMark)
{
    QStringList statements;
    for (int i = 1; i <= 250; ++i)
        statements << product(2008, 1 + i % 3, QString::number(100000 + i), "2.00");
    statements << "Update Products Set [Products Baseline Update] = 'Y'";
    open(statements);
    ASSERT_TRUE(BaselineUpdateAll(app.state->data, app.prompter, "UTILITY"));
    QStringList progress;
    for (const auto &entry : app.prompter.entries())
        if (entry.kind == ScriptedPrompter::Kind::Working && !entry.text.isEmpty())
            progress << entry.text;
    EXPECT_EQ(progress, QStringList({"Processing Baseline: 100 of 250", "Processing Baseline: 200 of 250"}));
    EXPECT_EQ(column("Select Count(*) From Products Where [Products Campaign Year] = 0"), QStringList{"250"});
    EXPECT_EQ(column("Select Count(*) From Products Where [Products Baseline Update] = 'Y'"), QStringList{"0"});
}

TEST_F(ProductsTest, CopyChecksItsNumbersAndTheDestination)
{
    open({product(2008, 5, "1", "1.00"), product(2008, 5, "2", "2.00"), product(2008, 7, "9", "1.00")});
    const auto copy = [&](const QStringList &answers) {
        app.prompter.clear();
        for (const QString &a : answers)
            app.prompter.queueInput(a);
        return catalogue::CopyProductsToNextCampaign(app.state->data, app.prompter);
    };
    EXPECT_FALSE(copy({"2100"}));
    EXPECT_EQ(app.prompter.messageTexts().last(), QStringLiteral("Invalid Input Campaign Year, Copy Cancelled."));
    EXPECT_FALSE(copy({"1900", "5", "1989"}));
    EXPECT_EQ(app.prompter.messageTexts().last(), QStringLiteral("Invalid Output Campaign Year, Copy Cancelled."));
    EXPECT_FALSE(copy({"2008", "31"}));
    EXPECT_EQ(app.prompter.messageTexts().last(), QStringLiteral("Invalid Input Campaign Number, Copy Cancelled."));
    EXPECT_FALSE(copy({"2008", ""}));
    EXPECT_EQ(app.prompter.messageTexts().last(), QStringLiteral("Copy Cancelled."));
    EXPECT_FALSE(copy({"2008", "5", "2008", "7"}));
    EXPECT_TRUE(app.prompter.messageTexts().last().startsWith("Destination Campaign year/number is not empty."));
    EXPECT_FALSE(copy({"2008", "5", "2008", "6", "maybe"}));
    EXPECT_EQ(app.prompter.messageTexts().last(), QStringLiteral("Invalid response. Must be either Y or N"));

    EXPECT_TRUE(copy({"2008", "5", "2008", "6", "y"}));
    EXPECT_EQ(app.prompter.messageTexts().last(), QStringLiteral("Copy Completed"));
    EXPECT_EQ(column("Select [Products Catalog Number] || ':' || [Products Page] From Products Where [Products Campaign "
                     "Number] = 6 Order By 1"),
              QStringList({"1:", "2:"}));
    EXPECT_TRUE(copy({"2008", "5", "2009", "1", "N"}));
    EXPECT_EQ(column("Select [Products Page] From Products Where [Products Campaign Year] = 2009"), QStringList({"12", "12"}));
}

TEST_F(ProductsTest, AddingAProductMakesABaselineRow)
{
    open({product(0, 0, "555-555", "3.00")});
    EXPECT_FALSE(catalogue::addProduct(app.state->data, app.prompter, " "));
    EXPECT_EQ(app.prompter.messageTexts().last(), QStringLiteral("Please enter a product number."));
    EXPECT_FALSE(catalogue::addProduct(app.state->data, app.prompter, "555-555"));
    EXPECT_EQ(app.prompter.messageTexts().last(), QStringLiteral("Product already exists"));
    for (const char *answer : {"7", "Mascara", "Black", "8 ml", "12.50"})
        app.prompter.queueInput(QString::fromLatin1(answer));
    const auto added = catalogue::addProduct(app.state->data, app.prompter, "777-777");
    ASSERT_TRUE(added);
    EXPECT_TRUE(added->isBaseline());
    EXPECT_EQ(column("Select [Products Last Price] || '|' || [Products Reg Price] || '|' || [Products Earnings Flag] || '|' "
                     "|| [Products Baseline Update] From Products Where [Products Catalog Number] = '777-777'"),
              QStringList{"12.5|12.5|R|Y"});
}

TEST_F(ProductsTest, GridRulesAndTheNullRepair)
{
    open({product(2008, 5, "1", "1.00"), product(2008, 5, "2", "1.00"),
          "Update Products Set [Products Delete Flag] = -1 Where [Products Catalog Number] = '2'",
          "Update Products Set [Products Size] = Null, [Products Tax2] = Null"});
    Product row;
    EXPECT_EQ(catalogue::checkRow(app.state->data, row), QStringLiteral("Product Number can not be blank."));
    row.catalogNumber = "X";
    row.earningsFlag = "Q";
    EXPECT_EQ(catalogue::checkRow(app.state->data, row),
              QStringLiteral("EL (Earnings Level) column must match an entry in Options (Earnings)"));
    row.earningsFlag = "F";
    EXPECT_TRUE(catalogue::checkRow(app.state->data, row).isEmpty()) << "year and campaign 0: the baseline";
    row.campaignYear = 99999;
    row.campaignNumber = 5;
    EXPECT_EQ(catalogue::checkRow(app.state->data, row),
              QStringLiteral("Campaign Year must be from 1900 to 2099 (0 for a baseline product)."));
    row.campaignYear = 2008;
    row.campaignNumber = -5;
    EXPECT_EQ(catalogue::checkRow(app.state->data, row),
              QStringLiteral("Campaign Number must be from 1 to 99 (0 for a baseline product)."));
    row.campaignYear = 0;
    row.campaignNumber = 0;
    row.lastPrice = Currency::fromCents(100);
    EXPECT_FALSE(catalogue::alignBaselinePrice(row).isEmpty());
    EXPECT_EQ(row.lastPrice, row.regPrice);

    Product duplicate = ProductLookup(app.state->data, options, "1")->product;
    Product moved = duplicate;
    moved.catalogNumber = "2";
    EXPECT_FALSE(catalogue::saveRow(app.state->data, duplicate, moved)) << "campaign 5 has a product 2 already";
    EXPECT_EQ(column("Select Count(*) From Products Where [Products Catalog Number] = '1'"), QStringList{"1"})
        << "a refused save changes nothing";

    ASSERT_TRUE(catalogue::Ms_Fix_Nulls(app.state->data));
    EXPECT_EQ(column("Select [Products Catalog Number] || '|' || [Products Size] || '|' || [Products Tax2] From Products"),
              QStringList{"1||-1"});
}
