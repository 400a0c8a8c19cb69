#include "host/TServer.h"

#include "host/RandomSource.h"
#include "net/Protocol.h"
#include "net/Wire.h"

#include <QDebug>

#include <algorithm>
#include <limits>

TServer::TServer(QObject* parent, RandomSource& random, quint16 port)
    : QObject(parent)
    , m_port(port)
    , Sock1(new TSock(this))
    , m_game(random, [this, &random](const QString& language, bool scrambled, bool onlyLetters) {
          m_words.setLanguage(language);
          return m_words.drawWord(random, scrambled, onlyLetters);
      }, makeLink())
{
    Sock1->setPortName(QString::number(port));
    Sock1->OnAccept = [this](TSock* listener) { Sock1Accept(listener); };

    m_queues.setPace(kSockTimerMs);
    socktimer.setSingleShot(true);
    socktimer.setTimerType(Qt::PreciseTimer);
    connect(&socktimer, &QTimer::timeout, this, [this] {
        m_dispatchAt.reset();
        socktimerTimer();
    });
    m_connectionLogTimer.setSingleShot(true);
    connect(&m_connectionLogTimer, &QTimer::timeout, this, &TServer::flushConnectionLog);
    timer1.setInterval(kClockMs);
    connect(&timer1, &QTimer::timeout, this, &TServer::timer1Timer);
    m_uptime.start();
    m_loginTimer.setSingleShot(true);
    m_loginTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_loginTimer, &QTimer::timeout, this, [this] { m_game.loginDeadline(); });
    m_holdTimer.setSingleShot(true);
    connect(&m_holdTimer, &QTimer::timeout, this, [this] { m_game.holdDeadline(); });
}

TServer::~TServer()
{
    // Destroying a connected socket closes it and reports the close; nobody must be
    // listening to that any more.
    m_destroying = true;
    socktimer.stop();
    timer1.stop();
    m_loginTimer.stop();
    m_holdTimer.stop();
    // The host ends: every player is told so before his connection closes, so that no
    // client takes the close for a lost connection and tries to come back.
    for (int slot : m_game.players().connectedSlots())
        send(slot, proto::Closing{}.message());
    m_connectionLogTimer.stop();
    for (TSock* sock : Sock1->findChildren<TSock*>()) {
        sock->OnRead = nullptr;
        sock->OnDisconnect = nullptr;
        sock->OnInfo = nullptr;
    }
    Sock1->OnAccept = nullptr;
    delete Sock1;
    Sock1 = nullptr;
}

HostLink TServer::makeLink()
{
    HostLink link;
    link.send = [this](int slot, const Message& message) { send(slot, message); };
    link.closeConnection = [this](int slot) { disconnectsock(slot); };
    link.runClock = [this](bool running) {
        timer1.stop();
        if (running)
            timer1.start();
    };
    link.event = [this](const QString& line) { logEvent(line); };
    link.connectionEvent = [this](int slot, const QString& line) { logConnection(slot, line); };
    link.now = [this] { return m_gameClock ? m_gameClock() : m_uptime.elapsed(); };
    link.wakeForLogins = [this](qint64 ms) {
        if (ms < 0)
            m_loginTimer.stop();
        else
            m_loginTimer.start(static_cast<int>(std::min<qint64>(ms, std::numeric_limits<int>::max())));
    };
    link.playerLoggedIn = [this](int slot, const QByteArray& name) { emit playerLoggedIn(slot, wire::fromWire(name)); };
    link.playerLeft = [this](int slot, const QByteArray& name) { emit playerLeft(slot, wire::fromWire(name)); };
    link.gameStarted = [this] { emit gameStarted(); };
    link.gameEnded = [this](const QByteArray& winner) { emit gameEnded(wire::fromWire(winner)); };
    link.wakeForHolds = [this](qint64 ms) {
        if (ms < 0)
            m_holdTimer.stop();
        else
            m_holdTimer.start(static_cast<int>(std::min<qint64>(ms, std::numeric_limits<int>::max())));
    };
    link.moveConnection = [this](int from, int to) { moveConnection(from, to); };
    const auto text = [](const QByteArray& name) { return wire::fromWire(name); };
    link.leaderChanged = [this](int slot) { emit leaderChanged(slot, leaderName()); };
    link.seatAway = [this, text](int seat, const QByteArray& name, int seconds) { emit seatAway(seat, text(name), seconds); };
    link.seatBack = [this, text](int seat, const QByteArray& name) { emit seatBack(seat, text(name)); };
    link.holdEnded = [this, text](int seat, const QByteArray& name) { emit holdEnded(seat, text(name)); };
    return link;
}

