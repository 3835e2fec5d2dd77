#pragma once

// A Qt header first: moc cannot read <compare> when it comes before any of them.
#include <QtGlobal>

#include <compare>

namespace zel {

// A company ordering period: a number within a year, 1 up to the last campaign number of that year.
struct Campaign
{
    int year = 0;
    int number = 0;

    // The year followed by the number as two digits: 2007 and 5 give 200705.
    constexpr int key() const { return year * 100 + number; }
    static constexpr Campaign fromKey(int key) { return {key / 100, key % 100}; }

    // The campaign before this one; before number 1 comes the previous year's last campaign.
    constexpr Campaign previous(int lastNumberOfYear) const
    {
        return number <= 1 ? Campaign{year - 1, lastNumberOfYear} : Campaign{year, number - 1};
    }
    // The campaign after this one; after the year's last campaign comes number 1 of the next year.
    constexpr Campaign next(int lastNumberOfYear) const
    {
        return number >= lastNumberOfYear ? Campaign{year + 1, 1} : Campaign{year, number + 1};
    }
    // Steps back `count` campaigns.
    constexpr Campaign back(int count, int lastNumberOfYear) const
    {
        Campaign c = *this;
        for (int i = 0; i < count; ++i)
            c = c.previous(lastNumberOfYear);
        return c;
    }

    constexpr auto operator<=>(const Campaign &) const = default;
};

} // namespace zel
