#include "tally/TallyFile.h"

#include "storage/ReplacingFile.h"
#include "tally/LzError.h"
#include "tally/Lzrw1.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <new>

namespace {

const QString PlainName = QStringLiteral("tally.txt");

void requireValid(const QTemporaryDir& dir)
{
    if (!dir.isValid())
        throw TallyFileError(QStringLiteral("Tally : cannot create a temporary folder : ") + dir.errorString());
}

void configure(Tlzrw1& coder, const QString& input, const QString& output)
{
    coder.setCompressMode(TCompressMode::Fast);
    // The record is small, and loading and saving run inside event handlers (a
    // finished game, program end) that must not be re-entered.
    coder.setYieldsToEvents(false);
    coder.setInputFile(input);
    coder.setOutputFile(output);
    coder.setPlainSizeLimit(TallyFile::MaxPlainSize);
}

} // namespace

TallyFile TallyFile::in(const QString& folder, const QString& gameKey)
{
    return TallyFile(QDir(folder).filePath(gameKey + QStringLiteral("tally.tld")));
}

bool TallyFile::exists() const
{
    return QFileInfo::exists(m_path);
}

TallyRecord TallyFile::load() const
{
    if (!exists())
        return TallyRecord();
    TallyRecord record = read();
    record.startSession();
    return record;
}

TallyRecord TallyFile::read() const
{
    // Decoded in memory and read a block at a time as it is decoded: reading never puts
    // the plain record on disk, nor holds all of it at once.
    Tlzrw1 coder;
    configure(coder, m_path, QString());
    std::optional<TallyPlainReader> reader;
    std::optional<TallyRecord> record;
    try {
        coder.DecompressTo({[&reader](qint64 plainSize) { reader.emplace(plainSize); },
                            [&reader](QByteArrayView bytes) { reader->feed(bytes); }});
        record = reader->finish();
    } catch (const LzError& e) {
        throw TallyFileError(e.message());
    } catch (const std::bad_alloc&) {
        throw TallyFileError(QStringLiteral("Tally : not enough memory to read the record of : ") + m_path);
    }
    if (!record)
        throw TallyFileError(m_path + QStringLiteral(" : this file holds no tally record"));
    return std::move(*record);
}

void TallyFile::save(const TallyRecord& record) const
{
    const QTemporaryDir dir;
    requireValid(dir);
    const QString plainPath = dir.filePath(PlainName);
    // Checked like the file it becomes: a plain copy cut short by a full temporary folder
    // would be compressed into a short record and replace a good one.
    if (!ReplacingFile::replace(plainPath, record.toPlain()))
        throw TallyFileError(QStringLiteral("Tally : cannot write the record for : ") + m_path);
    Tlzrw1 coder;
    configure(coder, plainPath, m_path);
    try {
        coder.Compress();
    } catch (const LzError& e) {
        throw TallyFileError(e.message());
    }
}
