#pragma once

#include "transmit/transmit_row.h"

#include <QList>
#include <QString>

#include <optional>
#include <vector>

namespace zel {

class cDataAccess;

namespace transmit {

struct TransmitCountry;
class ValidCampaigns;

// rptOrderTransmit: the order summary checked product by product and split into web pages.
class TransmitList
{
public:
    static const QString kTable; // "rptOrderTransmit"

    explicit TransmitList(cDataAccess &data);

    // The exception text of a row (quantity, product number, check digit, campaign), or an empty
    // text when the row can be sent.
    static QString exceptionOf(const TransmitRow &row, const TransmitCountry &country, const ValidCampaigns &valid);

    // Rebuilds the table from rptOrderSummary, marks the exceptions and numbers the pages. Returns
    // the page numbers, or nothing when a statement failed (the change is then rolled back).
    std::optional<QList<int>> prepare(const TransmitCountry &country, const ValidCampaigns &valid);

    // Every row in page order, or only the exceptions in catalogue order.
    std::vector<TransmitRow> rows(bool exceptionsOnly) const;
    // The rows to send on one page, in the order they go.
    std::vector<TransmitRow> pageRows(int page) const;
    // The page numbers of the prepared table, in order.
    QList<int> pages() const;
    // Writes a row's ProductStatus. Returns false when the statement failed.
    bool setStatus(int rowId, const QString &status) const;

private:
    bool rebuild() const;
    std::vector<TransmitRow> readRows(const QString &sql, const QVariantList &parameters = {}) const;
    bool store(const TransmitRow &row) const;

    cDataAccess &m_data;
};

} // namespace transmit
} // namespace zel
