#include "app/ServeMode.h"

#include "app/PortOption.h"
#include "app/StopSignals.h"
#include "host/RandomSource.h"
#include "host/TServer.h"

#include <QCoreApplication>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>

namespace {

// A line that cannot be written (stderr is a pipe nobody reads any more, a full disk)
// is dropped; the host goes on, and later lines are tried again.
void logLine(const QString& line)
{
    if (std::fprintf(stderr, "quillor host: %s\n", qUtf8Printable(line)) < 0 || std::fflush(stderr) != 0)
        std::clearerr(stderr);
}

std::uint64_t clockSeed()
{
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

} // namespace

namespace serve {

bool requested(int argc, char** argv)
{
    // After "--" come a player's name, host and flag, and "--serve" there is a name.
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (std::strcmp(argv[i], "--serve") == 0)
            return true;
    }
    return false;
}

int runFromArguments(const QStringList& arguments)
{
    const PortOption option = PortOption::extract(arguments.mid(1));
    QStringList rest = option.remaining;
    rest.removeAll(QStringLiteral("--serve"));
    if (!option.ok() || !rest.isEmpty()) {
        if (!option.ok())
            logLine(option.error);
        else
            logLine(QStringLiteral("unexpected argument \"%1\"").arg(rest.first()));
        std::fprintf(stderr, "Usage: quillor --serve [--port N]\n");
        return 2;
    }
    return runServe(option.port);
}

int runServe(quint16 port)
{
    StopSignals stop;
    if (!stop.watching())
        logLine(QStringLiteral("cannot watch for signals: %1").arg(QString::fromLocal8Bit(std::strerror(errno))));
    QObject::connect(&stop, &StopSignals::stopRequested, [](int signo) {
        logLine(QStringLiteral("signal %1 received; stopping").arg(signo));
        QCoreApplication::quit();
    });
    SeededRandom random(clockSeed());
    TServer host(nullptr, random, port);
    host.setEventLog(logLine);
    try {
        host.startListening();
    } catch (const ESockException& e) {
        logLine(QStringLiteral("cannot listen on port %1: %2").arg(port).arg(QString::fromLatin1(e.what())));
        return 1;
    }
    logLine(QStringLiteral("listening on port %1").arg(host.port()));
    QCoreApplication::exec();
    logLine(QStringLiteral("stopped"));
    return 0;
}

} // namespace serve
