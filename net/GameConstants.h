#pragma once
// The few fixed values that the host, the client, the windows and the command line
// must agree on; each of them refers here instead of writing the value again.
#include <QtGlobal>

namespace game {

// The version text that both ends compare at login and that the about window shows.
inline constexpr char Version[] = "1.0.4";
// The TCP port of the game host unless the command line names another.
inline constexpr quint16 DefaultPort = 7772;
// The game key: the name of the process-wide marker and the prefix of the tally file.
inline constexpr char Key[] = "agame";

// The board: cell (x, y) has x the column 1..10 from the left, y the row 1..9 from the top.
inline constexpr int Columns = 10;
inline constexpr int Rows = 9;
// A round's word has at most this many letters, so a word text or a cell list has at
// most this many entries.
inline constexpr int MaxWordLength = 10;
// Letter codes: 1 for "a" to 26 for "z".
inline constexpr int Letters = 26;

// Slots 1 to 9 are handed out to connections: 1 to 6 are the playing seats, 7 to 9
// spectators. The game's leader alone may start games and remove players: on the
// hosting player's own host always slot 1, his own.
inline constexpr int Seats = 6;
inline constexpr int MaxSlots = 9;
inline constexpr int LeaderSlot = 1;

// Seconds per turn: the host plays a time from 0 to a day, and 60 seconds for any
// other number it is given; a client brings the number the host passes on into the
// same range before it counts with it.
inline constexpr int DefaultTimePerTurn = 60;
inline constexpr int MaxTimePerTurn = 24 * 60 * 60;
constexpr int playableTimePerTurn(int seconds)
{
    return seconds < 0 || seconds > MaxTimePerTurn ? DefaultTimePerTurn : seconds;
}

// A seat whose player's connection drops during a game is kept for him this many
// seconds unless the host is told otherwise (0: not kept), at most a day.
inline constexpr int DefaultHoldSeconds = 90;
inline constexpr int MaxHoldSeconds = 24 * 60 * 60;

// Both ends have the system probe a game connection after 10 seconds without traffic,
// every 5 seconds, and give it up after 3 unanswered probes: a connection that
// vanished without a word is noticed within about 25 seconds, at the cost of a few
// empty packets on an idle connection and nothing on a busy one.
inline constexpr int KeepAliveIdleSeconds = 10;
inline constexpr int KeepAliveIntervalSeconds = 5;
inline constexpr int KeepAliveProbes = 3;

constexpr bool isSeat(int slot) { return slot >= 1 && slot <= Seats; }
constexpr bool isSlot(int slot) { return slot >= 1 && slot <= MaxSlots; }
constexpr bool onBoard(int x, int y) { return x >= 1 && x <= Columns && y >= 1 && y <= Rows; }

} // namespace game
