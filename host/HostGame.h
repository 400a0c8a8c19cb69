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
// from the game's leader: on the hosting player's own host slot 1, his; on a
// dedicated host the seated player who has been connected longest, so the lead
// passes on when he leaves and a later arrival never takes it by landing in a low
// slot. Spectators never lead. CMD_leader tells every client who leads.
//
// A seated player whose connection closes during a game (not by removal) has his seat
// kept for him (90 seconds unless set otherwise; 0 keeps none): nobody else is given
// it, and the others are told it is away (CMD_seataway). A connection that logs in
// with his name from his address within that time is moved into the seat (the host
// sends it CMD_sendlogininfo with the seat, which every client answers with a login)
// and goes on with its score, found flag and round points. When the time is up the
// seat is free as any other (CMD_seatfree). A new player given a free seat starts from
// nothing, not from the score of the seat's last player.
//
// The game's words are English unless the host is started with another language
// (setLanguage) or the leader chooses one (CMD_wordlanguage, just before his
// CMD_startgame); a choice holds from the next game on until another is made, and
// every client is told the language of each game (CMD_gamelanguage). A code the host
// does not know, or a choice from anybody but the leader, is logged and ignored.
#include "net/GameConstants.h"
#include "host/GameRounds.h"
#include "host/HostLink.h"
#include "host/LoginDeadlines.h"
#include "host/Outbox.h"
#include "host/PlayerTable.h"
#include "host/SeatHolds.h"
#include "net/Commands.h"
#include "host/RefusalLog.h"
#include "net/Dispatcher.h"
#include "net/WordLanguages.h"

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
struct Rejoin;
template <const char*> struct LanguageNotice;
template <const char*> struct SlotText;
} // namespace proto

class HostGame {
public:
    // The version text that clients must report at login.
    static constexpr const char* kVersion = game::Version;

    HostGame(RandomSource& random, GameRounds::WordSource words, HostLink link);
    HostGame(const HostGame&) = delete;
    HostGame& operator=(const HostGame&) = delete;

    enum class LeadRule {
        HostingPlayer,    // slot 1, the hosting player's own, leads (his program's host)
        LongestConnected, // the seated player connected longest leads (a dedicated host)
    };

    // The slot that the next accepted connection, from `address`, goes into: the lowest
    // free slot that is not kept for somebody, 1 to 9; when every other one is taken, a
    // seat kept for a player from that address; otherwise PlayerTable::kFullSlot.
    int chooseSlot(const QString& address = {}) const;
    // A connection from `address` has been accepted into the slot that chooseSlot()
    // gave. It gets CMD_sendlogininfo; in the full slot it gets "CMD_full+" and is
    // closed at once.
    void connectionAccepted(int slot, const QString& address = {});
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

    // The language of the next game's words (a code of net/WordLanguages; English unless
    // set): the host's own start, then the leader's choice (CMD_wordlanguage), kept until
    // another is chosen. Throws std::invalid_argument for a code it does not know.
    void setLanguage(const QString& code);
    const QString& language() const { return m_language; }

    const PlayerTable& players() const { return m_players; }
    const GameRounds& rounds() const { return m_rounds; }

    // ---- seats kept for returning players, and the game's lead ----
    void setLeadRule(LeadRule rule);
    LeadRule leadRule() const { return m_leadRule; }
    // The slot that leads the game; 0 when nobody does.
    int leader() const { return m_leader; }
    // How long a seat is kept for its player (SeatHolds::kDefaultMs unless set; 0: none).
    void setSeatHoldMs(qint64 ms) { m_holds.setLengthMs(ms); }
    const SeatHolds& holds() const { return m_holds; }
    // The wake-up asked for through HostLink::wakeForHolds: frees, and announces, every
    // kept seat whose time is up.
    void holdDeadline();

private:
    void receivedlogininfo(const proto::LoginInfo& m);
    void kickhim(const proto::KickHim& m);
    void chat(const proto::SlotText<cmd::chat>& m);
    void action(const proto::SlotText<cmd::action>& m);
    void startgame(const proto::StartGame& m);
    void justwatch(const proto::JustWatch& m);
    void myword(const proto::MyWord& m);
    void playasound(const proto::PlayASound& m);
    void rejoin(const proto::Rejoin& m);
    void wordlanguage(const proto::LanguageNotice<cmd::wordlanguage>& m);
    // True when the slot number a message claims is the slot of the connection it came
    // on; otherwise false, and logged.
    bool isOwnSlot(int claimed, const char* command) const;
    // True for the game's leader; otherwise logs that the command needs him.
    bool fromLeader(const char* command) const;
    // Asks the link for a wake-up at the earliest login deadline, or for none.
    void wakeForLogins();
    // Asks `wake` for a wake-up at `next` (none: cancels), unless `asked` already says so.
    void askToWake(const std::function<void(qint64)>& wake, std::optional<qint64> next,
                   std::optional<qint64>& asked) const;

    // The kept seat a logging-in connection is the player of, moving it there when it
    // was given another slot; 0 when it is nobody's returning player.
    int returningSeat(int slot, const QByteArray& name);
    // Moves a connection that has not logged in into a kept seat and asks it to log in
    // there. False when the link cannot move connections.
    bool moveTo(int from, int to);
    // The seat of a player whose connection closed during a game is kept for him.
    void keepSeat(int seat);
    // A logged-in player has left the game for good: his connection closed and his seat
    // is not kept, or (`wasKept`) the seat kept for him was given up.
    void seatLeft(int slot, const QByteArray& name, bool wasKept);
    // Tells the link that the player of `slot` has left, if it was told of his login.
    void toldLeft(int slot, const QByteArray& name);
    int leaderNow() const;
    // Works out who leads; when that changed, tells every client. True when it changed.
    bool updateLeader();
    void wakeForHolds();
    qint64 now() const { return m_link.now ? m_link.now() : 0; }

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
    // A kept seat's player counts as in until the hold ends.
    std::array<bool, PlayerTable::kMaxSlots + 1> m_loggedIn{};

    QString m_language = QString::fromLatin1(wordlanguages::DefaultCode);
    LeadRule m_leadRule = LeadRule::LongestConnected;
    int m_leader = 0;
    quint64 m_arrivals = 0; // connections accepted so far: each one's order of arrival
    SeatHolds m_holds;
    std::optional<qint64> m_holdWakeAt; // the time the link was last asked to wake for
    // The seat each connection that has not logged in yet asked to have back.
    std::array<int, PlayerTable::kMaxSlots + 1> m_rejoin{};
};
