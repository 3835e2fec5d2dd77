#pragma once

#include "core/campaign.h"

#include <QString>
#include <QStringList>
#include <QVariantList>

#include <optional>
#include <vector>

namespace zel {

class cDataAccess;

namespace exchange {

// What an import did to the catalogue.
struct ProductImportCounts
{
    int read = 0;
    int added = 0;
    int updated = 0;
    int skipped = 0; // rows without a catalogue number
};

// Merges rows of a product database into Products: each row under its normalised catalogue
// number, in its own campaign or the one assigned to the import. A product not on file is added
// with every column the two tables share; one on file takes those columns but keeps the
// representative's quantity on hand. Both are marked for the baseline update. The caller owns
// the transaction.
class ProductMerge
{
public:
    ProductMerge(cDataAccess &data, const QStringList &sourceColumns, bool useDashes, std::optional<Campaign> assigned);

    // False when a statement failed.
    bool add(const QVariantList &row);
    const ProductImportCounts &counts() const { return m_counts; }

private:
    struct Shared
    {
        int source;
        int target;
    };
    std::optional<QVariantList> onFile(const QVariantList &key);
    QVariant fitted(int target, const QVariant &value) const;

    cDataAccess &m_data;
    bool m_useDashes;
    std::optional<Campaign> m_assigned;
    std::vector<Shared> m_shared;
    int m_sourceYear = -1;
    int m_sourceNumber = -1;
    int m_sourceCatalog = -1;
    QVariantList m_defaults; // a new product's values, in table order
    QString m_updateSql;
    ProductImportCounts m_counts;
};

} // namespace exchange
} // namespace zel
