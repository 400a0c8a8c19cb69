#pragma once
// The player's client without its window: the parts that hold and decide what the
// window shows, put together and wired to each other, and the table that hands every
// message from the host to the part that handles it. The main window owns one
// GameClient and shows what its parts hold; tests drive it directly.
#include "client/ChatSender.h"
#include "client/ChatterSound.h"
#include "client/ClientConnection.h"
#include "client/ConnectAttempt.h"
#include "client/ClientContext.h"
#include "client/GameMessages.h"
#include "client/GameSummary.h"
#include "client/PlayerCommands.h"
#include "client/QuickPhrases.h"
#include "client/Reconnection.h"
#include "client/RoundReview.h"
#include "client/Preferences.h"
#include "client/RoundStatus.h"
#include "client/SeatRoster.h"
#include "client/Session.h"
#include "client/TurnClock.h"
#include "client/TurnState.h"
#include "client/WordEntry.h"
#include "net/GameConstants.h"

#include <QObject>

class GameClient : public QObject {
    Q_OBJECT
public:
    static inline const QString GameKey = QString::fromLatin1(game::Key);

    // What the player is told before the window closes on the end of the connection.
    static inline const QString GameFullText = QStringLiteral(QT_TRANSLATE_NOOP("GameClient", "Game is full"));
    static inline const QString HostEndedText = QStringLiteral(QT_TRANSLATE_NOOP("GameClient", "The host ended the game or removed you from it."));
    static inline const QString ConnectionLostText = QStringLiteral(QT_TRANSLATE_NOOP("GameClient", "The connection to the host was lost."));
    // While the client tries to get a lost connection back, and once it is back.
    static inline const QString ReconnectingText = QStringLiteral(QT_TRANSLATE_NOOP("GameClient", "Connection lost. Reconnecting..."));
    static inline const QString BackText = QStringLiteral(QT_TRANSLATE_NOOP("GameClient", "You are back in the game."));

    explicit GameClient(QObject* parent = nullptr);

    ClientContext ctx;
    Preferences prefs;
    ClientConnection connection;
    Session session;
    TurnState turn;
    TurnClock clock;
    SeatRoster seats;
    RoundStatus status;
    // The way into the game: connecting, failed, or done.
    ConnectAttempt attempt{status};
    PlayerCommands commands;
    GameMessages game;
    WordEntry words;
    ChatterSound chatter;
    ChatSender chatSender;
    QuickPhrases phrases;
    // After each round and each game: who found the word, how fast, and what it means.
    WordMeanings meanings;
    RoundReview review;
    GameSummary summary;
    // A connection lost by a network error or without a word from the host is tried
    // again, for a player who joined a host that keeps seats, so that he goes on in
    // his seat; one the host closed on purpose, or "Game is full", ends the game.
    Reconnection reconnection;

signals:
    // The connection ended or the game is full: the window tells the player `reason`,
    // then closes, and the program ends. Announced at most once.
    void closeRequested(const QString& reason);
    // A chat or action line relayed by the host (the text after the command word).
    void chatrecieved(const QByteArray& rest);
    // Back after a lost connection: the spy list is told afresh.
    void spectatorsCleared();

private:
    void registerHandlers();
    void end(const QString& reason);
    // The connection ended: the game ends, or the client tries to get it back.
    void connectionEnded(bool lost);
    void wireReconnection();

    bool m_ended = false;
    bool m_hostClosing = false; // the host said it closes this connection on purpose
    bool m_backInGame = false;  // just back after a lost connection: the turn's state follows
};
