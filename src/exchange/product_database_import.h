#pragma once

#include "core/campaign.h"
#include "exchange/product_merge.h"

#include <QString>

#include <optional>

class QTemporaryDir;

namespace zel {

class AppState;

namespace exchange {

class ProductSource;

// The choices of the product database tab (or of `zel import products`).
struct ProductImportChoices
{
    std::optional<bool> useDashes; // "Use Dashes" or "No Dashes"; nothing when neither was chosen
    QString file;                  // empty: chosen in the file dialog
    // The campaign for a source without campaign columns; nothing: asked for.
    std::optional<Campaign> assigned;
};

// "&Import" of the product database tab: normalises the catalogue numbers on file, then merges the
// products of a .ZELPD file (or of the one file in a .ZIP archive) into Products and updates the
// baselines. The merge and the baseline update are one transaction.
class ProductDatabaseImport
{
public:
    explicit ProductDatabaseImport(AppState &state) : m_state(state) {}

    // The counts when the import completed; nothing when it was refused, cancelled or failed (the
    // user was told why, except when the file dialog was cancelled).
    std::optional<ProductImportCounts> run(const ProductImportChoices &choices);

private:
    QString chosenFile(const ProductImportChoices &choices);
    std::optional<QString> unzipped(const QString &zipPath, const QTemporaryDir &folder);
    bool confirmed(const QString &source);
    std::optional<Campaign> askCampaign();
    std::optional<int> askWhole(const QString &what, int lowest, int highest);
    std::optional<ProductImportCounts> merge(ProductSource &source, bool useDashes, std::optional<Campaign> assigned);

    AppState &m_state;
};

} // namespace exchange
} // namespace zel
