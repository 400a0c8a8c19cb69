#pragma once
// The fixed code for match positions of the LZHUF coder. A position (0 to 4095,
// the distance back minus one) is sent as its upper 6 bits through a fixed prefix
// code of 3 to 8 bits, then its lower 6 bits as they are.
//
// The prefix code is canonical: of the 64 values of the upper bits, 1 gets 3 bits,
// 3 get 4, 8 get 5, 12 get 6, 24 get 7 and 16 get 8, smaller values taking shorter
// codes.
#include <QtGlobal>

class LzhBitReader;
class LzhBitWriter;

namespace lzhposition {

// Code length in bits (3..8) of the upper six bits `high` (0..63).
int codeLength(int high);
// The code of `high`, aligned to the top of one byte (the unused low bits are 0).
quint8 codeByte(int high);

void encode(int position, LzhBitWriter& out);
int decode(LzhBitReader& in);

} // namespace lzhposition
