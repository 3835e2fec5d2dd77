#include "transmit/valid_campaigns.h"

#include <QStringList>

namespace zel::transmit {

ValidCampaigns::ValidCampaigns(int currentNumber, int lastNumberOfYear)
{
    const int c = currentNumber;
    const int last = lastNumberOfYear;
    if (c >= 3)
        m_numbers = {c, c - 1, c - 2};
    else if (c == 2)
        m_numbers = {2, 1, last};
    else
        m_numbers = {1, last, last - 1};
}

int ValidCampaigns::indexOf(int number, bool addOn) const
{
    for (int i = 0; i < 3; ++i) {
        if (m_numbers.at(size_t(i)) == number)
            return addOn && i == 2 ? 0 : i;
    }
    return -1;
}

QString ValidCampaigns::invalidText() const
{
    return QStringLiteral("Invalid Campaign Number. Must be: %1,%2,%3").arg(at(0)).arg(at(1)).arg(at(2));
}

QString ValidCampaigns::label(bool withAddOn) const
{
    QStringList lines{QStringLiteral("Valid Campaigns: ")};
    for (int i = 0; i < 3; ++i)
        lines << QStringLiteral("  C=") + QString::number(at(i)) + (i == 2 && withAddOn ? QStringLiteral(" (No Add-on)") : QString());
    if (withAddOn)
        lines << QStringLiteral("Add On Order (C%1 / C%2 Only)").arg(at(0)).arg(at(1));
    return lines.join(QLatin1Char('\n'));
}

QString ValidCampaigns::addOnNote() const
{
    return QStringLiteral("Note: Add-On Orders only allow two campaigns. Current and Previous, ") + QStringLiteral("C")
         + QString::number(at(2)) + QStringLiteral(" Will be processed as C") + QString::number(at(0))
         + QStringLiteral(" if present.");
}

} // namespace zel::transmit
