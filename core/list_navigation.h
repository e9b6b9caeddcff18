// Where a navigation key takes the selection of a list box, including from "nothing
// selected" (start-up, after a refill), where the view's own idea of a current row would
// make the first key act on the wrong entry.
#pragma once

namespace typecask {

enum class ListKey { Home, End, Up, Down, PageUp, PageDown, Left, Right };

struct ListGeometry
{
    int count = 0;
    int rowsPerPage = 1;   // whole rows visible in one column
    int rowsPerColumn = 0; // rows before the list wraps to the next column; 0: one column
};

// The row the key selects, or -1 for none (an empty list, or Left/Right in a one-column list).
// selected is -1 when nothing is selected.
int navigationTarget(ListKey key, int selected, const ListGeometry& list);

} // namespace typecask
