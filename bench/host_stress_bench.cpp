// The host and the tally tool at full size against hostile peers and files, each run
// once: what must keep holding, with the figures that show it. The test suite runs
// smaller versions of the same (tests/host/tserver_limits_test.cpp, tally tests).
//
//   SimultaneousConnections/1100  all connect at once: each gets its slot or CMD_full
//   SlowLoris/300                  never-finished logins lose their slots; a player gets in
//   EndlessMessage/1024            1 GiB without a terminator; memory stays flat
//   ConnectLoginClose/30000        short visits; memory stays flat
//   MutatedTallyFiles/3000         quillor-tally show on damaged files: a table or a message
//
// Times are also given as a ratio to a bare baseline measured in the same run.
#include "BenchTools.h"
#include "host/RandomSource.h"
#include "host/TServer.h"
#include "tally/TallyFile.h"
#include "tests/common/Mutate.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

namespace {

using benchtools::pump;
using benchtools::residentKiB;

int connectTo(quint16 port)
{
    return benchtools::connectLoopback(port);
}

// Appends whatever has arrived; false once the peer has closed.
bool drain(int fd, QByteArray& into)
{
    char buf[65536];
    for (;;) {
        const ssize_t n = ::recv(fd, buf, sizeof buf, MSG_DONTWAIT);
        if (n > 0) {
            into.append(buf, n);
            continue;
        }
        return !(n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK));
    }
}

// Sends all of `bytes`, running the event loop while the kernel is full.
void sendAll(int fd, const QByteArray& bytes)
{
    qsizetype sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.constData() + sent, size_t(bytes.size() - sent), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n > 0)
            sent += n;
        else
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
}

struct Host {
    SeededRandom random{7};
    TServer server{nullptr, random, 0};
    Host() { server.startListening(); }
    quint16 port() const { return server.port(); }
};

// Connects, takes the slot the host gives and logs in; returns the descriptor.
int joinAs(Host& host, const QByteArray& name)
{
    const int fd = connectTo(host.port());
    QByteArray got;
    while (!got.contains('\xFF')) {
        drain(fd, got);
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    const QByteArray slot = got.mid(got.indexOf('+') + 1, got.indexOf('\xFF') - got.indexOf('+') - 1);
    sendAll(fd, "CMD_logininfo+" + slot + "+1.0.4+" + name + "\xFF");
    return fd;
}

// Milliseconds of the baselines, for the ratios.
double g_bareAcceptMs = 0;
double g_bareReceiveMs = 0;
double g_bareSpawnMs = 0;

// --- many connections at once -----------------------------------------------------------

// Runs until every connection has had one message (and reports how many of each).
double answerAll(quint16 port, int count, int* greeted, int* refused)
{
    std::vector<int> fds;
    std::vector<QByteArray> got(static_cast<std::size_t>(count), QByteArray());
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < count; ++i)
        fds.push_back(connectTo(port));
    int answered = 0;
    QDeadlineTimer deadline(60000);
    while (answered < count && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        answered = 0;
        for (std::size_t i = 0; i < fds.size(); ++i) {
            if (!got[i].contains('\xFF'))
                drain(fds[i], got[i]);
            answered += got[i].contains('\xFF') ? 1 : 0;
        }
    }
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    *greeted = 0;
    *refused = 0;
    for (const QByteArray& g : got) {
        *greeted += g.startsWith("CMD_sendlogininfo+") ? 1 : 0;
        *refused += g.startsWith("CMD_full+") ? 1 : 0;
    }
    for (int fd : fds)
        ::close(fd);
    return ms;
}

void BM_BareAccept(benchmark::State& state)
{
    for (auto _ : state) {
        // The first round warms up what any listener needs the first time; the second
        // is the one measured.
        for (int round = 0; round < 2; ++round) {
            TSock listener;
            listener.setPortName("0");
            listener.OnAccept = [&](TSock* l) {
                TSock* s = nullptr;
                if (l->Accept(s)) {
                    // Answered and closed, as the host answers a connection it refuses.
                    s->Send("x\xFF");
                    s->Close();
                    s->deleteLater();
                }
            };
            listener.setListen(true);
            int greeted = 0;
            int refused = 0;
            g_bareAcceptMs = answerAll(listener.boundPort(), int(state.range(0)), &greeted, &refused);
        }
        state.counters["ms"] = g_bareAcceptMs;
    }
}
BENCHMARK(BM_BareAccept)->Arg(1100)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_SimultaneousConnections(benchmark::State& state)
{
    for (auto _ : state) {
        Host host;
        int greeted = 0;
        int refused = 0;
        const double ms = answerAll(host.port(), int(state.range(0)), &greeted, &refused);
        pump(200);
        const Host& h = host;
        state.counters["ms"] = ms;
        state.counters["x bare"] = g_bareAcceptMs > 0 ? ms / g_bareAcceptMs : 0;
        state.counters["greeted"] = greeted;
        state.counters["full"] = refused;
        state.counters["slots left"] = double(h.server.game().players().connectedSlots().size());
    }
}
BENCHMARK(BM_SimultaneousConnections)->Arg(1100)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);

