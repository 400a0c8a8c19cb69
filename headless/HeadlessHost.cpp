#include "headless/HeadlessHost.h"

#include "headless/StopSignals.h"
#include "host/RandomSource.h"
#include "host/TServer.h"

#include <QCoreApplication>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>

namespace {

std::uint64_t clockSeed()
{
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

} // namespace

void logHostLine(const QString& line)
{
    if (std::fprintf(stderr, "quillor host: %s\n", qUtf8Printable(line)) < 0 || std::fflush(stderr) != 0)
        std::clearerr(stderr);
}

int runHeadlessHost(const HostOptions& options)
{
    StopSignals stop;
    if (!stop.watching())
        logHostLine(QStringLiteral("cannot watch for signals: %1").arg(QString::fromLocal8Bit(std::strerror(errno))));
    QObject::connect(&stop, &StopSignals::stopRequested, [](int signo) {
        logHostLine(QStringLiteral("signal %1 received; stopping").arg(signo));
        QCoreApplication::quit();
    });
    SeededRandom random(clockSeed());
    TServer host(nullptr, random, options.port);
    host.setEventLog(logHostLine);
    host.setSeatHoldSeconds(options.holdSeatSeconds);
    try {
        host.startListening();
    } catch (const ESockException& e) {
        logHostLine(QStringLiteral("cannot listen on port %1: %2").arg(options.port).arg(QString::fromLatin1(e.what())));
        return 1;
    }
    logHostLine(QStringLiteral("listening on port %1").arg(host.port()));
    QCoreApplication::exec();
    logHostLine(QStringLiteral("stopped"));
    return 0;
}
