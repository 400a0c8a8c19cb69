#pragma once
// The layout of every message of the game, written once for both ends. Each message is
// a struct of its fields with `message()`, which writes it, and `read()`, which takes it
// from the text after its command word; the host and the client build and handle
// nothing else. Messages that travel both ways with one layout (CMD_startgame,
// CMD_playasound) have one struct; CMD_chat and CMD_action have one layout from a client
// and another from the host.
//
// Text fields hold the wire's Windows-1252 bytes (wire::toWire and wire::fromWire
// convert). A reader throws FieldError for a field that should be a number and is not,
// and std::out_of_range for a number outside its range or a list cut short. Handlers
// act only on what was read, so a message that fails to read changes nothing.
//
// Readers check what the receiving end accepts: a slot 1..9, a seat 1..6, a cell on the
// board, a tile 0..52 (a letter, or a letter marked), a word position 1..10. The
// host's readers check only that numbers are numbers: it decides itself what a slot
// number written by a client may do.
#include "net/Commands.h"
#include "net/FieldReader.h"
#include "net/GameConstants.h"
#include "net/Message.h"

#include <QByteArray>
#include <QList>
#include <QVarLengthArray>

namespace proto {

// The highest tile number a board cell may carry: a letter marked (letter + 26).
inline constexpr int LastMarkedTile = 2 * game::Letters;

struct Cell {
    int x = 0;
    int y = 0;
    bool operator==(const Cell&) const = default;
};

// The cells a player picked, in pick order: never more than a word has letters.
using PickedCells = QVarLengthArray<Cell, game::MaxWordLength>;

struct BoardCell {
    int x = 0;
    int y = 0;
    int tile = 0; // the letter code; 0 leaves the cell empty
    bool operator==(const BoardCell&) const = default;
};

struct WordLetter {
    int position = 0; // 1..10
    int letter = 0;   // letter code, 0 for none
    bool operator==(const WordLetter&) const = default;
};

struct SeatStats {
    int seat = 0;
    int score = 0;
    int points = 0; // scored in the current round, shown as the seat's bonus
    bool found = false;
    bool operator==(const SeatStats&) const = default;
};

// The compound fields as they follow the command word: every number preceded by "+".
// board text: (x, y, letter) for every cell; word text: (position, letter) per letter;
// cell list: (x, y) per cell.
QByteArray boardText(const QList<BoardCell>& cells);
QByteArray wordText(const QList<WordLetter>& letters);
QByteArray cellList(const QList<Cell>& cells);

namespace detail {
// A slot and a text to the end (CMD_chat, CMD_action, and the slot-and-name notices).
Message slotText(const char* command, int slot, const QByteArray& text);
Message textOnly(const char* command, const QByteArray& text);
Message roundEnd(const char* command, bool foundIt, const QList<Cell>& cells);
Message slotNotice(const char* command, int slot);
// One text field and an empty one after it.
Message textField(const char* command, const QByteArray& text);
// A slot number 1..9.
int readSlot(FieldReader& f);
void readSlotName(FieldReader& f, int* slot, QByteArray* name);
void readRoundEnd(FieldReader& f, bool* foundIt, QList<Cell>* cells);
} // namespace detail

// ---- from a client to the host ----

// CMD_logininfo: the slot the host gave, the version text, then the name (rest).
struct LoginInfo {
    static constexpr const char* command = cmd::logininfo;
    int slot = 0;
    QByteArray version;
    QByteArray name;

    Message message() const;
    static LoginInfo read(FieldReader& f);
};

// CMD_chat and CMD_action from a client: the sender's slot, then (rest) the line, "|"
// and the colour text.
template <const char* Command>
struct SlotText {
    static constexpr const char* command = Command;
    int slot = 0;
    QByteArray text;

    Message message() const { return detail::slotText(Command, slot, text); }
    static SlotText read(FieldReader& f)
    {
        SlotText m;
        m.slot = f.nextInt();
        m.text = f.rest();
        return m;
    }
};
using Chat = SlotText<cmd::chat>;
using Action = SlotText<cmd::action>;

// CMD_myword: the sender's slot, then the cell list of the picked cells in pick order.
// Reading stops at a cell off the board or at an eleventh cell and marks the word
// invalid, without reading on.
struct MyWord {
    static constexpr const char* command = cmd::myword;
    int slot = 0;
    PickedCells cells;
    bool valid = true;

    Message message() const;
    static MyWord read(FieldReader& f);
};

// CMD_startgame, both ways: the starting player's name, play-to score, seconds per
// turn, scrambled flag, only-letters flag, then an empty field. The host echoes the
// five texts exactly as it received them.
struct StartGame {
    static constexpr const char* command = cmd::startgame;
    QByteArray starter;
    QByteArray playTo;
    QByteArray secondsPerTurn;
    QByteArray scrambledFlag;
    QByteArray onlyLettersFlag;

    // Scrambled words unless the flag is exactly "f".
    bool scrambled() const { return scrambledFlag != "f"; }
    // Filler letters only from the word when the flag is exactly "t".
    bool onlyLetters() const { return onlyLettersFlag == "t"; }

