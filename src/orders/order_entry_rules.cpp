#include "orders/order_entry_rules.h"

#include "core/prompter.h"
#include "options/c_option.h"
#include "orders/catalog_number.h"
#include "orders/check_digit.h"
#include "orders/product_lookup.h"
#include "orders/shortcut_codes.h"
#include "session/app_state.h"
#include "shell/data_access.h"

namespace zel {

namespace {
constexpr int kReserveLength = 10; // "//" + six characters + two digits
constexpr int kFromStock = 99;     // the From Campaign of a line sold from stock
}

LineSettings LineSettings::of(const cOption &options, const ShortcutSettings &shortcuts)
{
    LineSettings settings;
    settings.addDash = options.OrderEntryDash.compare(QLatin1String("Y"), Qt::CaseInsensitive) == 0;
    settings.usCheckDigit = shortcuts.country.trimmed().compare(QLatin1String("US"), Qt::CaseInsensitive) == 0;
    settings.shortcutCodes = shortcuts.enabled.trimmed().compare(QLatin1String("Y"), Qt::CaseInsensitive) == 0;
    settings.autoFill = shortcuts.suppressAutoFill.trimmed().compare(QLatin1String("Y"), Qt::CaseInsensitive) != 0;
    return settings;
}

CatalogCell OrderLineRules::readCatalogCell(const QString &typed, const LineSettings &settings)
{
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return {};
    if (text.startsWith(QLatin1String("//"))) {
        bool counted = false;
        const int rows = text.right(2).toInt(&counted);
        if (text.size() != kReserveLength || !counted || rows < 1)
            return {CatalogCell::Kind::InvalidLength, text, 0};
        return {CatalogCell::Kind::Reserve, text.mid(2, 6), rows};
    }
    QString shown = displayCatalogNumber(text, settings.addDash);
    QString undashed = shown;
    undashed.remove(QLatin1Char('-'));
    if (settings.usCheckDigit && undashed.size() == 6 && !shown.endsWith(QLatin1Char('^'))
        && !CheckDigit::isValid(undashed))
        shown += QLatin1Char('^');
    return {CatalogCell::Kind::Catalog, shown, 0};
}

QString OrderLineRules::reserveMessage(const CatalogCell &cell)
{
    return QString::number(cell.reservedRows) + QStringLiteral(" new rows will be inserted after ") + cell.text;
}

void OrderLineRules::fillFromProduct(OrderRow &line, const ProductFound &found, int currentCampaignNumber)
{
    const Product &p = found.product;
    // The look-up finds a number typed with or without its dash: the line takes the catalogue's
    // form, so one product is one line of the order summary and one baseline row. A check-digit
    // mark stays.
    const bool marked = line.catalogNumber.endsWith(QLatin1Char('^'));
    line.catalogNumber = p.catalogNumber.trimmed() + (marked ? QStringLiteral("^") : QString());
    line.page = p.page;
    line.product = p.description;
    line.shade = p.shade;
    line.size = p.size;
    line.notes = p.notes;
    line.tax1 = p.tax1;
    line.tax2 = p.tax2;
    line.earningsFlag = p.earningsFlag;
    line.specialPrice = p.specialPrice;
    line.regPrice = p.regPrice;
    line.unitPrice = p.lastPrice;
    line.fromCampaign = currentCampaignNumber;
    line.baselinePriceUsedFlag = found.fromBaseline ? QStringLiteral("Y") : QStringLiteral("N");
    line.enteredUsedLowerPrice.clear();
    line.enteredUnitPrice = Currency();
    line.enteredPage.clear();
    if (line.quantity == 0)
        setQuantity(line, 1);
    updateTotal(line);
}

void OrderLineRules::applyLowerPrice(OrderRow &line, const LowerPrice &lower)
{
    line.enteredUnitPrice = line.unitPrice;
    line.enteredPage = line.page;
    line.enteredUsedLowerPrice = QStringLiteral("Y");
    line.unitPrice = lower.price;
    line.fromCampaign = lower.campaignNumber;
    line.page = QStringLiteral("C#%1-%2")
                    .arg(lower.campaignNumber, 2, 10, QLatin1Char('0'))
                    .arg(GetPageNumber(lower.page).trimmed(), 3, QLatin1Char('0'));
    updateTotal(line);
}

void OrderLineRules::setQuantity(OrderRow &line, int quantity)
{
    if (line.priceQuantity == line.quantity)
        line.priceQuantity = quantity;
    line.quantity = quantity;
    updateTotal(line);
}

void OrderLineRules::updateTotal(OrderRow &line)
{
    line.unitTotal = (line.unitPrice.round2() * line.priceQuantity).round2();
}

QString OrderLineRules::expandCodes(const QString &text, const LineSettings &settings)
{
    return settings.shortcutCodes ? ShortcutCodes::expand(text) : text;
}

QString OrderLineRules::quantityWarning(int quantity)
{
    return quantity < 0 ? QStringLiteral("Warning: Order Quantity should be positive.") : QString();
}

QString OrderLineRules::priceQuantityWarning(int priceQuantity)
{
    return priceQuantity < 0
             ? QStringLiteral("Warning: Price Quantity should be positive. Use a negative Unit Price for Returns.")
             : QString();
}

std::optional<QString> OrderLineRules::backOrderFlag(const QString &typed)
{
    const QString flag = typed.trimmed().toUpper();
    if (flag.isEmpty() || flag == QLatin1String("B") || flag == QLatin1String("U") || flag == QLatin1String("P")
        || flag == QLatin1String("S"))
        return flag;
    return std::nullopt;
}

bool OrderLineRules::isEarningsType(cDataAccess &data, const QString &code)
{
    if (code.trimmed().isEmpty())
        return true;
    return data.number(QStringLiteral("Zel_Order"),
                       QStringLiteral("Select Count(*) From Earnings Where [Earnings Type Code] = ?"), {code.trimmed()})
         > 0;
}

bool OrderLineRules::isBlank(const OrderRow &line)
{
    return line.page.isEmpty() && line.catalogNumber.isEmpty() && line.product.isEmpty() && line.shade.isEmpty()
        && line.size.isEmpty() && line.quantity == 0 && line.unitPrice.isZero();
}

QString OrderLineRules::runningTotal(const std::vector<OrderRow> &lines)
{
    Currency total;
    for (const OrderRow &line : lines)
        total += line.unitTotal;
    return QStringLiteral("Total: $ ") + total.format(u"##,##0.00")
         + QStringLiteral(" (Not including Taxes, Discounts, Processing/Special Charges)");
}

QString OrderLineRules::stockReport(int inStock)
{
    return inStock == 1 ? QStringLiteral("There is 1 product  in inventory.")
                        : QStringLiteral("There are %1 products  in inventory.").arg(inStock);
}

QString OrderLineRules::partlyFromStock(const QString &catalogNumber, int taken, int asked)
{
    return QStringLiteral("Only %1 of the %2 asked were taken from stock: the first stock row of product %3 held %1. "
                          "Take the rest from its next stock row in Inventory.")
        .arg(taken)
        .arg(asked)
        .arg(catalogNumber);
}

QString OrderLineRules::stockAdjustPrompt(const QString &catalogNumber, int inStock)
{
    const QString n = QString::number(inStock);
    return lines({QStringLiteral("Product ") + catalogNumber + QStringLiteral(" has ") + n + QStringLiteral(" in stock."),
                  QString(),
                  QStringLiteral("To Adjust Quantity in stock:  Enter an value less than or equal to ") + n
                      + QStringLiteral(".  This value will be SUBTRACTED from quantity in stock.  The OS Column will be set "
                                       "to %1, which is used on the Order Summary Report.  ")
                            .arg(kFromStock),
                  QStringLiteral("To Skip Adjustment:  Enter zero or click CANCEL."), QString(),
                  QStringLiteral("When some come from stock and some are ordered, enter them as two lines:"),
                  QStringLiteral("one for the items in stock and one for the regular items.")});
}

std::optional<int> OrderLineRules::stockAmount(const QString &typed, int inStock)
{
    bool ok = false;
    const int amount = typed.trimmed().isEmpty() ? 0 : typed.trimmed().toInt(&ok);
    if (!typed.trimmed().isEmpty() && !ok)
        return std::nullopt;
    if (amount < 0 || amount > inStock)
        return std::nullopt;
    return amount;
}

QString OrderLineRules::stockChangeQuestion(const QString &catalogNumber, int difference)
{
    return QStringLiteral("Product ") + catalogNumber + QStringLiteral(" was being sold from on hand inventory.\nDo you wish "
                                                                        "to Adjust Quantity On Hand by ")
         + QString::number(difference) + QLatin1Char('?');
}

} // namespace zel
