// Positioning, record operations, append, pack, held-back changes and the
// freshness of read-ahead data.

#include "DbfTestSupport.h"

#include <climits>
#include <thread>

using namespace kxtest;

TEST(DbfRecords, PositioningStaysWithinTheTable)
{
    TempDir dir;
    auto t = tableWith(dir, 0);
    ASSERT_TRUE(t);
    char buf[16];
    // Without a current record nothing moves, reads or writes.
    EXPECT_EQ((std::vector<long>{t->top(), t->bottom(), t->go(1), t->skip(1), t->recordNumber(),
                                 t->fieldText(1, buf, sizeof buf), t->assignText(1, "x")}),
              std::vector<long>(7, 0));

    t = tableWith(dir, 3);
    ASSERT_TRUE(t && t->go(2));
    // Each move, then the record it leaves current or reads.
    EXPECT_EQ((std::vector<long>{t->go(0), t->recordNumber(), t->go(4), t->recordNumber(), t->bottom(), t->fieldInt(2),
                                 t->skip(1), t->skip(-1), t->skip(LONG_MIN), t->skip(LONG_MAX), t->skip(-100),
                                 t->fieldText(3, buf, sizeof buf), t->fieldNumber("num")}),
              (std::vector<long>{0, 0, 0, 0, 1, 3, 3, 2, 1, 3, 1, 0, 2}));
    EXPECT_LT(t->fieldNumber("A_NAME_FAR_TOO_LONG"), 1);

    // Records appended by another object are found without reopening.
    auto other = Table::open(t->path());
    ASSERT_TRUE(other && other->appendBlank());
    EXPECT_TRUE(t->go(4));
    EXPECT_EQ(t->skip(10), 4u);
}

TEST(DbfRecords, MemoTablesAreWrittenAroundTheirMemoPointers)
{
    // dBASE III+ and IV and FoxPro 2 with memo lay records out alike. A memo
    // pointer is never written: not assigned, and a blank keeps it.
    constexpr std::size_t kMemoHL = 32 + 3 * 32 + 1;
    for (const int version : {0x83, 0x8B, 0xF5}) {
        for (const bool writeThrough : {true, false}) {
            SCOPED_TRACE(testing::Message() << "version " << version << (writeThrough ? "" : ", held back"));
            TempDir dir;
            const std::string p = dir.path("memo.dbf");
            WriteBytes(p, rawTable({{"NAME", 'C', 5}, {"NOTE", 'M', 10}, {"NUM", 'N', 3}}, {" alpha0000000007  1"},
                                   std::uint8_t(version)));
            auto t = Table::open(p);
            ASSERT_TRUE(t && t->go(1));
            t->setWriteThrough(writeThrough);
            EXPECT_TRUE(t->assignText(1, "beta")) << t->lastError();
            EXPECT_FALSE(t->assignText(2, "0000000001"));
            ASSERT_TRUE(t->flush());
            EXPECT_EQ(ReadBytes(p).substr(kMemoHL, 19), " beta 0000000007  1");
            ASSERT_TRUE(t->blank() && t->flush());
            EXPECT_EQ(ReadBytes(p).substr(kMemoHL, 19), "      0000000007   ");
        }
    }
}

TEST(DbfRecords, AppendReusesASlotBeyondTheCountAndBoundsALyingCount)
{
    TempDir dir;
    const std::string p = dir.path("a.dbf");
    // A writer stopped after its data, before its count: one record too many.
    std::string bytes = smallTable();
    bytes.replace(4, 4, le(1, 4));
    WriteBytes(p, bytes);
    auto t = Table::open(p);
    ASSERT_TRUE(t);
    EXPECT_EQ((std::vector<long>{t->recordCount(), t->appendBlank(), t->recordNumber()}), (std::vector<long>{1, 1, 2}));
    bytes = ReadBytes(p);
    EXPECT_EQ(bytes.substr(4, 4), le(2, 4));
    EXPECT_EQ(bytes.substr(kHL + kRL), std::string(kRL, ' ') + '\x1a');

    // A count beyond the data: the new record follows the last whole one.
    bytes.replace(4, 4, le(7, 4));
    WriteBytes(p, bytes);
    t = Table::open(p);
    ASSERT_TRUE(t && t->appendBlank());
    EXPECT_EQ(t->recordNumber(), 3u);
    bytes = ReadBytes(p);
    EXPECT_EQ(bytes.size(), kHL + 3 * kRL + 1);
    EXPECT_EQ(bytes.substr(4, 4), le(3, 4));
}

