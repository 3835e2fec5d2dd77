#include "transmit/transmit_list.h"

#include "orders/check_digit.h"
#include "shell/data_access.h"
#include "shell/database_connection.h"
#include "shell/transaction.h"
#include "transmit/transmit_country.h"
#include "transmit/valid_campaigns.h"

namespace zel::transmit {

namespace {

const char *const kProcedure = "TransmitList";

const QString kSelect = QStringLiteral("Select *, rowid As [RowId] From [rptOrderTransmit] ");

// Assigns pages to the rows to send, in the order read: a page is full at the country's limit, and
// a product of another campaign starts a new one, since the site's form holds one campaign choice.
class Pager
{
public:
    explicit Pager(int limit) : m_limit(limit) {}

    int place(int fromCampaign)
    {
        ++m_count;
        if (m_page == 0 || m_count > m_limit || fromCampaign != m_fromCampaign) {
            ++m_page;
            m_pages << m_page;
            m_count = 1;
        }
        m_fromCampaign = fromCampaign;
        return m_page;
    }
    const QList<int> &pages() const { return m_pages; }

private:
    int m_limit;
    int m_count = 0;
    int m_page = 0;
    int m_fromCampaign = 0;
    QList<int> m_pages;
};

} // namespace

const QString TransmitList::kTable = QStringLiteral("rptOrderTransmit");

TransmitList::TransmitList(cDataAccess &data) : m_data(data) {}

QString TransmitList::exceptionOf(const TransmitRow &row, const TransmitCountry &country, const ValidCampaigns &valid)
{
    if (row.quantity < 1)
        return QStringLiteral("Quantity Less Than One");
    const QString digits = CheckDigit::digitsOf(row.catalogNumber.trimmed());
    if (digits.isEmpty())
        return QStringLiteral("No Product #");
    if (digits.size() != country.productDigits)
        return country.digitsText();
    if (country.checkDigit && !CheckDigit::isValid(digits))
        return QStringLiteral("Product # Invalid Check Digit");
    if (!valid.contains(row.fromCampaign))
        return valid.invalidText();
    return {};
}

bool TransmitList::rebuild() const
{
    return m_data.exec(kProcedure, QStringLiteral("Drop Table If Exists [rptOrderTransmit]"))
        && m_data.exec(kProcedure,
                       QStringLiteral("Create Table [rptOrderTransmit] As Select *, -1 As [Transmit], 99999 As [WebPageNo], "
                                      "'    ' As [ProductStatus], 99999 As [WebSeq] From rptOrderSummary"))
        && m_data.exec(kProcedure, QStringLiteral("Update rptOrderTransmit Set [Transmit] = -1"))
        && m_data.exec(kProcedure, QStringLiteral("Update rptOrderTransmit Set [WebPageNo] = 0"));
}

std::optional<QList<int>> TransmitList::prepare(const TransmitCountry &country, const ValidCampaigns &valid)
{
    Transaction transaction(m_data.database().handle());
    if (!rebuild())
        return std::nullopt;
    std::vector<TransmitRow> rows =
        readRows(kSelect + QStringLiteral("Order By [Orders Campaign Year], [Orders Campaign Number], [Orders From Campaign], "
                                          "[Orders Catalog Number], [Orders Product], [Orders Shade], [Orders Size], "
                                          "[Orders Page]"));
    Pager pager(country.pageLimit);
    int sequence = 0;
    for (TransmitRow &row : rows) {
        row.productStatus = exceptionOf(row, country, valid);
        row.transmit = row.productStatus.isEmpty();
        row.webPageNo = row.transmit ? pager.place(row.fromCampaign) : 0;
        row.webSeq = ++sequence;
        if (!store(row))
            return std::nullopt;
    }
    if (!transaction.commit())
        return std::nullopt;
    return pager.pages();
}

bool TransmitList::store(const TransmitRow &row) const
{
    return m_data.exec(kProcedure,
                       QStringLiteral("Update [rptOrderTransmit] Set [Transmit] = ?, [WebPageNo] = ?, [ProductStatus] = ?, "
                                      "[WebSeq] = ? Where rowid = ?"),
                       {row.transmit ? -1 : 0, row.webPageNo, row.transmit ? QStringLiteral("    ") : row.productStatus,
                        row.webSeq, row.rowId});
}

std::vector<TransmitRow> TransmitList::rows(bool exceptionsOnly) const
{
    if (!exceptionsOnly)
        return readRows(kSelect + QStringLiteral("Order By [WebPageNo], [WebSeq]"));
    return readRows(kSelect + QStringLiteral("Where [Transmit] = 0 Order By [WebPageNo], [Orders Campaign Year], "
                                             "[Orders Campaign Number], [Orders From Campaign], [Orders Page], "
                                             "[Orders Catalog Number], [Orders Product], [Orders Shade], [Orders Size], "
                                             "[Orders Customer Number]"));
}

std::vector<TransmitRow> TransmitList::pageRows(int page) const
{
    return readRows(kSelect + QStringLiteral("Where [Transmit] <> 0 And [WebPageNo] = ? Order By [WebPageNo], [WebSeq]"),
                    {page});
}

QList<int> TransmitList::pages() const
{
    QList<int> pages;
    m_data.setSQL(QStringLiteral("Select Distinct [WebPageNo] From [rptOrderTransmit] Where [WebPageNo] > 0 "
                                 "Order By [WebPageNo]"));
    RecordSet records = m_data.GetSnapShot(kProcedure);
    while (records.next())
        pages << records.value(0).toInt();
    return pages;
}

bool TransmitList::setStatus(int rowId, const QString &status) const
{
    return m_data.exec(kProcedure, QStringLiteral("Update [rptOrderTransmit] Set [ProductStatus] = ? Where rowid = ?"),
                       {status, rowId});
}

std::vector<TransmitRow> TransmitList::readRows(const QString &sql, const QVariantList &parameters) const
{
    std::vector<TransmitRow> rows;
    m_data.setSQL(sql, parameters);
    RecordSet records = m_data.GetSnapShot(kProcedure);
    while (records.next())
        rows.push_back(transmitRowMap().read(records));
    return rows;
}

} // namespace zel::transmit
