#include "discovery/GameBrowser.h"

#include <avahi-common/address.h>
#include <avahi-common/error.h>
#include <avahi-common/strlst.h>

#include <net/if.h>

#include <algorithm>

namespace {

// Best address to join first: IPv4, then IPv6, then IPv6 link-local, which needs its
// interface named.
int addressRank(const QString& address)
{
    if (!address.contains(QLatin1Char(':')))
        return 0;
    return address.contains(QLatin1Char('%')) ? 2 : 1;
}

QString addressText(const AvahiAddress* address, AvahiIfIndex interface)
{
    char text[AVAHI_ADDRESS_STR_MAX] = {};
    avahi_address_snprint(text, sizeof text, address);
    QString result = QString::fromLatin1(text);
    const bool linkLocal = address->proto == AVAHI_PROTO_INET6 && address->data.ipv6.address[0] == 0xfe
        && (address->data.ipv6.address[1] & 0xc0) == 0x80;
    char name[IF_NAMESIZE] = {};
    if (linkLocal && interface >= 0 && if_indextoname(unsigned(interface), name))
        result += QLatin1Char('%') + QString::fromLocal8Bit(name);
    return result;
}

QList<QByteArray> txtStrings(AvahiStringList* list)
{
    QList<QByteArray> strings;
    for (AvahiStringList* item = list; item; item = avahi_string_list_get_next(item))
        strings.append(QByteArray(reinterpret_cast<const char*>(avahi_string_list_get_text(item)),
                                  qsizetype(avahi_string_list_get_size(item))));
    return strings;
}

} // namespace

GameBrowser::GameBrowser(QObject* parent) : QAbstractListModel(parent), m_connection(this)
{
    connect(&m_connection, &AvahiConnection::statusChanged, this, &GameBrowser::onConnectionStatus);
    connect(&m_connection, &AvahiConnection::lost, this, [this] { forgetAll(); });
}

GameBrowser::~GameBrowser()
{
    // Quietly: whoever listens to the list may be gone already.
    blockSignals(true);
    stop();
}

QString GameBrowser::notRunningText()
{
    return QStringLiteral("Games on this network cannot be listed: the Avahi service is not running.");
}

void GameBrowser::start() { m_connection.open(); }

void GameBrowser::stop()
{
    m_connection.close();
    forgetAll();
    setStatusText({});
}

void GameBrowser::onConnectionStatus(AvahiConnection::Status status)
{
    switch (status) {
    case AvahiConnection::Status::Running:
    case AvahiConnection::Status::Registering:
        if (!m_browser) {
            m_browser = avahi_service_browser_new(m_connection.client(), AVAHI_IF_UNSPEC, AVAHI_PROTO_UNSPEC, GameServiceType,
                                                  nullptr, AvahiLookupFlags(0), &GameBrowser::browserCallback, this);
            if (!m_browser) {
                const QString reason = QString::fromUtf8(avahi_strerror(avahi_client_errno(m_connection.client())));
                emit logLine(QStringLiteral("cannot browse for games on this network: %1").arg(reason));
                setStatusText(QStringLiteral("Games on this network cannot be listed: %1.").arg(reason));
                return;
            }
        }
        setStatusText({});
        break;
    case AvahiConnection::Status::NotRunning:
        setStatusText(notRunningText());
        break;
    case AvahiConnection::Status::Closed:
        break;
    }
}

void GameBrowser::browserCallback(AvahiServiceBrowser*, AvahiIfIndex interface, AvahiProtocol protocol,
                                  AvahiBrowserEvent event, const char* name, const char*, const char* domain,
                                  AvahiLookupResultFlags flags, void* self)
{
    static_cast<GameBrowser*>(self)->onBrowse(interface, protocol, event, name, domain, flags);
}

