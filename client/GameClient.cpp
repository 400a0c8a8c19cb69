#include "client/GameClient.h"

#include "client/JoinAddresses.h"
#include "net/FieldChecks.h"

GameClient::GameClient(QObject* parent)
    : QObject(parent)
    , session(ctx, connection)
    , turn(ctx)
    , clock(ctx)
    , commands(ctx, seats, turn)
    , game(ctx, prefs, seats, status, clock, turn)
    , words(ctx, turn)
    , chatter(ctx, prefs, seats)
    , chatSender(ctx, prefs)
    , phrases(ctx, prefs)
    , review(ctx, seats, meanings)
    , summary(ctx, seats)
{
    ctx.out.send = [this](const Message& m) { connection.send(m); };
    // A phrase needs to know when there is no socket yet: it sends on the socket itself.
    phrases.send = [this](const Message& m) { connection.sock().Send(m.bytes()); };

    // The board and the scoreboard talk through signals: a new search clears the picks,
    // a sent word or a clock at zero ends picking, a round's end shows where the word lay.
    connect(&turn, &TurnState::searchStarted, &words, &WordEntry::newSearch);
    connect(&words, &WordEntry::wordSent, &turn, &TurnState::wordSent);
    connect(&clock, &TurnClock::ranOut, &turn, &TurnState::endPicking);
    connect(&game, &GameMessages::wordRevealed, &words, &WordEntry::reveal);
    connect(&game, &GameMessages::ownArrival, &prefs, &Preferences::requestLoad);
    connect(&session, &Session::leadershipChanged, &status, &RoundStatus::setStartOffered);
    connect(&connection, &ClientConnection::socketClosed, this,
            [this](bool lost) { end(lost ? ConnectionLostText : HostEndedText); });
    connect(&connection, &ClientConnection::connectFailed, this,
            [this](const QString& host, const QString& port, const QString& reason) {
                const QString failure = QStringLiteral("Could not connect to %1 port %2: %3.").arg(host, port, reason);
                ctx.plainLine(failure); // an IPv6 address holds colons
                attempt.fail(failure);
            });
    connect(&session, &Session::attemptStarted, &attempt, &ConnectAttempt::start);
    // The hosting player is told what to give his friends.
    connect(&session, &Session::hosting, this, [this](quint16 port) {
        ctx.plainLine(joinaddresses::friendsText(joinaddresses::reachable(joinaddresses::ofThisComputer()), port));
    });
    connect(&session, &Session::attemptFailed, &attempt, &ConnectAttempt::fail);
    connect(&connection, &ClientConnection::floodClosed, this, [this] {
        ctx.systemLine(QStringLiteral("The host sent more messages than this game could keep up with, "
                                      "so the connection was closed."));
    });
    review.follow(game, words);
    summary.follow(review);
    registerHandlers();
}

void GameClient::registerHandlers()
{
    using namespace proto;
    Dispatcher& d = connection.dispatcher();
    GameMessages* g = &game;
    d.on<SendLoginInfo>([this](const SendLoginInfo& m) {
        session.sendloginfo(m);
        attempt.succeed();
    });
    // Chat and action lines reach the chat pane the same way.
    d.on<ChatRelay>([this](const ChatRelay& m) { emit chatrecieved(m.text); });
    d.on<ActionRelay>([this](const ActionRelay& m) { emit chatrecieved(m.text); });
    d.on<NewPlayerInfo>([g](const NewPlayerInfo& m) { g->newplayerinfo(m); });
    d.on<ExistingPlayers>([g](const ExistingPlayers& m) { g->newplayerinfo(NewPlayerInfo{m.slot, m.name}); });
    d.on<HaveWrongVersion>([this](const HaveWrongVersion& m) {
        ctx.systemLine(fieldchecks::text(m.name) + QStringLiteral(" has a different version of the game then you."));
    });
    d.on<WrongVersion>([this](const WrongVersion&) {
        ctx.systemLine(QStringLiteral("You have a differnt version of the game then the host."));
    });
    d.on<PlayerDisconnected>([g](const PlayerDisconnected& m) { g->playerdisconnected(m); });
    d.on<StartGame>([g](const StartGame& m) { g->startthegame(m); });
    d.on<NextPlayer>([g](const NextPlayer& m) { g->getnextplayer(m); });
    d.on<Winner>([g](const Winner& m) { g->winner(m); });
    d.on<Full>([this](const Full&) {
        connection.finish();
        end(GameFullText);
    });
    d.on<JustWatching>([g](const JustWatching& m) { g->justwatching(m); });
    d.on<TheWord>([this, g](const TheWord& m) {
        words.theword(m);
        g->theword(m);
    });
    d.on<LoadBoard>([this, g](const LoadBoard& m) {
        words.loadboardCells(m.cells);
        g->loadboardRound(m);
    });
    d.on<HeFoundIt>([g](const HeFoundIt& m) { g->hefoundit(m); });
    d.on<NoMatch>([g](const NoMatch& m) { g->nomatch(m); });
    d.on<OutOfTime>([g](const OutOfTime& m) { g->outoftime(m); });
    d.on<RoundOver>([g](const RoundOver& m) { g->roundover(m); });
    d.on<LoadStats>([g](const LoadStats& m) { g->loadstats(m); });
    d.on<PlayASound>([this](const PlayASound& m) { chatter.playasound(m); });
}

void GameClient::end(const QString& reason)
{
    if (m_ended)
        return;
    m_ended = true;
    emit closeRequested(reason);
}
