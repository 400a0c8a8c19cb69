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
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

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

    int rowCount() const { return int(m_rows.size()); }
    // The cell's text ("" outside the grid).
    QString cell(int row, int column) const;
    // The cell as a number; text that is not a number counts as 0.
    int count(int row, int column) const;

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

    bool operator==(const TallyRecord& other) const { return m_rows == other.m_rows; }

private:
    void addOne(int row, int column);

    QList<QStringList> m_rows;
};
