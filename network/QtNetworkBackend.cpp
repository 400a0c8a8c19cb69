#include "network/QtNetworkBackend.h"

#include <QHostAddress>
#include <QHostInfo>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace {

// One QHostInfo look-up; its answer is dropped once this object has gone.
class QtHostLookup : public QObject, public HostLookup {
public:
    QtHostLookup(const QString& name, std::function<void(const QStringList&)> done) : m_done(std::move(done))
    {
        m_id = QHostInfo::lookupHost(name, this, [this](const QHostInfo& info) {
            m_id = -1;
            QStringList addresses;
            for (const QHostAddress& a : info.addresses()) {
                const auto protocol = a.protocol();
                if (protocol != QAbstractSocket::IPv4Protocol && protocol != QAbstractSocket::IPv6Protocol)
                    continue;
                if (const QString text = a.toString(); !addresses.contains(text))
                    addresses << text;
            }
            // Last: the answer's receiver may end this look-up.
            const auto done = std::move(m_done);
            done(addresses);
        });
    }
    ~QtHostLookup() override
    {
        if (m_id >= 0)
            QHostInfo::abortHostLookup(m_id);
    }

private:
    std::function<void(const QStringList&)> m_done;
    int m_id = -1;
};

// One GET on a network access manager of its own (one request per connection anyway),
// a child of the owner given.
class QtHttpReply : public HttpReply {
public:
    QtHttpReply(const QUrl& url, const Fields& requestFields, qint64 readBufferSize, HttpListener& listener,
                QObject& owner)
        : m_manager(new QNetworkAccessManager(&owner))
    {
        m_manager->setProxy(QNetworkProxy::NoProxy);
        QNetworkRequest request(url);
        for (const auto& [name, value] : requestFields)
            request.setRawHeader(name, value);
        request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
        request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);
        m_reply = m_manager->get(request);
        m_reply->setReadBufferSize(readBufferSize);
        QObject::connect(m_reply, &QNetworkReply::metaDataChanged, &m_listening, [&listener] { listener.answerChanged(); });
        QObject::connect(m_reply, &QNetworkReply::readyRead, &m_listening, [&listener] { listener.bodyArrived(); });
        QObject::connect(m_reply, &QNetworkReply::redirected, &m_listening,
                         [&listener](const QUrl& next) { listener.redirectedTo(next); });
        QObject::connect(m_reply, &QNetworkReply::finished, &m_listening, [&listener] { listener.transferEnded(); });
    }
    ~QtHttpReply() override
    {
        // The listener hears nothing more; the network layer's own connections stay.
        m_reply->disconnect(&m_listening);
        if (!m_reply->isFinished())
            m_reply->abort();
        // Later: this may end inside one of the reply's own signals. The reply goes with it.
        m_manager->deleteLater();
    }

    QUrl url() const override { return m_reply->url(); }
    int status() const override { return m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(); }
    QByteArray reason() const override
    {
        return m_reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toByteArray();
    }
    Fields fields() const override { return m_reply->rawHeaderPairs(); }
    bool hasField(const QByteArray& name) const override { return m_reply->hasRawHeader(name); }
    std::optional<qint64> contentLength() const override
    {
        bool known = false;
        const qint64 length = m_reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&known);
        return known ? std::optional<qint64>(length) : std::nullopt;
    }
    qint64 bytesAvailable() const override { return m_reply->bytesAvailable(); }
    QByteArray readAll() override { return m_reply->readAll(); }
    bool isFinished() const override { return m_reply->isFinished(); }
    QString errorText() const override
    {
        return m_reply->error() == QNetworkReply::NoError ? QString() : m_reply->errorString();
    }
    void followRedirect() override { emit m_reply->redirectAllowed(); }
    void abort() override { m_reply->abort(); }

private:
    QObject m_listening; // the context of the connections to the listener
    QNetworkAccessManager* m_manager;
    QNetworkReply* m_reply;
};

} // namespace

std::unique_ptr<HostLookup> QtNetworkBackend::lookUp(const QString& name,
                                                     std::function<void(const QStringList& addresses)> done) const
{
    return std::make_unique<QtHostLookup>(name, std::move(done));
}

std::unique_ptr<HttpReply> QtNetworkBackend::get(const QUrl& url, const HttpReply::Fields& requestFields,
                                                 qint64 readBufferSize, HttpListener& listener, QObject& owner) const
{
    return std::make_unique<QtHttpReply>(url, requestFields, readBufferSize, listener, owner);
}
