// quillor-host: the dedicated game host, on Qt Core alone.
//
// The command line is read first, so that help, the version and a wrong option cost
// nothing; then the host runs, on its own epoll event loop, until SIGINT or SIGTERM
// (headless/HeadlessHost.h).
#include "headless/EpollDispatcher.h"
#include "headless/HeadlessHost.h"
#include "headless/HostOptions.h"
#include "net/GameConstants.h"

#include <QCoreApplication>

#include <csignal>
#include <cstdio>

int main(int argc, char** argv)
{
    // A log line written into a pipe whose reader has gone must not end the host.
    std::signal(SIGPIPE, SIG_IGN);

    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const HostOptions options = HostOptions::parse(arguments);
    if (!options.ok()) {
        logHostLine(options.error);
        std::fputs(qPrintable(HostOptions::usage()), stderr);
        return 2;
    }
    if (options.help) {
        std::fputs(qPrintable(HostOptions::usage()), stdout);
        return 0;
    }
    if (options.version) {
        std::printf("%s\n", game::Version);
        return 0;
    }
    const AgonesSettings agones = AgonesSettings::read(
        QProcessEnvironment::systemEnvironment(), {options.agones, options.agonesPort, options.agonesOneSession});
    if (!agones.ok()) {
        logHostLine(agones.error);
        std::fputs(qPrintable(HostOptions::usage()), stderr);
        return 2;
    }

    auto* dispatcher = new EpollDispatcher;
    if (dispatcher->isValid())
        QCoreApplication::setEventDispatcher(dispatcher); // the application takes it
    else
        delete dispatcher; // Qt's own then
    QCoreApplication app(argc, argv);
    return runHeadlessHost(options, agones);
}
