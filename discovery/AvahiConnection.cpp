#include "discovery/AvahiConnection.h"

#include <avahi-common/error.h>

namespace {

QString errorText(int error) { return QString::fromUtf8(avahi_strerror(error)); }

} // namespace

AvahiConnection::AvahiConnection(QObject* parent) : QObject(parent), m_poll(this)
{
    m_reconnect.setSingleShot(true);
    connect(&m_reconnect, &QTimer::timeout, this, [this] {
        dropClient();
        connectNow();
    });
}

AvahiConnection::~AvahiConnection()
{
    // The owners' objects go with the client; they hear lost() first so they forget them.
    if (m_client)
        emit lost();
    dropClient();
}

void AvahiConnection::open()
{
    if (m_status != Status::Closed)
        return;
    connectNow();
}

void AvahiConnection::close()
{
    m_reconnect.stop();
    if (m_client)
        emit lost();
    dropClient();
    setStatus(Status::Closed);
}

void AvahiConnection::dropClient()
{
    if (!m_client)
        return;
    AvahiClient* client = m_client;
    m_client = nullptr;
    avahi_client_free(client);
}

void AvahiConnection::connectNow()
{
    m_creating = true;
    // With NO_FAIL a bus without the daemon gives a client that waits, in the event
    // loop, for the daemon's name to appear; only a missing bus fails here.
    AvahiClient* client = avahi_client_new(m_poll.api(), AVAHI_CLIENT_NO_FAIL, &AvahiConnection::clientCallback, this, nullptr);
    m_creating = false;
    m_client = client;
    if (!client) {
        // Only a missing system bus gets here (avahi_client_new() calls it a missing daemon).
        setStatus(Status::NotRunning, QStringLiteral("the Avahi service is not running (no D-Bus system bus)"));
        m_reconnect.start(BusRetryMs);
    }
}

void AvahiConnection::clientCallback(AvahiClient* client, AvahiClientState state, void* self)
{
    static_cast<AvahiConnection*>(self)->onClientState(client, state);
}

void AvahiConnection::onClientState(AvahiClient* client, AvahiClientState state)
{
    // The first call comes from inside avahi_client_new(), before it has returned the
    // pointer: the one passed here is the one to use.
    if (!m_creating || state != AVAHI_CLIENT_FAILURE)
        m_client = client;
    switch (state) {
    case AVAHI_CLIENT_S_RUNNING:
        setStatus(Status::Running);
        break;
    case AVAHI_CLIENT_S_REGISTERING:
    case AVAHI_CLIENT_S_COLLISION:
        setStatus(Status::Registering);
        break;
    case AVAHI_CLIENT_CONNECTING:
        setStatus(Status::NotRunning, QStringLiteral("the Avahi service is not running"));
        break;
    case AVAHI_CLIENT_FAILURE: {
        // During avahi_client_new() a failure is its result: it frees the client itself
        // and returns null.
        if (m_creating)
            return;
        const int error = avahi_client_errno(client);
        emit lost();
        setStatus(Status::NotRunning, error == AVAHI_ERR_DISCONNECTED ? QStringLiteral("the Avahi service has stopped")
                                                                      : errorText(error));
        // A client that failed stays failed: a new one, made outside this callback, waits
        // for the daemon to come back. Right away after a daemon's restart; after a while
        // for anything else, so a persistent fault does not spin.
        m_reconnect.start(error == AVAHI_ERR_DISCONNECTED ? 0 : BusRetryMs);
        break;
    }
    }
}

void AvahiConnection::setStatus(Status status, const QString& problem)
{
    m_problem = status == Status::NotRunning ? problem : QString();
    if (status == m_status)
        return;
    m_status = status;
    emit statusChanged(status);
}
