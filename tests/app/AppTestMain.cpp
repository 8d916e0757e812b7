#include "TestEnvironment.h"

#include <gtest/gtest.h>

// No application here: every test makes and ends its own KeshApp.
int main(int argc, char** argv) {
    TestEnvironment::setUp();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
