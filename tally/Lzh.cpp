#include "tally/Lzh.h"

#include "tally/LzError.h"
#include "tally/LzhHuffman.h"
#include "tally/LzhMatchTree.h"
#include "tally/LzhPosition.h"

#include <array>
#include <memory>
#include <new>

namespace {

constexpr int N = LzhMatchTree::RingSize;
constexpr int F = LzhMatchTree::LookAhead;
constexpr int Threshold = LzhMatchTree::Threshold;
constexpr int FirstSymbolOfLength = 256 - Threshold - 1; // length 3 is symbol 256

template <typename T>
std::unique_ptr<T> allocateTables()
{
    try {
        return std::make_unique<T>();
    } catch (const std::bad_alloc&) {
        throw ElzhException(QStringLiteral("LZH : Cannot get memory for dictionary tables"));
    }
}

struct EncoderTables {
    LzhMatchTree tree;
    LzhAdaptiveHuffman huffman;
};

struct DecoderTables {
    std::array<quint8, N> ring{};
    LzhAdaptiveHuffman huffman;
};

} // namespace

qint64 TLZH::encode(const LzhSource& source, const LzhSink& sink)
{
    auto tables = allocateTables<EncoderTables>();
    LzhMatchTree& tree = tables->tree;
    LzhAdaptiveHuffman& huffman = tables->huffman;
    unsigned char* text = tree.text();

    LzhByteReader input(source);
    LzhBitWriter output(sink);

    int s = 0;
    int r = N - F;
    for (int i = s; i < r; ++i)
        text[i] = ' ';

    int len = 0;
    for (int c; len < F && (c = input.next()) >= 0; ++len)
        text[r + len] = quint8(c);
    if (len == 0)
        return 0;
    qint64 plainCount = len;

    // The spaces before the first byte are matchable history too.
    for (int i = 1; i <= F; ++i)
        tree.insert(r - i);
    tree.insert(r);

    do {
        int matchLength = tree.matchLength();
        if (matchLength > len)
            matchLength = len;
        if (matchLength <= Threshold) {
            matchLength = 1;
            huffman.encode(text[r], output);
        } else {
            huffman.encode(FirstSymbolOfLength + matchLength, output);
            lzhposition::encode(tree.matchPosition(), output);
        }

        // Slide the window by the bytes just coded, reading as many new ones.
        int i = 0;
        for (int c; i < matchLength && (c = input.next()) >= 0; ++i) {
            tree.remove(s);
            text[s] = quint8(c);
            if (s < F - 1)
                text[s + N] = quint8(c);
            s = (s + 1) & (N - 1);
            r = (r + 1) & (N - 1);
            tree.insert(r);
            ++plainCount;
        }
        // At the end of the input the look-ahead shrinks instead.
        for (; i < matchLength; ++i) {
            tree.remove(s);
            s = (s + 1) & (N - 1);
            r = (r + 1) & (N - 1);
            if (--len > 0)
                tree.insert(r);
        }
    } while (len > 0);

    output.finish();
    return plainCount;
}

qint64 TLZH::decode(const LzhSource& source, const LzhSink& sink, qint64 plainSize)
{
    auto tables = allocateTables<DecoderTables>();
    auto& ring = tables->ring;
    LzhAdaptiveHuffman& huffman = tables->huffman;

    LzhBitReader input(source);
    LzhByteWriter output(sink);

    for (int i = 0; i < N - F; ++i)
        ring[std::size_t(i)] = ' ';
    int r = N - F;

    while (output.count() < plainSize) {
        const int symbol = huffman.decode(input);
        if (input.bytesPastEnd() > ZeroBytesPastEnd)
            break;
        if (symbol < 256) {
            output.put(quint8(symbol));
            ring[std::size_t(r)] = quint8(symbol);
            r = (r + 1) & (N - 1);
            continue;
        }
        const int from = (r - lzhposition::decode(input) - 1) & (N - 1);
        if (input.bytesPastEnd() > ZeroBytesPastEnd)
            break;
        const int length = symbol - FirstSymbolOfLength;
        for (int k = 0; k < length; ++k) {
            const quint8 c = ring[std::size_t((from + k) & (N - 1))];
            output.put(c);
            ring[std::size_t(r)] = c;
            r = (r + 1) & (N - 1);
        }
    }
    output.flush();
    return output.count();
}
