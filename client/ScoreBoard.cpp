#include "client/ScoreBoard.h"

#include "client/HostFields.h"

#include <QList>

using namespace hostfields;

const QString ScoreBoard::Waiting = QStringLiteral("<Waiting>");

namespace {

// Names that leave a seat without an announcement.
const char* const kQuietNames[ScoreBoard::Seats] = {"", "Klot", "Klick", "Kling", "Klick", "Krazy"};

} // namespace

ScoreBoard::ScoreBoard(ClientContext& ctx, QObject* parent)
    : QObject(parent)
    , m_ctx(ctx)
    , m_status(QStringLiteral("Welcome to Quillor "))
    , m_round(QStringLiteral("ROUND: 0"))
    , m_gameType(QStringLiteral("Game Type: Scrambled"))
    , m_timePerTurnText(QStringLiteral("Time Per Turn: 45 secs"))
    , m_playTo(QStringLiteral("Play To Score: 250"))
    , m_timerText(QStringLiteral("Time: 0:00"))
    , m_winner1(QStringLiteral("You Have Won The Game!"))
{
    for (int i = 0; i < Seats; ++i) {
        m_seats[i].tag = i + 1;
        m_seats[i].name = Waiting;
        m_seats[i].quietName = QString::fromLatin1(kQuietNames[i]);
    }
    m_barStep = barStepFor(m_timePerTurn);
    m_turntime.setInterval(1000);
    connect(&m_turntime, &QTimer::timeout, this, &ScoreBoard::tick);
}

int ScoreBoard::checkedSeat(int n)
{
    return checkRange(n, 1, Seats, "seat");
}

int ScoreBoard::barStepFor(int timePerTurn)
{
    if (timePerTurn > BarFullWidth - 1)
        return 1;
    if (timePerTurn < 1)
        return BarFullWidth; // a turn without time: the bar empties at once
    return BarFullWidth / timePerTurn;
}

