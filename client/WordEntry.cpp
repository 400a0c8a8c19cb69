#include "client/WordEntry.h"

#include "client/BoardGrid.h"
#include "net/FieldChecks.h"

#include <stdexcept>

using fieldchecks::checkRange;

WordEntry::WordEntry(const ClientContext& context, const TurnState& turn, QObject* parent)
    : QObject(parent)
    , m_context(context)
    , m_turn(turn)
{
}

QPoint WordEntry::step(int direction)
{
    static constexpr int dx[] = {0, 1, -1, 0, 0, 1, 1, -1, -1};
    static constexpr int dy[] = {0, 0, 0, 1, -1, 1, -1, 1, -1};
    checkRange(direction, 0, 8, "direction");
    return QPoint(dx[direction], dy[direction]);
}

int WordEntry::cell(int column, int row) const
{
    checkRange(column, 1, Columns, "column");
    checkRange(row, 1, Rows, "row");
    return at(column, row);
}

int WordEntry::slotLetter(int slot) const
{
    checkRange(slot, 1, Slots, "slot");
    return m_letter[slot - 1];
}

int WordEntry::slotPicture(int slot) const
{
    checkRange(slot, 1, Slots, "slot");
    return m_picture[slot - 1];
}

QString WordEntry::slotPick(int slot) const
{
    checkRange(slot, 1, Slots, "slot");
    const QPoint cell = m_pick[slot - 1];
    if (cell.isNull())
        return QString();
    return QString::number(cell.x()) + QLatin1Char('+') + QString::number(cell.y());
}

int WordEntry::wordLength() const
{
    int length = 0;
    while (length < Slots && m_letter[length] != 0)
        ++length;
    return length;
}

QPoint WordEntry::pickpath(int index) const
{
    checkRange(index, 1, Slots, "path entry");
    return m_path[index - 1];
}

std::optional<QPoint> WordEntry::lastPicked() const
{
    if (m_pathlength < 1)
        return std::nullopt;
    const QPoint last = m_path[m_pathlength - 1];
    if (last.x() < 1 || last.x() > Columns || last.y() < 1 || last.y() > Rows)
        return std::nullopt;  // the path was forgotten at a new search
    return last;
}

void WordEntry::loadboardCells(const QList<proto::BoardCell>& cells)
{
    for (const proto::BoardCell& c : cells)
        at(checkRange(c.x, 1, Columns, "column"), checkRange(c.y, 1, Rows, "row")) = c.tile;
    emit boardChanged();
}

void WordEntry::theword(const proto::TheWord& word)
{
    m_letter.fill(0);
    m_picture.fill(0);
    m_pick.fill(QPoint());
    for (const proto::WordLetter& l : word.letters) {
        const int slot = checkRange(l.position, 1, Slots, "slot");
        m_letter[slot - 1] = l.letter;
        m_picture[slot - 1] = l.letter;
    }
    // Picks made for the last word are no part of this one: kept, they would count
    // towards it and go out without their cells.
    resetCounters();
    clearPickPath();
    emit stripChanged();
}

void WordEntry::reveal(const QList<proto::Cell>& cells)
{
    for (const proto::Cell& c : cells) {
        int& tile = at(checkRange(c.x, 1, Columns, "column"), checkRange(c.y, 1, Rows, "row"));
        // Only a letter is marked: an empty cell stays empty and a marked one stays marked.
        if (tile >= 1 && tile <= LastLetter)
            tile += MarkOffset;
    }
    emit boardChanged();
}

void WordEntry::mouseUp(Qt::MouseButton button, int x, int y)
{
    // The button may be pressed on the board and released beyond it.
    if (const std::optional<QPoint> cell = boardgrid::cellAt(QPointF(x, y), TileSize))
        click(button, cell->x(), cell->y());
}

void WordEntry::click(Qt::MouseButton button, int column, int row)
{
    if (!myTurn() || !game::onBoard(column, row))
        return;
    if (button == Qt::RightButton) {
        const std::optional<QPoint> last = lastPicked();
        if (at(column, row) <= LastLetter || m_pathlength == 0)
            clearword();
        else if (last && *last == QPoint(column, row))
            unpickLast();
        // a marked cell other than the last one: nothing
        return;
    }
    pick(column, row);
}

