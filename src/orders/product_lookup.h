#pragma once

#include "orders/product.h"

#include <optional>
#include <vector>

namespace zel {

class cDataAccess;
class cOption;
class Prompter;

// A product found for a typed order line.
struct ProductFound
{
    Product product;
    bool fromBaseline = false; // the current campaign does not have it
    int stockOnHand = 0;       // from the Inventory table
};

// ProductLookup: the current campaign's product of a typed catalog number in any of its three
// forms, else its baseline row; nothing when neither exists.
std::optional<ProductFound> ProductLookup(cDataAccess &data, const cOption &options, const QString &typed);
// The same by exact description.
std::optional<ProductFound> lookupByDescription(cDataAccess &data, const cOption &options, const QString &description);

// The earlier campaigns searched for a lower price, nearest first: up to three, going back one
// number at a time and before number 1 to the previous year's last campaign.
std::vector<Campaign> lowerPriceCampaigns(const Campaign &current, int lastNumberOfYear, int count);

struct LowerPrice
{
    Currency price;
    int campaignNumber = 0;
    QString page;
};

// Find_Lower_Prices: offers, campaign by campaign, a lower non-zero price the product had; the
// answers are applied in the order of the search, so the last one accepted is returned.
std::optional<LowerPrice> Find_Lower_Prices(cDataAccess &data, const cOption &options, Prompter &prompter,
                                            const Product &current, const Currency &price);

} // namespace zel
