#pragma once

#include "reports/order_summary_table.h"
#include "shell/data_access.h"

#include <QString>

#include <vector>

namespace zel::test {

// A valid United States product number: five digits followed by their check digit.
inline QString withCheckDigit(int fiveDigits)
{
    const QString digits = QStringLiteral("%1").arg(fiveDigits, 5, 10, QLatin1Char('0'));
    int sum = 0;
    for (int i = 0; i < 5; ++i)
        sum += (i + 2) * digits.at(i).digitValue();
    const int check = 11 - sum % 11;
    return digits + QString::number(check > 9 ? 0 : check);
}

inline transmit::OrderSummaryLine summaryLine(const QString &product, int quantity, int fromCampaign,
                                              const QString &page = QStringLiteral("12"))
{
    transmit::OrderSummaryLine line;
    line.campaignYear = 2024;
    line.campaignNumber = 5;
    line.fromCampaign = fromCampaign;
    line.page = page;
    line.catalogNumber = product;
    line.product = QStringLiteral("Product ") + product;
    line.quantity = quantity;
    line.totalOfOrders = 9.99 * quantity;
    return line;
}

// rptOrderSummary made afresh with these lines, as the order summary leaves it.
inline void fillSummary(cDataAccess &data, const std::vector<transmit::OrderSummaryLine> &lines)
{
    transmit::OrderSummaryTable::recreate(data);
    for (const transmit::OrderSummaryLine &line : lines)
        transmit::OrderSummaryTable::insert(data, line);
}

// `count` valid products of one campaign, numbered from `first`.
inline std::vector<transmit::OrderSummaryLine> validLines(int count, int fromCampaign, int first = 10000)
{
    std::vector<transmit::OrderSummaryLine> lines;
    for (int i = 0; i < count; ++i)
        lines.push_back(summaryLine(withCheckDigit(first + i), 1 + i % 4, fromCampaign));
    return lines;
}

} // namespace zel::test
