#include "headless/HostOptions.h"

#include "net/WordLanguages.h"

#include <algorithm>

namespace {

// A decimal number from `min` to `max`, digits only; false for anything else.
bool readNumber(const QString& text, qint64 min, qint64 max, qint64* out)
{
    if (text.isEmpty() || text.size() > 18)
        return false;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    const qint64 value = text.toLongLong();
    if (value < min || value > max)
        return false;
    *out = value;
    return true;
}

enum class Value {
    None,     // a switch
    Required, // after "=" or as the next argument
    Optional, // only after "=": "--agones" alone leaves the next argument alone
};

struct Option {
    const char* name;  // with its dashes
    const char* alias; // a short form, or nullptr
    Value takes;
    const char* value; // the name of its value in the usage; nullptr for a switch
    const char* help;
    // Sets the option's field from its value (empty for a switch, a null text for an
    // optional value not given); returns why the value cannot be used, or an empty text.
    QString (*apply)(HostOptions& options, const QString& value);
};

const Option kOptions[] = {
    {"--port", nullptr, Value::Required, "N", "the game's TCP port (default 7772; 0 takes any free port)",
     [](HostOptions& o, const QString& value) {
         qint64 port = 0;
         if (!readNumber(value, 0, 65535, &port))
             return QStringLiteral("--port: \"%1\" is not a port number (0 to 65535)").arg(value);
         o.port = static_cast<quint16>(port);
         return QString();
     }},
    {"--hold-seat", nullptr, Value::Required, "SECONDS",
     "keep the seat and score of a player whose connection drops during a game for him (default 90; 0: not kept)",
     [](HostOptions& o, const QString& value) {
         qint64 seconds = 0;
         if (!readNumber(value, 0, game::MaxHoldSeconds, &seconds))
             return QStringLiteral("--hold-seat: \"%1\" is not a number of seconds (0 to %2)").arg(value).arg(game::MaxHoldSeconds);
         o.holdSeatSeconds = static_cast<int>(seconds);
         return QString();
     }},
    {"--words", nullptr, Value::Required, "LANG",
     "the language of the words until the game's leader chooses another (default en)",
     [](HostOptions& o, const QString& value) {
         if (!wordlanguages::isKnown(value))
             return QStringLiteral("--words: \"%1\" is not a language of the game's words (%2)")
                 .arg(value.left(20), wordlanguages::knownCodes());
         o.words = value;
         return QString();
     }},
    {"--name", nullptr, Value::Required, "TEXT",
     "the game's name on the local network (default: this machine's host name)",
     [](HostOptions& o, const QString& value) {
         if (value.trimmed().isEmpty())
             return QStringLiteral("--name: the name is empty");
         o.name = value.trimmed();
         return QString();
     }},
    {"--no-announce", nullptr, Value::None, nullptr, "do not announce the game on the local network",
     [](HostOptions& o, const QString&) {
         o.announce = false;
         return QString();
     }},
    {"--agones", nullptr, Value::Optional, "PORT",
     "report to Agones' SDK server on localhost:PORT (9358)",
     [](HostOptions& o, const QString& value) {
         qint64 port = 0;
         if (!value.isNull() && !readNumber(value, 1, 65535, &port))
             return QStringLiteral("--agones: \"%1\" is not a port number (1 to 65535)").arg(value.left(20));
         o.agones = true;
         o.agonesPort = static_cast<quint16>(port);
         return QString();
     }},
    {"--agones-one-session", nullptr, Value::None, nullptr,
     "with Agones, end once the last player leaves after a game",
     [](HostOptions& o, const QString&) {
         o.agonesOneSession = true;
         return QString();
     }},
    {"--help", "-h", Value::None, nullptr, "show this text",
     [](HostOptions& o, const QString&) {
         o.help = true;
         return QString();
     }},
    {"--version", "-v", Value::None, nullptr, "show the version",
     [](HostOptions& o, const QString&) {
         o.version = true;
         return QString();
     }},
};

const Option* find(const QString& name)
{
    for (const Option& option : kOptions) {
        if (name == QLatin1String(option.name) || (option.alias && name == QLatin1String(option.alias)))
            return &option;
    }
    return nullptr;
}

} // namespace

HostOptions HostOptions::parse(const QStringList& arguments)
{
    HostOptions o;
    for (qsizetype i = 0; i < arguments.size() && o.ok(); ++i) {
        const QString& arg = arguments.at(i);
        const qsizetype equals = arg.startsWith(QLatin1String("--")) ? arg.indexOf(QLatin1Char('=')) : -1;
        const QString name = equals < 0 ? arg : arg.left(equals);
        const Option* option = find(name);
        if (!option) {
            o.error = name.startsWith(QLatin1Char('-')) ? QStringLiteral("unknown option \"%1\"").arg(name)
                                                        : QStringLiteral("unexpected argument \"%1\"").arg(arg);
            break;
        }
        QString value;
        if (option->takes != Value::None && equals >= 0) {
            value = arg.mid(equals + 1);
            if (value.isNull())
                value = QStringLiteral(""); // given, and empty
        } else if (option->takes == Value::Required) {
            if (i + 1 >= arguments.size()) {
                o.error = QStringLiteral("%1 needs a value (%2)").arg(name, QLatin1String(option->value));
                break;
            }
            value = arguments.at(++i);
        } else if (option->takes == Value::None && equals >= 0) {
            o.error = QStringLiteral("%1 takes no value").arg(name);
            break;
        }
        o.error = option->apply(o, value);
    }
    return o;
}

QString HostOptions::usage()
{
    QString synopsis;
    QStringList names;
    for (const Option& option : kOptions) {
        QString name = QLatin1String(option.name);
        if (option.takes == Value::Required)
            name += QLatin1Char(' ') + QLatin1String(option.value);
        else if (option.takes == Value::Optional)
            name += QStringLiteral("[=%1]").arg(QLatin1String(option.value));
        if (option.takes != Value::None)
            synopsis += QStringLiteral(" [%1]").arg(name);
        names.append(option.alias ? QStringLiteral("%1, %2").arg(QLatin1String(option.alias), name) : name);
    }
    qsizetype width = 0;
    for (const QString& name : names)
        width = std::max(width, name.size());
    QString text = QStringLiteral("Usage: quillor-host%1\n"
                                  "       quillor --serve%1\n"
                                  "\n"
                                  "Runs the game host alone, without a window: players join it on its port.\n")
                       .arg(synopsis);
    for (qsizetype i = 0; i < names.size(); ++i)
        text += QStringLiteral("  %1  %2\n").arg(names.at(i).leftJustified(width), QLatin1String(kOptions[i].help));
    text += QStringLiteral("\nAGONES_SDK_HTTP_PORT=PORT in the environment does what --agones=PORT does.\n");
    return text;
}
