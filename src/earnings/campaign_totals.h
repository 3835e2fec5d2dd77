#pragma once

namespace zel {

class cDataAccess;

// The Totals table holds what the representative owes the company per campaign. A year she has
// not touched yet gets thirty rows of 0 the first time a screen shows that year, so the amounts can
// be typed in place. A year that has any row is left alone, even with fewer than thirty: she may
// have deleted the ones she does not use.
class CampaignTotals
{
public:
    static constexpr int kRowsPerYear = 30;

    // Adds the year's rows when it has none. False when a statement failed (nothing is added then).
    static bool ensureRows(cDataAccess &data, int year);
};

} // namespace zel
