// Several processes on one table at once: no change lost, and a reader never
// sees a record count ahead of the data.

#include "DbfTestSupport.h"

#include <future>
#include <map>

using namespace kxtest;

namespace {

constexpr std::uint32_t kRecords = 20;

// Process `id` (1 or 2) rewrites its half of the records and its own field
// of record 1 every round, and appends a few records of its own.
bool writer(const std::string& path, int id, int rounds)
{
    auto t = Table::open(path);
    if (!t)
        return false;
    t->setLockTimeout(std::chrono::seconds(10));
    const int own = t->fieldNumber(id == 1 ? "A" : "B");
    for (int round = 1; round <= rounds; ++round) {
        for (std::uint32_t r = std::uint32_t(id) + 1; r <= kRecords; r += 2) {
            if (!t->go(r) || !t->assignDouble(own, round) || !t->assignText(1, "p" + std::to_string(id)))
                return false;
        }
        if (!t->go(1) || !t->assignDouble(own, round))
            return false;
        if (round % 10 == 0 && (!t->appendBlank() || !t->assignText(1, "new" + std::to_string(id))))
            return false;
    }
    return true;
}

}  // namespace

TEST(DbfConcurrency, TwoProcessesWritingOneTableLoseNothing)
{
    TempDir dir;
    const std::string p = dir.path("shared.dbf");
    {
        auto t = Table::create(p, {{"NAME", 'C', 10, 0}, {"A", 'N', 8, 0}, {"B", 'N', 8, 0}});
        for (std::uint32_t r = 0; t && r < kRecords; ++r)
            ASSERT_TRUE(t->appendBlank());
    }
    constexpr int kRounds = 500;
    auto second = std::async(std::launch::async, [&] { return InChildProcess([&] { return writer(p, 2, kRounds); }); });
    EXPECT_TRUE(InChildProcess([&] { return writer(p, 1, kRounds); }));
    EXPECT_TRUE(second.get());

    auto t = Table::open(p);
    ASSERT_TRUE(t);
    const std::uint32_t appended = 2 * kRounds / 10;
    ASSERT_EQ(t->recordCount(), kRecords + appended);
    const std::string file = ReadBytes(p);
    EXPECT_EQ(std::make_pair(file.size(), file.back()),
              std::make_pair(std::size_t(32 + 3 * 32 + 1 + (kRecords + appended) * 27 + 1), '\x1a'));
    // How many records hold each row: both processes' fields of record 1
    // survive, every other record holds its last round, and every append.
    std::map<std::string, std::uint32_t> rows;
    for (std::uint32_t r = 1; r <= kRecords + appended; ++r)
        ++rows[t->go(r) ? recordOf(*t) : "gone"];
    EXPECT_EQ(rows, (std::map<std::string, std::uint32_t>{{"          |     500|     500|", 1},
                                                          {"p1        |     500|        |", kRecords / 2},
                                                          {"p2        |        |     500|", kRecords / 2 - 1},
                                                          {"new1      |        |        |", kRounds / 10},
                                                          {"new2      |        |        |", kRounds / 10}}));
}

TEST(DbfConcurrency, ReaderNeverSeesCountAheadOfData)
{
    TempDir dir;
    const std::string p = dir.path("grow.dbf");
    ASSERT_TRUE(Table::create(p, {{"NAME", 'C', 100, 0}}));
    constexpr std::uint64_t kHL = 32 + 32 + 1, kRL = 101;
    const pid_t pid = ::fork();
    if (pid == 0) {
        auto t = Table::open(p);
        for (int i = 0; t && i < 3000; ++i)
            if (!t->appendBlank())
                ::_exit(1);
        ::_exit(t ? 0 : 1);
    }
    const int fd = ::open(p.c_str(), O_RDONLY);
    int polls = 0, bad = 0;
    for (;;) {
        int status = 0;
        const bool finished = ::waitpid(pid, &status, WNOHANG) == pid;
        unsigned char count[4];
        struct stat st {};
        ASSERT_EQ(::pread(fd, count, 4, 4), 4);  // the count first, then the size
        ASSERT_EQ(::fstat(fd, &st), 0);
        const std::uint64_t n = count[0] | count[1] << 8 | count[2] << 16 | std::uint64_t(count[3]) << 24;
        bad += kHL + n * kRL > std::uint64_t(st.st_size);
        ++polls;
        if (finished) {
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
            EXPECT_EQ(n, 3000u);
            break;
        }
    }
    ::close(fd);
    EXPECT_EQ(bad, 0) << "of " << polls << " polls";
}
