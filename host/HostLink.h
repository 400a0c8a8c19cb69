#pragma once
// Everything the host's game logic asks of the world around it. The logic never
// touches a socket or a timer itself: the network host wires these to real
// connections and a real 1-second timer, tests wire them to recorders.
#include "net/Message.h"

#include <QByteArray>
#include <QString>
#include <functional>

struct HostLink {
    // Sends one message to the connection of a slot (1 to 10).
    std::function<void(int slot, const Message& message)> send;
    // Asks for the connection of a slot to be closed. Its "closed" report comes back
    // through HostGame::connectionClosed().
    std::function<void(int slot)> closeConnection;
    // Starts the 1-second game clock afresh (true) or stops it (false). Every start
    // begins a full second before the first tick.
    std::function<void(bool running)> runClock;
    // One line about a game event (connection, login, game start, round end,
    // winner) for whoever keeps a log; may be left empty.
    std::function<void(const QString& line)> event;
    // One line about a slot's connection (accepted, logged in, closed, refused because
    // the game is full), which the network host limits per source address; left empty,
    // it goes to `event`.
    std::function<void(int slot, const QString& line)> connectionEvent;
    // The time in milliseconds on a steady clock. Left empty, no login deadline is
    // kept and refused messages are summarised only when a connection closes.
    std::function<qint64()> now;
    // Asks for HostGame::loginDeadline() to be called once, `ms` milliseconds from
    // now, replacing any earlier request; a negative `ms` cancels the request. It is
    // asked for only while some connection has not logged in yet.
    std::function<void(qint64 ms)> wakeForLogins;

    // What happened in the game, for whoever follows it (the fleet's SDK client, an
    // announcer); each may be left empty. Names and the winner are as the wire carries
    // them. A player is in once his login is taken (again at a second login from the
    // same connection) and out when the connection of that login closes.
    std::function<void(int slot, const QByteArray& name)> playerLoggedIn;
    std::function<void(int slot, const QByteArray& name)> playerLeft;
    // A game started (also afresh in the middle of one).
    std::function<void()> gameStarted;
    // A game ended: its winner's text as CMD_winner carries it, or empty when the game
    // stopped without one.
    std::function<void(const QByteArray& winner)> gameEnded;
    // ---- seats kept for returning players, and the game's lead ----
    // Asks for HostGame::holdDeadline() to be called once, `ms` milliseconds from now,
    // replacing any earlier request; a negative `ms` cancels it. Asked for only while
    // some seat is kept.
    std::function<void(qint64 ms)> wakeForHolds;
    // The connection of slot `from` now belongs to slot `to` (free until now): its
    // messages, received and to come, are from `to`, and what is sent to `to` reaches
    // it. Left empty, no connection is moved and a returning player keeps the slot
    // he was given.
    std::function<void(int from, int to)> moveConnection;
    // The slot that leads the game now; 0 when nobody does.
    std::function<void(int slot)> leaderChanged;
    // A seat is kept for its player, whose connection dropped, for `seconds`.
    std::function<void(int seat, const QByteArray& name, int seconds)> seatAway;
    // The player of a kept seat is back in it.
    std::function<void(int seat, const QByteArray& name)> seatBack;
    // A kept seat was given up: its player did not come back in time, or the leader
    // removed him. Only now has he left the game for good.
    std::function<void(int seat, const QByteArray& name)> holdEnded;
};
