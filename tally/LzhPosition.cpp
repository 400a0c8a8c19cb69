#include "tally/LzhPosition.h"

#include "tally/LzhBits.h"

#include <array>

namespace lzhposition {
namespace {

struct Tables {
    std::array<quint8, 64> length{};  // per upper-six-bit value
    std::array<quint8, 64> code{};    // per upper-six-bit value, top aligned
    std::array<quint8, 256> high{};   // per leading byte: the upper six bits it starts
    std::array<quint8, 256> lengthOf{}; // per leading byte: that value's code length
};

constexpr Tables makeTables()
{
    constexpr std::array<int, 6> valuesPerLength = {1, 3, 8, 12, 24, 16};
    Tables t;
    int value = 0;
    int codeTop = 0; // next free code, as a value of the leading byte
    for (std::size_t i = 0; i < valuesPerLength.size(); ++i) {
        const int bits = int(i) + 3;
        const int span = 1 << (8 - bits); // leading bytes that start with one code
        for (int n = 0; n < valuesPerLength[i]; ++n, ++value) {
            t.length[std::size_t(value)] = quint8(bits);
            t.code[std::size_t(value)] = quint8(codeTop);
            for (int b = 0; b < span; ++b) {
                t.high[std::size_t(codeTop + b)] = quint8(value);
                t.lengthOf[std::size_t(codeTop + b)] = quint8(bits);
            }
            codeTop += span;
        }
    }
    return t;
}

constexpr Tables kTables = makeTables();

} // namespace

int codeLength(int high)
{
    return kTables.length[std::size_t(high & 63)];
}

quint8 codeByte(int high)
{
    return kTables.code[std::size_t(high & 63)];
}

void encode(int position, LzhBitWriter& out)
{
    const int high = (position >> 6) & 63;
    const int bits = codeLength(high);
    out.put(quint32(codeByte(high)) >> (8 - bits), bits);
    out.put(quint32(position & 63), 6);
}

int decode(LzhBitReader& in)
{
    // Read one byte's worth: the prefix code plus the first low bits; then the rest.
    const int lead = in.bits(8);
    const int high = kTables.high[std::size_t(lead)];
    const int bits = kTables.lengthOf[std::size_t(lead)];
    int low = lead;
    for (int i = 0; i < bits - 2; ++i)
        low = (low << 1) | in.bit();
    return (high << 6) | (low & 63);
}

} // namespace lzhposition
