#include "orders/product_catalogue.h"

#include "core/prompter.h"
#include "options/c_option.h"
#include "shell/data_access.h"
#include "shell/database_connection.h"
#include "shell/transaction.h"

namespace zel::catalogue {

namespace {

const QString kSelect = QStringLiteral("Select * From Products ");
const QString kProcedure = QStringLiteral("Zel_Products");

// A number typed into a copy prompt; nothing when cancelled or empty (after saying so).
std::optional<int> askNumber(Prompter &prompter, const QString &prompt)
{
    const std::optional<QString> answer = prompter.inputText(prompt, QStringLiteral("Copy Products"), QString());
    if (!answer || answer->trimmed().isEmpty()) {
        prompter.information(QStringLiteral("Copy Cancelled."));
        return std::nullopt;
    }
    bool ok = false;
    const int value = answer->trimmed().toInt(&ok);
    return ok ? value : -1;
}

bool inRange(Prompter &prompter, int value, int low, int high, const QString &which)
{
    if (value >= low && value <= high)
        return true;
    prompter.information(which + QStringLiteral(", Copy Cancelled."));
    return false;
}

struct LikeFilter
{
    Filter filter;
    const char *column;
};

constexpr LikeFilter kLikeFilters[] = {
    {Filter::ProductNumber, "Products Catalog Number"}, {Filter::EarningsLevel, "Products Earnings Flag"},
    {Filter::Page, "Products Page"}, {Filter::Description, "Products Description"},
    {Filter::Shade, "Products Shade Color Fragrance"}, {Filter::Size, "Products Size"}, {Filter::Notes, "Products Notes"},
};

} // namespace

const std::vector<FilterText> &filters()
{
    static const std::vector<FilterText> texts = {
        {Filter::CampaignYear, "&By #### Year", "Campaign Year Filter"},
        {Filter::CampaignNumber, "By #### &Number", "Campaign Number Filter"},
        {Filter::ProductNumber, "By &Product Number", "Product Number Filter"},
        {Filter::EarningsLevel, "By &Earnings Level", "Earnings Level Filter"},
        {Filter::Page, "By P&age", "Page Number Filter"},
        {Filter::Description, "By &Description", "Description Filter"},
        {Filter::Shade, "By &Shade Fragrance", "Shade/Fragrance Filter"},
        {Filter::Size, "By Si&ze", "Size Filter"},
        {Filter::Notes, "By N&otes", "Notes Filter"},
        {Filter::Tax1, "By Tax &1", "Tax 1 Filter"},
        {Filter::Tax2, "By Tax &2", "Tax 2 Filter"},
        {Filter::UnitPrice, "By &Unit Price ", "Unit Price Filter"},
        {Filter::SpecialPrice, "By Spe&cial Price ", "Special Price Filter"},
        {Filter::RegularPrice, "By &Regular Price ", "Regular Price Filter"},
    };
    return texts;
}

ProductQuery showAll()
{
    // Read in file order and sorted: walking the catalog number index fetches every row from
    // wherever it lies, which takes longer once the catalogue holds years of campaigns. Rows of
    // one number keep the order the index gave them.
    return {QStringLiteral("Select * From Products Not Indexed Order by [Products Catalog Number], rowid "), {}};
}

ProductQuery currentCampaign(const cOption &options)
{
    return {kSelect + QStringLiteral("Where [Products Campaign Number] = ? and  [Products Campaign Year] = ? Order by [Products "
                                     "Catalog Number] "),
            {options.CurrentCampaignNumber, options.CurrentCampaignYear}};
}

ProductQuery baseline()
{
    return {kSelect + QStringLiteral("Where [Products Campaign Number] = 0 and  [Products Campaign Year] = 0 Order by "
                                     "[Products Catalog Number] "),
            {}};
}

ProductQuery noRows()
{
    return {kSelect + QStringLiteral("Where 1 = 2 "), {}};
}

std::optional<ProductQuery> filtered(Filter filter, const QString &answer)
{
    const QString a = answer.trimmed();
    for (const LikeFilter &like : kLikeFilters) {
        if (like.filter != filter)
            continue;
        const QString column = QStringLiteral("[%1]").arg(QLatin1String(like.column));
        // The typed text is a prefix; its own wildcards count as plain characters.
        QString prefix = a;
        prefix.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('%'), QLatin1String("\\%"))
            .replace(QLatin1Char('_'), QLatin1String("\\_"));
        return ProductQuery{kSelect + QStringLiteral("Where ") + column + QStringLiteral(" Like ? Escape '\\' Order by ") + column
                                + QLatin1Char(' '),
                            {prefix + QLatin1Char('%')}};
    }
    bool ok = false;
    switch (filter) {
    case Filter::CampaignYear:
    case Filter::CampaignNumber: {
        if (a == QLatin1String("*"))
            return showAll();
        const int value = a.toInt(&ok);
        if (!ok)
            return std::nullopt;
        const QString column = filter == Filter::CampaignYear ? QStringLiteral("[Products Campaign Year]")
                                                              : QStringLiteral("[Products Campaign Number]");
        return ProductQuery{kSelect + QStringLiteral("Where ") + column + QStringLiteral(" = ? Order by ") + column, {value}};
    }
    case Filter::Tax1:
    case Filter::Tax2: {
        const QString column = filter == Filter::Tax1 ? QStringLiteral("[Products Tax1]") : QStringLiteral("[Products Tax2]");
        const bool yes = a.compare(QLatin1String("Y"), Qt::CaseInsensitive) == 0;
        return ProductQuery{kSelect + QStringLiteral("Where ") + column + (yes ? QStringLiteral(" <> 0 ") : QStringLiteral(" = 0 "))
                                + QStringLiteral(" Order by ") + column,
                            {}};
    }
    case Filter::UnitPrice:
    case Filter::SpecialPrice:
    case Filter::RegularPrice: {
        const std::optional<Currency> price = Currency::fromString(a);
        if (!price)
            return std::nullopt;
        if (price->isZero())
            return showAll();
        const QString column = filter == Filter::UnitPrice      ? QStringLiteral("[Products Last Price]")
                             : filter == Filter::SpecialPrice ? QStringLiteral("[Products Special Price]")
                                                              : QStringLiteral("[Products Reg Price]");
        return ProductQuery{kSelect + QStringLiteral("Where ") + column + QStringLiteral(" = ? Order by [Products Catalog Number] "),
                            {price->toDouble()}};
    }
    default:
        return std::nullopt;
    }
}

