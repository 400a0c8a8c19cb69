#include "client/RoundReview.h"

#include "client/GameMessages.h"
#include "client/SeatRoster.h"
#include "client/WordEntry.h"

#include <algorithm>

const RoundFind* RoundRecord::findOf(int seat) const
{
    for (const RoundFind& f : finds) {
        if (f.seat == seat)
            return &f;
    }
    return nullptr;
}

RoundReview::RoundReview(const ClientContext& context, const SeatRoster& seats, const WordMeanings& meanings,
                         QObject* parent)
    : QObject(parent)
    , m_context(context)
    , m_seats(seats)
    , m_meanings(meanings)
{
}

void RoundReview::follow(const GameMessages& game, const WordEntry& words)
{
    connect(&game, &GameMessages::gameStarted, this, &RoundReview::startGame);
    connect(&game, &GameMessages::gameJoined, this, &RoundReview::joinGame);
    connect(&game, &GameMessages::gameRejoined, this, &RoundReview::rejoinGame);
    connect(&game, &GameMessages::boardLoaded, this, &RoundReview::loadBoard);
    connect(&game, &GameMessages::wordShown, this, &RoundReview::showWord);
    connect(&game, &GameMessages::seatFound, this, &RoundReview::seatFound);
    connect(&game, &GameMessages::seatLeaving, this, &RoundReview::seatLeaving);
    connect(&game, &GameMessages::roundEnded, this, &RoundReview::endRound);
    connect(&game, &GameMessages::gameWon, this, &RoundReview::endGame);
    connect(&words, &WordEntry::wordSent, this, [this, &words] {
        QList<QPoint> cells;
        for (int i = 1; i <= words.pathlength(); ++i)
            cells.append(words.pickpath(i));
        ownWordSent(cells);
    });
}

bool RoundReview::playing(int seat) const
{
    return !m_seats.isEmpty(seat) && !m_seats.seat(seat).eyesShown;
}

void RoundReview::setPinned(bool pinned)
{
    if (!m_shown || pinned == m_pinned)
        return;
    if (!pinned && !m_reviewIsCurrent) {
        dismiss();
        return;
    }
    m_pinned = pinned;
    emit changed();
}

void RoundReview::dismiss()
{
    if (!m_shown)
        return;
    m_shown = false;
    m_pinned = false;
    m_reviewIsCurrent = false;
    m_review = RoundRecord();
    emit changed();
}

void RoundReview::closeRound()
{
    if (!m_currentOpen)
        return;
    m_currentOpen = false;
    emit roundClosed(m_current);
}

void RoundReview::startGame(int timePerTurn)
{
    closeRound();
    m_timePerTurn = timePerTurn;
    emit gameOpened(Totals{}, false);
}

void RoundReview::joinGame(int timePerTurn, const QList<proto::SeatStats>& seats)
{
    // The board and the word of the running round came just before.
    m_timePerTurn = timePerTurn;
    m_current.timePerTurn = timePerTurn;
    Totals carriedIn{};
    for (const proto::SeatStats& s : seats) {
        if (game::isSeat(s.seat))
            carriedIn[s.seat - 1] = clampedInt(qint64(s.score) - s.points);
    }
    addUnseenFinds(seats);
    emit gameOpened(carriedIn, true);
    emit changed();
}

void RoundReview::rejoinGame(const QList<proto::SeatStats>& seats)
{
    addUnseenFinds(seats);
    emit changed();
}

void RoundReview::addUnseenFinds(const QList<proto::SeatStats>& seats)
{
    QList<proto::SeatStats> found;
    for (const proto::SeatStats& s : seats) {
        if (game::isSeat(s.seat) && s.found && !m_current.findOf(s.seat))
            found.append(s);
    }
    // Earlier finds scored more; of equal points the order is unknown.
    std::stable_sort(found.begin(), found.end(),
                     [](const proto::SeatStats& a, const proto::SeatStats& b) { return a.points > b.points; });
    for (const proto::SeatStats& s : std::as_const(found))
        addFind(s.seat, s.points, false);
    placeFinds();
}

