#include "reports/invoice_mail_record.h"

#include "shell/data_access.h"
#include "shell/database_connection.h"
#include "shell/record_set.h"

namespace zel::reports {

namespace {
const QString kProcedure = QStringLiteral("Invoice Mail");
} // namespace

bool InvoiceMailRecord::hasTable()
{
    return m_data.database().hasTable(kTable);
}

bool InvoiceMailRecord::ensureTable()
{
    return m_data.exec(kProcedure, QStringLiteral("Create Table If Not Exists [Invoice Mail Log] ([Mail Customer Number] INTEGER NOT "
                                                  "NULL, [Mail Campaign Year] INTEGER NOT NULL, [Mail Campaign Number] INTEGER NOT "
                                                  "NULL, [Mail Address] TEXT, [Mail Sent] TEXT, [Mail Message Id] TEXT, Primary Key "
                                                  "([Mail Campaign Year], [Mail Campaign Number], [Mail Customer Number]))"));
}

std::set<int> InvoiceMailRecord::sentCustomers(const Campaign &campaign)
{
    std::set<int> sent;
    // Reading must not create the table: a database only looked at stays as it was.
    if (!hasTable())
        return sent;
    m_data.setSQL(QStringLiteral("Select [Mail Customer Number] From [Invoice Mail Log] Where [Mail Campaign Year] = ? And [Mail "
                                 "Campaign Number] = ?"),
                  {campaign.year, campaign.number});
    RecordSet rows = m_data.GetSnapShot(kProcedure);
    while (rows.next())
        sent.insert(rows.value(0).toInt());
    return sent;
}

bool InvoiceMailRecord::recordSent(const Campaign &campaign, int customer, const QString &address, const QDateTime &when,
                                   const QString &messageId)
{
    return ensureTable()
        && m_data.exec(kProcedure,
                       QStringLiteral("Insert Or Replace Into [Invoice Mail Log] ([Mail Customer Number], [Mail Campaign Year], [Mail "
                                      "Campaign Number], [Mail Address], [Mail Sent], [Mail Message Id]) Values (?, ?, ?, ?, ?, ?)"),
                       {customer, campaign.year, campaign.number, address, when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                        messageId});
}

bool InvoiceMailRecord::forget(const Campaign &campaign)
{
    if (!hasTable())
        return true;
    return m_data.exec(kProcedure,
                       QStringLiteral("Delete From [Invoice Mail Log] Where [Mail Campaign Year] = ? And [Mail Campaign Number] = ?"),
                       {campaign.year, campaign.number});
}

} // namespace zel::reports
