// One QApplication for every widget test of the executable, created before the first test.
#pragma once

#include <QApplication>
#include <gtest/gtest.h>

namespace velmora::test {

class QtTestApplication : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "velmora-test";
        static char* argv[] = {name, nullptr};
        // Run by hand too, the tests need no display.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        if (!QApplication::instance())
            app_ = new QApplication(argc, argv);
    }
    void TearDown() override {
        delete app_;
        app_ = nullptr;
    }

private:
    QApplication* app_ = nullptr;
};

inline ::testing::Environment* const qtTestApplication =
    ::testing::AddGlobalTestEnvironment(new QtTestApplication);

} // namespace velmora::test
