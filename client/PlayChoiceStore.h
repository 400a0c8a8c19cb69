#pragma once
// Keeps the "Play with Others" choice in the shared settings file, in the game's own
// section ("agame"), under the keys "Playername", "Hostaddress", "Port" and "Hosting"
// ("true" or "false"). Missing or unreadable values give an empty name and address,
// port 7772 and joining.
#include "client/IniFile.h"
#include "client/PlayChoice.h"
#include "net/GameConstants.h"

class PlayChoiceStore {
public:
    static inline const QString Section = QString::fromLatin1(game::Key);
    static inline const QString NameKey = QStringLiteral("Playername");
    static inline const QString AddressKey = QStringLiteral("Hostaddress");
    static inline const QString PortKey = QStringLiteral("Port");
    static inline const QString HostingKey = QStringLiteral("Hosting");

    explicit PlayChoiceStore(QString iniPath) : m_file(std::move(iniPath)) {}

    const QString& path() const { return m_file.path(); }

    PlayChoice load() const;
    // Writes all four keys in one go, leaving the rest of the file as it was. Throws
    // IniWriteError ("Unable to write to ...") when the file cannot be written.
    void save(const PlayChoice& choice) const;

private:
    IniFile m_file;
};
