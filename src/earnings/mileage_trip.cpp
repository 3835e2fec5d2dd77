#include "earnings/mileage_trip.h"

#include "db/record_map.h"

#include <cmath>

namespace zel {

namespace {
const QString kDateForm = QStringLiteral("MM/dd/yyyy");
const QString kTimeForm = QStringLiteral("hh:mm AP");
}

MileageTrip MileageTrip::blank(const QDateTime &now)
{
    MileageTrip trip;
    trip.date = dateText(now.date());
    trip.time = timeText(now.time());
    return trip;
}

QString MileageTrip::dateText(const QDate &date)
{
    return date.toString(kDateForm);
}

QString MileageTrip::timeText(const QTime &time)
{
    return time.toString(kTimeForm);
}

QDate MileageTrip::day() const
{
    const QDate padded = QDate::fromString(date.trimmed(), kDateForm);
    return padded.isValid() ? padded : QDate::fromString(date.trimmed(), QStringLiteral("M/d/yyyy"));
}

QTime MileageTrip::clockTime() const
{
    for (const QString &form : {kTimeForm, QStringLiteral("h:mm AP"), QStringLiteral("H:mm")}) {
        const QTime read = QTime::fromString(time.trimmed().toUpper(), form);
        if (read.isValid())
            return read;
    }
    return {};
}

// Readings are whole or tenths of miles; rounding to four places keeps 1000.1 - 1000 at 0.1.
QString MileageTrip::readingRefusal(double reading)
{
    if (std::isfinite(reading) && reading >= 0 && reading <= 9999999.9)
        return {};
    return QStringLiteral("An odometer reading is a number from 0 to 9,999,999.9.");
}

QString MileageTrip::readingsRefusal() const
{
    if (endReading != 0 && endReading < startReading)
        return QStringLiteral("The end reading cannot be below the start reading.");
    return {};
}

void MileageTrip::updateTripTotal()
{
    tripTotal = std::round((endReading - startReading) * 10000.0) / 10000.0;
}

const RecordMap<MileageTrip> &MileageTrip::map()
{
    static const RecordMap<MileageTrip> map(QStringLiteral("Mileage"), {
        field("Mileage Date", &MileageTrip::date),
        field("Mileage Time", &MileageTrip::time),
        field("Mileage Reason", &MileageTrip::reason),
        field("Mileage Description", &MileageTrip::description),
        field("Mileage From Location", &MileageTrip::fromLocation),
        field("Mileage To Location", &MileageTrip::toLocation),
        field("Mileage Start Reading", &MileageTrip::startReading),
        field("Mileage End Reading", &MileageTrip::endReading),
        field("Mileage Trip Total", &MileageTrip::tripTotal),
    });
    return map;
}

MileageTrip MileageTrip::fromRecord(const RecordSet &record)
{
    MileageTrip trip = map().read(record);
    trip.rowId = record.value(QStringLiteral("RowId")).toLongLong();
    return trip;
}

} // namespace zel
