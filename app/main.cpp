// Quillor's entry point.
//
// Start-up order: the command line first, before any GUI object exists, so that help,
// the version and a wrong option need no display; then the single-instance guard (a
// second copy asks the first to show its window and ends before creating any window);
// then the application title; then the windows' language; then the main window, shown at
// once; once its first frame is on the screen, the application icon and the other windows
// and the host, in the order the game has always created them; then the event loop, until
// the main window closes.
#include "app/AppIdentity.h"
#include "app/CommandLine.h"
#include "app/DisplayCheck.h"
#include "app/NamedMutex.h"
#include "app/Relaunch.h"
#include "app/ServeMode.h"
#include "app/SingleInstance.h"
#include "headless/StopSignals.h"
#include "app/StorageFolder.h"
#include "client/PlayChoiceStore.h"
#include "client/ui/chatform.h"
#include "discovery/HostAnnouncement.h"
#include "host/RandomSource.h"
#include "host/TServer.h"
#include "net/GameConstants.h"
#include "client/SettingsFile.h"
#include "i18n/WindowLanguage.h"
#include "windows/PlayWithOthersDialog.h"
#include "windows/aboutform.h"
#include "windows/downloadform.h"
#include "windows/gamestartform.h"
#include "windows/helpform.h"
#include "windows/phrasesform.h"
#include "windows/spylistform.h"
#include "windows/tallylistform.h"
#include "widgets/DeferredIconStyle.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>

#include <csignal>
#include <cstdio>
#include <memory>
#include <vector>

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

// The download window's settings: the installer's URL, the lobby program and whether it
// shows at the start of a solo game, all from the shared settings file, and the folder
// the download goes to.
void configureDownload(Tdownload& download, SettingsFile& settings, const QString& programFolder)
{
    if (const QString url = settings.value(QStringLiteral("LobbyURL")); !url.isEmpty())
        download.setUrl(url);
    download.setLobbyProgram(settings.value(QStringLiteral("LobbyProgram")));
    download.setDownloadFolder(storageFolder(StoredFile::Download, programFolder));
    download.setShowAtStart(settings.value(Tdownload::ShowAtStartKey) != QLatin1String("false"));
    QObject::connect(&download, &Tdownload::showAtStartChanged, &settings, [&settings](bool show) {
        settings.setValue(Tdownload::ShowAtStartKey, show ? QStringLiteral("true") : QStringLiteral("false"));
    });
}

void print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

// The windows around the main one and the game host. The main window's first frame
// needs none of them, so they are made once it is on the screen, in the order the game
// has always created them, and live until the program ends.
class WindowsAndHost {
public:
    WindowsAndHost(Tchat& chat, SingleInstance& guard, RandomSource& random, quint16 port,
                   const QString& programFolder)
        : tally(storageFolder(StoredFile::Tally, programFolder), nullptr, tallyDialogs, GameClient::GameKey)
        , gamestart(chat.prefs())
        , server(nullptr, random, port)
        , playChoices(chat.settings()->path())
        , playWithOthers(playChoices)
        , relaunch(guard, QCoreApplication::applicationFilePath())
    {
        configureDownload(download, *chat.settings(), programFolder);

        Tchat::Windows windows;
        windows.tally = &tally;
        windows.makeAbout = [this] { return made(about); };
        windows.gamestart = &gamestart;
        windows.makeHelp = [this] { return made(help); };
        windows.spylist = &spylist;
        windows.download = &download;
        windows.playWithOthers = &playWithOthers;
        windows.makePhrases = [this, &chat] { return made(phrases, chat.prefs()); };
        chat.setWindows(windows);
        // The hosting player leads his own game, whoever else has come.
        server.setLeadRule(HostGame::LeadRule::HostingPlayer);
        chat.client().session.startHost = [this] {
            server.startListening();
            return server.port();
        };
        // Announced on the local network only once hosting for others (a solo game, also
        // played on this host, never is): no daemon is asked before.
        QObject::connect(&chat.client().session, &Session::hosting, &chat, [this, &chat](quint16) {
            announcing = true;
            announcement.start(discovery::gameNameFor(chat.client().ctx.state.playername));
        });
        // The hosting player learns under which name friends nearby find his game, or why
        // they do not; the dialog shows it beside his addresses.
        QObject::connect(&announcement, &HostAnnouncement::statusChanged, &chat, [this, &chat](const QString& text) {
            playWithOthers.setAnnouncement(text);
            const GameAnnouncer::State state = announcement.announcer().state();
            if (state == GameAnnouncer::State::Starting || state == GameAnnouncer::State::Stopped || text == toldAnnouncement)
                return;
            toldAnnouncement = text;
            // After the line with the addresses, which the host's start is followed by.
            QMetaObject::invokeMethod(&chat, [&chat, text] { chat.client().ctx.plainLine(text); }, Qt::QueuedConnection);
        });
        QObject::connect(&announcement.announcer(), &GameAnnouncer::logLine, &chat,
                         [](const QString& line) { qInfo("%s", qUtf8Printable(line)); });

        // "Play with Others" starts a new copy with the chosen parameters and ends this one
        // once the new copy has started.
        relaunch.stopHosting = [this] {
            hosted = server.isListening();
            reannounce = announcing;
            announcing = false;
            announcement.stop();
            server.stopListening();
        };
        relaunch.resumeHosting = [this] {
            try {
                if (hosted) {
                    server.startListening();
                    if (reannounce) {
                        announcing = true;
                        announcement.start(announcement.announcer().name());
                    }
                }
            } catch (const ESockException& e) {
                qWarning("cannot host again: %s", e.what());
            }
        };
        const auto notStarted = [&chat] {
            chat.client().ctx.systemLine(QCoreApplication::translate("main", "Could not start the new game."));
        };
        QObject::connect(&playWithOthers, &PlayWithOthersDialog::playRequested, &chat,
                         [this, notStarted](const QStringList& arguments) {
                             if (!relaunch.start(arguments))
                                 notStarted();
                         });
        QObject::connect(&relaunch, &Relaunch::started, &chat, &Tchat::leaveNow);
        QObject::connect(&relaunch, &Relaunch::failed, &chat, notStarted);
        QObject::connect(&playWithOthers, &PlayWithOthersDialog::saveFailed, &chat, [&chat](const QString& message) {
            if (chat.showError)
                chat.showError(message);
        });
        QObject::connect(&download, &Tdownload::exitRequested, &chat, &Tchat::Exit1Click);
        QObject::connect(&download, &Tdownload::playWithOthersRequested, &chat, &Tchat::playWithOthersRequested);
    }

private:
    // A window made when it is first opened (about, help, the phrase editor).
    template <typename Window, typename... Args>
    static Window* made(std::unique_ptr<Window>& window, Args&... args)
    {
        if (!window)
            window = std::make_unique<Window>(args...);
        return window.get();
    }

