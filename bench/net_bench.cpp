// Throughput of the message path: framing and dispatch in memory, and raw bytes through
// a loopback TSock pair driven by the event loop.
#include "net/Dispatcher.h"
#include "net/Message.h"
#include "net/MessageFramer.h"
#include "net/ReceiveQueue.h"
#include "net/Sock.h"

#include <QCoreApplication>
#include <QPointer>
#include <benchmark/benchmark.h>

static void BM_FrameAndDispatch(benchmark::State& state)
{
    // A realistic mix: chat relays, found-it notices and one board per 20 messages.
    QByteArray board = "CMD_loadboard+3";
    for (int x = 1; x <= 10; ++x)
        for (int y = 1; y <= 9; ++y)
            board += "+" + QByteArray::number(x) + "+" + QByteArray::number(y) + "+" + QByteArray::number((x * y) % 26 + 1);
    QByteArray stream;
    int messages = 0;
    for (int i = 0; i < 20; ++i) {
        if (i == 0)
            stream += Message(board).bytes();
        else if (i % 2)
            stream += Message("CMD_chat").add("Alice chats: hello there|clBlack").bytes();
        else
            stream += Message("CMD_hefoundit").add(2).add(37).add(140).add("").bytes();
        ++messages;
    }
    Dispatcher d("bench");
    long sum = 0;
    d.on("CMD_chat", [&](FieldReader& f) { sum += f.rest().size(); });
    d.on("CMD_hefoundit", [&](FieldReader& f) { sum += f.nextInt() + f.nextInt() + f.nextInt(); });
    d.on("CMD_loadboard", [&](FieldReader& f) {
        sum += f.nextInt();
        f.beginList();
        while (!f.atListEnd())
            sum += f.nextInt() + f.nextInt() + f.nextInt();
    });
    MessageFramer framer;
    ReceiveQueue queue;
    // Feed in network-sized pieces so tails are carried over.
    for (auto _ : state) {
        for (qsizetype pos = 0; pos < stream.size(); pos += 1400)
            for (const QByteArray& m : framer.feed(stream.mid(pos, 1400)))
                queue.push(m);
        while (!queue.isEmpty())
            d.dispatch(queue.take());
    }
    benchmark::DoNotOptimize(sum);
    state.SetItemsProcessed(state.iterations() * messages);
    state.SetBytesProcessed(state.iterations() * stream.size());
}
BENCHMARK(BM_FrameAndDispatch);

static void BM_LoopbackBytes(benchmark::State& state)
{
    const qsizetype chunk = state.range(0);
    TSock listener;
    listener.setPortName("0");
    QPointer<TSock> accepted;
    qint64 received = 0;
    listener.OnAccept = [&](TSock* l) {
        TSock* s = nullptr;
        if (l->Accept(s))
            accepted = s;
    };
    listener.OnRead = [&](TSock* s, int) { received += s->Receive().size(); };
    listener.setListen(true);
    TSock client;
    client.setHostName("127.0.0.1");
    client.setPortName(QString::number(listener.boundPort()));
    client.Connect();
    while (!client.Connected() || !accepted)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);

    const QByteArray payload(chunk, 'q');
    qint64 sent = 0;
    for (auto _ : state) {
        client.Send(payload);
        sent += payload.size();
        while (received < sent || client.sendBufferSize() > 0)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    state.SetBytesProcessed(sent);
}
BENCHMARK(BM_LoopbackBytes)->Arg(740)->Arg(64 * 1024)->Arg(1024 * 1024)->UseRealTime();

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
