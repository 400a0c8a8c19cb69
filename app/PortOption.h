#pragma once
// Takes "--port N" (or "--port=N") out of a command line.
//
// N is a decimal port number from 0 to 65535; 0 asks the system for any free port
// (useful only when hosting). When the option is given more than once the last one
// counts. Every other argument is handed back unchanged and in order, so the rest of
// the command line can be read as if the option had never been there.
#include "net/GameConstants.h"
#include <QString>
#include <QStringList>

struct PortOption {
    static constexpr quint16 kDefaultPort = game::DefaultPort;

    QStringList remaining;          // the arguments without the option
    quint16 port = kDefaultPort;    // the port given, or the default
    bool given = false;             // "--port" appeared
    QString error;                  // why the option could not be read; empty when fine

    bool ok() const { return error.isEmpty(); }

    static PortOption extract(const QStringList& arguments, quint16 defaultPort = kDefaultPort);
};
