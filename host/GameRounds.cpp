#include "host/GameRounds.h"

#include "net/FieldReader.h"
#include "net/Protocol.h"
#include "net/Wire.h"
#include "net/LogText.h"

#include <QDebug>

namespace {

// A round's word is drawn again when the board cannot take it; the word list only
// hands out words that fit, so this bound is never reached in play.
constexpr int kWordAttempts = 100;

} // namespace

GameRounds::GameRounds(PlayerTable& players, const Outbox& out, const HostLink& link, RandomSource& random,
                       WordSource words)
    : m_players(players)
    , m_out(out)
    , m_link(link)
    , m_board(random)
    , m_words(std::move(words))
{
}

// Starting replaces whatever the clock was doing, so no stop is needed first.
void GameRounds::startClock(ClockMode mode, int seconds)
{
    m_mode = mode;
    m_countdown = seconds;
    m_clockRunning = true;
    if (m_link.runClock)
        m_link.runClock(true);
}

void GameRounds::stopClock()
{
    m_clockRunning = false;
    if (m_link.runClock)
        m_link.runClock(false);
}

void GameRounds::startgame(const proto::StartGame& options, int from, const QString& language)
{
    stopClock();
    m_gamerunning = true;

    int seconds = kDefaultTimePerTurn;
    if (FieldReader::toInt(options.secondsPerTurn, &seconds) && game::playableTimePerTurn(seconds) != seconds) {
        m_out.refused(from,
                      QStringLiteral("host: seconds per turn %1 out of range, using %2").arg(seconds).arg(kDefaultTimePerTurn));
    }
    // The same rule the clients apply to the number they are sent.
    m_timeperturn = game::playableTimePerTurn(seconds);
    int target = kDefaultPlayToScore;
    FieldReader::toInt(options.playTo, &target);
    m_playtoscore = target;
    m_scrambled = options.scrambled();
    m_onlyletters = options.onlyLetters();
    m_language = language;

    // Every client sees the options exactly as they were sent, and then the language.
    m_out.toAll(options.message());
    m_out.toAll(languageMessage());
    m_out.event(QStringLiteral("game started: play to %1, %2 seconds a turn, %3%4, words in %5")
                    .arg(m_playtoscore)
                    .arg(m_timeperturn)
                    .arg(m_scrambled ? QStringLiteral("scrambled") : QStringLiteral("straight"))
                    .arg(m_onlyletters ? QStringLiteral(", only the word's letters") : QString())
                    .arg(m_language));

    for (int seat = 1; seat <= PlayerTable::kSeats; ++seat) {
        m_players[seat].score = 0;
        m_players[seat].watching = false;
    }
    m_roundnumber = 0;
    if (m_link.gameStarted)
        m_link.gameStarted();
    startround();
}

void GameRounds::startround()
{
    ++m_roundnumber;
    for (int seat = 1; seat <= PlayerTable::kSeats; ++seat) {
        m_players[seat].found = false;
        m_players[seat].roundpoints = 0;
    }

    bool laid = false;
    for (int attempt = 0; attempt < kWordAttempts && !laid; ++attempt)
        laid = m_words
            && m_board.createboard(m_words(m_language, m_scrambled, m_onlyletters), m_scrambled, m_onlyletters);
    if (!laid) {
        qWarning("host: no word to play; the game stops");
        stopClock();
        m_gamerunning = false;
        if (m_link.gameEnded)
            m_link.gameEnded(QByteArray());
        return;
    }

    const Message loadboard = loadboardMessage();
    const Message theword = thewordMessage();
    for (int slot : m_players.connectedSlots()) {
        m_out.to(slot, loadboard);
        m_out.to(slot, theword);
    }
    findplayer();
    startClock(Turn, m_timeperturn + kGraceSeconds);
}

void GameRounds::findplayer()
{
    for (int slot : m_players.connectedSlots())
        m_out.to(slot, proto::NextPlayer{PlayerTable::isSeat(slot) ? slot : 1}.message());
}

void GameRounds::tick()
{
    if (!m_clockRunning)
        return;
    --m_countdown;
    if (m_countdown >= 1)
        return;
    stopClock();
    if (m_mode == Turn)
        outoftime();
    else
        endround();
}

