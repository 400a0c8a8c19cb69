#include "app/CommandLine.h"

namespace {

// Lobby parameters: name, host address, "true" to host.
constexpr int kLobbyParameters = 3;

// Options that the GUI toolkit reads itself, with or without a value that follows.
const QStringList kToolkitOptionsWithValue = {
    QStringLiteral("platform"), QStringLiteral("platformpluginpath"), QStringLiteral("platformtheme"),
    QStringLiteral("plugin"), QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowicon"),
    QStringLiteral("qwindowtitle"), QStringLiteral("display"), QStringLiteral("geometry"), QStringLiteral("title"),
    QStringLiteral("icon"), QStringLiteral("style"), QStringLiteral("stylesheet"), QStringLiteral("session"),
};
const QStringList kToolkitFlags = {
    QStringLiteral("reverse"), QStringLiteral("widgetcount"), QStringLiteral("nograb"), QStringLiteral("dograb"),
    QStringLiteral("sync"), QStringLiteral("qmljsdebugger"),
};

// The option's name without its one or two dashes and any "=value"; empty when the
// argument is no option.
QString optionName(const QString& arg)
{
    if (arg.size() < 2 || !arg.startsWith(QLatin1Char('-')))
        return QString();
    QString name = arg.mid(arg.startsWith(QLatin1String("--")) ? 2 : 1);
    return name.section(QLatin1Char('='), 0, 0);
}

} // namespace

QStringList CommandLine::withoutToolkitOptions(const QStringList& arguments, QStringList* toolkit)
{
    QStringList out;
    QStringList found;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments.at(i);
        const QString name = optionName(arg);
        if (kToolkitFlags.contains(name)) {
            found.append(arg);
            continue;
        }
        if (kToolkitOptionsWithValue.contains(name)) {
            found.append(arg);
            if (!arg.contains(QLatin1Char('=')) && i + 1 < arguments.size())
                found.append(arguments.at(++i)); // its value
            continue;
        }
        out.append(arg);
    }
    if (toolkit)
        *toolkit = found;
    return out;
}

QStringList CommandLine::options(const QStringList& arguments)
{
    const qsizetype end = arguments.indexOf(EndOfOptions);
    return end < 0 ? arguments : arguments.first(end);
}

CommandLine CommandLine::parse(const QStringList& arguments)
{
    CommandLine c;
    const qsizetype end = arguments.indexOf(EndOfOptions);
    const QStringList positional = end < 0 ? QStringList() : arguments.mid(end + 1);
    const PortOption port = PortOption::extract(options(arguments));
    if (!port.ok()) {
        c.error = port.error;
        return c;
    }
    c.port = port.port;
    const QStringList rest = withoutToolkitOptions(port.remaining, &c.toolkitArguments);
    if (end < 0 && rest.size() >= kLobbyParameters) {
        c.params = rest;
        return c;
    }
    for (const QString& a : rest) {
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            c.help = true;
        } else if (a == QLatin1String("--version") || a == QLatin1String("-v")) {
            c.version = true;
        } else if (!optionName(a).isEmpty()) {
            c.error = QStringLiteral("unknown option \"%1\"").arg(a);
            return c;
        } else {
            c.params.append(a);
        }
    }
    c.params += positional;
    return c;
}

QString CommandLine::usage()
{
    return QStringLiteral(
        "Usage: quillor [NAME HOST true|false] [--port N]\n"
        "       quillor [--port N] -- NAME HOST true|false\n"
        "       quillor --serve [--port N] [HOST OPTIONS]\n"
        "\n"
        "Without parameters Quillor starts a solo game.\n"
        "  NAME HOST true    host a game as NAME; other players join this machine\n"
        "  NAME HOST false   join the game hosted at HOST as NAME\n"
        "  --                what follows is NAME HOST FLAG, even a name such as \"-x\"\n"
        "  --port N          the game's TCP port (default 7772)\n"
        "  --serve           run only the game host, without a window; the host's own\n"
        "                    options (quillor-host --help) may follow\n"
        "  --help            show this text\n"
        "  --version         show the version\n");
}
