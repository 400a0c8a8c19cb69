#pragma once
// One INI file on disk, opened for each read or write and released at once, since other
// programs share it. A write reads the file afresh, changes only the keys it names, and
// replaces the file in one step (a new file beside it, flushed and checked, then renamed
// over it: ReplacingFile), so a crash or a full disk never leaves a half-written file.
//
// A settings file is a few kilobytes. A file larger than MaxSize is no settings file (or
// one that something has filled): it is neither read, which would cost the program its
// memory, nor written over, which would destroy whatever it holds.
#include "client/IniDocument.h"

#include <QString>
#include <functional>
#include <stdexcept>

// A write that could not be made: "Unable to write to " and the file's path.
class IniWriteError : public std::runtime_error {
public:
    explicit IniWriteError(const QString& path);

protected:
    explicit IniWriteError(const std::string& message) : std::runtime_error(message) {}
};

// The file is larger than IniFile::MaxSize: it is not read as settings and not written.
class IniFileTooLarge : public IniWriteError {
public:
    explicit IniFileTooLarge(const QString& path);
};

class IniFile {
public:
    static constexpr qint64 MaxSize = 1024 * 1024;

    explicit IniFile(QString path) : m_path(std::move(path)) {}

    const QString& path() const { return m_path; }

    // The file's text; empty when the file does not exist, cannot be read or is too large.
    IniDocument read() const;
    // True when the file exists and is larger than MaxSize.
    bool tooLarge() const;

    // Applies `edit` to the file's present text and writes the result. Throws IniWriteError
    // when the file exists but cannot be read (writing would lose its other keys) or when the
    // new text cannot be written, IniFileTooLarge for a file too large to be settings; the
    // file is then unchanged.
    void update(const std::function<void(IniDocument&)>& edit) const;

    void writeValue(QStringView section, QStringView key, const QString& value) const;

private:
    QString m_path;
};