std::vector<Product> load(cDataAccess &data, const ProductQuery &query)
{
    data.setSQL(query.sql, query.parameters);
    RecordSet rows = data.GetSnapShot(kProcedure);
    std::vector<Product> products;
    while (rows.next())
        products.push_back(Product::fromRecord(rows));
    return products;
}

int productCount(cDataAccess &data)
{
    return data.number(kProcedure, QStringLiteral("Select Count(*) as CountEm From Products "));
}

QString checkRow(cDataAccess &data, const Product &row)
{
    if (row.catalogNumber.trimmed().isEmpty())
        return QStringLiteral("Product Number can not be blank.");
    // Year and campaign 0 are the baseline's; any other product belongs to a campaign of a real year.
    if (!row.isBaseline() && (row.campaignYear < 1900 || row.campaignYear > 2099))
        return QStringLiteral("Campaign Year must be from 1900 to 2099 (0 for a baseline product).");
    if (!row.isBaseline() && (row.campaignNumber < 1 || row.campaignNumber > 99))
        return QStringLiteral("Campaign Number must be from 1 to 99 (0 for a baseline product).");
    if (data.number(kProcedure, QStringLiteral("Select Count(*) From Earnings Where [Earnings Type Code] = ?"), {row.earningsFlag}) == 0)
        return QStringLiteral("EL (Earnings Level) column must match an entry in Options (Earnings)");
    return {};
}

QString alignBaselinePrice(Product &row)
{
    if (!row.isBaseline() || row.lastPrice == row.regPrice)
        return {};
    row.lastPrice = row.regPrice;
    return QStringLiteral("Unit Price and Regular Price must match when entering baseline products.  Will automaticall "
                          "adjust the Unit Price.");
}

bool saveRow(cDataAccess &data, const std::optional<Product> &original, const Product &row)
{
    Transaction transaction(data.database().handle());
    if (original) {
        data.setSQL(QStringLiteral("Delete From Products Where [Products Campaign Year] = ? And [Products Campaign Number] = ? "
                                   "And [Products Catalog Number] = ?"),
                    {original->campaignYear, original->campaignNumber, original->catalogNumber});
        if (!data.tryExecSql())
            return false;
    }
    data.setSQL(QStringLiteral("Insert Into Products (") + Product::columnList() + QStringLiteral(") Values (")
                    + Product::placeholders() + QLatin1Char(')'),
                row.values());
    return data.tryExecSql() && transaction.commit();
}

std::optional<Product> addProduct(cDataAccess &data, Prompter &prompter, const QString &catalogNumber)
{
    const QString number = catalogNumber.trimmed();
    if (number.isEmpty()) {
        prompter.information(QStringLiteral("Please enter a product number."));
        return std::nullopt;
    }
    if (data.number(kProcedure, QStringLiteral("Select Count(*) as CountEm From Products  Where [Products Campaign Year] = 0  And "
                                   "[Products Campaign Number] = 0  And [Products Catalog Number] = ?"),
              {number}) > 0) {
        prompter.information(QStringLiteral("Product already exists"));
        return std::nullopt;
    }
    const QString title = QStringLiteral("New Product");
    QStringList answers;
    for (const char *prompt : {"Enter Page Number", "Enter Description", "Enter Shade", "Enter Size", "Enter Regular Price"}) {
        const std::optional<QString> answer = prompter.inputText(QString::fromLatin1(prompt), title, QString());
        if (!answer)
            return std::nullopt;
        answers << answer->trimmed();
    }
    const std::optional<Currency> price = Currency::fromString(answers[4].isEmpty() ? QStringLiteral("0") : answers[4]);
    if (!price || !price->isPlausible()) {
        prompter.information(QStringLiteral("The regular price must be a number."));
        return std::nullopt;
    }
    Product product;
    product.catalogNumber = number;
    product.page = answers[0];
    product.description = answers[1];
    product.shade = answers[2];
    product.size = answers[3];
    product.regPrice = *price;
    product.lastPrice = *price;
    product.earningsFlag = QStringLiteral("R");
    product.baselineUpdate = QStringLiteral("Y");
    if (!data.exec(kProcedure, QStringLiteral("Insert Into Products (") + Product::columnList() + QStringLiteral(") Values (")
                       + Product::placeholders() + QLatin1Char(')'),
             product.values()))
        return std::nullopt;
    return product;
}

