#pragma once

#include "core/currency.h"

#include <vector>

namespace zel {

class cDataAccess;

// What the representative owes the company for one campaign, as the campaign totals tab of the
// business records screen shows and edits it.
struct AmountDue
{
    int year = 0;
    int number = 0;
    Currency due;

    bool operator==(const AmountDue &) const = default;
};

// The campaign totals tab: the Totals rows of a year, each stored as it is typed.
class ExpenseTotals
{
public:
    // The year's rows by campaign number, after giving a year without any its thirty rows.
    static std::vector<AmountDue> load(cDataAccess &data, int year);
    // Stores the amount due of the row's campaign.
    static bool store(cDataAccess &data, const AmountDue &row);
};

} // namespace zel
