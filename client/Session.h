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
    // What the chat and the status line say while the window connects.
    static inline const QString SoloWaitingText = QStringLiteral(QT_TRANSLATE_NOOP("Session", "Loading Solo Game..Please wait."));
    static inline const QString WaitingText = QStringLiteral(QT_TRANSLATE_NOOP("Session", "Loading Multi-player Game.. Please Wait."));
    // The status line when the command line names no game (one or two parameters).
    static inline const QString NoGameText = QStringLiteral(QT_TRANSLATE_NOOP("Session", "No game to join: choose Play with Others."));

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
    // After a failed attempt: hosts, or joins, again as the command line said.
    void retry();
    // Answers the host's login request with slot, version and name; when coming back
    // after a lost connection in another slot than the seat held, asks for the seat
    // first (CMD_rejoin).
    void sendloginfo(const proto::SendLoginInfo& request);
    // The host names the game's leader (CMD_leader).
    void leader(const proto::Leader& m);

    // The connection was lost: this player is not connected until he logs in again, and
    // then asks for the seat he held.
    void connectionLost();
    // Connects to the host once more, as when joining.
    void reconnect();
    // Back in the game: nothing more is asked for.
    void rejoined() { m_rejoinSeat = 0; }

signals:
    // A solo game offers the lobby program for download.
    void downloadOffered();
    // This player now leads the game (may start it, remove players), or no longer does.
    void leadershipChanged(bool leads);
    // The host named the slot that leads the game (0: nobody); `moved` when it named
    // another before.
    void leaderChanged(int slot, bool moved);
    // The host asks for the login of a client coming back after a lost connection:
    // whatever it knew of the players is out of date.
    void rejoining();

    // The window sets out to host or join; while it connects the status line says
    // `waitingText`.
    void attemptStarted(const QString& waitingText);
    // Hosting failed, or there is no game to join (`canRetry` false).
    void attemptFailed(const QString& reason, bool canRetry);
    // This computer hosts a game for others on `port` (not a solo game).
    void hosting(quint16 port);

private:
    enum class Mode { None, Host, Join };

    ClientContext& m_context;
    ClientConnection& m_connection;
    int m_rejoinSeat = 0;      // the seat held before the connection was lost
    bool m_rejoining = false;  // the next login request is the first since then

    Mode m_mode = Mode::None;
    QString m_waitingText;
    bool m_solo = false;
    quint16 m_listening = 0; // the port the own host listens on, once it does
};
