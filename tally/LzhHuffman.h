#pragma once
// The adaptive Huffman code of the LZHUF coder: 314 symbols (256 literal bytes, then
// match lengths 3 to 60 as symbols 256 to 313) in a tree of 627 nodes kept sorted by
// count. Every symbol starts with count 1; after each symbol its count rises and the
// tree is reordered; when the root's count reaches 0x8000 all counts are halved
// (rounded up) and the tree is rebuilt. Coder and decoder stay in step because both
// apply the same updates in the same order.
#include <QtGlobal>

#include <array>

class LzhBitReader;
class LzhBitWriter;

class LzhAdaptiveHuffman {
public:
    static constexpr int Symbols = 314;
    static constexpr int Nodes = 2 * Symbols - 1;
    static constexpr int Root = Nodes - 1;
    static constexpr unsigned MaxCount = 0x8000;

    LzhAdaptiveHuffman();

    void encode(int symbol, LzhBitWriter& out);
    int decode(LzhBitReader& in);

    // The code of a symbol as the tree stands, root side first, as '0'/'1' characters.
    // For tests and diagnostics; does not update the tree.
    std::array<char, Nodes> codeOf(int symbol, int& length) const;

private:
    // The code of a symbol from its last bit to its first, one bit per entry; returns
    // its length.
    int reversedCode(int symbol, std::array<quint8, Nodes>& bits) const;
    void update(int symbol);
    void rebuild();

    // m_count[Nodes] is a sentinel larger than any count.
    std::array<unsigned, Nodes + 1> m_count{};
    // Parent node of each node, and of each symbol at index Nodes + symbol.
    std::array<int, Nodes + Symbols> m_parent{};
    // For an inner node the first of its two children (the second follows it);
    // for a leaf Nodes + its symbol.
    std::array<int, Nodes> m_son{};
};