QString TServer::leaderName() const
{
    const int slot = m_game.leader();
    return slot ? wire::fromWire(m_game.players()[slot].name) : QString();
}

void TServer::moveConnection(int from, int to)
{
    if (from < 1 || from > PlayerTable::kMaxSlots || to < 1 || to > PlayerTable::kMaxSlots || from == to)
        return;
    Connection& a = m_connections[from];
    Connection& b = m_connections[to];
    b.sock = a.sock;
    b.framer = std::move(a.framer);
    b.address = a.address;
    a.sock.clear();
    a.framer.clear();
    if (b.sock)
        b.sock->Tag = to;
    m_queues.move(from, to);
}

void TServer::startListening()
{
    Sock1->setListen(true);
}

void TServer::stopListening()
{
    if (Sock1->Listen())
        Sock1->setListen(false);
}

bool TServer::isListening() const
{
    return Sock1->Listen();
}

quint16 TServer::port() const
{
    return Sock1->Listen() ? Sock1->boundPort() : m_port;
}

void TServer::logEvent(const QString& line) const
{
    if (m_eventLog)
        m_eventLog(line);
}

void TServer::logConnection(int slot, const QString& line)
{
    if (slot < 1 || slot > PlayerTable::kFullSlot)
        return;
    for (const QString& l : m_connectionLog.line(m_connections[slot].address, line, m_uptime.elapsed()))
        logEvent(l);
    if (const std::optional<qint64> at = m_connectionLog.nextFlushAt(); at && !m_connectionLogTimer.isActive())
        m_connectionLogTimer.start(int(std::clamp<qint64>(*at - m_uptime.elapsed(), 0, ConnectionLog::kWindowMs)));
}

void TServer::flushConnectionLog()
{
    for (const QString& l : m_connectionLog.flush(m_uptime.elapsed()))
        logEvent(l);
    if (const std::optional<qint64> at = m_connectionLog.nextFlushAt())
        m_connectionLogTimer.start(int(std::clamp<qint64>(*at - m_uptime.elapsed(), 0, ConnectionLog::kWindowMs)));
}

int TServer::slotOf(TSock* sock) const
{
    if (!sock)
        return 0;
    const int slot = sock->Tag;
    if (slot < 1 || slot > PlayerTable::kFullSlot || m_connections[slot].sock != sock)
        return 0;
    return slot;
}

void TServer::Sock1Accept(TSock* listener)
{
    TSock* sock = nullptr;
    if (!listener->Accept(sock) || !sock)
        return;
    // The address first: a seat kept for a player may be his only way in.
    const QString address = listener->peerAddress();
    const int slot = m_game.chooseSlot(address);
    sock->setKeepAlive(game::KeepAliveIdleSeconds, game::KeepAliveIntervalSeconds, game::KeepAliveProbes);
    sock->Tag = slot;
    sock->OnRead = [this](TSock* s, int count) { Sock1Read(s, count); };
    sock->OnDisconnect = [this](TSock* s) { tempsockDisconnect(s); };
    sock->OnInfo = [this](TSock* s, TSocketInfo kind, const QString& msg) { tempsockInfo(s, kind, msg); };

    Connection& c = m_connections[slot];
    c.sock = sock;
    c.framer.clear();
    c.address = address;
    m_queues.drop(slot);
    if (slot != PlayerTable::kFullSlot)
        logConnection(slot, QStringLiteral("connection from %1 in slot %2").arg(c.address).arg(slot));
    m_game.connectionAccepted(slot, address);
}

