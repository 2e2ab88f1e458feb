// Locks: the Clipper offsets, record-only blocking, the table lock, and
// exclusion between objects of one process and between processes.

#include "DbfTestSupport.h"

#include <csignal>

using namespace kxtest;
using namespace std::chrono_literals;

namespace {

constexpr off_t kBase = 1'000'000'000;

struct flock writeLock(off_t start, off_t length)
{
    struct flock fl {};
    fl.l_type = F_WRLCK;
    fl.l_whence = SEEK_SET;
    fl.l_start = start;
    fl.l_len = length;
    return fl;
}

// Another program's lock on one range, through its own open file description.
struct ForeignLock {
    ForeignLock(const std::string& path, off_t start, off_t length) : fd(::open(path.c_str(), O_RDWR))
    {
        struct flock fl = writeLock(start, length);
        held = ::fcntl(fd, F_OFD_SETLK, &fl) == 0;
    }
    ~ForeignLock() { ::close(fd); }
    int fd;
    bool held;
};

// Whether someone else holds a write lock on [start, start+length).
bool lockedByOther(const std::string& path, off_t start, off_t length)
{
    const int fd = ::open(path.c_str(), O_RDONLY);
    struct flock fl = writeLock(start, length);
    ::fcntl(fd, F_OFD_GETLK, &fl);
    ::close(fd);
    return fl.l_type == F_WRLCK;
}

}  // namespace

TEST(DbfLocks, RecordAndHeaderLocksBlockOnlyWhatTheyCover)
{
    TempDir dir;
    auto t = tableWith(dir, 3);
    ASSERT_TRUE(t);
    t->setLockTimeout(30ms);
    ForeignLock record2(t->path(), kBase + 2, 1);
    ASSERT_TRUE(record2.held);
    ASSERT_TRUE(t->go(2));
    const std::string before = ReadBytes(t->path());
    EXPECT_FALSE(t->assignText(1, "x"));
    EXPECT_NE(t->lastError().find("record 2 is locked"), std::string::npos) << t->lastError();
    EXPECT_FALSE(t->markDeleted() || t->blank());
    EXPECT_EQ(ReadBytes(t->path()), before);
    EXPECT_TRUE(t->go(1) && t->assignText(1, "x") && t->go(3) && t->assignText(1, "x"));
    EXPECT_TRUE(t->appendBlank()) << "append takes the header and record 4";

    // The header byte blocks appending only.
    ForeignLock header(t->path(), kBase, 1);
    ASSERT_TRUE(header.held);
    EXPECT_FALSE(t->appendBlank());
    EXPECT_EQ(t->recordCount(), 4u);
    EXPECT_TRUE(t->go(1) && t->assignText(1, "y"));
}

TEST(DbfLocks, TableLockSitsAtClipperRangeAndBlocksOtherObjects)
{
    TempDir dir;
    auto a = tableWith(dir, 3);
    auto b = Table::open(a->path());
    ASSERT_TRUE(a && b);
    a->setLockTimeout(30ms);
    b->setLockTimeout(30ms);

    ASSERT_TRUE(a->lock());
    EXPECT_TRUE(lockedByOther(a->path(), kBase + 1, 1'000'000'000));
    EXPECT_FALSE(lockedByOther(a->path(), kBase, 1)) << "the table lock leaves the header byte alone";
    ASSERT_TRUE(b->go(3));
    EXPECT_FALSE(b->assignText(1, "b")) << "the table lock covers every record";
    EXPECT_FALSE(b->lock());
    EXPECT_NE(b->lastError().find("locked"), std::string::npos);

    // Writing under our own table lock must not punch holes into it.
    ASSERT_TRUE(a->go(2) && a->assignText(1, "a") && a->markDeleted());
    EXPECT_TRUE(lockedByOther(a->path(), kBase + 2, 1));
    // Closing another object on the same file keeps our lock.
    Table::open(a->path()).reset();
    EXPECT_FALSE(b->assignText(1, "b"));

    a->unlock();
    a->unlock();  // nothing held: harmless
    EXPECT_FALSE(lockedByOther(a->path(), kBase + 1, 1'000'000'000));
    EXPECT_TRUE(b->assignText(1, "b"));
}

TEST(DbfLocks, ProcessLocksOfOtherProgramsBlockTheSameRecord)
{
    TempDir dir;
    auto t = tableWith(dir, 4);
    ASSERT_TRUE(t);
    t->setLockTimeout(30ms);
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t pid = ::fork();
    if (pid == 0) {  // a program using traditional process-owned locks
        const int fd = ::open(t->path().c_str(), O_RDWR);
        struct flock fl = writeLock(kBase + 3, 1);
        const char ok = ::fcntl(fd, F_SETLK, &fl) == 0 ? 'y' : 'n';
        (void)!::write(ready[1], &ok, 1);
        ::pause();
    }
    char ok = 0;
    ASSERT_EQ(::read(ready[0], &ok, 1), 1);
    EXPECT_EQ(ok, 'y');
    EXPECT_FALSE(t->go(3) && t->assignText(1, "x"));
    EXPECT_TRUE(t->go(4) && t->assignText(1, "x"));
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    EXPECT_TRUE(t->go(3) && t->assignText(1, "x")) << "the lock died with its process";
    ::close(ready[0]);
    ::close(ready[1]);
}