// --- slow loris ---------------------------------------------------------------------------

void BM_SlowLoris(benchmark::State& state)
{
    const int count = int(state.range(0));
    constexpr int kTimeoutMs = 2000;
    for (auto _ : state) {
        Host host;
        host.server.setLoginTimeout(kTimeoutMs);
        const int ann = joinAs(host, "Ann");
        pump(50);
        QByteArray annGot;
        drain(ann, annGot);
        const long before = residentKiB();

        std::vector<int> loris;
        for (int i = 0; i < count; ++i)
            loris.push_back(connectTo(host.port()));
        const QByteArray dribble = "CMD_logininfo+2+1.0.4+Slow";
        std::vector<bool> open(loris.size(), true);
        double worstEchoMs = 0;
        QElapsedTimer clock;
        clock.start();
        for (int step = 0; clock.elapsed() < kTimeoutMs + 1500; ++step) {
            // One byte from every loris that is still connected, then a chat from Ann.
            for (std::size_t i = 0; i < loris.size(); ++i) {
                QByteArray ignored;
                if (open[i] && !drain(loris[i], ignored))
                    open[i] = false;
                if (open[i])
                    ::send(loris[i], dribble.constData() + step % dribble.size(), 1, MSG_NOSIGNAL | MSG_DONTWAIT);
            }
            const QByteArray text = "CMD_chat+1+ping " + QByteArray::number(step) + "|clBlack";
            QElapsedTimer echo;
            echo.start();
            sendAll(ann, text + "\xFF");
            const QByteArray expected = "CMD_chat+Ann chats: ping " + QByteArray::number(step) + "|clBlack\xFF";
            while (!annGot.contains(expected) && echo.elapsed() < 5000) {
                QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
                drain(ann, annGot);
            }
            worstEchoMs = std::max(worstEchoMs, double(echo.nsecsElapsed()) / 1e6);
            annGot.clear();
        }
        int stillOpen = 0;
        for (std::size_t i = 0; i < loris.size(); ++i) {
            QByteArray ignored;
            if (open[i] && drain(loris[i], ignored))
                ++stillOpen;
            ::close(loris[i]);
        }
        pump(100);
        const int bob = joinAs(host, "Bob");
        pump(100);
        const Host& h = host;
        state.counters["loris still open"] = stillOpen;
        state.counters["worst chat echo ms"] = worstEchoMs;
        state.counters["rss growth KiB"] = double(residentKiB() - before);
        state.counters["player joined after"] = h.server.game().players()[2].name == "Bob" ? 1 : 0;
        ::close(bob);
        ::close(ann);
    }
}
BENCHMARK(BM_SlowLoris)->Arg(300)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);

// --- a message without end ------------------------------------------------------------------

void BM_BareReceive(benchmark::State& state)
{
    const qint64 total = state.range(0) * 1024 * 1024;
    const QByteArray chunk(256 * 1024, 'x');
    for (auto _ : state) {
        TSock listener;
        qint64 received = 0;
        QPointer<TSock> peer;
        listener.setPortName("0");
        listener.OnAccept = [&](TSock* l) {
            TSock* s = nullptr;
            if (l->Accept(s))
                peer = s;
        };
        listener.OnRead = [&](TSock* s, int) { received += s->Receive().size(); };
        listener.setListen(true);
        const int fd = connectTo(listener.boundPort());
        QElapsedTimer clock;
        clock.start();
        for (qint64 sent = 0; sent < total; sent += chunk.size())
            sendAll(fd, chunk);
        while (received < total)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        g_bareReceiveMs = double(clock.nsecsElapsed()) / 1e6;
        state.counters["ms"] = g_bareReceiveMs;
        ::close(fd);
    }
}
BENCHMARK(BM_BareReceive)->Arg(1024)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_EndlessMessage(benchmark::State& state)
{
    const qint64 total = state.range(0) * 1024 * 1024;
    const QByteArray chunk(256 * 1024, 'x');
    for (auto _ : state) {
        Host host;
        const int ann = joinAs(host, "Ann");
        const int bob = joinAs(host, "Bob");
        pump(100);
        QByteArray annGot;
        drain(ann, annGot);
        annGot.clear();
        const long before = residentKiB();
        long peak = before;
        QElapsedTimer clock;
        clock.start();
        sendAll(bob, "CMD_chat+2+");
        for (qint64 sent = 0; sent < total; sent += chunk.size()) {
            sendAll(bob, chunk);
            if ((sent / chunk.size()) % 64 == 0)
                peak = std::max(peak, residentKiB());
        }
        sendAll(bob, "\xFF" "CMD_chat+2+after|clBlack\xFF");
        const QByteArray expected = "CMD_chat+Bob chats: after|clBlack\xFF";
        while (!annGot.contains(expected) && clock.elapsed() < 120000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
            drain(ann, annGot);
        }
        const double ms = double(clock.nsecsElapsed()) / 1e6;
        const Host& h = host;
        state.counters["ms"] = ms;
        state.counters["x bare"] = g_bareReceiveMs > 0 ? ms / g_bareReceiveMs : 0;
        state.counters["rss growth KiB"] = double(peak - before);
        state.counters["next message relayed"] = annGot == expected ? 1 : 0;
        state.counters["sender still in"] = h.server.game().players()[2].inuse ? 1 : 0;
        ::close(ann);
        ::close(bob);
    }
}
BENCHMARK(BM_EndlessMessage)->Arg(1024)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);

