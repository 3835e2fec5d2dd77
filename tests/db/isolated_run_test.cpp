#include "db/isolated_run.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QStringList>

#include <cstdlib>

using zel::db::IsolatedRun;

TEST(IsolatedRun, MessagesAndTheResultComeBackWholeFromTheChild)
{
    QStringList messages;
    const IsolatedRun::Outcome outcome = IsolatedRun::run(
        [](const IsolatedRun::Send &send) {
            send(QStringLiteral("Converting Customers"));
            send(QString()); // only a sign of life: not passed on
            send(QStringLiteral("two\nlines \\ and a backslash"));
            return QStringLiteral("3\t120\t");
        },
        5000, [&](const QString &message) { messages << message; });
    EXPECT_TRUE(outcome.finished);
    EXPECT_FALSE(outcome.stalled);
    EXPECT_EQ(outcome.result, QStringLiteral("3\t120\t"));
    EXPECT_EQ(messages, (QStringList{"Converting Customers", "two\nlines \\ and a backslash"}));
}

TEST(IsolatedRun, AChildThatStopsTalkingIsStoppedAndAChildThatDiesHasNoResult)
{
    QElapsedTimer timer;
    timer.start();
    const IsolatedRun::Outcome stuck = IsolatedRun::run(
        [](const IsolatedRun::Send &send) {
            send(QStringLiteral("started"));
            for (;;) {
            }
            return QString();
        },
        300);
    EXPECT_FALSE(stuck.finished);
    EXPECT_TRUE(stuck.stalled);
    EXPECT_LT(timer.elapsed(), 5000);

    const IsolatedRun::Outcome died = IsolatedRun::run(
        [](const IsolatedRun::Send &) -> QString {
            std::abort();
        },
        5000);
    EXPECT_FALSE(died.finished);
    EXPECT_FALSE(died.stalled);

    // A child that keeps saying it is working is not stopped, however long it takes. (It speaks
    // every 20 ms, far inside the limit, so that a busy machine cannot make it look stuck.)
    const IsolatedRun::Outcome busy = IsolatedRun::run(
        [](const IsolatedRun::Send &send) {
            QElapsedTimer working;
            working.start();
            qint64 spoke = 0;
            while (working.elapsed() < 1500) {
                if (working.elapsed() - spoke >= 20) {
                    spoke = working.elapsed();
                    send(QString());
                }
            }
            return QStringLiteral("done");
        },
        500);
    EXPECT_TRUE(busy.finished);
    EXPECT_EQ(busy.result, QStringLiteral("done"));
}
