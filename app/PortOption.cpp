#include "app/PortOption.h"

namespace {

const QString kOption = QStringLiteral("--port");

bool parsePort(const QString& text, quint16* port)
{
    if (text.isEmpty() || text.size() > 5)
        return false;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    const uint value = text.toUInt();
    if (value > 65535)
        return false;
    *port = static_cast<quint16>(value);
    return true;
}

} // namespace

PortOption PortOption::extract(const QStringList& arguments, quint16 defaultPort)
{
    PortOption result;
    result.port = defaultPort;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments.at(i);
        QString value;
        if (arg == kOption) {
            if (i + 1 >= arguments.size()) {
                result.error = QStringLiteral("--port needs a port number");
                continue;
            }
            value = arguments.at(++i);
        } else if (arg.startsWith(kOption + QLatin1Char('='))) {
            value = arg.mid(kOption.size() + 1);
        } else {
            result.remaining.append(arg);
            continue;
        }
        result.given = true;
        if (!parsePort(value, &result.port))
            result.error = QStringLiteral("--port: \"%1\" is not a port number (0 to 65535)").arg(value);
    }
    return result;
}
