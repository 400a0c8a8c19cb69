// The block coder on its own: exact coded forms of small blocks, round trips, and
// damaged blocks that must be refused without touching memory outside the buffers.
#include "tally/Lzrw1KH.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QRandomGenerator>

#include <vector>

namespace {

using Bytes = std::vector<quint8>;

Bytes compress(TLZR& coder, const Bytes& plain)
{
    Bytes out(TLZR::BufferSize);
    const int length = coder.compressBlock(plain.data(), int(plain.size()), out.data());
    out.resize(std::size_t(length));
    return out;
}

// Decodes into a buffer with guard bytes on both sides, checking that none changed.
int decodeGuarded(const Bytes& coded, Bytes& plain, int capacity = TLZR::BlockSize)
{
    constexpr int Guard = 64;
    Bytes area(std::size_t(capacity + 2 * Guard), 0xA5);
    const int n = TLZR::decompressBlock(coded.data(), int(coded.size()), area.data() + Guard, capacity);
    for (int i = 0; i < Guard; ++i) {
        EXPECT_EQ(area[std::size_t(i)], 0xA5) << "wrote before the buffer";
        EXPECT_EQ(area[std::size_t(Guard + capacity + i)], 0xA5) << "wrote past the buffer";
    }
    if (n >= 0)
        plain.assign(area.begin() + Guard, area.begin() + Guard + n);
    return n;
}

Bytes roundTrip(TLZR& coder, const Bytes& plain)
{
    Bytes decoded;
    const int n = decodeGuarded(compress(coder, plain), decoded);
    EXPECT_EQ(n, int(plain.size()));
    return decoded;
}

Bytes randomBytes(int n, quint32 seed)
{
    QRandomGenerator gen(seed);
    Bytes b(static_cast<std::size_t>(n));
    for (auto& x : b)
        x = quint8(gen.bounded(256));
    return b;
}

Bytes textLike(int n)
{
    const QByteArray words = "the quick brown fox jumps over the lazy dog while the tally counts games ";
    Bytes b;
    QRandomGenerator gen(7);
    while (int(b.size()) < n) {
        const int start = int(gen.bounded(words.size() - 10));
        const int len = 3 + int(gen.bounded(8));
        for (int i = 0; i < len && int(b.size()) < n; ++i)
            b.push_back(quint8(words[start + i]));
    }
    return b;
}

// The coding rules one byte at a time, with no shortcut: at each position a run of 16
// or more equal bytes (up to 4095) is a run item; otherwise the position is entered in
// the hash table, and the candidate found there before it gives a copy when it lies at
// most 4095 back and agrees on 3 or more bytes (up to 18); otherwise a literal. Bytes
// past the block count as 0 for the hash.
Bytes codeByTheRules(const Bytes& src)
{
    const int n = int(src.size());
    std::vector<int> table(4096, -1);
    const auto at = [&](int i) -> quint8 { return i < n ? src[std::size_t(i)] : 0; };
    Bytes out = {TLZR::FlagCompressed, 0, 0};
    std::size_t controlAt = 1;
    quint32 control = 0;
    int items = 0;
    for (int p = 0; p < n && int(out.size()) <= n;) {
        if (items == 16) {
            out[controlAt] = quint8(control >> 8);
            out[controlAt + 1] = quint8(control);
            controlAt = out.size();
            out.insert(out.end(), {0, 0});
            control = 0;
            items = 0;
        }
        ++items;
        control <<= 1;
        int run = 1;
        while (run < 4095 && p + run < n && at(p + run) == at(p))
            ++run;
        if (run >= 16) {
            out.insert(out.end(), {0, quint8((run - 16) >> 8), quint8(run - 16), at(p)});
            control |= 1;
            p += run;
            continue;
        }
        const int h = TLZR::hash(at(p), at(p + 1), at(p + 2));
        const int candidate = table[std::size_t(h)];
        table[std::size_t(h)] = p;
        int match = 0;
        if (candidate >= 0 && p - candidate <= 4095) {
            while (match < 18 && p + match < n && at(candidate + match) == at(p + match))
                ++match;
        }
        if (match >= 3) {
            const int offset = p - candidate;
            out.insert(out.end(), {quint8(offset >> 4), quint8(((offset & 15) << 4) | (match - 3))});
            control |= 1;
            p += match;
        } else {
            out.push_back(at(p++));
        }
    }
    control <<= 16 - items;
    out[controlAt] = quint8(control >> 8);
    out[controlAt + 1] = quint8(control);
    if (int(out.size()) > n) {
        out.assign(1, TLZR::FlagStored);
        out.insert(out.end(), src.begin(), src.end());
    }
    return out;
}

} // namespace

