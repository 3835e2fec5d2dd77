#pragma once

#include "core/campaign.h"
#include "core/currency.h"

#include <QDateTime>
#include <QString>
#include <QVariantList>

namespace zel {

class RecordSet;
template <typename T>
class RecordMap;

// One row of the Orders table: an order line ('DETAIL') or one of the rows computed from them.
struct OrderRow
{
    int index = 0;
    int customerNumber = 0;
    int campaignYear = 0;
    int campaignNumber = 0;
    int orderNumber = 0;
    int sequenceNumber = 0;
    QString page;
    QString catalogNumber;
    QString product;
    QString shade;
    QString size;
    QString notes;
    int quantity = 0; // ordered
    Currency unitPrice;
    Currency regPrice;
    Currency specialPrice;
    Currency unitTotal;
    QString internalFlag;
    bool tax1 = false;
    bool tax2 = false;
    bool printed = false;
    bool summaryPrinted = false;
    Currency discountPercent;
    Currency discountApplied;
    QString discountMessage;
    QString taxMessage;
    bool includeOnOrder = false;
    int supplies = 0;
    int priceQuantity = 0; // charged
    QString backOrderFlag;
    QString earningsFlag;
    QString boMessage;
    QString businessHelper;
    int businessHelperNumber = 0;
    Currency enteredUnitPrice;
    QString enteredPage;
    QString enteredUsedLowerPrice;
    int usedFromInventory = 0;
    int fromCampaign = 0;
    Currency paymentAmount;
    bool paymentDelivered = false;
    int paymentBanked = 0;
    QString paymentType;
    QString paymentCheckNumber;
    QDateTime paymentDate;
    Currency paymentGrandTotal;
    QString baselinePriceUsedFlag;
    QDateTime enteredDate;
    QDateTime modifiedDate;
    QString savingsMessage;
    QString delivered;

    Campaign campaign() const { return {campaignYear, campaignNumber}; }

    // The columns of Orders (and of the work tables with its layout) and the members holding them.
    static const RecordMap<OrderRow> &map();
    // Reads a row of Orders or of a work table with its layout; Null columns read as empty or 0.
    static OrderRow fromRecord(const RecordSet &record);
    // Every column in table order, texts cut to their field sizes.
    QVariantList values() const;
    // "Insert Into [<table>] (every column) Values (?, ...)".
    static QString insertSql(const QString &table);

    bool operator==(const OrderRow &) const = default;
};

} // namespace zel
