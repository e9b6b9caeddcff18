#include "core/size_link.h"

namespace typecask {

QString fontTagSizeFor(int s)
{
    const int tag = s <= 8 ? 1 : s <= 10 ? 2 : s <= 12 ? 3 : s <= 14 ? 4 : s <= 22 ? 5 : s <= 30 ? 6 : 7;
    return QString::number(tag);
}

QString pixelSizeFor(int s)
{
    return QString::number(s * 3 / 2); // Int(s * 1.5) for the non-negative sizes used
}

} // namespace typecask