// --- short visits -----------------------------------------------------------------------------

void BM_ConnectLoginClose(benchmark::State& state)
{
    const int cycles = int(state.range(0));
    for (auto _ : state) {
        Host host;
        long afterWarmUp = 0;
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < cycles; ++i) {
            ::close(joinAs(host, "Visitor"));
            if (i == cycles / 6)
                afterWarmUp = residentKiB();
        }
        const double ms = double(clock.nsecsElapsed()) / 1e6;
        pump(300);
        const Host& h = host;
        state.counters["cycles/s"] = cycles / (ms / 1000.0);
        state.counters["rss growth after warm-up KiB"] = double(residentKiB() - afterWarmUp);
        state.counters["connections left"] = double(h.server.findChildren<TSock*>().size() - 1);
    }
}
BENCHMARK(BM_ConnectLoginClose)->Arg(30000)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);

// --- damaged tally files ------------------------------------------------------------------------

QString toolPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../quillor-tally");
}

void BM_BareSpawn(benchmark::State& state)
{
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < state.range(0); ++i) {
            QProcess p;
            p.start(QStringLiteral("/bin/true"), {});
            p.waitForFinished(10000);
        }
        g_bareSpawnMs = double(clock.nsecsElapsed()) / 1e6;
        state.counters["ms"] = g_bareSpawnMs;
    }
}
BENCHMARK(BM_BareSpawn)->Arg(3000)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_MutatedTallyFiles(benchmark::State& state)
{
    const int files = int(state.range(0));
    for (auto _ : state) {
        QTemporaryDir dir;
        QTemporaryDir temp; // the tool's temporary folder, to see what it leaves
        TallyRecord record;
        for (int i = 0; i < 40; ++i)
            record.follow(QStringLiteral("Opponent %1").arg(i));
        record.addgame(record.followed(), QStringLiteral("Opponent 3"), QStringLiteral("Me"));
        const TallyFile file = TallyFile::in(dir.path());
        file.save(record);
        QFile original(file.path());
        original.open(QIODevice::ReadOnly);
        const QByteArray good = original.readAll();

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TMPDIR"), temp.path());
        QRandomGenerator random(3000);
        int tables = 0;
        int refused = 0;
        int wrong = 0;
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < files; ++i) {
            const QByteArray bad = testutil::mutated(good, random);
            QFile out(dir.filePath(QStringLiteral("bad.tld")));
            out.open(QIODevice::WriteOnly);
            out.write(bad);
            out.close();
            QProcess p;
            p.setProcessEnvironment(env);
            p.start(toolPath(), {QStringLiteral("show"), out.fileName()});
            const bool ended = p.waitForFinished(10000);
            const QByteArray stdoutText = p.readAllStandardOutput();
            if (ended && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0
                && stdoutText.startsWith("Total Games: ") && stdoutText.endsWith('\n'))
                ++tables;
            else if (ended && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 1 && stdoutText.isEmpty())
                ++refused;
            else
                ++wrong;
        }
        const double ms = double(clock.nsecsElapsed()) / 1e6;
        state.counters["tables"] = tables;
        state.counters["refused"] = refused;
        state.counters["crash, hang or partial output"] = wrong;
        state.counters["temporary leftovers"] =
            double(QDir(temp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size());
        state.counters["x bare spawn"] = g_bareSpawnMs > 0 ? ms / g_bareSpawnMs : 0;
    }
}
BENCHMARK(BM_MutatedTallyFiles)->Arg(3000)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    // Eleven hundred connections need more descriptors than a shell usually allows.
    rlimit limit{};
    ::getrlimit(RLIMIT_NOFILE, &limit);
    limit.rlim_cur = limit.rlim_max;
    ::setrlimit(RLIMIT_NOFILE, &limit);

    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
