#pragma once

#include "core/campaign.h"

#include <QString>
#include <QStringList>

namespace zel {

class cDataAccess;

namespace transmit {

// One grouped line of the campaign's combined order, as the order summary writes it.
struct OrderSummaryLine
{
    int campaignYear = 0;
    int campaignNumber = 0;
    int fromCampaign = 0;
    QString page;
    QString catalogNumber;
    QString product;
    QString shade;
    QString size;
    int customerNumber = 0;
    int quantity = 0;       // SumOfOrders Quanity
    double totalOfOrders = 0; // TotalOfOrders
};

// The order summary table rptOrderSummary: its columns are defined here once, for the report that
// builds it and for the web submission that reads it.
class OrderSummaryTable
{
public:
    static const QString kName; // "rptOrderSummary"

    // The columns in table order, bracket-free.
    static QStringList columns();
    // "Create Table [rptOrderSummary] (...)" with every column and its SQLite type.
    static QString createSql();
    // Drops the table if present and creates it empty. Returns false when a statement failed.
    static bool recreate(cDataAccess &data);
    // Appends one line. Returns false when the statement failed.
    static bool insert(cDataAccess &data, const OrderSummaryLine &line);
    // The regular summary (positive prices, no back orders, every customer merged into customer 0)
    // of every order of `campaign`, grouped by from-campaign, page, catalog number, product, shade
    // and size. Returns the number of lines, or -1 when a statement failed.
    static int fillRegular(cDataAccess &data, const Campaign &campaign);
};

} // namespace transmit
} // namespace zel