TEST(Lzrw1Block, CodedFormFollowsTheRulesExactlyOnVariedBlocks)
{
    // Blocks mixing text, short and long runs, near and far repeats and noise, of every
    // length around the points where the coder changes how it reads.
    TLZR coder;
    QRandomGenerator gen(2718);
    for (int trial = 0; trial < 300; ++trial) {
        const int n = trial < 60 ? trial : trial < 120 ? TLZR::BlockSize - (trial - 60) : int(gen.bounded(TLZR::BlockSize + 1));
        Bytes plain;
        while (int(plain.size()) < n) {
            const int len = 1 + int(gen.bounded(200));
            switch (gen.bounded(5)) {
            case 0: { const Bytes t = textLike(len); plain.insert(plain.end(), t.begin(), t.end()); break; }
            case 1: plain.insert(plain.end(), std::size_t(len * int(gen.bounded(30))), quint8(gen.bounded(3))); break;
            case 2: { const Bytes r = randomBytes(len, gen.generate()); plain.insert(plain.end(), r.begin(), r.end()); break; }
            default:
                for (int k = 0; k < len && !plain.empty(); ++k)
                    plain.push_back(plain[plain.size() - 1 - gen.bounded(quint32(std::min<std::size_t>(plain.size(), 5000)))]);
            }
        }
        plain.resize(std::size_t(n));
        const Bytes coded = compress(coder, plain);
        ASSERT_EQ(coded, codeByTheRules(plain)) << "trial " << trial << ", " << n << " bytes";
        Bytes decoded;
        ASSERT_EQ(decodeGuarded(coded, decoded), n);
        ASSERT_EQ(decoded, plain) << "trial " << trial;
    }
}

TEST(Lzrw1Block, EmptyBlockIsStoredAsOneByte)
{
    TLZR coder;
    EXPECT_EQ(compress(coder, {}), Bytes({0x80}));
    Bytes out;
    EXPECT_EQ(decodeGuarded({0x80}, out), 0);
    EXPECT_EQ(decodeGuarded({}, out), 0);
}

TEST(Lzrw1Block, FullBlockOfOneByteIsEightRunsALiteralAndACopy)
{
    TLZR coder;
    const Bytes plain(TLZR::BlockSize, 'z');
    const Bytes coded = compress(coder, plain);
    ASSERT_EQ(coded.size(), 38u);

    // Flag, then one control word for ten items: eight runs, a literal, a copy.
    EXPECT_EQ(coded[0], 0x40);
    EXPECT_EQ(coded[1], 0xFF);
    EXPECT_EQ(coded[2], 0x40);
    for (int i = 0; i < 8; ++i) {
        const std::size_t at = 3 + std::size_t(i) * 4;
        EXPECT_EQ(coded[at], 0x00);                // zero offset: a run
        EXPECT_EQ(coded[at + 1], 0x0F);            // 4095 - 16 = 0x0FEF
        EXPECT_EQ(coded[at + 2], 0xEF);
        EXPECT_EQ(coded[at + 3], 'z');
    }
    EXPECT_EQ(coded[35], 'z');  // literal
    EXPECT_EQ(coded[36], 0x00); // copy: offset 1 ...
    EXPECT_EQ(coded[37], 0x14); // ... length 7

    EXPECT_EQ(roundTrip(coder, plain), plain);
}

TEST(Lzrw1Block, IncompressibleBlockIsStoredWithFlag)
{
    TLZR coder;
    for (int n : {1, 2, 3, 17, 1000, TLZR::BlockSize}) {
        const Bytes plain = randomBytes(n, quint32(n));
        const Bytes coded = compress(coder, plain);
        ASSERT_EQ(int(coded.size()), n + 1) << n;
        EXPECT_EQ(coded[0], 0x80);
        EXPECT_TRUE(std::equal(plain.begin(), plain.end(), coded.begin() + 1));
        EXPECT_EQ(roundTrip(coder, plain), plain);
    }
}

TEST(Lzrw1Block, SecondControlWordStandsAfterSixteenItems)
{
    TLZR coder;
    Bytes plain;
    for (int i = 0; i < 16; ++i)
        plain.push_back(quint8('a' + i));
    plain.insert(plain.end(), 100, 'x');

    const Bytes expected = {
        0x40, 0x00, 0x00,                                   // sixteen literals
        'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 'i', 'j', 'k', 'l', 'm', 'n', 'o', 'p',
        0x80, 0x00,                                         // one run, bits beyond it 0
        0x00, 0x00, 100 - 16, 'x'};
    EXPECT_EQ(compress(coder, plain), expected);
    EXPECT_EQ(roundTrip(coder, plain), plain);
}

TEST(Lzrw1Block, RepeatedPhraseBecomesACopyOfItsFirstOccurrence)
{
    TLZR coder;
    const QByteArray text = "wordgame wordgame wordgame";
    const Bytes plain(text.begin(), text.end());
    const Bytes coded = compress(coder, plain);
    // "wordgame " as nine literals, then one copy 9 back of the remaining 17 bytes.
    ASSERT_EQ(coded.size(), 3u + 9u + 2u);
    EXPECT_EQ(coded[1], 0x00);
    EXPECT_EQ(coded[2], 0x40); // tenth item is a copy
    EXPECT_EQ(coded[12], 0x00);
    EXPECT_EQ(coded[13], (9 << 4) | (17 - 3));
    EXPECT_EQ(roundTrip(coder, plain), plain);
}

