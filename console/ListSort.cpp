#include "console/ListSort.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace kx::console {

bool SortState::click(int column)
{
    m_ascending = column == m_column ? !m_ascending : true;
    m_column = column;
    return m_ascending;
}

namespace {

void quicksort(std::vector<std::size_t>& order, const std::vector<ListRow>& rows, int column, bool ascending,
               std::ptrdiff_t low, std::ptrdiff_t high)
{
    while (low < high) {
        const std::string pivot = rows[order[static_cast<std::size_t>(low + (high - low) / 2)]].text[column];
        auto before = [&](std::size_t row) {
            const int c = rows[row].text[column].compare(pivot);
            return ascending ? c < 0 : c > 0;
        };
        auto after = [&](std::size_t row) {
            const int c = rows[row].text[column].compare(pivot);
            return ascending ? c > 0 : c < 0;
        };
        std::ptrdiff_t i = low, j = high;
        while (i <= j) {
            while (before(order[static_cast<std::size_t>(i)]))
                ++i;
            while (after(order[static_cast<std::size_t>(j)]))
                --j;
            if (i <= j) {
                std::swap(order[static_cast<std::size_t>(i)], order[static_cast<std::size_t>(j)]);
                ++i;
                --j;
            }
        }
        // Recurse into the smaller part, loop on the larger: bounded depth.
        if (j - low < high - i) {
            quicksort(order, rows, column, ascending, low, j);
            low = i;
        } else {
            quicksort(order, rows, column, ascending, i, high);
            high = j;
        }
    }
}

}  // namespace

std::vector<std::size_t> SortOrder(const std::vector<ListRow>& rows, int column, bool ascending)
{
    std::vector<std::size_t> order(rows.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    if (column < 0 || column >= static_cast<int>(ListRow{}.text.size()) || rows.size() < 2)
        return order;
    quicksort(order, rows, column, ascending, 0, static_cast<std::ptrdiff_t>(rows.size()) - 1);
    return order;
}

std::vector<std::size_t> KeyOrder(const std::vector<ListRow>& rows)
{
    auto byKey = [&](std::size_t a, std::size_t b) { return rows[a].key < rows[b].key; };
    std::vector<std::size_t> order(rows.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    if (std::is_sorted(order.begin(), order.end(), byKey))
        return {};
    std::stable_sort(order.begin(), order.end(), byKey);
    return order;
}

}  // namespace kx::console
