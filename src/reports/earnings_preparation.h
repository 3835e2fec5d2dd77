#pragma once

#include "core/currency.h"
#include "reports/helper_filter.h"

#include <optional>

namespace zel {

class cDataAccess;

// What the earnings report is prepared for: a campaign year and number (0 for every one), whether
// returns (negative lines) count, and the business-helper filter.
struct EarningsSelection
{
    int year = 0;
    int number = 0;
    bool includeReturns = false;
    reports::HelperFilter helper;
};

// Rebuilds rptEarnings: one row per earnings type of the selected order lines with its unit total,
// its tier percent chosen by the sales volume (the types counted in the sales total only), and the
// earnings rounded to cents after the multiplication. Returns the sales volume; nothing when a
// statement failed.
std::optional<Currency> prepareEarnings(cDataAccess &data, const EarningsSelection &selection);

} // namespace zel
