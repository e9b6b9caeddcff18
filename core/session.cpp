#include "core/session.h"

namespace typecask {

const SortedFontLists& Session::sortedLists()
{
    if (!m_sorted)
        m_sorted = std::make_unique<SortedFontLists>(catalog);
    return *m_sorted;
}

} // namespace typecask
