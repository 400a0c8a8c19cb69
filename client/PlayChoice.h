#pragma once
// How the player wants to play with others, as chosen in the "Play with Others" dialog:
// his name, host a game here or join one at an address, and the game port. It turns
// into the program's own command line, so a game started from the dialog is exactly the
// game that the same parameters give on the command line.
#include "net/GameConstants.h"

#include <QString>
#include <QStringList>

struct PlayChoice {
    QString name;
    QString address;  // the host to join; not used when hosting
    quint16 port = game::DefaultPort;
    bool host = false;

    // Enough to start: a name, and an address unless hosting.
    bool complete() const;
    // The program's parameters: "--port N", then after "--" the name, the address and
    // "true" to host or "false" to join, so that a name that looks like an option
    // ("-platform", "--serve") is still taken as the name.
    QStringList arguments() const;

    bool operator==(const PlayChoice&) const = default;
};
