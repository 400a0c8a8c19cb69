#include "client/GameSummary.h"

#include "client/SeatRoster.h"

#include <QLocale>

GameSummary::GameSummary(const ClientContext& context, const SeatRoster& seats, QObject* parent)
    : QObject(parent)
    , m_context(context)
    , m_seats(seats)
{
}

void GameSummary::follow(const RoundReview& review)
{
    connect(&review, &RoundReview::gameOpened, this, &GameSummary::open);
    connect(&review, &RoundReview::roundClosed, this, &GameSummary::addRound);
    connect(&review, &RoundReview::gameClosed, this, &GameSummary::close);
}

void GameSummary::noteName(int seat, const QString& name)
{
    if (game::isSeat(seat) && !name.isEmpty() && name != SeatRoster::Waiting)
        m_names[seat - 1] = name;
}

void GameSummary::open(const RoundReview::Totals& carriedIn, bool joinedLate)
{
    m_rounds.clear();
    m_carriedIn = carriedIn;
    m_joinedLate = joinedLate;
    m_finished = false;
    m_winner.clear();
    m_names.fill(QString());
    for (int seat = 1; seat <= game::Seats; ++seat)
        noteName(seat, m_seats.seat(seat).name);
    emit changed();
}

void GameSummary::addRound(const RoundRecord& record)
{
    if (m_finished)
        return;
    m_rounds.append(record);
    for (const RoundFind& f : record.finds)
        noteName(f.seat, f.name);
    for (const QList<SeatName>* list : {&record.missed, &record.left}) {
        for (const SeatName& s : *list)
            noteName(s.seat, s.name);
    }
    emit changed();
}

void GameSummary::close(const QString& winner)
{
    if (m_finished)
        return;
    for (int seat = 1; seat <= game::Seats; ++seat)
        noteName(seat, m_seats.seat(seat).name);
    m_finished = true;
    m_winner = winner;
    for (const QString& line : chatLines())
        m_context.systemLine(line);
    emit changed();
    emit finished();
}

QList<int> GameSummary::seats() const
{
    QList<int> list;
    for (int seat = 1; seat <= game::Seats; ++seat) {
        bool scored = m_carriedIn[seat - 1] != 0;
        for (const RoundRecord& r : m_rounds)
            scored = scored || r.findOf(seat);
        if (scored || !m_names[seat - 1].isEmpty())
            list.append(seat);
    }
    return list;
}

QString GameSummary::seatName(int seat) const
{
    if (!game::isSeat(seat))
        return QString();
    const QString& name = m_names[seat - 1];
    return name.isEmpty() ? QStringLiteral("Seat %1").arg(seat) : name;
}

int GameSummary::carriedIn(int seat) const
{
    return game::isSeat(seat) ? m_carriedIn[seat - 1] : 0;
}

std::optional<int> GameSummary::pointsIn(const RoundRecord& round, int seat)
{
    if (const RoundFind* f = round.findOf(seat))
        return f->points;
    return std::nullopt;
}

int GameSummary::total(int seat) const
{
    qint64 sum = carriedIn(seat);
    for (const RoundRecord& r : m_rounds)
        sum += pointsIn(r, seat).value_or(0);
    return RoundReview::clampedInt(sum);
}

std::optional<GameSummary::Fastest> GameSummary::fastest() const
{
    std::optional<Fastest> best;
    for (int i = 0; i < m_rounds.size(); ++i) {
        for (const RoundFind& f : m_rounds[i].finds) {
            if (f.seen && (!best || f.seconds < best->find.seconds))
                best = Fastest{i, f};
        }
    }
    return best;
}

int GameSummary::finds(int seat) const
{
    int n = 0;
    for (const RoundRecord& r : m_rounds) {
        const RoundFind* f = r.findOf(seat);
        n += f && f->seen ? 1 : 0;
    }
    return n;
}

std::optional<double> GameSummary::averageSeconds(int seat) const
{
    double sum = 0;
    for (const RoundRecord& r : m_rounds) {
        const RoundFind* f = r.findOf(seat);
        if (f && f->seen)
            sum += f->seconds;
    }
    const int n = finds(seat);
    if (n == 0)
        return std::nullopt;
    return sum / n;
}

