#include "client/IniFile.h"

#include "storage/ReplacingFile.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

IniWriteError::IniWriteError(const QString& path)
    : std::runtime_error(("Unable to write to " + QDir::toNativeSeparators(path)).toStdString())
{
}

IniFileTooLarge::IniFileTooLarge(const QString& path)
    : IniWriteError(("The settings file " + QDir::toNativeSeparators(path)
                     + " is larger than 1 MiB, so it is not read as settings and is left as it is."
                       " The game uses its default settings and keeps no changes.")
                        .toStdString())
{
}

namespace {

// Up to `limit` bytes of an open file, in a buffer as large as the file rather than the
// limit (a settings file is a few kilobytes); a file that grows while it is read is read
// on, up to the limit.
QByteArray readAtMost(QFile& file, qint64 limit)
{
    QByteArray bytes = file.read(std::min(file.size(), limit));
    while (bytes.size() < limit) {
        const QByteArray more = file.read(std::min<qint64>(limit - bytes.size(), 4096));
        if (more.isEmpty())
            break;
        bytes += more;
    }
    return bytes;
}

} // namespace

IniDocument IniFile::read() const
{
    QFile file(m_path);
    if (tooLarge() || !file.open(QIODevice::ReadOnly))
        return {};
    // No more than a settings file may hold, even when the file grew meanwhile.
    return IniDocument::fromBytes(readAtMost(file, MaxSize));
}

bool IniFile::tooLarge() const
{
    const QFileInfo info(m_path);
    return info.isFile() && info.size() > MaxSize;
}

void IniFile::update(const std::function<void(IniDocument&)>& edit) const
{
    IniDocument doc;
    const QFileInfo info(m_path);
    if (info.exists()) {
        if (tooLarge())
            throw IniFileTooLarge(m_path);
        QFile file(m_path);
        if (!info.isFile() || !info.isWritable() || !file.open(QIODevice::ReadOnly))
            throw IniWriteError(m_path);
        const QByteArray bytes = readAtMost(file, MaxSize + 1);
        if (bytes.size() > MaxSize)
            throw IniFileTooLarge(m_path);
        doc = IniDocument::fromBytes(bytes);
    }
    edit(doc);

    QString reason;
    if (!ReplacingFile::replace(m_path, doc.toBytes(), &reason)) {
        qWarning().noquote() << "settings:" << reason;
        throw IniWriteError(m_path);
    }
}

void IniFile::writeValue(QStringView section, QStringView key, const QString& value) const
{
    update([&](IniDocument& doc) { doc.setValue(section, key, value); });
}
