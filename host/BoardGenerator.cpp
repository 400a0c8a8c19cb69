#include "host/BoardGenerator.h"

#include "host/RandomSource.h"

#include <QDebug>
#include <algorithm>

namespace {

// Steps of directions 1 to 8: right, left, down, up, then the four diagonals.
constexpr int kStepX[9] = {0, +1, -1, 0, 0, +1, +1, -1, -1};
constexpr int kStepY[9] = {0, 0, 0, +1, -1, +1, -1, +1, -1};

} // namespace

int BoardGenerator::stepX(int direction)
{
    return direction >= 1 && direction <= 8 ? kStepX[direction] : 0;
}

int BoardGenerator::stepY(int direction)
{
    return direction >= 1 && direction <= 8 ? kStepY[direction] : 0;
}

int BoardGenerator::converttonum(char letter)
{
    if (letter >= 'a' && letter <= 'z')
        return letter - 'a' + 1;
    qWarning("error creating word: letter code %d is not a to z", static_cast<unsigned char>(letter));
    return 0;
}

int BoardGenerator::drawRange(int low, int high)
{
    // An empty range (high below low) gives its first bound.
    return low + m_random.draw(high - low + 1);
}

void BoardGenerator::clearBoard()
{
    for (auto& column : m_board)
        column.fill(0);
}

void BoardGenerator::clearLettercodes()
{
    m_lettercodes.fill(0);
}

bool BoardGenerator::createboard(const QByteArray& word, bool scrambled, bool onlyLetters)
{
    return layBoard(word, scrambled, onlyLetters, LetterWeights());
}

bool BoardGenerator::createboard(const RoundWord& word, bool scrambled, bool onlyLetters)
{
    return layBoard(word.text, scrambled, onlyLetters, word.fillers);
}

bool BoardGenerator::layBoard(const QByteArray& word, bool scrambled, bool onlyLetters, const LetterWeights& fillers)
{
    const int length = static_cast<int>(word.size());
    if (length < 1 || length > kMaxWordLength)
        return false;
    // A letter without a code could never be found on the board.
    for (char letter : word) {
        if (converttonum(letter) == 0)
            return false;
    }

    // Lay the word; a scrambled walk that gets stuck starts again on a cleared board.
    clearBoard();
    if (scrambled) {
        while (!setwordscram(word))
            clearBoard();
    } else {
        setwordstraight(word);
    }

    // Decoys: the word's own letters on free cells. A taken cell is skipped, but the
    // attempt still counts, so the word itself is never overwritten.
    for (int attempt = 0; attempt < 8 * length; ++attempt) {
        const int x = 1 + m_random.draw(kColumns);
        const int y = 1 + m_random.draw(kRows);
        if (m_board[x][y] == 0)
            m_board[x][y] = m_lettercodes[1 + m_random.draw(length)];
    }

    // Fill the rest, column by column.
    for (int x = 1; x <= kColumns; ++x) {
        for (int y = 1; y <= kRows; ++y) {
            if (m_board[x][y] == 0)
                m_board[x][y] = onlyLetters ? m_lettercodes[1 + m_random.draw(length)] : fillers.draw(m_random);
        }
    }
    return true;
}

QList<proto::BoardCell> BoardGenerator::boardCells() const
{
    QList<proto::BoardCell> cells;
    cells.reserve(kColumns * kRows);
    for (int x = 1; x <= kColumns; ++x) {
        for (int y = 1; y <= kRows; ++y)
            cells.append(proto::BoardCell{x, y, m_board[x][y]});
    }
    return cells;
}

void BoardGenerator::setwordstraight(const QByteArray& word)
{
    m_word.clear();
    clearLettercodes();
    const int length = static_cast<int>(word.size());

    if (length == kMaxWordLength) {
        // A ten-letter word fills a whole row, one way or the other.
        const bool leftward = m_random.draw(2) == 1;
        const int row = 1 + m_random.draw(kRows);
        if (leftward)
            placeletter(word, kColumns + 1, row, 2);
        else
            placeletter(word, 0, row, 1);
        return;
    }

    // First cell by direction. The ranges keep a word along x within columns 1 to 9,
    // a word along y within rows 1 to 8 (1 to 9 for nine letters), and a diagonal word
    // within both.
    const int direction = 1 + m_random.draw(8);
    int x0 = 0;
    int y0 = 0;
    switch (direction) {
    case 1: x0 = drawRange(1, 10 - length); y0 = drawRange(1, 9); break;
    case 2: x0 = drawRange(length, 9); y0 = drawRange(1, 9); break;
    case 3: x0 = drawRange(1, 10); y0 = drawRange(1, 9 - length); break;
    case 4: x0 = drawRange(1, 10); y0 = drawRange(length, 8); break;
    case 5: x0 = drawRange(1, 10 - length); y0 = drawRange(1, 9 - length); break;
    case 6: x0 = drawRange(1, 10 - length); y0 = drawRange(length, 8); break;
    case 7: x0 = drawRange(length, 9); y0 = drawRange(1, 9 - length); break;
    default: x0 = drawRange(length, 9); y0 = drawRange(length, 8); break;
    }
    placeletter(word, x0 - kStepX[direction], y0 - kStepY[direction], direction);
}

void BoardGenerator::placeletter(const QByteArray& word, int x, int y, int direction)
{
    m_word.clear();
    m_wordCells.clear();
    const int length = static_cast<int>(std::min<qsizetype>(word.size(), kMaxWordLength));
    for (int k = 1; k <= length; ++k) {
        x += stepX(direction);
        y += stepY(direction);
        const int code = converttonum(word.at(k - 1));
        m_word.append(proto::WordLetter{k, code});
        m_lettercodes[k] = code;
        if (onBoard(x, y))
            m_board[x][y] = code;
        m_wordCells.append(proto::Cell{x, y});
    }
}

bool BoardGenerator::setwordscram(const QByteArray& word)
{
    // Starts near the middle are twice as likely as starts near the edges.
    int x = 1 + m_random.draw(14);
    if (x > 10)
        x -= 5;
    int y = 1 + m_random.draw(12);
    if (y > 9)
        y -= 5;
    m_startX = x;
    m_startY = y;
    m_word.clear();
    m_wordCells.clear();
    clearLettercodes();

    // The walk leaves the start cell empty, so a later letter may step onto it; it
    // never enters a cell twice.
    const int length = static_cast<int>(std::min<qsizetype>(word.size(), kMaxWordLength));
    for (int k = 1; k <= length; ++k) {
        const int code = converttonum(word.at(k - 1));
        m_word.append(proto::WordLetter{k, code});
        m_lettercodes[k] = code;
        bool moved = false;
        for (int attempt = 0; attempt < 20 && !moved; ++attempt) {
            const int direction = 1 + m_random.draw(8);
            const int nx = x + kStepX[direction];
            const int ny = y + kStepY[direction];
            if (onBoard(nx, ny) && m_board[nx][ny] == 0) {
                x = nx;
                y = ny;
                m_board[x][y] = code;
                moved = true;
            }
        }
        if (!moved) {
            m_word.clear();
            m_wordCells.clear();
            clearLettercodes();
            return false;
        }
        m_wordCells.append(proto::Cell{x, y});
    }
    return true;
}
