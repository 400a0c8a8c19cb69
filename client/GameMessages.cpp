#include "client/GameMessages.h"

#include <QCoreApplication>
#include "client/Preferences.h"
#include "client/RoundStatus.h"
#include "client/SeatRoster.h"
#include "client/TurnClock.h"
#include "client/TurnState.h"
#include "net/FieldChecks.h"
#include "net/WordLanguages.h"

#include <array>

using fieldchecks::text;

GameMessages::GameMessages(const ClientContext& context, const Preferences& prefs, SeatRoster& seats,
                           RoundStatus& status, TurnClock& clock, TurnState& turn, QObject* parent)
    : QObject(parent)
    , m_context(context)
    , m_prefs(prefs)
    , m_seats(seats)
    , m_status(status)
    , m_clock(clock)
    , m_turn(turn)
{
}

void GameMessages::clearall()
{
    m_status.newGame();
    m_turn.setJustWatching(false);
    m_seats.newGame();
}

void GameMessages::newplayerinfo(const proto::NewPlayerInfo& m)
{
    const QString name = text(m.name);
    const bool mine = m.slot == m_context.state.myslot;

    // A player back in the seat kept for him.
    const bool back = game::isSeat(m.slot) && m_seats.seat(m.slot).away && m_seats.seat(m.slot).awayName == name;
    if (mine) {
        m_context.systemLine(QCoreApplication::translate("GameMessages", "You are Connected."));
        m_turn.setSpectating(!game::isSeat(m.slot));
        emit ownArrival();
    } else {
        m_context.systemLine((back ? QCoreApplication::translate("GameMessages", "%1 is back.") : QCoreApplication::translate("GameMessages", "%1 is Connected.")).arg(name));
    }
    if (game::isSeat(m.slot)) {
        m_seats.setName(m.slot, name);
    } else {
        emit spectatorArrived(m.slot, name);
        m_context.systemLine(mine ? QCoreApplication::translate("GameMessages", "You are spying.") : QCoreApplication::translate("GameMessages", "%1 is spying.").arg(name));
    }
    m_context.sound(QStringLiteral("entered"));
}

void GameMessages::playerdisconnected(const proto::PlayerDisconnected& m)
{
    const QString name = text(m.name);
    if (game::isSeat(m.slot)) {
        emit seatLeaving(m.slot);
        // Seated players and spectators leave in the same words.
        if (!m_seats.leavesQuietly(m.slot))
            m_context.systemLine(QCoreApplication::translate("GameMessages", "%1 has left.").arg(m_seats.seat(m.slot).name));
        m_seats.vacate(m.slot);
    } else if (removeSpy && removeSpy(m.slot, name)) {
        m_context.systemLine(QCoreApplication::translate("GameMessages", "%1 has left.").arg(name));
    }
}

void GameMessages::startthegame(const proto::StartGame& m)
{
    const QString starter = text(m.starter);
    const bool straight = !m.scrambled();
    int seconds = 60;
    if (!FieldReader::toInt(m.secondsPerTurn, &seconds))
        seconds = 60;

    m_status.setGameRunning(true);
    m_lastOptions = m;
    clearall();
    m_turn.setGameRunning(true);
    // The clock waits for the new game's first turn.
    m_clock.waitForTurn();
    // The player's own start reads as his: "You have started ...".
    const ClientState& st = m_context.state;
    const bool mine = game::isSeat(st.myslot) && m_seats.seat(st.myslot).name == starter;
    const QString kind = straight ? QCoreApplication::translate("GameMessages", "STRAIGHT") : QCoreApplication::translate("GameMessages", "SCRAMBLED");
    m_context.systemLine(mine ? QCoreApplication::translate("GameMessages", "You have started a %1 game.").arg(kind)
                              : QCoreApplication::translate("GameMessages", "%1 has started a %2 game.").arg(starter, kind));
    m_status.setGameType(straight);
    m_status.setLanguage(QString::fromLatin1(wordlanguages::DefaultCode));
    m_turn.setStraight(straight);
    if (m.onlyLetters())
        m_context.systemLine(QCoreApplication::translate("GameMessages", "Using only letters that are found in the word."));
    m_clock.setTimePerTurn(seconds);
    m_status.setPlayTo(text(m.playTo));
    emit gameStarted(m_clock.timePerTurn());
}

void GameMessages::takeStats(const proto::LoadStats& m, bool rejoined)
{
    m_turn.resume(m.mayPlay);
    m_turn.setGameRunning(true);
    m_clock.setTimePerTurn(m.secondsPerTurn);
    m_status.setPlayTo(text(m.playTo));
    m_status.setGameType(!m.scrambled);
    m_status.setLanguage(QString::fromLatin1(wordlanguages::DefaultCode));
    m_turn.setStraight(!m.scrambled);
    // A game is running: a leader who arrives now starts the next one after it ends.
    m_status.setGameRunning(true);
    for (const proto::SeatStats& s : m.seats)
        m_seats.load(s.seat, s.score, s.points, s.found);
    // The seconds left are not used: the clock waits for the next turn.
    m_clock.waitForTurn();
    if (rejoined)
        emit gameRejoined(m.seats);
    else
        emit gameJoined(m_clock.timePerTurn(), m.seats);
}

