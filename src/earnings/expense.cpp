#include "earnings/expense.h"

#include "db/record_map.h"

namespace zel {

Expense Expense::blank(const Campaign &campaign, int counter, bool external, const QDate &today)
{
    Expense row;
    row.campaignYear = campaign.year;
    row.campaignNumber = campaign.number;
    row.counter = counter;
    row.include = external;
    row.date = QDateTime(today, QTime(0, 0));
    return row;
}

const RecordMap<Expense> &Expense::map()
{
    static const RecordMap<Expense> map(QStringLiteral("Expenses"), {
        field("Expenses Campaign Year", &Expense::campaignYear),
        field("Expenses Campaign Number", &Expense::campaignNumber),
        field("Expenses Counter", &Expense::counter),
        field("Expenses Description", &Expense::description),
        field("Expenses Payee", &Expense::payee),
        field("Expenses Category", &Expense::category),
        field("Expenses Amount", &Expense::amount),
        field("Expenses Include Flag", &Expense::include),
        field("Expenses Date", &Expense::date),
    });
    return map;
}

Expense Expense::fromRecord(const RecordSet &record)
{
    return map().read(record);
}

} // namespace zel
