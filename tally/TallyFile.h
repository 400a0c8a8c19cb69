#pragma once
// The tally record on disk: the plain layout compressed with the fast container, in
// the program's folder under the game key followed by "tally.tld".
//
// Reading decodes the file in memory. The plain layout is never written to the working
// directory: a save passes it through a private temporary folder, and writes the new
// compressed file beside the old one, replacing it only once complete: a failed save
// keeps the previous record.
#include "net/GameConstants.h"
#include "tally/TallyRecord.h"

#include <QString>

#include <stdexcept>

class TallyFileError : public std::runtime_error {
public:
    explicit TallyFileError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

class TallyFile {
public:
    static inline const QString DefaultGameKey = QString::fromLatin1(game::Key);
    // The largest plain layout a tally file may claim. A record of a thousand followed
    // players takes about 100 KB; a file that claims more than this is refused before
    // it is decompressed, so a small damaged or hostile file cannot fill memory or disk.
    static constexpr qint64 MaxPlainSize = 1024 * 1024;

    explicit TallyFile(QString path) : m_path(std::move(path)) {}
    // The tally file of a game key in a folder: folder + "/" + key + "tally.tld".
    static TallyFile in(const QString& folder, const QString& gameKey = DefaultGameKey);

    const QString& path() const { return m_path; }
    bool exists() const;

    // Reads the record as it was saved. A missing or damaged file raises TallyFileError
    // with the decompressor's message, or a message of its own when the content is not
    // a tally record.
    TallyRecord read() const;
    // The record at program start: as read(), but a missing file is an empty record
    // (the first run) and the counts for this run start at 0.
    TallyRecord load() const;
    // Writes the record; raises TallyFileError when that fails (the old file stays).
    void save(const TallyRecord& record) const;

private:
    QString m_path;
};
