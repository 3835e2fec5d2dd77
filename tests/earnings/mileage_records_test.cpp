#include "earnings/mileage_records.h"

#include "test_support.h"

#include <gtest/gtest.h>

using namespace zel;

namespace {

class MileageRecordsTest : public test::OpenDatabaseTest
{
protected:
    std::optional<MileageTrip> addTrip(const QString &date, const QString &time, const QString &reason)
    {
        MileageTrip trip;
        trip.date = date;
        trip.time = time;
        trip.reason = reason;
        return MileageRecords::add(app.state->data, trip);
    }
    static QStringList reasons(const std::vector<MileageTrip> &trips)
    {
        QStringList out;
        for (const MileageTrip &trip : trips)
            out << trip.reason;
        return out;
    }
};

TEST_F(MileageRecordsTest, TripsAreListedByYearOrAllAndInDateOrderNotTextOrder)
{
    open();
    ASSERT_TRUE(addTrip("12/30/2007", "09:00 AM", "Old year"));
    ASSERT_TRUE(addTrip("02/01/2008", "01:15 PM", "Afternoon"));
    ASSERT_TRUE(addTrip("02/01/2008", "08:05 AM", "Morning"));
    ASSERT_TRUE(addTrip("1/5/2008", "10:00 AM", "Short form"));
    EXPECT_EQ(reasons(MileageRecords::load(app.state->data, 2008)), (QStringList{"Short form", "Morning", "Afternoon"}));
    EXPECT_EQ(reasons(MileageRecords::load(app.state->data, std::nullopt)),
              (QStringList{"Old year", "Short form", "Morning", "Afternoon"}));
}

TEST_F(MileageRecordsTest, ReadingsGiveTheTripTotalAndEditsReachTheirOwnRow)
{
    open();
    std::optional<MileageTrip> first = addTrip("03/01/2008", "09:00 AM", "Meeting");
    const std::optional<MileageTrip> second = addTrip("03/01/2008", "09:00 AM", "Meeting");
    ASSERT_TRUE(first && second);
    ASSERT_NE(first->rowId, second->rowId); // the same values, still two trips

    first->startReading = 1000;
    first->endReading = 1042.5;
    first->updateTripTotal();
    EXPECT_DOUBLE_EQ(first->tripTotal, 42.5);
    first->startReading = 1000;
    first->endReading = 1000.1;
    first->updateTripTotal();
    EXPECT_EQ(QString::number(first->tripTotal), "0.1");

    ASSERT_TRUE(MileageRecords::store(app.state->data, *first));
    EXPECT_EQ(app.column("Select [Mileage Trip Total] From Mileage Order By rowid"), (QStringList{"0.1", "0"}));
    ASSERT_TRUE(MileageRecords::remove(app.state->data, second->rowId));
    EXPECT_EQ(app.column("Select Count(*) From Mileage"), QStringList{"1"});
}

TEST(MileageTrip, ANewTripIsDatedNowInTheLogsTextForms)
{
    const MileageTrip trip = MileageTrip::blank(QDateTime(QDate(2008, 3, 7), QTime(14, 5)));
    EXPECT_EQ(trip.date, "03/07/2008");
    EXPECT_EQ(trip.time, "02:05 PM");
    EXPECT_EQ(trip.day(), QDate(2008, 3, 7));
    EXPECT_EQ(trip.clockTime(), QTime(14, 5));
}

} // namespace
