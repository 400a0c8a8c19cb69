#pragma once
// The LZHUF coder of the "good" container: LZ77 over a 4096-byte ring buffer (filled
// with spaces at the start, first write at 4036), matches of 3 to 60 bytes, literals
// and match lengths sent through an adaptive Huffman code, match positions through a
// fixed prefix code. The stream has no end mark: the decoder is told the plain size.
#include "tally/LzhBits.h"

#include <QtGlobal>

class TLZH {
public:
    // Codes everything the source yields into the sink; returns the plain byte count.
    // Raises ElzhException when the coder's tables cannot be allocated; whatever the
    // source or sink throw passes through.
    qint64 encode(const LzhSource& source, const LzhSink& sink);

    // Decodes until at least plainSize bytes were produced (a final match is written
    // whole, so it may be more) or until the coded data has run out; returns the byte
    // count produced. Past the end of the coded data a few zero bits are read, as the
    // last byte's padding may stand for; a stream that needs more than that is cut
    // short and stops, so its count falls below plainSize.
    qint64 decode(const LzhSource& source, const LzhSink& sink, qint64 plainSize);

    // Bytes of zero bits the decoder reads past the end of the coded data before it
    // gives up.
    static constexpr int ZeroBytesPastEnd = 2;
};
