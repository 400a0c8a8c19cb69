#include "tally/TallyTable.h"

#include "net/LogText.h"

#include <QList>
#include <QStringList>

#include <algorithm>

QString tallyTable(const TallyRecord& record)
{
    QString out;
    out += QStringLiteral("Total Games: %1\n").arg(record.count(0, TallyRecord::Games));
    out += QStringLiteral("Your Wins:   %1\n").arg(record.count(0, TallyRecord::HisWins));

    const QStringList names = record.followed();
    if (names.isEmpty()) {
        out += QStringLiteral("\nNo players are being tallied.\n");
        return out;
    }

    const QStringList headings = {QStringLiteral("Player"), QStringLiteral("Games"),
                                  QStringLiteral("His Wins"), QStringLiteral("Your Wins"),
                                  QStringLiteral("Neither Won")};
    QList<QStringList> rows;
    for (int line = 0; line < names.size(); ++line) {
        // A name may hold any byte a peer sent; none may reach the terminal as a control.
        QStringList row = {logtext::escapeControls(names[line])};
        for (int column = TallyRecord::Games; column <= TallyRecord::NeitherWon; ++column)
            row.append(QString::number(record.count(line + 1, column)));
        rows.append(row);
    }

    QList<int> widths;
    for (int c = 0; c < headings.size(); ++c) {
        int w = int(headings[c].size());
        for (const QStringList& row : rows)
            w = std::max(w, int(row[c].size()));
        widths.append(w);
    }
    auto format = [&](const QStringList& cells) {
        QString line = cells[0].leftJustified(widths[0]);
        for (int c = 1; c < cells.size(); ++c)
            line += QStringLiteral("  ") + cells[c].rightJustified(widths[c]);
        return line + QLatin1Char('\n');
    };
    out += QLatin1Char('\n') + format(headings);
    for (const QStringList& row : rows)
        out += format(row);
    return out;
}
