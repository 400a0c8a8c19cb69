#include "headless/StopSignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The write end of the signal pipe. A signal handler can reach nothing but a plain
// variable; it is set only while a StopSignals object exists.
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

} // namespace

StopSignals::StopSignals(QObject* parent) : QObject(parent)
{
    if (::pipe2(m_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    g_signalPipe = m_pipe[1];
    m_notifier = new QSocketNotifier(m_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        unsigned char byte = 0;
        while (::read(m_pipe[0], &byte, 1) == 1)
            emit stopRequested(byte);
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGINT, &action, &m_oldInt);
    ::sigaction(SIGTERM, &action, &m_oldTerm);
    m_installed = true;
}

StopSignals::~StopSignals()
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