void TServer::Sock1Read(TSock* sender, int)
{
    const QByteArray bytes = sender->Receive();
    const int slot = slotOf(sender);
    if (slot == 0 || slot == PlayerTable::kFullSlot)
        return;
    const QList<QByteArray> texts = m_connections[slot].framer.feed(bytes);
    for (const QByteArray& text : texts) {
        if (!m_queues.push(slot, text)) {
            qWarning("host: slot %d sent more than %zu unhandled messages (or %lld bytes); closing it", slot,
                     m_queues.cap(), static_cast<long long>(SlotQueues::kDefaultByteCap));
            m_queues.drop(slot);
            sender->Send(proto::Closing{}.message().bytes());
            sender->Close();
            return;
        }
    }
    // Handled now if its connection is due: handlers never run inside the socket's own
    // bookkeeping, only after the read has been taken and framed.
    if (!texts.isEmpty())
        socktimerTimer();
}

void TServer::tempsockDisconnect(TSock* sender)
{
    if (m_game.players().isConnected(slotOf(sender)))
        sender->Close();
}

void TServer::tempsockInfo(TSock* sender, TSocketInfo, const QString& msg)
{
    if (m_destroying || msg != QLatin1String("Socket Closed"))
        return;
    // Only the slot's current connection counts: a report from a connection that has
    // already been released must not free a slot that somebody else now holds.
    const int slot = slotOf(sender);
    if (slot == 0)
        return;
    Connection& c = m_connections[slot];
    c.sock.clear();
    c.framer.clear();
    m_queues.drop(slot);
    m_game.connectionClosed(slot);
    sender->deleteLater();
}

void TServer::disconnectsock(int slot)
{
    if (slot < 1 || slot > PlayerTable::kFullSlot)
        return;
    TSock* sock = m_connections[slot].sock;
    if (sock && sock->hasHandle())
        sock->Close();
}

void TServer::send(int slot, const Message& message)
{
    if (slot < 1 || slot > PlayerTable::kFullSlot)
        return;
    TSock* sock = m_connections[slot].sock;
    if (!sock || !sock->hasHandle())
        return;
    sock->Send(message.bytes());
    if (sock->sendBufferSize() > kMaxSendBacklog) {
        // The peer does not read what it is sent. It is closed from the event loop,
        // not here, because the game may be in the middle of a loop over the slots.
        qWarning("host: slot %d leaves more than %lld bytes unread; closing it", slot,
                 static_cast<long long>(kMaxSendBacklog));
        QPointer<TSock> guard(sock);
        QTimer::singleShot(0, this, [guard] {
            if (guard && guard->hasHandle())
                guard->Close();
        });
    }
}

void TServer::setDispatchPace(int periodMs, std::function<qint64()> clock)
{
    m_queues.setPace(periodMs);
    m_dispatchClock = std::move(clock);
}

qint64 TServer::dispatchNow() const
{
    return m_dispatchClock ? m_dispatchClock() : m_uptime.elapsed();
}

void TServer::socktimerTimer()
{
    // A handler never reads from a socket, but a pass must not start inside another one.
    if (m_dispatching)
        return;
    m_dispatching = true;
    const qint64 now = dispatchNow();
    while (std::optional<SlotQueues::Entry> entry = m_queues.takeDue(now)) {
        try {
            m_game.handle(entry->slot, entry->text);
        } catch (const std::exception& e) {
            qWarning("host: message from slot %d failed: %s", entry->slot, e.what());
        }
    }
    m_dispatching = false;
    scheduleDispatch();
}

void TServer::scheduleDispatch()
{
    const std::optional<qint64> due = m_queues.nextDueAt();
    if (!due) {
        m_dispatchAt.reset();
        socktimer.stop();
        return;
    }
    // Set only when the time changes: a flooding connection's every read would otherwise
    // set the timer again for the same moment.
    if (socktimer.isActive() && m_dispatchAt == due)
        return;
    m_dispatchAt = due;
    socktimer.start(int(std::clamp<qint64>(*due - dispatchNow(), 0, std::numeric_limits<int>::max())));
}

void TServer::timer1Timer()
{
    try {
        m_game.tick();
    } catch (const std::exception& e) {
        qWarning("host: game clock failed: %s", e.what());
    }
}
