#pragma once
// The tally of finished games, kept as a grid of text cells with 9 columns.
//
// Row 0 is the local player's own record: column 1 the games finished, column 2 the
// games he won (columns 0, 3 and 4 hold "0"). Every further row is one followed
// opponent: column 0 his name; columns 1 to 4 the games played together, the games
// the opponent won, the games the local player won and the games neither of them won;
// columns 5 to 8 the same four counts for the current run of the program only.
//
// Names are matched without regard to letter case, the first match winning; the
// winner of a game is recognised by an exact comparison.
//
// Every cell reads as text, but a cell whose text is a count written plainly ("0",
// "17") is held as that number, and the text of all other cells (names, mostly) lies
// in one string: a record of thousands of rows is read, counted and printed without a
// string per cell. Any text is kept exactly as it was.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>
#include <vector>

class TallyRecord {
public:
    static constexpr int Columns = 9;
    enum Column {
        Name = 0,
        Games = 1,      // own row: games finished; opponent: games together
        HisWins = 2,    // own row: the local player's wins
        MyWins = 3,
        NeitherWon = 4,
    };
    // The column of a count for this run is its total's column plus this.
    static constexpr int SessionOffset = 4;
    // The text a seat shows while nobody sits on it.
    static inline const QString EmptySeat = QStringLiteral("<Waiting>");

    // An empty record: own counts 0, nobody followed.
    TallyRecord();

    int rowCount() const { return int(m_columns[0].size()); }
    // The cell's text ("" outside the grid).
    QString cell(int row, int column) const;
    // The cell as a number; text that is not a number counts as 0.
    int count(int row, int column) const
    {
        if (row < 0 || row >= rowCount() || column < 0 || column >= Columns)
            return 0;
        const Cell& cell = at(row, column);
        return cell.isCount() ? cell.at : countOfText(cell);
    }
    // The cell's text without a copy when it is held as text (valid until the record
    // changes); a null view when the cell is a count or lies outside the grid.
    QStringView heldText(int row, int column) const;

    // Names of the followed opponents; line i is grid row i + 1.
    QStringList followed() const;
    // The line of a followed name, letter case ignored; -1 when not followed.
    int indexOfFollowed(const QString& name) const;

    // Starts following name (a new row, counts "0"). Nothing when it is already
    // followed or is empty; returns whether a row was added.
    bool follow(const QString& name);
    // Stops following the opponent on that line and drops his row.
    void drop(int line);
    // Own counts back to "0", nobody followed.
    void reset();
    // Counts for this run start again at "0" (done at every load).
    void startSession();

    // Records one finished game. opponents: the names shown on the other five seats
    // (EmptySeat entries are skipped); winner: the winner text the host announced;
    // ownName: the local player's name as his seat shows it. The local player won when
    // winner equals ownName exactly. Each followed opponent among opponents is counted
    // once: a win for him when the winner text is his name, a win for the local player,
    // or a game neither won.
    void addgame(const QStringList& opponents, const QString& winner, const QString& ownName);

    // The plain layout: line 1 the column count, line 2 the row count R, then 9 x R
    // lines of cells, column by column (all of column 0 from row 0 down, then column 1,
    // ...), each line ended by CR LF, text in Windows-1252.
    QByteArray toPlain() const;
    // Reads the plain layout; nothing when the bytes are not one (wrong column count,
    // no rows, counts that are not numbers, fewer cells than announced).
    static std::optional<TallyRecord> fromPlain(const QByteArray& plain);

    bool operator==(const TallyRecord& other) const;

private:
    friend class TallyPlainReader;

    // A count written plainly (length -1, the count in `at`), or the `length`
    // characters of m_text from `at`.
    struct Cell {
        qint32 at = 0;
        qint32 length = -1;
        bool isCount() const { return length < 0; }
    };

    static Cell countCell(int count) { return Cell{count, -1}; }
    // The cell for a text: the count it spells, or the text added to m_text.
    Cell textCell(QStringView text);
    QStringView textOf(const Cell& cell) const;
    int countOfText(const Cell& cell) const;
    Cell& at(int row, int column) { return m_columns[std::size_t(column)][std::size_t(row)]; }
    const Cell& at(int row, int column) const { return m_columns[std::size_t(column)][std::size_t(row)]; }
    void addOne(int row, int column);
    // Drops the text of cells that are gone or became counts, once it is most of m_text.
    void compactText();

    // Column by column, as the plain layout lists the cells.
    std::array<std::vector<Cell>, Columns> m_columns;
    QString m_text;
};

// Reads the plain layout of a record from pieces as they come (a decoder's blocks, say),
// without ever holding the whole layout: lines may be cut anywhere between pieces.
class TallyPlainReader {
public:
    // `plainSize`: the length of the whole layout, which bounds the rows it can hold.
    explicit TallyPlainReader(qint64 plainSize) : m_size(plainSize) {}
    void feed(QByteArrayView piece);
    // The record read, or nothing when the layout was not one (see fromPlain).
    std::optional<TallyRecord> finish();

private:
    void take(QByteArrayView line);
    // The column the next cell goes into.
    inline std::vector<TallyRecord::Cell>& column();

    qint64 m_size;
    QByteArray m_partial; // a line cut off by the end of a piece
    qint64 m_lines = 0;
    qint64 m_cells = 0;   // announced
    int m_rows = 0;
    std::size_t m_column = 0; // the next to fill
    std::vector<TallyRecord::Cell>* m_filling = nullptr;
    int m_left = 0;           // cells left to fill in m_filling
    bool m_bad = false;
    TallyRecord m_record;
};
