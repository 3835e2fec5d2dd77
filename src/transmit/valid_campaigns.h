#pragma once

#include <QString>

#include <array>

namespace zel::transmit {

// The three campaign numbers whose products the site takes on this order, newest first: the
// current one and the two before it, wrapping to the previous year's last campaigns.
class ValidCampaigns
{
public:
    ValidCampaigns(int currentNumber, int lastNumberOfYear);

    int at(int index) const { return m_numbers.at(size_t(index)); }
    bool contains(int number) const { return indexOf(number, false) >= 0; }
    // "0", "1" or "2" as the site's campaign choice expects; an add-on order sends the third
    // campaign as the first. -1 for a campaign that is not valid.
    int indexOf(int number, bool addOn) const;

    // "Invalid Campaign Number. Must be: 5,4,3"
    QString invalidText() const;
    // The screen's label: "Valid Campaigns: " and a line per campaign, then the add-on line.
    QString label(bool withAddOn) const;
    // The note shown when the add-on box is ticked.
    QString addOnNote() const;

private:
    std::array<int, 3> m_numbers;
};

} // namespace zel::transmit
