// Test entry for rule classes that draw or load pictures but show no window: a GUI
// application without widgets, on Qt's offscreen platform unless told otherwise.
#include <QGuiApplication>
#include <gtest/gtest.h>

#include "NoSystemBus.h"

int main(int argc, char** argv)
{
    testutil::keepOffTheSystemBus();
    if (qEnvironmentVariableIsEmpty("QUILLOR_SOURCE_DIR"))
        qputenv("QUILLOR_SOURCE_DIR", QUILLOR_SOURCE_DIR);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // The program's plugins (the audio plugin) are built beside the program.
    QCoreApplication::addLibraryPath(QStringLiteral(QUILLOR_BINARY_DIR));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
