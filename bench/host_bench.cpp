// The game host's costs: boards generated per second, messages handled per second
// with nine connections, and the host's memory while one connection floods it.
#include "BenchTools.h"
#include "host/BoardGenerator.h"
#include "host/HostGame.h"
#include "host/RandomSource.h"
#include "host/SlotQueues.h"
#include "host/TServer.h"
#include "host/WordList.h"
#include "host/WordLists.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <vector>

namespace {

const WordList& words()
{
    static const WordList list;
    return list;
}

// Whole boards: word draw, layout, decoys, fillers and the board text.
void BM_CreateBoard(benchmark::State& state)
{
    const bool scrambled = state.range(0) != 0;
    const bool onlyLetters = state.range(1) != 0;
    SeededRandom random(1);
    BoardGenerator board(random);
    for (auto _ : state) {
        const QByteArray word = words().drawWord(random, scrambled, onlyLetters);
        benchmark::DoNotOptimize(board.createboard(word, scrambled, onlyLetters));
        benchmark::DoNotOptimize(board.boardText().size());
    }
    state.counters["boards/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_CreateBoard)->Args({0, 0})->Args({1, 0})->Args({0, 1})->Args({1, 1});

// Straight boards in one language, with its filler letters; the argument is the
// language's place in WordLists::languages() (0, English, fills every letter alike).
void BM_CreateBoardInLanguage(benchmark::State& state)
{
    WordLists lists;
    lists.setLanguage(WordLists::languages().at(state.range(0)).code);
    SeededRandom random(1);
    BoardGenerator board(random);
    for (auto _ : state) {
        benchmark::DoNotOptimize(board.createboard(lists.drawWord(random, false, false), false, false));
        benchmark::DoNotOptimize(board.boardText().size());
    }
    state.SetLabel(lists.language().toStdString());
}
BENCHMARK(BM_CreateBoardInLanguage)->DenseRange(0, 7);

// Nine logged-in connections in a running game; each message goes through the fair
// queues and the game logic, and every reply is built whole (as for a socket).
struct NineSeats {
    SeededRandom random{5};
    std::size_t bytesOut = 0;
    HostGame game{random, [this](const QString&, bool s, bool o) { return words().drawWord(random, s, o); }, link()};

    NineSeats()
    {
        for (int slot = 1; slot <= 9; ++slot) {
            game.connectionAccepted(game.chooseSlot());
            game.handle(slot, "CMD_logininfo+" + QByteArray::number(slot) + "+1.0.4+Player" + QByteArray::number(slot));
        }
        game.handle(1, "CMD_startgame+Player1+100000+60+f+f+");
    }
    HostLink link()
    {
        HostLink l;
        l.send = [this](int, const Message& m) { bytesOut += static_cast<std::size_t>(m.bytes().size()); };
        return l;
    }
};

void BM_HandleChatNineConnections(benchmark::State& state)
{
    NineSeats host;
    SlotQueues queues;
    std::vector<QByteArray> texts;
    for (int slot = 1; slot <= 9; ++slot)
        texts.push_back("CMD_chat+" + QByteArray::number(slot) + "+good luck everybody|clBlack");
    qint64 now = 0;
    for (auto _ : state) {
        for (int slot = 1; slot <= 9; ++slot)
            queues.push(slot, texts[static_cast<std::size_t>(slot - 1)]);
        // One pass: every connection is due, each a pace after its last message.
        while (auto e = queues.takeDue(now))
            host.game.handle(e->slot, e->text);
        now += queues.pace();
    }
    state.counters["messages/s"] =
        benchmark::Counter(static_cast<double>(state.iterations() * 9), benchmark::Counter::kIsRate);
    state.counters["out bytes/msg"] = static_cast<double>(host.bytesOut) / static_cast<double>(state.iterations() * 9);
}
BENCHMARK(BM_HandleChatNineConnections);

// Refused words are judged in full each time (no seat finds the word, so none is skipped).
void BM_HandleWrongWordsNineConnections(benchmark::State& state)
{
    NineSeats host;
    std::vector<QByteArray> texts;
    for (int slot = 1; slot <= 6; ++slot)
        texts.push_back("CMD_myword+" + QByteArray::number(slot) + "+1+1+2+2+3+3+4+4+5+5+6+6+7+7+8+8+9+9+10+9");
    std::size_t i = 0;
    for (auto _ : state) {
        const int slot = static_cast<int>(i++ % 6) + 1;
        host.game.handle(slot, texts[static_cast<std::size_t>(slot - 1)]);
    }
    state.counters["messages/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_HandleWrongWordsNineConnections);

using benchtools::pump;
using benchtools::residentKiB;

// A real host on loopback with nine connections; connection 2 floods it with chat
// messages as fast as the kernel takes them until the host cuts it off. Reports the
// growth of the process's resident memory and the most messages ever queued.
void BM_FloodMemory(benchmark::State& state)
{
    const int messageBytes = static_cast<int>(state.range(0));
    for (auto _ : state) {
        SeededRandom random(3);
        TServer server(nullptr, random, 0);
        server.startListening();
        std::vector<int> fds;
        for (int i = 0; i < 9; ++i) {
            fds.push_back(benchtools::connectLoopback(server.port()));
            pump(5);
        }
        pump(50);
        QByteArray text = "CMD_chat+2+";
        text += QByteArray(messageBytes, 'x');
        text += "|clRed\xFF";
        QByteArray chunk;
        while (chunk.size() < 256 * 1024)
            chunk += text;

        const long before = residentKiB();
        long peak = before;
        std::size_t peakQueued = 0;
        qint64 sentBytes = 0;
        QDeadlineTimer deadline(5000);
        bool cut = false;
        while (!deadline.hasExpired() && !cut) {
            const ssize_t n = ::send(fds[1], chunk.constData(), static_cast<size_t>(chunk.size()), MSG_NOSIGNAL | MSG_DONTWAIT);
            if (n > 0)
                sentBytes += n;
            else if (n < 0 && errno != EAGAIN)
                cut = true;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
            peakQueued = std::max(peakQueued, server.queues().totalPending());
            peak = std::max(peak, residentKiB());
            cut = cut || !server.game().players()[2].inuse;
        }
        state.counters["rss growth KiB"] = static_cast<double>(peak - before);
        state.counters["peak queued msgs"] = static_cast<double>(peakQueued);
        state.counters["flood KiB sent"] = static_cast<double>(sentBytes) / 1024.0;
        state.counters["cut off"] = cut ? 1 : 0;
        for (int fd : fds)
            ::close(fd);
    }
}
BENCHMARK(BM_FloodMemory)->Arg(20)->Arg(2000)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
