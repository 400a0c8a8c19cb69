#pragma once
// The command line of the dedicated host, `quillor-host [OPTIONS]` (also reached as
// `quillor --serve [OPTIONS]`, which starts quillor-host with the same options).
//
// Every option is one row of a table in HostOptions.cpp: its name, the name of its
// value if it takes one, a line of help and how it sets its field here. The parser and
// the usage text are both made from that table, so a new option is a field below and a
// row there. A value follows its option as the next argument or after "=" ("--port 7780",
// "--port=7780"), or, when it is optional, only after "=" ("--agones=9400"); when an
// option is given twice the last one counts.
#include "net/GameConstants.h"
#include "net/WordLanguages.h"

#include <QString>
#include <QStringList>

struct HostOptions {
    quint16 port = game::DefaultPort; // 0: any free port
    // Talking to an Agones SDK server beside the host (fleet/AgonesSettings.h).
    bool agones = false;           // --agones[=PORT]
    quint16 agonesPort = 0;        // its PORT; 0 when none was given
    bool agonesOneSession = false; // --agones-one-session
    int holdSeatSeconds = game::DefaultHoldSeconds; // 0: a dropped player's seat is not kept
    QString words = QString::fromLatin1(wordlanguages::DefaultCode); // --words LANG: the starting language
    // The game's name on the local network (DNS-SD); empty: the machine's host name.
    QString name;                  // --name TEXT
    bool announce = true;          // false with --no-announce
    bool help = false;
    bool version = false;
    QString error; // why the command line cannot be used; empty when fine

    bool ok() const { return error.isEmpty(); }

    // `arguments` without the program name.
    static HostOptions parse(const QStringList& arguments);
    static QString usage();
};
