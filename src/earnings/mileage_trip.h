#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

namespace zel {

class RecordSet;
template <typename T>
class RecordMap;

// One business trip of the mileage log. The table has no key: a trip is told apart by the row it
// is stored in (rowId). Date and time are kept as the text the log shows, "MM/dd/yyyy" and
// "hh:mm AM".
struct MileageTrip
{
    qint64 rowId = 0; // 0: not stored yet
    QString date;
    QString time;
    QString reason;
    QString description;
    QString fromLocation;
    QString toLocation;
    double startReading = 0;
    double endReading = 0;
    double tripTotal = 0;

    // A trip of today at the present minute.
    static MileageTrip blank(const QDateTime &now);
    static QString dateText(const QDate &date);
    static QString timeText(const QTime &time);
    // The date as a date; also reads "M/d/yyyy". Invalid for text that is not a date.
    QDate day() const;
    QTime clockTime() const;

    // The readings changed: the trip total is the distance between them.
    void updateTripTotal();

    // Why `reading` cannot be an odometer reading (not a number, below 0, beyond any odometer), or
    // empty when it can.
    static QString readingRefusal(double reading);
    // Why the two readings do not go together (an end below the start), or empty. An end of 0 is
    // one not typed yet.
    QString readingsRefusal() const;

    static const RecordMap<MileageTrip> &map();
    static MileageTrip fromRecord(const RecordSet &record);

    bool operator==(const MileageTrip &) const = default;
};

} // namespace zel
