#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/Assertion.h"
#include "platform/TableDesTextes.h"

// Outside a test that watches for them, an internal check that fails is a test failure.
class ChecksInternesEchouentLeTest : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        assertion::installe([](const char* expression, const char* source, int ligne) {
            ADD_FAILURE() << "Assertion failed: " << expression << " " << source << " " << ligne;
        });
    }
};

// What every test program does before its tests: the French texts and the check above.
inline void prepareLesTests() {
    TableDesTextes::globale().charge(std::string(TRUMPWISE_LANG_DIR) + "/fra.txt");
    ::testing::UnitTest::GetInstance()->listeners().Append(new ChecksInternesEchouentLeTest);
}
