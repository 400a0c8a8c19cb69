#include "tally/LzhBits.h"

#include <utility>

LzhByteReader::LzhByteReader(LzhSource source)
    : m_source(std::move(source)), m_chunk(ChunkSize)
{
}

bool LzhByteReader::refill()
{
    if (m_ended)
        return false;
    m_len = m_source(m_chunk.data(), ChunkSize);
    m_pos = 0;
    if (m_len <= 0) {
        m_len = 0;
        m_ended = true;
        return false;
    }
    return true;
}

LzhByteWriter::LzhByteWriter(LzhSink sink)
    : m_sink(std::move(sink)), m_chunk(ChunkSize)
{
}

void LzhByteWriter::flush()
{
    if (m_used == 0)
        return;
    m_sink(m_chunk.data(), m_used);
    m_used = 0;
}

int LzhBitReader::bit()
{
    if (m_bitsLeft == 0) {
        const int b = m_bytes.next();
        if (b < 0)
            ++m_bytesPastEnd;
        m_current = b < 0 ? 0 : quint32(b);
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

void LzhBitWriter::put(quint32 code, int count)
{
    m_acc = (m_acc << count) | (code & ((1u << count) - 1u));
    m_accBits += count;
    while (m_accBits >= 8) {
        m_accBits -= 8;
        m_bytes.put(quint8(m_acc >> m_accBits));
    }
    m_acc &= (1u << m_accBits) - 1u;
}

void LzhBitWriter::finish()
{
    if (m_accBits > 0) {
        m_bytes.put(quint8(m_acc << (8 - m_accBits)));
        m_acc = 0;
        m_accBits = 0;
    }
    m_bytes.flush();
}
