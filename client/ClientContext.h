#pragma once
// What the client's rule classes share: the connection state of this player and the
// ways out of a rule (a message to the host, a chat line, a sound, a message box).
//
// The main window owns one ClientContext and wires its outlets to the socket, the chat
// history, the sound bank and QMessageBox; tests wire them to recorders instead.
#include "net/Message.h"

#include <QColor>
#include <QString>
#include <functional>

struct ClientState {
    int myslot = 0;          // slot the host gave this client
    bool connected = false;  // set when the host's login request arrives
    bool ishost = false;     // this process hosts the game
    int activeplayer = 0;    // slot that may pick letters now; 0 nobody
    int seatcount = 6;       // slots 1..seatcount are seats, higher ones spectators
    int gametype = 1;        // 0 straight, 1 scrambled
    bool justWatching = false; // the "Just Watch" tick
    QString playername;
    QString hostaddress;
    QString loginname;

    bool maySeat() const { return myslot >= 1 && myslot <= seatcount; }
    bool myTurn() const { return activeplayer != 0 && activeplayer == myslot; }
};

struct ClientOutlets {
    std::function<void(const Message&)> send;                       // to the host
    std::function<void(const QString&, const QColor&)> addlinetochat; // into the chat history
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
    void sound(const QString& name) const { if (out.playsounds) out.playsounds(name); }
    void notice(const QString& text) const { if (out.messageBox) out.messageBox(text); }
};