QString GameSummary::secondsText(double seconds)
{
    const bool whole = seconds == double(qint64(seconds));
    return QLocale::c().toString(seconds, 'f', whole ? 0 : 1) + QStringLiteral(" s");
}

QStringList GameSummary::chatLines() const
{
    QStringList lines;
    for (const RoundRecord& r : m_rounds) {
        QString line = QStringLiteral("Round %1 \"%2\": ").arg(r.round, r.word);
        if (r.finds.isEmpty()) {
            line += QStringLiteral("nobody found it");
        } else {
            const RoundFind& first = r.finds.first();
            line += first.seen ? QStringLiteral("%1 first in %2").arg(first.name, secondsText(first.seconds))
                               : QStringLiteral("%1 first").arg(first.name);
            QStringList points;
            for (const RoundFind& f : r.finds)
                points << QStringLiteral("%1 %2").arg(f.name).arg(f.points);
            line += QStringLiteral("; ") + points.join(QStringLiteral(", "));
        }
        if (!r.missed.isEmpty()) {
            QStringList names;
            for (const SeatName& s : r.missed)
                names << s.name;
            line += QStringLiteral("; missed: ") + names.join(QStringLiteral(", "));
        }
        lines << line;
    }
    return lines;
}

QString GameSummary::text() const
{
    const QList<int> columns = seats();
    QList<QStringList> rows;
    QStringList head{QStringLiteral("Round"), QStringLiteral("Word"), QStringLiteral("First"), QStringLiteral("Time")};
    for (int seat : columns)
        head << seatName(seat);
    rows << head;
    for (const RoundRecord& r : m_rounds) {
        const RoundFind* first = r.finds.isEmpty() ? nullptr : &r.finds.first();
        QStringList row{r.round, r.word, first ? first->name : QStringLiteral("-"),
                        first && first->seen ? secondsText(first->seconds) : QStringLiteral("-")};
        for (int seat : columns) {
            const std::optional<int> p = pointsIn(r, seat);
            row << (p ? QString::number(*p) : QStringLiteral("-"));
        }
        rows << row;
    }
    QStringList before{QStringLiteral("Before"), QString(), QString(), QString()};
    QStringList totals{QStringLiteral("Total"), QString(), QString(), QString()};
    for (int seat : columns) {
        before << QString::number(carriedIn(seat));
        totals << QString::number(total(seat));
    }
    if (m_joinedLate)
        rows << before;
    rows << totals;

    // Text columns to the left, numbers to the right.
    QList<int> widths(head.size(), 0);
    for (const QStringList& row : rows) {
        for (int c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], int(row[c].size()));
    }
    QStringList out;
    out << (m_winner.isEmpty() ? QStringLiteral("Game summary") : QStringLiteral("Game summary: %1 won").arg(m_winner));
    for (const QStringList& row : rows) {
        QStringList cells;
        for (int c = 0; c < row.size(); ++c)
            cells << (c < 3 ? row[c].leftJustified(widths[c]) : row[c].rightJustified(widths[c]));
        out << cells.join(QStringLiteral("  ")).trimmed();
    }
    if (const std::optional<Fastest> f = fastest()) {
        const RoundRecord& r = m_rounds[f->round];
        out << QStringLiteral("Fastest find: %1, %2 (\"%3\", round %4)")
                   .arg(f->find.name, secondsText(f->find.seconds), r.word, r.round);
    }
    QStringList averages;
    for (int seat : columns) {
        if (const std::optional<double> a = averageSeconds(seat))
            averages << QStringLiteral("%1 %2 (%3 %4)")
                            .arg(seatName(seat), secondsText(*a))
                            .arg(finds(seat))
                            .arg(finds(seat) == 1 ? QStringLiteral("find") : QStringLiteral("finds"));
    }
    if (!averages.isEmpty())
        out << QStringLiteral("Average time: ") + averages.join(QStringLiteral(", "));
    return out.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
