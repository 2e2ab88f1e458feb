#pragma once
// The in-place refill of the alarm and alarm-in lists. The fresh rows come in
// key order; the list is walked with one row pointer: a missing row or a row
// with a greater key gets the fresh row inserted before it, a row with a
// smaller key is removed, a row with the same key is kept, or updated when
// anything shown differs. Rows behind the last fresh row are removed. A list
// sorted by another column thus comes back to key order.
//
// The merge is expressed as a list of edits, so that a view model can apply
// them as row insertions, removals and changes, and rows that did not change
// are not touched (their selection and the scroll position survive).

#include "console/ListRow.h"

#include <cstddef>
#include <vector>

namespace kx::console {

struct ListEdit {
    enum class Kind {
        Insert,
        Remove,
        Update
    };
    Kind kind;
    std::size_t position;    // the row index at the time the edit is applied
    std::size_t count;       // rows inserted, removed or updated from `position`
    std::size_t firstFresh;  // Insert/Update: index of the first new row in `fresh`
};

// The edits that turn `current` into `fresh`, in the order to apply them.
// Consecutive insertions, removals and updates are gathered into one edit.
std::vector<ListEdit> MergeEdits(const std::vector<ListRow>& current, const std::vector<ListRow>& fresh);

// Applies edits to a plain row vector (what a view model does on its rows).
void ApplyEdits(std::vector<ListRow>& rows, const std::vector<ListEdit>& edits, const std::vector<ListRow>& fresh);

// The member list has no keys: rows are compared by position; changed rows
// are updated, surplus rows removed from the end, new rows added at the end.
std::vector<ListEdit> PositionalEdits(const std::vector<ListRow>& current, const std::vector<ListRow>& fresh);

}  // namespace kx::console
