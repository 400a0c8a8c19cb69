#include "headless/HeadlessHost.h"

#include "discovery/HostAnnouncement.h"
#include "fleet/AgonesSdk.h"
#include "headless/StopSignals.h"
#include "host/RandomSource.h"
#include "host/TServer.h"

#include <QCoreApplication>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

std::uint64_t clockSeed()
{
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

// The SDK client, told of everything the host does. The host ends when the client has
// stopped (after a signal, or at the end of a one-session game).
std::unique_ptr<AgonesSdk> followWithAgones(TServer& host, const AgonesSettings& settings)
{
    auto agones = std::make_unique<AgonesSdk>(settings);
    AgonesSdk* sdk = agones.get();
    QObject::connect(sdk, &AgonesSdk::logLine, sdk, &logHostLine);
    QObject::connect(sdk, &AgonesSdk::stopped, sdk, [] { QCoreApplication::quit(); });
    QObject::connect(&host, &TServer::playerLoggedIn, sdk, &AgonesSdk::playerJoined);
    QObject::connect(&host, &TServer::playerLeft, sdk, &AgonesSdk::playerLeft);
    QObject::connect(&host, &TServer::gameStarted, sdk, &AgonesSdk::gameStarted);
    QObject::connect(&host, &TServer::gameEnded, sdk, &AgonesSdk::gameEnded);
    return agones;
}

} // namespace

void logHostLine(const QString& line)
{
    if (std::fprintf(stderr, "quillor host: %s\n", qUtf8Printable(line)) < 0 || std::fflush(stderr) != 0)
        std::clearerr(stderr);
}

int runHeadlessHost(const HostOptions& options, const AgonesSettings& agonesSettings)
{
    SeededRandom random(clockSeed());
    TServer host(nullptr, random, options.port);
    host.setEventLog(logHostLine);
    host.setSeatHoldSeconds(options.holdSeatSeconds);
    host.setLanguage(options.words); // the options took only a known code
    // Made only when switched on: without it no network object exists.
    const std::unique_ptr<AgonesSdk> agones = agonesSettings.enabled ? followWithAgones(host, agonesSettings) : nullptr;

    StopSignals stop;
    if (!stop.watching())
        logHostLine(QStringLiteral("cannot watch for signals: %1").arg(QString::fromLocal8Bit(std::strerror(errno))));
    bool stopping = false;
    QObject::connect(&stop, &StopSignals::stopRequested, [&](int signo) {
        logHostLine(QStringLiteral("signal %1 received; stopping").arg(signo));
        // With Agones the SDK server is told first; that takes at most AgonesSdk::kStopWaitMs,
        // and a second signal does not wait for it.
        if (agones && !stopping)
            agones->stopRequested();
        else
            QCoreApplication::quit();
        stopping = true;
    });

    try {
        host.startListening();
    } catch (const ESockException& e) {
        logHostLine(QStringLiteral("cannot listen on port %1: %2").arg(options.port).arg(QString::fromLatin1(e.what())));
        return 1;
    }
    logHostLine(QStringLiteral("listening on port %1").arg(host.port()));
    if (agones)
        agones->listening(host.port());
    // Announced on the local network unless told not to; without an Avahi daemon one
    // line says so and nothing waits for it.
    std::unique_ptr<HostAnnouncement> announcement;
    if (options.announce) {
        announcement = std::make_unique<HostAnnouncement>(host);
        QObject::connect(&announcement->announcer(), &GameAnnouncer::logLine, &logHostLine);
        announcement->start(options.name);
    }
    QCoreApplication::exec();
    // Withdrawn before the host closes its connections.
    announcement.reset();
    logHostLine(QStringLiteral("stopped"));
    return 0;
}
