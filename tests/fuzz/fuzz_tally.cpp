// The tally's plain layout as read from a file, and the table quillor-tally prints.
//
// Input: the plain layout as a decompressed tally file would hold it.
//
// Properties: what is read writes out as a layout that reads back to the same record
// (after one step, which turns line breaks inside cells into spaces and a "ÿ" into
// "?"); recording a game keeps that so; the printed table holds no control character
// other than its line ends.
#include "FuzzCheck.h"
#include "tally/TallyRecord.h"
#include "tally/TallyTable.h"

#include <cstdint>

namespace {

void checkStable(const TallyRecord& record)
{
    const QByteArray plain = record.toPlain();
    const std::optional<TallyRecord> again = TallyRecord::fromPlain(plain);
    FUZZ_CHECK(again.has_value());
    FUZZ_CHECK(again->toPlain() == plain);
    FUZZ_CHECK(again->rowCount() == record.rowCount());
}

void checkTable(const TallyRecord& record)
{
    const QString table = QString::fromUtf8(tallyTable(record));
    for (const QChar ch : table)
        FUZZ_CHECK(ch == QLatin1Char('\n') || ch.category() != QChar::Other_Control);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray plain = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    std::optional<TallyRecord> record = TallyRecord::fromPlain(plain);
    if (!record)
        return 0;
    FUZZ_CHECK(record->rowCount() >= 1);
    checkStable(*record);
    checkTable(*record);

    // A game against everybody followed, won by the first of them.
    const QStringList followed = record->followed();
    record->addgame(followed, followed.value(0), QStringLiteral("Me"));
    record->follow(QStringLiteral("Newcomer"));
    checkStable(*record);
    return 0;
}
