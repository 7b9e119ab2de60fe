#include <gtest/gtest.h>

#include "support/ChecksInternes.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    prepareLesTests();
    return RUN_ALL_TESTS();
}