TEST(Lzrw1Block, OverlappingCopyRepeatsThePreviousByte)
{
    // A literal, then a copy of offset 1 and length 18.
    const Bytes coded = {0x40, 0x40, 0x00, 'q', 0x00, 0x1F};
    Bytes plain;
    ASSERT_EQ(decodeGuarded(coded, plain), 19);
    EXPECT_EQ(plain, Bytes(19, 'q'));

    // Offset 2 over "ab" alternates.
    const Bytes alternating = {0x40, 0x20, 0x00, 'a', 'b', 0x00, 0x22};
    ASSERT_EQ(decodeGuarded(alternating, plain), 7);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(plain.data()), 7), QByteArray("abababa"));
}

TEST(Lzrw1Block, RoundTripsVariedData)
{
    TLZR coder;
    std::vector<Bytes> samples;
    for (int n = 0; n < 40; ++n)
        samples.push_back(textLike(n));
    samples.push_back(textLike(TLZR::BlockSize));
    samples.push_back(textLike(TLZR::BlockSize - 1));
    samples.push_back(Bytes(TLZR::BlockSize, 0));
    samples.push_back(Bytes(15, 'r'));
    samples.push_back(Bytes(16, 'r'));
    samples.push_back(Bytes(4095, 'r'));
    samples.push_back(Bytes(4096, 'r'));
    samples.push_back(Bytes(4111, 'r'));
    Bytes mixed = textLike(9000);
    mixed.insert(mixed.end(), 5000, ' ');
    const Bytes noise = randomBytes(3000, 99);
    mixed.insert(mixed.end(), noise.begin(), noise.end());
    const Bytes tail = textLike(8000);
    mixed.insert(mixed.end(), tail.begin(), tail.end());
    samples.push_back(mixed);
    // Far repeats: equal text more than 4095 bytes apart must not be referenced.
    Bytes far = textLike(200);
    const Bytes gap = randomBytes(5000, 3);
    far.insert(far.end(), gap.begin(), gap.end());
    const Bytes again = textLike(200);
    far.insert(far.end(), again.begin(), again.end());
    samples.push_back(far);

    for (const Bytes& plain : samples)
        EXPECT_EQ(roundTrip(coder, plain), plain) << "size " << plain.size();

    EXPECT_LT(compress(coder, textLike(TLZR::BlockSize)).size(), std::size_t(TLZR::BlockSize) * 3 / 4);
}

TEST(Lzrw1Block, DamagedBlocksAreRefusedInsideTheBuffers)
{
    Bytes out;
    // A copy reaching before the block's start.
    EXPECT_EQ(decodeGuarded({0x40, 0x40, 0x00, 'a', 0x00, 0x20}, out), -1);
    EXPECT_EQ(decodeGuarded({0x40, 0x80, 0x00, 0xFF, 0xF0}, out), -1);
    // Items cut off by the block's end: half a copy, three quarters of a run,
    // half a control word.
    EXPECT_EQ(decodeGuarded({0x40, 0x40, 0x00, 'a', 0x00}, out), -1);
    EXPECT_EQ(decodeGuarded({0x40, 0x80, 0x00, 0x00, 0x01, 0x00}, out), -1);
    Bytes sixteenLiterals = {0x40, 0x00, 0x00};
    sixteenLiterals.insert(sixteenLiterals.end(), 16, 'k');
    sixteenLiterals.push_back(0x80);
    EXPECT_EQ(decodeGuarded(sixteenLiterals, out), -1);

    // Runs adding up past the block size.
    Bytes runs = {0x40, 0xFF, 0xFF};
    for (int i = 0; i < 9; ++i)
        runs.insert(runs.end(), {0x00, 0x0F, 0xFF, 'r'});
    EXPECT_EQ(decodeGuarded(runs, out), -1);
    // The same runs fit in a larger buffer, so the limit is the capacity itself.
    EXPECT_EQ(decodeGuarded(runs, out, 9 * 4111), 9 * 4111);

    // Literals and copies past a small capacity.
    EXPECT_EQ(decodeGuarded({0x40, 0x00, 0x00, 'a', 'b', 'c'}, out, 2), -1);
    EXPECT_EQ(decodeGuarded({0x40, 0x40, 0x00, 'a', 0x00, 0x1F}, out, 10), -1);
    // A stored block larger than the capacity.
    Bytes stored(40, 's');
    stored[0] = 0x80;
    EXPECT_EQ(decodeGuarded(stored, out, 20), -1);
}

TEST(Lzrw1Block, HashUsesTwelveBits)
{
    int highest = 0;
    for (int b0 = 0; b0 < 256; b0 += 5)
        for (int b1 = 0; b1 < 256; b1 += 7)
            for (int b2 = 0; b2 < 256; b2 += 11)
                highest = std::max(highest, TLZR::hash(quint8(b0), quint8(b1), quint8(b2)));
    EXPECT_LE(highest, 0x0FFF);
    EXPECT_GT(highest, 0x0F00);
    // 40543 * ((('a' << 4) ^ 'b') << 4 ^ 'c') = 40543 * 26435, kept to 32 bits.
    EXPECT_EQ(TLZR::hash('a', 'b', 'c'), int(((40543u * 26435u) >> 4) & 0x0FFF));
}
