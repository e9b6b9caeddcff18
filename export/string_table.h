// The program's constant strings, loaded by number: 1 to 22 are the HTML tag pieces, 23 the
// RTF document head, 24 the RTF Japanese line-breaking block.
#pragma once

#include <QString>

namespace typecask {

constexpr int StringTableSize = 24;

// Entry id (1..24), character for character; empty for any other number.
QString stringTableEntry(int id);

} // namespace typecask
