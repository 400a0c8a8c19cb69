#include "tally/TallyRecord.h"

#include "net/Wire.h"

#include <QSet>

namespace {

QStringList zeroRow(const QString& first)
{
    QStringList row(TallyRecord::Columns, QStringLiteral("0"));
    row[0] = first;
    return row;
}

// A cell must stay on its own line of the plain layout.
QString oneLine(QString text)
{
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

} // namespace

TallyRecord::TallyRecord()
{
    m_rows.append(zeroRow(QStringLiteral("0")));
}

QString TallyRecord::cell(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= Columns)
        return {};
    return m_rows[row][column];
}

int TallyRecord::count(int row, int column) const
{
    bool ok = false;
    const int value = cell(row, column).trimmed().toInt(&ok);
    return ok ? value : 0;
}

QStringList TallyRecord::followed() const
{
    QStringList names;
    for (int row = 1; row < rowCount(); ++row)
        names.append(m_rows[row][Name]);
    return names;
}

int TallyRecord::indexOfFollowed(const QString& name) const
{
    for (int row = 1; row < rowCount(); ++row) {
        if (m_rows[row][Name].compare(name, Qt::CaseInsensitive) == 0)
            return row - 1;
    }
    return -1;
}

bool TallyRecord::follow(const QString& name)
{
    if (name.isEmpty() || indexOfFollowed(name) >= 0)
        return false;
    m_rows.append(zeroRow(oneLine(name)));
    return true;
}

void TallyRecord::drop(int line)
{
    const int row = line + 1;
    if (row >= 1 && row < rowCount())
        m_rows.removeAt(row);
}

void TallyRecord::reset()
{
    m_rows.resize(1);
    for (int column = 1; column <= NeitherWon; ++column)
        m_rows[0][column] = QStringLiteral("0");
}

void TallyRecord::startSession()
{
    for (int row = 1; row < rowCount(); ++row) {
        for (int column = Games + SessionOffset; column < Columns; ++column)
            m_rows[row][column] = QStringLiteral("0");
    }
}

void TallyRecord::addOne(int row, int column)
{
    m_rows[row][column] = QString::number(count(row, column) + 1);
}

void TallyRecord::addgame(const QStringList& opponents, const QString& winner, const QString& ownName)
{
    const bool iWon = winner == ownName;
    addOne(0, Games);
    if (iWon)
        addOne(0, HisWins);

    QSet<int> counted;
    for (const QString& name : opponents) {
        if (name == EmptySeat)
            continue;
        const int line = indexOfFollowed(name);
        if (line < 0 || counted.contains(line))
            continue;
        counted.insert(line);
        const int row = line + 1;
        for (int column = Games; column < Columns; ++column) {
            if (m_rows[row][column].isEmpty())
                m_rows[row][column] = QStringLiteral("0");
        }
        int column = NeitherWon;
        if (iWon)
            column = MyWins;
        else if (m_rows[row][Name] == winner)
            column = HisWins;
        for (int c : {int(Games), column}) {
            addOne(row, c);
            addOne(row, c + SessionOffset);
        }
    }
}

QByteArray TallyRecord::toPlain() const
{
    const QByteArray eol("\r\n");
    QByteArray out;
    out += QByteArray::number(Columns) + eol;
    out += QByteArray::number(rowCount()) + eol;
    for (int column = 0; column < Columns; ++column) {
        for (int row = 0; row < rowCount(); ++row)
            out += wire::toWire(oneLine(m_rows[row][column])) + eol;
    }
    return out;
}

std::optional<TallyRecord> TallyRecord::fromPlain(const QByteArray& plain)
{
    // Lines are taken one at a time instead of splitting the whole text first: a
    // damaged file of nothing but line ends must not become millions of empty lines.
    qsizetype pos = 0;
    const auto nextLine = [&plain, &pos] {
        qsizetype end = plain.indexOf('\n', pos);
        if (end < 0)
            end = plain.size();
        QByteArray line = plain.mid(pos, end - pos);
        if (line.endsWith('\r'))
            line.chop(1);
        pos = end + 1;
        return line;
    };
    const qint64 lineCount = plain.count('\n') + 1;
    if (lineCount < 2)
        return std::nullopt;

    bool columnsOk = false;
    bool rowsOk = false;
    const int columns = nextLine().trimmed().toInt(&columnsOk);
    const int rows = nextLine().trimmed().toInt(&rowsOk);
    if (!columnsOk || !rowsOk || columns != Columns || rows < 1)
        return std::nullopt;
    // Checked before sizing anything, so a huge row count costs nothing.
    if (lineCount - 2 < qint64(rows) * Columns)
        return std::nullopt;

    TallyRecord record;
    record.m_rows = QList<QStringList>(rows, QStringList(Columns));
    for (int column = 0; column < Columns; ++column) {
        for (int row = 0; row < rows; ++row)
            record.m_rows[row][column] = wire::fromWire(nextLine());
    }
    return record;
}
