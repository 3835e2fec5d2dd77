#pragma once

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace zel {

class AppState;

namespace utilities {

// What deleting a year's or a campaign's orders removed, and how many customer campaigns stayed
// because their orders and payments do not cancel out.
struct OrderDeletion
{
    int orders = 0;
    int payments = 0;
    int comments = 0;
    int notDeleted = 0;
};

// The delete tab: old orders with their payments and comments, customers of a status, products and
// the stock. Each asks first, deletes in one transaction and reports its counts; nothing (and no
// change) when the user says No, a choice is missing or a statement fails.
class CampaignCleanup
{
public:
    static constexpr int kAll = 0; // campaign "All"; for products, year 0 is the baseline

    explicit CampaignCleanup(AppState &state) : m_state(state) {}

    // The campaign years that orders or products are kept for, newest first (the baseline's 0 left out).
    std::vector<int> years();

    // "Perform Backup Before Delete": runs `backup`; when it did not finish, asks whether to go on.
    // False means stop.
    bool backUpFirst(const std::function<bool()> &backup);

    // Removes the customers' orders, payments and comments of a campaign (or of the whole year with
    // kAll) only where nothing is owed: a campaign whose orders and payments add to zero, a year
    // whose balance and the previous year's are both zero.
    std::optional<OrderDeletion> deleteOrders(std::optional<int> year, std::optional<int> campaign);
    // Every customer with status "Deleted" or "Closed", with everything attached to them.
    std::optional<int> deleteCustomers(const QString &status);
    std::optional<int> deleteProducts(std::optional<int> year, std::optional<int> number);
    std::optional<int> deleteInventory();

private:
    bool deleteCampaignRows(int customer, int year, std::optional<int> campaign, OrderDeletion &counts);
    void reportOrders(const OrderDeletion &counts, int year);

    AppState &m_state;
};

} // namespace utilities
} // namespace zel
