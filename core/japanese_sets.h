// The Japanese character sets a family's coverage is counted against: 常用漢字, 人名用漢字, the
// JIS levels, kana, and the Adobe-Japan1 supplements, carried in the program (made by
// scripts/make-japanese-sets.py from Debian's Unihan, CMap and charmap files).
#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>
#include <span>

namespace typecask {

struct CodePointRange
{
    std::uint32_t first;
    std::uint32_t last;
};

// One set as the generated table holds it.
struct JapaneseSetData
{
    const char* name;
    const CodePointRange* ranges;
    std::size_t rangeCount;
    int total;
};

extern const JapaneseSetData JapaneseSetTable[];
extern const std::size_t JapaneseSetCount;

struct JapaneseSet
{
    QString name;                           // as the command line takes it: "joyo", "jis2", "aj1-4"
    QString label;                          // as the details window shows it: "常用漢字", "JIS第2水準"
    std::span<const CodePointRange> ranges; // ascending, apart
    int total = 0;
};

// Every set, in the order the details window and the command line list them.
std::span<const JapaneseSet> japaneseSets();
// The index of the set with that name (any letter case), or -1.
int japaneseSetIndex(const QString& name);
// The names of every set, separated by ", ", for messages.
QString japaneseSetNames();

} // namespace typecask
