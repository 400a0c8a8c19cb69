// Test entry for the dedicated host's folder: the event loop runs on the host's own
// epoll dispatcher, as in quillor-host, so every test of the folder drives it.
#include "headless/EpollDispatcher.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

#include "NoSystemBus.h"

#include <cstdio>

int main(int argc, char** argv)
{
    testutil::keepOffTheSystemBus();
    if (qEnvironmentVariableIsEmpty("QUILLOR_SOURCE_DIR"))
        qputenv("QUILLOR_SOURCE_DIR", QUILLOR_SOURCE_DIR);
    auto* dispatcher = new EpollDispatcher;
    if (!dispatcher->isValid()) {
        std::fprintf(stderr, "no epoll instance or eventfd could be made: the tests cannot run\n");
        return 1;
    }
    QCoreApplication::setEventDispatcher(dispatcher);
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
