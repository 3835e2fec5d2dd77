#include "transmit/transmit_row.h"

namespace zel::transmit {

const RecordMap<TransmitRow> &transmitRowMap()
{
    static const RecordMap<TransmitRow> map(QStringLiteral("rptOrderTransmit"),
                                            {field("Orders Campaign Year", &TransmitRow::campaignYear),
                                             field("Orders Campaign Number", &TransmitRow::campaignNumber),
                                             field("Orders From Campaign", &TransmitRow::fromCampaign),
                                             field("Orders Page", &TransmitRow::page),
                                             field("Orders Catalog Number", &TransmitRow::catalogNumber),
                                             field("SumOfOrders Quanity", &TransmitRow::quantity),
                                             field("Orders Product", &TransmitRow::product),
                                             field("Orders Shade", &TransmitRow::shade),
                                             field("Orders Size", &TransmitRow::size),
                                             field("Orders Customer Number", &TransmitRow::customerNumber),
                                             field("TotalOfOrders", &TransmitRow::totalOfOrders),
                                             field("Transmit", &TransmitRow::transmit),
                                             field("WebPageNo", &TransmitRow::webPageNo),
                                             field("ProductStatus", &TransmitRow::productStatus),
                                             field("WebSeq", &TransmitRow::webSeq),
                                             field("RowId", &TransmitRow::rowId)});
    return map;
}

} // namespace zel::transmit
