#pragma once

#include <vector>

namespace zel::sample {

// One kind of product of the sample catalogue, with the sizes it really comes in.
struct ProductKind
{
    const char *name;                    // "Lipstick"; the last words of every description
    std::vector<const char *> sizes;     // "3.6 g", "50 ml"
    const std::vector<const char *> *shades; // lip colours, fragrances, ...
    int minCents;
    int maxCents;
    bool taxable;
};

// A town near the representative, with its postal code and telephone area code.
struct Town
{
    const char *city;
    const char *state;
    int zipCode;
    int areaCode;
};

const std::vector<ProductKind> &productKinds();
const std::vector<const char *> &productLines(); // "Velvet", "Silk": the first word of a description
const std::vector<const char *> &firstNames();
const std::vector<const char *> &lastNames();
const std::vector<const char *> &streets();
const std::vector<Town> &towns();

} // namespace zel::sample
