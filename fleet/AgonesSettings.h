#pragma once
// Whether, and where, the host talks to an Agones SDK server.
//
// Agones starts every game server container with AGONES_SDK_HTTP_PORT set to the port of
// the SDK server that runs beside it; the variable alone switches the calls on. Outside a
// cluster "--agones" switches them on too (port 9358, Agones' default, unless the variable
// or "--agones=PORT" names another; the option's port wins), for trying the host against a
// local SDK server. "--agones-one-session" asks the fleet for a fresh server once the last
// player has left after a game was played; it changes nothing while the calls are off.
// Without the variable and without "--agones" nothing of this runs.
//
// The host's option table reads the two options; the host then does:
//     const AgonesSettings agones = AgonesSettings::read(environment, {given, port, oneSession});
//     if (!agones.ok()) { print agones.error and the usage; exit 2 }
#include <QProcessEnvironment>
#include <QString>

struct AgonesSettings {
    static constexpr quint16 kDefaultPort = 9358;
    static constexpr const char* kPortVariable = "AGONES_SDK_HTTP_PORT";

    // What the command line said.
    struct Options {
        bool agones = false;     // "--agones" was given
        quint16 port = 0;        // its PORT, 0 when none was given
        bool oneSession = false; // "--agones-one-session" was given
    };

    bool enabled = false;          // talk to the SDK server at all
    quint16 port = kDefaultPort;   // its HTTP port on localhost
    bool oneSession = false;       // one game per server: shut down when the last player leaves
    QString error;                 // why the settings could not be read; empty when fine

    bool ok() const { return error.isEmpty(); }

    // Reads the variable from `environment` and adds the options. An empty variable counts
    // as unset; one that is not a port from 1 to 65535 is an error.
    static AgonesSettings read(const QProcessEnvironment& environment, const Options& options);
};
