#include "orders/order_entry_copy.h"

#include "core/prompter.h"
#include "session/app_state.h"

#include <algorithm>

namespace zel {

namespace {
const QString kProcedure = QStringLiteral("Zel_Order:Copy");
const QString kSourceFilter = QStringLiteral(" Where [Orders Customer Number] = ? And [Orders Campaign Year] = ? And [Orders "
                                             "Campaign Number] = ? And [Orders Order Number] = ?");
}

std::vector<int> OrderCopy::years()
{
    m_state.data.setSQL(QStringLiteral("Select Distinct [Orders Campaign Year] From Orders Order By [Orders Campaign Year]"));
    RecordSet rows = m_state.data.GetSnapShot(kProcedure);
    std::vector<int> years;
    while (rows.next())
        years.push_back(rows.value(0).toInt());
    return years;
}

std::vector<OrderCopy::CustomerChoice> OrderCopy::customers()
{
    m_state.data.setSQL(QStringLiteral("Select [Customers Number], [Customers First Name], [Customers Last Name] From Customers "
                                       "Order By [Customers Last Name], [Customers First Name]"));
    RecordSet rows = m_state.data.GetSnapShot(kProcedure);
    std::vector<CustomerChoice> customers;
    while (rows.next()) {
        const QString first = rows.value(1).toString().trimmed();
        const QString last = rows.value(2).toString().trimmed();
        customers.push_back({rows.value(0).toInt(), first.isEmpty() ? last : last + QStringLiteral(", ") + first});
    }
    return customers;
}

std::vector<OrderCopy::Source> OrderCopy::existingOrders(int customer)
{
    m_state.data.setSQL(QStringLiteral("Select Distinct [Orders Campaign Year], [Orders Campaign Number], [Orders Order Number] "
                                       "From Orders Where [Orders Customer Number] = ? Order By [Orders Campaign Year], [Orders "
                                       "Campaign Number], [Orders Order Number] "),
                        {customer});
    RecordSet rows = m_state.data.GetSnapShot(kProcedure);
    std::vector<Source> orders;
    while (rows.next())
        orders.push_back({customer, {rows.value(0).toInt(), rows.value(1).toInt()}, rows.value(2).toInt()});
    return orders;
}

std::optional<std::vector<int>> OrderCopy::orderNumbers(int customer, int year, int number)
{
    if (year <= 0) {
        m_state.prompter.information(QStringLiteral("Please Select a Campaign Year."));
        return std::nullopt;
    }
    if (number <= 0) {
        m_state.prompter.information(QStringLiteral("Please Select a Campaign Number."));
        return std::nullopt;
    }
    m_state.data.setSQL(QStringLiteral("Select Distinct [Orders Order Number] From Orders Where [Orders Customer Number] = ? "
                                       "And [Orders Campaign Year] = ? And [Orders Campaign Number] = ? Order By [Orders Order "
                                       "Number] "),
                        {customer, year, number});
    RecordSet rows = m_state.data.GetSnapShot(kProcedure);
    std::vector<int> orders;
    while (rows.next())
        orders.push_back(rows.value(0).toInt());
    if (orders.empty()) {
        m_state.prompter.information(QStringLiteral("No Orders Found"));
        return std::nullopt;
    }
    return orders;
}

QStringList OrderCopy::sourceLines(const Source &source) const
{
    return {QStringLiteral("Campaign: %1").arg(source.campaign.number), QStringLiteral("Year: %1").arg(source.campaign.year),
            QStringLiteral("Customer: %1").arg(source.customer), QStringLiteral("Order: %1").arg(source.order)};
}

int OrderCopy::copyInto(std::vector<OrderRow> &lines, const Source &source)
{
    m_state.data.setSQL(QStringLiteral("Select * From [Orders]") + kSourceFilter
                            + QStringLiteral(" And [Orders Internal Flag] = 'DETAIL' Order By  [Orders Sequence Number] "),
                        {source.customer, source.campaign.year, source.campaign.number, source.order});
    RecordSet rows = m_state.data.GetSnapShot(kProcedure);
    int lastSequence = 0;
    for (const OrderRow &line : lines)
        lastSequence = std::max(lastSequence, line.sequenceNumber);
    int copied = 0;
    while (rows.next()) {
        OrderRow line = OrderRow::fromRecord(rows);
        line.sequenceNumber = ++lastSequence;
        line.fromCampaign = m_state.options.CurrentCampaignNumber;
        lines.push_back(line);
        ++copied;
    }
    if (copied == 0) {
        m_state.prompter.information(zel::lines(QStringList{QStringLiteral("No order found."), QString()} + sourceLines(source)));
        return 0;
    }
    m_state.prompter.information(QStringLiteral("Order Copy Successful. \n%1 details copied.").arg(copied));
    const QStringList question = QStringList{QStringLiteral("Do you wish to DELETE the source order?"), QString()}
                               + sourceLines(source);
    if (m_state.prompter.askYesNo(zel::lines(question), kMessageTitle, Answer::No))
        m_state.data.exec(kProcedure, QStringLiteral("Delete From [Orders]") + kSourceFilter,
                          {source.customer, source.campaign.year, source.campaign.number, source.order});
    return copied;
}

} // namespace zel
