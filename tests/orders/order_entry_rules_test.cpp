#include "orders/order_entry_rules.h"

#include "orders/product_lookup.h"
#include "orders/shortcut_codes.h"
#include "session/app_state.h"
#include "test_support.h"

#include <gtest/gtest.h>

using namespace zel;

namespace {

LineSettings lineSettings(bool dash, bool us = false, bool codes = true)
{
    LineSettings s;
    s.addDash = dash;
    s.usCheckDigit = us;
    s.shortcutCodes = codes;
    return s;
}

Currency money(const char *text)
{
    return *Currency::fromString(QString::fromLatin1(text));
}

} // namespace

TEST(OrderLineRules, CatalogCellForms)
{
    EXPECT_EQ(OrderLineRules::readCatalogCell("123456", lineSettings(true)).text, QStringLiteral("123-456"));
    EXPECT_EQ(OrderLineRules::readCatalogCell(" 123456 ", lineSettings(false)).text, QStringLiteral("123456"));
    EXPECT_EQ(OrderLineRules::readCatalogCell("", lineSettings(true)).kind, CatalogCell::Kind::Empty);

    // 2·1+3·2+4·3+5·4+6·5 = 70, 11 - 70 mod 11 = 7: 123457 is valid, 123456 is not.
    EXPECT_EQ(OrderLineRules::readCatalogCell("123457", lineSettings(true, true)).text, QStringLiteral("123-457"));
    EXPECT_EQ(OrderLineRules::readCatalogCell("123456", lineSettings(true, true)).text, QStringLiteral("123-456^"));
    EXPECT_EQ(OrderLineRules::readCatalogCell("123-456", lineSettings(false, true)).text, QStringLiteral("123-456^"));
    EXPECT_EQ(OrderLineRules::readCatalogCell("12345", lineSettings(false, true)).text, QStringLiteral("12345"))
        << "only six-digit numbers carry the check digit";
    EXPECT_EQ(OrderLineRules::readCatalogCell("123456^", lineSettings(false, true)).text, QStringLiteral("123456^"))
        << "marked once";
}

TEST(OrderLineRules, ReservedRowsCode)
{
    const CatalogCell cell = OrderLineRules::readCatalogCell("//12345603", lineSettings(true));
    EXPECT_EQ(cell.kind, CatalogCell::Kind::Reserve);
    EXPECT_EQ(cell.text, QStringLiteral("123456"));
    EXPECT_EQ(cell.reservedRows, 3);
    EXPECT_EQ(OrderLineRules::reserveMessage(cell), QStringLiteral("3 new rows will be inserted after 123456"));
    for (const char *wrong : {"//1234563", "//123456033", "//123456xx", "//12345600"})
        EXPECT_EQ(OrderLineRules::readCatalogCell(wrong, lineSettings(true)).kind, CatalogCell::Kind::InvalidLength) << wrong;
}

TEST(OrderLineRules, QuantitiesPriceTheLine)
{
    OrderRow line;
    line.unitPrice = money("12.50");
    OrderLineRules::setQuantity(line, 2);
    EXPECT_EQ(line.priceQuantity, 2);
    EXPECT_EQ(line.unitTotal, money("25.00"));

    line.priceQuantity = 1; // charged for one of two (a free item)
    OrderLineRules::updateTotal(line);
    OrderLineRules::setQuantity(line, 3);
    EXPECT_EQ(line.priceQuantity, 1) << "a charged quantity typed apart stays";
    EXPECT_EQ(line.unitTotal, money("12.50"));

    EXPECT_FALSE(OrderLineRules::quantityWarning(-1).isEmpty());
    EXPECT_TRUE(OrderLineRules::quantityWarning(0).isEmpty());
    EXPECT_EQ(OrderLineRules::priceQuantityWarning(-2),
              QStringLiteral("Warning: Price Quantity should be positive. Use a negative Unit Price for Returns."));
}

