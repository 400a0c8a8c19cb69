#pragma once
// Runs the host's game logic without sockets or timers: every message it sends is
// recorded per slot, close requests are answered at once as a real connection would,
// and the game clock is ticked by hand. Seats are kept for players whose connection
// drops only where a test asks for it (keepSeats()); every other test plays by the
// rules that hold when no seat is kept.
#include "host/HostGame.h"
#include "host/RandomSource.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

namespace hosttest {

// Message texts written as C strings, for comparing with what a slot was sent.
inline QList<QByteArray> list(std::initializer_list<const char*> texts)
{
    QList<QByteArray> out;
    for (const char* t : texts)
        out.append(QByteArray(t));
    return out;
}

struct Sent {
    int slot = 0;
    QByteArray text;
};

class HostHarness {
public:
    explicit HostHarness(std::uint64_t seed = 1, QByteArray fixedWord = "cat")
        : random(seed)
        , word(std::move(fixedWord))
        , game(random,
               [this](const QString& language, bool scrambled, bool onlyLetters) {
                   languagesDrawn.append(language);
                   return nextWord(scrambled, onlyLetters);
               },
               link())
    {
        game.setSeatHoldMs(0);
    }

    SeededRandom random;
    QByteArray word;                                   // every round's word, unless words is set
    std::function<QByteArray(bool, bool)> words;        // optional word source
    QList<Sent> sent;
    QStringList languagesDrawn; // the language of every word drawn, in order
    QList<int> closeRequests;
    bool clockRunning = false;
    QStringList events;
    qint64 nowMs = 0;                // the steady clock the host reads
    std::optional<qint64> wakeAtMs;  // when the host asked to be woken for logins
    QList<QByteArray> happened;      // the link's typed game events: "in 2 Bob", "started", "ended Ann", ...
    std::optional<qint64> holdWakeAtMs; // when the host asked to be woken for kept seats
    QList<std::pair<int, int>> moves;   // connections moved, (from, to)
    QList<int> leaders;                 // every change of the lead, in order
    QString address = QStringLiteral("192.0.2.1"); // where the next connection comes from
    HostGame game;

    // Accepts one connection; returns its slot (PlayerTable::kFullSlot when refused).
    int connect()
    {
        const int slot = game.chooseSlot(address);
        game.connectionAccepted(slot, address);
        return slot;
    }
    // Keeps seats for `seconds` from now on (the host's own default is 90).
    void keepSeats(int seconds = 90) { game.setSeatHoldMs(qint64(seconds) * 1000); }
    // `ms` pass on the host's steady clock; the wake-ups asked for by then come.
    void pass(qint64 ms)
    {
        nowMs += ms;
        if (wakeAtMs && *wakeAtMs <= nowMs)
            wake();
        if (holdWakeAtMs && *holdWakeAtMs <= nowMs) {
            holdWakeAtMs.reset();
            game.holdDeadline();
        }
    }
    void disconnect(int slot) { game.connectionClosed(slot); }
    // The wake-up the host asked for comes (at whatever time nowMs says).
    void wake()
    {
        wakeAtMs.reset();
        game.loginDeadline();
    }
    Dispatcher::Outcome send(int slot, const QByteArray& text) { return game.handle(slot, text); }
    void login(int slot, const QByteArray& name, const QByteArray& version = "1.0.4")
    {
        send(slot, "CMD_logininfo+" + QByteArray::number(slot) + "+" + version + "+" + name);
    }
    // Connects and logs in; returns the slot.
    int join(const QByteArray& name)
    {
        const int slot = connect();
        login(slot, name);
        return slot;
    }
    void startGame(const QByteArray& playTo = "250", const QByteArray& seconds = "60", bool scrambled = false,
                   bool onlyLetters = false, int from = 1)
    {
        send(from, "CMD_startgame+Host+" + playTo + "+" + seconds + "+" + (scrambled ? "t" : "f") + "+"
                       + (onlyLetters ? "t" : "f") + "+");
    }
    void tick(int times = 1)
    {
        for (int i = 0; i < times; ++i)
            game.tick();
    }
    // The word's true cells, as a client would pick them.
    QByteArray wordMessage(int seat) const
    {
        return "CMD_myword+" + QByteArray::number(seat) + game.rounds().board().wordcells();
    }
    void findWord(int seat) { send(seat, wordMessage(seat)); }

    QList<QByteArray> textsTo(int slot) const
    {
        QList<QByteArray> out;
        for (const Sent& s : sent) {
            if (s.slot == slot)
                out.append(s.text);
        }
        return out;
    }
    // Texts to a slot whose command word is `command`.
    QList<QByteArray> textsTo(int slot, const QByteArray& command) const
    {
        QList<QByteArray> out;
        for (const QByteArray& t : textsTo(slot)) {
            if (t.startsWith(command + "+"))
                out.append(t);
        }
        return out;
    }
    // The command words sent to a slot, in order.
    QList<QByteArray> commandsTo(int slot) const
    {
        QList<QByteArray> out;
        for (const QByteArray& t : textsTo(slot))
            out.append(t.left(t.indexOf('+')));
        return out;
    }
    int count(const QByteArray& command) const
    {
        int n = 0;
        for (const Sent& s : sent)
            n += s.text.startsWith(command + "+") ? 1 : 0;
        return n;
    }
    void clear()
    {
        sent.clear();
        events.clear();
    }
    const PlayerRec& player(int slot) const { return game.players()[slot]; }

private:
    QByteArray nextWord(bool scrambled, bool onlyLetters)
    {
        return words ? words(scrambled, onlyLetters) : word;
    }
    HostLink link()
    {
        HostLink l;
        l.send = [this](int slot, const Message& m) { sent.append(Sent{slot, m.text()}); };
        l.closeConnection = [this](int slot) {
            closeRequests.append(slot);
            game.connectionClosed(slot);
        };
        l.runClock = [this](bool running) { clockRunning = running; };
        l.event = [this](const QString& line) { events.append(line); };
        l.now = [this] { return nowMs; };
        l.wakeForLogins = [this](qint64 ms) { wakeAtMs = ms < 0 ? std::nullopt : std::optional<qint64>(nowMs + ms); };
        l.playerLoggedIn = [this](int slot, const QByteArray& name) { happened.append("in " + QByteArray::number(slot) + " " + name); };
        l.playerLeft = [this](int slot, const QByteArray& name) { happened.append("out " + QByteArray::number(slot) + " " + name); };
        l.gameStarted = [this] { happened.append("started"); };
        l.gameEnded = [this](const QByteArray& winner) { happened.append("ended " + winner); };
        l.wakeForHolds = [this](qint64 ms) { holdWakeAtMs = ms < 0 ? std::nullopt : std::optional<qint64>(nowMs + ms); };
        l.moveConnection = [this](int from, int to) { moves.append({from, to}); };
        l.leaderChanged = [this](int slot) { leaders.append(slot); };
        return l;
    }
};

} // namespace hosttest