bool CopyProductsToNextCampaign(cDataAccess &data, Prompter &prompter)
{
    prompter.information(QStringLiteral("This feature is generally for use by the staff that enters new product data."));
    const auto inputYear = askNumber(prompter, QStringLiteral("Enter Input Campaign Year."));
    if (!inputYear || !inRange(prompter, *inputYear, 1900, 2099, QStringLiteral("Invalid Input Campaign Year")))
        return false;
    const auto inputNumber = askNumber(prompter, QStringLiteral("Enter Input Campaign Number."));
    if (!inputNumber || !inRange(prompter, *inputNumber, 1, 30, QStringLiteral("Invalid Input Campaign Number")))
        return false;
    const auto outputYear = askNumber(prompter, QStringLiteral("Enter Output Campaign Year."));
    if (!outputYear || !inRange(prompter, *outputYear, 1990, 2099, QStringLiteral("Invalid Output Campaign Year")))
        return false;
    const auto outputNumber = askNumber(prompter, QStringLiteral("Enter Output Campaign Number."));
    if (!outputNumber || !inRange(prompter, *outputNumber, 1, 30, QStringLiteral("Invalid Output Campaign Number")))
        return false;

    if (data.number(kProcedure, QStringLiteral("Select Count(*) as CountEm From Products  Where [Products Campaign Year] = ? And "
                                   "[Products Campaign Number] = ?"),
              {*outputYear, *outputNumber}) > 0) {
        prompter.information(QStringLiteral("Destination Campaign year/number is not empty.  Use Utilities/Delete to remove the "
                                            "products for the output Campaign year/number."));
        return false;
    }
    const std::optional<QString> clear = prompter.inputText(
        QStringLiteral("Do you wish to clear the output page numbers? (Y or N)"), QStringLiteral("Clear Page Numbers"),
        QStringLiteral("Y"));
    if (!clear) {
        prompter.information(QStringLiteral("Copy cancelled."));
        return false;
    }
    const QString choice = clear->trimmed().toUpper();
    if (choice != QLatin1String("Y") && choice != QLatin1String("N")) {
        prompter.information(QStringLiteral("Invalid response. Must be either Y or N"));
        return false;
    }
    QString columns = Product::columnList();
    QString source = columns;
    source.replace(QLatin1String("[Products Campaign Year], [Products Campaign Number]"), QLatin1String("?, ?"));
    if (choice == QLatin1String("Y"))
        source.replace(QLatin1String("[Products Page]"), QLatin1String("''"));
    if (!data.exec(kProcedure, QStringLiteral("Insert Into Products (") + columns + QStringLiteral(") Select ") + source
                       + QStringLiteral(" From Products Where [Products Campaign Year] = ? And [Products Campaign Number] = ?"),
             {*outputYear, *outputNumber, *inputYear, *inputNumber}))
        return false;
    prompter.information(QStringLiteral("Copy Completed"));
    return true;
}

bool Ms_Fix_Nulls(cDataAccess &data)
{
    QStringList statements;
    for (const char *column : {"Products Page", "Products Description", "Products Shade Color Fragrance", "Products Size",
                               "Products Notes"})
        statements << QStringLiteral("UPDATE Products SET [%1] = '' Where [%1] Is Null ").arg(QLatin1String(column));
    statements << QStringLiteral("UPDATE Products SET [Products Tax1] = -1 Where [Products Tax1] Is Null ")
               << QStringLiteral("UPDATE Products SET [Products Tax2] = -1 Where [Products Tax2] Is Null ")
               << QStringLiteral("UPDATE Products SET [Products Earnings Flag] = '' Where [Products Earnings Flag] Is Null ")
               << QStringLiteral("UPDATE Products SET [Products Baseline Update] = 'Y' Where [Products Baseline Update] Is Null ")
               << QStringLiteral("Delete From Products Where [Products Delete Flag] <> 0 ")
               << QStringLiteral("Update Products Set [Products Tax1] = -1 Where [Products Tax1] <> 0 ")
               << QStringLiteral("Update Products Set [Products Tax2] = -1 Where [Products Tax2] <> 0 ");
    Transaction transaction(data.database().handle());
    for (const QString &sql : statements)
        if (!data.exec(kProcedure, sql))
            return false;
    return transaction.commit();
}

} // namespace zel::catalogue
