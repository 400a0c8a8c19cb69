#pragma once
// Shared by the tests of the compressed files and the tally: readable failure
// messages, a way to make file writes fail as on a full disk, a private temporary
// folder to see what is left behind, and fast containers far larger inside than out.
#include "common/Printers.h"
#include "tally/Lzrw1.h"
#include "tally/Lzrw1KH.h"

#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>
#include <vector>

namespace lztest {

// While it lives, no file of this process may grow past the given size: writes beyond
// it fail instead of raising a signal.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limited = m_old;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

// While it lives, temporary files and folders of this process (and of the programs it
// starts) go into a folder of their own, so a test can see whether any is left.
class PrivateTempFolder {
public:
    PrivateTempFolder() : m_old(qgetenv("TMPDIR")) { qputenv("TMPDIR", m_dir.path().toLocal8Bit()); }
    ~PrivateTempFolder() { qputenv("TMPDIR", m_old); }
    PrivateTempFolder(const PrivateTempFolder&) = delete;
    PrivateTempFolder& operator=(const PrivateTempFolder&) = delete;

    QStringList leftovers() const
    {
        return QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

private:
    QTemporaryDir m_dir;
    QByteArray m_old;
};

// A fast container claiming `claimedSize` plain bytes, holding `fullBlocks` blocks of
// 32768 line feeds (about 40 bytes each on disk) and then an empty last block.
inline QByteArray lineFeedContainer(quint32 claimedSize, int fullBlocks)
{
    QByteArray out("WRZL");
    for (int i = 0; i < 4; ++i)
        out.append(char(claimedSize >> (8 * i)));
    TLZR coder;
    const std::vector<quint8> plain(TLZR::BlockSize, '\n');
    std::vector<quint8> coded(TLZR::BufferSize);
    const int length = coder.compressBlock(plain.data(), TLZR::BlockSize, coded.data());
    const QByteArray block = QByteArray(1, char(length)) + char(length >> 8)
        + QByteArray(reinterpret_cast<const char*>(coded.data()), length);
    out += block.repeated(fullBlocks);
    out += QByteArray("\x01\x00\x80", 3);
    return out;
}

} // namespace lztest
