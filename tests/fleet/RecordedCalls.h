#pragma once
// What a recording SDK server of a test was asked, in the forms the tests compare.
#include "common/LocalHttpServer.h"

#include <QList>
#include <QStringList>

namespace fleettest {

// "METHOD path body" of every request, health pings left out or not.
inline QStringList calls(const testutil::LocalHttpServer& sidecar, bool withHealth = false)
{
    QStringList out;
    for (const testutil::LocalHttpServer::Request& r : sidecar.received) {
        if (withHealth || r.path != "/health")
            out.append(QString::fromUtf8(r.method + ' ' + r.path + ' ' + r.body));
    }
    return out;
}

// When each health ping arrived, in milliseconds of the server's clock.
inline QList<qint64> healthTimes(const testutil::LocalHttpServer& sidecar)
{
    QList<qint64> times;
    for (const testutil::LocalHttpServer::Request& r : sidecar.received) {
        if (r.path == "/health")
            times.append(r.atMs);
    }
    return times;
}

// The calls a game server makes once its port listens, before its first health ping.
inline QStringList startCalls(const char* players = "0")
{
    return {R"(PUT /alpha/player/capacity {"count":9})", R"(PUT /metadata/label {"key":"state","value":"waiting"})",
            QStringLiteral(R"(PUT /metadata/label {"key":"players","value":"%1"})").arg(QLatin1String(players)),
            "POST /ready {}"};
}

} // namespace fleettest
