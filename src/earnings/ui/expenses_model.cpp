#include "earnings/ui/expenses_model.h"

namespace zel {

namespace {

const QString kNotADate = QStringLiteral("Please enter a valid date.");

// A typed date in the forms the representative writes it.
QDate typedDate(const QString &text)
{
    for (const QString &form : {QStringLiteral("M/d/yyyy"), QStringLiteral("MM/dd/yyyy"), QStringLiteral("yyyy-MM-dd")})
        if (const QDate date = QDate::fromString(text, form); date.isValid())
            return date;
    return {};
}

std::vector<GridColumn<Expense>> expenseColumns()
{
    using namespace grid;
    const QString refused = QStringLiteral("Please enter a valid amount.");
    GridColumn<Expense> date{QStringLiteral("Date"), GridKind::Date,
                             [](const Expense &e) -> QVariant { return e.date.date(); },
                             [](Expense &e, const QVariant &value) {
                                 const QDate typed = typedDate(value.toString());
                                 if (!typed.isValid())
                                     return kNotADate;
                                 e.date = QDateTime(typed, QTime(0, 0));
                                 return QString();
                             }};
    return {whole(QStringLiteral("Campaign Year"), &Expense::campaignYear, refused).readOnly(),
            whole(QStringLiteral("Campaign Number"), &Expense::campaignNumber, refused).readOnly(),
            whole(QStringLiteral("Counter"), &Expense::counter, refused).readOnly(),
            text(QStringLiteral("Description"), &Expense::description, 50).withWidth(180),
            text(QStringLiteral("Payee"), &Expense::payee, 50).withWidth(140),
            text(QStringLiteral("Category"), &Expense::category, 50).withWidth(120),
            money(QStringLiteral("Amount"), &Expense::amount, refused),
            flag(QStringLiteral("Include Expense on\nCampaign Totals Report"), &Expense::include),
            date};
}

} // namespace

ExpensesModel::ExpensesModel(ExpenseRecords &records, ExpenseRecords::Grid grid, std::function<void(const QString &)> tell,
                             QObject *parent)
    : RecordGridModel<Expense>(expenseColumns(), std::move(tell), parent), m_records(records), m_grid(grid)
{
}

void ExpensesModel::reload()
{
    setRows(m_records.rows(m_grid));
}

bool ExpensesModel::commit(int row, Expense edited, int column)
{
    Q_UNUSED(column)
    if (!m_records.storeRow(m_grid, edited))
        return false;
    replaceRow(row, std::move(edited), false);
    return true;
}

} // namespace zel
