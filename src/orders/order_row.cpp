#include "orders/order_row.h"

#include "db/record_map.h"
#include "db/schema.h"

namespace zel {

const RecordMap<OrderRow> &OrderRow::map()
{
    static const RecordMap<OrderRow> map(QStringLiteral("Orders"), {
        field("Orders Index", &OrderRow::index),
        field("Orders Customer Number", &OrderRow::customerNumber),
        field("Orders Campaign Year", &OrderRow::campaignYear),
        field("Orders Campaign Number", &OrderRow::campaignNumber),
        field("Orders Order Number", &OrderRow::orderNumber),
        field("Orders Sequence Number", &OrderRow::sequenceNumber),
        field("Orders Page", &OrderRow::page),
        field("Orders Catalog Number", &OrderRow::catalogNumber),
        field("Orders Product", &OrderRow::product),
        field("Orders Shade", &OrderRow::shade),
        field("Orders Size", &OrderRow::size),
        field("Orders Notes", &OrderRow::notes),
        field("Orders Quanity", &OrderRow::quantity),
        field("Orders Unit Price", &OrderRow::unitPrice),
        field("Orders Reg Price", &OrderRow::regPrice),
        field("Orders Special Price", &OrderRow::specialPrice),
        field("Orders Unit Total", &OrderRow::unitTotal),
        field("Orders Internal Flag", &OrderRow::internalFlag),
        field("Orders Tax1", &OrderRow::tax1),
        field("Orders Tax2", &OrderRow::tax2),
        field("Orders Printed", &OrderRow::printed),
        field("Orders Summary Printed", &OrderRow::summaryPrinted),
        field("Orders Discount Percent", &OrderRow::discountPercent),
        field("Orders Discount Applied", &OrderRow::discountApplied),
        field("Orders Discount Message", &OrderRow::discountMessage),
        field("Orders Tax Message", &OrderRow::taxMessage),
        field("Orders Include On Order", &OrderRow::includeOnOrder),
        field("Orders Supplies", &OrderRow::supplies),
        field("Orders Price Quantity", &OrderRow::priceQuantity),
        field("Orders BackOrder Flag", &OrderRow::backOrderFlag),
        field("Orders Earnings Flag", &OrderRow::earningsFlag),
        field("Orders BO Message", &OrderRow::boMessage),
        field("Orders Business Helper", &OrderRow::businessHelper),
        field("Orders Business Helper Number", &OrderRow::businessHelperNumber),
        field("Orders Entered Unit Price", &OrderRow::enteredUnitPrice),
        field("Orders Entered Page", &OrderRow::enteredPage),
        field("Orders Entered Used Lower Price", &OrderRow::enteredUsedLowerPrice),
        field("Orders Used From Inventory", &OrderRow::usedFromInventory),
        field("Orders From Campaign", &OrderRow::fromCampaign),
        field("Orders Payment Amount", &OrderRow::paymentAmount),
        field("Orders Payment Delivered", &OrderRow::paymentDelivered),
        field("Orders Payment Banked", &OrderRow::paymentBanked),
        field("Orders Payment Type", &OrderRow::paymentType),
        field("Orders Payment Check Number", &OrderRow::paymentCheckNumber),
        field("Orders Payment Date", &OrderRow::paymentDate),
        field("Orders Payment Grand Total", &OrderRow::paymentGrandTotal),
        field("Orders Baseline Price Used Flag", &OrderRow::baselinePriceUsedFlag),
        field("Orders Entered Date", &OrderRow::enteredDate),
        field("Orders Modified Date", &OrderRow::modifiedDate),
        field("Orders Savings Message", &OrderRow::savingsMessage),
        field("Orders Delivered", &OrderRow::delivered),
    });
    return map;
}

OrderRow OrderRow::fromRecord(const RecordSet &record)
{
    return map().read(record);
}

QVariantList OrderRow::values() const
{
    return map().values(*this);
}

QString OrderRow::insertSql(const QString &table)
{
    return map().insertSql(db::bracket(table));
}

} // namespace zel
