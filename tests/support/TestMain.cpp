#include <gtest/gtest.h>

#include <cstdio>

#include "platform/Assertion.h"
#include "platform/TableDesTextes.h"

namespace {

// Outside a test that watches for them, an internal check that fails is a test failure.
class ChecksInternesEchouentLeTest : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        assertion::installe([](const char* expression, const char* source, int ligne) {
            ADD_FAILURE() << "Assertion failed: " << expression << " " << source << " " << ligne;
        });
    }
};

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    TableDesTextes::globale().charge(std::string(TRUMPWISE_LANG_DIR) + "/fra.txt");
    ::testing::UnitTest::GetInstance()->listeners().Append(new ChecksInternesEchouentLeTest);
    return RUN_ALL_TESTS();
}
