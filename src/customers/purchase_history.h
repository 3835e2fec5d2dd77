#pragma once

#include "core/campaign.h"
#include "core/currency.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace zel {

class cDataAccess;

namespace customers {

// Which order lines the purchase history looks for: a prefix of each of the four columns, or one
// quick-search text found anywhere in any of them; optionally only in one campaign.
struct HistoryCriteria
{
    QString catalogNumber, product, shade, size;
    QString quick; // when not empty, the four fields above are not used
    std::optional<Campaign> campaign;
    int customer = 0; // 0: every customer
};

// One order line found, with its customer's name.
struct HistoryLine
{
    int customer = 0;
    QString firstName, lastName;
    int year = 0;
    int campaign = 0;
    int order = 0;
    QString page, catalogNumber, product, shade, size;
    int quantity = 0;
    Currency unitPrice;
    Currency total;

    QString customerName() const { return (firstName.trimmed() + QLatin1Char(' ') + lastName.trimmed()).trimmed(); }
};

// Every character that is not a letter or digit becomes the one-character wildcard, so punctuation
// in a product name never breaks the search ("Eye-Liner" also finds "Eye Liner").
QString cleanedCriterion(const QString &value);

// The order lines (DETAIL rows) matching the criteria, by customer number.
std::vector<HistoryLine> findHistory(cDataAccess &data, const HistoryCriteria &criteria);

// The distinct non-empty values of one of the four columns over every order line, for the lists.
enum class HistoryColumn { CatalogNumber, Product, Shade, Size };
QStringList historyChoices(cDataAccess &data, HistoryColumn column);

// Builds rptHistory for the history report from the same criteria; returns its row count, or
// nothing when a statement failed.
std::optional<int> prepareHistoryTable(cDataAccess &data, const HistoryCriteria &criteria);

} // namespace customers
} // namespace zel
