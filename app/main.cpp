// Quillor's entry point.
//
// Start-up order: the single-instance guard first (a second copy asks the first to
// show its window and ends before creating any window); then the application title;
// then the windows, in the order the game has always created them; then the event
// loop, until the main window closes.
#include "app/CommandLine.h"
#include "app/NamedMutex.h"
#include "app/ServeMode.h"
#include "app/SingleInstance.h"
#include "client/chatform.h"
#include "host/RandomSource.h"
#include "host/TServer.h"
#include "windows/aboutform.h"
#include "windows/gamestartform.h"
#include "windows/helpform.h"
#include "windows/spylistform.h"
#include "windows/tallylistform.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QMessageBox>
#include <QTextStream>

#include <csignal>

namespace {

// Brings the main window forward when another copy asked for it.
void bringForward(QWidget& window)
{
    if (window.isMinimized())
        window.showNormal();
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace

int main(int argc, char** argv)
{
    // A log line written into a pipe whose reader has gone must not end the program:
    // the write fails and is forgotten (sockets already send without the signal).
    std::signal(SIGPIPE, SIG_IGN);

    // The headless host needs no display: it must decide before any GUI object exists.
    if (serve::requested(argc, argv)) {
        QCoreApplication app(argc, argv);
        return serve::runFromArguments(app.arguments());
    }

    QApplication app(argc, argv);
    const CommandLine cmd = CommandLine::parse(app.arguments().mid(1));
    if (!cmd.ok()) {
        QTextStream(stderr) << "quillor: " << cmd.error << "\n" << CommandLine::usage();
        return 2;
    }
    if (cmd.help) {
        QTextStream(stdout) << CommandLine::usage();
        return 0;
    }
    if (cmd.version) {
        QTextStream(stdout) << Tabout::Version << "\n";
        return 0;
    }

    // 1. Only one copy per user session (per runtime folder).
    SingleInstance guard;
    if (!guard.claim())
        return 0;

    // 2. The application title.
    QApplication::setApplicationName(QStringLiteral("Quillor"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quillor"));
    QApplication::setQuitOnLastWindowClosed(false);

    // 3. The windows. The marker "agame" and the random generator the host draws from
    //    belong to the main window's creation.
    Tchat chat(cmd.params);
    NamedMutex gameMarker(GameClient::GameKey);
    SeededRandom random(static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch()));
    chat.client().port = cmd.port;

    const QString folder = QCoreApplication::applicationDirPath();
    TallyDialogs tallyDialogs;
    Ttallylist tally(folder, nullptr, tallyDialogs, GameClient::GameKey);
    Tabout about;
    Tgamestart gamestart;
    Thelp help;
    TServer server(nullptr, random, cmd.port);
    Tspylist spylist;

    Tchat::Windows windows;
    windows.tally = &tally;
    windows.about = &about;
    windows.gamestart = &gamestart;
    windows.help = &help;
    windows.spylist = &spylist;
    chat.setWindows(windows);
    chat.client().hooks.startHost = [&server] {
        server.startListening();
        return server.port();
    };

    QObject::connect(&guard, &SingleInstance::raiseRequested, &chat, [&chat] { bringForward(chat); });
    QObject::connect(&chat, &Tchat::closed, &app, &QCoreApplication::quit, Qt::QueuedConnection);

    // 4. Run until the main window closes.
    chat.show();
    return app.exec();
}
