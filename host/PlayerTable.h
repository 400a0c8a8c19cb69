#pragma once
// The host's table of connections: one record per slot, slots 1 to 11.
//
// Slots 1 to 9 are handed out to connections (1 to 6 are the playing seats, 7 to 9
// spectators); entry 10 holds a refused tenth connection only while it is refused;
// entry 11 is never used. Scores, found flags and round points belong to the seat:
// disconnecting leaves them alone, so a seat keeps its totals after its player leaves,
// until the host gives the seat to somebody new (HostGame then starts him from nothing).
#include "net/GameConstants.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>
#include <functional>

struct PlayerRec {
    QByteArray name;        // from the login; empty before it and after the close
    bool inuse = false;     // the slot's connection is open
    int score = 0;          // total in the current game
    bool watching = false;  // the seat only watches this game
    QByteArray defaultname; // the seat's fixed name, used when a winner has no name
    bool found = false;     // the seat has found this round's word
    int roundpoints = 0;    // points scored in this round

    // The connection itself, while it is open.
    QString address;        // where it came from
    bool loggedIn = false;  // it has sent its login
    quint64 since = 0;      // order of arrival: lower came earlier
    bool removed = false;   // it is being closed by the game's leader
};

class PlayerTable {
public:
    static constexpr int kEntries = 11;
    static constexpr int kMaxSlots = game::MaxSlots; // slots handed out to connections
    static constexpr int kFullSlot = kMaxSlots + 1;  // where a refused connection sits briefly
    static constexpr int kSeats = game::Seats;       // playing seats: slots 1 to 6

    PlayerTable();

    // Entry 1 to 11; throws std::out_of_range for any other number.
    PlayerRec& operator[](int slot);
    const PlayerRec& operator[](int slot) const;

    int slotcount() const { return m_slotcount; }

    // The slot a new connection gets: the lowest free slot up to slotcount, else the
    // next new one; kFullSlot when all nine are in use. A slot for which `reserved`
    // says true is not free.
    int chooseSlot(const std::function<bool(int slot)>& reserved = {}) const;
    // Marks a slot chosen by chooseSlot() as connected (not for kFullSlot).
    void take(int slot);
    // The slot's connection has closed: name, watching and what is known of the
    // connection go, the scores stay.
    void release(int slot);

    bool isConnected(int slot) const;
    // Every connected slot from 1 to slotcount, ascending.
    QList<int> connectedSlots() const;

    static bool isSeat(int slot) { return game::isSeat(slot); }

private:
    std::array<PlayerRec, kEntries + 1> m_players{}; // index 0 unused
    int m_slotcount = 0;
};
