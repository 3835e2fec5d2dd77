#pragma once

#include "options/earnings_schedule.h"
#include "shell/ui/record_grid_model.h"

namespace zel {

// The earnings schedules as an editable grid: code, include flag, description, then fifteen
// (level, percent) pairs. A value that breaks a rule is refused with its message.
class EarningsModel : public RecordGridModel<EarningsRow>
{
public:
    explicit EarningsModel(std::function<void(const QString &)> tell, QObject *parent = nullptr);

    // Appends a row with the new-row values; returns its index.
    int addRow();
    // Removes a row unless its code is protected (the message is shown).
    bool removeRow(int row);
    // The row's own check (first level, rising levels); empty when fine.
    QString checkRow(int row) const;
};

} // namespace zel
