#include "core/text.h"

#include <gtest/gtest.h>

#include <QDateTime>

using zel::fromDbDateTime;
using zel::toDbDateTime;

TEST(DbDateTime, TheStoredFormReadsBackExactlyAndOtherFormsAsTheyDid)
{
    const QDateTime when(QDate(2024, 3, 5), QTime(7, 8, 9));
    EXPECT_EQ(fromDbDateTime(toDbDateTime(when)), when);
    EXPECT_EQ(fromDbDateTime(QStringLiteral(" 2024-12-31 23:59:59 ")), QDateTime(QDate(2024, 12, 31), QTime(23, 59, 59)));
    // A date alone, or with a time in another form, is that day at midnight.
    EXPECT_EQ(fromDbDateTime(QStringLiteral("2024-03-05")), QDateTime(QDate(2024, 3, 5), QTime(0, 0)));
    EXPECT_EQ(fromDbDateTime(QStringLiteral("2024-03-05 10:11:12.000")), QDateTime(QDate(2024, 3, 5), QTime(0, 0)));
    // Impossible days and times are no date at all.
    EXPECT_FALSE(fromDbDateTime(QStringLiteral("2024-02-30 10:00:00")));
    EXPECT_EQ(fromDbDateTime(QStringLiteral("2024-02-28 25:00:00")), QDateTime(QDate(2024, 2, 28), QTime(0, 0)));
    EXPECT_FALSE(fromDbDateTime(QStringLiteral("2024-ab-05 10:00:00")));
    EXPECT_FALSE(fromDbDateTime(QVariant()));
    EXPECT_FALSE(fromDbDateTime(QStringLiteral("March")));
}
