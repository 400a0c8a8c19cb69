#pragma once
// Replaces a file safely: the new content goes into a new file beside the old one, and
// only when every byte has been written, flushed to the disk and checked does the new
// file take the old one's name, in one rename. A failure anywhere (a full disk, a write,
// flush or sync error, a file shorter than what was written) removes the new file and
// leaves the old one exactly as it was.
//
// Nothing is held back in the program: each write goes to the system at once, so a disk
// that refuses it makes that write fail, not a later close whose result nobody reads
// (the way a buffered QSaveFile can rename an empty file over a good one).
//
// It is a write-only device, so code that writes into any QIODevice (a download, a coder)
// can write into it. A new file gets the old file's permissions, or the usual ones for a
// new file (0666 less the process's umask). A path that is a symbolic link replaces the
// file the link points to and keeps the link.
#include <QByteArray>
#include <QIODevice>
#include <QString>

class ReplacingFile : public QIODevice {
    Q_OBJECT
public:
    explicit ReplacingFile(const QString& path = {}, QObject* parent = nullptr);
    // An uncommitted new file is removed; the old one stays.
    ~ReplacingFile() override;

    // The file to replace. Changing it is only possible while closed.
    const QString& fileName() const { return m_path; }
    void setFileName(const QString& path);

    // Creates the new file beside the old one. Only QIODevice::WriteOnly is taken (with or
    // without Truncate and Unbuffered): the new content always starts empty.
    bool open(OpenMode mode = WriteOnly) override;
    // Flushes and syncs the new file, checks its size against what was written, and
    // renames it over the old one. False, with the new file removed and the old file
    // untouched, when any step fails or a write failed before; errorString() says why.
    bool commit();
    // Drops the new file; the old one stays as it was.
    void cancelWriting();
    // The same as cancelWriting: only commit() replaces the old file.
    void close() override;

    // Bytes written into the new file so far.
    qint64 written() const { return m_written; }
    bool isSequential() const override { return true; }

    // Replaces the file at `path` with `bytes`. False when it could not; `error` then
    // holds the reason and the old file is as it was.
    static bool replace(const QString& path, const QByteArray& bytes, QString* error = nullptr);

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    bool fail(const QString& what, int error);
    void removeNewFile();

    QString m_path;
    QByteArray m_target;  // the file renamed over, symbolic links followed
    QByteArray m_newFile; // the new file beside it while open
    int m_fd = -1;
    qint64 m_written = 0;
    bool m_failed = false;
};
