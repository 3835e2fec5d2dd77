#pragma once

#include "core/currency.h"

#include <QString>

#include <optional>

namespace zel {

class cDataAccess;

// What the representative passes on to a business helper: a percentage per earnings type.
class HelperPercents
{
public:
    // The helper's earnings on a set of orders of one type: percent × their unit total / 100, kept
    // to the ten-thousandth (callers that print it round to cents).
    static Currency earnings(Currency percent, Currency unitTotal);
    // The helper's percentage on a type; nothing when the helper has no row for it.
    static std::optional<Currency> percentOf(cDataAccess &data, int helper, const QString &typeCode);
    // The helper's earnings on a type's unit total (0 without a percentage).
    static Currency helperEarnings(cDataAccess &data, int helper, const QString &typeCode, Currency unitTotal);
};

} // namespace zel
