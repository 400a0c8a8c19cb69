#pragma once
// The game host without its sockets: the player table, the login exchange, the relays
// of chat, actions and chatter sounds, watching and removal, and the game itself.
//
// Inputs: a connection was accepted into a slot, one received message text from the
// connection of a slot, a connection's close, and the ticks of the 1-second clock.
// Outputs go only through the HostLink: messages to slots, close requests, clock
// starts and stops, and event lines for a log.
//
// A connection that has not logged in within 30 seconds is closed: while any
// connection awaits its login the host asks its link to wake it at the earliest
// deadline (loginDeadline()); with every connection logged in it asks for nothing.
//
// A message is always taken to come from the slot of the connection it arrived on:
// one that writes another slot number where its sender's belongs is ignored. Starting
// a game, removing a player and switching another seat's watching are obeyed only
// from slot 1, the hosting player.
#include "net/GameConstants.h"
#include "host/GameRounds.h"
#include "host/HostLink.h"
#include "host/LoginDeadlines.h"
#include "host/Outbox.h"
#include "host/PlayerTable.h"
#include "net/Commands.h"
#include "host/RefusalLog.h"
#include "net/Dispatcher.h"

#include <array>
#include <optional>

#include <QByteArray>

class RandomSource;

namespace proto {
struct LoginInfo;
struct KickHim;
struct StartGame;
struct JustWatch;
struct MyWord;
struct PlayASound;
template <const char*> struct SlotText;
} // namespace proto

class HostGame {
public:
    // The version text that clients must report at login.
    static constexpr const char* kVersion = game::Version;

    HostGame(RandomSource& random, GameRounds::WordSource words, HostLink link);
    HostGame(const HostGame&) = delete;
    HostGame& operator=(const HostGame&) = delete;

    // The slot that the next accepted connection goes into: 1 to 9, or
    // PlayerTable::kFullSlot when all nine are taken.
    int chooseSlot() const { return m_players.chooseSlot(); }
    // A connection has been accepted into the slot that chooseSlot() gave. It gets
    // CMD_sendlogininfo; in the full slot it gets "CMD_full+" and is closed at once.
    void connectionAccepted(int slot);
    // The connection of a slot has closed ("Socket Closed").
    void connectionClosed(int slot);
    // One received message text (without its terminator) from the connection of a slot.
    // Returns what became of it.
    Dispatcher::Outcome handle(int slot, const QByteArray& text);
    // One tick of the 1-second game clock.
    void tick() { m_rounds.tick(); }
    // The wake-up asked for through HostLink::wakeForLogins: closes, and logs, every
    // connection whose login is overdue.
    void loginDeadline();
    // How long a connection may take to log in (LoginDeadlines::kTimeoutMs unless set).
    void setLoginTimeoutMs(qint64 ms);
    // True while the slot's connection has not logged in and is on the clock for it.
    bool awaitingLogin(int slot) const { return m_logins.awaiting(slot); }

    const PlayerTable& players() const { return m_players; }
    const GameRounds& rounds() const { return m_rounds; }

private:
    void receivedlogininfo(const proto::LoginInfo& m);
    void kickhim(const proto::KickHim& m);
    void chat(const proto::SlotText<cmd::chat>& m);
    void action(const proto::SlotText<cmd::action>& m);
    void startgame(const proto::StartGame& m);
    void justwatch(const proto::JustWatch& m);
    void myword(const proto::MyWord& m);
    void playasound(const proto::PlayASound& m);
    // True when the slot number a message claims is the slot of the connection it came
    // on; otherwise false, and logged.
    bool isOwnSlot(int claimed, const char* command) const;
    // True for slot 1; otherwise logs that the command needs the hosting player.
    bool fromHostPlayer(const char* command) const;
    // Asks the link for a wake-up at the earliest login deadline, or for none.
    void wakeForLogins();

    HostLink m_link;
    PlayerTable m_players;
    RefusalLog m_refusals;
    Outbox m_out;
    LoginDeadlines m_logins;
    std::optional<qint64> m_wakeAt; // the deadline the link was last asked to wake for
    GameRounds m_rounds;
    Dispatcher m_dispatcher;
    int m_sender = 0; // slot of the connection whose message is being handled
    // The slots whose login the link has been told of (HostLink::playerLoggedIn), so that
    // their close is told too, and only theirs.
    std::array<bool, PlayerTable::kMaxSlots + 1> m_loggedIn{};
};
