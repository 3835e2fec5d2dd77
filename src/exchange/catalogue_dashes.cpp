#include "exchange/catalogue_dashes.h"

#include "core/prompter.h"
#include "orders/catalog_number.h"
#include "orders/product.h"
#include "shell/data_access.h"
#include "shell/database_connection.h"
#include "shell/record_set.h"
#include "shell/transaction.h"

#include <utility>
#include <vector>

namespace zel::exchange {

namespace {

const QString kProcedure = QStringLiteral("Cmd_Import");
constexpr int kProgressEvery = 100;

const QString kWhereKey = QStringLiteral(" Where [Products Campaign Year] = ? And [Products Campaign Number] = ? And "
                                         "[Products Catalog Number] = ?");

QVariantList keyOf(const Product &product, const QString &catalogNumber)
{
    return {product.campaignYear, product.campaignNumber, catalogNumber};
}

} // namespace

bool CatalogueDashes::moveProduct(const Product &product, const QString &normal)
{
    const bool taken = m_data.number(kProcedure, QStringLiteral("Select Count(*) From Products") + kWhereKey,
                                     keyOf(product, normal))
                     > 0;
    if (taken) {
        if (!m_data.exec(kProcedure,
                         QStringLiteral("Update Products Set [Products Quanity On Hand] = [Products Quanity On Hand] + ?")
                             + kWhereKey,
                         QVariantList{product.quantityOnHand} + keyOf(product, normal)))
            return false;
    } else {
        Product copy = product;
        copy.catalogNumber = normal;
        copy.deleteFlag = false;
        if (!m_data.exec(kProcedure, Product::insertSql(), copy.values()))
            return false;
    }
    return m_data.exec(kProcedure, QStringLiteral("Update Products Set [Products Delete Flag] = -1") + kWhereKey,
                       keyOf(product, product.catalogNumber));
}

bool CatalogueDashes::normaliseProducts()
{
    Transaction transaction(m_data.database().handle());
    if (!m_data.exec(kProcedure, QStringLiteral("Update Products Set [Products Delete Flag] = 0 ")))
        return false;
    m_data.setSQL(QStringLiteral("Select * From Products Order By [Products Campaign Year], [Products Campaign Number], "
                                 "[Products Catalog Number] "));
    RecordSet rows = m_data.GetSnapShot(kProcedure);
    std::vector<Product> others; // on file under another form
    int count = 0;
    while (rows.next()) {
        Product product = Product::fromRecord(rows);
        if (normalCatalogNumber(product.catalogNumber, m_useDashes) != product.catalogNumber)
            others.push_back(std::move(product));
        if (++count % kProgressEvery == 0)
            m_prompter.working(QStringLiteral("Performing 'DASH' Validation on Products Table: ") + QString::number(count));
    }
    rows = RecordSet();
    for (const Product &product : others)
        if (!moveProduct(product, normalCatalogNumber(product.catalogNumber, m_useDashes)))
            return false;
    const bool done = m_data.exec(kProcedure, QStringLiteral("Delete From Products Where [Products Delete Flag] = -1"))
                   && transaction.commit();
    m_prompter.working(QString());
    return done;
}

bool CatalogueDashes::normaliseOrderLines()
{
    m_data.setSQL(QStringLiteral("Select Distinct [Orders Catalog Number] From Orders Where [Orders Internal Flag] = 'DETAIL' "));
    RecordSet rows = m_data.GetSnapShot(kProcedure);
    std::vector<std::pair<QString, QString>> changes; // a number on file and its normal form
    int count = 0;
    while (rows.next()) {
        const QString number = rows.value(0).toString();
        const QString normal = normalCatalogNumber(number, m_useDashes);
        if (normal != number)
            changes.emplace_back(number, normal);
        if (++count % kProgressEvery == 0)
            m_prompter.working(QStringLiteral("Performing 'DASH' Validation on Orders Table: ") + QString::number(count));
    }
    rows = RecordSet();
    m_prompter.working(QString());
    if (changes.empty())
        return true;

    // The lines of every changed number in one pass over Orders, rather than one pass per number.
    Transaction transaction(m_data.database().handle());
    if (!m_data.exec(kProcedure, QStringLiteral("Create Temp Table If Not Exists [DashForms] ([Old] TEXT Primary Key, [New] TEXT)"))
        || !m_data.exec(kProcedure, QStringLiteral("Delete From temp.[DashForms]")))
        return false;
    for (const auto &[number, normal] : changes)
        if (!m_data.exec(kProcedure, QStringLiteral("Insert Into temp.[DashForms] ([Old], [New]) Values (?, ?)"), {number, normal}))
            return false;
    return m_data.exec(kProcedure,
                       QStringLiteral("Update Orders Set [Orders Catalog Number] = (Select [New] From temp.[DashForms] Where "
                                      "[Old] = Orders.[Orders Catalog Number]) Where [Orders Internal Flag] = 'DETAIL' And "
                                      "[Orders Catalog Number] In (Select [Old] From temp.[DashForms])"))
        && m_data.exec(kProcedure, QStringLiteral("Drop Table temp.[DashForms]")) && transaction.commit();
}

} // namespace zel::exchange
