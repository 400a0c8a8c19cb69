#pragma once
// The program's command line, apart from "--serve" (the headless host reads its own):
//
//   quillor                         a solo game against the clock
//   quillor NAME HOST true          host a game as NAME (HOST is not used)
//   quillor NAME HOST other         join the game hosted at HOST as NAME
//   ... [--port N]                  the game port, 7772 unless given
//   quillor --help | --version
//
// It is read before any window exists, so that help, the version and a wrong option
// need no display. The lobby always passes name, address and flag: when three
// parameters are given they are taken as they stand, even a name that looks like an
// option. Otherwise a word beginning with "-" must be one of the options above (or one
// of the windowing toolkit's own, which are left to it). Positional parameters go to the
// main window unchanged; it decides what they mean.
#include "app/PortOption.h"

#include <QString>
#include <QStringList>

struct CommandLine {
    QStringList params;    // the positional parameters, in order
    quint16 port = PortOption::kDefaultPort;
    bool help = false;
    bool version = false;
    QString error;         // why the command line cannot be used; empty when fine

    bool ok() const { return error.isEmpty(); }

    // `arguments` without the program name.
    static CommandLine parse(const QStringList& arguments);
    static QString usage();
    // The arguments without the windowing toolkit's options and their values.
    static QStringList withoutToolkitOptions(const QStringList& arguments);
};
