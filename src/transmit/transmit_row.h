#pragma once

#include "core/currency.h"
#include "db/record_map.h"

#include <QString>

namespace zel::transmit {

// One row of rptOrderTransmit: a line of the order summary with its sending state.
struct TransmitRow
{
    int campaignYear = 0;
    int campaignNumber = 0;
    int fromCampaign = 0;
    QString page;
    QString catalogNumber;
    int quantity = 0;
    QString product;
    QString shade;
    QString size;
    int customerNumber = 0;
    Currency totalOfOrders;
    bool transmit = true;   // false for an exception
    int webPageNo = 0;      // 0 for an exception
    QString productStatus;  // the exception text, or the browser's last message
    int webSeq = 0;         // the row's place in the order read
    int rowId = 0;          // the table's rowid, to write the state back
};

// The columns of rptOrderTransmit onto TransmitRow (rowid read as [RowId]).
const RecordMap<TransmitRow> &transmitRowMap();

} // namespace zel::transmit
