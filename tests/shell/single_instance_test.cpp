#include "shell/single_instance.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

using zel::SingleInstance;
using zel::test::TempApp;

TEST(SingleInstance, ASecondCopyIsRefusedAndRaisesTheFirst)
{
    TempApp app;
    SingleInstance first(app.path(""));
    ASSERT_TRUE(first.acquire());
    int raised = 0;
    QObject::connect(&first, &SingleInstance::raiseRequested, [&] { ++raised; });

    SingleInstance second(app.path(""));
    EXPECT_FALSE(second.acquire());
    EXPECT_TRUE(second.raiseRunningInstance());
    QElapsedTimer waited;
    waited.start();
    while (raised == 0 && waited.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(raised, 1);

    TempApp elsewhere;
    SingleInstance other(elsewhere.path(""));
    EXPECT_TRUE(other.acquire()) << "another application folder is another program";
}