    Message message() const;
    static StartGame read(FieldReader& f);
};

// CMD_justwatch: a seat, then "1" to start watching or "2" to play again.
struct JustWatch {
    static constexpr const char* command = cmd::justwatch;
    enum class Mode { Watch, Play, Other };
    int seat = 0;
    Mode mode = Mode::Other;

    Message message() const;
    static JustWatch read(FieldReader& f);
};

// CMD_kickhim: the sender's slot, the slot to remove, an empty field.
struct KickHim {
    static constexpr const char* command = cmd::kickhim;
    int slot = 0;
    int target = 0;

    Message message() const;
    static KickHim read(FieldReader& f);
};

// CMD_playasound, both ways: the sender's slot, the sound name ("wave1".."wave14"),
// an empty field.
struct PlayASound {
    static constexpr const char* command = cmd::playasound;
    int slot = 0;
    QByteArray name;

    Message message() const;
    static PlayASound read(FieldReader& f);
};

// ---- from the host to its clients ----

// CMD_full: only an empty field, "CMD_full+".
struct Full {
    static constexpr const char* command = cmd::full;
    Message message() const;
    static Full read(FieldReader&) { return {}; }
};

// CMD_sendlogininfo: the slot given to the connection.
struct SendLoginInfo {
    static constexpr const char* command = cmd::sendlogininfo;
    int slot = 0;

    Message message() const;
    static SendLoginInfo read(FieldReader& f);
};

// CMD_newplayerinfo, CMD_existingplayers, CMD_playerdisconnected: a slot, then the
// player's name (rest).
template <const char* Command>
struct SlotName {
    static constexpr const char* command = Command;
    int slot = 0;
    QByteArray name;

    Message message() const { return detail::slotText(Command, slot, name); }
    static SlotName read(FieldReader& f)
    {
        SlotName m;
        detail::readSlotName(f, &m.slot, &m.name);
        return m;
    }
};
using NewPlayerInfo = SlotName<cmd::newplayerinfo>;
using ExistingPlayers = SlotName<cmd::existingplayers>;
using PlayerDisconnected = SlotName<cmd::playerdisconnected>;

// CMD_havewrongversion: the newcomer's name (rest).
struct HaveWrongVersion {
    static constexpr const char* command = cmd::havewrongversion;
    QByteArray name;

    Message message() const { return detail::textOnly(command, name); }
    static HaveWrongVersion read(FieldReader& f) { return {f.rest()}; }
};

// CMD_wrongversion: only an empty field.
struct WrongVersion {
    static constexpr const char* command = cmd::wrongversion;
    Message message() const;
    static WrongVersion read(FieldReader&) { return {}; }
};

// CMD_loadboard: the round number (shown as received), then the board text.
struct LoadBoard {
    static constexpr const char* command = cmd::loadboard;
    QByteArray round;
    QList<BoardCell> cells;

    Message message() const;
    static LoadBoard read(FieldReader& f);
};

// CMD_theword: the word text.
struct TheWord {
    static constexpr const char* command = cmd::theword;
    QList<WordLetter> letters;

    Message message() const;
    static TheWord read(FieldReader& f);
};

// CMD_loadstats, for a player who arrives during a game: may-play flag, play-to score
// (shown as received), seconds per turn, seconds left in the turn, scrambled flag, then
// the stats of seats 1 to 6.
struct LoadStats {
    static constexpr const char* command = cmd::loadstats;
    bool mayPlay = false;
    QByteArray playTo;
    int secondsPerTurn = 0;
    int secondsLeft = 0;
    bool scrambled = true; // a flag other than "f" reads as scrambled
    QList<SeatStats> seats;

    Message message() const;
    static LoadStats read(FieldReader& f);
};

// CMD_nextplayer (the receiving seat's own slot, 1 for a spectator) and CMD_nomatch (the
// seat whose word was refused): a slot, then an empty field.
template <const char* Command>
struct SlotNotice {
    static constexpr const char* command = Command;
    int slot = 0;

    Message message() const { return detail::slotNotice(Command, slot); }
    static SlotNotice read(FieldReader& f) { return {detail::readSlot(f)}; }
};
using NextPlayer = SlotNotice<cmd::nextplayer>;
using NoMatch = SlotNotice<cmd::nomatch>;

// CMD_hefoundit: the seat, its round points, its new total, an empty field.
struct HeFoundIt {
    static constexpr const char* command = cmd::hefoundit;
    int seat = 0;
    int points = 0;
    int score = 0;

    Message message() const;
    static HeFoundIt read(FieldReader& f);
};

// CMD_outoftime and CMD_roundover: "***" and an empty field to a seat that found the
// word, otherwise the cell list of the word's letters.
template <const char* Command>
struct RoundEnd {
    static constexpr const char* command = Command;
    bool foundIt = false;
    QList<Cell> cells;

