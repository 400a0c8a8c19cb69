#pragma once
// One INI file on disk, opened for each read or write and released at once, since other
// programs share it. A write reads the file afresh, changes only the keys it names, and
// replaces the file in one step (a new file beside it, renamed over it), so a crash or a
// full disk never leaves a half-written file behind.
#include "client/IniDocument.h"

#include <QString>
#include <functional>
#include <stdexcept>

// A write that could not be made: "Unable to write to " and the file's path.
class IniWriteError : public std::runtime_error {
public:
    explicit IniWriteError(const QString& path);
};

class IniFile {
public:
    explicit IniFile(QString path) : m_path(std::move(path)) {}

    const QString& path() const { return m_path; }

    // The file's text; empty when the file does not exist or cannot be read.
    IniDocument read() const;

    // Applies `edit` to the file's present text and writes the result. Throws IniWriteError
    // when the file exists but cannot be read (writing would lose its other keys) or when the
    // new text cannot be written; the file is then unchanged.
    void update(const std::function<void(IniDocument&)>& edit) const;

    void writeValue(QStringView section, QStringView key, const QString& value) const;

private:
    QString m_path;
};
