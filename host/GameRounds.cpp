#include "host/GameRounds.h"

#include "net/FieldReader.h"
#include "net/LogText.h"

#include <QDebug>

namespace {

// A round's word is drawn again when the board cannot take it; the word list only
// hands out words that fit, so this bound is never reached in play.
constexpr int kWordAttempts = 100;

// A submitted word holds at most one cell per letter of the longest word.
constexpr int kMaxCells = BoardGenerator::kMaxWordLength;

struct Cell {
    int x = 0;
    int y = 0;
};

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

void GameRounds::startgame(const QByteArray& starter, const QByteArray& playTo, const QByteArray& secondsPerTurn,
                           const QByteArray& scrambledFlag, const QByteArray& onlyLettersFlag)
{
    stopClock();
    m_gamerunning = true;

    int seconds = kDefaultTimePerTurn;
    if (FieldReader::toInt(secondsPerTurn, &seconds) && (seconds < 0 || seconds > kMaxTimePerTurn)) {
        // Only the hosting player (slot 1) starts games.
        m_out.refused(1, QStringLiteral("host: seconds per turn %1 out of range, using %2").arg(seconds).arg(kDefaultTimePerTurn));
        seconds = kDefaultTimePerTurn;
    }
    m_timeperturn = seconds;
    int target = kDefaultPlayToScore;
    FieldReader::toInt(playTo, &target);
    m_playtoscore = target;
    m_scrambled = scrambledFlag != "f";
    m_onlyletters = onlyLettersFlag == "t";

    m_out.toAll(Message("CMD_startgame")
                    .add(starter)
                    .add(playTo)
                    .add(secondsPerTurn)
                    .add(scrambledFlag)
                    .add(onlyLettersFlag)
                    .add(""));
    m_out.event(QStringLiteral("game started: play to %1, %2 seconds a turn, %3%4")
                    .arg(m_playtoscore)
                    .arg(m_timeperturn)
                    .arg(m_scrambled ? QStringLiteral("scrambled") : QStringLiteral("straight"))
                    .arg(m_onlyletters ? QStringLiteral(", only the word's letters") : QString()));

    for (int seat = 1; seat <= PlayerTable::kSeats; ++seat) {
        m_players[seat].score = 0;
        m_players[seat].watching = false;
    }
    m_roundnumber = 0;
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
        laid = m_words && m_board.createboard(m_words(m_scrambled, m_onlyletters), m_scrambled, m_onlyletters);
    if (!laid) {
        qWarning("host: no word to play; the game stops");
        stopClock();
        m_gamerunning = false;
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
        m_out.to(slot, Message("CMD_nextplayer").add(PlayerTable::isSeat(slot) ? slot : 1).add(""));
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

void GameRounds::myword(int seat, FieldReader& fields)
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

    // Read the whole cell list before judging; a cell off the board or more cells than
    // the longest word makes the message invalid and it is refused unread past there.
    Cell cells[kMaxCells];
    int count = 0;
    bool valid = true;
    fields.beginList();
    while (!fields.atListEnd()) {
        const int x = fields.nextInt();
        const int y = fields.nextInt();
        if (count == kMaxCells || !BoardGenerator::onBoard(x, y)) {
            valid = false;
            break;
        }
        cells[count++] = Cell{x, y};
    }
    if (!valid)
        m_out.refused(seat, QStringLiteral("host: word from seat %1 refused: a cell off the board or more than %2 cells")
                                .arg(seat)
                                .arg(kMaxCells));

    // Only letter codes are compared: any cells that spell the word's first letters in
    // order are accepted.
    bool accepted = valid;
    for (int k = 1; accepted && k <= count; ++k)
        accepted = m_board.cell(cells[k - 1].x, cells[k - 1].y) == m_board.lettercode(k);

    PlayerRec& p = m_players[seat];
    if (!accepted) {
        if (p.inuse)
            m_out.to(seat, Message("CMD_nomatch").add(seat).add(""));
        return;
    }
    p.roundpoints = m_countdown - kGraceSeconds;
    p.found = true;
    p.score += p.roundpoints;
    m_out.toAll(Message("CMD_hefoundit").add(seat).add(p.roundpoints).add(p.score).add(""));
    checkforalldone();
}

void GameRounds::checkforalldone()
{
    for (int seat = 1; seat <= PlayerTable::kSeats; ++seat) {
        const PlayerRec& p = m_players[seat];
        if (p.inuse && !p.watching && !p.found)
            return;
    }
    sendRoundEnd("CMD_roundover");
    m_out.event(QStringLiteral("round %1 over: every playing seat found the word").arg(m_roundnumber));
    startClock(Pause, kPauseSeconds);
}

void GameRounds::outoftime()
{
    sendRoundEnd("CMD_outoftime");
    m_out.event(QStringLiteral("round %1 over: time is up").arg(m_roundnumber));
    startClock(Pause, kPauseSeconds);
}

void GameRounds::sendRoundEnd(const QByteArray& command)
{
    // Those who found the word get "***"; everybody else sees where it was.
    const Message found = Message(command).add("***").add("");
    const Message cells = Message(command).raw(m_board.wordcells());
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
    m_out.toAll(Message("CMD_winner").add(text).add(""));
    m_out.event(QStringLiteral("winner: %1 with %2 points").arg(logtext::field(text, 2 * logtext::FieldChars)).arg(top));
    m_gamerunning = false;
    return true;
}

Message GameRounds::loadboardMessage() const
{
    return Message("CMD_loadboard").add(m_roundnumber).raw(m_board.boardText());
}

Message GameRounds::thewordMessage() const
{
    return Message("CMD_theword").raw(m_board.wordcodes());
}

void GameRounds::sendCatchUp(int slot) const
{
    m_out.to(slot, loadboardMessage());
    m_out.to(slot, thewordMessage());
    Message stats("CMD_loadstats");
    stats.flag(m_mode == Turn && PlayerTable::isSeat(slot))
        .add(m_playtoscore)
        .add(m_timeperturn)
        .add(m_countdown - kGraceSeconds)
        .flag(m_scrambled);
    for (int seat = 1; seat <= PlayerTable::kSeats; ++seat) {
        const PlayerRec& p = m_players[seat];
        stats.add(seat).add(p.score).add(p.roundpoints).flag(p.found);
    }
    m_out.to(slot, stats);
}
