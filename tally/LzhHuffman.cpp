#include "tally/LzhHuffman.h"

#include "tally/LzhBits.h"

LzhAdaptiveHuffman::LzhAdaptiveHuffman()
{
    for (int i = 0; i < Symbols; ++i) {
        m_count[i] = 1;
        m_son[i] = i + Nodes;
        m_parent[i + Nodes] = i;
    }
    for (int i = 0, j = Symbols; j <= Root; i += 2, ++j) {
        m_count[j] = m_count[i] + m_count[i + 1];
        m_son[j] = i;
        m_parent[i] = m_parent[i + 1] = j;
    }
    m_count[Nodes] = 0xFFFF;
    m_parent[Root] = 0;
}

int LzhAdaptiveHuffman::reversedCode(int symbol, std::array<quint8, Nodes>& bits) const
{
    // Walk from the leaf up; each node's side is the low bit of its index, because
    // the two children of a node sit at an even index and the odd one after it.
    int length = 0;
    for (int k = m_parent[symbol + Nodes]; k != Root; k = m_parent[k])
        bits[std::size_t(length++)] = quint8(k & 1);
    return length;
}

std::array<char, LzhAdaptiveHuffman::Nodes> LzhAdaptiveHuffman::codeOf(int symbol, int& length) const
{
    std::array<quint8, Nodes> reversed;
    length = reversedCode(symbol, reversed);
    std::array<char, Nodes> code{};
    for (int i = 0; i < length; ++i)
        code[std::size_t(i)] = reversed[std::size_t(length - 1 - i)] ? '1' : '0';
    return code;
}

void LzhAdaptiveHuffman::encode(int symbol, LzhBitWriter& out)
{
    std::array<quint8, Nodes> reversed; // only the code's length is filled in
    int length = reversedCode(symbol, reversed);
    while (length > 0)
        out.put(reversed[std::size_t(--length)], 1);
    update(symbol);
}

int LzhAdaptiveHuffman::decode(LzhBitReader& in)
{
    int node = m_son[Root];
    while (node < Nodes)
        node = m_son[node + in.bit()];
    const int symbol = node - Nodes;
    update(symbol);
    return symbol;
}

void LzhAdaptiveHuffman::update(int symbol)
{
    if (m_count[Root] == MaxCount)
        rebuild();
    int c = m_parent[symbol + Nodes];
    do {
        const unsigned k = ++m_count[c];
        // Keep the counts sorted: move this node past every node it now outweighs.
        int l = c + 1;
        if (k > m_count[l]) {
            while (k > m_count[++l]) {
            }
            --l;
            m_count[c] = m_count[l];
            m_count[l] = k;

            const int i = m_son[c];
            m_parent[i] = l;
            if (i < Nodes)
                m_parent[i + 1] = l;

            const int j = m_son[l];
            m_son[l] = i;
            m_parent[j] = c;
            if (j < Nodes)
                m_parent[j + 1] = c;
            m_son[c] = j;

            c = l;
        }
        c = m_parent[c];
    } while (c != 0);
}

void LzhAdaptiveHuffman::rebuild()
{
    // Gather the leaves at the front, halving their counts.
    int j = 0;
    for (int i = 0; i < Nodes; ++i) {
        if (m_son[i] >= Nodes) {
            m_count[j] = (m_count[i] + 1) / 2;
            m_son[j] = m_son[i];
            ++j;
        }
    }
    // Join pairs into inner nodes, inserting each where its count keeps the order.
    for (int i = 0, n = Symbols; n < Nodes; i += 2, ++n) {
        const unsigned f = m_count[i] + m_count[i + 1];
        m_count[n] = f;
        int k = n - 1;
        while (f < m_count[k])
            --k;
        ++k;
        for (int m = n; m > k; --m) {
            m_count[m] = m_count[m - 1];
            m_son[m] = m_son[m - 1];
        }
        m_count[k] = f;
        m_son[k] = i;
    }
    // Reconnect parents.
    for (int i = 0; i < Nodes; ++i) {
        const int k = m_son[i];
        if (k >= Nodes)
            m_parent[k] = i;
        else
            m_parent[k] = m_parent[k + 1] = i;
    }
}
