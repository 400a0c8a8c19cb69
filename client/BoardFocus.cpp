#include "client/BoardFocus.h"

#include "client/TurnState.h"
#include "client/WordEntry.h"
#include "net/GameConstants.h"

#include <QStringList>
#include <algorithm>
#include <cstdlib>

BoardFocus::BoardFocus(const WordEntry& entry, const TurnState& turn, QObject* parent)
    : QObject(parent), m_entry(entry), m_turn(turn)
{
}

void BoardFocus::place(QPoint cell, bool keepCycle)
{
    if (!keepCycle)
        m_cycleLetter = 0;
    if (cell == m_cell)
        return;
    m_cell = cell;
    emit moved(cell);
}

void BoardFocus::moveTo(QPoint cell)
{
    if (game::onBoard(cell.x(), cell.y()))
        place(cell);
}

void BoardFocus::moveBy(int columns, int rows)
{
    place(QPoint(std::clamp(m_cell.x() + columns, 1, WordEntry::Columns),
                 std::clamp(m_cell.y() + rows, 1, WordEntry::Rows)));
}

void BoardFocus::rowStart()
{
    place(QPoint(1, m_cell.y()));
}

void BoardFocus::rowEnd()
{
    place(QPoint(WordEntry::Columns, m_cell.y()));
}

void BoardFocus::columnTop()
{
    place(QPoint(m_cell.x(), 1));
}

void BoardFocus::columnBottom()
{
    place(QPoint(m_cell.x(), WordEntry::Rows));
}

bool BoardFocus::fitsNext(QPoint cell) const
{
    const int picked = m_entry.pathlength();
    const std::optional<QPoint> last = m_entry.lastPicked();
    if (picked == 0 || !last)
        return true;
    const QPoint delta = cell - *last;
    const bool neighbour = delta != QPoint() && std::abs(delta.x()) <= 1 && std::abs(delta.y()) <= 1;
    // A straight line keeps the direction its second letter set.
    if (m_turn.straight() && m_entry.direction() != 0 && picked > 1)
        return delta == WordEntry::step(m_entry.direction());
    return neighbour;
}

QList<QPoint> BoardFocus::letterTargets(int letter, QPoint from) const
{
    QList<QPoint> holding;
    for (int row = 1; row <= WordEntry::Rows; ++row)
        for (int column = 1; column <= WordEntry::Columns; ++column)
            if (m_entry.cell(column, row) == letter)
                holding.append(QPoint(column, row));
    QList<QPoint> fitting;
    std::copy_if(holding.begin(), holding.end(), std::back_inserter(fitting),
                 [this](QPoint c) { return fitsNext(c); });
    QList<QPoint> targets = fitting.isEmpty() ? holding : fitting;
    const auto steps = [from](QPoint c) {
        return std::max(std::abs(c.x() - from.x()), std::abs(c.y() - from.y()));
    };
    // Reading order is already the order of the list: a stable sort keeps it for ties.
    std::stable_sort(targets.begin(), targets.end(), [&](QPoint a, QPoint b) { return steps(a) < steps(b); });
    return targets;
}

bool BoardFocus::jumpToLetter(QChar key)
{
    const QChar lower = key.toLower();
    if (lower < QLatin1Char('a') || lower > QLatin1Char('z'))
        return false;
    const int letter = lower.unicode() - 'a' + 1;
    const bool again = letter == m_cycleLetter;
    const QPoint from = again ? m_cycleFrom : m_cell;
    const QList<QPoint> targets = letterTargets(letter, from);
    if (targets.isEmpty())
        return true;
    // Again on one of the letter's cells: on to the next; else the nearest.
    const qsizetype at = again ? targets.indexOf(m_cell) : -1;
    const QPoint next = targets[at < 0 ? 0 : (at + 1) % targets.size()];
    m_cycleLetter = letter;
    m_cycleFrom = from;
    place(next, true);
    return true;
}

int pickNumber(const WordEntry& entry, QPoint cell)
{
    for (int i = 1; i <= entry.pathlength() && i <= WordEntry::Slots; ++i)
        if (entry.pickpath(i) == cell)
            return i;
    return 0;
}

namespace {

QString ordinal(int n)
{
    const char* suffix = n == 1 ? "st" : n == 2 ? "nd" : n == 3 ? "rd" : "th";
    return QString::number(n) + QLatin1String(suffix);
}

} // namespace

QString describeCell(const WordEntry& entry, QPoint cell)
{
    const int tile = entry.cell(cell.x(), cell.y());
    const bool marked = tile > WordEntry::LastLetter;
    const int letter = marked ? tile - WordEntry::MarkOffset : tile;
    QString text = letter >= 1 && letter <= WordEntry::LastLetter ? QString(QChar('A' + letter - 1))
                                                                   : QStringLiteral("Empty");
    text += QStringLiteral(", column %1, row %2").arg(cell.x()).arg(cell.y());
    if (const int n = pickNumber(entry, cell))
        text += QStringLiteral(", picked ") + ordinal(n);
    else if (marked)
        text += QStringLiteral(", marked");
    return text;
}

namespace {

QString letterName(int tile)
{
    const int letter = tile > WordEntry::LastLetter ? tile - WordEntry::MarkOffset : tile;
    return letter >= 1 && letter <= WordEntry::LastLetter ? QString(QChar('A' + letter - 1)) : QString();
}

} // namespace

QString describeWord(const WordEntry& entry)
{
    const int length = entry.wordLength();
    if (length == 0)
        return QStringLiteral("No word yet");
    QStringList found;
    for (int slot = 1; slot <= length; ++slot)
        if (entry.slotPicture(slot) > WordEntry::LastLetter)
            found << letterName(entry.slotLetter(slot));
    const QString word = QStringLiteral("Word of %1 letters").arg(length);
    return found.isEmpty() ? word + QStringLiteral(", none found yet")
                           : word + QStringLiteral(", found so far: ") + found.join(QLatin1Char(' '));
}

QString describeSlot(const WordEntry& entry, int slot)
{
    const QString letter = letterName(entry.slotLetter(slot));
    if (letter.isEmpty())
        return QStringLiteral("Empty");
    return entry.slotPicture(slot) > WordEntry::LastLetter ? letter + QStringLiteral(", found") : letter;
}
