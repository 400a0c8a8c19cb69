#include "fleet/AgonesSettings.h"

#include <QRegularExpression>

namespace {

const QString kEnable = QStringLiteral("--agones");
const QString kOneSession = QStringLiteral("--agones-one-session");

// A port the SDK server can listen on: 1 to 65535, in one to five decimal digits.
bool parsePort(const QString& text, quint16* port)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,5}$"));
    const uint value = text.toUInt();
    if (!digits.match(text).hasMatch() || value < 1 || value > 65535)
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
