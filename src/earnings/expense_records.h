#pragma once

#include "earnings/expense.h"

#include <QStringList>

#include <optional>
#include <vector>

namespace zel {

class cDataAccess;

// The expenses of the business records screen. A campaign's expenses are copied into two working
// tables, ExpensesWork1 (not on the campaign totals report) and ExpensesWork2 ("Expenses External",
// on the report), edited there, and written back as a whole. New rows take counters one above the
// highest of the whole database, so a counter never repeats.
class ExpenseRecords
{
public:
    enum class Grid { Internal, External };
    enum class List { Description, Payee, Category };

    explicit ExpenseRecords(cDataAccess &data);

    // Empties both working tables and fills them with the campaign's expenses by their flag, then
    // takes the next counter. False when a statement failed.
    bool load(const Campaign &campaign);
    // Replaces the campaign's stored expenses with the working tables' rows, in one transaction:
    // when it fails, the stored expenses stay as they were.
    bool save(const Campaign &campaign);

    // A working table's rows in counter order.
    std::vector<Expense> rows(Grid grid) const;
    // Adds a row with its defaults to a grid's table and advances the counter; nothing when the
    // insert failed.
    std::optional<Expense> addRow(Grid grid, const Campaign &campaign, const QDate &today);
    // Stores an edited row over the row with its counter.
    bool storeRow(Grid grid, const Expense &row);
    bool removeRow(Grid grid, int counter);
    int nextCounter() const { return m_nextCounter; }

    // One above the highest counter of any campaign (1 for none).
    static int firstFreeCounter(cDataAccess &data);
    // The distinct non-empty values of a column, in order; only of `year` when one is given.
    static QStringList choices(cDataAccess &data, List list, std::optional<int> year);
    // The stored expenses of a year (of one campaign when `number` is given), by campaign and counter.
    static std::vector<Expense> stored(cDataAccess &data, int year, std::optional<int> number);
    // Stores an expense straight into Expenses with the first free counter; nothing when it failed.
    static std::optional<Expense> addStored(cDataAccess &data, Expense row);

    static QString workTable(Grid grid);

private:
    cDataAccess &m_data;
    int m_nextCounter = 1;
};

} // namespace zel
