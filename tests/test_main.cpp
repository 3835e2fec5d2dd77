#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

#include <cstdio>

int main(int argc, char **argv)
{
    // Screens are tested without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Commands run in-process read their answers from stdin: here there are none, whoever runs the tests.
    if (!std::freopen("/dev/null", "r", stdin))
        return 1;
    QApplication app(argc, argv);
    // Currency texts in tests read the same on every machine.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    ::testing::InitGoogleTest(&argc, argv);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    return RUN_ALL_TESTS();
}
