// The main of every test program: widgets draw offscreen, also when CTest lists the tests without the
// test environment, and a QApplication exists for timers, socket notifiers and widgets.
#include <gtest/gtest.h>

#include <QApplication>

#include <cstdlib>

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
