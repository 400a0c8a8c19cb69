// The lobby download against a server that never stops sending, at loopback speed: the
// memory the program takes meanwhile, where it ends, and how soon "Stop Download" ends it.
// Each runs once.
//
//   BareReader           the baseline: a plain socket that reads the same stream and
//                        drops it, for as many bytes as the download may take (256 MiB)
//   EndlessDownload      the lobby download until it ends by itself, or for at most 8 s
//   StopDuringDownload   the lobby download, stopped after 64 MiB
//
// The server is a thread of its own with blocking sockets, so it sends as fast as the
// connection takes bytes, whatever this program's event loop does. Peak memory is the
// largest resident size seen (sampled every 10 ms), less the size before the transfer.
#include "BenchTools.h"
#include "client/LobbyDownload.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <thread>

namespace {

using benchtools::pump;
using benchtools::residentKiB;

constexpr qint64 Cap = 256LL * 1024 * 1024;
constexpr int MaxSeconds = 8;

// Answers one GET with a header and then the same 64 KiB for ever, until the client goes.
class EndlessServer {
public:
    EndlessServer()
    {
        m_listen = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(m_listen, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
        ::listen(m_listen, 4);
        socklen_t len = sizeof addr;
        ::getsockname(m_listen, reinterpret_cast<sockaddr*>(&addr), &len);
        m_port = ntohs(addr.sin_port);
        m_thread = std::thread([this] { serve(); });
    }
    ~EndlessServer()
    {
        ::shutdown(m_listen, SHUT_RDWR);
        ::close(m_listen);
        m_thread.join();
    }
    quint16 port() const { return m_port; }
    qint64 sent() const { return m_sent; }

private:
    void serve()
    {
        const int fd = ::accept(m_listen, nullptr, nullptr);
        if (fd < 0)
            return;
        char request[4096];
        qint64 got = 0;
        while (got < qint64(sizeof request)) {
            const ssize_t n = ::recv(fd, request + got, sizeof request - got, 0);
            if (n <= 0)
                break;
            got += n;
            if (QByteArray(request, int(got)).contains("\r\n\r\n"))
                break;
        }
        const QByteArray head = "HTTP/1.0 200 OK\r\nContent-Type: application/octet-stream\r\n\r\n";
        ::send(fd, head.constData(), size_t(head.size()), MSG_NOSIGNAL);
        const QByteArray block(64 * 1024, 'x');
        for (;;) {
            const ssize_t n = ::send(fd, block.constData(), size_t(block.size()), MSG_NOSIGNAL);
            if (n <= 0)
                break;
            m_sent += n;
        }
        ::close(fd);
    }

    int m_listen = -1;
    quint16 m_port = 0;
    std::thread m_thread;
    std::atomic<qint64> m_sent{0};
};

// The largest resident size while it runs.
struct PeakMemory {
    PeakMemory()
    {
        timer.setInterval(10);
        QObject::connect(&timer, &QTimer::timeout, [this] { peak = std::max(peak, residentKiB()); });
        timer.start();
    }
    long start = residentKiB();
    long peak = start;
    QTimer timer;
    double grownMiB() { return double(std::max(peak, residentKiB()) - start) / 1024.0; }
};

double bareSeconds = 0;

void BM_BareReader(benchmark::State& state)
{
    for (auto _ : state) {
        EndlessServer server;
        PeakMemory memory;
        QTcpSocket socket;
        qint64 received = 0;
        QElapsedTimer clock;
        clock.start();
        socket.connectToHost(QStringLiteral("127.0.0.1"), server.port());
        QObject::connect(&socket, &QTcpSocket::connected,
                         [&socket] { socket.write("GET /lobby/qvxsetup.exe HTTP/1.0\r\n\r\n"); });
        QObject::connect(&socket, &QTcpSocket::readyRead, [&] { received += socket.readAll().size(); });
        while (received < Cap && clock.elapsed() < MaxSeconds * 1000)
            pump(5);
        bareSeconds = clock.elapsed() / 1000.0;
        socket.abort();
        state.counters["seconds"] = bareSeconds;
        state.counters["MiB_read"] = double(received) / (1024 * 1024);
        state.counters["peak_MiB_grown"] = memory.grownMiB();
    }
}

// The lobby download of an endless answer; `stopAt` > 0 clicks "Stop Download" once that
// many bytes were counted (and at MaxSeconds in any case).
void runDownload(benchmark::State& state, qint64 stopAt)
{
    for (auto _ : state) {
        EndlessServer server;
        QTemporaryDir folder;
        LobbyDownload download;
        download.setFolder(folder.path());
        download.setUrl(QStringLiteral("http://127.0.0.1:%1/lobby/qvxsetup.exe").arg(server.port()));
        download.openFile = [](const QUrl&) { return false; };
        int changes = 0;
        qint64 counted = 0;
        QObject::connect(&download, &LobbyDownload::changed, [&] {
            ++changes;
            const QString line = download.view().infolabel;
            if (line.endsWith(QLatin1String(" bytes")) && !line.startsWith(QLatin1String("Received")))
                counted = line.section(QLatin1Char(' '), 0, 0).toLongLong();
        });
        PeakMemory memory;
        QElapsedTimer clock;
        clock.start();
        download.getbuttonClick();
        bool stopped = false;
        double stopMs = 0;
        while (download.downloading()) {
            pump(5);
            const bool late = clock.elapsed() >= MaxSeconds * 1000;
            if (!stopped && (late || (stopAt > 0 && counted >= stopAt))) {
                stopped = true;
                QElapsedTimer stopClock;
                stopClock.start();
                download.abortbuttonClick();
                while (download.downloading())
                    pump(1);
                stopMs = stopClock.nsecsElapsed() / 1e6;
            }
        }
        const double seconds = clock.elapsed() / 1000.0;
        state.counters["seconds"] = seconds;
        state.counters["seconds_vs_bare"] = bareSeconds > 0 ? seconds / bareSeconds : 0;
        state.counters["MiB_sent"] = double(server.sent()) / (1024 * 1024);
        state.counters["peak_MiB_grown"] = memory.grownMiB();
        state.counters["window_updates"] = changes;
        state.counters["stop_ms"] = stopMs;
        state.counters["stopped"] = stopped;
        state.counters["files_left"] = double(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size());
        state.SetLabel(download.view().infolabel.toStdString() + " / " + download.view().infolabel3.toStdString());
    }
}

void BM_EndlessDownload(benchmark::State& state)
{
    runDownload(state, 0);
}

void BM_StopDuringDownload(benchmark::State& state)
{
    runDownload(state, 64LL * 1024 * 1024);
}

BENCHMARK(BM_BareReader)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EndlessDownload)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StopDuringDownload)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return benchtools::runWithCoreApplication(argc, argv);
}