    TallyDialogs tallyDialogs;
    Ttallylist tally;
    std::unique_ptr<Tabout> about;
    Tdownload download;
    Tgamestart gamestart;
    std::unique_ptr<Thelp> help;
    std::unique_ptr<Tphrases> phrases;
    TServer server;
    HostAnnouncement announcement {server};
    QString toldAnnouncement;
    bool announcing = false; // the game is announced: a game hosted for others
    bool reannounce = false; // ... and is to be again if hosting resumes after a relaunch
    Tspylist spylist;
    PlayChoiceStore playChoices;
    PlayWithOthersDialog playWithOthers;
    Relaunch relaunch;
    bool hosted = false;
};

} // namespace

int main(int argc, char** argv)
{
    // A log line written into a pipe whose reader has gone must not end the program:
    // the write fails and is forgotten (sockets already send without the signal).
    std::signal(SIGPIPE, SIG_IGN);

    // The headless host is a program of its own, without the windowing libraries: this
    // process becomes it before any Qt object exists.
    if (serve::requested(argc, argv))
        return serve::handOver(argc, argv);

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
    // Without a display the toolkit would abort with messages of its own.
    const auto variable = [](const char* name) { return qEnvironmentVariable(name); };
    if (const auto missing = displaycheck::missingDisplay(variable, cmd.toolkitArguments)) {
        print(stderr, *missing + QLatin1Char('\n'));
        return 1;
    }

    // The toolkit sees only its own options: a positional parameter (a player's name such
    // as "-platform") is never read as one of them.
    std::vector<QByteArray> toolkitStorage{QByteArray(argv[0])};
    for (const QString& arg : cmd.toolkitArguments)
        toolkitStorage.push_back(arg.toLocal8Bit());
    std::vector<char*> toolkitArgv;
    for (QByteArray& arg : toolkitStorage)
        toolkitArgv.push_back(arg.data());
    toolkitArgv.push_back(nullptr);
    int toolkitArgc = int(toolkitStorage.size());
    QApplication app(toolkitArgc, toolkitArgv.data());

    // 1. Only one copy per user session (per runtime folder).
    SingleInstance guard;
    if (!guard.claim())
        return 0;

    // 2. The application title (its icon follows the first frame), and the style that reads
    //    the menu bar's unused pictures only if they are ever shown.
    setApplicationIdentity();
    DeferredIconStyle::install();
    QApplication::setQuitOnLastWindowClosed(false);

    // 3. The windows' language: the player's choice in the settings file, else the system's.
    //    Read before any window exists, since every window takes its texts when it is made.
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QString settingsFolder = storageFolder(StoredFile::Settings, programFolder);
    WindowTranslation translation;
    const QString language = windowlanguage::resolve(
        SettingsFile::storedValue(settingsFolder, GameClient::GameKey, windowlanguage::SettingsKey),
        QLocale::system().uiLanguages());
    if (!translation.install(language))
        qWarning("no translation of the windows into %s", qUtf8Printable(language));

    // 4. The main window; the others and the host once its first frame is on the screen.
    //    The marker "agame" and the random generator the host draws from belong to the
    //    main window's creation.
    Tchat chat(cmd.params);
    NamedMutex gameMarker(GameClient::GameKey);
    SeededRandom random(static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch()));
    chat.client().session.port = cmd.port;

    chat.keepSettingsIn(settingsFolder);
    std::unique_ptr<WindowsAndHost> around;
    QObject::connect(&chat, &Tchat::firstFrameShown, &chat, [&] {
        setApplicationIcon();
        around = std::make_unique<WindowsAndHost>(chat, guard, random, cmd.port, programFolder);
    });

    QObject::connect(&guard, &SingleInstance::raiseRequested, &chat, [&chat] { bringForward(chat); });
    QObject::connect(&chat, &Tchat::closed, &app, &QCoreApplication::quit, Qt::QueuedConnection);

    // SIGINT and SIGTERM (a logout, a kill) end the game as its Exit command does, so the
    // placement and the tally are kept, but without asking the hosting player first.
    StopSignals stop;
    QObject::connect(&stop, &StopSignals::stopRequested, &chat, &Tchat::leaveNow);

    // 5. Run until the main window closes.
    chat.show();
    return app.exec();
}
