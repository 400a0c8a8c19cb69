#pragma once
// The player's client without its window: the connection to the host, the table of
// host messages and their handlers, the login answer, and the start-up decision to host
// or to join. The main window owns one GameClient and shows what its parts hold; tests
// drive it directly.
#include "net/GameConstants.h"
#include "client/ChatterSound.h"
#include "client/ClientConnection.h"
#include "client/ClientContext.h"
#include "client/ScoreBoard.h"
#include "client/WordEntry.h"

#include <QObject>
#include <QStringList>
#include <functional>

class GameClient : public QObject {
    Q_OBJECT
public:
    static inline const QString GameKey = QString::fromLatin1(game::Key);
    static inline const QString DefaultVersion = QString::fromLatin1(game::Version);

    // What the client needs from the rest of the program.
    struct Hooks {
        // Switches the in-process game host's listener on and gives the port it listens
        // on; throws ESockException when the port cannot be taken.
        std::function<quint16()> startHost;
        // Shows the offer to download the lobby program (solo games).
        std::function<void()> showDownload;
        // Offers or withdraws "Remove From Game" in the spy list.
        std::function<void(bool hosting)> offerRemoval;
        // Shows a relayed chat or action line (the text after the command word).
        std::function<void(const QByteArray& rest)> chatrecieved;
    };

    explicit GameClient(QObject* parent = nullptr);

    ClientContext ctx;
    ClientConnection connection;
    ScoreBoard scoreboard;
    WordEntry words;
    ChatterSound chatter;
    Hooks hooks;

    // The version text reported at login (the about window's label).
    QString versionText = DefaultVersion;
    // The game port: where the own host listens and where joining connects.
    quint16 port = game::DefaultPort;

    // The lobby's command line: none (solo), or name, host address, "true" to host.
    void processparams(const QStringList& params);
    void hostpress();
    void joinpress();
    // Answers the host's login request with slot, version and name.
    void sendloginfo(FieldReader& fields);

signals:
    // The connection ended or the game is full: the window closes and the program ends.
    void closeRequested();

private:
    void registerHandlers();
    void loadboard(FieldReader& fields);
};
