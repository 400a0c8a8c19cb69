#include "tally/LzhMatchTree.h"

LzhMatchTree::LzhMatchTree()
{
    for (int i = RingSize + 1; i <= RingSize + 256; ++i)
        m_right[std::size_t(i)] = Nil;
    for (int i = 0; i < RingSize; ++i)
        m_parent[std::size_t(i)] = Nil;
}

void LzhMatchTree::insert(int r)
{
    const unsigned char* key = &m_text[std::size_t(r)];
    int p = RingSize + 1 + key[0];
    int cmp = 1;
    m_left[std::size_t(r)] = m_right[std::size_t(r)] = Nil;
    m_matchLength = 0;

    for (;;) {
        if (cmp >= 0) {
            if (m_right[std::size_t(p)] != Nil) {
                p = m_right[std::size_t(p)];
            } else {
                m_right[std::size_t(p)] = r;
                m_parent[std::size_t(r)] = p;
                return;
            }
        } else {
            if (m_left[std::size_t(p)] != Nil) {
                p = m_left[std::size_t(p)];
            } else {
                m_left[std::size_t(p)] = r;
                m_parent[std::size_t(r)] = p;
                return;
            }
        }

        int i = 1;
        for (; i < LookAhead; ++i) {
            cmp = int(key[i]) - int(m_text[std::size_t(p + i)]);
            if (cmp != 0)
                break;
        }
        if (i > Threshold) {
            const int position = ((r - p) & (RingSize - 1)) - 1;
            if (i > m_matchLength) {
                m_matchPosition = position;
                m_matchLength = i;
                if (m_matchLength >= LookAhead)
                    break;
            } else if (i == m_matchLength && position < m_matchPosition) {
                m_matchPosition = position;
            }
        }
    }

    // Same 60 bytes as p: r takes p's place in the tree and p leaves it.
    m_parent[std::size_t(r)] = m_parent[std::size_t(p)];
    m_left[std::size_t(r)] = m_left[std::size_t(p)];
    m_right[std::size_t(r)] = m_right[std::size_t(p)];
    m_parent[std::size_t(m_left[std::size_t(p)])] = r;
    m_parent[std::size_t(m_right[std::size_t(p)])] = r;
    const int up = m_parent[std::size_t(p)];
    if (m_right[std::size_t(up)] == p)
        m_right[std::size_t(up)] = r;
    else
        m_left[std::size_t(up)] = r;
    m_parent[std::size_t(p)] = Nil;
}

void LzhMatchTree::remove(int p)
{
    if (m_parent[std::size_t(p)] == Nil)
        return;

    int q;
    if (m_right[std::size_t(p)] == Nil) {
        q = m_left[std::size_t(p)];
    } else if (m_left[std::size_t(p)] == Nil) {
        q = m_right[std::size_t(p)];
    } else {
        // Replace p by the greatest position of its left subtree.
        q = m_left[std::size_t(p)];
        if (m_right[std::size_t(q)] != Nil) {
            do {
                q = m_right[std::size_t(q)];
            } while (m_right[std::size_t(q)] != Nil);
            m_right[std::size_t(m_parent[std::size_t(q)])] = m_left[std::size_t(q)];
            m_parent[std::size_t(m_left[std::size_t(q)])] = m_parent[std::size_t(q)];
            m_left[std::size_t(q)] = m_left[std::size_t(p)];
            m_parent[std::size_t(m_left[std::size_t(p)])] = q;
        }
        m_right[std::size_t(q)] = m_right[std::size_t(p)];
        m_parent[std::size_t(m_right[std::size_t(p)])] = q;
    }
    m_parent[std::size_t(q)] = m_parent[std::size_t(p)];
    const int up = m_parent[std::size_t(p)];
    if (m_right[std::size_t(up)] == p)
        m_right[std::size_t(up)] = q;
    else
        m_left[std::size_t(up)] = q;
    m_parent[std::size_t(p)] = Nil;
}
