#include "headless/HostOptions.h"

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

struct Option {
    const char* name;  // with its dashes
    const char* alias; // a short form, or nullptr
    const char* value; // the name of its value in the usage; nullptr for a switch
    const char* help;
    // Sets the option's field from its value (empty for a switch); returns why the value
    // cannot be used, or an empty text.
    QString (*apply)(HostOptions& options, const QString& value);
};

const Option kOptions[] = {
    {"--port", nullptr, "N", "the game's TCP port (default 7772; 0 takes any free port)",
     [](HostOptions& o, const QString& value) {
         qint64 port = 0;
         if (!readNumber(value, 0, 65535, &port))
             return QStringLiteral("--port: \"%1\" is not a port number (0 to 65535)").arg(value);
         o.port = static_cast<quint16>(port);
         return QString();
     }},
    {"--hold-seat", nullptr, "SECONDS",
     "keep the seat and score of a player whose connection drops during a game for him (default 90; 0: not kept)",
     [](HostOptions& o, const QString& value) {
         qint64 seconds = 0;
         if (!readNumber(value, 0, game::MaxHoldSeconds, &seconds))
             return QStringLiteral("--hold-seat: \"%1\" is not a number of seconds (0 to %2)").arg(value).arg(game::MaxHoldSeconds);
         o.holdSeatSeconds = static_cast<int>(seconds);
         return QString();
     }},
    {"--help", "-h", nullptr, "show this text",
     [](HostOptions& o, const QString&) {
         o.help = true;
         return QString();
     }},
    {"--version", "-v", nullptr, "show the version",
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
        if (option->value && equals >= 0) {
            value = arg.mid(equals + 1);
        } else if (option->value) {
            if (i + 1 >= arguments.size()) {
                o.error = QStringLiteral("%1 needs a value (%2)").arg(name, QLatin1String(option->value));
                break;
            }
            value = arguments.at(++i);
        } else if (equals >= 0) {
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
        if (option.value)
            name += QLatin1Char(' ') + QLatin1String(option.value);
        if (option.value)
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
    return text;
}
