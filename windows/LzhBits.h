#pragma once
// Bit streams of the adaptive Huffman coder: bits are packed from the most significant
// bit of each byte down. Bytes come from, and go to, the caller in chunks of up to
// 32768 bytes.
#include <QtGlobal>

#include <functional>
#include <vector>

// Fills buf with up to max bytes; returns how many (0 at the end). May throw.
using LzhSource = std::function<qint64(quint8* buf, qint64 max)>;
// Takes n bytes. May throw.
using LzhSink = std::function<void(const quint8* buf, qint64 n)>;

class LzhBitReader {
public:
    static constexpr int ChunkSize = 32768;

    explicit LzhBitReader(LzhSource source);

    // The next bit; 0 once the source is exhausted.
    int bit();
    // The next count bits (count <= 16), first bit highest.
    int bits(int count);
    // Whole bytes of zero bits handed out after the source ran dry.
    qint64 bytesPastEnd() const { return m_bytesPastEnd; }

private:
    quint8 nextByte();

    LzhSource m_source;
    std::vector<quint8> m_chunk;
    qint64 m_pos = 0;
    qint64 m_len = 0;
    bool m_ended = false;
    qint64 m_bytesPastEnd = 0;
    quint32 m_current = 0;
    int m_bitsLeft = 0;
};

class LzhBitWriter {
public:
    static constexpr int ChunkSize = 32768;

    explicit LzhBitWriter(LzhSink sink);

    // Writes the lowest count bits of code (count <= 24), highest first.
    void put(quint32 code, int count);
    // Pads the last byte with zero bits and hands everything to the sink.
    void finish();
    // Bytes handed to the sink so far.
    qint64 bytesWritten() const { return m_written; }

private:
    void putByte(quint8 b);
    void flushChunk();

    LzhSink m_sink;
    std::vector<quint8> m_chunk;
    int m_used = 0;
    qint64 m_written = 0;
    quint32 m_acc = 0;
    int m_accBits = 0;
};
