// Test entry for folders that need an event loop but no windows.
#include <QCoreApplication>
#include <gtest/gtest.h>

#include "NoSystemBus.h"

int main(int argc, char** argv)
{
    testutil::keepOffTheSystemBus();
    if (qEnvironmentVariableIsEmpty("QUILLOR_SOURCE_DIR"))
        qputenv("QUILLOR_SOURCE_DIR", QUILLOR_SOURCE_DIR);
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
