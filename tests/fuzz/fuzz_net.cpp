// The receiving end of the protocol: a byte stream cut into messages by the framer at
// arbitrary read boundaries, the receive queue, the dispatcher and the field reader.
//
// Input: byte 0 seeds the read sizes; the rest after byte 1 is the stream, but with
// byte 1 >= 0xF0 its part before the first terminator is repeated 32 times, so runs
// past the framer's 64 KiB bound are reached.
//
// Properties: the framer gives exactly the terminated pieces of the stream that fit its
// bound, however the stream is cut into reads, and accounts for every byte; the queue
// gives back what it was given; the field reader's numbers are exactly the strict
// decimal ones; a message rebuilt from its fields is the message; a log field is short
// and holds no control characters.
#include "FuzzCheck.h"
#include "net/Dispatcher.h"
#include "net/FieldReader.h"
#include "net/LogText.h"
#include "net/Message.h"
#include "net/MessageFramer.h"
#include "net/ReceiveQueue.h"
#include "net/Wire.h"

#include <charconv>
#include <cstdint>

namespace {

// Read sizes from 1 to 4096 bytes, reproducible from one seed byte.
class ReadSizes {
public:
    explicit ReadSizes(uint8_t seed) : m_state(seed * 2654435761u + 1) {}
    qsizetype next()
    {
        m_state = m_state * 1103515245u + 12345u;
        const uint32_t r = m_state >> 16;
        // Mostly reads of any size up to 4 KiB, now and then a tiny one.
        return (r & 0x700) == 0 ? qsizetype(r % 16) + 1 : qsizetype(r % 4096) + 1;
    }

private:
    uint32_t m_state;
};

bool referenceInt(const QByteArray& text, int* value)
{
    if (text.isEmpty() || text.startsWith('+'))
        return false;
    const char* end = text.constData() + text.size();
    const auto [ptr, ec] = std::from_chars(text.constData(), end, *value);
    return ec == std::errc() && ptr == end;
}

void checkFramer(const QByteArray& stream, uint8_t seed, QList<QByteArray>* messages)
{
    // The reference: every terminated piece that fits the bound.
    QList<QByteArray> pieces = stream.split(Message::Terminator);
    const QByteArray unterminated = pieces.takeLast();
    QList<QByteArray> expected;
    for (const QByteArray& p : pieces) {
        if (p.size() <= MessageFramer::MaxTail)
            expected.append(p);
    }

    MessageFramer whole;
    FUZZ_CHECK(whole.feed(stream) == expected);

    MessageFramer cut;
    ReadSizes sizes(seed);
    QList<QByteArray> got;
    for (qsizetype pos = 0; pos < stream.size();) {
        const qsizetype n = std::min(sizes.next(), stream.size() - pos);
        got += cut.feed(QByteArray::fromRawData(stream.constData() + pos, n));
        pos += n;
    }
    FUZZ_CHECK(got == expected);
    FUZZ_CHECK(cut.pendingBytes() == whole.pendingBytes());
    FUZZ_CHECK(cut.discardedBytes() == whole.discardedBytes());
    FUZZ_CHECK(cut.pendingBytes() == (unterminated.size() <= MessageFramer::MaxTail ? unterminated.size() : 0));

    qint64 accounted = cut.pendingBytes() + cut.discardedBytes();
    for (const QByteArray& m : got) {
        FUZZ_CHECK(!m.contains(Message::Terminator));
        accounted += m.size() + 1;
    }
    FUZZ_CHECK(accounted == stream.size());
    *messages = got;
}

void checkQueue(const QList<QByteArray>& messages)
{
    ReceiveQueue queue;
    qsizetype bytes = 0;
    for (const QByteArray& m : messages) {
        queue.push(m);
        bytes += m.size();
    }
    FUZZ_CHECK(queue.bytes() == bytes);
    FUZZ_CHECK(queue.take().isEmpty()); // the queue's first, invalid entry
    for (const QByteArray& m : messages)
        FUZZ_CHECK(queue.take() == m);
    FUZZ_CHECK(queue.isEmpty() && queue.bytes() == 0);
}

void checkFields(const QByteArray& message)
{
    // Numbers: exactly the strict decimal texts in int range.
    int value = 0;
    int reference = 0;
    const QByteArray command = Dispatcher::commandOf(message);
    const QByteArray afterCommand = message.mid(command.size() + 1);
    FieldReader plain(afterCommand);
    QList<QByteArray> fields;
    while (plain.rest().contains('+')) {
        const QByteArray f = plain.next();
        FUZZ_CHECK(!f.contains('+'));
        const bool ok = FieldReader::toInt(f, &value);
        FUZZ_CHECK(ok == referenceInt(f, &reference));
        FUZZ_CHECK(!ok || value == reference);
        fields.append(f);
    }
    const QByteArray last = plain.lastField();
    FUZZ_CHECK(plain.rest().isEmpty());

    // A message built from the same fields is the same message.
    if (!command.isEmpty()) {
        Message rebuilt(command);
        for (const QByteArray& f : fields)
            rebuilt.add(f);
        rebuilt.add(last);
        FUZZ_CHECK(rebuilt.text() == message);
        FUZZ_CHECK(rebuilt.bytes() == message + Message::Terminator);
    }

    // Wire text: no message holds 0xFF, so Windows-1252 and back is the identity.
    FUZZ_CHECK(wire::toWire(wire::fromWire(message)) == message);
    FUZZ_CHECK(fuzzcheck::safeLogLine(logtext::field(message)));
}

int g_lists = 0;

Dispatcher& dispatcher()
{
    static Dispatcher d = [] {
        Dispatcher made(QStringLiteral("fuzz"));
        // A cell list, read as the host reads a word.
        made.on("CMD_myword", [](FieldReader& f) {
            f.nextInt();
            f.beginList();
            int cells = 0;
            while (!f.atListEnd()) {
                f.nextInt();
                f.nextInt();
                ++cells;
            }
            g_lists += cells;
        });
        // Mixed fields with a last field that may lack its "+".
        made.on("CMD_justwatch", [](FieldReader& f) {
            f.nextInt();
            f.lastField();
        });
        made.on("CMD_chat", [](FieldReader& f) {
            f.nextInt();
            (void)f.rest();
        });
        return made;
    }();
    return d;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzzcheck::installLogCheck();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const QByteArray once(reinterpret_cast<const char*>(data + 2), qsizetype(size - 2));
    QByteArray stream = once;
    if (data[1] >= 0xF0) {
        const qsizetype end = once.indexOf(Message::Terminator);
        const QByteArray head = end < 0 ? once : once.left(end);
        stream = head.repeated(32) + once.mid(head.size());
    }

    QList<QByteArray> messages;
    checkFramer(stream, data[0], &messages);
    checkQueue(messages);
    // The long ones cost time and add nothing the short ones do not reach.
    for (const QByteArray& m : messages) {
        if (m.size() > 1024)
            continue;
        checkFields(m);
        const Dispatcher::Outcome outcome = dispatcher().dispatch(m);
        const qsizetype plus = m.indexOf('+');
        if (plus <= 0)
            FUZZ_CHECK(outcome == Dispatcher::Outcome::Dropped);
        else if (!dispatcher().handles(m.left(plus)))
            FUZZ_CHECK(outcome == Dispatcher::Outcome::Unknown);
        else
            FUZZ_CHECK(outcome == Dispatcher::Outcome::Handled || outcome == Dispatcher::Outcome::Failed);
    }
    return 0;
}
