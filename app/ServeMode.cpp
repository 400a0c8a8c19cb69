#include "app/ServeMode.h"

#include "app/PortOption.h"
#include "host/RandomSource.h"
#include "host/TServer.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

// A line that cannot be written (stderr is a pipe nobody reads any more, a full disk)
// is dropped; the host goes on, and later lines are tried again.
void logLine(const QString& line)
{
    if (std::fprintf(stderr, "quillor host: %s\n", qUtf8Printable(line)) < 0 || std::fflush(stderr) != 0)
        std::clearerr(stderr);
}

// The write end of the signal pipe. A signal handler can reach nothing but a plain
// variable; it is set only while a ShutdownSignals object exists.
volatile std::sig_atomic_t g_signalPipe = -1;

void onSignal(int signo)
{
    const int fd = g_signalPipe;
    if (fd >= 0) {
        const int saved = errno;
        const unsigned char byte = static_cast<unsigned char>(signo);
        [[maybe_unused]] const ssize_t n = ::write(fd, &byte, 1);
        errno = saved;
    }
}

// Turns SIGINT and SIGTERM into a quit of the event loop: the handler only writes one
// byte into a pipe, whose read end the event loop watches.
class ShutdownSignals {
public:
    ShutdownSignals()
    {
        if (::pipe2(m_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
            logLine(QStringLiteral("cannot watch for signals: %1").arg(QString::fromLocal8Bit(std::strerror(errno))));
            return;
        }
        g_signalPipe = m_pipe[1];
        m_notifier = new QSocketNotifier(m_pipe[0], QSocketNotifier::Read);
        QObject::connect(m_notifier, &QSocketNotifier::activated, [this] {
            unsigned char byte = 0;
            if (::read(m_pipe[0], &byte, 1) == 1)
                m_signal = byte;
            logLine(QStringLiteral("signal %1 received; stopping").arg(m_signal));
            QCoreApplication::quit();
        });
        struct sigaction action {};
        action.sa_handler = onSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        ::sigaction(SIGINT, &action, &m_oldInt);
        ::sigaction(SIGTERM, &action, &m_oldTerm);
        m_installed = true;
    }

    ~ShutdownSignals()
    {
        if (m_installed) {
            ::sigaction(SIGINT, &m_oldInt, nullptr);
            ::sigaction(SIGTERM, &m_oldTerm, nullptr);
        }
        g_signalPipe = -1;
        delete m_notifier;
        if (m_pipe[0] >= 0) {
            ::close(m_pipe[0]);
            ::close(m_pipe[1]);
        }
    }

    ShutdownSignals(const ShutdownSignals&) = delete;
    ShutdownSignals& operator=(const ShutdownSignals&) = delete;

private:
    int m_pipe[2] = {-1, -1};
    QSocketNotifier* m_notifier = nullptr;
    struct sigaction m_oldInt {};
    struct sigaction m_oldTerm {};
    bool m_installed = false;
    int m_signal = 0;
};

std::uint64_t clockSeed()
{
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

} // namespace

namespace serve {

bool requested(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
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
    ShutdownSignals shutdown;
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
