#include "client/GameClient.h"

#include "client/HostFields.h"
#include "net/Sock.h"

#include <QDebug>

using namespace hostfields;

GameClient::GameClient(QObject* parent)
    : QObject(parent)
    , scoreboard(ctx)
    , words(ctx)
    , chatter(ctx)
{
    ctx.out.send = [this](const Message& m) { connection.send(m); };

    scoreboard.hooks.clearPickPath = [this] { words.clearPickPath(); };
    scoreboard.hooks.resetPickCounters = [this] { words.resetCounters(); };
    scoreboard.hooks.reveal = [this](FieldReader& f) { words.reveal(f); };
    words.onWordSent = [this] { scoreboard.hideClear(); };
    chatter.seatName = [this](int slot) {
        return slot >= 1 && slot <= ScoreBoard::Seats ? scoreboard.seat(slot).name : QString();
    };

    connect(&connection, &ClientConnection::socketClosed, this, &GameClient::closeRequested);
    connect(&connection, &ClientConnection::floodClosed, this, [this] {
        ctx.systemLine(QStringLiteral("The host sent more messages than this game could keep up with, "
                                      "so the connection was closed."));
    });
    registerHandlers();
}

void GameClient::registerHandlers()
{
    Dispatcher& d = connection.dispatcher();
    ScoreBoard* sb = &scoreboard;
    d.on("CMD_sendlogininfo", [this](FieldReader& f) { sendloginfo(f); });
    // Chat and action lines reach the chat pane the same way.
    const Dispatcher::Handler relayChat = [this](FieldReader& f) {
        if (hooks.chatrecieved)
            hooks.chatrecieved(f.rest());
    };
    d.on("CMD_chat", relayChat);
    d.on("CMD_action", relayChat);
    d.on("CMD_newplayerinfo", [sb](FieldReader& f) { sb->newplayerinfo(f); });
    d.on("CMD_existingplayers", [sb](FieldReader& f) { sb->newplayerinfo(f); });
    d.on("CMD_havewrongversion", [this](FieldReader& f) {
        ctx.systemLine(text(f.rest()) + QStringLiteral(" has a different version of the game then you."));
    });
    d.on("CMD_wrongversion", [this](FieldReader&) {
        ctx.systemLine(QStringLiteral("You have a differnt version of the game then the host."));
    });
    d.on("CMD_playerdisconnected", [sb](FieldReader& f) { sb->playerdisconnected(f); });
    d.on("CMD_startgame", [sb](FieldReader& f) { sb->startthegame(f); });
    d.on("CMD_nextplayer", [sb](FieldReader& f) { sb->getnextplayer(f); });
    d.on("CMD_winner", [sb](FieldReader& f) { sb->winner(f); });
    d.on("CMD_full", [this](FieldReader&) {
        ctx.notice(QStringLiteral("Game is full"));
        emit closeRequested();
    });
    d.on("CMD_justwatching", [sb](FieldReader& f) { sb->justwatching(f); });
    d.on("CMD_theword", [this](FieldReader& f) { words.theword(f); });
    d.on("CMD_loadboard", [this](FieldReader& f) { loadboard(f); });
    d.on("CMD_hefoundit", [sb](FieldReader& f) { sb->hefoundit(f); });
    d.on("CMD_nomatch", [sb](FieldReader& f) { sb->nomatch(f); });
    d.on("CMD_outoftime", [sb](FieldReader& f) { sb->outoftime(f); });
    d.on("CMD_roundover", [sb](FieldReader& f) { sb->roundover(f); });
    d.on("CMD_loadstats", [sb](FieldReader& f) { sb->loadstats(f); });
    d.on("CMD_playasound", [this](FieldReader& f) { chatter.playasound(f); });
}

void GameClient::loadboard(FieldReader& fields)
{
    // The cells are checked and stored first, so a malformed board leaves the round
    // number and the scoreboard untouched as well.
    FieldReader cells = fields;
    cells.next();
    words.loadboardCells(cells);
    scoreboard.loadboardRound(fields);
}

void GameClient::processparams(const QStringList& params)
{
    scoreboard.setStartOffered(false);
    ctx.state.loginname.clear();
    if (params.isEmpty()) {
        ctx.systemLine(QStringLiteral("Loading Solo Game..Please wait."));
        if (hooks.showDownload)
            hooks.showDownload();
        ctx.state.hostaddress = QStringLiteral("127.0.0.1");
        ctx.state.playername = QStringLiteral("You");
        hostpress();
        return;
    }
    ctx.systemLine(QStringLiteral("Loading Multi-player Game.. Please Wait."));
    if (params.size() < 3)
        return;
    ctx.state.playername = params.at(0);
    ctx.state.hostaddress = params.at(1);
    if (params.at(2) == QLatin1String("true"))
        hostpress();
    else
        joinpress();
    connection.connectLobby();
}

void GameClient::hostpress()
{
    quint16 listening = port;
    try {
        if (hooks.startHost)
            listening = hooks.startHost();
    } catch (const ESockException& e) {
        qWarning().noquote() << "cannot host on port" << port << "-" << e.what();
        ctx.systemLine(QStringLiteral("Could not start the game on port %1 (%2).").arg(port).arg(QString::fromLatin1(e.what())));
        return;
    }
    ctx.state.loginname = ctx.state.playername;
    ctx.state.ishost = true;
    connection.connectToHost(QStringLiteral("127.0.0.1"), QString::number(listening));
    scoreboard.setStartOffered(true);
    if (hooks.offerRemoval)
        hooks.offerRemoval(true);
}

void GameClient::joinpress()
{
    ctx.state.loginname = ctx.state.playername;
    connection.connectToHost(ctx.state.hostaddress, QString::number(port));
    scoreboard.setStartOffered(false);
}

void GameClient::sendloginfo(FieldReader& fields)
{
    const int slot = checkRange(FieldReader::toIntOrThrow(fields.lastField()), 1, ScoreBoard::MaxSlot, "slot");
    ctx.state.myslot = slot;
    ctx.state.connected = true;
    ctx.send(Message("CMD_logininfo").add(slot).add(versionText).add(ctx.state.loginname));
}