QString ScoreBoard::clockText(int seconds)
{
    return QStringLiteral("Time: %1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

void ScoreBoard::setStartOffered(bool on)
{
    m_startShown = on;
    m_startMenuEnabled = on;
    emit changed();
}

void ScoreBoard::hideClear()
{
    m_clearShown = false;
    emit changed();
}

void ScoreBoard::setTimePerTurn(int seconds, const QString& shown)
{
    m_timePerTurn = seconds;
    m_timePerTurnText = QStringLiteral("Time Per Turn: ") + shown + QStringLiteral("secs");
    m_barStep = barStepFor(seconds);
}

void ScoreBoard::clearall()
{
    m_round = QStringLiteral("ROUND: 0");
    m_ctx.state.justWatching = false;
    m_winnerShown = false;
    for (Seat& s : m_seats) {
        s.score = QStringLiteral("0");
        s.bonus.clear();
        s.foundShown = false;
        s.eyesShown = false;
    }
    emit changed();
}

void ScoreBoard::newplayerinfo(FieldReader& f)
{
    const int slot = inRange(f, 1, MaxSlot, "slot");
    const QString name = text(f.rest());
    const bool mine = slot == m_ctx.state.myslot;

    if (mine) {
        m_ctx.systemLine(QStringLiteral("You are Connected."));
        if (hooks.readSettings)
            hooks.readSettings();
    } else {
        m_ctx.systemLine(name + QStringLiteral(" is Connected."));
    }
    if (isSeat(slot)) {
        seatRef(slot).name = name;
    } else {
        if (hooks.addSpy)
            hooks.addSpy(slot, name);
        m_ctx.systemLine(mine ? QStringLiteral("You are spying.") : name + QStringLiteral(" is spying."));
    }
    m_ctx.sound(QStringLiteral("entered"));
    emit changed();
}

void ScoreBoard::playerdisconnected(FieldReader& f)
{
    const int slot = inRange(f, 1, MaxSlot, "slot");
    const QString name = text(f.rest());
    if (isSeat(slot)) {
        Seat& s = seatRef(slot);
        const bool quiet = s.name == Waiting || (!s.quietName.isEmpty() && s.name == s.quietName);
        if (!quiet)
            m_ctx.systemLine(s.name + QStringLiteral(" disconnected."));
        s.name = Waiting;
        s.eyesShown = false;
    } else if (hooks.removeSpy && hooks.removeSpy(slot, name)) {
        m_ctx.systemLine(name + QStringLiteral(" has left."));
    }
    emit changed();
}

void ScoreBoard::startthegame(FieldReader& f)
{
    const QString starter = text(f.next());
    const QString playTo = text(f.next());
    const QByteArray timeField = f.next();
    const bool straight = f.next() == "f";
    const bool onlyLetters = f.next() == "t";
    int seconds = 60;
    if (!FieldReader::toInt(timeField, &seconds))
        seconds = 60;

    m_startShown = false;
    clearall();
    if (straight) {
        m_ctx.systemLine(starter + QStringLiteral(" has started a STRAIGHT game."));
        m_gameType = QStringLiteral("Game Type: STRAIGHT");
        m_ctx.state.gametype = 0;
    } else {
        m_ctx.systemLine(starter + QStringLiteral(" has started a SCRAMBLED game."));
        m_gameType = QStringLiteral("Game Type: SCRAMBLED");
        m_ctx.state.gametype = 1;
    }
    if (onlyLetters)
        m_ctx.systemLine(QStringLiteral("Using only letters that are found in the word."));
    setTimePerTurn(seconds, text(timeField));
    m_playTo = QStringLiteral("Play To Score: ") + playTo;
    emit changed();
}

void ScoreBoard::loadstats(FieldReader& f)
{
    struct Row {
        int seat;
        int score;
        int bonus;
        bool found;
    };
    const bool myTurn = f.next() == "t";
    const QString playTo = text(f.next());
    const int seconds = f.nextInt();
    f.nextInt(); // seconds left in the turn: the clock waits for the next turn instead
    const bool straight = f.next() == "f";
    QList<Row> rows;
    f.beginList();
    while (!f.atListEnd()) {
        Row r;
        r.seat = checkedSeat(listInt(f));
        r.score = listInt(f);
        r.bonus = listInt(f);
        r.found = listField(f) == "t";
        rows.append(r);
    }

    m_ctx.state.activeplayer = myTurn ? m_ctx.state.myslot : 0;
    setTimePerTurn(seconds, QString::number(seconds));
    m_playTo = QStringLiteral("Play To Score: ") + playTo;
    m_gameType = straight ? QStringLiteral("Game Type: STRAIGHT") : QStringLiteral("Game Type: SCRAMBLED");
    m_ctx.state.gametype = straight ? 0 : 1;
    for (const Row& r : rows) {
        Seat& s = seatRef(r.seat);
        s.score = QString::number(r.score);
        s.bonus = QString::number(r.bonus);
        s.foundShown = r.found;
    }
    emit changed();
}

void ScoreBoard::getnextplayer(FieldReader& f)
{
    const int slot = inRange(f, 1, MaxSlot, "slot");
    const bool mine = slot == m_ctx.state.myslot;
    if (!mine)
        checkedSeat(slot); // the status names the seat's player

    m_turntime.stop();
    m_ctx.state.activeplayer = slot;
    m_clearShown = false;
    if (hooks.clearPickPath)
        hooks.clearPickPath();
    if (mine) {
        m_status = QStringLiteral("Your Turn.");
        m_ctx.sound(m_turnSoundNew ? QStringLiteral("turnnew") : QStringLiteral("turn"));
        if (hooks.resetPickCounters)
            hooks.resetPickCounters();
        m_clearShown = true;
    } else {
        m_status = seatRef(slot).name + QStringLiteral("'s turn.");
    }
    m_turnSecondsLeft = m_timePerTurn;
    m_turntime.start();
    emit changed();
}

void ScoreBoard::tick()
{
    --m_turnSecondsLeft;
    if (m_turnSecondsLeft < 1) {
        m_turnSecondsLeft = 0;
        m_timerText = clockText(0);
        m_barWidth = 0;
        m_ctx.state.activeplayer = 0;
        emit changed();
        return;
    }
    m_barWidth = qMin(BarFullWidth, m_barStep * m_turnSecondsLeft);
    m_timerRed = m_turnSecondsLeft < 20;
    if (m_turnSecondsLeft == 20 || m_turnSecondsLeft == 15 || m_turnSecondsLeft <= 10)
        m_ctx.sound(QStringLiteral("tick"));
    m_timerText = clockText(m_turnSecondsLeft);
    emit changed();
}

void ScoreBoard::hefoundit(FieldReader& f)
{
    const int slot = inRange(f, 1, Seats, "seat");
    const int bonus = f.nextInt();
    const int score = f.nextInt();

    Seat& s = seatRef(slot);
    s.bonus = QStringLiteral("+") + QString::number(bonus);
    s.score = QString::number(score);
    s.foundShown = true;
    if (slot == m_ctx.state.myslot) {
        m_status = QStringLiteral("You have found the word!");
        m_ctx.sound(QStringLiteral("goodword"));
        m_clearShown = false;
    } else {
        m_status = s.name + QStringLiteral(" has found the word!");
        m_ctx.sound(QStringLiteral("goodwordthem"));
    }
    emit changed();
}

void ScoreBoard::nomatch(FieldReader& f)
{
    const int slot = inRange(f, 1, MaxSlot, "slot");
    if (slot != m_ctx.state.myslot)
        return;
    m_status = QStringLiteral("You did not find the correct word.");
    m_ctx.sound(QStringLiteral("invalid"));
    if (isSeat(slot)) { // a spectator is told, but may not pick
        m_clearShown = true;
        m_ctx.state.activeplayer = m_ctx.state.myslot;
    }
    emit changed();
}

void ScoreBoard::endOfTurn(FieldReader& f, const QString& statusText, const QString& soundName)
{
    if (hooks.reveal)
        hooks.reveal(f); // checks the whole cell list before marking any cell
    m_turntime.stop();
    m_clearShown = false;
    m_status = statusText;
    m_ctx.sound(soundName);
    emit changed();
}

void ScoreBoard::outoftime(FieldReader& f)
{
    endOfTurn(f, QStringLiteral("Out of Time!"), QStringLiteral("timeup"));
}

void ScoreBoard::roundover(FieldReader& f)
{
    endOfTurn(f, QStringLiteral("Round is over, please wait.."), QStringLiteral("roundover"));
}

void ScoreBoard::justwatching(FieldReader& f)
{
    const int slot = inRange(f, 1, MaxSlot, "slot");
    const bool watching = f.lastField() == "1";
    if (!isSeat(slot))
        return;
    Seat& s = seatRef(slot);
    const bool mine = slot == m_ctx.state.myslot;
    if (watching) {
        if (mine)
            m_ctx.state.justWatching = true;
        m_ctx.systemLine(s.name + QStringLiteral(" is just watching"));
    } else {
        if (mine)
            m_ctx.state.justWatching = false;
        m_ctx.systemLine(s.name + QStringLiteral(" is now playing again"));
    }
    s.eyesShown = watching;
    emit changed();
}

void ScoreBoard::winner(FieldReader& f)
{
    const QString name = text(f.next());
    const bool seated = m_ctx.state.maySeat() && isSeat(m_ctx.state.myslot);
    const bool iWon = seated && seatRef(m_ctx.state.myslot).name == name;

    m_clearShown = false;
    m_ctx.sound(QStringLiteral("gameover"));
    m_winner1 = iWon ? QStringLiteral("You have Won the Game!") : name + QStringLiteral(" has Won the Game!");
    m_status = QStringLiteral("Game Over!");
    m_ctx.systemLine(m_winner1);
    m_winnerShown = true;
    if (m_ctx.state.ishost)
        m_startShown = true;
    emit changed();
    if (seated && hooks.recordGame)
        hooks.recordGame(iWon ? QStringLiteral("addtomine") : name);
}

void ScoreBoard::loadboardRound(FieldReader& f)
{
    const QString round = text(f.next());
    m_round = QStringLiteral("ROUND: ") + round;
    for (Seat& s : m_seats) {
        s.foundShown = false;
        s.bonus.clear();
    }
    emit changed();
}

// ---- commands ----

void ScoreBoard::button_startClick()
{
    if (!m_ctx.state.connected) {
        m_ctx.notice(QStringLiteral("You are not connected"));
        return;
    }
    if (hooks.showGameStart)
        hooks.showGameStart();
}

void ScoreBoard::justWatchClick()
{
    const ClientState& st = m_ctx.state;
    if (!st.connected || !isSeat(st.myslot))
        return;
    m_ctx.send(Message("CMD_justwatch").add(st.myslot).add(st.justWatching ? 2 : 1));
}

ScoreBoard::SeatMenu ScoreBoard::seatPopup(int seatNumber)
{
    const Seat& s = seat(seatNumber);
    SeatMenu m;
    m.removeEnabled = m.setWatchEnabled = m.unsetWatchEnabled = m_ctx.state.ishost;
    if (s.name == Waiting)
        m.removeEnabled = false;
    m_popupSeat = seatNumber;
    return m;
}

void ScoreBoard::setToJustWatch()
{
    if (m_ctx.state.connected && isSeat(m_popupSeat))
        m_ctx.send(Message("CMD_justwatch").add(m_popupSeat).add(1));
}

void ScoreBoard::unsetJustWatch()
{
    if (m_ctx.state.connected && isSeat(m_popupSeat))
        m_ctx.send(Message("CMD_justwatch").add(m_popupSeat).add(2));
}

void ScoreBoard::removeFromGame()
{
    if (isSeat(m_popupSeat))
        kicking(m_popupSeat);
}

void ScoreBoard::kicking(int slot)
{
    if (m_ctx.state.ishost && m_ctx.state.connected)
        m_ctx.send(Message("CMD_kickhim").add(m_ctx.state.myslot).add(slot).add(""));
}

QStringList ScoreBoard::tallyCandidates() const
{
    QStringList names;
    for (const Seat& s : m_seats) {
        if (s.tag == m_ctx.state.myslot || s.name == Waiting)
            continue;
        names.append(s.name);
    }
    return names;
}