TEST(DbfRecords, PackRemovesDeletedRecordsOnlyWithExclusiveUse)
{
    TempDir dir;
    auto t = tableWith(dir, 7);
    ASSERT_TRUE(t);
    for (std::uint32_t r : {1u, 4u, 5u, 7u})
        ASSERT_TRUE(t->go(r) && t->markDeleted());

    {
        auto reader = Table::open(t->path());
        ASSERT_TRUE(reader);
        EXPECT_FALSE(t->pack());
        EXPECT_NE(t->lastError().find("exclusive"), std::string::npos) << t->lastError();
        reader->setLockTimeout(std::chrono::milliseconds(0));
        EXPECT_EQ(reader->recordCount(), 7u);
    }
    ASSERT_TRUE(t->lock() && t->pack());
    EXPECT_EQ(std::make_pair(t->recordNumber(), t->recordCount()), std::make_pair(1u, 3u));
    EXPECT_EQ(ReadBytes(t->path()).substr(kHL), " rec2           2 rec3           3 rec6           6\x1a");
    // pack() kept the caller's table lock.
    auto other = Table::open(t->path());
    other->setLockTimeout(std::chrono::milliseconds(20));
    ASSERT_TRUE(other && other->go(1));
    EXPECT_FALSE(other->assignText(1, "x"));
}

TEST(DbfRecords, WithoutWriteThroughOnlyChangedFieldsAreWrittenLater)
{
    TempDir dir;
    auto t = tableWith(dir, 3);
    ASSERT_TRUE(t && t->go(1));
    t->setWriteThrough(false);
    const std::string before = ReadBytes(t->path());
    ASSERT_TRUE(t->assignText(1, "mine"));
    ASSERT_TRUE(t->markDeleted());
    EXPECT_EQ(bytesOf(*t, 1), "mine      ") << "our own change reads back at once";
    EXPECT_EQ(ReadBytes(t->path()), before) << "nothing written yet";

    // Another program changes the other field meanwhile: it must survive.
    auto other = Table::open(t->path());
    ASSERT_TRUE(other && other->go(1) && other->assignDouble(2, 77));
    ASSERT_TRUE(t->flush());
    EXPECT_EQ(ReadBytes(t->path()).substr(kHL, kRL), "*mine          77");

    ASSERT_TRUE(t->go(2) && t->assignText(1, "moved"));
    ASSERT_TRUE(t->go(3));  // a move writes what is pending
    ASSERT_TRUE(other->go(2));
    EXPECT_EQ(bytesOf(*other, 1), "moved     ");

    ASSERT_TRUE(t->assignDouble(2, 33));
    t->setWriteThrough(true);  // writes what is pending
    ASSERT_TRUE(other->go(3));
    EXPECT_EQ(other->fieldInt(2), 33);

    // Two neighbouring fields held back go out together, both of them.
    t->setWriteThrough(false);
    const std::string path = t->path();
    ASSERT_TRUE(t->go(2) && t->assignText(1, "both") && t->assignDouble(2, 44));
    t.reset();  // closing writes them
    EXPECT_EQ(ReadBytes(path).substr(kHL + kRL, kRL), " both          44");
}

TEST(DbfRecords, ReadAheadNeverHidesOtherWritesForLong)
{
    TempDir dir;
    auto t = tableWith(dir, 5);
    auto other = Table::open(t->path());
    ASSERT_TRUE(t && other);
    ASSERT_TRUE(t->top() && t->fieldInt(2) == 1);  // the window now covers all five records

    ASSERT_TRUE(other->go(2) && other->assignDouble(2, 20));
    ASSERT_TRUE(t->lock());
    ASSERT_TRUE(t->go(2));
    EXPECT_EQ(t->fieldInt(2), 20) << "lock() drops the window";
    t->unlock();

    ASSERT_TRUE(t->go(3) && t->fieldInt(2) == 3);
    ASSERT_TRUE(other->go(1) && other->assignDouble(2, 10));
    ASSERT_TRUE(t->go(1));
    EXPECT_EQ(t->fieldInt(2), 10) << "a backward move drops the window";

    ASSERT_TRUE(t->go(2) && t->fieldInt(2) == 20);  // fills a new window
    ASSERT_TRUE(other->go(4) && other->assignDouble(2, 40));
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    ASSERT_TRUE(t->go(4));
    EXPECT_EQ(t->fieldInt(2), 40) << "the window ages out";
}
