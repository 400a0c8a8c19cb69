#pragma once
// This player's session: the lobby's command line, hosting or joining, and the answer
// to the host's login request. It alone writes the session part of the client's state
// (name, address, slot, connected, hosting), and announces when this player becomes or
// stops being the game's leader.
#include "client/ClientContext.h"
#include "net/GameConstants.h"
#include "net/Protocol.h"

#include <QObject>
#include <QStringList>
#include <functional>

class ClientConnection;

class Session : public QObject {
    Q_OBJECT
public:
    static inline const QString DefaultVersion = QString::fromLatin1(game::Version);

    Session(ClientContext& context, ClientConnection& connection, QObject* parent = nullptr);

    // Switches the in-process game host's listener on and gives the port it listens on;
    // throws ESockException when the port cannot be taken.
    std::function<quint16()> startHost;

    // The version text reported at login (the about window's label).
    QString versionText = DefaultVersion;
    // The game port: where the own host listens and where joining connects.
    quint16 port = game::DefaultPort;

    // The lobby's command line: none (solo), or name, host address, "true" to host.
    void processparams(const QStringList& params);
    void hostpress();
    void joinpress();
    // Answers the host's login request with slot, version and name.
    void sendloginfo(const proto::SendLoginInfo& request);

signals:
    // A solo game offers the lobby program for download.
    void downloadOffered();
    // This player now leads the game (may start it, remove players), or no longer does.
    void leadershipChanged(bool leads);

private:
    ClientContext& m_context;
    ClientConnection& m_connection;
};