    Message message() const { return detail::roundEnd(Command, foundIt, cells); }
    static RoundEnd read(FieldReader& f)
    {
        RoundEnd m;
        detail::readRoundEnd(f, &m.foundIt, &m.cells);
        return m;
    }
};
using OutOfTime = RoundEnd<cmd::outoftime>;
using RoundOver = RoundEnd<cmd::roundover>;

// CMD_winner: the winner's name (several joined by " and "), an empty field. A reader
// cuts the name at its first "+".
struct Winner {
    static constexpr const char* command = cmd::winner;
    QByteArray name;

    Message message() const;
    static Winner read(FieldReader& f);
};

// CMD_justwatching: the seat, then "1" now watching or "2" playing again.
struct JustWatching {
    static constexpr const char* command = cmd::justwatching;
    int seat = 0;
    bool watching = false;

    Message message() const;
    static JustWatching read(FieldReader& f);
};

// CMD_chat and CMD_action relayed by the host: one field (rest), the sender's name and
// what he sent.
template <const char* Command>
struct Relay {
    static constexpr const char* command = Command;
    QByteArray text;

    Message message() const { return detail::textOnly(Command, text); }
    static Relay read(FieldReader& f) { return {f.rest()}; }
};
using ChatRelay = Relay<cmd::chat>;
using ActionRelay = Relay<cmd::action>;

// The relays' texts: "<name> chats: <line>" and "<name> <action>", the line or action
// exactly as the client sent it (with its "|" and colour).
ChatRelay chatRelay(const QByteArray& name, const QByteArray& said);
ActionRelay actionRelay(const QByteArray& name, const QByteArray& said);

// ---- seats kept for returning players, and the game's lead ----
// Older peers drop these command words, so the host sends them to every client alike
// and a client that never receives them goes on as before.

// CMD_leader, host to clients: the slot that leads the game now (starts games, removes
// players, sets other seats watching), 0 when nobody does, then an empty field. Sent to
// every client when the lead moves and to each client when it logs in.
struct Leader {
    static constexpr const char* command = cmd::leader;
    int slot = 0;

    Message message() const;
    static Leader read(FieldReader& f);
};

// CMD_seataway, host to clients: a seat whose player's connection dropped during a game
// is kept for him; the seat, the seconds it is still kept, then his name (rest). Sent
// to the others right after CMD_playerdisconnected, and to a client that logs in while
// the seat is kept.
struct SeatAway {
    static constexpr const char* command = cmd::seataway;
    int seat = 0;
    int seconds = 0;
    QByteArray name;

    Message message() const;
    static SeatAway read(FieldReader& f);
};

// CMD_seatfree, host to clients: the seat was kept and its player did not come back in
// time; it is free now. The seat, then an empty field. (A player who comes back is
// announced with CMD_newplayerinfo as at any login.)
struct SeatFree {
    static constexpr const char* command = cmd::seatfree;
    int seat = 0;

    Message message() const;
    static SeatFree read(FieldReader& f);
};

// CMD_seatstats, host to clients: one seat's stats as the host now has them (seat,
// total, round points, found flag), then an empty field. Sent when a new player is
// given a seat whose previous holder had scored: he starts from nothing.
struct SeatScore {
    static constexpr const char* command = cmd::seatstats;
    SeatStats stats;

    Message message() const;
    static SeatScore read(FieldReader& f);
};

// CMD_closing, host to a client: only an empty field, "CMD_closing+". The host is about
// to close this connection on purpose (the player was removed, the host ends); a
// connection that ends without it was lost, and the client may come back.
struct Closing {
    static constexpr const char* command = cmd::closing;
    Message message() const;
    static Closing read(FieldReader&) { return {}; }
};

// CMD_rejoin, client to host: sent just before CMD_logininfo by a client whose
// connection was lost, naming the seat it held, then an empty field. The host gives
// the seat back when it is kept for the same name from the same address, or when its
// old connection, from that name and address, has not been noticed gone yet.
struct Rejoin {
    static constexpr const char* command = cmd::rejoin;
    int seat = 0;

    Message message() const;
    static Rejoin read(FieldReader& f);
};

// ---- the language of the game's words ----
// A two-letter code (net/WordLanguages), as written; the receiving end decides whether
// it knows it. Older peers drop these command words.

// CMD_wordlanguage, the leader's client to the host, sent just before CMD_startgame:
// the language the next game's words are to be in, then an empty field:
// "CMD_wordlanguage+de+". The host plays it from the next game on, until another is
// chosen.
// CMD_gamelanguage, host to clients: the language of the game's words, then an empty
// field: "CMD_gamelanguage+de+". Sent to every client right after the CMD_startgame
// echo, and to a player who logs in during a game after his CMD_loadstats. A client
// that starts or joins a game without being told plays English, as older hosts do.
template <const char* Command>
struct LanguageNotice {
    static constexpr const char* command = Command;
    QByteArray code;

    Message message() const { return detail::textField(Command, code); }
    static LanguageNotice read(FieldReader& f) { return {f.lastField()}; }
};
using ChooseLanguage = LanguageNotice<cmd::wordlanguage>;
using GameLanguage = LanguageNotice<cmd::gamelanguage>;

} // namespace proto

