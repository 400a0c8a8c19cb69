#include "fleet/SdkQueue.h"

#include <algorithm>

using Kind = SdkRequest::Kind;

SdkQueue::SdkQueue(Link link) : m_link(std::move(link)) {}

SdkQueue::Outcome SdkQueue::classify(const SdkRequest& request, int httpStatus, const QByteArray& body)
{
    if (httpStatus == 0)
        return Outcome::Unreachable;
    if (httpStatus >= 200 && httpStatus < 300)
        return Outcome::Done;
    if (request.isPlayerCall()
        && (httpStatus == 404 || httpStatus == 501 || body.toLower().contains("not enabled")))
        return Outcome::NoPlayerTracking;
    // The gateway is up but the SDK server behind it is not (yet).
    if (httpStatus == 502 || httpStatus == 503 || httpStatus == 504)
        return Outcome::Unreachable;
    return Outcome::Refused;
}

void SdkQueue::push(const SdkRequest& request)
{
    if (request.isPlayerCall() && !m_playerTracking)
        return;
    // Only calls not yet made may be merged; the front one is out of reach once made.
    const auto firstWaiting = m_queue.begin() + (m_headTaken ? 1 : 0);
    switch (request.kind) {
    case Kind::Health:
        if (std::any_of(m_queue.begin(), m_queue.end(), [](const SdkRequest& r) { return r.kind == Kind::Health; }))
            return;
        break;
    case Kind::Label: {
        const auto same = std::find_if(firstWaiting, m_queue.end(), [&](const SdkRequest& r) {
            return r.kind == Kind::Label && r.key == request.key;
        });
        if (same != m_queue.end()) {
            same->value = request.value;
            return;
        }
        break;
    }
    case Kind::Disconnect: {
        const auto connect = std::find(firstWaiting, m_queue.end(), SdkRequest::connect(request.key));
        if (connect != m_queue.end()) {
            m_queue.erase(connect);
            return;
        }
        break;
    }
    default:
        break;
    }
    m_queue.push_back(request);
    pump();
}

void SdkQueue::pump()
{
    if (m_inFlight || m_retryWaiting || m_queue.empty())
        return;
    m_inFlight = true;
    m_headTaken = true;
    m_link.send(m_queue.front());
}

void SdkQueue::answered(Outcome outcome, const QString& detail)
{
    if (!m_inFlight || m_queue.empty())
        return;
    m_inFlight = false;
    const SdkRequest head = m_queue.front();
    switch (outcome) {
    case Outcome::Done:
        reachable();
        takeHead(true);
        break;
    case Outcome::Unreachable:
        ++m_failures;
        log(m_unreachableLog, QStringLiteral("agones: no answer from the SDK server to %1 (%2); trying again in %3 s")
                                  .arg(head.describe(), detail)
                                  .arg(m_retryMs / 1000.0));
        m_retryWaiting = true;
        m_link.wakeAfter(m_retryMs);
        m_retryMs = std::min(2 * m_retryMs, kMaxRetryMs);
        return;
    case Outcome::NoPlayerTracking:
        reachable();
        m_playerTracking = false;
        m_link.log(QStringLiteral("agones: the SDK server offers no player tracking (%1 answered %2); players are not reported")
                       .arg(head.describe(), detail));
        takeHead(false);
        std::erase_if(m_queue, [](const SdkRequest& r) { return r.isPlayerCall(); });
        break;
    case Outcome::Refused:
        reachable();
        log(m_refusedLog, QStringLiteral("agones: the SDK server refused %1: %2").arg(head.describe(), detail));
        takeHead(false);
        break;
    }
    pump();
}

void SdkQueue::wake()
{
    if (!m_retryWaiting)
        return;
    m_retryWaiting = false;
    pump();
}

void SdkQueue::dropWaiting(SdkRequest::Kind kind)
{
    const auto firstWaiting = m_queue.begin() + (m_headTaken ? 1 : 0);
    m_queue.erase(std::remove_if(firstWaiting, m_queue.end(), [kind](const SdkRequest& r) { return r.kind == kind; }),
                  m_queue.end());
}

void SdkQueue::takeHead(bool done)
{
    const SdkRequest head = m_queue.front();
    m_queue.pop_front();
    m_headTaken = false;
    if (m_link.finished)
        m_link.finished(head, done);
}

void SdkQueue::reachable()
{
    if (m_failures > 0)
        m_link.log(QStringLiteral("agones: the SDK server answers again, after %1 calls without an answer").arg(m_failures));
    m_failures = 0;
    m_retryMs = kFirstRetryMs;
    m_unreachableLog.reset();
}

void SdkQueue::log(LogThrottle& throttle, const QString& line)
{
    const QString shown = throttle.pass(line, m_link.now());
    if (!shown.isEmpty())
        m_link.log(shown);
}
