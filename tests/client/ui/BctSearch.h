#pragma once
// The board the keyboard tests search: every cell "a", except "b" "c" "t" along row 2
// from column 2, and the word "bct". Loading it again takes the last round's marks away.
#include "client/WordEntry.h"

namespace bctsearch {

inline void load(WordEntry& entry)
{
    QByteArray text = "1";
    for (int column = 1; column <= 10; ++column)
        for (int row = 1; row <= 9; ++row) {
            const int tile = row == 2 && column >= 2 && column <= 4 ? QByteArray("bct").at(column - 2) - 'a' + 1 : 1;
            text += '+' + QByteArray::number(column) + '+' + QByteArray::number(row) + '+' + QByteArray::number(tile);
        }
    FieldReader board(text);
    entry.loadboardCells(proto::LoadBoard::read(board).cells);
    FieldReader word("1+2+2+3+3+20");
    entry.theword(proto::TheWord::read(word));
}

} // namespace bctsearch
