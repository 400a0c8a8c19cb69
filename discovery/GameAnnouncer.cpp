#include "discovery/GameAnnouncer.h"

#include <QSysInfo>

#include <avahi-common/alternative.h>
#include <avahi-common/error.h>
#include <avahi-common/malloc.h>
#include <avahi-common/strlst.h>

#include <memory>

namespace {

// The record as Avahi's string list, in the record's own order (Avahi prepends).
std::unique_ptr<AvahiStringList, void (*)(AvahiStringList*)> txtList(const GameRecord& record)
{
    AvahiStringList* list = nullptr;
    const QList<QByteArray> strings = record.toTxt();
    for (auto it = strings.crbegin(); it != strings.crend(); ++it)
        list = avahi_string_list_add_arbitrary(list, reinterpret_cast<const uint8_t*>(it->constData()), size_t(it->size()));
    return {list, &avahi_string_list_free};
}

QString quoted(const QString& name) { return QLatin1Char('"') + name + QLatin1Char('"'); }

} // namespace

GameAnnouncer::GameAnnouncer(QObject* parent, UpdatePacer::Clock clock)
    : QObject(parent), m_connection(this), m_pacer(UpdateIntervalMs, std::move(clock), this)
{
    connect(&m_connection, &AvahiConnection::statusChanged, this, &GameAnnouncer::onConnectionStatus);
    // Avahi frees the group with its client; only the pointer is forgotten here.
    connect(&m_connection, &AvahiConnection::lost, this, [this] { m_group = nullptr; });
    connect(&m_pacer, &UpdatePacer::due, this, &GameAnnouncer::sendRecord);
}

GameAnnouncer::~GameAnnouncer()
{
    // Withdraws before the connection (a member) goes, quietly: whoever listens to the
    // announcer may be gone already.
    blockSignals(true);
    stop();
}

void GameAnnouncer::start(const QString& name, quint16 port, const GameRecord& record)
{
    stop();
    const QString wanted = name.trimmed().isEmpty() ? QSysInfo::machineHostName() : name;
    m_name = discovery::fitUtf8(wanted, discovery::MaxNameBytes);
    m_port = port;
    m_record = record;
    m_loggedName.clear();
    setState(State::Starting);
    // A daemon that answers at once has the service registered before open() returns.
    m_connection.open();
}

void GameAnnouncer::setRecord(const GameRecord& record)
{
    if (record == m_record)
        return;
    m_record = record;
    if (m_group && m_state == State::Announcing)
        m_pacer.request();
}

void GameAnnouncer::stop()
{
    m_pacer.reset();
    dropGroup();
    m_connection.close();
    setState(State::Stopped);
}

void GameAnnouncer::dropGroup()
{
    if (!m_group)
        return;
    // Freeing the group withdraws the service: the daemon sends its goodbyes.
    AvahiEntryGroup* group = m_group;
    m_group = nullptr;
    avahi_entry_group_free(group);
}

void GameAnnouncer::onConnectionStatus(AvahiConnection::Status status)
{
    if (m_state == State::Stopped)
        return;
    switch (status) {
    case AvahiConnection::Status::Running:
        if (!m_group || avahi_entry_group_is_empty(m_group))
            registerService();
        break;
    case AvahiConnection::Status::Registering:
        // The daemon is choosing its host name again: the service goes back on once
        // it runs again.
        if (m_group)
            avahi_entry_group_reset(m_group);
        m_pacer.reset();
        setState(State::Starting);
        break;
    case AvahiConnection::Status::NotRunning:
        m_pacer.reset();
        setState(State::NotRunning, m_connection.problem());
        break;
    case AvahiConnection::Status::Closed:
        break;
    }
}

