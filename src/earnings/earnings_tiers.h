#pragma once

#include "core/currency.h"

#include <QString>

namespace zel {

class cDataAccess;
struct EarningsRow;

namespace earnings {

// The percent of the first tier whose level is not below `salesVolume`; 0 when the volume is above
// every level (the unused tiers have level 0, so a volume past the last used one earns nothing).
Currency tierPercent(const EarningsRow &row, Currency salesVolume);

// Adds the 'F' and 'R' schedules when no 'R' type exists, after giving every type without an
// "Include In Sales Total" answer 'Y'. False when a statement failed.
bool ensureDefaultTypes(cDataAccess &data);

} // namespace earnings
} // namespace zel
