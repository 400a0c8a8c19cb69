#include "host/Outbox.h"

#include <QDebug>

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

void Outbox::connectionEvent(int slot, const QString& line) const
{
    if (m_link.connectionEvent)
        m_link.connectionEvent(slot, line);
    else
        event(line);
}

void Outbox::refused(int slot, const QString& line) const
{
    for (const QString& l : m_refusals->refused(slot, line, now()))
        qWarning().noquote() << l;
}

void Outbox::closeRefusals(int slot) const
{
    for (const QString& l : m_refusals->closed(slot))
        qWarning().noquote() << l;
}
