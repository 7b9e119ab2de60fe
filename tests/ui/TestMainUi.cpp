#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>
#include <cstdlib>

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

// The views are tested without a display; the test discovery runs this program too, without
// the tests' environment.
int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    TableDesTextes::globale().charge(std::string(TRUMPWISE_LANG_DIR) + "/fra.txt");
    ::testing::UnitTest::GetInstance()->listeners().Append(new ChecksInternesEchouentLeTest);
    return RUN_ALL_TESTS();
}
