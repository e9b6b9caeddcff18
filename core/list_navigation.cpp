#include "core/list_navigation.h"

#include <algorithm>

namespace typecask {

int navigationTarget(ListKey key, int selected, const ListGeometry& list)
{
    const int last = list.count - 1;
    if (last < 0)
        return -1;
    const int page = std::max(1, list.rowsPerPage);
    const bool columns = list.rowsPerColumn > 0;
    if ((key == ListKey::Left || key == ListKey::Right) && !columns)
        return -1;
    if (selected < 0 || selected > last) {
        // Nothing selected: every key starts from before the first entry, End from the end.
        switch (key) {
        case ListKey::End:
            return last;
        case ListKey::PageDown:
            return std::min(last, page - 1);
        default:
            return 0;
        }
    }
    switch (key) {
    case ListKey::Home:
        return 0;
    case ListKey::End:
        return last;
    case ListKey::Up:
        return std::max(0, selected - 1);
    case ListKey::Down:
        return std::min(last, selected + 1);
    case ListKey::PageUp:
        return std::max(0, selected - (page - 1));
    case ListKey::PageDown:
        return std::min(last, selected + (page - 1));
    case ListKey::Left:
        return selected >= list.rowsPerColumn ? selected - list.rowsPerColumn : selected;
    case ListKey::Right: {
        // To the same row of the next column, or the last entry when that column is shorter.
        const int column = selected / list.rowsPerColumn;
        const int lastColumn = last / list.rowsPerColumn;
        return column < lastColumn ? std::min(last, selected + list.rowsPerColumn) : selected;
    }
    }
    return selected;
}

} // namespace typecask
