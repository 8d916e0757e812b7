#include "ModalWatchdog.h"
#include "TestEnvironment.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    TestEnvironment::setUp();
    QApplication app(argc, argv);
    const ModalWatchdog watchdog;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
