#pragma once
// The host's game: starting a game with the hosting player's options, one round after
// another, judging submitted words, scoring them from the seconds left on the clock,
// ending each round and finding the winner.
//
// Play is simultaneous: every playing seat searches the same board for the same word
// during one turn of `timeperturn` + 4 seconds on the host's clock; a word found scores
// the seconds left minus 4. A round ends when every connected, playing seat has found
// the word (CMD_roundover) or the clock runs out (CMD_outoftime); after a 7-second
// pause comes the next round or CMD_winner.
//
// The clock ticks come from outside (tick(), once a second while the clock runs), so
// whole games can be played in tests without waiting.
#include "host/BoardGenerator.h"
#include "host/HostLink.h"
#include "host/Outbox.h"
#include "host/PlayerTable.h"
#include "net/GameConstants.h"
#include "net/WordLanguages.h"

#include <QByteArray>
#include <QString>
#include <functional>

class RandomSource;

namespace proto {
struct StartGame;
struct MyWord;
} // namespace proto

class GameRounds {
public:
    // Draws a round's word in a language (a code of net/WordLanguages) for the game
    // type, with the filler letters of that language (a bare word fills with every
    // letter alike).
    using WordSource = std::function<RoundWord(const QString& language, bool scrambled, bool onlyLetters)>;

    enum ClockMode { Turn = 1, Pause = 2 };
    static constexpr int kPauseSeconds = 7;
    static constexpr int kGraceSeconds = 4; // clock seconds of a turn that score nothing
    static constexpr int kDefaultTimePerTurn = game::DefaultTimePerTurn;
    static constexpr int kDefaultPlayToScore = 250;

    GameRounds(PlayerTable& players, const Outbox& out, const HostLink& link, RandomSource& random,
               WordSource words);

    // CMD_startgame from slot `from`: the five option texts as received; the game's
    // words are in `language`, which every client is told (CMD_gamelanguage). Starts
    // afresh, also in the middle of a game.
    void startgame(const proto::StartGame& options, int from = game::LeaderSlot,
                   const QString& language = QString::fromLatin1(wordlanguages::DefaultCode));
    // CMD_myword from a seat.
    void myword(int seat, const proto::MyWord& word);
    // One second of the game clock (only while it runs).
    void tick();
    // Brings a player who logs in during a game up to date: CMD_loadboard,
    // CMD_theword, CMD_loadstats and CMD_gamelanguage. He may pick letters when the turn runs, he has a
    // seat and that seat has not found the word yet (a player back in his kept seat
    // may have).
    void sendCatchUp(int slot) const;

    bool gamerunning() const { return m_gamerunning; }
    int roundnumber() const { return m_roundnumber; }
    int countdown() const { return m_countdown; }
    ClockMode clockMode() const { return m_mode; }
    bool clockRunning() const { return m_clockRunning; }
    int timeperturn() const { return m_timeperturn; }
    int playtoscore() const { return m_playtoscore; }
    bool scrambled() const { return m_scrambled; }
    bool onlyletters() const { return m_onlyletters; }
    // The language of the game's words: the last game's between games.
    const QString& language() const { return m_language; }
    const BoardGenerator& board() const { return m_board; }

private:
    void startround();
    void findplayer();
    void checkforalldone();
    void outoftime();
    void endround();
    bool checkforwin();
    // CMD_outoftime or CMD_roundover to every connected slot.
    template <typename RoundEnd>
    void sendRoundEnd();
    void startClock(ClockMode mode, int seconds);
    void stopClock();
    QByteArray displayName(int seat) const;
    // The current round's board and word, as sent at its start and to a latecomer.
    Message loadboardMessage() const;
    Message thewordMessage() const;
    Message languageMessage() const;

    PlayerTable& m_players;
    const Outbox& m_out;
    const HostLink& m_link;
    BoardGenerator m_board;
    WordSource m_words;

    bool m_gamerunning = false;
    int m_timeperturn = 0;
    int m_playtoscore = 0;
    bool m_scrambled = false;
    bool m_onlyletters = false;
    QString m_language = QString::fromLatin1(wordlanguages::DefaultCode);
    int m_roundnumber = 0;
    int m_countdown = 0;
    ClockMode m_mode = Turn;
    bool m_clockRunning = false;
};
