#pragma once

#include "core/campaign.h"
#include "core/currency.h"

#include <QString>
#include <QVariantList>

namespace zel {

class RecordSet;
template <typename T>
class RecordMap;

// One row of the Products table: a product of one campaign, or (campaign 0/0) its baseline.
struct Product
{
    int campaignYear = 0;
    int campaignNumber = 0;
    QString catalogNumber;
    QString page;
    QString description;
    QString shade; // shade, colour or fragrance
    QString size;
    QString notes;
    bool tax1 = false;
    bool tax2 = false;
    int quantityOnHand = 0;
    Currency lastPrice; // the selling price, shown as Unit Price
    Currency regPrice;
    Currency specialPrice;
    QString earningsFlag;
    bool deleteFlag = false;
    QString baselineUpdate = QStringLiteral("Y");

    bool isBaseline() const { return campaignYear == 0 && campaignNumber == 0; }
    Campaign campaign() const { return {campaignYear, campaignNumber}; }

    // The columns of Products and the members holding them.
    static const RecordMap<Product> &map();
    static Product fromRecord(const RecordSet &record);
    // Every column in table order, for an insert; texts cut to their field sizes.
    QVariantList values() const;
    // "[Products Campaign Year], ..." and "?, ..." in table order.
    static QString columnList();
    static QString placeholders();
    // "Insert Into Products (every column) Values (?, ...)", bound with values().
    static QString insertSql();

    bool operator==(const Product &) const = default;
};

} // namespace zel
