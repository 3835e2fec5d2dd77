#include "earnings/campaign_totals.h"

#include "shell/data_access.h"
#include "shell/database_connection.h"
#include "shell/transaction.h"

namespace zel {

bool CampaignTotals::ensureRows(cDataAccess &data, int year)
{
    const QString procedure = QStringLiteral("CampaignTotals::ensureRows");
    const QString count = QStringLiteral("Select Count(*) as CountEm From Totals Where [Totals Campaign Year] = ? ");
    if (data.number(procedure, count, {year}) > 0)
        return true;

    Transaction transaction(data.database().handle());
    const QString insert = QStringLiteral(
        "Insert Into Totals ([Totals Campaign Year], [Totals Campaign Number], [Totals Due]) Values (?, ?, 0)");
    for (int number = 1; number <= kRowsPerYear; ++number) {
        if (!data.exec(procedure, insert, {year, number}))
            return false;
    }
    return transaction.commit();
}

} // namespace zel
