#pragma once
// One connection to the Avahi daemon through libavahi-client, kept on the Qt event loop.
//
// open() never waits for a daemon: with no D-Bus system bus it reports NotRunning at once
// (and tries again every few seconds); with a bus but no daemon it reports NotRunning and
// goes on when the daemon appears. When the daemon stops or restarts, lost() says that
// everything made on the old client is being freed, and the connection starts afresh.
// Owners make their entry groups and browsers when the status becomes Running.
#include "discovery/AvahiPollAdapter.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <avahi-client/client.h>

class AvahiConnection : public QObject {
    Q_OBJECT
public:
    enum class Status {
        Closed,      // not opened, or closed
        NotRunning,  // no daemon, or no D-Bus system bus: see problem()
        Registering, // the daemon is (re)establishing its host name; entry groups must wait
        Running,     // client() may be used
    };
    Q_ENUM(Status)

    // How often a connection without a D-Bus system bus tries again.
    static constexpr int BusRetryMs = 10000;

    explicit AvahiConnection(QObject* parent = nullptr);
    ~AvahiConnection() override;

    void open();
    // Frees the client and everything made with it (after lost()).
    void close();

    Status status() const { return m_status; }
    // The client while the status is Registering or Running, else null.
    AvahiClient* client() const { return m_status == Status::Running || m_status == Status::Registering ? m_client : nullptr; }
    // Why the status is NotRunning, in a few words.
    QString problem() const { return m_problem; }

signals:
    void statusChanged(AvahiConnection::Status status);
    // The client is going, and every entry group, browser and resolver made with it goes
    // with it: forget them (do not free them). Emitted before the status changes.
    void lost();

private:
    static void clientCallback(AvahiClient* client, AvahiClientState state, void* self);
    void onClientState(AvahiClient* client, AvahiClientState state);
    void connectNow();
    void dropClient();
    void setStatus(Status status, const QString& problem = {});

    AvahiPollAdapter m_poll;
    AvahiClient* m_client = nullptr;
    bool m_creating = false;
    Status m_status = Status::Closed;
    QString m_problem;
    QTimer m_reconnect;
};