void WordEntry::pick(int column, int row)
{
    if (m_turn.justWatching()) {
        m_context.notice(QStringLiteral("You cannot play when you have \"Just Watching\" set."));
        return;
    }
    const int n = m_pickcount + 1;
    if (n > Slots) {
        m_pickcount = Slots;
        return;
    }
    // The click must hit the word's next letter, unmarked. A complete word has no next
    // letter, so nothing more can be picked.
    if (n > wordLength() || at(column, row) != m_letter[n - 1]) {
        refuse(column, row);
        return;
    }
    if (m_pathlength == 0) {
        m_direction = 0;
        placeletter(column, row, n);
        return;
    }
    const bool fits = m_turn.straight()
        ? checkforconnectstraight(m_pathlength, column, row)
        : checkforconnectscrambled(m_pathlength, column, row);
    if (fits)
        placeletter(column, row, n);
    else
        refuse(column, row);
}

void WordEntry::refuse(int column, int row)
{
    m_context.sound(QStringLiteral("invalid"));
    emit refused(column, row);
}

void WordEntry::unpickLast()
{
    const QPoint last = m_path[m_pathlength - 1];
    at(last.x(), last.y()) -= MarkOffset;
    m_picture[m_pathlength - 1] = m_letter[m_pathlength - 1];
    m_path[m_pathlength - 1] = QPoint(0, 0);
    --m_pathlength;
    // Back at one letter, the line may again start in any direction.
    if (m_pathlength == 1)
        m_direction = 0;
    if (m_pickcount > 0)
        --m_pickcount;
    emit boardChanged();
    emit stripChanged();
}

bool WordEntry::checkforconnectscrambled(int last, int column, int row)
{
    checkRange(last, 1, Slots, "path entry");
    const QPoint from = m_path[last - 1];
    const QPoint delta = QPoint(column, row) - from;
    for (int d = 1; d <= 8; ++d) {
        if (step(d) == delta) {
            m_direction = d;
            return true;
        }
    }
    return false;
}

bool WordEntry::checkforconnectstraight(int last, int column, int row)
{
    checkRange(last, 1, Slots, "path entry");
    if ((m_direction == 0 && last != 1) || (m_direction != 0 && last == 1)) {
        // The selection no longer describes a line: start again.
        clearword();
        return false;
    }
    if (m_direction == 0)
        return checkforconnectscrambled(last, column, row);
    return QPoint(column, row) == m_path[last - 1] + step(m_direction);
}

void WordEntry::placeletter(int column, int row, int n)
{
    checkRange(column, 1, Columns, "column");
    checkRange(row, 1, Rows, "row");
    checkRange(n, 1, Slots, "slot");
    if (m_pathlength >= Slots)
        throw std::out_of_range("the picked path is full");

    int& tile = at(column, row);
    if (tile <= LastLetter)
        tile += MarkOffset;
    m_picture[n - 1] = tile;
    m_pick[n - 1] = QPoint(column, row);
    m_path[m_pathlength] = QPoint(column, row);
    ++m_pathlength;
    m_pickcount = n;
    emit boardChanged();
    emit stripChanged();
    m_context.sound(QStringLiteral("valid"));
    if (n >= wordLength())
        sendword();
}

void WordEntry::clearword()
{
    if (!myTurn())
        return;
    m_picture = m_letter;
    for (int& tile : m_board) {
        if (tile > LastLetter)
            tile -= MarkOffset;
    }
    m_pickcount = 0;
    m_pathlength = 0;
    m_path.fill(QPoint(0, 0));
    emit boardChanged();
    emit stripChanged();
    m_context.sound(QStringLiteral("clear"));
}

void WordEntry::sendword()
{
    if (!myTurn())
        return;
    emit wordSent();
    proto::MyWord word;
    word.slot = m_context.state.myslot;
    // The cells of the letters that make the word complete, and no others: a word text
    // with a gap ends at the gap, so a letter beyond it is never sent without its cell.
    for (int slot = 0; slot < wordLength(); ++slot)
        word.cells.append(proto::Cell{m_pick[slot].x(), m_pick[slot].y()});
    if (m_context.state.connected) {
        if (!word.cells.isEmpty())
            m_context.send(word.message());
        m_context.sound(QStringLiteral("sendword"));
    }
}

void WordEntry::newSearch(bool mine)
{
    clearPickPath();
    if (mine)
        resetCounters();
}

void WordEntry::clearPickPath()
{
    m_path.fill(QPoint(0, 0));
    emit boardChanged();
}

void WordEntry::resetCounters()
{
    m_pickcount = 0;
    m_pathlength = 0;
}
