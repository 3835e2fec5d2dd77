#pragma once

#include "orders/product.h"

#include <QString>
#include <QVariantList>

#include <optional>
#include <vector>

namespace zel {

class AppState;
class cDataAccess;
class cOption;
class Prompter;

// What the catalogue screen can show: a statement and its values.
struct ProductQuery
{
    QString sql;
    QVariantList parameters;
};

namespace catalogue {

enum class Filter {
    CampaignYear, CampaignNumber, ProductNumber, EarningsLevel, Page, Description, Shade, Size, Notes, Tax1, Tax2,
    UnitPrice, SpecialPrice, RegularPrice
};

struct FilterText
{
    Filter filter;
    const char *menu;  // "&By #### Year"
    const char *title; // the input box's title
};
const std::vector<FilterText> &filters();

ProductQuery showAll();
ProductQuery currentCampaign(const cOption &options);
ProductQuery baseline();
ProductQuery noRows(); // the empty grid of data entry
// The statement of a filter for the user's answer; nothing when the answer cannot be used.
std::optional<ProductQuery> filtered(Filter filter, const QString &answer);

std::vector<Product> load(cDataAccess &data, const ProductQuery &query);
int productCount(cDataAccess &data);

// The rules of a grid row: empty when the row may be stored, else the message to show.
QString checkRow(cDataAccess &data, const Product &row);
// A baseline row sells at its regular price; returns the message when the unit price was adjusted.
QString alignBaselinePrice(Product &row);
inline const QString kRejectedRow = QStringLiteral(
    "Duplicate Campaign Year/Campaign Number/Product Number combination or Invalid Data.\nUse ESC to undo last cell change. "
    "Use ESC twice to cancel edits on current row.");

// Stores an edited row over its original (found by the original's key), or adds a new one.
// Returns false, changing nothing, when the database refuses it (a duplicate key).
bool saveRow(cDataAccess &data, const std::optional<Product> &original, const Product &row);

// "&Add": a new baseline product from five questions. Returns the row added.
std::optional<Product> addProduct(cDataAccess &data, Prompter &prompter, const QString &catalogNumber);

// Copies one campaign's products into another, asking for both campaigns and whether pages are kept.
bool CopyProductsToNextCampaign(cDataAccess &data, Prompter &prompter);

// Fills the empty columns of every product and removes the rows marked for deletion.
bool Ms_Fix_Nulls(cDataAccess &data);

} // namespace catalogue
} // namespace zel
