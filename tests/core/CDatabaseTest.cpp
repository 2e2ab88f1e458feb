#include "core/CDatabase.h"

#include "tests/common/TempSite.h"

#include <gtest/gtest.h>

#include <cstring>

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

    std::string read(const char* field)
    {
        std::string value;
        return db.Read(field, value) ? value : "<failed>";
    }

    TempSite site;
    RecordingMessageBoxes boxes;
    CDatabase db;
};

TEST_F(CDatabaseTest, ReadTrimsTrailingBlanksOnly)
{
    db.Go(2);
    db.Replace("NAME", " abc\t  ");
    char buf[11];
    ASSERT_EQ(db.Read("NAME", buf), 1);
    EXPECT_STREQ(buf, " abc\t");
    db.Replace("NAME", "");
    ASSERT_EQ(db.Read("NAME", buf), 1);
    EXPECT_STREQ(buf, "");
    int num = -1;
    ASSERT_EQ(db.Read("NUM", num), 1);
    EXPECT_EQ(num, 20);
    // The safe form cuts to the caller's buffer.
    db.Replace("NAME", "abcdefghij");
    char small[4];
    ASSERT_EQ(db.Read("NAME", small, sizeof small), 1);
    EXPECT_STREQ(small, "abc");
    EXPECT_EQ(db.Read("NOPE", buf), 0);
    EXPECT_EQ(db.FieldLength("name"), 10u);
    EXPECT_EQ(db.FieldLength("NOPE"), 0u);
    EXPECT_STREQ(db.Fieldname(2), "NUM");
    EXPECT_EQ(db.IsField("num"), 1);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(CDatabaseTest, FindSearchesForwardFromTheCurrentRecord)
{
    db.Top();
    EXPECT_EQ(db.Find("NAME", "r3"), 3);
    EXPECT_EQ(db.RecNo(), 3);
    EXPECT_EQ(db.Find("NUM", 40), 4);
    // Past the match: not found although the table holds it.
    EXPECT_EQ(db.Find("NAME", "r2"), 0);
    // Exact, case-sensitive comparison of the trimmed text.
    db.Top();
    EXPECT_EQ(db.Find("NAME", "R3"), 0);
    // From the last record: one Skip that cannot move, then 0.
    db.Go(5);
    EXPECT_EQ(db.Find("NAME", "zz"), 0);
    EXPECT_EQ(db.RecNo(), 5);
    // An unknown field: 0 and the position stays.
    db.Go(2);
    EXPECT_EQ(db.Find("NOPE", "r5"), 0);
    EXPECT_EQ(db.RecNo(), 2);
}

TEST_F(CDatabaseTest, OpenOfAMissingFileFailsSilently)
{
    CDatabase other;
    EXPECT_EQ(other.Open("\\t\\missing.dbf"), 0);
    EXPECT_FALSE(other.IsOpen());
    EXPECT_FALSE(CDatabase::LastError().empty());
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(CDatabaseTest, CreateReplacesAnExistingFile)
{
    db.Close();
    site.write("t/small.dbf", "not a table at all");
    ASSERT_EQ(db.Create("\\t\\small.dbf", {{"ONLY", 'C', 5, 0}}), 1);
    EXPECT_TRUE(db.IsOpen());
    EXPECT_EQ(db.RecCount(), 0u);
    EXPECT_EQ(db.IsField("ONLY"), 1);
    EXPECT_EQ(db.IsField("NAME"), 0);
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
    EXPECT_EQ(read("NAME"), "later");
    EXPECT_EQ(read("NUM"), "  10");

    db.Replace("NAME", "atclose");
    db.Close();
    EXPECT_EQ(seen(), "atclose");
    int num = 0;
    reader.Read("NUM", num);
    EXPECT_EQ(num, 10);
}

TEST_F(CDatabaseTest, CopyRecordCopiesEveryFieldAndStaysOnTheTarget)
{
    db.CopyRecord(2, 4);
    EXPECT_EQ(db.RecNo(), 4);
    EXPECT_EQ(read("NAME"), "r2");
    int num = 0;
    db.Read("NUM", num);
    EXPECT_EQ(num, 20);
    db.Go(2);
    EXPECT_EQ(read("NAME"), "r2");
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
    std::string value;
    EXPECT_EQ(db.Read("NAME", value), 0);
    db.Blank();
    db.Delete();
    db.Recall();
    db.CopyRecord(1, 99);
    db.Go(3);
    EXPECT_EQ(read("NAME"), "r3");
    int num = 0;
    db.Read("NUM", num);
    EXPECT_EQ(num, 30);
    db.Go(1);
    EXPECT_EQ(read("NAME"), "r1");
}

TEST_F(CDatabaseTest, ARefusedWriteIsReportedAndReturned)
{
    db.Go(1);
    EXPECT_EQ(db.Replace("NUM", 123456), 0);  // does not fit in 4 digits
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{"CDatabase::Replace"});
    int num = 0;
    db.Read("NUM", num);
    EXPECT_EQ(num, 10);
}

TEST_F(CDatabaseTest, BlankDeleteRecallAndPack)
{
    db.Go(2);
    db.Blank();
    EXPECT_EQ(read("NAME"), "");
    int num = -1;
    db.Read("NUM", num);
    EXPECT_EQ(num, 0);
    db.Go(3);
    db.Delete();
    db.Go(4);
    db.Delete();
    db.Recall();
    db.Pack();
    EXPECT_EQ(db.RecCount(), 4u);
    db.Go(3);
    EXPECT_EQ(read("NAME"), "r4");
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(CDatabaseTest, EmptyTableTopIsNotAnError)
{
    CDatabase empty;
    ASSERT_EQ(empty.Create("\\t\\empty.dbf", {{"NAME", 'C', 5, 0}}), 1);
    empty.Top();
    empty.Bottom();
    EXPECT_EQ(empty.RecNo(), 0);
    EXPECT_EQ(empty.RecCount(), 0u);
    EXPECT_EQ(empty.Find("NAME", ""), 0);
    empty.Close();
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(CDatabaseTest, ShallowCopiesShareTheOpenTable)
{
    CDatabase copy = db;
    copy.Go(5);
    EXPECT_EQ(db.RecNo(), 5);
    copy.Replace("NAME", "shared");
    EXPECT_EQ(read("NAME"), "shared");
    // Only one of them closes it; the original does in TearDown.
}

}  // namespace
