#pragma once

#include "earnings/mileage_trip.h"

#include <optional>
#include <vector>

namespace zel {

class cDataAccess;

// The mileage log, edited straight in its table: each trip is stored as it is left.
class MileageRecords
{
public:
    // The trips dated in `year` (every trip when there is none), by date and time as dates and
    // times, not as the text they are stored in.
    static std::vector<MileageTrip> load(cDataAccess &data, std::optional<int> year);
    // Stores a new trip; returns it with its rowId, nothing when the insert failed.
    static std::optional<MileageTrip> add(cDataAccess &data, MileageTrip trip);
    static bool store(cDataAccess &data, const MileageTrip &trip);
    static bool remove(cDataAccess &data, qint64 rowId);
    // Orders trips by date, then time; a text that is no date sorts first.
    static void sortByDate(std::vector<MileageTrip> &trips);
};

} // namespace zel
