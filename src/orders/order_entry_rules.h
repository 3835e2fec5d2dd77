#pragma once

#include "orders/order_row.h"

#include <vector>

namespace zel {

class cDataAccess;
class cOption;
struct LowerPrice;
struct ProductFound;
struct ShortcutSettings;

// What a typed catalog cell asks for.
struct CatalogCell
{
    enum class Kind {
        Empty,         // nothing typed
        Catalog,       // a product number, shown as `text`
        Reserve,       // "//" + number + count: keep `reservedRows` blank rows after `text`
        InvalidLength, // a "//" text of the wrong length
    };
    Kind kind = Kind::Empty;
    QString text;
    int reservedRows = 0;
};

// The order entry choices that shape how a typed line is read.
struct LineSettings
{
    bool addDash = false;       // options' OrderEntryDash
    bool usCheckDigit = false;  // [ShortCuts] Country is US
    bool shortcutCodes = false; // [ShortCuts] Enabled
    bool autoFill = true;       // not [ShortCuts] SuppressAutoFill

    static LineSettings of(const cOption &options, const ShortcutSettings &shortcuts);
};

// The rules of one typed order line, shared by the order entry screen and its tests.
class OrderLineRules
{
public:
    static inline const QString kInvalidLength = QStringLiteral("INVALID LENGTH!");
    static inline const QString kBackOrderFlagRule = QStringLiteral(
        "BO column must be B:BackOrder, U:UnAvailable, P:Previous Backorder/Unavailable, S:Substitution");
    static inline const QString kEarningsRule =
        QStringLiteral("EL (Earnings Level) column must match an entry in Options (Earnings)");

    static CatalogCell readCatalogCell(const QString &typed, const LineSettings &settings);
    // "3 new rows will be inserted after 123456".
    static QString reserveMessage(const CatalogCell &cell);

    // A found product fills the line; the line is priced afresh.
    static void fillFromProduct(OrderRow &line, const ProductFound &found, int currentCampaignNumber);
    // An accepted lower price: the typed price and page are kept aside and the page reads "C#05-123".
    static void applyLowerPrice(OrderRow &line, const LowerPrice &lower);
    // The ordered quantity; the charged quantity follows it while the two were the same.
    static void setQuantity(OrderRow &line, int quantity);
    static void updateTotal(OrderRow &line);
    // The "/" code of a product or shade cell replaced by its text (when the codes are on).
    static QString expandCodes(const QString &text, const LineSettings &settings);

    // Empty when the value may stay, else the message to show.
    static QString quantityWarning(int quantity);
    static QString priceQuantityWarning(int priceQuantity);
    // The flag in capitals, or nothing when it is not one of B, U, P, S or empty.
    static std::optional<QString> backOrderFlag(const QString &typed);
    static bool isEarningsType(cDataAccess &data, const QString &code);

    // A line with nothing typed in it; such lines are not saved.
    static bool isBlank(const OrderRow &line);
    // Ms_Running_Total: the lines' Total Price summed, for the status line.
    static QString runningTotal(const std::vector<OrderRow> &lines);

    // "There is 1 product  in inventory." / "There are 4 products  in inventory."
    static QString stockReport(int inStock);
    // The explanation of the "Adjust Quantity In Stock" input box.
    static QString stockAdjustPrompt(const QString &catalogNumber, int inStock);
    // The typed amount to take from stock: 0 to skip, nothing when it is not a whole number from 0
    // to `inStock`.
    static std::optional<int> stockAmount(const QString &typed, int inStock);
    // Stock is taken from the product's first stock row only: said when that row held less than asked.
    static QString partlyFromStock(const QString &catalogNumber, int taken, int asked);
    // Asked when a line sold from stock changes its quantity.
    static QString stockChangeQuestion(const QString &catalogNumber, int difference);
};

} // namespace zel
