#include "client/HttpDownload.h"

#include <QIODevice>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace {

bool isScheme(const QUrl& url, QLatin1String scheme)
{
    return url.scheme().compare(scheme, Qt::CaseInsensitive) == 0;
}

QString sizeText(qint64 bytes)
{
    return bytes % (1024 * 1024) == 0 ? QStringLiteral("%1 MiB").arg(bytes / (1024 * 1024))
                                      : QStringLiteral("%1 bytes").arg(bytes);
}

} // namespace

HttpDownload::HttpDownload(QObject* parent)
    : QObject(parent), m_manager(new QNetworkAccessManager(this))
{
    m_manager->setProxy(QNetworkProxy::NoProxy);
}

HttpDownload::~HttpDownload()
{
    release();
}

bool HttpDownload::fetchable(const QUrl& url)
{
    return url.isValid() && (isScheme(url, QLatin1String("http")) || isScheme(url, QLatin1String("https")))
        && !url.host().isEmpty();
}

bool HttpDownload::get(const QUrl& url, QIODevice* sink)
{
    if (running() || !sink || !fetchable(url))
        return false;
    QNetworkRequest request(url);
    request.setRawHeader("User-Agent", Agent);
    request.setRawHeader("Accept", Accept);
    // One request per connection, and the body exactly as the server sends it (asking
    // for any encoding would make Qt unpack it and count the unpacked bytes).
    request.setRawHeader("Connection", "close");
    request.setRawHeader("Accept-Encoding", "identity");
    request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    // Each redirection is looked at before it is followed.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);

    ++m_transfer;
    m_sink = sink;
    m_received = 0;
    m_begun = false;
    m_aborted = false;
    m_endPending = false;
    m_writeError.clear();
    m_refused.clear();
    m_plainHost.clear();
    noteAddress(url);
    m_reply = m_manager->get(request);
    // The network layer reads no further ahead than this; the rest waits in the socket.
    m_reply->setReadBufferSize(ReadBufferSize);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &HttpDownload::onMetaData);
    connect(m_reply, &QNetworkReply::readyRead, this, &HttpDownload::onReadyRead);
    connect(m_reply, &QNetworkReply::redirected, this, [this](const QUrl& next) {
        const QUrl from = m_reply->url();
        if (!fetchable(next)) {
            m_refused = QStringLiteral("Redirected outside http: and https:");
            stop();
        } else if (isScheme(from, QLatin1String("https")) && isScheme(next, QLatin1String("http"))) {
            m_refused = QStringLiteral("Redirected from https: to http:");
            stop();
        } else {
            noteAddress(next);
            emit m_reply->redirectAllowed();
        }
    });
    // Queued, so that the end of a transfer is never announced inside the call that
    // caused it: QNetworkReply::abort() finishes the reply on the spot. A late end of a
    // transfer that was released meanwhile is known by its number.
    connect(
        m_reply, &QNetworkReply::finished, this,
        [this, transfer = m_transfer] {
            if (transfer == m_transfer)
                onFinished();
        },
        Qt::QueuedConnection);
    return true;
}

void HttpDownload::noteAddress(const QUrl& url)
{
    if (isScheme(url, QLatin1String("http")))
        m_plainHost = url.host();
}

void HttpDownload::abort()
{
    if (!m_reply || m_endPending)
        return;
    // At once: the reply goes, and nothing it still holds or receives is written.
    m_aborted = true;
    release();
    m_endPending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_endPending = false;
            HttpResult result;
            result.status = AbortStatus;
            result.reason = AbortReason;
            result.plainHost = m_plainHost;
            emit finished(result);
        },
        Qt::QueuedConnection);
}

void HttpDownload::stop()
{
    // From the event loop, not inside the reply's own signal; until then nothing more is
    // taken from it (the refusal or the error is set), and it reads no further ahead than
    // its buffer.
    QMetaObject::invokeMethod(
        this,
        [this, transfer = m_transfer] {
            if (transfer == m_transfer && m_reply && !m_reply->isFinished())
                m_reply->abort();
        },
        Qt::QueuedConnection);
}

void HttpDownload::onMetaData()
{
    if (m_begun || !m_reply)
        return;
    const QVariant status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid())
        return;
    // A redirection is followed: the answer that counts is the one at its end.
    if (status.toInt() / 100 == 3 && m_reply->hasRawHeader("Location"))
        return;
    m_begun = true;
    emit headerData(status.toByteArray() + ' '
                    + m_reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toByteArray());
    for (const auto& [name, value] : m_reply->rawHeaderPairs())
        emit headerData(name + ": " + value);
    // A body announced larger than the limit is refused before any of it is taken.
    bool known = false;
    const qint64 announced = m_reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&known);
    if (known && announced > m_maxSize && status.toInt() < 400) {
        m_refused = QStringLiteral("The download is larger than ") + sizeText(m_maxSize);
        stop();
        return;
    }
    emit docBegin(known && announced >= 0 ? announced : -1);
}

void HttpDownload::onReadyRead()
{
    if (!m_reply || m_aborted || !m_writeError.isEmpty() || !m_refused.isEmpty())
        return;
    if (!m_begun)
        onMetaData();
    if (!m_refused.isEmpty())
        return;
    const QByteArray piece = m_reply->readAll();
    if (piece.isEmpty())
        return;
    if (m_received + piece.size() > m_maxSize) {
        m_refused = QStringLiteral("The download is larger than ") + sizeText(m_maxSize);
        stop();
        return;
    }
    if (m_sink->write(piece) != piece.size()) {
        m_writeError = QStringLiteral("Cannot write the download: ") + m_sink->errorString();
        stop();
        return;
    }
    m_received += piece.size();
    emit docData(m_received);
}

void HttpDownload::onFinished()
{
    if (!m_reply)
        return;
    // Whatever arrived together with the end of the answer.
    if (m_reply->bytesAvailable() > 0)
        onReadyRead();

    HttpResult result;
    result.plainHost = m_plainHost;
    const QVariant status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!m_refused.isEmpty()) {
        result.refused = m_refused;
    } else if (!m_writeError.isEmpty()) {
        result.error = m_writeError;
    } else if (status.isValid()) {
        result.status = status.toInt();
        result.reason = m_reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
        // An answer that broke off in the middle of a successful status is a failure too.
        if (result.status < 400 && m_reply->error() != QNetworkReply::NoError)
            result.error = m_reply->errorString();
    } else {
        result.error = m_reply->errorString();
    }
    release();
    emit finished(result);
}

void HttpDownload::release()
{
    QNetworkReply* reply = m_reply;
    if (!reply)
        return;
    m_reply = nullptr;
    m_sink = nullptr;
    reply->disconnect(this);
    if (!reply->isFinished())
        reply->abort();
    reply->deleteLater();
}