void GameAnnouncer::registerService()
{
    AvahiClient* client = m_connection.client();
    if (!client)
        return;
    if (!m_group) {
        m_group = avahi_entry_group_new(client, &GameAnnouncer::groupCallback, this);
        if (!m_group)
            return fail(QStringLiteral("cannot make an entry group"), avahi_client_errno(client));
    }
    for (int attempt = 1;; ++attempt) {
        const QByteArray name = m_name.toUtf8();
        const auto txt = txtList(m_record);
        const int error = avahi_entry_group_add_service_strlst(m_group, AVAHI_IF_UNSPEC, AVAHI_PROTO_UNSPEC, AvahiPublishFlags(0),
                                                               name.constData(), GameServiceType, nullptr, nullptr, m_port, txt.get());
        if (error == AVAHI_ERR_COLLISION && attempt < MaxNameAttempts) {
            // Another service of this machine has the name already.
            takeAlternativeName();
            continue;
        }
        if (error < 0)
            return fail(QStringLiteral("cannot add the service"), error);
        break;
    }
    m_sentRecord = m_record;
    const int error = avahi_entry_group_commit(m_group);
    if (error < 0)
        return fail(QStringLiteral("cannot register the service"), error);
    // The registration carries the latest record: the next update waits its interval.
    m_pacer.markSent();
    setState(State::Starting);
}

void GameAnnouncer::groupCallback(AvahiEntryGroup* group, AvahiEntryGroupState state, void* self)
{
    static_cast<GameAnnouncer*>(self)->onGroupState(group, state);
}

void GameAnnouncer::onGroupState(AvahiEntryGroup* group, AvahiEntryGroupState state)
{
    // The first call comes from inside avahi_entry_group_new(), before m_group is set.
    if (m_group && group != m_group)
        return;
    switch (state) {
    case AVAHI_ENTRY_GROUP_ESTABLISHED:
        setState(State::Announcing);
        if (m_loggedName != m_name) {
            m_loggedName = m_name;
            emit logLine(QStringLiteral("announced on this network as %1 (DNS-SD %2, port %3)")
                             .arg(quoted(m_name), QLatin1String(GameServiceType))
                             .arg(m_port));
        }
        // A change made while the daemon was confirming the name goes out now.
        if (m_record != m_sentRecord)
            m_pacer.request();
        break;
    case AVAHI_ENTRY_GROUP_COLLISION: {
        // Another machine on the network uses the name.
        takeAlternativeName();
        avahi_entry_group_reset(group);
        registerService();
        break;
    }
    case AVAHI_ENTRY_GROUP_FAILURE:
        fail(QStringLiteral("the service failed"), avahi_client_errno(avahi_entry_group_get_client(group)));
        break;
    case AVAHI_ENTRY_GROUP_UNCOMMITED:
    case AVAHI_ENTRY_GROUP_REGISTERING:
        break;
    }
}

void GameAnnouncer::takeAlternativeName()
{
    const QString taken = m_name;
    char* alternative = avahi_alternative_service_name(taken.toUtf8().constData());
    m_name = discovery::fitUtf8(QString::fromUtf8(alternative), discovery::MaxNameBytes);
    avahi_free(alternative);
    emit logLine(QStringLiteral("the name %1 is taken on this network; trying %2").arg(quoted(taken), quoted(m_name)));
    emit nameChanged(m_name);
}

void GameAnnouncer::sendRecord()
{
    if (!m_group || m_state != State::Announcing || m_record == m_sentRecord)
        return;
    const QByteArray name = m_name.toUtf8();
    const auto txt = txtList(m_record);
    const int error = avahi_entry_group_update_service_txt_strlst(m_group, AVAHI_IF_UNSPEC, AVAHI_PROTO_UNSPEC, AvahiPublishFlags(0),
                                                                  name.constData(), GameServiceType, nullptr, txt.get());
    if (error < 0)
        return fail(QStringLiteral("cannot update the record"), error);
    m_sentRecord = m_record;
}

void GameAnnouncer::fail(const QString& what, int error)
{
    setState(State::Failed, what + QStringLiteral(": ") + QString::fromUtf8(avahi_strerror(error)));
}

void GameAnnouncer::setState(State state, const QString& problem)
{
    m_problem = problem;
    if (state == m_state)
        return;
    const bool wasTrouble = m_state == State::NotRunning || m_state == State::Failed;
    m_state = state;
    // One line when announcing stops working; none again until it has worked.
    if ((state == State::NotRunning || state == State::Failed) && !wasTrouble)
        emit logLine(QStringLiteral("not announced on this network: %1").arg(problem));
    emit stateChanged(state);
}
