#include "client/JoinAddresses.h"

#include <QDeadlineTimer>
#include <QNetworkInterface>
#include <QStringList>

namespace joinaddresses {

namespace {

bool usable(const Entry& e)
{
    const QHostAddress& a = e.address;
    if (!e.interfaceRunning || e.loopbackInterface || e.deprecated || a.isNull() || a.isLoopback()
        || a.isMulticast())
        return false;
    if (a.protocol() == QAbstractSocket::IPv4Protocol)
        return !a.isEqual(QHostAddress(QHostAddress::AnyIPv4));
    // IPv6: global addresses only (no link-local ones, which need an interface named).
    return a.protocol() == QAbstractSocket::IPv6Protocol && a.isGlobal() && !a.isLinkLocal();
}

} // namespace

QList<QHostAddress> reachable(const QList<Entry>& entries)
{
    QList<QHostAddress> v4;
    QList<QHostAddress> v6;
    for (const Entry& e : entries) {
        if (!usable(e))
            continue;
        QHostAddress a = e.address;
        a.setScopeId(QString());
        QList<QHostAddress>& list = a.protocol() == QAbstractSocket::IPv4Protocol ? v4 : v6;
        if (!list.contains(a))
            list.append(a);
    }
    return v4 + v6;
}

QList<Entry> ofThisComputer()
{
    QList<Entry> out;
    for (const QNetworkInterface& i : QNetworkInterface::allInterfaces()) {
        const auto flags = i.flags();
        const bool running = flags.testFlag(QNetworkInterface::IsUp) && flags.testFlag(QNetworkInterface::IsRunning);
        for (const QNetworkAddressEntry& a : i.addressEntries()) {
            // An address past its preferred lifetime is on its way out.
            const bool deprecated = a.isLifetimeKnown() && a.preferredLifetime().hasExpired();
            out.append({a.ip(), running, flags.testFlag(QNetworkInterface::IsLoopBack), deprecated});
        }
    }
    return out;
}

QString friendsText(const QList<QHostAddress>& addresses, quint16 port)
{
    if (addresses.isEmpty())
        return QStringLiteral("Friends cannot join from other computers: this computer has no network address.");
    QStringList named;
    for (const QHostAddress& a : addresses.mid(0, MostNamed))
        named << a.toString();
    const QString last = named.takeLast();
    const QString list = named.isEmpty() ? last : named.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
    return QStringLiteral("Friends can join at %1 port %2").arg(list).arg(port);
}

} // namespace joinaddresses
