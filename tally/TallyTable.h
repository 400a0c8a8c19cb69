#pragma once
// The tally record as a plain-text table for a terminal: the own totals, then one
// row per followed opponent with the totals of the games played together. Control
// characters in names are shown as "\xNN" escapes.
#include "tally/TallyRecord.h"

#include <QString>

QString tallyTable(const TallyRecord& record);
