#pragma once

#include "core/campaign.h"
#include "core/currency.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace zel {

class AppState;
class cDataAccess;

namespace customers {

// "N / A" in a choice list means no condition.
inline const QString kNotApplicable = QStringLiteral("N / A");

enum class ResultOrder { ByName, ByNumber };
enum class BalanceKind { NonZero, Debit, Credit };

// What the search screen's form holds. Empty texts match every customer whose column is not
// Null; the campaign criteria name the campaign they look at (number 0: none was selected).
struct SearchCriteria
{
    int number = 0; // 0: any customer
    QString firstName, lastName, houseNumber, address, city, state, zipCode, phone1, phone2, phone3, email;
    QString referredBy = kNotApplicable, area = kNotApplicable, status = kNotApplicable;
    std::optional<int> helper;
    std::optional<Currency> discountPercent;
    std::optional<int> numberOfBooks;
    int pointsCounter = 0; // 1..9: "Has Points" above pointsAbove
    int pointsAbove = 0;
    QString comments;
    ResultOrder order = ResultOrder::ByName;

    std::optional<Campaign> orderedIn;
    std::optional<Campaign> notOrderedIn;
    std::optional<Campaign> balanceBefore;
    BalanceKind balanceKind = BalanceKind::NonZero;
    std::optional<Campaign> productIn;
    QStringList products; // up to three catalog numbers
    std::optional<Campaign> noOrdersInPast; // the current campaign the count goes back from
    int pastCampaigns = 0;
    bool eventsApproaching = false;
};

// " Order by ..." of a result order.
QString orderClause(ResultOrder order);

// The message when a campaign criterion was chosen without a campaign number, else empty.
QString missingCampaign(const SearchCriteria &criteria);

// Runs a search: clears every search label, finds the customers in result order and marks them
// (Customers Label Flag 2 = 'Y'). Nothing, after telling the user why, when a criterion lacks its
// campaign or a statement failed. The status bar shows the count.
std::optional<std::vector<int>> findCustomers(AppState &state, const SearchCriteria &criteria);

// Every customer, in result order ("All Customers").
std::vector<int> allCustomers(cDataAccess &data, ResultOrder order);

// "12 Customers Found." / "1 Customer Found."
QString foundText(int count);

} // namespace customers
} // namespace zel
