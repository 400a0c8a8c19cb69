#pragma once
// Helpers of the benchmarks that run a real host: memory of this process, the event
// loop run for a while, and loopback connections.
#include "tests/common/Loopback.h"

#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>

namespace benchtools {

using testutil::connectLoopback;

// The resident memory of this process in KiB (0 when it cannot be read).
inline long residentKiB()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

// The main() of a benchmark program that needs a Qt event loop but no window.
inline int runWithCoreApplication(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // The program's plugins (the network plugin of the download) are built in the build folder.
    QCoreApplication::addLibraryPath(QStringLiteral(QUILLOR_BINARY_DIR));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// Runs the event loop for about `ms` milliseconds.
inline void pump(int ms)
{
    QDeadlineTimer deadline(ms);
    do
        QCoreApplication::processEvents(QEventLoop::AllEvents, 2);
    while (!deadline.hasExpired());
}

} // namespace benchtools
