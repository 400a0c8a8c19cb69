#pragma once
// What the fuzz targets share: a check that turns a broken property into a crash (the
// only outcome a fuzzer reports), and a Qt message handler that drops the log lines of
// the code under test after checking that each is short and free of control bytes,
// as every line built from a peer's or a file's text must be.
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

namespace fuzzcheck {

// The longest log line any input may produce.
inline constexpr qsizetype MaxLogLine = 1000;

// True when a line would be safe on a terminal and in a log file.
inline bool safeLogLine(const QString& line)
{
    if (line.size() > MaxLogLine)
        return false;
    for (const QChar ch : line) {
        if (ch.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

inline void checkLogLine(QtMsgType, const QMessageLogContext&, const QString& line)
{
    if (!safeLogLine(line)) {
        std::fprintf(stderr, "unsafe log line (%lld characters): %s\n", static_cast<long long>(line.size()),
                     qUtf8Printable(line.left(200)));
        std::abort();
    }
}

inline void installLogCheck()
{
    qInstallMessageHandler(checkLogLine);
}

} // namespace fuzzcheck
