#include "fleet/AgonesSettings.h"

#include <QRegularExpression>

namespace {

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

AgonesSettings AgonesSettings::read(const QProcessEnvironment& environment, const Options& options)
{
    AgonesSettings result;
    const QString variable = environment.value(QString::fromLatin1(kPortVariable));
    if (!variable.isEmpty()) {
        result.enabled = true;
        if (!parsePort(variable, &result.port))
            result.error = QStringLiteral("%1: \"%2\" is not a port number (1 to 65535)")
                               .arg(QString::fromLatin1(kPortVariable), variable.left(20));
    }
    if (options.agones) {
        result.enabled = true;
        if (options.port != 0)
            result.port = options.port;
    }
    result.oneSession = options.oneSession;
    return result;
}
