#include "orders/product_lookup.h"

#include "core/prompter.h"
#include "options/c_option.h"
#include "orders/catalog_number.h"
#include "shell/data_access.h"


namespace zel {

namespace {

const QString kFormsCondition = QStringLiteral("( [Products Catalog Number] = ? Or [Products Catalog Number] = ? Or "
                                               "[Products Catalog Number] = ? ) ");

std::optional<Product> firstProduct(cDataAccess &data, const QString &sql, const QVariantList &parameters)
{
    data.setSQL(sql, parameters);
    RecordSet rows = data.GetSnapShot(QStringLiteral("ProductLookup"));
    if (!rows.next())
        return std::nullopt;
    return Product::fromRecord(rows);
}

int stockOnHand(cDataAccess &data, const QStringList &forms)
{
    data.setSQL(QStringLiteral("Select Sum([Inventory Qty]) as CountEm From Inventory Where ( [Inventory Catalog Number] = ? "
                               "Or [Inventory Catalog Number] = ? Or [Inventory Catalog Number] = ? ) "),
                {forms[0], forms[1], forms[2]});
    RecordSet rows = data.GetSnapShot(QStringLiteral("ProductLookup"));
    return rows.next() ? rows.value(0).toInt() : 0;
}

QStringList describe(const QString &campaign, const Currency &price, const Product &p)
{
    return {QStringLiteral("Campaign: ") + campaign, QStringLiteral("Price: ") + price.toCurrencyText(),
            QStringLiteral("Product: ") + p.catalogNumber, QStringLiteral("Page: ") + p.page,
            QStringLiteral("Desc: ") + p.description, QStringLiteral("Shade: ") + p.shade, QStringLiteral("Size: ") + p.size};
}

} // namespace

std::optional<ProductFound> ProductLookup(cDataAccess &data, const cOption &options, const QString &typed)
{
    const QStringList forms = catalogNumberForms(typed);
    const QString sql = QStringLiteral("Select * From Products Where ") + kFormsCondition
                      + QStringLiteral("And [Products Campaign Year] = ? And [Products Campaign Number] = ?");
    std::optional<Product> product = firstProduct(data, sql, {forms[0], forms[1], forms[2], options.CurrentCampaignYear,
                                                              options.CurrentCampaignNumber});
    bool fromBaseline = false;
    if (!product) {
        product = firstProduct(data, sql, {forms[0], forms[1], forms[2], 0, 0});
        fromBaseline = product.has_value();
    }
    if (!product)
        return std::nullopt;
    return ProductFound{*product, fromBaseline, stockOnHand(data, forms)};
}

std::optional<ProductFound> lookupByDescription(cDataAccess &data, const cOption &options, const QString &description)
{
    const QString sql = QStringLiteral("Select * From Products Where [Products Description] = ? And [Products Campaign Year] = ? "
                                       "And [Products Campaign Number] = ? Order By [Products Campaign Year] desc, "
                                       "[Products Campaign Number] desc ");
    std::optional<Product> product =
        firstProduct(data, sql, {description, options.CurrentCampaignYear, options.CurrentCampaignNumber});
    bool fromBaseline = false;
    if (!product) {
        product = firstProduct(data, sql, {description, 0, 0});
        fromBaseline = product.has_value();
    }
    if (!product)
        return std::nullopt;
    return ProductFound{*product, fromBaseline, stockOnHand(data, catalogNumberForms(product->catalogNumber))};
}

std::vector<Campaign> lowerPriceCampaigns(const Campaign &current, int lastNumberOfYear, int count)
{
    std::vector<Campaign> campaigns;
    Campaign campaign = current;
    for (int i = 0; i < qMin(count, 3); ++i) {
        campaign = campaign.previous(lastNumberOfYear);
        campaigns.push_back(campaign);
    }
    return campaigns;
}

std::optional<LowerPrice> Find_Lower_Prices(cDataAccess &data, const cOption &options, Prompter &prompter,
                                            const Product &current, const Currency &price)
{
    std::optional<LowerPrice> accepted;
    const Campaign now{options.CurrentCampaignYear, options.CurrentCampaignNumber};
    for (const Campaign &campaign :
         lowerPriceCampaigns(now, options.LastCampaignNumberOfYear, options.NumberPastCampaignForProductLookup)) {
        data.setSQL(QStringLiteral("Select *, [Products Last Price] as BestPrice, [Products Page] as BestPage From Products "
                                   "Where [Products Catalog Number] = ? And [Products Last Price] < ? And [Products Last "
                                   "Price] > 0 And [Products Campaign Year] = ? And [Products Campaign Number] = ?"),
                    {current.catalogNumber, price.toDouble(), campaign.year, campaign.number});
        RecordSet rows = data.GetSnapShot(QStringLiteral("Find_Lower_Prices"));
        if (!rows.next())
            continue;
        const Product earlier = Product::fromRecord(rows);
        QStringList message = describe(QString::number(campaign.number), earlier.lastPrice, earlier);
        message << QString() << QStringLiteral("Has A Lower Price Than:") << QString();
        message << describe(QString::number(now.number), price, current);
        message << QString() << QStringLiteral("Do you wish to use the lower price?");
        if (prompter.askYesNo(message.join(QStringLiteral("\r\n"))))
            accepted = LowerPrice{earlier.lastPrice, campaign.number, earlier.page};
    }
    return accepted;
}

} // namespace zel
