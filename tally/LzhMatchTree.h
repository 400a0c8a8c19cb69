#pragma once
// Longest-match search of the LZHUF coder over its 4096-byte ring buffer: one ordered
// binary tree per leading byte holds the positions of the window, sorted by the 60
// bytes that start there. Inserting a position also finds, among those already in its
// tree, the longest match (up to 60 bytes), the nearest one among equally long matches;
// a position with the very same 60 bytes replaces the older one in the tree.
#include <array>

class LzhMatchTree {
public:
    static constexpr int RingSize = 4096;
    static constexpr int LookAhead = 60;
    static constexpr int Threshold = 2; // matches this long or shorter are not used

    LzhMatchTree();

    // The ring buffer, with LookAhead - 1 bytes mirrored past its end so that every
    // position can be read for LookAhead bytes without wrapping.
    unsigned char* text() { return m_text.data(); }

    // Puts position r into its tree; sets matchLength() and matchPosition().
    void insert(int r);
    // Takes position p out of its tree (nothing when it is not in one).
    void remove(int p);

    // Length of the longest match found by the last insert (0 when none above Threshold).
    int matchLength() const { return m_matchLength; }
    // Its distance back minus one (0 to RingSize - 1).
    int matchPosition() const { return m_matchPosition; }

private:
    static constexpr int Nil = RingSize;

    std::array<unsigned char, RingSize + LookAhead - 1> m_text{};
    std::array<int, RingSize + 1> m_left{};
    // Positions 0..RingSize-1, then one root per leading byte at RingSize + 1 + byte.
    std::array<int, RingSize + 257> m_right{};
    std::array<int, RingSize + 1> m_parent{};
    int m_matchLength = 0;
    int m_matchPosition = 0;
};
