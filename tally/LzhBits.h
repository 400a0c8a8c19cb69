#pragma once
// Byte and bit streams of the LZHUF coder. Bytes come from, and go to, the caller in
// chunks of up to 32768 bytes; bits are packed from the most significant bit of each
// byte down.
#include <QtGlobal>

#include <functional>
#include <vector>

// Fills buf with up to max bytes; returns how many (0 at the end). May throw.
using LzhSource = std::function<qint64(quint8* buf, qint64 max)>;
// Takes n bytes. May throw.
using LzhSink = std::function<void(const quint8* buf, qint64 n)>;

// Hands out the bytes of a source one at a time, reading it a chunk at a time.
class LzhByteReader {
public:
    static constexpr int ChunkSize = 32768;

    explicit LzhByteReader(LzhSource source);

    // The next byte, or -1 once the source is exhausted.
    int next()
    {
        if (m_pos == m_len && !refill())
            return -1;
        return m_chunk[std::size_t(m_pos++)];
    }

private:
    bool refill();

    LzhSource m_source;
    std::vector<quint8> m_chunk;
    qint64 m_pos = 0;
    qint64 m_len = 0;
    bool m_ended = false;
};

// Collects bytes into a chunk and hands every full chunk to a sink.
class LzhByteWriter {
public:
    static constexpr int ChunkSize = 32768;

    explicit LzhByteWriter(LzhSink sink);

    void put(quint8 b)
    {
        m_chunk[std::size_t(m_used++)] = b;
        ++m_count;
        if (m_used == ChunkSize)
            flush();
    }
    // Hands the bytes collected so far to the sink.
    void flush();
    // Bytes put so far.
    qint64 count() const { return m_count; }

private:
    LzhSink m_sink;
    std::vector<quint8> m_chunk;
    int m_used = 0;
    qint64 m_count = 0;
};

class LzhBitReader {
public:
    explicit LzhBitReader(LzhSource source) : m_bytes(std::move(source)) {}

    // The next bit; 0 once the source is exhausted.
    int bit();
    // The next count bits (count <= 16), first bit highest.
    int bits(int count);
    // Whole bytes of zero bits handed out after the source ran dry.
    qint64 bytesPastEnd() const { return m_bytesPastEnd; }

private:
    LzhByteReader m_bytes;
    qint64 m_bytesPastEnd = 0;
    quint32 m_current = 0;
    int m_bitsLeft = 0;
};

class LzhBitWriter {
public:
    explicit LzhBitWriter(LzhSink sink) : m_bytes(std::move(sink)) {}

    // Writes the lowest count bits of code (count <= 24), highest first.
    void put(quint32 code, int count);
    // Pads the last byte with zero bits and hands everything to the sink.
    void finish();

private:
    LzhByteWriter m_bytes;
    quint32 m_acc = 0;
    int m_accBits = 0;
};
