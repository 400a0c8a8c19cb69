#pragma once
// Keeps a second copy of the program from starting. The first copy holds a lock file
// named after the guard ("klep22") in the user's runtime folder and listens on a local
// socket beside it. A later copy finds the lock taken, asks the first copy over that
// socket to show its window, and ends without creating any window.
//
// The runtime folder is $XDG_RUNTIME_DIR (or a private temporary folder), so copies
// started with different XDG_RUNTIME_DIR values run side by side, which is how several
// players can be tried on one machine.
//
// The socket is a plain Unix-domain socket watched by the event loop (Qt Core only): the
// guard runs before the main window, which must not wait for Qt Network to be loaded.
#include <QByteArray>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <map>
#include <memory>

class QSocketNotifier;

class SingleInstance : public QObject {
    Q_OBJECT
public:
    static inline const QString DefaultKey = QStringLiteral("klep22");

    explicit SingleInstance(const QString& key = DefaultKey, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this is the first copy (it now holds the guard); false when another
    // copy runs, which has been asked to show itself.
    bool claim();
    // Lets go of the guard, so that a copy started now runs (claim() takes it again).
    void release();

    // The folder holding the lock file and the socket.
    static QString runtimeFolder();
    // The lock file that marks `key` as taken, in the runtime folder.
    static QString lockPathFor(const QString& key);
    QString lockPath() const;
    QString socketPath() const;

signals:
    // A later copy asked this one to bring its window forward.
    void raiseRequested();

private:
    // A later copy that has connected; what it sent so far.
    struct Peer {
        std::unique_ptr<QSocketNotifier> notifier;
        QByteArray request;
    };

    bool listen();
    void stopListening();
    bool askFirstCopy() const;
    void onNewConnection();
    void onPeerReadable(int fd);
    void dropPeer(int fd);

    QString m_key;
    std::unique_ptr<QLockFile> m_lock;
    int m_listener = -1;
    std::unique_ptr<QSocketNotifier> m_accepting;
    std::map<int, Peer> m_peers; // by socket
};
