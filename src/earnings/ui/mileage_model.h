#pragma once

#include "earnings/mileage_trip.h"
#include "shell/ui/record_grid_model.h"

namespace zel {

class cDataAccess;

// The mileage grid: trips stored in the Mileage table as each cell is left; a changed reading
// recomputes the trip total.
class MileageModel : public RecordGridModel<MileageTrip>
{
    Q_OBJECT
public:
    enum Column { Reason, Description, Date, Time, From, To, Start, End, Total, ColumnCount };

    MileageModel(cDataAccess &data, std::function<void(const QString &)> tell, QObject *parent = nullptr);

protected:
    bool commit(int row, MileageTrip edited, int column) override;

private:
    cDataAccess &m_data;
};

} // namespace zel
