// Where friends join a game hosted here: which of this computer's addresses are named,
// in which order, and the sentence that names them.
#include "client/JoinAddresses.h"

#include <gtest/gtest.h>

#include <algorithm>

using joinaddresses::Entry;

namespace {

Entry at(const char* address, bool running = true, bool loopback = false, bool deprecated = false)
{
    return Entry{QString::fromLatin1(address), running, loopback, deprecated};
}

} // namespace

TEST(JoinAddresses, OnlyAddressesOthersCanUseIPv4First)
{
    struct Case {
        const char* what;
        QList<Entry> entries;
        QStringList named;
    };
    const Case cases[] = {
        {"loopback only", {at("127.0.0.1", true, true), at("::1", true, true)}, {}},
        {"a home network", {at("127.0.0.1", true, true), at("192.168.1.20")}, {"192.168.1.20"}},
        {"IPv6 after IPv4, global ones only",
         {at("fe80::1%2"), at("2001:db8::7"), at("10.0.0.5"), at("fd12:3456::9")},
         {"10.0.0.5", "2001:db8::7", "fd12:3456::9"}},
        {"an interface that is down", {at("192.168.1.20", false), at("10.0.0.5")}, {"10.0.0.5"}},
        {"an address on its way out", {at("2001:db8::1", true, false, true), at("2001:db8::2")}, {"2001:db8::2"}},
        {"each once", {at("192.168.1.20"), at("192.168.1.20")}, {"192.168.1.20"}},
        {"no multicast, no null", {at("224.0.0.1"), at("ff02::1"), Entry{}, at("0.0.0.0"), at("::")}, {}},
        {"the usual text form, without a scope", {at("2001:DB8:0:0::7"), at("fe80::1%eth0")}, {"2001:db8::7"}},
        {"no text an address", {at("192.168.1"), at("host.example"), at("1.2.3.4.5")}, {}},
        {"a link-local IPv4 address works between neighbours", {at("169.254.3.4")}, {"169.254.3.4"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(joinaddresses::reachable(c.entries), c.named);
    }
}

TEST(JoinAddresses, TheSentenceNamesAddressesAndPort)
{
    struct Case {
        QStringList addresses;
        quint16 port;
        QString text;
    };
    const Case cases[] = {
        {{"192.168.1.20"}, 7772, "Friends can join at 192.168.1.20 port 7772"},
        {{"192.168.1.20", "2001:db8::7"}, 7780, "Friends can join at 192.168.1.20 or 2001:db8::7 port 7780"},
        {{"10.0.0.1", "10.0.0.2", "10.0.0.3"}, 7772, "Friends can join at 10.0.0.1, 10.0.0.2 or 10.0.0.3 port 7772"},
        {{"10.0.0.1", "10.0.0.2", "10.0.0.3", "10.0.0.4"}, 7772,
         "Friends can join at 10.0.0.1, 10.0.0.2 or 10.0.0.3 port 7772"},
        {{}, 7772, "Friends cannot join from other computers: this computer has no network address."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(joinaddresses::friendsText(c.addresses, c.port), c.text);
    // This computer's own list is at least well formed.
    // This computer's own list holds its loopback address, which is never named.
    const QList<Entry> own = joinaddresses::ofThisComputer();
    EXPECT_TRUE(std::any_of(own.begin(), own.end(), [](const Entry& e) { return e.address == "127.0.0.1" && e.loopbackInterface; }));
    for (const QString& a : joinaddresses::reachable(own))
        EXPECT_FALSE(a == "127.0.0.1" || a == "::1") << a.toStdString();
}
