// Quillor's entry point.
//
// Start-up order: the command line first, before any GUI object exists, so that help,
// the version and a wrong option need no display; then the single-instance guard (a
// second copy asks the first to show its window and ends before creating any window);
// then the application title; then the windows, in the order the game has always
// created them; then the event loop, until the main window closes.
#include "app/AppIdentity.h"
#include "app/CommandLine.h"
#include "app/NamedMutex.h"
#include "app/ServeMode.h"
#include "app/SingleInstance.h"
#include "app/StorageFolder.h"
#include "client/ui/chatform.h"
#include "host/RandomSource.h"
#include "host/TServer.h"
#include "net/GameConstants.h"
#include "windows/aboutform.h"
#include "windows/gamestartform.h"
#include "windows/helpform.h"
#include "windows/spylistform.h"
#include "windows/tallylistform.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>

#include <cstdio>

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

void print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

int main(int argc, char** argv)
{
    // The headless host needs no display: it must decide before any GUI object exists.
    if (serve::requested(argc, argv)) {
        QCoreApplication app(argc, argv);
        return serve::runFromArguments(app.arguments());
    }

    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const CommandLine cmd = CommandLine::parse(arguments);
    if (!cmd.ok()) {
        print(stderr, QStringLiteral("quillor: ") + cmd.error + QLatin1Char('\n') + CommandLine::usage());
        return 2;
    }
    if (cmd.help) {
        print(stdout, CommandLine::usage());
        return 0;
    }
    if (cmd.version) {
        print(stdout, QString::fromLatin1(game::Version) + QLatin1Char('\n'));
        return 0;
    }

    QApplication app(argc, argv);

    // 1. Only one copy per user session (per runtime folder).
    SingleInstance guard;
    if (!guard.claim())
        return 0;

    // 2. The application title.
    setApplicationIdentity();
    QApplication::setQuitOnLastWindowClosed(false);

    // 3. The windows. The marker "agame" and the random generator the host draws from
    //    belong to the main window's creation.
    Tchat chat(cmd.params);
    NamedMutex gameMarker(GameClient::GameKey);
    SeededRandom random(static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch()));
    chat.client().session.port = cmd.port;

    const QString programFolder = QCoreApplication::applicationDirPath();
    TallyDialogs tallyDialogs;
    Ttallylist tally(storageFolder(StoredFile::Tally, programFolder), nullptr, tallyDialogs, GameClient::GameKey);
    Tabout about;
    Tgamestart gamestart(chat.prefs());
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
    chat.client().session.startHost = [&server] {
        server.startListening();
        return server.port();
    };

    QObject::connect(&guard, &SingleInstance::raiseRequested, &chat, [&chat] { bringForward(chat); });
    QObject::connect(&chat, &Tchat::closed, &app, &QCoreApplication::quit, Qt::QueuedConnection);

    // 4. Run until the main window closes.
    chat.show();
    return app.exec();
}
