#pragma once
// Damaged copies of a file, for tests and benchmarks that feed them to a reader.
#include <QByteArray>
#include <QRandomGenerator>

namespace testutil {

// One to four random byte changes, cuts and insertions.
inline QByteArray mutated(QByteArray bytes, QRandomGenerator& random)
{
    for (int n = 1 + int(random.bounded(4)); n > 0 && !bytes.isEmpty(); --n) {
        const int at = int(random.bounded(quint32(bytes.size())));
        switch (random.bounded(3)) {
        case 0: bytes[at] = char(random.bounded(256)); break;
        case 1: bytes.truncate(at); break;
        default: bytes.insert(at, char(random.bounded(256))); break;
        }
    }
    return bytes;
}

} // namespace testutil
