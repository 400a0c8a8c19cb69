#pragma once
// Sends the host's messages: to one slot, or one copy to every connected slot in
// ascending slot order, skipping slots whose connection is not in use.
#include "host/HostLink.h"
#include "host/PlayerTable.h"

class Outbox {
public:
    Outbox(const PlayerTable& players, const HostLink& link) : m_players(players), m_link(link) {}

    void to(int slot, const Message& message) const;
    void toAll(const Message& message) const;
    void toAllExcept(int slot, const Message& message) const;

    void event(const QString& line) const;

private:
    const PlayerTable& m_players;
    const HostLink& m_link;
};
