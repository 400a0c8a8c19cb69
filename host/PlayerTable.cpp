#include "host/PlayerTable.h"

#include <stdexcept>

PlayerTable::PlayerTable()
{
    // Slot 1 is always the hosting player, who has no fixed name.
    const char* names[] = {"Klot", "Klock", "Kling", "Klick", "Krazy"};
    for (int seat = 2; seat <= kSeats; ++seat)
        m_players[seat].defaultname = names[seat - 2];
}

PlayerRec& PlayerTable::operator[](int slot)
{
    if (slot < 1 || slot > kEntries)
        throw std::out_of_range("slot number outside the player table");
    return m_players[slot];
}

const PlayerRec& PlayerTable::operator[](int slot) const
{
    if (slot < 1 || slot > kEntries)
        throw std::out_of_range("slot number outside the player table");
    return m_players[slot];
}

int PlayerTable::chooseSlot(const std::function<bool(int slot)>& reserved) const
{
    for (int slot = 1; slot <= m_slotcount; ++slot) {
        if (!m_players[slot].inuse && !(reserved && reserved(slot)))
            return slot;
    }
    if (m_slotcount >= kMaxSlots)
        return kFullSlot;
    return m_slotcount + 1;
}

void PlayerTable::take(int slot)
{
    if (slot < 1 || slot > kMaxSlots)
        throw std::out_of_range("only slots 1 to 9 are handed out");
    m_players[slot].inuse = true;
    if (slot > m_slotcount)
        m_slotcount = slot;
}

void PlayerTable::release(int slot)
{
    PlayerRec& p = (*this)[slot];
    p.inuse = false;
    p.name.clear();
    p.watching = false;
    p.address.clear();
    p.loggedIn = false;
    p.since = 0;
    p.removed = false;
}

bool PlayerTable::isConnected(int slot) const
{
    return slot >= 1 && slot <= m_slotcount && m_players[slot].inuse;
}

QList<int> PlayerTable::connectedSlots() const
{
    QList<int> out;
    for (int slot = 1; slot <= m_slotcount; ++slot) {
        if (m_players[slot].inuse)
            out.append(slot);
    }
    return out;
}
