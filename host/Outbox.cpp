#include "host/Outbox.h"

void Outbox::to(int slot, const Message& message) const
{
    if (m_link.send)
        m_link.send(slot, message);
}

void Outbox::toAll(const Message& message) const
{
    for (int slot : m_players.connectedSlots())
        to(slot, message);
}

void Outbox::toAllExcept(int except, const Message& message) const
{
    for (int slot : m_players.connectedSlots()) {
        if (slot != except)
            to(slot, message);
    }
}

void Outbox::event(const QString& line) const
{
    if (m_link.event)
        m_link.event(line);
}
