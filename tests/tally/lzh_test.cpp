// The LZHUF coder: its fixed position code, its adaptive Huffman tree, known coded
// forms, and round trips over data that exercises matches, ring wrap-around and
// tree rebuilds.
#include "tally/Lzh.h"
#include "tally/LzhBits.h"
#include "tally/LzhHuffman.h"
#include "tally/LzhMatchTree.h"
#include "tally/LzhPosition.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QRandomGenerator>
#include <QSet>

#include <algorithm>
#include <memory>

namespace {

// A source that hands out the bytes in pieces of at most `piece` bytes; the bytes must
// outlive it.
LzhSource sourceOf(const QByteArray& bytes, qint64 piece = LzhByteReader::ChunkSize)
{
    return [&bytes, piece, taken = qint64(0)](quint8* buf, qint64 max) mutable {
        const qint64 len = std::min<qint64>({max, piece, bytes.size() - taken});
        std::copy_n(bytes.constData() + taken, len, reinterpret_cast<char*>(buf));
        taken += len;
        return len;
    };
}

// A sink that appends to out.
LzhSink sinkInto(QByteArray& out)
{
    return [&out](const quint8* buf, qint64 len) { out.append(reinterpret_cast<const char*>(buf), len); };
}

QByteArray encode(const QByteArray& plain)
{
    QByteArray coded;
    TLZH coder;
    // Hand the input over in odd-sized pieces to check the chunking.
    const qint64 n = coder.encode(sourceOf(plain, 777), sinkInto(coded));
    EXPECT_EQ(n, plain.size());
    return coded;
}

QByteArray decode(const QByteArray& coded, qint64 plainSize)
{
    QByteArray plain;
    TLZH coder;
    coder.decode(sourceOf(coded), sinkInto(plain), plainSize);
    return plain;
}

QByteArray bitsToBytes(const QByteArray& bits)
{
    QByteArray out;
    LzhBitWriter writer(sinkInto(out));
    for (char c : bits)
        writer.put(c == '1' ? 1 : 0, 1);
    writer.finish();
    return out;
}

QByteArray sample(int n, quint32 seed)
{
    QRandomGenerator gen(seed);
    const QByteArray words[] = {"tally ", "game ", "word ", "Quillor ", "opponent ", "wins ", "\r\n"};
    QByteArray out;
    while (out.size() < n)
        out.append(words[gen.bounded(7)]);
    out.truncate(n);
    return out;
}

} // namespace

TEST(LzhPosition, PrefixCodeMatchesTheFixedTable)
{
    // Code lengths rise from 3 to 8 bits over the 64 values of the upper six bits.
    const std::pair<int, int> lengths[] = {{0, 3}, {1, 4}, {3, 4}, {4, 5}, {11, 5}, {12, 6},
                                           {23, 6}, {24, 7}, {47, 7}, {48, 8}, {63, 8}};
    for (auto [high, bits] : lengths)
        EXPECT_EQ(lzhposition::codeLength(high), bits) << high;
    const std::pair<int, int> codes[] = {{0, 0x00}, {1, 0x20}, {2, 0x30}, {3, 0x40}, {4, 0x50},
                                         {5, 0x58}, {11, 0x88}, {12, 0x90}, {13, 0x94}, {23, 0xBC},
                                         {24, 0xC0}, {25, 0xC2}, {47, 0xEE}, {48, 0xF0}, {63, 0xFF}};
    for (auto [high, code] : codes)
        EXPECT_EQ(lzhposition::codeByte(high), code) << high;
}

TEST(LzhPosition, EveryPositionSurvivesTheBitStream)
{
    QByteArray bytes;
    LzhBitWriter writer(sinkInto(bytes));
    for (int p = 0; p < 4096; ++p)
        lzhposition::encode(p, writer);
    writer.finish();

    LzhBitReader reader(sourceOf(bytes));
    for (int p = 0; p < 4096; ++p)
        ASSERT_EQ(lzhposition::decode(reader), p);
    EXPECT_EQ(reader.bytesPastEnd(), 0);

    // Position 0: code "000" then six zero bits; position 4095: "11111111" then six ones.
    QByteArray one;
    LzhBitWriter w2(sinkInto(one));
    lzhposition::encode(4095, w2);
    lzhposition::encode(0, w2);
    w2.finish();
    EXPECT_EQ(one, bitsToBytes("11111111" "111111" "000" "000000"));
}

TEST(LzhHuffman, FreshTreeGivesTheStartingCodes)
{
    LzhAdaptiveHuffman tree;
    int length = 0;
    const auto code = tree.codeOf('A', length);
    EXPECT_EQ(QByteArray(code.data(), length), QByteArray("111001101"));
    // 314 symbols in a tree built by pairing neighbours: 8 or 9 bits each.
    for (int s = 0; s < LzhAdaptiveHuffman::Symbols; ++s) {
        tree.codeOf(s, length);
        EXPECT_TRUE(length == 8 || length == 9) << s;
    }
}

