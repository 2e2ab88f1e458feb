#include "console/ListMerge.h"
#include "console/ListSort.h"

#include <gtest/gtest.h>

#include <random>

namespace kx::console {
namespace {

ListRow row(long key, const std::string& name = "n")
{
    ListRow r;
    r.key = key;
    r.text[0] = std::to_string(key);
    r.text[1] = name;
    return r;
}

std::vector<ListRow> rows(std::initializer_list<long> keys)
{
    std::vector<ListRow> out;
    for (long k : keys)
        out.push_back(row(k));
    return out;
}

std::vector<long> keys(const std::vector<ListRow>& list)
{
    std::vector<long> out;
    for (const ListRow& r : list)
        out.push_back(r.key);
    return out;
}

TEST(ListMerge, NothingChangedMeansNoEdit)
{
    EXPECT_TRUE(MergeEdits(rows({10, 11, 12}), rows({10, 11, 12})).empty());
    EXPECT_TRUE(MergeEdits({}, {}).empty());
}

TEST(ListMerge, AChangedRowIsUpdatedInPlaceAndItsNeighboursUntouched)
{
    std::vector<ListRow> fresh = rows({10, 11, 12});
    fresh[1].text[1] = "renamed";
    const auto edits = MergeEdits(rows({10, 11, 12}), fresh);
    ASSERT_EQ(edits.size(), 1u);
    EXPECT_EQ(edits[0].kind, ListEdit::Kind::Update);
    EXPECT_EQ(edits[0].position, 1u);
    EXPECT_EQ(edits[0].count, 1u);
}

TEST(ListMerge, InsertionsAndRemovalsAreGathered)
{
    const auto current = rows({10, 11, 12, 13, 20});
    const auto fresh = rows({5, 6, 7, 10, 13, 20, 21, 22});
    const auto edits = MergeEdits(current, fresh);
    ASSERT_EQ(edits.size(), 3u);
    EXPECT_EQ(edits[0].kind, ListEdit::Kind::Insert);
    EXPECT_EQ(edits[0].position, 0u);
    EXPECT_EQ(edits[0].count, 3u);
    EXPECT_EQ(edits[1].kind, ListEdit::Kind::Remove);  // 11 and 12
    EXPECT_EQ(edits[1].position, 4u);
    EXPECT_EQ(edits[1].count, 2u);
    EXPECT_EQ(edits[2].kind, ListEdit::Kind::Insert);  // 21 and 22
    EXPECT_EQ(edits[2].count, 2u);
    std::vector<ListRow> list = current;
    ApplyEdits(list, edits, fresh);
    EXPECT_EQ(list, fresh);
}

TEST(ListMerge, TailRowsAreRemoved)
{
    std::vector<ListRow> list = rows({10, 11, 12});
    const auto fresh = rows({10});
    const auto edits = MergeEdits(list, fresh);
    ASSERT_EQ(edits.size(), 1u);
    EXPECT_EQ(edits[0].kind, ListEdit::Kind::Remove);
    EXPECT_EQ(edits[0].position, 1u);
    EXPECT_EQ(edits[0].count, 2u);
    ApplyEdits(list, edits, fresh);
    EXPECT_EQ(list, fresh);
    ApplyEdits(list, MergeEdits(list, {}), {});
    EXPECT_TRUE(list.empty());
}

TEST(ListMerge, ASortedListComesBackToKeyOrder)
{
    std::vector<ListRow> list = rows({10, 100, 11, 20, 9});
    for (std::size_t i = 0; i < list.size(); ++i)
        list[i].text[1] = "x";
    std::vector<ListRow> fresh = rows({9, 10, 11, 20, 100});
    for (ListRow& r : fresh)
        r.text[1] = "x";
    const std::vector<std::size_t> order = SortOrder(list, 0, true);
    std::vector<ListRow> sorted;
    for (std::size_t i : order)
        sorted.push_back(list[i]);
    EXPECT_EQ(keys(sorted), (std::vector<long>{10, 100, 11, 20, 9}));  // as text: "10" < "100" < "11" < "20" < "9"
    ApplyEdits(sorted, MergeEdits(sorted, fresh), fresh);
    EXPECT_EQ(sorted, fresh);
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
    std::vector<ListRow> list = rows({1, 2, 3, 4});
    list[0].text[1] = "beta";
    list[1].text[1] = "Alpha";
    list[2].text[1] = "\xC4rger";  // cp1252 bytes above 0x7F sort after ASCII
    list[3].text[1] = "alpha";
    EXPECT_EQ(SortOrder(list, 1, true), (std::vector<std::size_t>{1, 3, 0, 2}));
    EXPECT_EQ(SortOrder(list, 1, false), (std::vector<std::size_t>{2, 0, 3, 1}));
    EXPECT_EQ(SortOrder(list, 7, true), (std::vector<std::size_t>{0, 1, 2, 3}));

    SortState state;
    EXPECT_TRUE(state.click(1));
    EXPECT_FALSE(state.click(1));
    EXPECT_TRUE(state.click(1));
    EXPECT_TRUE(state.click(2));  // another column: ascending
    EXPECT_FALSE(state.click(2));
}

TEST(ListSort, LargeListsWithManyEqualTexts)
{
    std::vector<ListRow> list;
    for (long k = 0; k < 5000; ++k) {
        list.push_back(row(k));
        list.back().text[2] = std::to_string(k % 7);
    }
    const auto order = SortOrder(list, 2, true);
    ASSERT_EQ(order.size(), list.size());
    for (std::size_t i = 1; i < order.size(); ++i)
        ASSERT_LE(list[order[i - 1]].text[2], list[order[i]].text[2]);
}

}  // namespace
}  // namespace kx::console
