#pragma once
// The order, the retries and the logging of the calls to the Agones SDK server, without
// any socket or timer of its own: what it asks of the world goes through its Link, and the
// answers come back through answered() and wake(). AgonesSdk wires the link to HTTP
// requests and a timer; tests wire it to recorders and a clock of their own.
//
// One call is under way at a time, the oldest first, so calls keep the order they were
// made in: ready before the first health ping, a player's connect before his disconnect.
// A call that gets no answer (the SDK server is not up yet, or its gateway cannot reach
// it) is made again after 0.25 s, then after twice as long each time, at most 5 s apart,
// until it is answered; the calls behind it wait. While they wait:
//   - a health ping is not queued when one is already waiting;
//   - a label replaces the waiting value of the same key;
//   - a disconnect takes back the connect of the same player that has not gone yet.
// So a queue behind an absent SDK server stays small however long it is absent.
//
// An answer that refuses a call is logged and the call dropped; the game goes on. A player
// call answered with 404 or 501, or with "not enabled" (the SDK server's answer while
// player tracking is switched off in the cluster), ends all player calls: that is logged
// once, and later ones are not made. Failures are logged at most once in 30 seconds while
// the SDK server cannot be reached, and at most three refusals in 30 seconds.
#include "fleet/LogThrottle.h"
#include "fleet/SdkRequest.h"

#include <QString>
#include <deque>
#include <functional>

class SdkQueue {
public:
    static constexpr qint64 kFirstRetryMs = 250;
    static constexpr qint64 kMaxRetryMs = 5000;
    static constexpr qint64 kLogWindowMs = 30000;

    enum class Outcome {
        Done,              // a 2xx answer
        Unreachable,       // no answer, or the gateway could not reach the SDK server: try again
        Refused,           // any other answer: drop the call
        NoPlayerTracking,  // a player call the SDK server does not offer: stop all of them
    };

    struct Link {
        // Makes the call; its outcome comes back through answered(), maybe before this returns.
        std::function<void(const SdkRequest&)> send;
        // Asks for wake() to be called once, `ms` milliseconds from now.
        std::function<void(qint64 ms)> wakeAfter;
        // One line for the log (never empty).
        std::function<void(const QString&)> log;
        // Milliseconds on a steady clock.
        std::function<qint64()> now;
        // A call has left the queue: answered (true), or refused or given up (false). May be empty.
        std::function<void(const SdkRequest&, bool done)> finished;
    };

    explicit SdkQueue(Link link);

    // Queues a call (or merges it with a waiting one, see above) and makes it when its turn comes.
    void push(const SdkRequest& request);
    // The outcome of the call under way; `detail` says what came back, for the log.
    void answered(Outcome outcome, const QString& detail);
    // The wake-up asked for through the link: makes the waiting call again.
    void wake();
    // Forgets the waiting calls of one kind (not one already made).
    void dropWaiting(SdkRequest::Kind kind);

    // What an answer means for a call: HTTP status 0 for no answer at all.
    static Outcome classify(const SdkRequest& request, int httpStatus, const QByteArray& body);

    bool playerTracking() const { return m_playerTracking; }
    bool callUnderWay() const { return m_inFlight; }
    bool retryWaiting() const { return m_retryWaiting; }
    // The pause before the next retry of a call that gets no answer.
    qint64 nextRetryMs() const { return m_retryMs; }
    // Calls not yet answered, the one under way or about to be made again first.
    const std::deque<SdkRequest>& pending() const { return m_queue; }

private:
    void pump();
    void takeHead(bool done);
    void reachable();
    void log(LogThrottle& throttle, const QString& line);

    Link m_link;
    std::deque<SdkRequest> m_queue;
    bool m_headTaken = false;   // the front call has been made at least once
    bool m_inFlight = false;
    bool m_retryWaiting = false;
    bool m_playerTracking = true;
    qint64 m_retryMs = kFirstRetryMs;
    int m_failures = 0;         // calls that got no answer since the last answer
    LogThrottle m_unreachableLog{kLogWindowMs, 1};
    LogThrottle m_refusedLog{kLogWindowMs, 3};
};
