#include "client/Session.h"

#include "client/ClientConnection.h"
#include "net/Sock.h"
#include "net/Wire.h"

#include <QDebug>

Session::Session(ClientContext& context, ClientConnection& connection, QObject* parent)
    : QObject(parent)
    , m_context(context)
    , m_connection(connection)
{
}

void Session::processparams(const QStringList& params)
{
    ClientState& st = m_context.state;
    emit leadershipChanged(false);
    st.loginname.clear();
    if (params.isEmpty()) {
        m_solo = true;
        m_context.systemLine(tr(qUtf8Printable(SoloWaitingText)));
        emit downloadOffered();
        st.hostaddress = QStringLiteral("127.0.0.1");
        st.playername = QStringLiteral("You");
        m_mode = Mode::Host;
        m_waitingText = tr(qUtf8Printable(SoloWaitingText));
        emit attemptStarted(m_waitingText);
        hostpress();
        return;
    }
    m_context.systemLine(tr(qUtf8Printable(WaitingText)));
    if (params.size() < 3) {
        emit attemptFailed(tr(qUtf8Printable(NoGameText)), false);
        return;
    }
    st.playername = params.at(0);
    st.hostaddress = params.at(1);
    m_mode = params.at(2) == QLatin1String("true") ? Mode::Host : Mode::Join;
    m_waitingText = tr(qUtf8Printable(WaitingText));
    emit attemptStarted(m_waitingText);
    if (m_mode == Mode::Host)
        hostpress();
    else
        joinpress();
    m_connection.connectLobby();
}

void Session::retry()
{
    const ClientState& st = m_context.state;
    if (m_mode == Mode::None || st.connected)
        return;
    emit attemptStarted(m_waitingText);
    if (m_mode == Mode::Join)
        joinpress();
    else if (st.ishost)
        m_connection.connectToHost(QStringLiteral("127.0.0.1"), QString::number(m_listening));
    else
        hostpress();
}

void Session::hostpress()
{
    ClientState& st = m_context.state;
    quint16 listening = port;
    try {
        if (startHost)
            listening = startHost();
    } catch (const ESockException& e) {
        qWarning().noquote() << "cannot host on port" << port << "-" << e.what();
        const QString failure =
            tr("Could not start the game on port %1 (%2).").arg(port).arg(QString::fromLatin1(e.what()));
        m_context.systemLine(failure);
        emit attemptFailed(failure, true);
        return;
    }
    m_listening = listening;
    if (!m_solo)
        emit hosting(listening);
    st.loginname = st.playername;
    st.ishost = true;
    m_connection.connectToHost(QStringLiteral("127.0.0.1"), QString::number(listening));
    emit leadershipChanged(true);
}

void Session::joinpress()
{
    ClientState& st = m_context.state;
    st.loginname = st.playername;
    m_connection.connectToHost(st.hostaddress, QString::number(port));
    emit leadershipChanged(false);
}

void Session::sendloginfo(const proto::SendLoginInfo& request)
{
    ClientState& st = m_context.state;
    if (m_rejoining) {
        m_rejoining = false;
        emit rejoining();
    }
    const bool led = st.leads();
    st.myslot = request.slot;
    st.connected = true;
    if (m_rejoinSeat != 0 && request.slot != m_rejoinSeat)
        m_context.send(proto::Rejoin{m_rejoinSeat}.message());
    m_context.send(proto::LoginInfo{request.slot, wire::toWire(versionText), wire::toWire(st.loginname)}.message());
    // On a host that names no leader whoever holds slot 1 leads, also when the host
    // runs without a window of its own.
    if (st.leads() || led)
        emit leadershipChanged(st.leads());
}

void Session::leader(const proto::Leader& m)
{
    ClientState& st = m_context.state;
    const bool moved = st.leaderKnown && st.leaderSlot != m.slot;
    st.leaderSlot = m.slot;
    st.leaderKnown = true;
    emit leaderChanged(m.slot, moved);
    emit leadershipChanged(st.leads());
}

void Session::connectionLost()
{
    ClientState& st = m_context.state;
    st.connected = false;
    if (game::isSeat(st.myslot))
        m_rejoinSeat = st.myslot;
    m_rejoining = true;
}

void Session::reconnect()
{
    const ClientState& st = m_context.state;
    m_rejoining = true;
    m_connection.connectToHost(st.hostaddress, QString::number(port));
}