void GameRounds::myword(int seat, const proto::MyWord& word)
{
    if (!PlayerTable::isSeat(seat) || m_players[seat].found) {
        m_out.refused(seat, QStringLiteral("host: word from slot %1 ignored (not a seat, or already found)").arg(seat));
        return;
    }
    if (!m_gamerunning) {
        // Between games there is no word to find and no round to end.
        m_out.refused(seat, QStringLiteral("host: word from seat %1 ignored: no game is running").arg(seat));
        return;
    }

    // A cell off the board or more cells than the longest word make the message invalid;
    // its reader stopped there.
    if (!word.valid)
        m_out.refused(seat, QStringLiteral("host: word from seat %1 refused: a cell off the board or more than %2 cells")
                                .arg(seat)
                                .arg(game::MaxWordLength));

    // Only letter codes are compared: any cells that spell the whole word, one cell per
    // letter in order, are accepted. Fewer cells are no find: one right first cell would
    // otherwise score the whole word.
    bool accepted = word.valid && word.cells.size() == m_board.word().size();
    for (int k = 1; accepted && k <= word.cells.size(); ++k)
        accepted = m_board.cell(word.cells[k - 1].x, word.cells[k - 1].y) == m_board.lettercode(k);

    PlayerRec& p = m_players[seat];
    if (!accepted) {
        if (p.inuse)
            m_out.to(seat, proto::NoMatch{seat}.message());
        return;
    }
    p.roundpoints = m_countdown - kGraceSeconds;
    p.found = true;
    p.score += p.roundpoints;
    m_out.toAll(proto::HeFoundIt{seat, p.roundpoints, p.score}.message());
    checkforalldone();
}

void GameRounds::checkforalldone()
{
    for (int seat = 1; seat <= PlayerTable::kSeats; ++seat) {
        const PlayerRec& p = m_players[seat];
        if (p.inuse && !p.watching && !p.found)
            return;
    }
    sendRoundEnd<proto::RoundOver>();
    m_out.event(QStringLiteral("round %1 over: every playing seat found the word").arg(m_roundnumber));
    startClock(Pause, kPauseSeconds);
}

void GameRounds::outoftime()
{
    sendRoundEnd<proto::OutOfTime>();
    m_out.event(QStringLiteral("round %1 over: time is up").arg(m_roundnumber));
    startClock(Pause, kPauseSeconds);
}

template <typename RoundEnd>
void GameRounds::sendRoundEnd()
{
    // Those who found the word get "***"; everybody else sees where it was.
    const Message found = RoundEnd{true, {}}.message();
    const Message cells = RoundEnd{false, m_board.wordCells()}.message();
    for (int slot : m_players.connectedSlots())
        m_out.to(slot, m_players[slot].found ? found : cells);
}

void GameRounds::endround()
{
    if (!checkforwin())
        startround();
}

QByteArray GameRounds::displayName(int seat) const
{
    const PlayerRec& p = m_players[seat];
    return p.name.isEmpty() ? p.defaultname : p.name;
}

bool GameRounds::checkforwin()
{
    bool targetReached = false;
    int leader = 0;
    for (int seat = 1; seat <= PlayerTable::kSeats; ++seat) {
        const PlayerRec& p = m_players[seat];
        if (!p.inuse)
            continue;
        if (p.score > m_playtoscore)
            targetReached = true;
        // The leader is the first connected seat with the highest total.
        if (leader == 0 || p.score > m_players[leader].score)
            leader = seat;
    }
    if (!targetReached)
        return false;

    // A tie at the top between connected seats is never shared: play on.
    const int top = m_players[leader].score;
    for (int seat = 1; seat <= PlayerTable::kSeats; ++seat) {
        if (seat != leader && m_players[seat].inuse && m_players[seat].score == top)
            return false;
    }

    // Only seats that have left can still be level with the leader; they are named too.
    QByteArray text = displayName(leader);
    for (int seat = 1; seat <= PlayerTable::kSeats; ++seat) {
        if (seat != leader && m_players[seat].score == top)
            text += " and " + displayName(seat);
    }
    m_out.toAll(proto::Winner{text}.message());
    m_out.event(QStringLiteral("winner: %1 with %2 points").arg(logtext::field(text, 2 * logtext::FieldChars)).arg(top));
    m_gamerunning = false;
    if (m_link.gameEnded)
        m_link.gameEnded(text);
    return true;
}

Message GameRounds::loadboardMessage() const
{
    return proto::LoadBoard{QByteArray::number(m_roundnumber), m_board.boardCells()}.message();
}

Message GameRounds::thewordMessage() const
{
    return proto::TheWord{m_board.word()}.message();
}

Message GameRounds::languageMessage() const
{
    return proto::GameLanguage{m_language.toLatin1()}.message();
}

void GameRounds::sendCatchUp(int slot) const
{
    m_out.to(slot, loadboardMessage());
    m_out.to(slot, thewordMessage());
    proto::LoadStats stats;
    stats.mayPlay = m_mode == Turn && PlayerTable::isSeat(slot) && !m_players[slot].found;
    stats.playTo = QByteArray::number(m_playtoscore);
    stats.secondsPerTurn = m_timeperturn;
    stats.secondsLeft = m_countdown - kGraceSeconds;
    stats.scrambled = m_scrambled;
    for (int seat = 1; seat <= PlayerTable::kSeats; ++seat) {
        const PlayerRec& p = m_players[seat];
        stats.seats.append(proto::SeatStats{seat, p.score, p.roundpoints, p.found});
    }
    m_out.to(slot, stats.message());
    m_out.to(slot, languageMessage());
}
