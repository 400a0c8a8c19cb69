#include "fleet/AgonesSettings.h"

namespace {

const QString kEnable = QStringLiteral("--agones");
const QString kOneSession = QStringLiteral("--agones-one-session");

// A port the SDK server can listen on: 1 to 65535, decimal digits only.
bool parsePort(const QString& text, quint16* port)
{
    if (text.isEmpty() || text.size() > 5)
        return false;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    const uint value = text.toUInt();
    if (value < 1 || value > 65535)
        return false;
    *port = static_cast<quint16>(value);
    return true;
}

} // namespace

AgonesSettings AgonesSettings::read(const QProcessEnvironment& environment, const QStringList& arguments)
{
    AgonesSettings result;
    const QString variable = environment.value(QString::fromLatin1(kPortVariable));
    if (!variable.isEmpty()) {
        result.enabled = true;
        if (!parsePort(variable, &result.port))
            result.error = QStringLiteral("%1: \"%2\" is not a port number (1 to 65535)")
                               .arg(QString::fromLatin1(kPortVariable), variable.left(20));
    }
    for (const QString& arg : arguments) {
        if (arg == kEnable) {
            result.enabled = true;
        } else if (arg.startsWith(kEnable + QLatin1Char('='))) {
            result.enabled = true;
            const QString value = arg.mid(kEnable.size() + 1);
            if (!parsePort(value, &result.port))
                result.error = QStringLiteral("--agones: \"%1\" is not a port number (1 to 65535)").arg(value.left(20));
        } else if (arg == kOneSession) {
            result.oneSession = true;
        } else {
            result.remaining.append(arg);
        }
    }
    return result;
}

AgonesSettings AgonesSettings::fromProcess(const QStringList& arguments)
{
    return read(QProcessEnvironment::systemEnvironment(), arguments);
}
