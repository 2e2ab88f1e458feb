#pragma once
// Sorting a list by one column's text, compared byte by byte (so numbers
// sort as text: 100 before 20). One sort state serves the three lists: a
// click on the column sorted last reverses the direction, a click on
// another column sorts ascending.

#include "console/ListRow.h"

#include <cstddef>
#include <vector>

namespace kx::console {

class SortState {
public:
    // Registers a click on a column header; true when the list is to be
    // sorted ascending.
    bool click(int column);
    int column() const { return m_column; }
    bool ascending() const { return m_ascending; }

private:
    int m_column = -1;  // no sort yet: the first click sorts ascending
    bool m_ascending = true;
};

// The order of the rows sorted by a column: a quicksort over all rows with
// the middle row as pivot. Element i of the result is the index of the row
// that goes to place i.
std::vector<std::size_t> SortOrder(const std::vector<ListRow>& rows, int column, bool ascending);

// The order that brings rows sorted by another column back to key order, in
// the same form; empty when they are in key order already.
std::vector<std::size_t> KeyOrder(const std::vector<ListRow>& rows);

}  // namespace kx::console
