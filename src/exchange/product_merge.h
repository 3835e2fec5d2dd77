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
    // The years a product's campaign may be of (besides the baseline's 0).
    static constexpr int kFirstYear = 1900;
    static constexpr int kLastYear = 2099;

    ProductMerge(cDataAccess &data, const QStringList &sourceColumns, bool useDashes, std::optional<Campaign> assigned);

    // False when a statement failed, or when the row holds a value its column cannot hold (a year
    // 99999, a price 'NaN'): refusal() then names the row and the value.
    bool add(const QVariantList &row);
    const ProductImportCounts &counts() const { return m_counts; }
    const QString &refusal() const { return m_refusal; }

private:
    struct Shared
    {
        int source;
        int target;
    };
    std::optional<QVariantList> onFile(const QVariantList &key);
    QVariant fitted(int target, const QVariant &value) const;
    // Why `value` cannot go into column `target`, or empty when it can.
    QString outOfRange(int target, const QVariant &value) const;
    bool refuse(const QString &catalog, const QString &why);

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
    QString m_refusal;
};

} // namespace exchange
} // namespace zel
