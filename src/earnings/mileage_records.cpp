#include "earnings/mileage_records.h"

#include "db/record_map.h"
#include "shell/data_access.h"

#include <algorithm>

namespace zel {

namespace {
const QString kProcedure = QStringLiteral("MileageRecords");
}

std::vector<MileageTrip> MileageRecords::load(cDataAccess &data, std::optional<int> year)
{
    QString sql = QStringLiteral("Select rowid As [RowId], * From Mileage ");
    QVariantList values;
    if (year) {
        // The date is text "MM/dd/yyyy": its year is what follows the last slash.
        sql += QStringLiteral("Where [Mileage Date] Like ? ");
        values << QStringLiteral("%/%1").arg(*year);
    }
    data.setSQL(sql + QStringLiteral(" Order by [Mileage Date], [Mileage Time] "), values);
    RecordSet records = data.GetSnapShot(kProcedure);
    std::vector<MileageTrip> trips;
    while (records.next())
        trips.push_back(MileageTrip::fromRecord(records));
    sortByDate(trips);
    return trips;
}

void MileageRecords::sortByDate(std::vector<MileageTrip> &trips)
{
    std::stable_sort(trips.begin(), trips.end(), [](const MileageTrip &a, const MileageTrip &b) {
        if (a.day() != b.day())
            return a.day() < b.day();
        return a.clockTime() < b.clockTime();
    });
}

std::optional<MileageTrip> MileageRecords::add(cDataAccess &data, MileageTrip trip)
{
    if (!data.exec(kProcedure, MileageTrip::map().insertSql(QStringLiteral("Mileage")), MileageTrip::map().values(trip)))
        return std::nullopt;
    trip.rowId = data.scalar(kProcedure, QStringLiteral("Select last_insert_rowid()")).toLongLong();
    return trip;
}

bool MileageRecords::store(cDataAccess &data, const MileageTrip &trip)
{
    const RecordMap<MileageTrip> &map = MileageTrip::map();
    const QString sql = map.updateSql(QStringLiteral("Mileage"), map.columns(), {}) + QStringLiteral(" Where rowid = ?");
    return data.exec(kProcedure, sql, map.values(trip) << trip.rowId);
}

bool MileageRecords::remove(cDataAccess &data, qint64 rowId)
{
    return data.exec(kProcedure, QStringLiteral("Delete From Mileage Where rowid = ?"), {rowId});
}

} // namespace zel
