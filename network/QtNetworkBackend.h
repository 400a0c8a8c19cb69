#pragma once
// The network plugin's root object: host names looked up with QHostInfo, HTTP transfers
// made with QNetworkAccessManager.
#include "client/NetworkBackend.h"

#include <QObject>

class QtNetworkBackend : public QObject, public NetworkBackend {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuillorNetworkBackend_iid)
    Q_INTERFACES(NetworkBackend)

public:
    std::unique_ptr<HostLookup> lookUp(const QString& name,
                                       std::function<void(const QStringList& addresses)> done) const override;
    std::unique_ptr<HttpReply> get(const QUrl& url, const HttpReply::Fields& requestFields, qint64 readBufferSize,
                                   HttpListener& listener, QObject& owner) const override;
};
