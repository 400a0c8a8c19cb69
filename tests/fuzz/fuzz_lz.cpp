// The tally file's two coders: the LZRW1-KH block decoder and the LZHUF decoder fed
// arbitrary coded data, and both coders' round trips over arbitrary plain data.
//
// Input: byte 0 picks the case (modulo 4), the rest is its data.
//   0  one coded LZRW1-KH block; byte 1 (times 128) bounds the output buffer
//   1  an LZHUF stream; bytes 1 and 2 give the plain size it claims
//   2  plain data through LZRW1-KH, block by block, and back
//   3  plain data (its first KiB) through LZHUF and back
//
// Properties: a decoder never writes past the room it is given nor produces more than
// the coded data can stand for; whatever a decoder produces (up to 256 bytes, for the
// slower LZHUF coder) codes and decodes back to itself; every round trip gives back
// its input exactly.
#include "FuzzCheck.h"
#include "tally/Lzh.h"
#include "tally/Lzrw1KH.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

using Bytes = std::vector<quint8>;

// Buffers shared by every input: set up once, outside the per-input path.
struct Buffers {
    TLZR coder;
    Bytes coded = Bytes(TLZR::BufferSize);
    Bytes decoded = Bytes(TLZR::BlockSize);
};

Buffers& buffers()
{
    static Buffers b;
    return b;
}

// LZRW1-KH over whole data of any length, block by block, and back.
void lzrw1RoundTrip(const quint8* data, std::size_t size)
{
    Buffers& b = buffers();
    std::size_t pos = 0;
    do {
        const int n = int(std::min<std::size_t>(size - pos, TLZR::BlockSize));
        const int coded = b.coder.compressBlock(data + pos, n, b.coded.data());
        FUZZ_CHECK(coded >= 1 && coded <= n + 1);
        const int back = TLZR::decompressBlock(b.coded.data(), coded, b.decoded.data(), TLZR::BlockSize);
        FUZZ_CHECK(back == n);
        FUZZ_CHECK(n == 0 || std::memcmp(b.decoded.data(), data + pos, std::size_t(n)) == 0);
        pos += std::size_t(n);
    } while (pos < size);
}

Bytes lzhEncode(const Bytes& plain)
{
    Bytes coded;
    std::size_t at = 0;
    TLZH coder;
    const qint64 count = coder.encode(
        [&](quint8* buf, qint64 max) {
            const qint64 n = std::min<qint64>(max, qint64(plain.size() - at));
            if (n > 0)
                std::memcpy(buf, plain.data() + at, std::size_t(n));
            at += std::size_t(n);
            return n;
        },
        [&](const quint8* buf, qint64 n) { coded.insert(coded.end(), buf, buf + n); });
    FUZZ_CHECK(count == qint64(plain.size()));
    return coded;
}

Bytes lzhDecode(const quint8* coded, std::size_t size, qint64 plainSize)
{
    Bytes plain;
    std::size_t at = 0;
    TLZH coder;
    const qint64 count = coder.decode(
        [&](quint8* buf, qint64 max) {
            const qint64 n = std::min<qint64>(max, qint64(size - at));
            if (n > 0)
                std::memcpy(buf, coded + at, std::size_t(n));
            at += std::size_t(n);
            return n;
        },
        [&](const quint8* buf, qint64 n) { plain.insert(plain.end(), buf, buf + n); }, plainSize);
    FUZZ_CHECK(count == qint64(plain.size()));
    return plain;
}

void lzhRoundTrip(const Bytes& plain)
{
    const Bytes coded = lzhEncode(plain);
    FUZZ_CHECK(lzhDecode(coded.data(), coded.size(), qint64(plain.size())) == plain);
}

void decodeBlock(const quint8* data, std::size_t size)
{
    if (size < 1 || size > 0xFFFF)
        return;
    const int capacity = std::min(TLZR::BlockSize, 1 + int(data[0]) * 128);
    // The decoder gets exactly `capacity` bytes of room, so a write past it is caught.
    Bytes room(static_cast<std::size_t>(capacity));
    const Bytes block(data + 1, data + size);
    const int n = TLZR::decompressBlock(block.data(), int(block.size()), room.data(), capacity);
    FUZZ_CHECK(n >= -1 && n <= capacity);
    if (n > 0) {
        // A run item of four coded bytes stands for at most 4,095 plain bytes.
        FUZZ_CHECK(n <= int(block.size()) * 1024);
        lzrw1RoundTrip(room.data(), std::size_t(n));
    }
}

void decodeLzh(const quint8* data, std::size_t size)
{
    if (size < 2)
        return;
    const qint64 plainSize = qint64(data[0] | (data[1] << 8));
    const Bytes plain = lzhDecode(data + 2, size - 2, plainSize);
    // A final match is written whole, so up to 59 bytes past the claimed size; and the
    // decoder stops a few bytes after the coded data runs out.
    FUZZ_CHECK(qint64(plain.size()) <= plainSize + 59);
    FUZZ_CHECK(plain.size() <= (size - 2 + TLZH::ZeroBytesPastEnd + 1) * 8 * 60);
    // Coding costs about a millisecond here, whatever the size (the coder first sorts
    // the sixty positions of its initial spaces), so only short outputs go round.
    if (plain.size() <= 256)
        lzhRoundTrip(plain);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const quint8* rest = data + 1;
    const std::size_t restSize = size - 1;
    switch (data[0] % 4) {
    case 0:
        decodeBlock(rest, restSize);
        break;
    case 1:
        decodeLzh(rest, restSize);
        break;
    case 2:
        lzrw1RoundTrip(rest, restSize);
        break;
    default:
        // LZHUF coding costs some microseconds a byte here; a kilobyte shows all of it.
        lzhRoundTrip(Bytes(rest, rest + std::min<std::size_t>(restSize, 1024)));
        break;
    }
    return 0;
}
