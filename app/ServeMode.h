#pragma once
// The headless game host: `quillor --serve [--port N]`.
//
// It runs only the game host (TServer), with no window and no display: main() creates
// a QCoreApplication, never a GUI application, before anything else and hands over
// here. One line per connection, login, game start, round end and winner goes to
// stderr, and so does every refused message. SIGINT and SIGTERM end the event loop;
// the host then closes its connections and the program exits with code 0.
//
// main() uses it like this, at its very top:
//     if (serve::requested(argc, argv)) {
//         QCoreApplication app(argc, argv);
//         return serve::runFromArguments(app.arguments());
//     }
#include <QStringList>

namespace serve {

// True when "--serve" is one of the arguments after the program name and before any "--".
bool requested(int argc, char** argv);

// Reads the rest of the command line ("--port N", nothing else) and runs the host.
// Prints a usage message and returns 2 for a bad command line.
int runFromArguments(const QStringList& arguments);

// Runs the host on `port` (0: any free port) until SIGINT or SIGTERM. Needs an
// existing QCoreApplication. Returns 0 after a signal, 1 when the port cannot be taken.
int runServe(quint16 port);

} // namespace serve
