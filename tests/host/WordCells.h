#pragma once
// The cells a plain client sends to find a round's word, from the host's own messages.
#include <QByteArray>
#include <QList>

namespace hosttest {

// Picks, for each letter of the word, some cell of the board that holds it: the host
// compares letters only. Takes the whole CMD_loadboard and CMD_theword texts; gives the
// "+x+y" pairs that follow "CMD_myword+SLOT".
inline QByteArray cellsSpelling(const QByteArray& loadboard, const QByteArray& theword)
{
    const QList<QByteArray> board = loadboard.split('+'); // CMD_loadboard, round, then triples
    const QList<QByteArray> word = theword.split('+');    // CMD_theword, then k, code pairs
    QByteArray cells;
    for (qsizetype i = 2; i < word.size(); i += 2) {
        for (qsizetype t = 2; t + 2 < board.size(); t += 3) {
            if (board[t + 2] == word[i]) {
                cells += "+" + board[t] + "+" + board[t + 1];
                break;
            }
        }
    }
    return cells;
}

} // namespace hosttest
