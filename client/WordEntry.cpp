#include "client/WordEntry.h"

#include "client/HostFields.h"

#include <stdexcept>
#include <vector>

using hostfields::checkRange;

namespace {

// Reads a list of groups of `width` numbers to the end of the text. An empty text is an
// empty list; a list cut short or holding a non-number throws FieldError.
std::vector<int> readGroups(FieldReader& fields, int width)
{
    std::vector<int> numbers;
    if (fields.rest().isEmpty())
        return numbers;
    fields.beginList();
    while (!fields.atListEnd()) {
        for (int i = 0; i < width; ++i)
            numbers.push_back(fields.nextInt());
    }
    return numbers;
}

} // namespace

WordEntry::WordEntry(ClientContext& context, QObject* parent)
    : QObject(parent)
    , m_context(context)
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
    return m_pick[slot - 1];
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

void WordEntry::loadboardCells(FieldReader& fields)
{
    const std::vector<int> groups = readGroups(fields, 3);
    for (size_t i = 0; i < groups.size(); i += 3) {
        checkRange(groups[i], 1, Columns, "column");
        checkRange(groups[i + 1], 1, Rows, "row");
        checkRange(groups[i + 2], 0, LastMarked, "tile");
    }
    for (size_t i = 0; i < groups.size(); i += 3)
        at(groups[i], groups[i + 1]) = groups[i + 2];
    emit boardChanged();
}

void WordEntry::theword(FieldReader& fields)
{
    const std::vector<int> pairs = readGroups(fields, 2);
    for (size_t i = 0; i < pairs.size(); i += 2) {
        checkRange(pairs[i], 1, Slots, "slot");
        checkRange(pairs[i + 1], 0, LastLetter, "letter");
    }
    m_letter.fill(0);
    m_picture.fill(0);
    for (QString& pick : m_pick)
        pick.clear();
    for (size_t i = 0; i < pairs.size(); i += 2) {
        m_letter[pairs[i] - 1] = pairs[i + 1];
        m_picture[pairs[i] - 1] = pairs[i + 1];
    }
    emit stripChanged();
}

void WordEntry::reveal(FieldReader& fields)
{
    // Seats that found the word get "***" instead of cells: nothing to show them.
    if (fields.rest().startsWith('*'))
        return;
    const std::vector<int> pairs = readGroups(fields, 2);
    for (size_t i = 0; i < pairs.size(); i += 2) {
        checkRange(pairs[i], 1, Columns, "column");
        checkRange(pairs[i + 1], 1, Rows, "row");
    }
    for (size_t i = 0; i < pairs.size(); i += 2) {
        int& tile = at(pairs[i], pairs[i + 1]);
        // Only a letter is marked: an empty cell stays empty and a marked one stays marked.
        if (tile >= 1 && tile <= LastLetter)
            tile += MarkOffset;
    }
    emit boardChanged();
}

void WordEntry::mouseUp(Qt::MouseButton button, int x, int y)
{
    if (!myTurn())
        return;
    // The button may be pressed on the board and released beyond it.
    if (x < 0 || y < 0 || x >= BoardWidth || y >= BoardHeight)
        return;
    const int column = x / TileSize + 1;
    const int row = y / TileSize + 1;

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
    if (m_context.state.justWatching) {
        m_context.notice(QStringLiteral("You cannot play when you have \"Just Watching\" set."));
        return;
    }
    const int n = m_pickcount + 1;
    if (n > Slots) {
        m_pickcount = Slots;
        return;
    }
    // The click must hit the word's next letter, unmarked. A complete word has no next
    // letter (its next slot is empty), so nothing more can be picked.
    const int wanted = m_letter[n - 1];
    if (wanted == 0 || at(column, row) != wanted) {
        m_context.sound(QStringLiteral("invalid"));
        return;
    }
    if (m_pathlength == 0) {
        m_direction = 0;
        placeletter(column, row, n);
        return;
    }
    const bool fits = m_context.state.gametype == 0
        ? checkforconnectstraight(m_pathlength, column, row)
        : checkforconnectscrambled(m_pathlength, column, row);
    if (fits)
        placeletter(column, row, n);
    else
        m_context.sound(QStringLiteral("invalid"));
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
    m_pick[n - 1] = QString::number(column) + QLatin1Char('+') + QString::number(row);
    m_path[m_pathlength] = QPoint(column, row);
    ++m_pathlength;
    m_pickcount = n;
    emit boardChanged();
    emit stripChanged();
    m_context.sound(QStringLiteral("valid"));
    if (n == Slots || m_letter[n] == 0)
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
    m_context.state.activeplayer = 0;
    if (onWordSent)
        onWordSent();
    QByteArray cells;
    for (int slot = 0; slot < Slots; ++slot) {
        if (m_letter[slot] != 0)
            cells += '+' + m_pick[slot].toLatin1();
    }
    if (m_context.state.connected) {
        if (!cells.isEmpty())
            m_context.send(Message("CMD_myword").add(m_context.state.myslot).raw(cells));
        m_context.sound(QStringLiteral("sendword"));
    }
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
