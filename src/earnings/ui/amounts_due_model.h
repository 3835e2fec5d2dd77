#pragma once

#include "earnings/expense_totals.h"
#include "shell/ui/record_grid_model.h"

namespace zel {

class cDataAccess;

// The campaign totals grid: the amount due of each campaign of the year, stored as it is typed.
class AmountsDueModel : public RecordGridModel<AmountDue>
{
    Q_OBJECT
public:
    enum Column { Year, Number, Due, ColumnCount };

    AmountsDueModel(cDataAccess &data, std::function<void(const QString &)> tell, QObject *parent = nullptr);

protected:
    bool commit(int row, AmountDue edited, int column) override;

private:
    cDataAccess &m_data;
};

} // namespace zel
