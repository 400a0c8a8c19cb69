#include "client/PlayChoiceStore.h"

PlayChoice PlayChoiceStore::load() const
{
    const IniDocument ini = m_file.read();
    PlayChoice c;
    c.name = ini.value(Section, NameKey).value_or(QString());
    c.address = ini.value(Section, AddressKey).value_or(QString());
    bool ok = false;
    const uint port = ini.value(Section, PortKey).value_or(QString()).toUInt(&ok);
    if (ok && port >= 1 && port <= 65535)
        c.port = static_cast<quint16>(port);
    c.host = ini.value(Section, HostingKey) == QStringLiteral("true");
    return c;
}

void PlayChoiceStore::save(const PlayChoice& choice) const
{
    m_file.update([&choice](IniDocument& ini) {
        ini.setValue(Section, NameKey, choice.name.trimmed());
        ini.setValue(Section, AddressKey, choice.address.trimmed());
        ini.setValue(Section, PortKey, QString::number(choice.port));
        ini.setValue(Section, HostingKey, choice.host ? QStringLiteral("true") : QStringLiteral("false"));
    });
}
