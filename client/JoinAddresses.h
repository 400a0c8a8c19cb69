#pragma once
// Where friends can reach a game hosted on this computer: its addresses that others can
// use (IPv4 addresses other than loopback, and global IPv6 ones) and the game port, in
// the words the chat and the "Play with Others" dialog show:
// "Friends can join at 192.168.1.20 port 7772".
//
// Addresses are kept as text and read with the C library, so that the client needs no
// network library for them: the game's window starts without Qt Network.
#include <QList>
#include <QString>
#include <QStringList>

namespace joinaddresses {

// One address of one of this computer's network interfaces, as the system lists it.
struct Entry {
    QString address;              // "192.168.1.20", "2001:db8::7", "fe80::1%eth0"
    bool interfaceRunning = true; // the interface is up and running
    bool loopbackInterface = false;
    bool deprecated = false;      // an IPv6 address on its way out
};

// At most this many addresses are named; a computer with more has them listed by its
// own tools.
constexpr int MostNamed = 3;

// The addresses others can use, IPv4 first, each once, in the order listed, in their
// usual text form.
QStringList reachable(const QList<Entry>& entries);
// This computer's addresses, from its network interfaces.
QList<Entry> ofThisComputer();
// "Friends can join at A port P", "... at A or B port P", "... at A, B or C port P"; a
// sentence saying that friends cannot join from elsewhere when there is no address.
QString friendsText(const QStringList& addresses, quint16 port);

} // namespace joinaddresses
