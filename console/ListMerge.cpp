#include "console/ListMerge.h"

#include <algorithm>

namespace kx::console {

namespace {

// Appends an edit, joining it to the previous one when they continue each other.
void addEdit(std::vector<ListEdit>& edits, ListEdit::Kind kind, std::size_t position, std::size_t firstFresh)
{
    if (!edits.empty()) {
        ListEdit& last = edits.back();
        if (last.kind == kind) {
            switch (kind) {
            case ListEdit::Kind::Remove:
                if (last.position == position) {  // removing at the same place again
                    ++last.count;
                    return;
                }
                break;
            case ListEdit::Kind::Insert:
            case ListEdit::Kind::Update:
                if (last.position + last.count == position && last.firstFresh + last.count == firstFresh) {
                    ++last.count;
                    return;
                }
                break;
            }
        }
    }
    edits.push_back({kind, position, 1, firstFresh});
}

}  // namespace

std::vector<ListEdit> MergeEdits(const std::vector<ListRow>& current, const std::vector<ListRow>& fresh)
{
    std::vector<ListEdit> edits;
    std::size_t r = 0;    // row pointer in the list as it is being edited
    std::size_t old = 0;  // the current row that now stands at r
    for (std::size_t f = 0; f < fresh.size(); ++f) {
        const ListRow& row = fresh[f];
        for (;;) {
            if (old >= current.size() || current[old].key > row.key) {
                addEdit(edits, ListEdit::Kind::Insert, r, f);
                break;
            }
            if (current[old].key < row.key) {
                addEdit(edits, ListEdit::Kind::Remove, r, 0);
                ++old;
                continue;
            }
            if (!(current[old] == row))
                addEdit(edits, ListEdit::Kind::Update, r, f);
            ++old;
            break;
        }
        ++r;
    }
    if (old < current.size())
        edits.push_back({ListEdit::Kind::Remove, r, current.size() - old, 0});
    return edits;
}

std::vector<ListEdit> PositionalEdits(const std::vector<ListRow>& current, const std::vector<ListRow>& fresh)
{
    std::vector<ListEdit> edits;
    const std::size_t common = current.size() < fresh.size() ? current.size() : fresh.size();
    for (std::size_t i = 0; i < common; ++i)
        if (!(current[i] == fresh[i]))
            addEdit(edits, ListEdit::Kind::Update, i, i);
    if (current.size() > common)
        edits.push_back({ListEdit::Kind::Remove, common, current.size() - common, 0});
    if (fresh.size() > common)
        edits.push_back({ListEdit::Kind::Insert, common, fresh.size() - common, common});
    return edits;
}

void ApplyEdits(std::vector<ListRow>& rows, const std::vector<ListEdit>& edits, const std::vector<ListRow>& fresh)
{
    for (const ListEdit& e : edits) {
        const auto at = rows.begin() + static_cast<std::ptrdiff_t>(e.position);
        const auto from = fresh.begin() + static_cast<std::ptrdiff_t>(e.firstFresh);
        switch (e.kind) {
        case ListEdit::Kind::Insert:
            rows.insert(at, from, from + static_cast<std::ptrdiff_t>(e.count));
            break;
        case ListEdit::Kind::Remove:
            rows.erase(at, at + static_cast<std::ptrdiff_t>(e.count));
            break;
        case ListEdit::Kind::Update:
            std::copy(from, from + static_cast<std::ptrdiff_t>(e.count), at);
            break;
        }
    }
}

}  // namespace kx::console
