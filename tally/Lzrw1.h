#pragma once
// The file compression component: turns one named file into another.
//
// Compressed file: a 4-byte identifier, the plain size (unsigned 32-bit little-endian),
// then the coded data.
//   "WRZL" (fast): blocks, each a 16-bit little-endian length L and L bytes coded by
//          TLZR. Every block but the last holds exactly 32768 plain bytes; the last holds
//          fewer, so a plain size that is a multiple of 32768 ends with an empty block.
//   "!HZL" (good): one LZHUF stream coded by TLZH.
//
// Every failure raises ELzrw1Exception with a fixed message naming the file involved.
// The output is written beside its final name and takes that name only once complete,
// so a failed call never leaves a partial output file and never destroys a file that
// had the output's name before.
#include "tally/Lzrw1KH.h"

#include <QByteArrayView>
#include <QString>

#include <functional>

enum class TCompressMode { Good = 0, Fast = 1, Auto = 2 };

class Tlzrw1 {
public:
    static constexpr quint32 FastIdentifier = 0x4C5A5257; // "WRZL"
    static constexpr quint32 GoodIdentifier = 0x4C5A4821; // "!HZL"
    static constexpr int HeaderSize = 8;

    Tlzrw1();

    const QString& InputFile() const { return m_inputFile; }
    void setInputFile(const QString& path) { m_inputFile = path; }
    const QString& OutputFile() const { return m_outputFile; }
    void setOutputFile(const QString& path) { m_outputFile = path; }
    // A new component starts with Good.
    TCompressMode CompressMode() const { return m_mode; }
    void setCompressMode(TCompressMode mode) { m_mode = mode; }
    // Percentage used by Advise; 40 in a new component.
    int Threshold() const { return m_threshold; }
    void setThreshold(int percent) { m_threshold = percent; }
    // When on (the default), pending events of the event loop are handled after every
    // block read and every write, so a window stays responsive during a long job. A
    // caller that runs inside an event handler which must not be re-entered turns it off.
    bool yieldsToEvents() const { return m_yield; }
    void setYieldsToEvents(bool on) { m_yield = on; }
    // The largest plain size a compressed file may claim; Decompress refuses a file
    // that claims more before writing anything. No limit below 4 GiB unless set.
    qint64 plainSizeLimit() const { return m_plainSizeLimit; }
    void setPlainSizeLimit(qint64 bytes) { m_plainSizeLimit = bytes; }

    // Compresses InputFile into OutputFile in the current mode (Auto asks Advise).
    // Returns the bytes written, header included.
    qint64 Compress();
    // Decompresses InputFile (either container) into OutputFile; returns the bytes written.
    qint64 Decompress();
    // Where DecompressTo hands the plain bytes: `sized` (may be empty) learns the plain
    // size the header claims once it is known to be within the limit; `write` takes the
    // bytes as they are decoded, a block at a time.
    struct PlainSink {
        std::function<void(qint64 plainSize)> sized;
        std::function<void(QByteArrayView bytes)> write;
    };
    // Decompresses InputFile (either container) into `sink`; OutputFile is not used and
    // nothing is written to disk. Fails as Decompress does; returns the plain byte count.
    qint64 DecompressTo(const PlainSink& sink);
    // Samples InputFile and answers true when the fast coder pays off (below Threshold
    // percent of the samples' size), false for the good coder. Files under three blocks
    // always get false.
    bool Advise();

private:
    void yieldToEvents() const;

    QString m_inputFile;
    QString m_outputFile;
    TCompressMode m_mode = TCompressMode::Good;
    int m_threshold = 40;
    bool m_yield = true;
    qint64 m_plainSizeLimit = 0xFFFFFFFFLL;
    TLZR m_coder;
};
