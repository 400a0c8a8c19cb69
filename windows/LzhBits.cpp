#include "windows/LzhBits.h"

#include <utility>

LzhBitReader::LzhBitReader(LzhSource source)
    : m_source(std::move(source)), m_chunk(ChunkSize)
{
}

quint8 LzhBitReader::nextByte()
{
    if (m_pos == m_len && !m_ended) {
        m_len = m_source(m_chunk.data(), ChunkSize);
        m_pos = 0;
        if (m_len <= 0) {
            m_len = 0;
            m_ended = true;
        }
    }
    if (m_pos < m_len)
        return m_chunk[std::size_t(m_pos++)];
    ++m_bytesPastEnd;
    return 0;
}

int LzhBitReader::bit()
{
    if (m_bitsLeft == 0) {
        m_current = nextByte();
        m_bitsLeft = 8;
    }
    --m_bitsLeft;
    return int((m_current >> m_bitsLeft) & 1u);
}

int LzhBitReader::bits(int count)
{
    int value = 0;
    for (int i = 0; i < count; ++i)
        value = (value << 1) | bit();
    return value;
}

LzhBitWriter::LzhBitWriter(LzhSink sink)
    : m_sink(std::move(sink)), m_chunk(ChunkSize)
{
}

void LzhBitWriter::put(quint32 code, int count)
{
    m_acc = (m_acc << count) | (code & ((1u << count) - 1u));
    m_accBits += count;
    while (m_accBits >= 8) {
        m_accBits -= 8;
        putByte(quint8(m_acc >> m_accBits));
    }
    m_acc &= (1u << m_accBits) - 1u;
}

void LzhBitWriter::finish()
{
    if (m_accBits > 0) {
        putByte(quint8(m_acc << (8 - m_accBits)));
        m_acc = 0;
        m_accBits = 0;
    }
    flushChunk();
}

void LzhBitWriter::putByte(quint8 b)
{
    m_chunk[std::size_t(m_used++)] = b;
    if (m_used == ChunkSize)
        flushChunk();
}

void LzhBitWriter::flushChunk()
{
    if (m_used == 0)
        return;
    m_sink(m_chunk.data(), m_used);
    m_written += m_used;
    m_used = 0;
}
