#pragma once
// The real network host on a free loopback port, with helpers for plain socket clients.
#include "RawClient.h"
#include "common/EventLoop.h"
#include "host/RandomSource.h"
#include "host/TServer.h"

#include <QStringList>
#include <memory>

namespace hosttest {

struct Host {
    SeededRandom random{99};
    TServer server{nullptr, random, 0};
    QStringList events;

    Host()
    {
        server.setEventLog([this](const QString& line) { events.append(line); });
        server.startListening();
    }
    quint16 port() const { return server.port(); }
};

// Connects and logs in; waits until the host has announced the player.
inline std::unique_ptr<RawClient> join(Host& host, int slot, const QByteArray& name)
{
    auto c = std::make_unique<RawClient>();
    if (!c->connectTo(host.port()) || !c->waitForMessage("CMD_sendlogininfo"))
        return nullptr;
    c->send("CMD_logininfo+" + QByteArray::number(slot) + "+1.0.4+" + name);
    if (!c->waitForMessage("CMD_newplayerinfo"))
        return nullptr;
    return c;
}

// Lets everything in flight arrive, then forgets what the clients have received.
inline void settle(std::initializer_list<RawClient*> clients)
{
    testutil::spin(100);
    for (RawClient* c : clients) {
        c->poll();
        c->clear();
    }
}

} // namespace hosttest
