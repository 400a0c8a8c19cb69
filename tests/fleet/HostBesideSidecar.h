#pragma once
// A game host program run the way Agones runs it: beside a recording SDK server of the
// test, with AGONES_SDK_HTTP_PORT naming that server (or, to prove the calls stay off,
// without the variable). The host is a ServeProcess (`quillor --serve`, which becomes
// quillor-host), its stderr collected as usual; the SDK server answers "{}" to every call
// unless the test sets other answers before the host makes its first call. Made with
// `Sidecar::Later`, the SDK server has its port but takes no connection until the test
// calls comeUp(), as a server that starts after the game.
#include "common/LocalHttpServer.h"
#include "common/ServeProcess.h"
#include "host/RawClient.h"

#include <memory>

namespace fleettest {

struct HostBesideSidecar {
    enum class Sidecar { Now, Later };

    testutil::LocalHttpServer sidecar{false};
    std::unique_ptr<testutil::ServeProcess> host;
    bool sidecarUp = false;  // the SDK server listens
    quint16 sidecarPort = 0;

    HostBesideSidecar(bool withVariable, const QStringList& hostArguments, Sidecar start = Sidecar::Now)
    {
        sidecarUp = sidecar.listen(0);
        sidecarPort = sidecar.port();
        if (start == Sidecar::Later) {
            sidecar.close();
            sidecarUp = false;
        }
        sidecar.answer.body = "{}";
        // The host takes this process's environment as it starts; the variable is set only
        // for that moment.
        const char* name = "AGONES_SDK_HTTP_PORT";
        const bool had = qEnvironmentVariableIsSet(name);
        const QByteArray before = qgetenv(name);
        if (withVariable)
            qputenv(name, QByteArray::number(sidecarPort));
        else
            qunsetenv(name);
        host = std::make_unique<testutil::ServeProcess>(hostArguments);
        if (had)
            qputenv(name, before);
        else
            qunsetenv(name);
    }

    bool comeUp() { return sidecarUp = sidecar.listen(sidecarPort); }

    // Connects a player to the host and logs him in under `name` (wire bytes) in the slot
    // the host gives; false when any step does not happen in time.
    bool join(hosttest::RawClient& player, const QByteArray& name)
    {
        if (!player.connectTo(host->port()) || !player.waitForMessage("CMD_sendlogininfo"))
            return false;
        player.send("CMD_logininfo+" + player.givenSlot() + "+1.0.4+" + name);
        return player.waitForMessage("CMD_newplayerinfo");
    }
};

} // namespace fleettest
