#include "tally/Lzrw1KH.h"

#include "tally/LzError.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {

constexpr int MinCopy = 3;
constexpr int MaxCopy = 18;
constexpr int MinRun = 16;
constexpr int MaxRun = 4095;
constexpr int MaxOffset = 4095;
constexpr int ItemsPerControlWord = 16;

void putControlWord(quint8* dst, int at, quint32 control)
{
    dst[at] = quint8(control >> 8);
    dst[at + 1] = quint8(control);
}

} // namespace

TLZR::TLZR()
{
    try {
        m_hash = std::make_unique<quint16[]>(HashSize);
    } catch (const std::bad_alloc&) {
        throw ELzrw1KHCompressor(QStringLiteral("LZRW1KH : no memory for HASH table"));
    }
}

TLZR::~TLZR() = default;

int TLZR::compressBlock(const quint8* src, int n, quint8* dst)
{
    std::fill_n(m_hash.get(), HashSize, NoPosition);

    // The hash of the last two positions looks past the block; those bytes count as 0.
    // Whatever they are, a match there is shorter than three bytes, so the output does
    // not depend on them.
    auto byteAt = [src, n](int i) -> quint8 { return i < n ? src[i] : 0; };

    dst[0] = FlagCompressed;
    int controlAt = 1;
    int out = 3;
    quint32 control = 0;
    int items = 0;
    int p = 0;

    while (p < n && out <= n) {
        if (items == ItemsPerControlWord) {
            putControlWord(dst, controlAt, control);
            controlAt = out;
            out += 2;
            control = 0;
            items = 0;
        }
        control <<= 1;

        const quint8 b = src[p];
        const int runLimit = std::min(n - p, MaxRun);
        int run = 1;
        while (run < runLimit && src[p + run] == b)
            ++run;

        if (run >= MinRun) {
            const int stored = run - MinRun;
            dst[out++] = 0;
            dst[out++] = quint8(stored >> 8);
            dst[out++] = quint8(stored);
            dst[out++] = b;
            control |= 1;
            p += run;
        } else {
            const int h = hash(b, byteAt(p + 1), byteAt(p + 2));
            const quint16 candidate = m_hash[h];
            m_hash[h] = quint16(p);

            int match = 0;
            if (candidate != NoPosition && p - candidate <= MaxOffset) {
                const int matchLimit = std::min(MaxCopy, n - p);
                while (match < matchLimit && src[candidate + match] == src[p + match])
                    ++match;
            }
            if (match >= MinCopy) {
                const int offset = p - candidate;
                dst[out++] = quint8(offset >> 4);
                dst[out++] = quint8(((offset & 0x0F) << 4) | (match - MinCopy));
                control |= 1;
                p += match;
            } else {
                dst[out++] = b;
                p += 1;
            }
        }
        ++items;
    }

    control <<= (ItemsPerControlWord - items);
    putControlWord(dst, controlAt, control);

    if (out > n) {
        dst[0] = FlagStored;
        if (n > 0)
            std::memcpy(dst + 1, src, std::size_t(n));
        return n + 1;
    }
    return out;
}

int TLZR::decompressBlock(const quint8* src, int L, quint8* dst, int dstCapacity)
{
    if (L <= 1)
        return 0;
    if (src[0] == FlagStored) {
        const int n = L - 1;
        if (n > dstCapacity)
            return -1;
        std::memcpy(dst, src + 1, std::size_t(n));
        return n;
    }
    if (L < 3)
        return 0; // a flag and half a control word: no items

    int x = 3;
    int y = 0;
    quint32 control = (quint32(src[1]) << 8) | src[2];
    int bitsLeft = ItemsPerControlWord;

    while (x < L) {
        if (bitsLeft == 0) {
            if (x + 2 > L)
                return -1;
            control = (quint32(src[x]) << 8) | src[x + 1];
            x += 2;
            bitsLeft = ItemsPerControlWord;
            if (x >= L)
                break;
        }
        if (control & 0x8000) {
            if (x + 2 > L)
                return -1;
            const int offset = (int(src[x]) << 4) | (src[x + 1] >> 4);
            if (offset == 0) {
                if (x + 4 > L)
                    return -1;
                const int count = ((int(src[x + 1]) << 8) | src[x + 2]) + MinRun;
                if (count > dstCapacity - y)
                    return -1;
                std::memset(dst + y, src[x + 3], std::size_t(count));
                y += count;
                x += 4;
            } else {
                const int length = (src[x + 1] & 0x0F) + MinCopy;
                if (offset > y || length > dstCapacity - y)
                    return -1;
                // Byte by byte: a copy may repeat bytes it has just produced.
                for (int i = 0; i < length; ++i)
                    dst[y + i] = dst[y - offset + i];
                y += length;
                x += 2;
            }
        } else {
            if (y >= dstCapacity)
                return -1;
            dst[y++] = src[x++];
        }
        control <<= 1;
        --bitsLeft;
    }
    return y;
}
