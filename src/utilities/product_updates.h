#pragma once

#include "core/campaign.h"
#include "core/currency.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace zel {

class AppState;
struct OrderRow;
struct Product;

namespace utilities {

// The new values of a product update or short: each value given replaces its column on every line
// of the product.
struct ProductChange
{
    std::optional<QString> page;
    std::optional<QString> description;
    std::optional<QString> shade;
    std::optional<QString> size;
    std::optional<int> orderQuantity;
    std::optional<int> priceQuantity;
    std::optional<Currency> price;
    bool unavailable = false;

    bool isEmpty() const;
    // "New Page: 12", ... one line per value given, for the confirmations.
    QStringList describe() const;
};

// One order line of the product, as the customers grid shows it; `update` is the user's tick.
struct ProductLine
{
    QString fullName;
    int customer = 0;
    int year = 0;
    int number = 0;
    int order = 0;
    int fromCampaign = 0;
    int quantity = 0;
    Currency price;
    bool update = false;
};

// Carries a change of one product into the ticked customers' orders of a campaign and computes
// those orders again: as an update (new values, or unavailable) or as a short (the lines go back
// ordered into a later campaign).
class ProductUpdates
{
public:
    explicit ProductUpdates(AppState &state) : m_state(state) {}

    // The products ordered in a campaign; with `sayWhenNone`, says so when there are none.
    QStringList productsOf(const Campaign &campaign, bool sayWhenNone = true);
    // The catalogue's entry of the product in that campaign, to fill the entry fields.
    std::optional<Product> catalogueEntry(const Campaign &campaign, const QString &product);
    // Every order line of the product in the campaign, none ticked.
    std::vector<ProductLine> linesOf(const Campaign &campaign, const QString &product);

    // The "Update" command: confirms, then recomputes each ticked order; the number of orders
    // updated, or nothing when it stopped before changing anything.
    std::optional<int> update(const Campaign &campaign, const QString &product, const ProductChange &change,
                              const std::vector<ProductLine> &lines);
    // The shorted-products command: the ticked orders' lines of the product become back orders
    // delivered in `arrival`, which must be later than `campaign`.
    std::optional<int> shortProduct(const Campaign &campaign, const QString &product, const std::optional<Campaign> &arrival,
                                    const ProductChange &change, const std::vector<ProductLine> &lines);

private:
    enum class Outcome { Changed, NothingToChange, Failed };

    bool confirm(const QStringList &text);
    // Every ticked order in one transaction: all of them change, or (after a failure) none.
    std::optional<int> apply(bool shorts, const Campaign &campaign, const QString &product, const ProductChange &change,
                             const std::vector<ProductLine> &lines, const Campaign &backOrderCampaign);
    Outcome applyToOrder(bool shorts, const ProductLine &order, const QString &product, const ProductChange &change,
                         const Campaign &backOrderCampaign);
    void changeLine(bool shorts, OrderRow &line, const ProductChange &change) const;

    AppState &m_state;
};

} // namespace utilities
} // namespace zel
