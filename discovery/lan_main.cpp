// quillor-lan: the games on this network, by hand.
//
//     quillor-lan [--wait SECONDS]        lists the games announced, then ends
//     quillor-lan --announce NAME [--port N] [--players N] [--spectators N] [--playing]
//                 [--lead NAME] [--game-version TEXT]
//                                         announces a made-up game until interrupted
#include "discovery/GameAnnouncer.h"
#include "discovery/GameBrowser.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

namespace {

void print(FILE* to, const QString& line) { std::fprintf(to, "%s\n", qUtf8Printable(line)); }

int list(int waitSeconds)
{
    GameBrowser browser;
    QObject::connect(&browser, &GameBrowser::logLine, [](const QString& line) { print(stderr, line); });
    browser.start();
    if (!browser.statusText().isEmpty()) {
        print(stderr, browser.statusText());
        return 1;
    }
    // Games resolve a little after the daemon has named them: give them the time asked for.
    QTimer::singleShot(waitSeconds * 1000, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
    if (!browser.statusText().isEmpty()) {
        print(stderr, browser.statusText());
        return 1;
    }
    for (const FoundGame& game : browser.games()) {
        QString line = QStringLiteral("%1\t%2\t%3\t%4 port %5\tversion %6")
                           .arg(game.name, game.record.playersText(), game.record.stateText(), game.address())
                           .arg(game.port)
                           .arg(game.record.version);
        if (!game.record.leader.isEmpty())
            line += QStringLiteral("\tled by ") + game.record.leader;
        print(stdout, line);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Lists the Quillor games on this network, or announces one."));
    parser.addHelpOption();
    const QCommandLineOption wait(QStringLiteral("wait"), QStringLiteral("Seconds to listen before listing (3)."),
                                  QStringLiteral("seconds"), QStringLiteral("3"));
    const QCommandLineOption announce(QStringLiteral("announce"), QStringLiteral("Announce a game of this name."), QStringLiteral("name"));
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("Its port (7772)."), QStringLiteral("port"), QStringLiteral("7772"));
    const QCommandLineOption players(QStringLiteral("players"), QStringLiteral("Seated players."), QStringLiteral("n"), QStringLiteral("0"));
    const QCommandLineOption spectators(QStringLiteral("spectators"), QStringLiteral("Spectators."), QStringLiteral("n"), QStringLiteral("0"));
    const QCommandLineOption playing(QStringLiteral("playing"), QStringLiteral("A game is running."));
    const QCommandLineOption lead(QStringLiteral("lead"), QStringLiteral("The leader's name."), QStringLiteral("name"));
    const QCommandLineOption version(QStringLiteral("game-version"), QStringLiteral("Another version to claim."), QStringLiteral("text"));
    parser.addOptions({wait, announce, port, players, spectators, playing, lead, version});
    parser.process(app);

    if (!parser.isSet(announce))
        return list(qBound(0, parser.value(wait).toInt(), 600));

    GameRecord record = GameRecord::ours();
    record.players = parser.value(players).toInt();
    record.spectators = parser.value(spectators).toInt();
    record.state = parser.isSet(playing) ? GameRecord::State::Playing : GameRecord::State::Waiting;
    record.leader = parser.value(lead);
    if (parser.isSet(version))
        record.version = parser.value(version);
    const uint portNumber = parser.value(port).toUInt();
    if (portNumber == 0 || portNumber > 65535) {
        print(stderr, QStringLiteral("quillor-lan: the port must be 1 to 65535"));
        return 2;
    }
    GameAnnouncer announcer;
    QObject::connect(&announcer, &GameAnnouncer::logLine, [](const QString& line) { print(stderr, line); });
    announcer.start(parser.value(announce), quint16(portNumber), record);
    return QCoreApplication::exec();
}
