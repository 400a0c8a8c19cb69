#pragma once
// The games announced on the local network, live, as a list model: browses DNS-SD
// services of type _quillor._tcp through the system's Avahi daemon and resolves each to
// its address, port and record. A game appears once resolved, follows its record's
// changes and goes when its host withdraws it. One row per game name, however many
// interfaces and address families it is seen on.
//
// Without the daemon (or without D-Bus) the list stays empty and statusText() is
// notRunningText(); it fills as soon as the daemon appears. Nothing waits for it.
#include "discovery/AvahiConnection.h"
#include "discovery/GameRecord.h"

#include <QAbstractListModel>
#include <QHash>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <avahi-client/lookup.h>

// One game as the network shows it.
struct FoundGame {
    QString name;           // the instance name, fit to show
    QString hostName;       // "machine.local"
    // The addresses it resolved to, best to join first: IPv4, then IPv6, then IPv6
    // link-local ones (with "%interface").
    QStringList addresses;
    quint16 port = 0;
    GameRecord record;
    bool local = false;     // announced by this machine

    // The address to join: the first of addresses, or empty.
    QString address() const { return addresses.value(0); }

    bool operator==(const FoundGame&) const = default;
};

class GameBrowser : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role {
        NameRole = Qt::UserRole + 1, // also Qt::DisplayRole
        PlayersRole,                 // "3 of 6"
        StateRole,                   // "waiting" or "playing"
        AddressRole,                 // "192.168.1.20"
        PortRole,                    // int
        VersionRole,                 // "1.0.4"
        VersionDiffersRole,          // bool
        LeaderRole,                  // the leader's name, or empty
        SpectatorsRole,              // int, -1 unknown
        HostNameRole,                // "machine.local"
    };
    Q_ENUM(Role)

    // The most service instances (a game seen on one interface over one address family)
    // followed at once; more are ignored, so a flood of announcements cannot fill memory
    // or the daemon's table of objects.
    static constexpr int MaxInstances = 256;

    explicit GameBrowser(QObject* parent = nullptr);
    ~GameBrowser() override;

    void start();
    void stop();

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    const FoundGame& game(int row) const;
    QList<FoundGame> games() const;

    // Empty while browsing works; notRunningText() while it cannot.
    QString statusText() const { return m_statusText; }
    static QString notRunningText();

signals:
    void statusTextChanged(const QString& text);
    // The daemon has reported every game it knows of for now (more may come later).
    void settled();
    // A line for the log: a browse that failed, instances beyond the limit.
    void logLine(const QString& line);

private:
    // One appearance of a game: an interface and an address family.
    struct Instance {
        AvahiIfIndex interface = AVAHI_IF_UNSPEC;
        AvahiProtocol protocol = AVAHI_PROTO_UNSPEC;
        AvahiServiceResolver* resolver = nullptr;
        bool resolved = false;
        quint64 resolvedOrder = 0;
        QString hostName;
        QString address;
        quint16 port = 0;
        GameRecord record;
        bool local = false;
    };
    struct Entry {
        QByteArray name;
        QByteArray domain;
        QList<Instance> instances;
        FoundGame shown;
        bool visible = false;
    };
    using Key = QPair<QByteArray, QByteArray>; // name, domain

    static void browserCallback(AvahiServiceBrowser*, AvahiIfIndex, AvahiProtocol, AvahiBrowserEvent, const char* name,
                                const char* type, const char* domain, AvahiLookupResultFlags, void* self);
    static void resolverCallback(AvahiServiceResolver*, AvahiIfIndex, AvahiProtocol, AvahiResolverEvent, const char* name,
                                 const char* type, const char* domain, const char* hostName, const AvahiAddress* address,
                                 uint16_t port, AvahiStringList* txt, AvahiLookupResultFlags, void* self);
    void onConnectionStatus(AvahiConnection::Status status);
    void onBrowse(AvahiIfIndex, AvahiProtocol, AvahiBrowserEvent, const char* name, const char* domain, AvahiLookupResultFlags);
    void onResolve(AvahiServiceResolver*, AvahiResolverEvent, const char* hostName, const AvahiAddress*, uint16_t port,
                   AvahiStringList* txt, AvahiLookupResultFlags);
    void addInstance(const Key& key, AvahiIfIndex, AvahiProtocol, bool local);
    void removeInstance(const Key& key, AvahiIfIndex, AvahiProtocol);
    void refresh(const Key& key);
    int rowOf(const Key& key) const;
    int sortedRowFor(const FoundGame& game, const Key& key) const;
    void forgetAll();
    void setStatusText(const QString& text);

    AvahiConnection m_connection;
    AvahiServiceBrowser* m_browser = nullptr;
    QMap<Key, Entry> m_entries;
    QList<Key> m_rows; // the visible entries, in row order
    QHash<AvahiServiceResolver*, Key> m_resolvers;
    int m_instanceCount = 0;
    bool m_loggedLimit = false;
    quint64 m_resolveCount = 0;
    QString m_statusText;
};
