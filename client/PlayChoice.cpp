#include "client/PlayChoice.h"

bool PlayChoice::complete() const
{
    return !name.trimmed().isEmpty() && (host || !address.trimmed().isEmpty());
}

QStringList PlayChoice::arguments() const
{
    // Hosting ignores the address, but the command line always has one in second place.
    const QString where = host && address.trimmed().isEmpty() ? QStringLiteral("127.0.0.1") : address.trimmed();
    return {QStringLiteral("--port"), QString::number(port), QStringLiteral("--"), name.trimmed(), where,
            host ? QStringLiteral("true") : QStringLiteral("false")};
}
