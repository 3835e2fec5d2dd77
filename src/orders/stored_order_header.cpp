#include "orders/stored_order_header.h"

#include "shell/data_access.h"

#include <QRegularExpression>

namespace zel {

std::vector<OrderRow> storedOrderRows(cDataAccess &data, const QString &procedure, int customer, const Campaign &campaign,
                                      int order)
{
    data.setSQL(QStringLiteral("Select * From Orders Where [Orders Customer Number] = ? And [Orders Campaign Year] = ? And "
                               "[Orders Campaign Number] = ? And [Orders Order Number] = ? Order By [Orders Sequence Number]"),
                {customer, campaign.year, campaign.number, order});
    std::vector<OrderRow> rows;
    for (RecordSet records = data.GetSnapShot(procedure); records.next();)
        rows.push_back(OrderRow::fromRecord(records));
    return rows;
}

std::optional<Currency> discountPercentInText(const QString &product)
{
    static const QRegularExpression percent(QStringLiteral("(\\d+(?:\\.\\d+)?)%\\s*$"));
    const QRegularExpressionMatch match = percent.match(product);
    if (!match.hasMatch())
        return std::nullopt;
    return Currency::fromString(match.captured(1));
}

StoredOrderHeader StoredOrderHeader::fromRows(const std::vector<OrderRow> &rows)
{
    StoredOrderHeader header;
    Currency optionsPercent, discountRowPercent;
    const OrderRow *first = nullptr;
    const OrderRow *total = nullptr;
    for (const OrderRow &row : rows) {
        const QString &flag = row.internalFlag;
        if (flag == QLatin1String("DETAIL")) {
            if (!first)
                first = &row;
        } else if (flag == QLatin1String("OPTIONS")) {
            header.switches = OrderSwitches::fromText(row.catalogNumber);
            header.hasSwitches = true;
            optionsPercent = row.discountPercent;
        } else if (flag == QLatin1String("SPECIALCHG")) {
            header.specialChargeDescription = row.product.mid(4);
            header.specialChargeAmount = row.unitTotal;
        } else if (flag == QLatin1String("DISCOUNT")) {
            discountRowPercent = discountPercentInText(row.product).value_or(Currency());
        } else if (flag == QLatin1String("CHARGE")) {
            header.charged = true;
        } else if (flag == QLatin1String("TOTAL")) {
            header.total = row.unitTotal;
            total = &row;
        }
    }
    // The OPTIONS row has carried the percent since orders kept their own; before that only a
    // discount that came to more than zero said which percent it was.
    header.discountPercent = optionsPercent > Currency() ? optionsPercent : discountRowPercent;
    // The marks and the date are the same on every row of an order; the first line is read, the
    // total row of an order whose lines are all gone.
    if (const OrderRow *marked = first ? first : total) {
        header.summarized = marked->summaryPrinted;
        header.delivered = marked->delivered == QLatin1String("Y") ? marked->delivered : QStringLiteral("N");
        header.orderDate = marked->enteredDate;
    }
    return header;
}

void StoredOrderHeader::applyTo(OrderRequest &request) const
{
    if (hasSwitches)
        request.switches = switches;
    request.specialChargeDescription = specialChargeDescription;
    request.specialChargeAmount = specialChargeAmount;
    request.discountPercent = discountPercent;
    request.keepCharge = charged;
    request.summarized = summarized;
    request.delivered = delivered;
    if (orderDate.isValid())
        request.orderDate = orderDate;
}

} // namespace zel
