#include <gtest/gtest.h>

#include <QCoreApplication>

#include "support/ChecksInternes.h"

// The sockets deliver their signals through the event loop of this application.
int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    prepareLesTests();
    return RUN_ALL_TESTS();
}
