#pragma once
// The dedicated host's side of an Agones game server: tells the SDK server beside it, over
// its HTTP interface on http://localhost:PORT, what the host does.
//
//   listening(port)      capacity 9 players, labels state=waiting and players=0, then
//                        ready; from then on a health ping every 2 seconds
//   playerJoined(s, n)   connect of the player ID made from slot and name (playerIdFor),
//                        label players=<count>
//   playerLeft(s, n)     disconnect of that ID, label players=<count>; in one-session mode,
//                        once a game has been played, the last one to leave brings what
//                        stopRequested() brings: shutdown, then stopped()
//   gameStarted()        label state=playing
//   gameEnded()          label state=waiting
//   stopRequested()      shutdown, then stopped() once it is answered or after 2 seconds
//
// The health ping comes from a timer of the event loop that runs the game: a loop that is
// stuck sends none, and Agones takes the server for unhealthy and replaces it. The calls go
// out one at a time, in order, with retries while the SDK server is not up (SdkQueue); a
// call that fails is logged (sparingly, through logLine) and never stops the game. With
// settings that are not enabled the object does nothing at all: no request, no timer, and
// stopRequested() gives stopped() at once, so the host can wire it unconditionally.
//
// The host program wires it like this (it owns both and runs one event loop):
//     AgonesSdk agones(settings);
//     connect(&agones, &AgonesSdk::logLine, log);
//     connect(&agones, &AgonesSdk::stopped, qApp, &QCoreApplication::quit);
//     after listening: agones.listening(host.port());
//     on each login / close of a logged-in slot / game start / winner: the matching slot;
//     on SIGTERM or SIGINT: agones.stopRequested() instead of quitting at once.
// (headless/HeadlessHost.cpp does this for quillor-host.)
#include "fleet/AgonesSettings.h"
#include "fleet/SdkQueue.h"

#include <QElapsedTimer>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

class AgonesSdk : public QObject {
    Q_OBJECT
public:
    static constexpr int kHealthIntervalMs = 2000;
    static constexpr int kStopWaitMs = 2000;
    // A call that has had no complete answer after this long counts as unanswered.
    static constexpr int kCallTimeoutMs = 3000;

    explicit AgonesSdk(const AgonesSettings& settings, QObject* parent = nullptr);
    ~AgonesSdk() override;

    bool enabled() const { return m_settings.enabled; }
    // Where the calls go: http://localhost:PORT (host and port can be changed for tests
    // before listening()).
    QUrl baseUrl() const { return m_base; }
    void setBaseUrl(const QUrl& url) { m_base = url; }
    // Logged-in players as reported by playerJoined and playerLeft.
    int players() const { return int(m_playerIds.size()); }
    bool shutdownRequested() const { return m_shutdown != Shutdown::None; }
    const SdkQueue& queue() const { return m_queue; }

public slots:
    void listening(quint16 gamePort);
    void playerJoined(int slot, const QString& name);
    void playerLeft(int slot, const QString& name);
    void gameStarted();
    void gameEnded();
    void stopRequested();

signals:
    // One line for the host's log.
    void logLine(const QString& line);
    // After stopRequested(): the shutdown call has been answered, or the wait for it is over.
    void stopped();

private:
    enum class Shutdown { None, Asked, Done };

    void send(const SdkRequest& request);
    void replyFinished(QNetworkReply* reply, const SdkRequest& request);
    void callFinished(const SdkRequest& request, bool done);
    void healthTick();
    void setPlayersLabel();
    void requestShutdown();
    void finishStop();

    AgonesSettings m_settings;
    QUrl m_base;
    QNetworkAccessManager* m_network = nullptr;  // made only when enabled
    QTimer m_health;
    QTimer m_retry;
    QTimer m_stopWait;
    QElapsedTimer m_clock;
    SdkQueue m_queue;
    QPointer<QNetworkReply> m_reply;
    QMap<int, QString> m_playerIds;  // slot -> player ID
    bool m_listening = false;
    bool m_gamePlayed = false;
    bool m_stopAsked = false;
    bool m_stopSignalled = false;
    Shutdown m_shutdown = Shutdown::None;
};
