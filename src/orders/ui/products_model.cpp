#include "orders/ui/products_model.h"

#include "orders/product_catalogue.h"

namespace zel {

namespace {

std::vector<GridColumn<Product>> productColumns()
{
    using namespace grid;
    const QString &refused = catalogue::kRejectedRow;
    return {whole(QStringLiteral("Campaign Year"), &Product::campaignYear, refused),
            whole(QStringLiteral("Campaign Number"), &Product::campaignNumber, refused),
            text(QStringLiteral("Product Number"), &Product::catalogNumber),
            upperText(QStringLiteral("EL"), &Product::earningsFlag),
            text(QStringLiteral("Page"), &Product::page),
            text(QStringLiteral("Description"), &Product::description),
            text(QStringLiteral("Shade Fragrance"), &Product::shade),
            text(QStringLiteral("Size"), &Product::size),
            text(QStringLiteral("Notes"), &Product::notes),
            flag(QStringLiteral("Tax 1"), &Product::tax1),
            flag(QStringLiteral("Tax 2"), &Product::tax2),
            money(QStringLiteral("Unit Price"), &Product::lastPrice, refused),
            money(QStringLiteral("Special Price"), &Product::specialPrice, refused),
            money(QStringLiteral("Reg Price"), &Product::regPrice, refused),
            flag(QStringLiteral("Delete"), &Product::deleteFlag),
            upperText(QStringLiteral("Baseline Update"), &Product::baselineUpdate)};
}

Product blankProduct(const Campaign &campaign)
{
    Product blank;
    blank.campaignYear = campaign.year;
    blank.campaignNumber = campaign.number;
    blank.earningsFlag = QStringLiteral("R");
    return blank;
}

} // namespace

ProductsModel::ProductsModel(cDataAccess &data, std::function<void(const QString &)> tell, QObject *parent)
    : RecordGridModel<Product>(productColumns(), std::move(tell), parent), m_data(data)
{
}

int ProductsModel::addBlankRow(const Campaign &campaign)
{
    return appendRow(blankProduct(campaign), true);
}

int ProductsModel::firstUnsavedRow() const
{
    for (int row = 0; row < rowCount(); ++row)
        if (isPending(row) && !(product(row) == blankProduct(product(row).campaign())))
            return row;
    return -1;
}

void ProductsModel::dropPendingRows()
{
    for (int row = rowCount() - 1; row >= 0; --row)
        if (isPending(row))
            removeRowAt(row);
}

bool ProductsModel::commit(int row, Product edited, int column)
{
    // An edited campaign row is carried into its baseline when the screen closes.
    if (column != BaselineUpdate && !edited.isBaseline())
        edited.baselineUpdate = QStringLiteral("Y");
    if (isPending(row) && edited.catalogNumber.isEmpty()) {
        replaceRow(row, std::move(edited), true); // not a product yet: nothing to store
        return true;
    }
    if (const QString message = catalogue::checkRow(m_data, edited); !message.isEmpty()) {
        tell(message);
        return false;
    }
    if (const QString adjusted = catalogue::alignBaselinePrice(edited); !adjusted.isEmpty())
        tell(adjusted);
    const std::optional<Product> original = isPending(row) ? std::nullopt : std::optional<Product>(product(row));
    if (!catalogue::saveRow(m_data, original, edited)) {
        tell(catalogue::kRejectedRow);
        return false;
    }
    replaceRow(row, std::move(edited), false);
    emit stored();
    return true;
}

} // namespace zel
