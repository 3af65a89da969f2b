#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    // Death tests fork; "threadsafe" re-runs the test binary instead, which
    // is the safe choice once Qt has started threads of its own.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    // CTest sets the offscreen platform for the runs, but the build also runs
    // each test binary to list its tests, without that setting and perhaps
    // without a display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
