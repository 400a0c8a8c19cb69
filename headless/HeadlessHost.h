#pragma once
// The dedicated game host: the game host (TServer) without any window or display, its
// log on stderr, and SIGINT and SIGTERM to end it cleanly.
//
// One line per connection, login, game start, round end and winner goes to stderr
// ("quillor host: ..."), and so does every refused message. A signal ends the event
// loop; the host then closes its connections.
//
// With Agones switched on (fleet/AgonesSettings.h) the host also reports to the SDK
// server beside it: ready once the port listens, a health ping every 2 seconds, players
// in and out, the game's state; a signal asks the SDK server for shutdown first and ends
// the host once that is answered (at most 2 seconds later; a second signal ends it at
// once), and so does, with --agones-one-session, the last player leaving after a game.
//
// quillor-host's main() reads the options and hands them here:
//     QCoreApplication app(argc, argv);
//     return runHeadlessHost(options, agones);
// Unless --no-announce is given, the host is announced on the local network (DNS-SD
// through the Avahi daemon, discovery/HostAnnouncement.h) as --name or the machine's
// host name, and withdrawn when it stops.
//
// What a new option switches on is wired in runHeadlessHost().
#include "fleet/AgonesSettings.h"
#include "headless/HostOptions.h"

// Runs the host until SIGINT or SIGTERM. Needs an existing QCoreApplication. Returns 0
// after a signal, 1 when the port cannot be taken.
int runHeadlessHost(const HostOptions& options, const AgonesSettings& agones);

// Writes one line of the host's log to stderr. A line that cannot be written (a pipe
// nobody reads any more, a full disk) is dropped; later lines are tried again.
void logHostLine(const QString& line);
