#include "utilities/product_updates.h"

#include "core/prompter.h"
#include "orders/order_computation.h"
#include "orders/product.h"
#include "orders/stored_order_header.h"
#include "session/app_state.h"
#include "shell/captions.h"
#include "shell/transaction.h"


#include <set>
#include <tuple>

namespace zel::utilities {

namespace {

const QString kProcedure = QStringLiteral("ProductUpdates");

QString campaignWord()
{
    return Gs_Caption_Replace(QStringLiteral("####"));
}

QString slash(const Campaign &campaign)
{
    return QString::number(campaign.year) + QLatin1Char('/') + QString::number(campaign.number);
}

} // namespace

bool ProductChange::isEmpty() const
{
    return !page && !description && !shade && !size && !orderQuantity && !priceQuantity && !price && !unavailable;
}

QStringList ProductChange::describe() const
{
    QStringList out;
    const auto add = [&](const char *label, const std::optional<QString> &value) {
        if (value)
            out << QString::fromLatin1(label) + *value;
    };
    add("New Page: ", page);
    add("New Description: ", description);
    add("New Shade: ", shade);
    add("New Size: ", size);
    if (orderQuantity)
        out << QStringLiteral("New Order Qty: ") + QString::number(*orderQuantity);
    if (priceQuantity)
        out << QStringLiteral("New Price Qty: ") + QString::number(*priceQuantity);
    if (price)
        out << QStringLiteral("New Price: ") + price->toCurrencyText();
    if (unavailable)
        out << QStringLiteral("Mark Unavailable");
    return out;
}

QStringList ProductUpdates::productsOf(const Campaign &campaign, bool sayWhenNone)
{
    m_state.data.setSQL(QStringLiteral("Select Distinct [Orders Catalog Number] From Orders  Where 1 = 1  And [Orders Internal "
                                       "Flag] = 'DETAIL' And [Orders Campaign Year] = ? And [Orders Campaign Number] = ? And "
                                       "Trim([Orders Catalog Number]) <> ''  Order by [Orders Catalog Number] "),
                        {campaign.year, campaign.number});
    QStringList products;
    for (RecordSet rows = m_state.data.GetSnapShot(kProcedure); rows.next();)
        products << rows.value(0).toString();
    if (products.isEmpty() && sayWhenNone)
        m_state.prompter.information(QStringLiteral("No products found for selected ") + campaignWord() + QLatin1Char('.'));
    return products;
}

std::optional<Product> ProductUpdates::catalogueEntry(const Campaign &campaign, const QString &product)
{
    m_state.data.setSQL(QStringLiteral("SELECT * From Products  Where 1 = 1  And [Products Campaign Year] = ? And [Products "
                                       "Campaign Number] = ? And Trim([Products Catalog Number]) = ?"),
                        {campaign.year, campaign.number, product.trimmed()});
    RecordSet rows = m_state.data.GetSnapShot(kProcedure);
    if (!rows.next())
        return std::nullopt;
    return Product::fromRecord(rows);
}

std::vector<ProductLine> ProductUpdates::linesOf(const Campaign &campaign, const QString &product)
{
    m_state.data.setSQL(QStringLiteral("SELECT Trim(Customers.[Customers First Name] || ' ' || Customers.[Customers Last Name]) "
                                       "as [FullName], Orders.[Orders Customer Number], Orders.[Orders Order Number], "
                                       "Orders.[Orders From Campaign], Orders.[Orders Quanity], Orders.[Orders Unit Price] "
                                       "FROM Customers INNER JOIN Orders ON Customers.[Customers Number] = Orders.[Orders "
                                       "Customer Number]  Where 1 = 1  And [Orders Internal Flag] = 'DETAIL' And [Orders "
                                       "Campaign Year] = ? And [Orders Campaign Number] = ? And Trim([Orders Catalog Number]) = ?"
                                       " Order By [FullName], Orders.[Orders Order Number], Orders.[Orders Sequence Number]"),
                        {campaign.year, campaign.number, product.trimmed()});
    std::vector<ProductLine> lines;
    for (RecordSet rows = m_state.data.GetSnapShot(kProcedure); rows.next();) {
        ProductLine line;
        line.fullName = rows.value(0).toString();
        line.customer = rows.value(1).toInt();
        line.year = campaign.year;
        line.number = campaign.number;
        line.order = rows.value(2).toInt();
        line.fromCampaign = rows.value(3).toInt();
        line.quantity = rows.value(4).toInt();
        line.price = Currency::fromDouble(rows.value(5).toDouble());
        lines.push_back(line);
    }
    return lines;
}

bool ProductUpdates::confirm(const QStringList &text)
{
    if (m_state.prompter.ask({lines(text), QStringLiteral("Confirm Update"), Buttons::YesNo, Answer::Yes, Icon::Question})
        == Answer::Yes)
        return true;
    m_state.prompter.information(QStringLiteral("Update Cancelled"));
    return false;
}

std::optional<int> ProductUpdates::update(const Campaign &campaign, const QString &product, const ProductChange &change,
                                          const std::vector<ProductLine> &lines)
{
    if (change.isEmpty()) {
        m_state.prompter.information(QStringLiteral("Nothing has been checked for update, No Action Taken."));
        return std::nullopt;
    }
    if (!confirm(QStringList{QStringLiteral("Update Product: ") + product} + change.describe()))
        return std::nullopt;
    return apply(false, campaign, product, change, lines, campaign.next(m_state.options.LastCampaignNumberOfYear));
}

std::optional<int> ProductUpdates::shortProduct(const Campaign &campaign, const QString &product,
                                                const std::optional<Campaign> &arrival, const ProductChange &change,
                                                const std::vector<ProductLine> &lines)
{
    Prompter &prompter = m_state.prompter;
    if (!arrival || arrival->year <= 0) {
        prompter.information(QStringLiteral("Please select an Expected Arrival Year."));
        return std::nullopt;
    }
    if (arrival->number <= 0) {
        prompter.information(QStringLiteral("Please select an Expected Arrival ") + campaignWord() + QLatin1Char('.'));
        return std::nullopt;
    }
    if (*arrival <= campaign) {
        prompter.information(QStringLiteral("The Expected Arrival Year and ") + campaignWord()
                             + QStringLiteral(" must be greater than the shorted ") + campaignWord() + QLatin1Char('.'));
        return std::nullopt;
    }
    ProductChange shortChange = change;
    shortChange.orderQuantity.reset();
    shortChange.priceQuantity.reset();
    shortChange.unavailable = false;
    const QStringList text = QStringList{QStringLiteral("Mark ") + product + QStringLiteral(" as back ordered."), QString(),
                                         QStringLiteral("The product will be marked as backordered in ") + slash(campaign)
                                             + QLatin1Char('.'),
                                         QString(),
                                         QStringLiteral("The product will be moved to ") + slash(*arrival) + QLatin1Char('.')}
                           + shortChange.describe();
    if (!confirm(text))
        return std::nullopt;
    return apply(true, campaign, product, shortChange, lines, *arrival);
}

std::optional<int> ProductUpdates::apply(bool shorts, const Campaign &campaign, const QString &product,
                                         const ProductChange &change, const std::vector<ProductLine> &picked,
                                         const Campaign &backOrderCampaign)
{
    // One pass per ticked order, however many of its lines hold the product.
    std::set<std::tuple<int, int, int, int>> orders;
    for (const ProductLine &line : picked)
        if (line.update && line.year == campaign.year && line.number == campaign.number)
            orders.emplace(line.customer, line.year, line.number, line.order);
    m_state.prompter.hourglass(true);
    Transaction transaction(m_state.database.handle());
    int updated = 0;
    bool failed = !transaction.isActive();
    for (auto it = orders.begin(); it != orders.end() && !failed; ++it) {
        const auto &[customer, year, number, order] = *it;
        ProductLine which;
        which.customer = customer;
        which.year = year;
        which.number = number;
        which.order = order;
        m_state.prompter.status(QStringLiteral("Updating Customer ") + QString::number(customer));
        const Outcome outcome = applyToOrder(shorts, which, product, change, backOrderCampaign);
        updated += outcome == Outcome::Changed ? 1 : 0;
        failed = outcome == Outcome::Failed;
        if (failed)
            m_state.LogWrite(QStringLiteral("ERROR"), QStringLiteral("Product %1 not applied to customer %2 order %3 of %4/%5")
                                                          .arg(product)
                                                          .arg(customer)
                                                          .arg(order)
                                                          .arg(year)
                                                          .arg(number));
    }
    failed = failed || !transaction.commit();
    m_state.prompter.hourglass(false);
    if (failed) {
        m_state.prompter.information(QStringLiteral("The orders could not be updated, and none of them has been changed."),
                                     kMessageTitle, Icon::Exclamation);
        return std::nullopt;
    }
    if (shorts && updated == 0 && !orders.empty()) {
        m_state.prompter.information(product + QStringLiteral(" is already back ordered on every chosen order: nothing was left "
                                                               "to short."));
        return 0;
    }
    m_state.prompter.information(lines({QStringLiteral("Updated ") + QString::number(updated) + QStringLiteral(" Orders."),
                                        QStringLiteral("Please perform the forecast for review of affected customers.")}));
    return updated;
}

void ProductUpdates::changeLine(bool shorts, OrderRow &line, const ProductChange &change) const
{
    if (shorts)
        line.backOrderFlag = QStringLiteral("B");
    else if (change.unavailable)
        line.backOrderFlag = QStringLiteral("U");
    if (change.page)
        line.page = *change.page;
    if (change.description)
        line.product = *change.description;
    if (change.shade)
        line.shade = *change.shade;
    if (change.size)
        line.size = *change.size;
    if (change.orderQuantity)
        line.quantity = *change.orderQuantity;
    if (change.priceQuantity)
        line.priceQuantity = *change.priceQuantity;
    if (change.price)
        line.unitPrice = *change.price;
}

ProductUpdates::Outcome ProductUpdates::applyToOrder(bool shorts, const ProductLine &order, const QString &product,
                                                     const ProductChange &change, const Campaign &backOrderCampaign)
{
    cDataAccess &data = m_state.data;
    OrderRequest request;
    request.customer = order.customer;
    request.campaign = {order.year, order.number};
    request.backOrderCampaign = backOrderCampaign;
    request.processBackOrders = true;
    request.mode = shorts ? ComputeMode::Shorts : ComputeMode::Updates;
    request.orderDate = m_state.now();
    std::vector<OrderRow> stored = storedOrderRows(data, kProcedure, order.customer, {order.year, order.number}, order.order);
    StoredOrderHeader::fromRows(stored).applyTo(request);
    bool changed = false;
    for (OrderRow &row : stored) {
        if (row.internalFlag != QLatin1String("DETAIL"))
            continue;
        // A line shorted before is 'P' with nothing left on it: its back order exists already, and
        // shorting it again would carry it into the arrival campaign twice. A back order that
        // arrived ('P' with its quantity) may be shorted on, and a 'B' not yet carried is carried.
        const bool alreadyShort = shorts && row.backOrderFlag == QLatin1String("P") && row.quantity == 0;
        if (row.catalogNumber.trimmed() == product.trimmed() && !alreadyShort) {
            changeLine(shorts, row, change);
            changed = true;
        }
        request.lines.push_back(row);
    }
    if (request.lines.empty())
        return Outcome::Failed;
    if (!changed)
        return Outcome::NothingToChange;
    if (!writeOrder(data, m_state.options, m_state.prompter, request, order.order))
        return Outcome::Failed;
    const bool supplies = data.exec(
        kProcedure,
        QStringLiteral("UPDATE Orders SET [Orders Supplies] = (Select Customers.[Customers Supplies] From Customers "
                       "Where Customers.[Customers Number] = Orders.[Orders Customer Number]) Where "
                       "Orders.[Orders Customer Number] = ?"),
        {order.customer});
    return supplies ? Outcome::Changed : Outcome::Failed;
}

} // namespace zel::utilities
