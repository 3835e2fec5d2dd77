#pragma once

#include "core/campaign.h"

#include <QDate>
#include <QString>
#include <QVariant>

#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace zel {

class AppState;
class cDataAccess;
namespace db { struct FieldDef; }

namespace customers {

struct Customer;

constexpr int kHighestCustomerNumber = 32767; // numbers are 16-bit

// The lowest number not in use (1, 2, 4, 5 in use give 3); nothing when every number is taken.
std::optional<int> newCustomerNumber(cDataAccess &data);

// The value a new customer's field starts with ("New Customer", "Active", today, "" or 0, ...).
QVariant newCustomerValue(const db::FieldDef &field, int number);

// Adds a customer with the new-customer values and a helper percentage of 0 for every earnings
// type, and makes it the current customer; `details`, when given, fills in what is known of her
// before the one commit. Returns its number, or nothing (after saying why).
std::optional<int> createCustomer(AppState &state, const std::function<void(Customer &)> &details = {});

// What deleting a customer removed, table by table.
struct DeletedRows
{
    int orders = 0;
    int payments = 0;
    int dates = 0;
    int helperPercents = 0;
    int notes = 0;
    int comments = 0;
    int customers = 0;
};

// A table holding rows of a customer, and the column that names her.
struct CustomerTable
{
    const char *table;
    const char *column;
};
// Every such table, the Customers row last: deleting customers deletes from each in this order.
const std::array<CustomerTable, 7> &customerTables();

// Deletes the customer and everything attached to it in one transaction; with `showMessage` the
// user is told the counts. Other customers that name it as their helper are left alone.
std::optional<DeletedRows> deleteCustomer(AppState &state, int number, bool showMessage);
QString deletedMessage(const DeletedRows &rows);

// A reminder date of a customer.
struct EventDate
{
    QDate date;
    QString description;
    int notifyDays = 0;
    QString autoUpdateYear = QStringLiteral("Y");
};

// Adds an event date with the next free Dates ID (empty fields take their defaults).
std::optional<int> addEventDate(cDataAccess &data, int customer, EventDate event);

// Replaces the customer's notes with `text`, stamped today (also when the text is empty).
bool saveNotes(cDataAccess &data, int customer, const QString &text);

using CommentLines = std::array<QString, 5>;
// Replaces the customer's order comments of a campaign and the standing comments; a set whose
// lines are all blank is removed rather than stored.
bool saveOrderComments(cDataAccess &data, int customer, const Campaign &campaign, const CommentLines &order,
                       const CommentLines &standing);

// Other customers with the same first and last name (quotes in names match any character).
std::vector<int> duplicateNames(cDataAccess &data, int customer, const QString &lastName, const QString &firstName);

} // namespace customers
} // namespace zel
