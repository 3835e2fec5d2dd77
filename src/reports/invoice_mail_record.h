#pragma once

#include "core/campaign.h"

#include <QDateTime>
#include <QString>

#include <set>

namespace zel {

class cDataAccess;

namespace reports {

// Which customers' invoices of a campaign the mail server has accepted, kept in the database's
// own table "Invoice Mail Log" so that sending again, after a failure or a restart, offers only
// the others. The table is made on first use: it is not part of the schema (no upgrade needed),
// its name is not one of the work tables deleted at exit, and compacting, backing up and the
// rescue keep it as they keep any table.
class InvoiceMailRecord
{
public:
    static inline const QString kTable = QStringLiteral("Invoice Mail Log");

    explicit InvoiceMailRecord(cDataAccess &data) : m_data(data) {}

    // The customers recorded as sent in the campaign; empty when there is no record yet.
    std::set<int> sentCustomers(const Campaign &campaign);
    // Records one accepted message at once (its own statement, committed before the next message
    // goes). Returns false when it could not be written.
    bool recordSent(const Campaign &campaign, int customer, const QString &address, const QDateTime &when,
                    const QString &messageId);
    // Forgets the campaign's record, so that every invoice is offered again.
    bool forget(const Campaign &campaign);

private:
    bool ensureTable();
    bool hasTable();

    cDataAccess &m_data;
};

} // namespace reports
} // namespace zel
