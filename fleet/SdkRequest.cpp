#include "fleet/SdkRequest.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>

QByteArray SdkRequest::method() const
{
    return kind == Kind::Label || kind == Kind::Capacity ? QByteArrayLiteral("PUT") : QByteArrayLiteral("POST");
}

QByteArray SdkRequest::path() const
{
    switch (kind) {
    case Kind::Ready: return QByteArrayLiteral("/ready");
    case Kind::Health: return QByteArrayLiteral("/health");
    case Kind::Shutdown: return QByteArrayLiteral("/shutdown");
    case Kind::Label: return QByteArrayLiteral("/metadata/label");
    case Kind::Capacity: return QByteArrayLiteral("/alpha/player/capacity");
    case Kind::Connect: return QByteArrayLiteral("/alpha/player/connect");
    case Kind::Disconnect: return QByteArrayLiteral("/alpha/player/disconnect");
    }
    return {};
}

QByteArray SdkRequest::body() const
{
    QJsonObject object;
    switch (kind) {
    case Kind::Ready:
    case Kind::Health:
    case Kind::Shutdown:
        break;
    case Kind::Label:
        object.insert(QStringLiteral("key"), key);
        object.insert(QStringLiteral("value"), value);
        break;
    case Kind::Capacity:
        object.insert(QStringLiteral("count"), count);
        break;
    case Kind::Connect:
    case Kind::Disconnect:
        object.insert(QStringLiteral("playerID"), key);
        break;
    }
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

QString SdkRequest::describe() const
{
    QString text = QString::fromLatin1(method() + ' ' + path());
    if (kind == Kind::Label)
        text += QStringLiteral(" %1=%2").arg(key, value);
    else if (kind == Kind::Connect || kind == Kind::Disconnect)
        text += QLatin1Char(' ') + key;
    return text;
}

QString playerIdFor(int slot, const QString& name)
{
    QString encoded;
    for (qsizetype i = 0; i < name.size();) {
        // One whole character at a time, so a cut never splits a surrogate pair or the
        // escapes of one character.
        const qsizetype length = name.at(i).isHighSurrogate() && i + 1 < name.size() ? 2 : 1;
        const QByteArray part = QUrl::toPercentEncoding(name.mid(i, length));
        if (encoded.size() + part.size() > kMaxPlayerIdNameChars)
            break;
        encoded += QString::fromLatin1(part);
        i += length;
    }
    return QString::number(slot) + QLatin1Char('-') + encoded;
}