TEST(OrderLineRules, LowerPriceKeepsTheTypedPriceAndWritesTheCampaignPage)
{
    OrderRow line;
    line.page = "45";
    line.unitPrice = money("9.99");
    OrderLineRules::setQuantity(line, 2);
    OrderLineRules::applyLowerPrice(line, LowerPrice{money("7.49"), 5, "123"});
    EXPECT_EQ(line.page, QStringLiteral("C#05-123"));
    EXPECT_EQ(line.enteredPage, QStringLiteral("45"));
    EXPECT_EQ(line.enteredUnitPrice, money("9.99"));
    EXPECT_EQ(line.enteredUsedLowerPrice, QStringLiteral("Y"));
    EXPECT_EQ(line.fromCampaign, 5);
    EXPECT_EQ(line.unitTotal, money("14.98"));

    OrderLineRules::applyLowerPrice(line, LowerPrice{money("7.00"), 12, "7"});
    EXPECT_EQ(line.page, QStringLiteral("C#12-007"));
}

TEST(OrderLineRules, BackOrderFlagsAndStockAmounts)
{
    EXPECT_EQ(OrderLineRules::backOrderFlag("b"), QStringLiteral("B"));
    EXPECT_EQ(OrderLineRules::backOrderFlag(""), QString());
    EXPECT_FALSE(OrderLineRules::backOrderFlag("X"));
    EXPECT_FALSE(OrderLineRules::backOrderFlag("BU"));

    EXPECT_EQ(OrderLineRules::stockAmount("3", 5), 3);
    EXPECT_EQ(OrderLineRules::stockAmount("", 5), 0);
    EXPECT_FALSE(OrderLineRules::stockAmount("6", 5));
    EXPECT_FALSE(OrderLineRules::stockAmount("two", 5));
    EXPECT_EQ(OrderLineRules::stockReport(1), QStringLiteral("There is 1 product  in inventory."));
    EXPECT_EQ(OrderLineRules::stockReport(4), QStringLiteral("There are 4 products  in inventory."));
}

TEST(OrderLineRules, RunningTotalSumsTheLines)
{
    OrderRow a;
    a.unitTotal = money("1234.50");
    OrderRow b;
    b.unitTotal = money("-4.50");
    EXPECT_EQ(OrderLineRules::runningTotal({a, b}),
              QStringLiteral("Total: $ 1,230.00 (Not including Taxes, Discounts, Processing/Special Charges)"));
    EXPECT_TRUE(OrderLineRules::isBlank(OrderRow{}));
    a.catalogNumber = "1";
    EXPECT_FALSE(OrderLineRules::isBlank(a));
}

TEST(ShortcutCodes, ExpandWholeCodesOnly)
{
    EXPECT_EQ(ShortcutCodes::expand("/G"), QStringLiteral("Girls: "));
    EXPECT_EQ(ShortcutCodes::expand("/g pink"), QStringLiteral("Girls: pink"));
    EXPECT_EQ(ShortcutCodes::expand("/1"), QStringLiteral("January - Garnet"));
    EXPECT_EQ(ShortcutCodes::expand("/10"), QStringLiteral("October - Tourmaline"));
    EXPECT_EQ(ShortcutCodes::expand("/12"), QStringLiteral("December - Blue Topaz"));
    EXPECT_EQ(ShortcutCodes::expand("/nyy"), QStringLiteral("New York Yankees"));
    EXPECT_EQ(ShortcutCodes::expand("/13"), QStringLiteral("/13"));
    EXPECT_EQ(ShortcutCodes::expand("Lipstick /G"), QStringLiteral("Lipstick /G"));
    EXPECT_GE(ShortcutCodes::all().size(), 15u + 25u) << "sizes, months and about thirty team and designer codes";
    EXPECT_EQ(OrderLineRules::expandCodes("/W", lineSettings(false, false, false)), QStringLiteral("/W")) << "codes switched off";
}

TEST(LineSettings, ReadFromTheOptionsAndShortcuts)
{
    cOption options;
    options.OrderEntryDash = "Y";
    ShortcutSettings shortcuts;
    shortcuts.country = "us";
    shortcuts.enabled = "y";
    shortcuts.suppressAutoFill = "Y";
    const LineSettings s = LineSettings::of(options, shortcuts);
    EXPECT_TRUE(s.addDash);
    EXPECT_TRUE(s.usCheckDigit);
    EXPECT_TRUE(s.shortcutCodes);
    EXPECT_FALSE(s.autoFill);
}
