#pragma once
// What a game tells the local network about itself in its DNS-SD TXT record, and what
// a browser reads back from another game's record:
//
//     v=1.0.4  players=3  seats=6  spectators=1  state=waiting|playing  lead=Ann
//
// "lead" is left out while the game has no leader. Records from the network are
// untrusted: keys are found in any letter case, the first of two equal keys counts (as
// DNS-SD asks), a number that is not 0 to 999 reads as unknown, and texts are cut short
// and cleared of control characters.
#include <QByteArray>
#include <QList>
#include <QString>

// The DNS-SD service type of a game host.
inline constexpr char GameServiceType[] = "_quillor._tcp";

struct GameRecord {
    enum class State { Unknown, Waiting, Playing };

    QString version;     // v
    int players = 0;     // seated players connected; -1 unknown
    int seats = 0;       // -1 unknown
    int spectators = 0;  // -1 unknown
    State state = State::Waiting;
    QString leader;      // lead; empty: none

    // A waiting game of this program's version with its six empty seats.
    static GameRecord ours();

    QList<QByteArray> toTxt() const;
    static GameRecord fromTxt(const QList<QByteArray>& strings);

    // "3 of 6"; "?" stands for an unknown number.
    QString playersText() const;
    // "waiting", "playing", or empty when unknown.
    QString stateText() const;
    // True unless the version is exactly this program's.
    bool versionDiffers() const;

    bool operator==(const GameRecord&) const = default;
};

namespace discovery {

// DNS-SD instance names are at most 63 bytes of UTF-8.
inline constexpr int MaxNameBytes = 63;

// `text` cut to at most `maxBytes` bytes of UTF-8, at a character boundary.
QString fitUtf8(const QString& text, int maxBytes);
// "<player>'s game", the player's name shortened so the whole fits an instance name.
QString gameNameFor(const QString& playerName);
// Text from the network made fit to show: control characters become "?", and it is cut
// to `maxChars` characters.
QString shownText(const QString& text, int maxChars);

} // namespace discovery
