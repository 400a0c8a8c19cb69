#include "client/HttpDownload.h"

#include <QIODevice>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>

HttpDownload::HttpDownload(QObject* parent)
    : QObject(parent), m_manager(new QNetworkAccessManager(this))
{
    m_manager->setProxy(QNetworkProxy::NoProxy);
}

HttpDownload::~HttpDownload()
{
    release();
}

bool HttpDownload::get(const QUrl& url, QIODevice* sink)
{
    if (m_reply || !sink)
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

    m_sink = sink;
    m_received = 0;
    m_begun = false;
    m_aborted = false;
    m_writeError.clear();
    m_reply = m_manager->get(request);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &HttpDownload::onMetaData);
    connect(m_reply, &QNetworkReply::readyRead, this, &HttpDownload::onReadyRead);
    // Queued, so that the end of a transfer is never announced inside the call that
    // caused it: QNetworkReply::abort() finishes the reply on the spot.
    connect(m_reply, &QNetworkReply::finished, this, &HttpDownload::onFinished, Qt::QueuedConnection);
    return true;
}

void HttpDownload::abort()
{
    if (!m_reply || m_reply->isFinished())
        return;
    m_aborted = true;
    m_reply->abort();
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
    emit docBegin();
}

void HttpDownload::onReadyRead()
{
    if (!m_reply || m_aborted || !m_writeError.isEmpty())
        return;
    if (!m_begun)
        onMetaData();
    const QByteArray piece = m_reply->readAll();
    if (piece.isEmpty())
        return;
    if (m_sink->write(piece) != piece.size()) {
        m_writeError = QStringLiteral("Cannot write the download: ") + m_sink->errorString();
        m_reply->abort();
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
    const QVariant status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (m_aborted) {
        result.status = AbortStatus;
        result.reason = AbortReason;
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
