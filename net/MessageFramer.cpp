#include "net/MessageFramer.h"

#include "net/Message.h"

QList<QByteArray> MessageFramer::feed(const QByteArray& bytes)
{
    QList<QByteArray> out;
    qsizetype pos = 0;
    while (pos < bytes.size()) {
        const qsizetype end = bytes.indexOf(Message::Terminator, pos);
        if (end < 0) {
            const qsizetype rest = bytes.size() - pos;
            if (m_skipping) {
                m_discarded += rest;
            } else if (m_tail.size() + rest > MaxTail) {
                m_discarded += m_tail.size() + rest;
                m_tail.clear();
                m_skipping = true;
            } else {
                m_tail.append(bytes.constData() + pos, rest);
            }
            break;
        }
        if (m_skipping) {
            m_discarded += end - pos + 1;
            m_skipping = false;
        } else if (m_tail.size() + (end - pos) > MaxTail) {
            m_discarded += m_tail.size() + (end - pos) + 1;
            m_tail.clear();
        } else {
            m_tail.append(bytes.constData() + pos, end - pos);
            out.append(m_tail);
            m_tail.clear();
        }
        pos = end + 1;
    }
    return out;
}

void MessageFramer::clear()
{
    m_tail.clear();
    m_skipping = false;
}
