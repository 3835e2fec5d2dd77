#include "orders/product_baseline.h"

#include "core/prompter.h"
#include "options/c_option.h"
#include "orders/catalog_number.h"
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
    return data.exec(kProcedure, QStringLiteral("Insert Into Products (") + Product::columnList() + QStringLiteral(") Values (")
                         + Product::placeholders() + QLatin1Char(')'),
               baseline.values());
}

// The descriptive refresh of an existing baseline row; a row holding stock keeps what it has.
bool refreshBaseline(cDataAccess &data, const Product &product, bool withPrices)
{
    QString sql = QStringLiteral("Update Products  Set [Products Description] = ? ,[Products Shade Color Fragrance] = ? "
                                 ",[Products Size] = ? ,[Products Tax1] = ? ,[Products Tax2] = ? ,[Products Baseline Update] "
                                 "= 'N'  ,[Products Earnings Flag] = ?");
    const QVariantList values = product.values();
    QVariantList parameters{values[4], values[5], values[6], values[8], values[9], values[14]};
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

bool baselinePass(cDataAccess &data, Prompter &prompter, const QString &select, const QString &progressText,
                  const QString &finish)
{
    data.setSQL(select);
    RecordSet rows = data.GetRecordSet(QStringLiteral("BaselineUpdateAll"));
    const int total = rows.count();
    std::vector<Product> marked;
    marked.reserve(size_t(qMax(total, 0)));
    while (rows.next())
        marked.push_back(Product::fromRecord(rows));

    Transaction transaction(data.database().handle());
    int done = 0;
    for (const Product &product : marked) {
        if (!carryIntoBaseline(data, product))
            return false;
        if (++done % 100 == 0)
            prompter.working(progressText.arg(done).arg(total));
    }
    const bool finished = data.exec(kProcedure, finish) && transaction.commit();
    prompter.working(QString());
    return finished;
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
    return baselinePass(data, prompter,
                        QStringLiteral("Select * From Products  Where [Products Campaign Year]   >  0  And   [Products "
                                       "Campaign Number] > 0  And   [Products Baseline Update] = 'Y'  Order by [Products "
                                       "Campaign Year], [Products Campaign Number] "),
                        mode == QLatin1String("UPGRADE") ? QStringLiteral("Processing Product Baseline: %1 of %2")
                                                         : QStringLiteral("Processing Baseline: %1 of %2"),
                        QStringLiteral("Update Products  Set [Products Baseline Update] = 'N' "));
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
        const auto text = [&](const char *column) { return lines.value(QString::fromLatin1(column)).toString(); };
        const auto money = [&](const char *column) { return Currency::fromDouble(lines.value(QString::fromLatin1(column)).toDouble()); };
        const bool lowerPrice = text("Orders Entered Used Lower Price") == QLatin1String("Y");
        Product p;
        p.campaignYear = options.CurrentCampaignYear;
        p.campaignNumber = options.CurrentCampaignNumber;
        p.catalogNumber = text("Orders Catalog Number");
        p.page = lowerPrice ? text("Orders Entered Page") : GetPageNumber(text("Orders Page"));
        p.description = text("Orders Product");
        p.shade = text("Orders Shade");
        p.size = text("Orders Size");
        p.notes = text("Orders Notes");
        p.tax1 = lines.value(QStringLiteral("Orders Tax1")).toInt() != 0;
        p.tax2 = lines.value(QStringLiteral("Orders Tax2")).toInt() != 0;
        p.lastPrice = lowerPrice ? money("Orders Entered Unit Price") : money("Orders Unit Price");
        p.specialPrice = money("Orders Special Price");
        p.regPrice = money("Orders Reg Price");
        p.earningsFlag = text("Orders Earnings Flag");
        p.baselineUpdate = QStringLiteral("N");
        typed.emplace_back(p, lines.value(QStringLiteral("Orders From Campaign")).toInt());
    }

    for (const auto &[product, fromCampaign] : typed) {
        if (fromCampaign != options.CurrentCampaignNumber) {
            const bool exists = data.number(kProcedure, QStringLiteral("Select Count(*) From Products Where [Products Campaign Year] = ? "
                                                           "And [Products Campaign Number] = ? And [Products Catalog Number] = ?"),
                                      {product.campaignYear, product.campaignNumber, product.catalogNumber}) > 0;
            if (!exists && !data.exec(kProcedure, QStringLiteral("Insert Into Products (") + Product::columnList()
                                          + QStringLiteral(") Values (") + Product::placeholders() + QLatin1Char(')'),
                                product.values()))
                return false;
        } else {
            const QVariantList v = product.values();
            QString sql = QStringLiteral("Update Products Set [Products Page] = ?, [Products Description] = ?, [Products Shade "
                                         "Color Fragrance] = ?, [Products Size] = ?, [Products Notes] = ?, [Products Tax1] = "
                                         "?, [Products Tax2] = ?, [Products Earnings Flag] = ?, [Products Reg Price] = ?, "
                                         "[Products Special Price] = ?");
            QVariantList parameters{v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[14], v[12], v[13]};
            if (options.OverrideProductPrice == QLatin1String("Y")) {
                sql += QStringLiteral(", [Products Last Price] = ?");
                parameters << v[11];
            }
            sql += QStringLiteral(" Where [Products Campaign Year] = ? And [Products Campaign Number] = ? And [Products "
                                  "Catalog Number] = ?");
            parameters << product.campaignYear << product.campaignNumber << product.catalogNumber;
            if (!data.exec(kProcedure, sql, parameters))
                return false;
        }
        if (!Ms_BaseLine_Products(data, options, product))
            return false;
    }
    return true;
}

} // namespace zel
