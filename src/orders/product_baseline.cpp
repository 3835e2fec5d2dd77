#include "orders/product_baseline.h"

#include "core/prompter.h"
#include "db/record_map.h"
#include "options/c_option.h"
#include "orders/catalog_number.h"
#include "orders/order_row.h"
#include "orders/product.h"
#include "shell/data_access.h"
#include "shell/database_connection.h"
#include "shell/transaction.h"

#include <vector>

namespace zel {

namespace {

const QString kProcedure = QStringLiteral("Ms_BaseLine_Products");

bool baselineExists(cDataAccess &data, const QString &catalogNumber)
{
    return data.number(kProcedure, QStringLiteral("Select Count(*) From Products Where [Products Catalog Number] = ? And [Products "
                                      "Campaign Year] = 0 And [Products Campaign Number] = 0"),
                 {catalogNumber}) > 0;
}

bool insertBaseline(cDataAccess &data, const Product &product)
{
    Product baseline = product;
    baseline.campaignYear = 0;
    baseline.campaignNumber = 0;
    baseline.page.clear();
    baseline.quantityOnHand = 0;
    baseline.lastPrice = product.regPrice;
    baseline.specialPrice = Currency();
    baseline.deleteFlag = false;
    baseline.baselineUpdate = QStringLiteral("N");
    return data.exec(kProcedure, Product::insertSql(), baseline.values());
}

// The descriptive refresh of an existing baseline row; a row holding stock keeps what it has.
bool refreshBaseline(cDataAccess &data, const Product &product, bool withPrices)
{
    QString sql = QStringLiteral("Update Products  Set [Products Description] = ? ,[Products Shade Color Fragrance] = ? "
                                 ",[Products Size] = ? ,[Products Tax1] = ? ,[Products Tax2] = ? ,[Products Baseline Update] "
                                 "= 'N'  ,[Products Earnings Flag] = ?");
    QVariantList parameters = Product::map().values(product, {QStringLiteral("Products Description"),
                                                                QStringLiteral("Products Shade Color Fragrance"),
                                                                QStringLiteral("Products Size"), QStringLiteral("Products Tax1"),
                                                                QStringLiteral("Products Tax2"),
                                                                QStringLiteral("Products Earnings Flag")});
    if (withPrices) {
        sql += QStringLiteral(" ,[Products Last Price] = ? ,[Products Reg Price] = ? ,[Products Special Price] = 0.00 ");
        parameters << product.regPrice.toDouble() << product.regPrice.toDouble();
    }
    sql += QStringLiteral(" Where [Products Catalog Number] = ? And [Products Campaign Year] = 0  And [Products Campaign "
                          "Number] = 0  And [Products Quanity On Hand] = 0 ");
    parameters << product.catalogNumber;
    return data.exec(kProcedure, sql, parameters);
}

// All stock of a catalog number is kept on its baseline row.
bool consolidateStock(cDataAccess &data, const QString &catalogNumber)
{
    const int stock = data.number(kProcedure, QStringLiteral("Select Sum([Products Quanity On Hand]) as CountEm From Products Where "
                                                 "[Products Catalog Number] = ?"),
                            {catalogNumber});
    if (stock <= 0)
        return true;
    return data.exec(kProcedure, QStringLiteral("Update Products Set [Products Quanity On Hand] = 0 Where [Products Catalog Number] = ?"),
               {catalogNumber})
        && data.exec(kProcedure, QStringLiteral("Update Products Set [Products Quanity On Hand] = ? Where [Products Catalog Number] = ? "
                                    "And [Products Campaign Year] = 0 And [Products Campaign Number] = 0"),
               {stock, catalogNumber});
}

bool carryIntoBaseline(cDataAccess &data, const Product &product)
{
    if (!baselineExists(data, product.catalogNumber)) {
        if (!insertBaseline(data, product))
            return false;
    } else if (!product.regPrice.isZero()
               && !data.exec(kProcedure, QStringLiteral("Update Products Set  [Products Last Price] = ?, [Products Reg Price] = ? Where "
                                            "[Products Campaign Year] = 0  And [Products Campaign Number] = 0  And [Products "
                                            "Catalog Number] = ?"),
                       {product.regPrice.toDouble(), product.regPrice.toDouble(), product.catalogNumber})) {
        return false;
    }
    return consolidateStock(data, product.catalogNumber) && refreshBaseline(data, product, false);
}

// Walks the marked rows into their baselines inside the caller's transaction.
bool carryMarkedRows(cDataAccess &data, Prompter &prompter, const QString &select, const QString &progressText,
                     const QString &finish)
{
    data.setSQL(select);
    RecordSet rows = data.GetRecordSet(QStringLiteral("BaselineUpdateAll"));
    const int total = rows.count();
    std::vector<Product> marked;
    marked.reserve(size_t(qMax(total, 0)));
    while (rows.next())
        marked.push_back(Product::fromRecord(rows));

    int done = 0;
    for (const Product &product : marked) {
        if (!carryIntoBaseline(data, product))
            return false;
        if (++done % 100 == 0)
            prompter.working(progressText.arg(done).arg(total));
    }
    return data.exec(kProcedure, finish);
}

bool baselinePass(cDataAccess &data, Prompter &prompter, const QString &select, const QString &progressText,
                  const QString &finish)
{
    Transaction transaction(data.database().handle());
    const bool finished = carryMarkedRows(data, prompter, select, progressText, finish) && transaction.commit();
    prompter.working(QString());
    return finished;
}

const QString kAllMarked = QStringLiteral("Select * From Products  Where [Products Campaign Year]   >  0  And   [Products "
                                          "Campaign Number] > 0  And   [Products Baseline Update] = 'Y'  Order by [Products "
                                          "Campaign Year], [Products Campaign Number] ");
const QString kAllUnmarked = QStringLiteral("Update Products  Set [Products Baseline Update] = 'N' ");

QString allProgressText(const QString &mode)
{
    return mode == QLatin1String("UPGRADE") ? QStringLiteral("Processing Product Baseline: %1 of %2")
                                            : QStringLiteral("Processing Baseline: %1 of %2");
}

// The product a line typed on an order describes, for the current campaign's catalogue.
Product typedProduct(const OrderRow &line, const cOption &options)
{
    const bool lowerPrice = line.enteredUsedLowerPrice == QLatin1String("Y");
    Product p;
    p.campaignYear = options.CurrentCampaignYear;
    p.campaignNumber = options.CurrentCampaignNumber;
    p.catalogNumber = line.catalogNumber;
    p.page = lowerPrice ? line.enteredPage : GetPageNumber(line.page);
    p.description = line.product;
    p.shade = line.shade;
    p.size = line.size;
    p.notes = line.notes;
    p.tax1 = line.tax1;
    p.tax2 = line.tax2;
    p.lastPrice = lowerPrice ? line.enteredUnitPrice : line.unitPrice;
    p.specialPrice = line.specialPrice;
    p.regPrice = line.regPrice;
    p.earningsFlag = line.earningsFlag;
    p.baselineUpdate = QStringLiteral("N");
    return p;
}

// A product whose price came from another campaign is added to the current one unless listed there.
bool addIfMissing(cDataAccess &data, const Product &product)
{
    const bool exists = data.number(kProcedure, QStringLiteral("Select Count(*) From Products Where [Products Campaign Year] = ? "
                                                               "And [Products Campaign Number] = ? And [Products Catalog Number] = ?"),
                                    {product.campaignYear, product.campaignNumber, product.catalogNumber}) > 0;
    return exists || data.exec(kProcedure, Product::insertSql(), product.values());
}

// A product of the current campaign takes the description and prices typed on the order; its
// selling price only when the options say so.
bool refreshTyped(cDataAccess &data, const cOption &options, const Product &product)
{
    QStringList columns{QStringLiteral("Products Page"), QStringLiteral("Products Description"),
                        QStringLiteral("Products Shade Color Fragrance"), QStringLiteral("Products Size"),
                        QStringLiteral("Products Notes"), QStringLiteral("Products Tax1"), QStringLiteral("Products Tax2"),
                        QStringLiteral("Products Earnings Flag"), QStringLiteral("Products Reg Price"),
                        QStringLiteral("Products Special Price")};
    if (options.OverrideProductPrice == QLatin1String("Y"))
        columns << QStringLiteral("Products Last Price");
    const QStringList key{QStringLiteral("Products Campaign Year"), QStringLiteral("Products Campaign Number"),
                          QStringLiteral("Products Catalog Number")};
    return data.exec(kProcedure, Product::map().updateSql(QStringLiteral("Products"), columns, key),
                     Product::map().values(product, columns + key));
}

} // namespace

bool Ms_BaseLine_Products(cDataAccess &data, const cOption &options, const Product &product)
{
    const bool added = !baselineExists(data, product.catalogNumber) && insertBaseline(data, product);
    if (!added && !refreshBaseline(data, product, options.OverrideBaselinePrice == QLatin1String("Y")))
        return false;
    return consolidateStock(data, product.catalogNumber);
}

bool BaselineUpdateAll(cDataAccess &data, Prompter &prompter, const QString &mode)
{
    return baselinePass(data, prompter, kAllMarked, allProgressText(mode), kAllUnmarked);
}

bool BaselineUpdateAllWithin(cDataAccess &data, Prompter &prompter, const QString &mode)
{
    return carryMarkedRows(data, prompter, kAllMarked, allProgressText(mode), kAllUnmarked);
}

bool UpdateBaseLine(cDataAccess &data, Prompter &prompter)
{
    return baselinePass(data, prompter,
                        QStringLiteral("Select * From Products  Where [Products Baseline Update] = 'Y' Order by [Products "
                                       "Campaign Year], [Products Campaign Number] "),
                        QStringLiteral("Processing Baseline: %1 of %2"),
                        QStringLiteral("Update Products set [Products Baseline Update] = 'N' "));
}

bool Ms_Add_To_Products(cDataAccess &data, const cOption &options)
{
    data.setSQL(QStringLiteral("Select * From OrdersWork1 Where [Orders Catalog Number] <> '' And ([Orders Product] <> '' Or "
                               "[Orders Shade] <> '' Or [Orders Size] <> '') And Coalesce([Orders BackOrder Flag], '') = ''"));
    RecordSet lines = data.GetRecordSet(QStringLiteral("Ms_Add_To_Products"));
    std::vector<std::pair<Product, int>> typed; // the product and the campaign its price came from
    while (lines.next()) {
        const OrderRow line = OrderRow::fromRecord(lines);
        typed.emplace_back(typedProduct(line, options), line.fromCampaign);
    }

    for (const auto &[product, fromCampaign] : typed) {
        const bool stored = fromCampaign != options.CurrentCampaignNumber ? addIfMissing(data, product)
                                                                          : refreshTyped(data, options, product);
        if (!stored || !Ms_BaseLine_Products(data, options, product))
            return false;
    }
    return true;
}

} // namespace zel