void GameMessages::getnextplayer(const proto::NextPlayer& m)
{
    const bool mine = m.slot == m_context.state.myslot;
    // The status names another player's seat, so it must be one.
    const QString holder = mine ? QString() : m_seats.seat(m.slot).name;

    m_turn.startSearch(m.slot);
    if (mine && m_turn.justWatching()) {
        // The host gives a watching seat its turns too; he only watches them.
        m_status.setStatus(QCoreApplication::translate("GameMessages", qUtf8Printable(WatchingText)));
    } else if (mine) {
        m_status.setStatus(QCoreApplication::translate("GameMessages", "Your Turn."));
        m_context.sound(m_prefs.turnSoundNew() ? QStringLiteral("turnnew") : QStringLiteral("turn"));
    } else {
        m_status.setStatus(QCoreApplication::translate("GameMessages", "%1's turn.").arg(holder));
    }
    m_clock.restart();
}

void GameMessages::hefoundit(const proto::HeFoundIt& m)
{
    m_seats.found(m.seat, m.points, m.score);
    if (m.seat == m_context.state.myslot) {
        m_status.setStatus(QCoreApplication::translate("GameMessages", "You have found the word!"));
        m_context.sound(QStringLiteral("goodword"));
        m_turn.hideClear();
    } else {
        m_status.setStatus(QCoreApplication::translate("GameMessages", "%1 has found the word!").arg(m_seats.seat(m.seat).name));
        m_context.sound(QStringLiteral("goodwordthem"));
    }
    emit seatFound(m.seat, m.points, m.score);
}

void GameMessages::nomatch(const proto::NoMatch& m)
{
    if (m.slot != m_context.state.myslot)
        return;
    m_status.setStatus(QCoreApplication::translate("GameMessages", "You did not find the correct word."));
    m_context.sound(QStringLiteral("invalid"));
    m_turn.retry();
}

void GameMessages::endOfTurn(bool outOfTime, bool foundIt, const QList<proto::Cell>& cells,
                             const QString& statusText, const QString& soundName)
{
    if (!foundIt)
        emit wordRevealed(cells);
    m_clock.stop();
    m_turn.hideClear();
    m_status.setStatus(statusText);
    m_context.sound(soundName);
    emit roundEnded(outOfTime, foundIt ? QList<proto::Cell>() : cells);
}

void GameMessages::outoftime(const proto::OutOfTime& m)
{
    endOfTurn(true, m.foundIt, m.cells, QCoreApplication::translate("GameMessages", "Out of Time!"), QStringLiteral("timeup"));
}

void GameMessages::roundover(const proto::RoundOver& m)
{
    endOfTurn(false, m.foundIt, m.cells, QCoreApplication::translate("GameMessages", "Round is over, please wait.."),
              QStringLiteral("roundover"));
}

void GameMessages::justwatching(const proto::JustWatching& m)
{
    if (!game::isSeat(m.seat))
        return;
    const QString name = m_seats.seat(m.seat).name;
    if (m.seat == m_context.state.myslot)
        m_turn.setJustWatching(m.watching);
    m_context.systemLine((m.watching ? QCoreApplication::translate("GameMessages", "%1 is just watching.")
                                            : QCoreApplication::translate("GameMessages", "%1 is now playing again.")).arg(name));
    m_seats.setWatching(m.seat, m.watching);
}

void GameMessages::winner(const proto::Winner& m)
{
    const QString name = text(m.name);
    const ClientState& st = m_context.state;
    const bool seated = st.maySeat() && game::isSeat(st.myslot);
    const bool iWon = seated && m_seats.seat(st.myslot).name == name;

    m_clock.stop();
    m_turn.hideClear();
    m_turn.setGameRunning(false);
    m_context.sound(QStringLiteral("gameover"));
    const QString banner = iWon ? QCoreApplication::translate("GameMessages", "You have Won the Game!") : QCoreApplication::translate("GameMessages", "%1 has Won the Game!").arg(name);
    m_status.setStatus(QCoreApplication::translate("GameMessages", "Game Over!"));
    m_context.systemLine(banner);
    m_status.showWinner(banner);
    m_status.setGameRunning(false);
    m_status.setStartOffered(st.leads());
    m_status.setPlayAgainOffered(m_lastOptions.has_value());
    if (seated)
        emit gameRecorded(iWon ? QStringLiteral("addtomine") : name);
    emit gameWon(name);
}

void GameMessages::loadboardRound(const proto::LoadBoard& m)
{
    m_status.setRound(text(m.round));
    m_seats.newRound();
    emit boardLoaded(text(m.round));
}

void GameMessages::theword(const proto::TheWord& m)
{
    // The letters by their places in the strip, up to its first empty slot.
    std::array<int, game::MaxWordLength> letters{};
    for (const proto::WordLetter& l : m.letters) {
        if (l.position >= 1 && l.position <= game::MaxWordLength)
            letters[l.position - 1] = l.letter;
    }
    QString word;
    for (int letter : letters) {
        if (letter < 1 || letter > game::Letters)
            break;
        word += QChar(u'a' + letter - 1);
    }
    emit wordShown(word);
}

void GameMessages::seataway(const proto::SeatAway& m)
{
    const QString name = text(m.name);
    m_seats.setAway(m.seat, name, m.seconds);
    m_context.systemLine(QCoreApplication::translate("GameMessages", "%1's seat is kept for %2 seconds.").arg(name).arg(m.seconds));
}

void GameMessages::seatfree(const proto::SeatFree& m)
{
    const QString name = m_seats.clearAway(m.seat);
    if (!name.isEmpty())
        m_context.systemLine(QCoreApplication::translate("GameMessages", "%1 did not come back; the seat is free.").arg(name));
}

void GameMessages::gamelanguage(const proto::GameLanguage& m)
{
    // A code this client does not know (a newer host's) is shown as it came, cut short.
    m_status.setLanguage(text(m.code).left(8));
}

void GameMessages::seatstats(const proto::SeatScore& m)
{
    m_seats.load(m.stats.seat, m.stats.score, m.stats.points, m.stats.found);
}
