#pragma once

#include "core/campaign.h"
#include "core/currency.h"

#include <QDateTime>
#include <QString>

namespace zel {

class RecordSet;
template <typename T>
class RecordMap;

// One business expense of a campaign. The counter is unique in the whole database; the include
// flag puts the expense on the campaign totals report and into the "Expenses External" grid.
struct Expense
{
    int campaignYear = 0;
    int campaignNumber = 0;
    int counter = 0;
    QString description;
    QString payee;
    QString category;
    Currency amount;
    bool include = false;
    QDateTime date;

    Campaign campaign() const { return {campaignYear, campaignNumber}; }

    // A new row with every default: the campaign, the counter, empty texts, 0, the flag of its
    // grid, and today.
    static Expense blank(const Campaign &campaign, int counter, bool external, const QDate &today);

    // The columns of Expenses (and of its work tables) and the members holding them.
    static const RecordMap<Expense> &map();
    static Expense fromRecord(const RecordSet &record);

    bool operator==(const Expense &) const = default;
};

} // namespace zel
