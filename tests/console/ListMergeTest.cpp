#include "console/ListMerge.h"
#include "console/ListSort.h"

#include <gtest/gtest.h>

#include <random>
#include <tuple>

namespace kx::console {
namespace {

ListRow row(long key, const std::string& name = "n")
{
    ListRow r;
    r.key = key;
    r.text = {std::to_string(key), name};
    return r;
}

std::vector<ListRow> rows(std::initializer_list<long> keys, long renamed = -1)
{
    std::vector<ListRow> out;
    for (long k : keys)
        out.push_back(row(k, k == renamed ? "renamed" : "n"));
    return out;
}

TEST(ListMerge, EditsTouchOnlyWhatChangedAndAreGathered)
{
    using K = ListEdit::Kind;
    using Edits = std::vector<std::tuple<K, std::size_t, std::size_t>>;  // kind, position, count
    const std::tuple<std::vector<ListRow>, std::vector<ListRow>, Edits> cases[] = {
        {rows({10, 11, 12}), rows({10, 11, 12}), {}},
        {{}, {}, {}},
        {rows({10, 11, 12}), rows({10, 11, 12}, 11), {{K::Update, 1, 1}}},  // the neighbours untouched
        {rows({10, 11, 12, 13, 20}),
         rows({5, 6, 7, 10, 13, 20, 21, 22}),
         {{K::Insert, 0, 3}, {K::Remove, 4, 2}, {K::Insert, 6, 2}}},
        {rows({10, 11, 12}), rows({10}), {{K::Remove, 1, 2}}},
        {rows({10, 11, 12}), {}, {{K::Remove, 0, 3}}},
    };
    for (const auto& [current, fresh, expected] : cases) {
        const std::vector<ListEdit> edits = MergeEdits(current, fresh);
        Edits got;
        for (const ListEdit& e : edits)
            got.emplace_back(e.kind, e.position, e.count);
        EXPECT_EQ(got, expected) << current.size() << " rows to " << fresh.size();
        std::vector<ListRow> list = current;
        ApplyEdits(list, edits, fresh);
        EXPECT_EQ(list, fresh);
    }
}

TEST(ListMerge, RandomListsAlwaysEndAsTheFreshRows)
{
    std::mt19937 random(4711);
    for (int round = 0; round < 300; ++round) {
        std::vector<ListRow> current, fresh;
        for (long k = 0; k < 40; ++k) {
            if (random() % 3 == 0)
                current.push_back(row(k, std::to_string(random() % 3)));
            if (random() % 3 == 0)
                fresh.push_back(row(k, std::to_string(random() % 3)));
        }
        if (round % 2)
            std::shuffle(current.begin(), current.end(), random);  // a list sorted by another column
        std::vector<ListRow> list = current;
        ApplyEdits(list, MergeEdits(current, fresh), fresh);
        ASSERT_EQ(list, fresh) << "round " << round;
        std::vector<ListRow> members = current;
        ApplyEdits(members, PositionalEdits(current, fresh), fresh);
        ASSERT_EQ(members, fresh) << "round " << round;
    }
}

TEST(ListSort, BytewiseOrderAndTheSharedClickState)
{
    std::vector<ListRow> list = {row(1, "beta"), row(2, "Alpha"), row(3, "\xC4rger"), row(4, "alpha")};
    // cp1252 bytes above 0x7F sort after ASCII; numbers sort as text
    EXPECT_EQ(SortOrder(list, 1, true), (std::vector<std::size_t>{1, 3, 0, 2}));
    EXPECT_EQ(SortOrder(list, 1, false), (std::vector<std::size_t>{2, 0, 3, 1}));
    EXPECT_EQ(SortOrder(list, 7, true), (std::vector<std::size_t>{0, 1, 2, 3}));
    EXPECT_EQ(SortOrder(rows({10, 100, 11, 20, 9}), 0, true), (std::vector<std::size_t>{0, 1, 2, 3, 4}));

    SortState state;
    EXPECT_TRUE(state.click(1));
    EXPECT_FALSE(state.click(1));
    EXPECT_TRUE(state.click(2));  // another column: ascending
    EXPECT_FALSE(state.click(2));
    EXPECT_TRUE(state.click(2));
}

TEST(ListSort, LargeListsWithManyEqualTexts)
{
    std::vector<ListRow> list;
    for (long k = 0; k < 5000; ++k)
        list.push_back(row(k, std::to_string(k % 7)));
    const auto order = SortOrder(list, 1, true);
    ASSERT_EQ(order.size(), list.size());
    for (std::size_t i = 1; i < order.size(); ++i)
        ASSERT_LE(list[order[i - 1]].text[1], list[order[i]].text[1]);
}

}  // namespace
}  // namespace kx::console