TEST(LzhHuffman, StaysAPrefixCodeThroughUpdatesAndRebuilds)
{
    LzhAdaptiveHuffman encoder;
    LzhAdaptiveHuffman decoder;
    QByteArray bytes;
    LzhBitWriter writer(sinkInto(bytes));

    // Skewed symbols, enough of them for the root count to pass 0x8000 twice.
    QRandomGenerator gen(11);
    std::vector<int> symbols;
    for (int i = 0; i < 70000; ++i) {
        const int r = int(gen.bounded(100));
        symbols.push_back(r < 60 ? 'e' : r < 90 ? int(gen.bounded(26)) + 'a' : int(gen.bounded(314)));
    }
    for (int s : symbols)
        encoder.encode(s, writer);
    writer.finish();

    LzhBitReader reader(sourceOf(bytes));
    for (std::size_t i = 0; i < symbols.size(); ++i)
        ASSERT_EQ(decoder.decode(reader), symbols[i]) << i;

    // Codes are distinct, none a prefix of another, and the common symbol is short.
    QSet<QByteArray> seen;
    std::vector<QByteArray> all;
    int length = 0;
    for (int s = 0; s < LzhAdaptiveHuffman::Symbols; ++s) {
        const auto code = encoder.codeOf(s, length);
        all.emplace_back(code.data(), length);
        seen.insert(all.back());
    }
    EXPECT_EQ(seen.size(), LzhAdaptiveHuffman::Symbols);
    for (const QByteArray& a : all) {
        for (const QByteArray& b : all) {
            if (&a != &b) {
                ASSERT_FALSE(b.startsWith(a)) << a.constData() << " / " << b.constData();
            }
        }
    }
    encoder.codeOf('e', length);
    EXPECT_LE(length, 2);
}

TEST(LzhMatchTree, FindsTheLongestAndAmongEqualTheNearest)
{
    auto tree = std::make_unique<LzhMatchTree>();
    unsigned char* text = tree->text();
    auto put = [&](int at, const char* bytes) {
        for (int i = 0; bytes[i]; ++i)
            text[at + i] = static_cast<unsigned char>(bytes[i]);
    };
    put(100, "abcdP");
    put(200, "abcdQ");
    put(300, "abcdefgR");
    put(400, "abcdZ");
    put(500, "abcdefgS");

    tree->insert(100);
    EXPECT_EQ(tree->matchLength(), 0);
    tree->insert(200);
    EXPECT_EQ(tree->matchLength(), 4);
    EXPECT_EQ(tree->matchPosition(), 200 - 100 - 1);
    tree->insert(300);
    tree->insert(400); // four bytes in common with 100, 200 and 300: the nearest wins
    EXPECT_EQ(tree->matchLength(), 4);
    EXPECT_EQ(tree->matchPosition(), 400 - 300 - 1);
    tree->insert(500); // seven bytes in common with 300 beat four with the nearer 400
    EXPECT_EQ(tree->matchLength(), 7);
    EXPECT_EQ(tree->matchPosition(), 500 - 300 - 1);

    // Once 300 has left the tree, only four-byte matches remain.
    tree->remove(300);
    put(600, "abcdefgT");
    tree->insert(600);
    EXPECT_EQ(tree->matchLength(), 7);
    EXPECT_EQ(tree->matchPosition(), 600 - 500 - 1);
    tree->remove(500);
    put(700, "abcdefgU");
    tree->insert(700);
    EXPECT_EQ(tree->matchPosition(), 700 - 600 - 1);
    tree->remove(600);
    tree->remove(700);
    put(800, "abcdefgV");
    tree->insert(800);
    EXPECT_EQ(tree->matchLength(), 4);
    EXPECT_EQ(tree->matchPosition(), 800 - 400 - 1);
}

TEST(Lzh, KnownCodedForms)
{
    // One literal from a fresh tree: its 9-bit starting code, padded with zeros.
    EXPECT_EQ(encode("A"), bitsToBytes("111001101"));
    EXPECT_EQ(decode(bitsToBytes("111001101"), 1), QByteArray("A"));
    EXPECT_EQ(encode(QByteArray()), QByteArray());
    EXPECT_EQ(decode(QByteArray(), 0), QByteArray());
}

TEST(Lzh, RoundTrips)
{
    QByteArray allBytes;
    for (int i = 0; i < 256; ++i)
        allBytes.append(char(i));
    QByteArray noise;
    QRandomGenerator gen(5);
    for (int i = 0; i < 50000; ++i)
        noise.append(char(gen.bounded(256)));

    const QByteArray inputs[] = {
        "a", "ab", "abc", "    ", QByteArray(61, ' '), QByteArray(5000, 'x'),
        allBytes, allBytes.repeated(40), sample(100, 1), sample(4100, 2), sample(300000, 3),
        noise, noise.left(3000) + sample(10000, 4) + noise.left(3000)};
    for (const QByteArray& plain : inputs) {
        const QByteArray coded = encode(plain);
        EXPECT_EQ(decode(coded, plain.size()), plain) << "size " << plain.size();
    }
    const QByteArray text = sample(300000, 3);
    EXPECT_LT(encode(text).size(), text.size() / 4);
    EXPECT_LT(encode(QByteArray(5000, 'x')).size(), 200);
}

TEST(Lzh, DecoderStopsShortlyAfterTheDataEnds)
{
    const QByteArray plain = sample(50000, 6);
    const QByteArray coded = encode(plain);
    // A plain size beyond what the stream holds: output stops within a few symbols.
    const QByteArray more = decode(coded, plain.size() * 10);
    EXPECT_TRUE(more.startsWith(plain));
    EXPECT_LT(more.size(), plain.size() + 3 * 60);
    // Nothing at all: a couple of symbols read from zero bits at most.
    EXPECT_LT(decode(QByteArray(), 1000000).size(), 3 * 60);
}
