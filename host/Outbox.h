#pragma once
// Sends the host's messages: to one slot, or one copy to every connected slot in
// ascending slot order, skipping slots whose connection is not in use. Writes the
// host's log lines too: game events to the link, refused messages to the warning log.
#include "host/HostLink.h"
#include "host/PlayerTable.h"
#include "host/RefusalLog.h"

class Outbox {
public:
    Outbox(const PlayerTable& players, const HostLink& link, RefusalLog& refusals)
        : m_players(players), m_link(link), m_refusals(&refusals) {}

    void to(int slot, const Message& message) const;
    void toAll(const Message& message) const;
    void toAllExcept(int slot, const Message& message) const;

    void event(const QString& line) const;
    // A line about the connection of a slot.
    void connectionEvent(int slot, const QString& line) const;
    // A message from the slot's connection was refused; `line` says why. Repeats from
    // one connection are summarised (RefusalLog).
    void refused(int slot, const QString& line) const;
    // The slot's connection has closed: the count of its refusals not yet shown.
    void closeRefusals(int slot) const;
    qint64 now() const { return m_link.now ? m_link.now() : 0; }

private:
    const PlayerTable& m_players;
    const HostLink& m_link;
    RefusalLog* m_refusals;
};
