#include "app/CommandLine.h"

CommandLine CommandLine::parse(const QStringList& arguments)
{
    CommandLine c;
    const PortOption port = PortOption::extract(arguments);
    if (!port.ok()) {
        c.error = port.error;
        return c;
    }
    c.port = port.port;
    for (const QString& a : port.remaining) {
        if (a == QLatin1String("--help") || a == QLatin1String("-h"))
            c.help = true;
        else if (a == QLatin1String("--version") || a == QLatin1String("-v"))
            c.version = true;
        else
            c.params.append(a);
    }
    return c;
}

QString CommandLine::usage()
{
    return QStringLiteral(
        "Usage: quillor [NAME HOST true|false] [--port N]\n"
        "       quillor --serve [--port N]\n"
        "\n"
        "Without parameters Quillor starts a solo game.\n"
        "  NAME HOST true    host a game as NAME; other players join this machine\n"
        "  NAME HOST false   join the game hosted at HOST as NAME\n"
        "  --port N          the game's TCP port (default 7772)\n"
        "  --serve           run only the game host, without a window\n"
        "  --help            show this text\n"
        "  --version         show the version\n");
}
