#pragma once

#include <QString>

#include <functional>

namespace zel {

class AppState;

// How much sample business to make: customers, years of campaigns up to today's campaign.
struct SampleSize
{
    int customers = 40;
    int years = 2;
    int campaignsPerYear = 26;
    int productsPerCampaign = 120;
    double orderChance = 0.35; // a customer's chance of ordering in a campaign
    quint32 seed = 2008;
};

// Creates `path` (which must not exist yet) and fills it with a realistic representative's business through the
// program's own operations: options, customers with helpers and tax rates, a catalogue per
// campaign, orders computed with back orders and discounts, payments and some credits. Orders
// fall inside their campaign's period and never after today. The SQL log is left out while the
// rows are written; the MSG log gets one summary line. `progress` hears about each campaign.
// Returns false (after saying why) when it cannot.
bool generateSample(AppState &state, const QString &path, const SampleSize &size,
                    const std::function<void(const QString &)> &progress = {});

} // namespace zel
