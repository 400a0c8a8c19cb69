#pragma once
// The block coder of the fast container: LZRW1 with the KH run-length items.
// One block of at most 32768 bytes is coded by itself; nothing refers across blocks.
//
// Coded block: a flag byte, then
//   0x80  the plain bytes unchanged (used when coding would not make the block smaller);
//   other a 16-bit big-endian control word before every group of 16 items, bits used
//         from the top down: 0 = one literal byte, 1 = a copy or a run.
//         copy: b0 b1, offset = b0 * 16 + (b1 >> 4) (1..4095), length = (b1 & 15) + 3;
//         run:  00 hi lo byte, count = hi * 256 + lo + 16 (16..4095).
#include <QtGlobal>

#include <memory>

class TLZR {
public:
    static constexpr int BlockSize = 32768;
    // Room the compressor may use past the block size before it falls back to storing.
    static constexpr int Slack = 16;
    static constexpr int BufferSize = BlockSize + Slack;

    static constexpr quint8 FlagStored = 0x80;
    static constexpr quint8 FlagCompressed = 0x40;

    // Allocates the hash table; raises ELzrw1KHCompressor when memory runs out.
    TLZR();
    ~TLZR();
    TLZR(const TLZR&) = delete;
    TLZR& operator=(const TLZR&) = delete;

    // Codes n bytes (0 <= n <= BlockSize) of src into dst, which must hold BufferSize
    // bytes. Returns the coded length L (1 <= L <= n + 1).
    int compressBlock(const quint8* src, int n, quint8* dst);

    // Decodes the L bytes of one coded block into dst, which holds dstCapacity bytes.
    // Returns the decoded length, or -1 when the data cannot be a block: a copy reaching
    // before the block's start, an item cut off by the block's end, or more output than
    // dstCapacity. Never reads outside src[0..L) nor writes outside dst[0..dstCapacity).
    static int decompressBlock(const quint8* src, int L, quint8* dst, int dstCapacity);

    // The hash of the three bytes starting at b0 (12 bits).
    static int hash(quint8 b0, quint8 b1, quint8 b2)
    {
        const quint32 key = ((((quint32(b0) << 4) ^ b1) << 4) ^ b2);
        return int(((40543u * key) >> 4) & 0x0FFF);
    }

private:
    static constexpr int HashSize = 4096;
    std::unique_ptr<quint16[]> m_hash;
};
