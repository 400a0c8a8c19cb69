#pragma once
// What the client's rule classes share: this player's session (who he is in the game
// and how he got there) and the ways out of a rule (a message to the host, a chat line,
// a sound, a message box).
//
// The session is written only by Session; every other class is given the context as
// const. The main window wires the outlets to the socket, the chat history, the sound
// player and a message box; tests wire them to recorders instead.
#include "net/GameConstants.h"
#include "net/Message.h"

#include <QColor>
#include <QString>
#include <functional>

struct ClientState {
    int myslot = 0;          // slot the host gave this client
    bool connected = false;  // set when the host's login request arrives
    bool ishost = false;     // this process hosts the game
    int seatcount = game::Seats; // slots 1..seatcount are seats, higher ones spectators
    QString playername;
    QString hostaddress;
    QString loginname;

    // The slot the host says leads the game (0: nobody), once it has said so: a host
    // that never does leaves the lead with slot 1.
    int leaderSlot = 0;
    bool leaderKnown = false;

    bool maySeat() const { return myslot >= 1 && myslot <= seatcount; }
    // The game's leader may start games, remove players and set others watching: the
    // player who hosts, or whoever the host names (on a host that names nobody, whoever
    // holds slot 1).
    bool leads() const
    {
        if (ishost)
            return true;
        return myslot != 0 && myslot == (leaderKnown ? leaderSlot : game::LeaderSlot);
    }
};

struct ClientOutlets {
    std::function<void(const Message&)> send;                       // to the host
    std::function<void(const QString&, const QColor&)> addlinetochat; // into the chat history
    std::function<void(const QString&, const QColor&)> addplainline;  // the same without a speaker part
    std::function<void(const QString&)> playsounds;                  // an event sound by name
    std::function<void(const QString&)> messageBox;                  // a modal notice
};

class ClientContext {
public:
    // The colour of every line this client writes itself: pure blue.
    static QColor systemColour() { return QColor(0, 0, 255); }

    ClientState state;
    ClientOutlets out;

    void send(const Message& m) const { if (out.send) out.send(m); }
    void systemLine(const QString& line) const { if (out.addlinetochat) out.addlinetochat(line, systemColour()); }
    // A system line whose colons mark no speaker (addresses such as "2001:db8::7").
    void plainLine(const QString& line) const
    {
        if (out.addplainline)
            out.addplainline(line, systemColour());
        else
            systemLine(line);
    }
    void sound(const QString& name) const { if (out.playsounds) out.playsounds(name); }
    void notice(const QString& text) const { if (out.messageBox) out.messageBox(text); }
};
