#include "tally/Lzrw1KH.h"

#include "tally/LzError.h"

#include <QtEndian>

#include <algorithm>
#include <bit>
#include <cstring>
#include <new>

namespace {

constexpr int MinCopy = 3;
constexpr int MaxCopy = 18;
constexpr int MinRun = 16;
constexpr int MaxRun = 4095;
constexpr int MaxOffset = 4095;
constexpr int ItemsPerControlWord = 16;
// While this many bytes of a buffer lie ahead, the compressor reads and the
// decompressor writes them eight at a time, without checking each one.
constexpr int Wide = 24;

void putControlWord(quint8* at, quint32 control)
{
    at[0] = quint8(control >> 8);
    at[1] = quint8(control);
}

// Eight bytes in little-endian order: byte i in bits 8i to 8i+7.
quint64 load64(const quint8* p)
{
    quint64 v;
    std::memcpy(&v, p, sizeof v);
    return qFromLittleEndian(v);
}

// How many bytes a and b agree on from the start, up to MaxCopy, where aHead and bHead
// are their first eight bytes; both must have Wide bytes readable.
int agreeingBytesWide(const quint8* a, quint64 aHead, const quint8* b, quint64 bHead)
{
    quint64 differ = aHead ^ bHead;
    for (int at = 8;; at += 8) {
        if (differ != 0)
            return std::min(MaxCopy, at - 8 + std::countr_zero(differ) / 8);
        if (at == Wide)
            return MaxCopy;
        differ = load64(a + at) ^ load64(b + at);
    }
}

// The hash table holds each position plus this, so that its empty entries (0) stand
// for a position too far back to be copied from and need no test of their own.
constexpr int TableBias = MaxOffset + 1;

// Where the compressor stands: the next plain byte, the next coded byte, and the
// control word being filled with where it goes.
struct Coding {
    int p;
    quint8* out;
    quint8* controlAt;
    quint32 control;
    int items;
};

// Codes items from c.p while c.p < until and coding still makes the block smaller.
// Far from the block's end (NearEnd false) every read the search makes stays inside
// the block without checking; near it, each read is checked. Works on a copy of the
// position, so stores through the output pointer cannot make the compiler reload it.
template <bool NearEnd>
void codeItems(const quint8* src, int n, int until, quint16* table, const quint8* outLimit, Coding& at)
{
    Coding c = at;
    while (c.p < until && c.out <= outLimit) {
        if (c.items == ItemsPerControlWord) {
            putControlWord(c.controlAt, c.control);
            c.controlAt = c.out;
            c.out += 2;
            c.control = 0;
            c.items = 0;
        }
        c.control <<= 1;
        ++c.items;

        const int p = c.p;
        // Far from the end, the next eight bytes are read once for every test below.
        const quint64 head = NearEnd ? 0 : load64(src + p);
        const quint8 b = NearEnd ? src[p] : quint8(head);
        if (NearEnd ? p + 1 < n && src[p + 1] == b : ((head ^ (head >> 8)) & 0xFF) == 0) {
            const int runLimit = std::min(n - p, MaxRun);
            int run = 2;
            if constexpr (!NearEnd) {
                // Eight bytes at a time while they lie inside the run's limit.
                const quint64 repeated = 0x0101010101010101ull * b;
                for (quint64 differ = 0; differ == 0 && run + 8 <= runLimit;) {
                    differ = load64(src + p + run) ^ repeated;
                    run += differ == 0 ? 8 : std::countr_zero(differ) / 8;
                }
            }
            while (run < runLimit && src[p + run] == b)
                ++run;
            if (run >= MinRun) {
                const int stored = run - MinRun;
                c.out[0] = 0;
                c.out[1] = quint8(stored >> 8);
                c.out[2] = quint8(stored);
                c.out[3] = b;
                c.out += 4;
                c.control |= 1;
                c.p += run;
                continue;
            }
        }

        int h;
        if constexpr (NearEnd) {
            // The hash of the last two positions looks past the block; those bytes
            // count as 0. Whatever they are, a match there is shorter than three
            // bytes, so the output does not depend on them.
            h = TLZR::hash(b, p + 1 < n ? src[p + 1] : 0, p + 2 < n ? src[p + 2] : 0);
        } else {
            h = TLZR::hash(b, quint8(head >> 8), quint8(head >> 16));
        }
        const int candidate = int(table[h]) - TableBias;
        table[h] = quint16(p + TableBias);

        int match = 0;
        if constexpr (NearEnd) {
            if (p - candidate <= MaxOffset) {
                const int matchLimit = std::min(MaxCopy, n - p);
                while (match < matchLimit && src[candidate + match] == src[p + match])
                    ++match;
            }
        } else {
            // Whether the candidate lies too far back is as unpredictable as whether it
            // agrees, so both make one test. Bit 24 says "too far" (the sign of
            // MaxOffset - distance); a candidate before the block is read at 0 instead.
            const quint64 tooFar = quint64(quint32(MaxOffset - (p - candidate)) >> 31) << 24;
            const quint64 there = load64(src + std::max(candidate, 0));
            if ((((there ^ head) & 0xFFFFFF) | tooFar) == 0)
                match = agreeingBytesWide(src + candidate, there, src + p, head);
        }
        if (match >= MinCopy) {
            const int offset = p - candidate;
            c.out[0] = quint8(offset >> 4);
            c.out[1] = quint8(((offset & 0x0F) << 4) | (match - MinCopy));
            c.out += 2;
            c.control |= 1;
            c.p += match;
        } else {
            *c.out++ = b;
            c.p += 1;
        }
    }
    at = c;
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
    quint16* const table = m_hash.get();
    std::fill_n(table, HashSize, quint16(0));

    dst[0] = FlagCompressed;
    Coding at{0, dst + 3, dst + 1, 0, 0};
    const quint8* const outLimit = dst + n; // coding past this would not make the block smaller
    codeItems<false>(src, n, n - Wide, table, outLimit, at);
    codeItems<true>(src, n, n, table, outLimit, at);

    quint32 control = at.control << (ItemsPerControlWord - at.items);
    putControlWord(at.controlAt, control);

    const int length = int(at.out - dst);
    if (length > n) {
        dst[0] = FlagStored;
        if (n > 0)
            std::memcpy(dst + 1, src, std::size_t(n));
        return n + 1;
    }
    return length;
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
        if (!(control & 0x8000)) {
            // Literals: as many as the control word marks in a row, in one go.
            const int marked = std::countl_zero(quint16(control));
            const int k = std::min({marked, bitsLeft, L - x});
            if (k > dstCapacity - y)
                return -1;
            std::memcpy(dst + y, src + x, std::size_t(k));
            y += k;
            x += k;
            control <<= k;
            bitsLeft -= k;
            continue;
        }
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
            quint8* to = dst + y;
            const quint8* from = to - offset;
            if (offset >= 8 && dstCapacity - y >= Wide) {
                // Eight bytes at a time, each read wholly before the bytes it writes;
                // up to six bytes past the copy are written and later overwritten.
                for (int at = 0; at < length; at += 8)
                    std::memcpy(to + at, from + at, 8);
            } else {
                // Byte by byte: a copy may repeat bytes it has just produced.
                for (int i = 0; i < length; ++i)
                    to[i] = from[i];
            }
            y += length;
            x += 2;
        }
        control <<= 1;
        --bitsLeft;
    }
    return y;
}
