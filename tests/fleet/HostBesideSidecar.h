#pragma once
// A game host program run the way Agones runs it: beside a recording SDK server of the
// test, with AGONES_SDK_HTTP_PORT naming that server (or, to prove the calls stay off,
// without the variable). The host is a ServeProcess, its stderr collected as usual; the
// SDK server answers "{}" to every call unless the test sets other answers before the
// host makes its first call.
#include "common/LocalHttpServer.h"
#include "common/ServeProcess.h"

#include <memory>

namespace fleettest {

struct HostBesideSidecar {
    testutil::LocalHttpServer sidecar{false};
    std::unique_ptr<testutil::ServeProcess> host;
    bool sidecarUp = false;  // the SDK server listens

    HostBesideSidecar(bool withVariable, const QStringList& hostArguments, quint16 sidecarPort = 0)
    {
        sidecarUp = sidecar.listen(sidecarPort);
        sidecar.answer.body = "{}";
        // The host takes this process's environment as it starts; the variable is set only
        // for that moment.
        const char* name = "AGONES_SDK_HTTP_PORT";
        const bool had = qEnvironmentVariableIsSet(name);
        const QByteArray before = qgetenv(name);
        if (withVariable)
            qputenv(name, QByteArray::number(sidecar.port()));
        else
            qunsetenv(name);
        host = std::make_unique<testutil::ServeProcess>(hostArguments);
        if (had)
            qputenv(name, before);
        else
            qunsetenv(name);
    }
};

} // namespace fleettest