void GameBrowser::onBrowse(AvahiIfIndex interface, AvahiProtocol protocol, AvahiBrowserEvent event, const char* name,
                           const char* domain, AvahiLookupResultFlags flags)
{
    switch (event) {
    case AVAHI_BROWSER_NEW:
        addInstance(Key(name, domain), interface, protocol, flags & AVAHI_LOOKUP_RESULT_LOCAL);
        break;
    case AVAHI_BROWSER_REMOVE:
        removeInstance(Key(name, domain), interface, protocol);
        break;
    case AVAHI_BROWSER_ALL_FOR_NOW:
        emit settled();
        break;
    case AVAHI_BROWSER_CACHE_EXHAUSTED:
        break;
    case AVAHI_BROWSER_FAILURE: {
        const QString reason = QString::fromUtf8(avahi_strerror(avahi_client_errno(m_connection.client())));
        emit logLine(QStringLiteral("browsing for games on this network failed: %1").arg(reason));
        for (auto it = m_resolvers.cbegin(); it != m_resolvers.cend(); ++it)
            avahi_service_resolver_free(it.key());
        avahi_service_browser_free(m_browser);
        m_browser = nullptr;
        forgetAll();
        setStatusText(QStringLiteral("Games on this network cannot be listed: %1.").arg(reason));
        break;
    }
    }
}

void GameBrowser::addInstance(const Key& key, AvahiIfIndex interface, AvahiProtocol protocol, bool local)
{
    Entry& entry = m_entries[key];
    entry.name = key.first;
    entry.domain = key.second;
    for (const Instance& instance : entry.instances) {
        if (instance.interface == interface && instance.protocol == protocol)
            return;
    }
    if (m_instanceCount >= MaxInstances) {
        if (entry.instances.isEmpty())
            m_entries.remove(key);
        if (!m_loggedLimit)
            emit logLine(QStringLiteral("more than %1 games on this network; the rest are not listed").arg(MaxInstances));
        m_loggedLimit = true;
        return;
    }
    Instance instance;
    instance.interface = interface;
    instance.protocol = protocol;
    instance.local = local;
    // Kept for as long as the game is seen, so changes of its record keep coming.
    instance.resolver = avahi_service_resolver_new(m_connection.client(), interface, protocol, key.first.constData(),
                                                   GameServiceType, key.second.constData(), AVAHI_PROTO_UNSPEC,
                                                   AvahiLookupFlags(0), &GameBrowser::resolverCallback, this);
    if (instance.resolver)
        m_resolvers.insert(instance.resolver, key);
    entry.instances.append(instance);
    ++m_instanceCount;
}

void GameBrowser::removeInstance(const Key& key, AvahiIfIndex interface, AvahiProtocol protocol)
{
    const auto found = m_entries.find(key);
    if (found == m_entries.end())
        return;
    QList<Instance>& instances = found->instances;
    for (qsizetype i = 0; i < instances.size(); ++i) {
        if (instances[i].interface != interface || instances[i].protocol != protocol)
            continue;
        if (AvahiServiceResolver* resolver = instances[i].resolver) {
            m_resolvers.remove(resolver);
            avahi_service_resolver_free(resolver);
        }
        instances.removeAt(i);
        --m_instanceCount;
        break;
    }
    refresh(key);
}

void GameBrowser::resolverCallback(AvahiServiceResolver* resolver, AvahiIfIndex, AvahiProtocol, AvahiResolverEvent event,
                                   const char*, const char*, const char*, const char* hostName, const AvahiAddress* address,
                                   uint16_t port, AvahiStringList* txt, AvahiLookupResultFlags flags, void* self)
{
    static_cast<GameBrowser*>(self)->onResolve(resolver, event, hostName, address, port, txt, flags);
}

void GameBrowser::onResolve(AvahiServiceResolver* resolver, AvahiResolverEvent event, const char* hostName,
                            const AvahiAddress* address, uint16_t port, AvahiStringList* txt, AvahiLookupResultFlags)
{
    const auto key = m_resolvers.constFind(resolver);
    if (key == m_resolvers.constEnd())
        return;
    Entry& entry = m_entries[*key];
    for (Instance& instance : entry.instances) {
        if (instance.resolver != resolver)
            continue;
        // A resolver that timed out stays: it reports the game when its records come.
        instance.resolved = event == AVAHI_RESOLVER_FOUND && address;
        if (instance.resolved) {
            instance.hostName = discovery::shownText(QString::fromUtf8(hostName), 255);
            instance.address = addressText(address, instance.interface);
            instance.port = port;
            instance.record = GameRecord::fromTxt(txtStrings(txt));
            instance.resolvedOrder = ++m_resolveCount;
        }
        break;
    }
    refresh(*key);
}

