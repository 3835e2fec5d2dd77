#pragma once

#include <QString>

namespace zel {

class AppState;
class cDataAccess;
class cOption;
class Prompter;
struct Product;

// Adds the baseline row (campaign 0/0) of a product, or refreshes its description from the product
// when it exists and holds no stock, then gathers the product's whole stock onto the baseline row.
bool Ms_BaseLine_Products(cDataAccess &data, const cOption &options, const Product &product);

// Carries every campaign row marked for the baseline into its baseline row, oldest campaign first,
// showing progress every 100 rows; `mode` is "UTILITY" or "UPGRADE". One transaction.
bool BaselineUpdateAll(cDataAccess &data, Prompter &prompter, const QString &mode);
// The same inside a transaction the caller owns (an import that is one transaction as a whole).
bool BaselineUpdateAllWithin(cDataAccess &data, Prompter &prompter, const QString &mode);
// The catalogue screen's pass over every marked row, run when the screen closes.
bool UpdateBaseLine(cDataAccess &data, Prompter &prompter);

// Puts the products typed on an order (the working lines of OrdersWork1) into the current
// campaign's catalogue and refreshes their baselines.
bool Ms_Add_To_Products(cDataAccess &data, const cOption &options);

} // namespace zel
