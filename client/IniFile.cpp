#include "client/IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

IniWriteError::IniWriteError(const QString& path)
    : std::runtime_error(("Unable to write to " + QDir::toNativeSeparators(path)).toStdString())
{
}

IniDocument IniFile::read() const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return IniDocument::fromBytes(file.readAll());
}

void IniFile::update(const std::function<void(IniDocument&)>& edit) const
{
    IniDocument doc;
    const QFileInfo info(m_path);
    if (info.exists()) {
        QFile file(m_path);
        if (!info.isFile() || !info.isWritable() || !file.open(QIODevice::ReadOnly))
            throw IniWriteError(m_path);
        doc = IniDocument::fromBytes(file.readAll());
    }
    edit(doc);

    QSaveFile out(m_path);
    const QByteArray bytes = doc.toBytes();
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit())
        throw IniWriteError(m_path);
}

void IniFile::writeValue(QStringView section, QStringView key, const QString& value) const
{
    update([&](IniDocument& doc) { doc.setValue(section, key, value); });
}