void GameBrowser::refresh(const Key& key)
{
    const auto found = m_entries.find(key);
    if (found == m_entries.end())
        return;
    Entry& entry = *found;
    const Instance* latest = nullptr;
    FoundGame game;
    game.name = discovery::shownText(QString::fromUtf8(entry.name), discovery::MaxNameBytes);
    for (const Instance& instance : std::as_const(entry.instances)) {
        if (!instance.resolved)
            continue;
        if (!latest || instance.resolvedOrder > latest->resolvedOrder)
            latest = &instance;
        if (!game.addresses.contains(instance.address))
            game.addresses.append(instance.address);
        game.local = game.local || instance.local;
    }
    std::stable_sort(game.addresses.begin(), game.addresses.end(),
                     [](const QString& a, const QString& b) { return addressRank(a) < addressRank(b); });
    const int row = rowOf(key);
    if (!latest) {
        if (row >= 0) {
            beginRemoveRows({}, row, row);
            m_rows.removeAt(row);
            entry.visible = false;
            endRemoveRows();
        }
        if (entry.instances.isEmpty())
            m_entries.erase(found);
        return;
    }
    // The record, port and host name of the latest report: a change of the record reaches
    // each interface's resolver separately, and the newest one is the game's state now.
    game.hostName = latest->hostName;
    game.port = latest->port;
    game.record = latest->record;
    if (row < 0) {
        const int at = sortedRowFor(game, key);
        beginInsertRows({}, at, at);
        entry.shown = game;
        entry.visible = true;
        m_rows.insert(at, key);
        endInsertRows();
    } else if (entry.shown != game) {
        entry.shown = game;
        emit dataChanged(index(row), index(row));
    }
}

int GameBrowser::rowOf(const Key& key) const { return int(m_rows.indexOf(key)); }

int GameBrowser::sortedRowFor(const FoundGame& game, const Key& key) const
{
    for (int row = 0; row < m_rows.size(); ++row) {
        const FoundGame& other = m_entries.constFind(m_rows[row])->shown;
        const int order = game.name.compare(other.name, Qt::CaseInsensitive);
        if (order < 0 || (order == 0 && key < m_rows[row]))
            return row;
    }
    return int(m_rows.size());
}

void GameBrowser::forgetAll()
{
    // The client frees the browser and the resolvers; only the pointers go here.
    m_browser = nullptr;
    m_resolvers.clear();
    m_instanceCount = 0;
    m_loggedLimit = false;
    if (m_entries.isEmpty())
        return;
    beginResetModel();
    m_entries.clear();
    m_rows.clear();
    endResetModel();
}

void GameBrowser::setStatusText(const QString& text)
{
    if (text == m_statusText)
        return;
    m_statusText = text;
    emit statusTextChanged(text);
}

int GameBrowser::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(m_rows.size()); }

const FoundGame& GameBrowser::game(int row) const { return m_entries.constFind(m_rows.at(row))->shown; }

QList<FoundGame> GameBrowser::games() const
{
    QList<FoundGame> list;
    for (const Key& key : m_rows)
        list.append(m_entries.constFind(key)->shown);
    return list;
}

QVariant GameBrowser::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const FoundGame& g = game(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case NameRole:
        return g.name;
    case PlayersRole:
        return g.record.playersText();
    case StateRole:
        return g.record.stateText();
    case AddressRole:
        return g.address();
    case PortRole:
        return int(g.port);
    case VersionRole:
        return g.record.version;
    case VersionDiffersRole:
        return g.record.versionDiffers();
    case LeaderRole:
        return g.record.leader;
    case SpectatorsRole:
        return g.record.spectators;
    case HostNameRole:
        return g.hostName;
    default:
        return {};
    }
}

QHash<int, QByteArray> GameBrowser::roleNames() const
{
    QHash<int, QByteArray> names = QAbstractListModel::roleNames();
    names.insert(NameRole, "name");
    names.insert(PlayersRole, "players");
    names.insert(StateRole, "state");
    names.insert(AddressRole, "address");
    names.insert(PortRole, "port");
    names.insert(VersionRole, "version");
    names.insert(VersionDiffersRole, "versionDiffers");
    names.insert(LeaderRole, "leader");
    names.insert(SpectatorsRole, "spectators");
    names.insert(HostNameRole, "hostName");
    return names;
}
