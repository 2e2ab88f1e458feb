#include "core/CDatabase.h"

#include "tests/common/TempSite.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using kx::test::RecordingMessageBoxes;
using kx::test::TempSite;

// A small table: NAME C(10), NUM N(4), five records named r1..r5 with 10..50.
class CDatabaseTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directories(site.path("t"));
        ASSERT_EQ(db.Create("\\t\\small.dbf", {{"NAME", 'C', 10, 0}, {"NUM", 'N', 4, 0}}), 1);
        for (int i = 1; i <= 5; ++i) {
            ASSERT_EQ(db.Append(), 1);
            db.Bottom();
            db.Replace("NAME", ("r" + std::to_string(i)).c_str());
            db.Replace("NUM", i * 10);
        }
    }
    void TearDown() override { db.Close(); }

    // NAME and NUM of a record as "name/num", or of the current one (0).
    std::string record(unsigned long r = 0)
    {
        if (r)
            db.Go(r);
        std::string name;
        int num = -1;
        if (!db.Read("NAME", name) || !db.Read("NUM", num))
            return "<failed>";
        return name + "/" + std::to_string(num);
    }

    TempSite site;
    RecordingMessageBoxes boxes;
    CDatabase db;
};

TEST_F(CDatabaseTest, ReadTrimsTrailingBlanksOnlyAndCutsToTheBuffer)
{
    db.Go(2);
    char buf[11];
    for (const auto& [stored, read] : {std::pair{" abc\t  ", " abc\t"}, {"", ""}}) {
        db.Replace("NAME", stored);
        ASSERT_EQ(db.Read("NAME", buf), 1);
        EXPECT_STREQ(buf, read);
    }
    // Cut with its NUL inside the given size, also when the text is exactly that long.
    for (const char* stored : {"abcdefghij", "abcd"}) {
        db.Replace("NAME", stored);
        char guarded[5] = {'.', '.', '.', '.', '#'};
        ASSERT_EQ(db.Read("NAME", guarded, 4), 1);
        EXPECT_EQ(std::string(guarded, 5), std::string("abc\0#", 5)) << stored;
    }
    EXPECT_EQ(std::tuple(db.Read("NOPE", buf), db.FieldLength("NOPE"), db.FieldLength("name"),
                         std::string(db.Fieldname(2)), db.IsField("num")),
              std::tuple(0, 0u, 10u, "NUM", 1));
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(CDatabaseTest, FindSearchesForwardFromTheCurrentRecord)
{
    db.Top();
    EXPECT_EQ(db.Find("NAME", "r3"), 3);
    EXPECT_EQ(db.Find("NUM", 40), 4);
    EXPECT_EQ(db.Find("NAME", "r2"), 0);  // past the match: not found although the table holds it
    db.Top();
    EXPECT_EQ(db.Find("NAME", "R3"), 0);  // exact, case-sensitive comparison of the trimmed text
    db.Go(5);
    EXPECT_EQ(db.Find("NAME", "zz"), 0);  // from the last record: one Skip that cannot move, then 0
    EXPECT_EQ(db.RecNo(), 5);
    db.Go(2);
    EXPECT_EQ(db.Find("NOPE", "r5"), 0);  // an unknown field: 0 and the position stays
    EXPECT_EQ(db.RecNo(), 2);
}

TEST_F(CDatabaseTest, OpenOfAMissingFileFailsSilentlyCreateReplacesAFile)
{
    CDatabase other;
    EXPECT_EQ(other.Open("\\t\\missing.dbf"), 0);
    EXPECT_FALSE(other.IsOpen() || CDatabase::LastError().empty());

    site.write("t/other.dbf", "not a table at all");
    ASSERT_EQ(other.Create("\\t\\other.dbf", {{"ONLY", 'C', 5, 0}}), 1);
    EXPECT_EQ(std::pair(other.RecCount(), other.IsField("ONLY")), std::pair(0ul, 1));
    // An empty table has no first record; that is not an error.
    other.Top();
    other.Bottom();
    EXPECT_EQ(other.RecNo(), 0);
    EXPECT_EQ(other.Find("ONLY", ""), 0);
    other.Close();
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(CDatabaseTest, WritesReachOtherReadersAtOnceUnlessFlushIsOff)
{
    CDatabase reader;
    ASSERT_EQ(reader.Open("\\t\\small.dbf"), 1);
    ScopedClose closeReader(reader);
    auto seen = [&] {
        reader.Go(1);
        std::string v;
        reader.Read("NAME", v);
        return v;
    };
    db.Go(1);
    db.Replace("NAME", "now");
    EXPECT_EQ(seen(), "now");
    db.SetFlush(0);
    db.Replace("NAME", "later");
    EXPECT_EQ(seen(), "now");
    db.Flush();
    EXPECT_EQ(seen(), "later");
    EXPECT_EQ(db.Discard(), 0);  // nothing pending after the flush
    // Two adjacent fields staged and dropped: neither reaches the file, also not at close.
    db.Replace("NAME", "dropped");
    db.Replace("NUM", 99);
    EXPECT_EQ(db.Discard(), 1);
    EXPECT_EQ(record(), "later/10");
    db.Replace("NAME", "atclose");
    db.Close();
    EXPECT_EQ(seen(), "atclose");
    int num = 0;
    reader.Read("NUM", num);
    EXPECT_EQ(num, 10);
}

TEST_F(CDatabaseTest, RecordOperations)
{
    db.CopyRecord(2, 4);  // every field, and stays on the target
    EXPECT_EQ(db.RecNo(), 4);
    EXPECT_EQ(record(), "r2/20");
    EXPECT_EQ(record(2), "r2/20");
    db.Go(2);
    db.Blank();
    EXPECT_EQ(record(), "/0");
    db.Go(3);
    db.Delete();
    db.Go(4);
    db.Delete();
    db.Recall();  // only record 4
    db.Pack();
    EXPECT_EQ(db.RecCount(), 4u);
    EXPECT_EQ(record(3), "r2/20");
    EXPECT_TRUE(boxes.shown().empty());
    // Shallow copies share the open table; only the original closes it.
    CDatabase copy = db;
    copy.Go(4);
    EXPECT_EQ(db.RecNo(), 4);
    copy.Replace("NAME", "shared");
    EXPECT_EQ(record(), "shared/50");
}

TEST_F(CDatabaseTest, AfterAFailedGoNothingIsWrittenAnywhere)
{
    db.Go(3);
    db.Go(99);
    ASSERT_EQ(boxes.texts(), std::vector<std::string>{"CDatabase::Go"});
    EXPECT_EQ(boxes.shown()[0].caption, "Error");
    EXPECT_NE(CDatabase::LastError().find("record 99 does not exist"), std::string::npos) << CDatabase::LastError();
    EXPECT_EQ(db.RecNo(), 0);
    EXPECT_EQ(db.Replace("NAME", "lost"), 0);
    EXPECT_EQ(db.Replace("NUM", 7), 0);
    EXPECT_EQ(record(), "<failed>");
    db.Blank();
    db.Delete();
    db.Recall();
    db.CopyRecord(1, 99);
    EXPECT_EQ(record(3), "r3/30");
    EXPECT_EQ(record(1), "r1/10");

    // A refused write is reported and returned.
    EXPECT_EQ(db.Replace("NUM", 123456), 0);  // does not fit in 4 digits
    EXPECT_EQ(boxes.texts(), (std::vector<std::string>{"CDatabase::Go", "CDatabase::Go", "CDatabase::Replace"}));
    EXPECT_EQ(record(), "r1/10");
}

}  // namespace
