#pragma once
// A small file system for tests of a full disk: a tmpfs of a few pages mounted on a
// temporary folder. The mount is made inside a mount namespace private to this test
// program (unshare(CLONE_NEWNS) once, with every mount made private first), so no other
// process ever sees it, and it is taken down again by the destructor.
//
// Needs root (CAP_SYS_ADMIN), as the test suite runs; without it `error()` says what
// could not be set up, and the test must fail with that message.
//
// Programs the test starts afterwards (QProcess) run in the same namespace and see the
// small disk too.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

namespace testutil {

class SmallDisk {
public:
    explicit SmallDisk(qint64 bytes = 64 * 1024)
    {
        if (!m_folder.isValid()) {
            m_error = QStringLiteral("cannot make a temporary folder for the small disk");
            return;
        }
        if (!privateNamespace(&m_error))
            return;
        const QByteArray options = "size=" + QByteArray::number(bytes) + ",mode=0777";
        if (::mount("quillor-test", QFile::encodeName(m_folder.path()).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                    options.constData())
            != 0) {
            m_error = QStringLiteral("cannot mount a tmpfs on %1: %2 (the test needs root)")
                          .arg(m_folder.path(), QString::fromLocal8Bit(std::strerror(errno)));
            return;
        }
        m_mounted = true;
    }

    ~SmallDisk()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_folder.path()).constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool ok() const { return m_mounted; }
    // Why the small disk could not be made.
    const QString& error() const { return m_error; }
    QString path() const { return m_folder.path(); }
    QString filePath(const QString& name) const { return QDir(m_folder.path()).filePath(name); }

    // Fills what is left of the disk with a file of its own, so that the next write
    // fails for want of space. False when the disk did not fill up.
    bool fill()
    {
        const int fd = ::open(QFile::encodeName(filePath(QStringLiteral(".filler"))).constData(),
                              O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
        if (fd < 0)
            return false;
        const QByteArray block(4096, 'f');
        bool full = false;
        for (int i = 0; i < 1 << 20 && !full; ++i) {
            qint64 n = ::write(fd, block.constData(), size_t(block.size()));
            // The last pages may take a smaller piece; the disk is full when nothing fits.
            for (qint64 piece = block.size() / 2; n < 0 && errno == ENOSPC && piece > 0; piece /= 2)
                n = ::write(fd, block.constData(), size_t(piece));
            full = n < 0 && errno == ENOSPC;
        }
        ::close(fd);
        return full;
    }
    // Gives the space back.
    void empty() { QFile::remove(filePath(QStringLiteral(".filler"))); }

private:
    static bool privateNamespace(QString* error)
    {
        static QString failure = [] {
            if (::unshare(CLONE_NEWNS) != 0)
                return QStringLiteral("cannot make a private mount namespace: %1 (the test needs root)")
                    .arg(QString::fromLocal8Bit(std::strerror(errno)));
            if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
                return QStringLiteral("cannot make the mounts private: %1")
                    .arg(QString::fromLocal8Bit(std::strerror(errno)));
            return QString();
        }();
        *error = failure;
        return failure.isEmpty();
    }

    QTemporaryDir m_folder;
    QString m_error;
    bool m_mounted = false;
};

} // namespace testutil
