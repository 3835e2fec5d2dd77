#include "orders/ui/order_lines_model.h"

#include "core/prompter.h"
#include "orders/inventory_adjustment.h"
#include "orders/product_lookup.h"
#include "session/app_state.h"
#include "shell/transaction.h"

namespace zel {

namespace {

const QString kNotNumber = QStringLiteral("Please enter a number.");

GridColumn<OrderRow> quantityColumn(const QString &header, int OrderRow::*member)
{
    return grid::whole(header, member, kNotNumber);
}

GridColumn<OrderRow> backOrderColumn()
{
    return {QStringLiteral("Back Orderd"), GridKind::Text, [](const OrderRow &r) -> QVariant { return r.backOrderFlag; },
            [](OrderRow &r, const QVariant &value) {
                const std::optional<QString> flag = OrderLineRules::backOrderFlag(value.toString());
                if (!flag)
                    return OrderLineRules::kBackOrderFlagRule;
                r.backOrderFlag = *flag;
                return QString();
            }};
}

std::vector<GridColumn<OrderRow>> lineColumns()
{
    using namespace grid;
    const QString refused = QStringLiteral("Please enter a valid amount.");
    // Widths that leave each line's total in view at 1024 x 768 (with the total moved beside the
    // unit price by the screen).
    return {text(QStringLiteral("Catalog Number"), &OrderRow::catalogNumber, 10).withWidth(100),
            whole(QStringLiteral("C #"), &OrderRow::fromCampaign, kNotNumber),
            backOrderColumn(),
            upperText(QStringLiteral("E L"), &OrderRow::earningsFlag),
            text(QStringLiteral("Page"), &OrderRow::page, 10).withWidth(60),
            text(QStringLiteral("Product Description"), &OrderRow::product, 50).withWidth(190),
            text(QStringLiteral("Shade Fragrance"), &OrderRow::shade, 50).withWidth(100),
            text(QStringLiteral("Size"), &OrderRow::size, 50).withWidth(60),
            text(QStringLiteral("Notes"), &OrderRow::notes, 50).withWidth(60),
            quantityColumn(QStringLiteral("Order Qty"), &OrderRow::quantity),
            quantityColumn(QStringLiteral("Price Qty"), &OrderRow::priceQuantity),
            money(QStringLiteral("Unit Price"), &OrderRow::unitPrice, refused),
            money(QStringLiteral("Special Price"), &OrderRow::specialPrice, refused),
            money(QStringLiteral("Reg Price"), &OrderRow::regPrice, refused),
            flag(QStringLiteral("Tax 1"), &OrderRow::tax1),
            flag(QStringLiteral("Tax 2"), &OrderRow::tax2),
            money(QStringLiteral("Disc. %.%"), &OrderRow::discountPercent, refused),
            money(QStringLiteral("Total Price"), &OrderRow::unitTotal, refused).readOnly(),
            text(QStringLiteral("BO Message"), &OrderRow::boMessage).readOnly(),
            money(QStringLiteral("Entered Unit Price"), &OrderRow::enteredUnitPrice, refused).readOnly(),
            text(QStringLiteral("Entered Page"), &OrderRow::enteredPage).readOnly(),
            text(QStringLiteral("Entered Used Lower Price"), &OrderRow::enteredUsedLowerPrice).readOnly(),
            whole(QStringLiteral("Used From Inventory"), &OrderRow::usedFromInventory, kNotNumber).readOnly(),
            text(QStringLiteral("Baseline Price Used Flag"), &OrderRow::baselinePriceUsedFlag).readOnly()};
}

} // namespace

OrderLinesModel::OrderLinesModel(AppState &state, const LineSettings &settings, QObject *parent)
    : RecordGridModel<OrderRow>(lineColumns(), [&state](const QString &message) { state.prompter.information(message); }, parent),
      m_state(state), m_settings(settings)
{
    keepBlankRowAtEnd();
}

void OrderLinesModel::setCustomer(const QString &name, const Campaign &campaign)
{
    m_customerName = name;
    m_campaign = campaign;
}

void OrderLinesModel::setLines(std::vector<OrderRow> lines)
{
    m_found.assign(lines.size(), true);
    setRows(std::move(lines));
    keepBlankRowAtEnd();
    emit linesChanged();
}

std::vector<OrderRow> OrderLinesModel::lines() const
{
    std::vector<OrderRow> typed;
    for (const OrderRow &line : rows())
        if (!OrderLineRules::isBlank(line))
            typed.push_back(line);
    return typed;
}

void OrderLinesModel::removeLine(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    removeRowAt(row);
    m_found.erase(m_found.begin() + row);
    setModified(true);
    keepBlankRowAtEnd();
    emit linesChanged();
}

void OrderLinesModel::appendLines(const std::vector<OrderRow> &lines)
{
    // The blank row stays last.
    if (rowCount() > 0 && OrderLineRules::isBlank(record(rowCount() - 1))) {
        removeRowAt(rowCount() - 1);
        m_found.pop_back();
    }
    for (const OrderRow &line : lines) {
        appendRow(line);
        m_found.push_back(true);
    }
    setModified(true);
    keepBlankRowAtEnd();
    emit linesChanged();
}

void OrderLinesModel::setBackOrderFlag(int row, const QString &flag)
{
    if (row < 0 || row >= rowCount() || OrderLineRules::isBlank(record(row)))
        return;
    OrderRow edited = record(row);
    edited.backOrderFlag = flag;
    store(row, std::move(edited));
}

void OrderLinesModel::keepBlankRowAtEnd()
{
    if (rowCount() == 0 || !record(rowCount() - 1).catalogNumber.isEmpty()) {
        appendRow(OrderRow{});
        m_found.push_back(false);
    }
}

void OrderLinesModel::store(int row, OrderRow edited)
{
    replaceRow(row, std::move(edited), false);
    setModified(true);
    keepBlankRowAtEnd();
    emit linesChanged();
}

bool OrderLinesModel::commit(int row, OrderRow edited, int column)
{
    const OrderRow &old = record(row);
    switch (column) {
    case Catalog:
        if (!commitCatalog(row, edited))
            return false;
        break;
    case Product:
    case Shade: {
        QString &cell = column == Product ? edited.product : edited.shade;
        const QString expanded = OrderLineRules::expandCodes(cell, m_settings);
        if (expanded != cell) {
            cell = expanded.left(50);
        } else if (column == Product && edited.catalogNumber.isEmpty() && m_settings.autoFill && !cell.isEmpty()) {
            if (const std::optional<ProductFound> found = lookupByDescription(m_state.data, m_state.options, cell)) {
                edited.catalogNumber = found->product.catalogNumber;
                OrderLineRules::fillFromProduct(edited, *found, m_state.options.CurrentCampaignNumber);
                m_found[size_t(row)] = true;
            }
        }
        break;
    }
    case OrderQty:
        if (!commitQuantity(old, edited))
            return false;
        break;
    case PriceQty:
        if (const QString warning = OrderLineRules::priceQuantityWarning(edited.priceQuantity); !warning.isEmpty()) {
            tell(warning);
            return false;
        }
        OrderLineRules::updateTotal(edited);
        break;
    case UnitPrice:
        OrderLineRules::updateTotal(edited);
        break;
    case Earnings:
        if (!OrderLineRules::isEarningsType(m_state.data, edited.earningsFlag)) {
            tell(OrderLineRules::kEarningsRule);
            return false;
        }
        break;
    default:
        break;
    }
    store(row, std::move(edited));
    return true;
}

bool OrderLinesModel::commitCatalog(int row, OrderRow &edited)
{
    const CatalogCell cell = OrderLineRules::readCatalogCell(edited.catalogNumber, m_settings);
    switch (cell.kind) {
    case CatalogCell::Kind::Empty:
        edited.catalogNumber.clear();
        m_found[size_t(row)] = false;
        return true;
    case CatalogCell::Kind::InvalidLength:
        tell(OrderLineRules::kInvalidLength);
        return false;
    case CatalogCell::Kind::Reserve:
        tell(OrderLineRules::reserveMessage(cell));
        emit rowsReserved(cell.text, cell.reservedRows);
        return false;
    case CatalogCell::Kind::Catalog:
        break;
    }
    edited.catalogNumber = cell.text;
    bool found = false;
    if (m_settings.autoFill)
        lookUp(edited, found);
    emit catalogNote(m_settings.autoFill && !found
                         ? cell.text + QStringLiteral(" is not in the catalogue: type its page and description")
                         : QString());
    if (!found && edited.earningsFlag.isEmpty())
        edited.earningsFlag = QStringLiteral("R");
    if (!found && edited.fromCampaign == 0)
        edited.fromCampaign = m_state.options.CurrentCampaignNumber;
    m_found[size_t(row)] = found;
    return true;
}

void OrderLinesModel::lookUp(OrderRow &edited, bool &found)
{
    QString number = edited.catalogNumber;
    number.remove(QLatin1Char('^'));
    const std::optional<ProductFound> product = ProductLookup(m_state.data, m_state.options, number);
    found = product.has_value();
    if (!product)
        return;
    OrderLineRules::fillFromProduct(edited, *product, m_state.options.CurrentCampaignNumber);
    if (m_state.options.PromptForLowerPrice == QLatin1String("Y"))
        if (const std::optional<LowerPrice> lower =
                Find_Lower_Prices(m_state.data, m_state.options, m_state.prompter, product->product, edited.unitPrice))
            OrderLineRules::applyLowerPrice(edited, *lower);
    if (product->stockOnHand > 0)
        offerStock(edited, product->stockOnHand);
}

void OrderLinesModel::offerStock(OrderRow &edited, int inStock)
{
    m_state.prompter.information(OrderLineRules::stockReport(inStock));
    const std::optional<QString> typed = m_state.prompter.inputText(
        OrderLineRules::stockAdjustPrompt(edited.catalogNumber, inStock), QStringLiteral("Adjust Quantity In Stock"), QStringLiteral("0"));
    if (!typed)
        return;
    const std::optional<int> amount = OrderLineRules::stockAmount(*typed, inStock);
    if (!amount) {
        tell(QStringLiteral("Enter an value less than or equal to %1.").arg(inStock));
        return;
    }
    if (*amount == 0)
        return;
    QString number = edited.catalogNumber;
    number.remove(QLatin1Char('^'));
    Transaction adjustment(m_state.data.database().handle());
    const std::optional<int> taken = InventoryAdjustment(m_state.data).Ms_Adjust_Inventory(number, *amount, m_customerName, m_campaign);
    if (!taken || !adjustment.commit())
        return;
    if (*taken < *amount)
        tell(OrderLineRules::partlyFromStock(number, *taken, *amount));
    m_inventoryAdjusted = true;
    edited.fromCampaign = 99;
    edited.usedFromInventory = *taken;
    edited.quantity = 0;
    edited.priceQuantity = 0;
    OrderLineRules::setQuantity(edited, *amount);
}

bool OrderLinesModel::commitQuantity(const OrderRow &old, OrderRow &edited)
{
    if (const QString warning = OrderLineRules::quantityWarning(edited.quantity); !warning.isEmpty()) {
        tell(warning);
        return false;
    }
    const int quantity = edited.quantity;
    edited.quantity = old.quantity;
    edited.priceQuantity = old.priceQuantity;
    OrderLineRules::setQuantity(edited, quantity);
    if (old.usedFromInventory != 0 && quantity != old.quantity) {
        const int difference = old.quantity - quantity;
        if (m_state.prompter.askYesNo(OrderLineRules::stockChangeQuestion(old.catalogNumber, difference))) {
            InventoryAdjustment(m_state.data).adjustOnHand(old.catalogNumber, difference);
            edited.usedFromInventory = quantity;
        }
    }
    return true;
}

} // namespace zel
