#include "storage/ReplacingFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The file a path names, symbolic links followed (a link's own file is kept).
QString resolvedTarget(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return info.absoluteFilePath();
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.symLinkTarget() : canonical;
}

mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Makes a finished rename last through a crash; a folder that cannot be synced (some
// network file systems) is no failure of the write.
void syncFolderOf(const QByteArray& file)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(QFile::decodeName(file)).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

ReplacingFile::ReplacingFile(const QString& path, QObject* parent)
    : QIODevice(parent)
    , m_path(path)
{
}

ReplacingFile::~ReplacingFile()
{
    removeNewFile();
}

void ReplacingFile::setFileName(const QString& path)
{
    if (!isOpen())
        m_path = path;
}

bool ReplacingFile::open(OpenMode mode)
{
    if (isOpen() || (mode & ~(WriteOnly | Truncate | Unbuffered)) != 0 || !(mode & WriteOnly)) {
        setErrorString(QStringLiteral("Cannot write to %1: not opened for writing only").arg(QDir::toNativeSeparators(m_path)));
        return false;
    }
    m_failed = false;
    m_written = 0;
    m_target = QFile::encodeName(resolvedTarget(m_path));
    // A file that may not be written is not replaced behind its back, and a folder is no file.
    struct stat old {};
    const bool exists = ::stat(m_target.constData(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode))
        return fail(QStringLiteral("Cannot write to %1"), EISDIR);
    if (exists && ::access(m_target.constData(), W_OK) != 0)
        return fail(QStringLiteral("Cannot write to %1"), errno);
    QByteArray name = m_target + ".XXXXXX";
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0)
        return fail(QStringLiteral("Cannot create a file beside %1"), errno);
    m_fd = fd;
    m_newFile = name;

    ::fchmod(m_fd, exists ? (old.st_mode & 07777) : newFileMode());
    return QIODevice::open(WriteOnly | Unbuffered);
}

qint64 ReplacingFile::readData(char*, qint64)
{
    return -1;
}

qint64 ReplacingFile::writeData(const char* data, qint64 size)
{
    if (m_fd < 0 || m_failed)
        return -1;
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::write(m_fd, data + done, size_t(size - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            fail(QStringLiteral("Cannot write to %1"), n < 0 ? errno : ENOSPC);
            return -1;
        }
        done += n;
    }
    m_written += done;
    return done;
}

bool ReplacingFile::commit()
{
    if (!isOpen() || m_fd < 0)
        return false;
    // Any failure from here on, or a write that failed before, drops the new file.
    const auto abandon = [this](const QString& what, int error) {
        fail(what, error);
        removeNewFile();
        return false;
    };
    if (m_failed) {
        removeNewFile();
        return false;
    }
    const QString cannotWrite = QStringLiteral("Cannot write to %1");
    struct stat st {};
    if (::fsync(m_fd) != 0)
        return abandon(cannotWrite, errno);
    if (::fstat(m_fd, &st) != 0)
        return abandon(cannotWrite, errno);
    if (st.st_size != m_written)
        return abandon(cannotWrite, EIO);
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0)
        return abandon(cannotWrite, errno);
    if (::rename(m_newFile.constData(), m_target.constData()) != 0)
        return abandon(QStringLiteral("Cannot replace %1"), errno);
    m_newFile.clear();
    syncFolderOf(m_target);
    QIODevice::close();
    return true;
}

void ReplacingFile::cancelWriting()
{
    removeNewFile();
}

void ReplacingFile::close()
{
    removeNewFile();
}

bool ReplacingFile::fail(const QString& what, int error)
{
    // After a failed write the device stays open until commit or cancel, as a QFile does,
    // but nothing more is written and commit refuses.
    m_failed = true;
    setErrorString(what.arg(QDir::toNativeSeparators(m_path)) + QStringLiteral(": ") + qt_error_string(error));
    return false;
}

void ReplacingFile::removeNewFile()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_newFile.isEmpty()) {
        ::unlink(m_newFile.constData());
        m_newFile.clear();
    }
    if (isOpen())
        QIODevice::close();
}

bool ReplacingFile::replace(const QString& path, const QByteArray& bytes, QString* error)
{
    ReplacingFile file(path);
    const bool done = file.open() && file.write(bytes) == bytes.size() && file.commit();
    if (!done && error)
        *error = file.errorString();
    return done;
}
