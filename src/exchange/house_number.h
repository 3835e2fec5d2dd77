#pragma once

#include <QString>

namespace zel::exchange {

// An address line taken apart into its house number and the rest.
struct StreetAddress
{
    QString houseNumber; // '' when the line does not start with a number (or starts with 0)
    QString street;
};

// The leading number of the text as Basic's Val reads it: blanks anywhere are skipped, then an
// optional sign, digits and one decimal point; 0 when there is none.
double leadingNumber(const QString &text);

// The house number is the line's leading number as text; every occurrence of it is then removed
// from the line and the rest, trimmed, is the street ("12 Oak 12" gives "12" and "Oak").
StreetAddress splitHouseNumber(const QString &line);

} // namespace zel::exchange
