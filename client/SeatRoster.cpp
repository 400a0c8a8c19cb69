#include "client/SeatRoster.h"

#include "net/FieldChecks.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <memory>

const QString SeatRoster::Waiting = QStringLiteral(QT_TRANSLATE_NOOP("SeatRoster", "<Waiting>"));

QString SeatRoster::waitingText()
{
    return QCoreApplication::translate("SeatRoster", qUtf8Printable(Waiting));
}

namespace {

// Names that leave a seat without an announcement.
const char* const kQuietNames[SeatRoster::Seats] = {"", "Klot", "Klick", "Kling", "Klick", "Krazy"};

} // namespace

SeatRoster::SeatRoster(QObject* parent)
    : QObject(parent)
    , clock([timer = std::make_shared<QElapsedTimer>()] {
        if (!timer->isValid())
            timer->start();
        return timer->elapsed();
    })
{
    for (int i = 0; i < Seats; ++i) {
        m_seats[i].tag = i + 1;
        m_seats[i].name = Waiting;
        m_seats[i].quietName = QString::fromLatin1(kQuietNames[i]);
    }
}

const SeatRoster::Seat& SeatRoster::seat(int n) const
{
    return m_seats.at(fieldchecks::checkRange(n, 1, Seats, "seat") - 1);
}

SeatRoster::Seat& SeatRoster::at(int n)
{
    return m_seats.at(fieldchecks::checkRange(n, 1, Seats, "seat") - 1);
}

void SeatRoster::setName(int n, const QString& name)
{
    Seat& s = at(n);
    s.name = name;
    s.away = false;
    s.awayName.clear();
    emit changed();
}

void SeatRoster::vacate(int n)
{
    Seat& s = at(n);
    s.name = Waiting;
    s.eyesShown = false;
    emit changed();
}

bool SeatRoster::leavesQuietly(int n) const
{
    const Seat& s = seat(n);
    return s.name == Waiting || (!s.quietName.isEmpty() && s.name == s.quietName);
}

void SeatRoster::found(int n, int points, int score)
{
    Seat& s = at(n);
    s.bonus = QStringLiteral("+") + QString::number(points);
    s.score = QString::number(score);
    s.foundShown = true;
    emit changed();
}

void SeatRoster::load(int n, int score, int points, bool foundIt)
{
    Seat& s = at(n);
    s.score = QString::number(score);
    s.bonus = QString::number(points);
    s.foundShown = foundIt;
    emit changed();
}

void SeatRoster::setWatching(int n, bool watching)
{
    at(n).eyesShown = watching;
    emit changed();
}

void SeatRoster::newRound()
{
    for (Seat& s : m_seats) {
        s.foundShown = false;
        s.bonus.clear();
    }
    emit changed();
}

void SeatRoster::newGame()
{
    for (Seat& s : m_seats) {
        s.score = QStringLiteral("0");
        s.bonus.clear();
        s.foundShown = false;
        s.eyesShown = false;
    }
    emit changed();
}

void SeatRoster::vacateAll()
{
    for (Seat& s : m_seats) {
        s.name = Waiting;
        s.eyesShown = false;
        s.away = false;
        s.awayName.clear();
    }
    emit changed();
}

void SeatRoster::setLeader(int n)
{
    for (Seat& s : m_seats)
        s.leads = s.tag == n;
    emit changed();
}

void SeatRoster::setAway(int n, const QString& name, int seconds)
{
    Seat& s = at(n);
    s.away = true;
    s.awayName = name;
    s.awayUntilMs = clock() + qint64(seconds) * 1000;
    emit changed();
}

QString SeatRoster::clearAway(int n)
{
    Seat& s = at(n);
    const QString name = s.away ? s.awayName : QString();
    s.away = false;
    s.awayName.clear();
    emit changed();
    return name;
}

int SeatRoster::awaySecondsLeft(int n) const
{
    const Seat& s = seat(n);
    const qint64 left = s.away ? s.awayUntilMs - clock() : 0;
    return left > 0 ? int((left + 999) / 1000) : 0;
}

bool SeatRoster::anyAway() const
{
    for (const Seat& s : m_seats) {
        if (s.away)
            return true;
    }
    return false;
}

QStringList SeatRoster::tallyCandidates(int ownSlot) const
{
    QStringList names;
    for (const Seat& s : m_seats) {
        if (s.tag == ownSlot || s.name == Waiting)
            continue;
        names.append(s.name);
    }
    return names;
}
