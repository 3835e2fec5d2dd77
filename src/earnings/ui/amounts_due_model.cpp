#include "earnings/ui/amounts_due_model.h"

namespace zel {

namespace {

std::vector<GridColumn<AmountDue>> dueColumns()
{
    using namespace grid;
    const QString refused = QStringLiteral("Please enter a valid amount.");
    return {whole(QStringLiteral("Campaign\nYear"), &AmountDue::year, refused).readOnly(),
            whole(QStringLiteral("Campaign\nNumber"), &AmountDue::number, refused).readOnly(),
            money(QStringLiteral("Amount Due"), &AmountDue::due, refused).withWidth(120)};
}

} // namespace

AmountsDueModel::AmountsDueModel(cDataAccess &data, std::function<void(const QString &)> tell, QObject *parent)
    : RecordGridModel<AmountDue>(dueColumns(), std::move(tell), parent), m_data(data)
{
}

bool AmountsDueModel::commit(int row, AmountDue edited, int column)
{
    Q_UNUSED(column)
    if (!ExpenseTotals::store(m_data, edited))
        return false;
    replaceRow(row, std::move(edited), false);
    return true;
}

} // namespace zel
