#include "client/SoundBank.h"

#include "client/AudioPlugin.h"
#include "client/FilesBySuffix.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtDebug>
#include <memory>

SoundBank::SoundBank(const QString& folder)
    : SoundBank(folder, [plugin = std::make_shared<AudioPlugin>()](const QByteArray& bytes, const QString& name) {
        return plugin->decode(bytes, name);
    })
{
}

SoundBank::SoundBank(const QString& folder, AudioPlugin& plugin)
    : SoundBank(folder, [&plugin](const QByteArray& bytes, const QString& name) { return plugin.decode(bytes, name); })
{
}

SoundBank::SoundBank(const QString& folder, Decoder decoder) : m_decode(std::move(decoder))
{
    const QDir dir(folder);
    // In any letter case, so "BEEP.WAV" is found as well.
    const QStringList files = filesBySuffix(dir, u".wav", QDir::Files | QDir::Readable);
    for (const QString& file : files)
        m_files.insert(QFileInfo(file).completeBaseName().toLower(), dir.filePath(file));
}

QStringList SoundBank::names() const
{
    QStringList list = m_files.keys();
    list.sort();
    return list;
}

bool SoundBank::contains(const QString& name) const
{
    return m_files.contains(name.toLower());
}

SoundPtr SoundBank::find(const QString& name)
{
    const QString key = name.toLower();
    if (const auto it = m_decoded.constFind(key); it != m_decoded.constEnd())
        return it.value();
    const auto file = m_files.constFind(key);
    if (file == m_files.constEnd() || m_broken.contains(key))
        return nullptr;

    QFile in(file.value());
    std::optional<DecodedSound> sound;
    if (in.open(QIODevice::ReadOnly))
        sound = m_decode(in.readAll(), key);
    if (!sound) {
        qWarning("sound \"%s\" in %s cannot be decoded", qPrintable(key), qPrintable(file.value()));
        m_broken.insert(key);
        return nullptr;
    }
    auto shared = std::make_shared<const DecodedSound>(std::move(*sound));
    m_decoded.insert(key, shared);
    return shared;
}

void SoundBank::preload()
{
    for (auto it = m_files.constBegin(); it != m_files.constEnd(); ++it)
        find(it.key());
}
