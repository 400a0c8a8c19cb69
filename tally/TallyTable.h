#pragma once
// The tally record as a plain-text table for a terminal, in UTF-8: the own totals, then
// one row per followed opponent with the totals of the games played together. Control
// characters in names are shown as "\xNN" escapes.
#include "tally/TallyRecord.h"

#include <QByteArray>
#include <QByteArrayView>

#include <functional>

// Writes the table through one buffer of about 64 KiB, handing it to `out` whenever it
// fills and once at the end.
void writeTallyTable(const TallyRecord& record, const std::function<void(QByteArrayView)>& out);

// The whole table in one piece.
QByteArray tallyTable(const TallyRecord& record);
