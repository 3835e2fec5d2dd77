#include "orders/inventory_adjustment.h"

#include "orders/catalog_number.h"
#include "orders/order_row.h"
#include "shell/data_access.h"

namespace zel {

namespace {

const QString kProcedure = QStringLiteral("Ms_Adjust_Inventory");
const QString kFormsCondition = QStringLiteral("([Inventory Catalog Number] = ? Or [Inventory Catalog Number] = ? Or "
                                               "[Inventory Catalog Number] = ?)");

QVariantList formsOf(const QString &catalogNumber)
{
    QVariantList values;
    for (const QString &form : catalogNumberForms(catalogNumber))
        values << form;
    return values;
}

} // namespace

int InventoryAdjustment::inStock(const QString &catalogNumber)
{
    return m_data.number(kProcedure, QStringLiteral("Select Sum([Inventory Qty]) From Inventory Where ") + kFormsCondition,
                         formsOf(catalogNumber));
}

std::optional<int> InventoryAdjustment::Ms_Adjust_Inventory(const QString &catalogNumber, int quantity,
                                                            const QString &customerName, const Campaign &campaign)
{
    // The first stock row decides, and only that row is used.
    m_data.setSQL(QStringLiteral("Select rowid, [Inventory Qty] From Inventory Where ") + kFormsCondition
                      + QStringLiteral(" And [Inventory Qty] <> 0 Order By rowid"),
                  formsOf(catalogNumber));
    RecordSet stock = m_data.GetSnapShot(kProcedure);
    if (!stock.next())
        return std::nullopt;
    const int row = stock.value(0).toInt();
    const int held = stock.value(1).toInt();
    if (held == quantity) {
        if (!m_data.exec(kProcedure,
                         QStringLiteral("Update Inventory Set [Inventory Qty] = 0, [Inventory Sold To Name] = ?, [Inventory "
                                        "Sold To Qty] = ?, [Inventory Sold To Campaign Year] = ?, [Inventory Sold to "
                                        "Campaign Number] = ? Where rowid = ?"),
                         {customerName, quantity, campaign.year, campaign.number, row}))
            return std::nullopt;
        return quantity;
    }
    // Above the quantity the row keeps the rest; below it the whole stock of the row is taken.
    const int left = held > quantity ? held - quantity : 0;
    const int sold = held > quantity ? quantity : held;
    if (!m_data.exec(kProcedure, QStringLiteral("Update Inventory Set [Inventory Qty] = ? Where rowid = ?"), {left, row})
        || !addSaleRow(row, sold, customerName, campaign))
        return std::nullopt;
    return sold;
}

bool InventoryAdjustment::addSaleRow(int fromRow, int quantity, const QString &customerName, const Campaign &campaign)
{
    return m_data.exec(kProcedure,
                       QStringLiteral("Insert Into Inventory ([Inventory Catalog Number], [Inventory Description], [Inventory "
                                      "Shade Color Fragrance], [Inventory Size], [Inventory Notes], [Inventory Category], "
                                      "[Inventory Price], [Inventory Qty], [Inventory Storage Location], [Inventory Sold To "
                                      "Name], [Inventory Sold To Qty], [Inventory Sold To Campaign Year], [Inventory Sold to "
                                      "Campaign Number], [Inventory Delete Flag]) Select [Inventory Catalog Number], "
                                      "[Inventory Description], [Inventory Shade Color Fragrance], [Inventory Size], "
                                      "[Inventory Notes], [Inventory Category], [Inventory Price], 0, [Inventory Storage "
                                      "Location], ?, ?, ?, ?, 0 From Inventory Where rowid = ?"),
                       {customerName, quantity, campaign.year, campaign.number, fromRow});
}

bool InventoryAdjustment::Ms_Update_Inventory(const OrderRow &line)
{
    const QString match = QStringLiteral(" Where [Inventory Catalog Number] = ? And [Inventory Description] = ? And [Inventory "
                                         "Shade Color Fragrance] = ? And [Inventory Size] = ? And [Inventory Notes] = ? And "
                                         "[Inventory Price] = ? And [Inventory Sold To Campaign Year] = 0");
    const QVariantList values{line.catalogNumber, line.product, line.shade, line.size, line.notes, line.unitPrice.toDouble()};
    if (m_data.number(QStringLiteral("Ms_Update_Inventory"), QStringLiteral("Select Count(*) From Inventory") + match, values) > 0)
        return m_data.exec(QStringLiteral("Ms_Update_Inventory"),
                           QStringLiteral("Update Inventory Set [Inventory Qty] = [Inventory Qty] + ?") + match,
                           QVariantList{line.quantity} + values);
    return m_data.exec(QStringLiteral("Ms_Update_Inventory"),
                       QStringLiteral("Insert Into Inventory ([Inventory Catalog Number], [Inventory Description], [Inventory "
                                      "Shade Color Fragrance], [Inventory Size], [Inventory Notes], [Inventory Category], "
                                      "[Inventory Price], [Inventory Qty], [Inventory Storage Location], [Inventory Sold To "
                                      "Name], [Inventory Sold To Qty], [Inventory Sold To Campaign Year], [Inventory Sold to "
                                      "Campaign Number], [Inventory Delete Flag]) Values (?, ?, ?, ?, ?, '', ?, ?, '', '', 0, "
                                      "0, 0, 0)"),
                       {line.catalogNumber, line.product, line.shade, line.size, line.notes, line.unitPrice.toDouble(),
                        line.quantity});
}

bool InventoryAdjustment::adjustOnHand(const QString &catalogNumber, int difference)
{
    return m_data.exec(QStringLiteral("Zel_Order"),
                       QStringLiteral("Update Products Set [Products Quanity On Hand] = [Products Quanity On Hand] + ? Where "
                                      "[Products Catalog Number] = ? And [Products Campaign Number] = 0 and [Products "
                                      "Campaign Year] = 0 "),
                       {difference, catalogNumber});
}

QString InventoryAdjustment::updateQuestion(const OrderRow &line)
{
    return QStringLiteral("Add %1 items to %2 in Inventory?").arg(line.quantity).arg(line.product);
}

} // namespace zel
