#include "earnings/expense_totals.h"

#include "earnings/campaign_totals.h"
#include "shell/data_access.h"

namespace zel {

namespace {
const QString kProcedure = QStringLiteral("ExpenseTotals");
}

std::vector<AmountDue> ExpenseTotals::load(cDataAccess &data, int year)
{
    CampaignTotals::ensureRows(data, year);
    data.setSQL(QStringLiteral("Select * From Totals  Where [Totals Campaign Year] = ? Order by [Totals Campaign Number] "), {year});
    RecordSet records = data.GetSnapShot(kProcedure);
    std::vector<AmountDue> rows;
    while (records.next())
        rows.push_back({records.value(QStringLiteral("Totals Campaign Year")).toInt(),
                        records.value(QStringLiteral("Totals Campaign Number")).toInt(),
                        Currency::fromDouble(records.value(QStringLiteral("Totals Due")).toDouble())});
    return rows;
}

bool ExpenseTotals::store(cDataAccess &data, const AmountDue &row)
{
    return data.exec(kProcedure,
                     QStringLiteral("Update Totals Set [Totals Due] = ? Where [Totals Campaign Year] = ? And "
                                    "[Totals Campaign Number] = ?"),
                     {row.due.toDouble(), row.year, row.number});
}

} // namespace zel
