#pragma once

#include "earnings/expense_records.h"
#include "shell/ui/record_grid_model.h"

namespace zel {

// One of the two expense grids over its working table; each edit is stored there at once.
class ExpensesModel : public RecordGridModel<Expense>
{
    Q_OBJECT
public:
    enum Column { Year, Number, Counter, Description, Payee, Category, Amount, Include, Date, ColumnCount };

    ExpensesModel(ExpenseRecords &records, ExpenseRecords::Grid grid, std::function<void(const QString &)> tell,
                  QObject *parent = nullptr);

    ExpenseRecords::Grid grid() const { return m_grid; }
    // Reads the working table again.
    void reload();

protected:
    bool commit(int row, Expense edited, int column) override;

private:
    ExpenseRecords &m_records;
    ExpenseRecords::Grid m_grid;
};

} // namespace zel
