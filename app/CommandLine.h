#pragma once
// The program's command line, apart from "--serve" (the headless host reads its own):
//
//   quillor                         a solo game against the clock
//   quillor NAME HOST true          host a game as NAME (HOST is not used)
//   quillor NAME HOST other         join the game hosted at HOST as NAME
//   ... [--port N]                  the game port, 7772 unless given
//   quillor [OPTIONS] -- NAME HOST FLAG
//                                   the same, with NAME, HOST and FLAG taken as they stand
//   quillor --help | --version
//
// It is read before any window exists, so that help, the version and a wrong option
// need no display. Everything after "--" is a positional parameter, however it looks:
// "Play with Others" starts the new copy that way, so that a name such as "-platform"
// or "--port" is a name. Without "--", "--port N" and the windowing toolkit's own options
// are taken out wherever they stand; when three or more parameters remain they are
// taken as they stand, even a name that begins with "-" ("-v"); otherwise a word
// beginning with "-" must be one of the options above. Positional parameters go to the
// main window unchanged; it decides what they mean.
//
// Only the toolkit options found here reach the toolkit (`toolkitArguments`): it never
// sees a positional parameter, so it cannot take a name for one of its options.
#include "app/PortOption.h"

#include <QString>
#include <QStringList>

struct CommandLine {
    QStringList params;    // the positional parameters, in order
    QStringList toolkitArguments; // the windowing toolkit's options found, with their values
    quint16 port = PortOption::kDefaultPort;
    bool help = false;
    bool version = false;
    QString error;         // why the command line cannot be used; empty when fine

    bool ok() const { return error.isEmpty(); }

    // What separates the options from the positional parameters.
    static inline const QString EndOfOptions = QStringLiteral("--");

    // `arguments` without the program name.
    static CommandLine parse(const QStringList& arguments);
    static QString usage();
    // The arguments without the windowing toolkit's options and their values; those
    // go to `toolkit` when given.
    static QStringList withoutToolkitOptions(const QStringList& arguments, QStringList* toolkit = nullptr);
    // The arguments before the first "--" (all of them when there is none).
    static QStringList options(const QStringList& arguments);
};
