#include "earnings/expense_records.h"

#include "db/record_map.h"
#include "shell/data_access.h"
#include "shell/database_connection.h"
#include "shell/transaction.h"

namespace zel {

namespace {

const QString kProcedure = QStringLiteral("ExpenseRecords");
const QStringList kKey = {QStringLiteral("Expenses Counter")};

QString listColumn(ExpenseRecords::List list)
{
    switch (list) {
    case ExpenseRecords::List::Payee: return QStringLiteral("Expenses Payee");
    case ExpenseRecords::List::Category: return QStringLiteral("Expenses Category");
    case ExpenseRecords::List::Description: break;
    }
    return QStringLiteral("Expenses Description");
}

std::vector<Expense> readAll(cDataAccess &data, const QString &sql, const QVariantList &values)
{
    data.setSQL(sql, values);
    RecordSet records = data.GetSnapShot(kProcedure);
    std::vector<Expense> rows;
    while (records.next())
        rows.push_back(Expense::fromRecord(records));
    return rows;
}

} // namespace

ExpenseRecords::ExpenseRecords(cDataAccess &data) : m_data(data) {}

QString ExpenseRecords::workTable(Grid grid)
{
    return grid == Grid::External ? QStringLiteral("ExpensesWork2") : QStringLiteral("ExpensesWork1");
}

bool ExpenseRecords::load(const Campaign &campaign)
{
    const QString columns = Expense::map().columnList();
    for (const Grid grid : {Grid::Internal, Grid::External}) {
        const QString table = workTable(grid);
        if (!m_data.exec(kProcedure, QStringLiteral("Delete From ") + table))
            return false;
        const QString copy = QStringLiteral("Insert Into ") + table + QStringLiteral(" (") + columns + QStringLiteral(") Select ")
                           + columns + QStringLiteral(" From Expenses Where [Expenses Campaign Year] = ? And "
                                                      "[Expenses Campaign Number] = ? And [Expenses Include Flag] ")
                           + (grid == Grid::External ? QStringLiteral("<> 0") : QStringLiteral("= 0"));
        if (!m_data.exec(kProcedure, copy, {campaign.year, campaign.number}))
            return false;
    }
    m_nextCounter = firstFreeCounter(m_data);
    return true;
}

bool ExpenseRecords::save(const Campaign &campaign)
{
    const QString columns = Expense::map().columnList();
    Transaction transaction(m_data.database().handle());
    if (!m_data.exec(kProcedure, QStringLiteral("Delete From Expenses Where [Expenses Campaign Year] = ? And "
                                                "[Expenses Campaign Number] = ?"),
                     {campaign.year, campaign.number}))
        return false;
    for (const Grid grid : {Grid::Internal, Grid::External}) {
        const QString copy = QStringLiteral("Insert Into Expenses (") + columns + QStringLiteral(") Select ") + columns
                           + QStringLiteral(" From ") + workTable(grid);
        if (!m_data.exec(kProcedure, copy))
            return false;
    }
    return transaction.commit();
}

std::vector<Expense> ExpenseRecords::rows(Grid grid) const
{
    return readAll(m_data, QStringLiteral("Select * From ") + workTable(grid) + QStringLiteral(" Order by [Expenses Counter] "),
                   {});
}

std::optional<Expense> ExpenseRecords::addRow(Grid grid, const Campaign &campaign, const QDate &today)
{
    const Expense row = Expense::blank(campaign, m_nextCounter, grid == Grid::External, today);
    if (!m_data.exec(kProcedure, Expense::map().insertSql(workTable(grid)), Expense::map().values(row)))
        return std::nullopt;
    ++m_nextCounter;
    return row;
}

bool ExpenseRecords::storeRow(Grid grid, const Expense &row)
{
    const RecordMap<Expense> &map = Expense::map();
    return m_data.exec(kProcedure, map.updateSql(workTable(grid), kKey), map.updateValues(row, kKey));
}

bool ExpenseRecords::removeRow(Grid grid, int counter)
{
    return m_data.exec(kProcedure, QStringLiteral("Delete From ") + workTable(grid) + QStringLiteral(" Where [Expenses Counter] = ?"),
                       {counter});
}

int ExpenseRecords::firstFreeCounter(cDataAccess &data)
{
    return data.number(kProcedure, QStringLiteral("Select Max([Expenses Counter]) As Last_Used From Expenses ")) + 1;
}

QStringList ExpenseRecords::choices(cDataAccess &data, List list, std::optional<int> year)
{
    const QString column = QLatin1Char('[') + listColumn(list) + QLatin1Char(']');
    QString sql = QStringLiteral("Select Distinct ") + column + QStringLiteral(" From Expenses Where ") + column
                + QStringLiteral(" <> '' ");
    QVariantList values;
    if (year) {
        sql += QStringLiteral(" And [Expenses Campaign Year] = ? ");
        values << *year;
    }
    data.setSQL(sql + QStringLiteral("Order by ") + column, values);
    RecordSet records = data.GetSnapShot(kProcedure);
    QStringList out;
    while (records.next())
        out << records.value(0).toString();
    return out;
}

std::vector<Expense> ExpenseRecords::stored(cDataAccess &data, int year, std::optional<int> number)
{
    QString sql = QStringLiteral("Select * From Expenses Where [Expenses Campaign Year] = ? ");
    QVariantList values{year};
    if (number) {
        sql += QStringLiteral("And [Expenses Campaign Number] = ? ");
        values << *number;
    }
    return readAll(data, sql + QStringLiteral("Order by [Expenses Campaign Number], [Expenses Counter]"), values);
}

std::optional<Expense> ExpenseRecords::addStored(cDataAccess &data, Expense row)
{
    row.counter = firstFreeCounter(data);
    if (!data.exec(kProcedure, Expense::map().insertSql(QStringLiteral("Expenses")), Expense::map().values(row)))
        return std::nullopt;
    return row;
}

} // namespace zel
