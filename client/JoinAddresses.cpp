#include "client/JoinAddresses.h"

#include <QCoreApplication>
#include <QFile>
#include <QSet>

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

#include <cstring>

namespace joinaddresses {

namespace {

// The address in its usual text form when others can use it; empty when not.
QString usable(const Entry& e)
{
    if (!e.interfaceRunning || e.loopbackInterface || e.deprecated)
        return {};
    QString text = e.address.trimmed();
    if (const qsizetype scope = text.indexOf(QLatin1Char('%')); scope >= 0)
        text.truncate(scope); // "fe80::1%eth0": the scope names an interface of this computer
    const QByteArray latin = text.toLatin1();
    char shown[INET6_ADDRSTRLEN] = {};
    in_addr v4{};
    if (inet_pton(AF_INET, latin.constData(), &v4) == 1) {
        const quint32 a = ntohl(v4.s_addr);
        if (a == 0 || (a >> 24) == 127 || (a >> 28) == 0xE) // any, loopback, multicast
            return {};
        inet_ntop(AF_INET, &v4, shown, sizeof shown);
        return QString::fromLatin1(shown);
    }
    in6_addr v6{};
    if (inet_pton(AF_INET6, latin.constData(), &v6) != 1)
        return {};
    const unsigned char* b = v6.s6_addr;
    static const unsigned char zero[16] = {};
    const bool unspecified = std::memcmp(b, zero, 16) == 0;
    const bool loopback = std::memcmp(b, zero, 15) == 0 && b[15] == 1;
    const bool linkLocal = b[0] == 0xFE && (b[1] & 0xC0) == 0x80;
    const bool siteLocal = b[0] == 0xFE && (b[1] & 0xC0) == 0xC0;
    const bool multicast = b[0] == 0xFF;
    // Link-local addresses need an interface named, which a friend's computer cannot know.
    if (unspecified || loopback || linkLocal || siteLocal || multicast)
        return {};
    inet_ntop(AF_INET6, &v6, shown, sizeof shown);
    return QString::fromLatin1(shown);
}

// The IPv6 addresses the kernel marks as deprecated (past their preferred lifetime), in
// text form; /proc/net/if_inet6 lists each address with its flags.
QSet<QString> deprecatedIPv6()
{
    constexpr unsigned DeprecatedFlag = 0x20; // IFA_F_DEPRECATED
    QSet<QString> out;
    QFile file(QStringLiteral("/proc/net/if_inet6"));
    if (!file.open(QIODevice::ReadOnly))
        return out;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 6 || fields[0].size() != 32)
            continue;
        bool ok = false;
        const unsigned flags = fields[4].toUInt(&ok, 16);
        if (!ok || !(flags & DeprecatedFlag))
            continue;
        in6_addr a{};
        const QByteArray raw = QByteArray::fromHex(fields[0]);
        std::memcpy(a.s6_addr, raw.constData(), 16);
        char shown[INET6_ADDRSTRLEN] = {};
        if (inet_ntop(AF_INET6, &a, shown, sizeof shown))
            out.insert(QString::fromLatin1(shown));
    }
    return out;
}

} // namespace

QStringList reachable(const QList<Entry>& entries)
{
    QStringList v4;
    QStringList v6;
    for (const Entry& e : entries) {
        const QString a = usable(e);
        if (a.isEmpty())
            continue;
        QStringList& list = a.contains(QLatin1Char(':')) ? v6 : v4;
        if (!list.contains(a))
            list.append(a);
    }
    return v4 + v6;
}

QList<Entry> ofThisComputer()
{
    QList<Entry> out;
    ifaddrs* all = nullptr;
    if (getifaddrs(&all) != 0)
        return out;
    const QSet<QString> deprecated = deprecatedIPv6();
    for (const ifaddrs* i = all; i; i = i->ifa_next) {
        if (!i->ifa_addr || (i->ifa_addr->sa_family != AF_INET && i->ifa_addr->sa_family != AF_INET6))
            continue;
        char shown[INET6_ADDRSTRLEN] = {};
        const void* raw = i->ifa_addr->sa_family == AF_INET
            ? static_cast<const void*>(&reinterpret_cast<const sockaddr_in*>(i->ifa_addr)->sin_addr)
            : static_cast<const void*>(&reinterpret_cast<const sockaddr_in6*>(i->ifa_addr)->sin6_addr);
        if (!inet_ntop(i->ifa_addr->sa_family, raw, shown, sizeof shown))
            continue;
        const QString address = QString::fromLatin1(shown);
        const bool running = (i->ifa_flags & IFF_UP) && (i->ifa_flags & IFF_RUNNING);
        out.append({address, running, bool(i->ifa_flags & IFF_LOOPBACK), deprecated.contains(address)});
    }
    freeifaddrs(all);
    return out;
}

QString friendsText(const QStringList& addresses, quint16 port)
{
    if (addresses.isEmpty())
        return QCoreApplication::translate("JoinAddresses", "Friends cannot join from other computers: this computer has no network address.");
    QStringList named = addresses.mid(0, MostNamed);
    const QString last = named.takeLast();
    const QString list = named.isEmpty() ? last : QCoreApplication::translate("JoinAddresses", "%1 or %2").arg(named.join(QStringLiteral(", ")), last);
    return QCoreApplication::translate("JoinAddresses", "Friends can join at %1 port %2").arg(list).arg(port);
}

} // namespace joinaddresses