void RoundReview::loadBoard(const QString& round)
{
    if (m_currentOpen && round == m_current.round)
        return;
    closeRound();
    if (m_shown && m_reviewIsCurrent) {
        if (m_pinned) {
            // Kept beside the new board, without its path.
            m_review = m_current;
            m_reviewIsCurrent = false;
        } else {
            m_shown = false;
            m_reviewIsCurrent = false;
        }
    }
    m_current = RoundRecord();
    m_current.round = round;
    m_current.timePerTurn = m_timePerTurn;
    m_currentOpen = true;
    m_sent.clear();
    emit changed();
}

void RoundReview::showWord(const QString& word)
{
    m_current.word = word;
}

void RoundReview::addFind(int seat, int points, bool seen)
{
    if (m_current.findOf(seat))
        return;
    RoundFind f;
    f.seat = seat;
    f.name = m_seats.seat(seat).name;
    f.points = points;
    f.seconds = secondsFor(m_current.timePerTurn, points);
    f.seen = seen;
    m_current.finds.append(f);
}

void RoundReview::placeFinds()
{
    for (qsizetype i = 0; i < m_current.finds.size(); ++i) {
        RoundFind& f = m_current.finds[i];
        const RoundFind* before = i > 0 ? &m_current.finds[i - 1] : nullptr;
        // Finds made before this client arrived, worth the same, came in the same second
        // in an order nobody told him.
        if (before && !before->seen && !f.seen && before->points == f.points)
            f.place = before->place;
        else
            f.place = int(i) + 1;
    }
}

void RoundReview::seatFound(int seat, int points, int /*score*/)
{
    if (!m_currentOpen || !game::isSeat(seat))
        return;
    addFind(seat, points, true);
    placeFinds();
    if (seat == m_context.state.myslot && m_current.path.isEmpty())
        m_current.path = m_sent;
    // A find judged after the round's end still counts on the scoreboard; a player who
    // came back into his kept seat and found it did not leave.
    const auto ofSeat = [seat](const SeatName& s) { return s.seat == seat; };
    m_current.missed.removeIf(ofSeat);
    m_current.left.removeIf(ofSeat);
    if (m_current.ended)
        emit changed();
}

void RoundReview::seatLeaving(int seat)
{
    if (!m_currentOpen || m_current.ended || !game::isSeat(seat) || m_current.findOf(seat) || !playing(seat))
        return;
    m_current.left.append({seat, m_seats.seat(seat).name});
}

void RoundReview::ownWordSent(const QList<QPoint>& cells)
{
    m_sent = cells;
}

void RoundReview::endRound(bool outOfTime, const QList<proto::Cell>& cells)
{
    if (!m_currentOpen || m_current.ended)
        return;
    RoundRecord& r = m_current;
    r.ended = true;
    r.outOfTime = outOfTime;
    // This player's own cells when he found the word, else where the host laid it.
    if (!cells.isEmpty()) {
        r.path.clear();
        for (const proto::Cell& c : cells)
            r.path.append(QPoint(c.x, c.y));
    }
    for (int seat = 1; seat <= game::Seats; ++seat) {
        if (playing(seat) && !r.findOf(seat))
            r.missed.append({seat, m_seats.seat(seat).name});
    }
    // A player back in the seat kept for him is playing again: he missed it, or found it.
    r.left.removeIf([this](const SeatName& s) { return playing(s.seat) && m_seats.seat(s.seat).name == s.name; });
    if (!r.word.isEmpty())
        r.meanings = m_meanings.lookUp(r.word, Glosses);
    m_review = RoundRecord();
    m_reviewIsCurrent = true;
    m_shown = true;
    m_pinned = false;
    emit changed();
}

void RoundReview::endGame(const QString& winner)
{
    closeRound();
    // The winner's card takes the last round's place, as the next board would, and the
    // final scores beside it come back into view; a pinned review stays.
    if (m_shown && !m_pinned)
        dismiss();
    emit gameClosed(winner);
}
