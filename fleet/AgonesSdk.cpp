#include "fleet/AgonesSdk.h"

#include "net/GameConstants.h"

#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace {

// What came back, for a log line: printable ASCII only, and short.
QString shownAnswer(const QByteArray& text)
{
    QString shown;
    for (char c : text.left(80))
        shown += c >= 0x20 && c < 0x7f ? QLatin1Char(c) : QLatin1Char('?');
    return shown.simplified();
}

} // namespace

AgonesSdk::AgonesSdk(const AgonesSettings& settings, QObject* parent)
    : QObject(parent), m_settings(settings),
      m_base(QStringLiteral("http://localhost:%1").arg(settings.port)),
      m_queue(SdkQueue::Link{
          [this](const SdkRequest& r) { send(r); },
          [this](qint64 ms) { m_retry.start(int(ms)); },
          [this](const QString& line) { emit logLine(line); },
          [this] { return m_clock.elapsed(); },
          [this](const SdkRequest& r, bool done) { callFinished(r, done); },
      })
{
    m_clock.start();
    if (!m_settings.enabled)
        return;
    m_network = new QNetworkAccessManager(this);
    // The SDK server is on this machine: a proxy from the environment must not take the calls.
    m_network->setProxy(QNetworkProxy::NoProxy);
    m_health.setInterval(kHealthIntervalMs);
    m_health.setTimerType(Qt::PreciseTimer);
    connect(&m_health, &QTimer::timeout, this, &AgonesSdk::healthTick);
    m_retry.setSingleShot(true);
    connect(&m_retry, &QTimer::timeout, this, [this] { m_queue.wake(); });
    m_stopWait.setSingleShot(true);
    connect(&m_stopWait, &QTimer::timeout, this, [this] {
        if (m_shutdown != Shutdown::Done)
            emit logLine(QStringLiteral("agones: no answer to the shutdown call within %1 s; stopping without it")
                             .arg(kStopWaitMs / 1000.0));
        finishStop();
    });
}

AgonesSdk::~AgonesSdk()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
    }
}

void AgonesSdk::listening(quint16 gamePort)
{
    if (!enabled() || m_listening || shutdownRequested())
        return;
    m_listening = true;
    emit logLine(QStringLiteral("agones: game port %1 is listening; telling the SDK server at %2")
                     .arg(gamePort)
                     .arg(m_base.toString()));
    m_queue.push(SdkRequest::capacity(game::MaxSlots));
    m_queue.push(SdkRequest::label(QStringLiteral("state"), QStringLiteral("waiting")));
    setPlayersLabel();
    m_queue.push(SdkRequest::ready());
    healthTick();
    m_health.start();
}

void AgonesSdk::playerJoined(int slot, const QString& name)
{
    if (!enabled() || shutdownRequested())
        return;
    // A second login from the same slot is a new player there.
    if (m_playerIds.contains(slot))
        m_queue.push(SdkRequest::disconnect(m_playerIds.take(slot)));
    const QString id = playerIdFor(slot, name);
    m_playerIds.insert(slot, id);
    m_queue.push(SdkRequest::connect(id));
    setPlayersLabel();
}

void AgonesSdk::playerLeft(int slot, const QString& /*name*/)
{
    // The ID is the one given at the login: a slot that never logged in has none.
    if (!enabled() || shutdownRequested() || !m_playerIds.contains(slot))
        return;
    m_queue.push(SdkRequest::disconnect(m_playerIds.take(slot)));
    setPlayersLabel();
    if (m_settings.oneSession && m_gamePlayed && m_playerIds.isEmpty()) {
        emit logLine(QStringLiteral("agones: the last player has left after a game; asking for a fresh server and stopping"));
        stopRequested();
    }
}

void AgonesSdk::gameStarted()
{
    if (!enabled() || shutdownRequested())
        return;
    m_gamePlayed = true;
    m_queue.push(SdkRequest::label(QStringLiteral("state"), QStringLiteral("playing")));
}

void AgonesSdk::gameEnded()
{
    if (!enabled() || shutdownRequested())
        return;
    m_queue.push(SdkRequest::label(QStringLiteral("state"), QStringLiteral("waiting")));
}

void AgonesSdk::stopRequested()
{
    if (m_stopAsked)
        return;
    m_stopAsked = true;
    if (!enabled() || m_shutdown == Shutdown::Done) {
        finishStop();
        return;
    }
    requestShutdown();
    m_stopWait.start(kStopWaitMs);
}

void AgonesSdk::requestShutdown()
{
    if (m_shutdown != Shutdown::None)
        return;
    m_shutdown = Shutdown::Asked;
    m_health.stop();
    m_queue.dropWaiting(SdkRequest::Kind::Health);
    m_queue.push(SdkRequest::shutdown());
}

void AgonesSdk::finishStop()
{
    m_stopWait.stop();
    if (m_stopSignalled)
        return;
    m_stopSignalled = true;
    emit stopped();
}

void AgonesSdk::healthTick()
{
    m_queue.push(SdkRequest::health());
}

void AgonesSdk::setPlayersLabel()
{
    m_queue.push(SdkRequest::label(QStringLiteral("players"), QString::number(m_playerIds.size())));
}

void AgonesSdk::send(const SdkRequest& request)
{
    QUrl url = m_base;
    url.setPath(QString::fromLatin1(request.path()));
    QNetworkRequest http(url);
    http.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
    http.setTransferTimeout(kCallTimeoutMs);
    const QByteArray body = request.body();
    QNetworkReply* reply = request.method() == "PUT" ? m_network->put(http, body) : m_network->post(http, body);
    m_reply = reply;
    connect(reply, &QNetworkReply::finished, this, [this, reply, request] { replyFinished(reply, request); });
}

void AgonesSdk::replyFinished(QNetworkReply* reply, const SdkRequest& request)
{
    reply->deleteLater();
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const QByteArray answer = reply->readAll();
    const int code = status.isValid() ? status.toInt() : 0;
    const QString detail = code == 0 ? shownAnswer(reply->errorString().toUtf8())
                                     : QStringLiteral("HTTP %1 %2").arg(code).arg(shownAnswer(answer)).trimmed();
    m_queue.answered(SdkQueue::classify(request, code, answer), detail);
}

void AgonesSdk::callFinished(const SdkRequest& request, bool done)
{
    if (request.kind == SdkRequest::Kind::Ready && done)
        emit logLine(QStringLiteral("agones: the SDK server knows the game server is ready"));
    if (request.kind != SdkRequest::Kind::Shutdown)
        return;
    m_shutdown = Shutdown::Done;
    if (done)
        emit logLine(QStringLiteral("agones: shutdown asked of the SDK server"));
    if (m_stopAsked)
        finishStop();
}
