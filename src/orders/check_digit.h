#pragma once

#include <QString>

namespace zel {

// The company's product numbers in the United States carry a check digit in their sixth place.
// Order entry marks a number that fails it, and the web order refuses it, with the same rule.
class CheckDigit
{
public:
    // Only the characters 0 to 9 of `catalogNumber`, in order (a dash or a "^" mark is dropped).
    static QString digitsOf(const QString &catalogNumber);
    // True for exactly six digits d1..d6 where d6 = 11 - ((2·d1 + 3·d2 + 4·d3 + 5·d4 + 6·d5) mod 11),
    // an 11 or 10 counting as 0.
    static bool isValid(const QString &sixDigits);
};

} // namespace zel
