#include "client/GameClient.h"

#include "client/JoinAddresses.h"
#include "net/FieldChecks.h"

#include <utility>

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
    connect(&connection, &ClientConnection::socketClosed, this, &GameClient::connectionEnded);
    connect(&connection, &ClientConnection::connectFailed, this,
            [this](const QString& host, const QString& port, const QString& reason) {
                // While trying to get back, a failed attempt is only the next wait.
                if (reconnection.active())
                    return;
                const QString failure = tr("Could not connect to %1 port %2: %3.").arg(host, port, reason);
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
        ctx.systemLine(tr("The host sent more messages than this game could keep up with, "
                          "so the connection was closed."));
    });
    connect(&session, &Session::leaderChanged, this, [this](int slot, bool moved) {
        seats.setLeader(slot);
        // Everybody learns who starts the games from now on.
        if (!moved || !game::isSeat(slot))
            return;
        if (slot == ctx.state.myslot)
            ctx.systemLine(tr("You lead the game now; you start the next game."));
        else if (!seats.isEmpty(slot))
            ctx.systemLine(tr("%1 leads the game now.").arg(seats.seat(slot).name));
    });
    commands.lastOptions = [this] { return game.lastOptions(); };
    commands.lastLanguage = [this] { return status.language(); };
    review.follow(game, words);
    summary.follow(review);
    registerHandlers();
    wireReconnection();
}

void GameClient::wireReconnection()
{
    reconnection.connect = [this] {
        m_hostClosing = false;
        session.reconnect();
    };
    connect(&reconnection, &Reconnection::gaveUp, this, [this](const QString& reason) {
        status.setReconnecting(false);
        connection.finish();
        end(reason);
    });
    // Whoever sat where is told afresh on the way back in.
    connect(&session, &Session::rejoining, this, [this] {
        seats.vacateAll();
        emit spectatorsCleared();
    });
    connect(&game, &GameMessages::ownArrival, this, [this] {
        if (!reconnection.active())
            return;
        reconnection.succeeded();
        session.rejoined();
        m_backInGame = true;
        status.setReconnecting(false);
        status.setStatus(tr(qUtf8Printable(BackText)));
        ctx.systemLine(tr(qUtf8Printable(BackText)));
    });
}

void GameClient::connectionEnded(bool lost)
{
    const QString reason = tr(qUtf8Printable(lost ? ConnectionLostText : HostEndedText));
    if (reconnection.active()) {
        // An attempt that got through and was closed again; the next one follows, unless
        // the host closed it on purpose.
        if (m_hostClosing)
            reconnection.cancel();
        return;
    }
    const ClientState& st = ctx.state;
    // Only a host that names the leader keeps seats and says when it closes on purpose.
    if (m_hostClosing || st.ishost || !st.connected || !st.leaderKnown) {
        end(reason);
        return;
    }
    session.connectionLost();
    turn.endPicking();
    turn.hideClear();
    // Nothing is counted while away: the clock waits, greyed, for the next turn.
    clock.waitForTurn();
    status.setReconnecting(true);
    status.setStatus(tr(qUtf8Printable(ReconnectingText)));
    ctx.systemLine(tr(qUtf8Printable(ReconnectingText)));
    reconnection.start(reason);
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
        ctx.systemLine(tr("%1 has a different version of the game then you.").arg(fieldchecks::text(m.name)));
    });
    d.on<WrongVersion>([this](const WrongVersion&) {
        ctx.systemLine(tr("You have a differnt version of the game then the host."));
    });
    d.on<PlayerDisconnected>([g](const PlayerDisconnected& m) { g->playerdisconnected(m); });
    d.on<StartGame>([g](const StartGame& m) { g->startthegame(m); });
    d.on<NextPlayer>([g](const NextPlayer& m) { g->getnextplayer(m); });
    d.on<Winner>([g](const Winner& m) { g->winner(m); });
    d.on<Full>([this](const Full&) {
        connection.finish();
        // On the way back the seat may still be held by the connection that was lost.
        if (!reconnection.active())
            end(tr(qUtf8Printable(GameFullText)));
    });
    d.on<Leader>([this](const Leader& m) { session.leader(m); });
    d.on<SeatAway>([g](const SeatAway& m) { g->seataway(m); });
    d.on<SeatFree>([g](const SeatFree& m) { g->seatfree(m); });
    d.on<SeatScore>([g](const SeatScore& m) { g->seatstats(m); });
    d.on<GameLanguage>([g](const GameLanguage& m) { g->gamelanguage(m); });
    d.on<Closing>([this](const Closing&) { m_hostClosing = true; });
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
    d.on<LoadStats>([this, g](const LoadStats& m) {
        const bool back = std::exchange(m_backInGame, false);
        if (back)
            g->loadstatsOnReturn(m);
        else
            g->loadstats(m);
        // A player back in the middle of his turn sees the time he has left in it.
        if (back && m.mayPlay)
            clock.resume(m.secondsLeft);
    });
    d.on<PlayASound>([this](const PlayASound& m) { chatter.playasound(m); });
}

void GameClient::end(const QString& reason)
{
    if (m_ended)
        return;
    m_ended = true;
    emit closeRequested(reason);
}
