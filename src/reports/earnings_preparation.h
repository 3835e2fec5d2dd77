#pragma once

#include "core/currency.h"
#include "reports/helper_filter.h"

#include <QString>

#include <optional>
#include <vector>

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

// One earnings type's line: its unit total, its tier percent and what it earned.
struct EarningsLine
{
    QString typeCode;
    QString description;
    Currency unitTotal;
    Currency percent;
    Currency earned;
};

struct EarningsFigures
{
    Currency volume; // the sales volume the tiers are chosen by
    std::vector<EarningsLine> lines;
    Currency earned() const;
};

// The earnings of the selected order lines, read from the orders without writing anything.
std::optional<EarningsFigures> computeEarnings(cDataAccess &data, const EarningsSelection &selection);

// Rebuilds rptEarnings: one row per earnings type of the selected order lines with its unit total,
// its tier percent chosen by the sales volume (the types counted in the sales total only), and the
// earnings rounded to cents after the multiplication. Returns the sales volume; nothing when a
// statement failed.
std::optional<Currency> prepareEarnings(cDataAccess &data, const EarningsSelection &selection);

} // namespace zel
