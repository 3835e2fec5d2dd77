#include "shell/clock.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>

using zel::Clock;

TEST(Clock, ASetClockStandsStillAndJumpsInsteadOfWaiting)
{
    Clock clock;
    const QDateTime start(QDate(2008, 8, 9), QTime(14, 5, 7, 500));
    clock.set(start);
    EXPECT_EQ(clock.now(), QDateTime(QDate(2008, 8, 9), QTime(14, 5, 7))) << "whole seconds";
    const qint64 second = clock.now().toSecsSinceEpoch();

    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(clock.secondOtherThan(second - 1), second) << "another second is not waited for";
    EXPECT_EQ(clock.secondOtherThan(second), second + 1);
    EXPECT_EQ(clock.secondOtherThan(second + 1), second + 2);
    EXPECT_LT(timer.elapsed(), 500);
    EXPECT_EQ(clock.now().toSecsSinceEpoch(), second + 2);

    clock.advance(60);
    EXPECT_EQ(clock.now().time(), QTime(14, 6, 9));
    clock.release();
    EXPECT_FALSE(clock.isSet());
    EXPECT_LE(qAbs(clock.now().secsTo(QDateTime::currentDateTime())), 1);
}

TEST(Clock, TheRunningClockSleepsToTheNextSecond)
{
    Clock clock;
    const qint64 second = clock.now().toSecsSinceEpoch();
    const qint64 next = clock.secondOtherThan(second);
    EXPECT_GT(next, second);
    EXPECT_LE(next, QDateTime::currentSecsSinceEpoch()) << "the second it names has come";
    clock.advance(3600);
    EXPECT_LE(qAbs(clock.now().secsTo(QDateTime::currentDateTime())), 1) << "a running clock is not moved";
}
