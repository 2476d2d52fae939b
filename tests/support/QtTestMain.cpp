// The main of widget tests: one QApplication for every test of the executable.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Widget tests need no display, also when the test list is read at build time.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
